#pragma once

// "Team conflict": a new team conflict of a team or an official, or the
// changes of one. Choosing a league empties the team list; the list is
// filled with that league's teams when it receives the focus.

#include "model/cTeamConflictValues.h"
#include "ui/dialogs/CPropertyDialog.h"

class QCheckBox;
class QComboBox;

class CTeamConflictDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `conflicts` is the owning team's or official's conflict container;
    // `editing` the entry to change, null for a new one.
    CTeamConflictDialog(CTournelDoc& doc, cTournelDb& conflicts, cIllTeam* editing,
                        QWidget* parent = nullptr);

    void SetValues(const cTeamConflictValues& values);
    cTeamConflictValues Values() const;

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Fills the empty team list with the teams of the chosen league.
    void FillTeams();

    cTournelDb& m_conflicts;
    cIllTeam* m_pEditing;
    QComboBox* m_pLeague;
    QComboBox* m_pTeam;
    QCheckBox* m_pTwinTeam;
};
