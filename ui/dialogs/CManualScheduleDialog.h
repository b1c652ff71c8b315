#pragma once

// "Manual match scheduling", shared by Schedule Manually and Move Match: a
// list of free court time, the exact start, and "Show only legal playing
// times". OK checks the entry and asks about a broken placement rule through
// the document's prompt; only a place the user accepted closes the dialog.
// The caller places the match at Placement().

#include "scheduling/ManualScheduling.h"
#include "ui/dialogs/CPropertyDialog.h"

class CNumberSpinBox;
class QCheckBox;
class QComboBox;
class QLabel;

class CManualScheduleDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `match` null: a playoff match is moved and no rule is checked.
    // `moving`: the scheduled match being moved, which the heading names.
    CManualScheduleDialog(CTournelDoc& doc, const cUnscheduledMatch* match, int duration,
                          QWidget* parent = nullptr, const cMatch* moving = nullptr);

    // The line naming the match the dialog is for.
    QLabel* Heading() const { return m_pHeading; }
    QComboBox* CourtTimes() const { return m_pCourtTimes; }
    CNumberSpinBox* Start() const { return m_pStart; }
    QCheckBox* OnlyLegal() const { return m_pOnlyLegal; }

    // The values as the widgets stand.
    cManualScheduleValues Values();
    // Where the match goes; meaningful after OK.
    const cManualPlacement& Placement() const { return m_placement; }

public slots:
    void accept() override;

private:
    void ShowValues();
    void OnCourtTimeChosen(int index);
    void OnOnlyLegalToggled(bool checked);

    cManualScheduleValues m_values;
    cManualPlacement m_placement;
    QLabel* m_pHeading = nullptr;
    CNumberSpinBox* m_pStart = nullptr;
    QComboBox* m_pCourtTimes = nullptr;
    QCheckBox* m_pOnlyLegal = nullptr;
    bool m_bShowing = false; // the widgets are being filled: their signals are no choice
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true on OK, with the accepted place in `placement`.
bool RunManualScheduleDialog(CTournelDoc& doc, const cUnscheduledMatch* match, int duration, QWidget* parent,
                             cManualPlacement& placement, const cMatch* moving = nullptr);
