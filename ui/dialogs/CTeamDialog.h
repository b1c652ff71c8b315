#pragma once

// "Team properties": a new team of a league or the changes of one.

#include "model/cTeamValues.h"
#include "ui/dialogs/CPropertyDialog.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

class CTeamDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `league` owns the team; `editing` is the team to change, null for a new one.
    CTeamDialog(CTournelDoc& doc, cLeague& league, cTeam* editing, QWidget* parent = nullptr);

    void SetValues(const cTeamValues& values);
    cTeamValues Values();

public slots:
    void accept() override;

private:
    cLeague& m_league;
    cTeam* m_pEditing;
    QLineEdit* m_pName;
    QComboBox* m_pDayOff;
    QSpinBox* m_pBonusPoints;
};
