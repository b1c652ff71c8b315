#pragma once

// "Holiday properties": a new holiday of a league, team or official, or the
// changes of one.

#include "model/cHolidayValues.h"
#include "ui/dialogs/CPropertyDialog.h"

class QLabel;
class QSpinBox;

class CHolidayDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `holidays` is the owner's holiday container; `editing` the holiday to
    // change, null for a new one.
    CHolidayDialog(CTournelDoc& doc, cTournelDb& holidays, cIllDate* editing, QWidget* parent = nullptr);

    void SetValues(const cHolidayValues& values);
    cHolidayValues Values();

public slots:
    void accept() override;

private:
    cTournelDb& m_holidays;
    cIllDate* m_pEditing;
    QSpinBox* m_pStartDay;
    QSpinBox* m_pStartMonth;
    QSpinBox* m_pStartYear;
    QSpinBox* m_pFinalDay;
    QSpinBox* m_pFinalMonth;
    QSpinBox* m_pFinalYear;
    QLabel* m_pStartWeekday; // the weekdays of the dates as typed
    QLabel* m_pFinalWeekday;
};
