#pragma once

// "Enter result": the final result and set scores of one match and the
// disqualification boxes of both sides, under a heading with the two team
// names. A refused entry keeps the dialog open with the values as OK took
// them (computed final results, unused sets at 0).

#include "standings/cResultValues.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <array>

class CNumberSpinBox;
class QCheckBox;
class QLabel;

class CResultDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    CResultDialog(CTournelDoc& doc, cResult& result, QWidget* parent = nullptr);

    // The scores and boxes; the heading stays as the result's teams give it.
    void SetValues(const cResultValues& values);
    cResultValues Values();

    // The heading's labels: home team, "-", guest team.
    QLabel* HomeHeading() const { return m_pHomeTeam; }
    QLabel* GuestHeading() const { return m_pGuestTeam; }
    // The note that the final result shown was entered without sets.
    QLabel* FinalWithoutSetsNote() const { return m_pFinalWithoutSets; }

public slots:
    void accept() override;

private:
    cResult& m_result;
    int m_nMaxSets; // 1 ... 9, as the table settings give it when the dialog opens
    QLabel* m_pHomeTeam;
    QLabel* m_pGuestTeam;
    // The score fields by the field ids of cResultValues.
    std::array<CNumberSpinBox*, 2 * cResult::kScores> m_scores{};
    QCheckBox* m_pHomeDisqualified;
    QCheckBox* m_pGuestDisqualified;
    QLabel* m_pFinalWithoutSets;
};

// Runs "Enter result" on the result through the dialog runner of the item
// dialogs (SetDialogRunner); true when the result was entered.
bool RunResultDialog(CTournelDoc& doc, cResult& result, QWidget* parent);
