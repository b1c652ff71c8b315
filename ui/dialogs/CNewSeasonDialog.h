#pragma once

// "New season": how many weeks the dates of the season after this one move,
// and whether the court time goes along. The season itself is made by the
// document controller once the dialog is closed with OK.

#include "document/cRolloverValues.h"
#include "ui/dialogs/CPropertyDialog.h"

class QCheckBox;
class QSpinBox;

class CNewSeasonDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    explicit CNewSeasonDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    void SetValues(const cRolloverValues& values);
    cRolloverValues Values();

public slots:
    // Refuses weeks out of range, and weeks that would take a date of the
    // season beyond what the file holds, on the weeks field.
    void accept() override;

private:
    QSpinBox* m_pWeeks;
    QCheckBox* m_pKeepCourtTime;
};
