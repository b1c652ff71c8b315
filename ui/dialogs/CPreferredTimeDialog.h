#pragma once

// "Preferred playing time": a new preferred time of a league, team or
// official, or the changes of one.

#include "model/cPreferredTimeValues.h"
#include "ui/dialogs/CPropertyDialog.h"

class QComboBox;
class QSpinBox;

class CPreferredTimeDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `times` is the owner's container of preferred times; `editing` the
    // entry to change, null for a new one.
    CPreferredTimeDialog(CTournelDoc& doc, cTournelDb& times, cPreferredTime* editing,
                         QWidget* parent = nullptr);

    void SetValues(const cPreferredTimeValues& values);
    cPreferredTimeValues Values();

public slots:
    void accept() override;

private:
    cTournelDb& m_times;
    cPreferredTime* m_pEditing;
    QComboBox* m_pWeekday;
    QSpinBox* m_pStart;
    QSpinBox* m_pEnd;
};
