#pragma once

// "Repeat court time": copies the selected free period into the following weeks.

#include "model/cRepeatCourtTimeValues.h"
#include "ui/dialogs/CPropertyDialog.h"

class QSpinBox;

class CRepeatCourtTimeDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    CRepeatCourtTimeDialog(CTournelDoc& doc, cUnusedTime& period, QWidget* parent = nullptr);

    void SetValues(const cRepeatCourtTimeValues& values);
    cRepeatCourtTimeValues Values();

public slots:
    void accept() override;

private:
    cUnusedTime& m_period;
    QSpinBox* m_pWeeks;
};
