#pragma once

// "Court time properties": a new free period or the changes of one.

#include "model/cCourtTimeValues.h"
#include "ui/dialogs/CPropertyDialog.h"

class QComboBox;
class QLabel;
class QSpinBox;

class CCourtTimeDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `editing` is the period to change, null for a new one. A new period
    // needs a court (CanInsertCourtTime) before the dialog is shown.
    CCourtTimeDialog(CTournelDoc& doc, cUnusedTime* editing, QWidget* parent = nullptr);

    void SetValues(const cCourtTimeValues& values);
    cCourtTimeValues Values();

public slots:
    void accept() override;

private:
    cUnusedTime* m_pEditing;
    QComboBox* m_pCourt;
    QSpinBox* m_pDay;
    QSpinBox* m_pMonth;
    QSpinBox* m_pYear;
    QLabel* m_pWeekday; // the weekday of the date as typed
    QSpinBox* m_pStart;
    QSpinBox* m_pEnd;
};
