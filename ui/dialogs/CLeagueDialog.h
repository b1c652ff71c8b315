#pragma once

// "League properties": a new league or the changes of one.

#include "model/cLeagueValues.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <array>

class QLineEdit;
class QSpinBox;

class CLeagueDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `editing` is the league to change, null for a new league.
    CLeagueDialog(CTournelDoc& doc, cLeague* editing, QWidget* parent = nullptr);

    void SetValues(const cLeagueValues& values);
    cLeagueValues Values();

public slots:
    void accept() override;

private:
    cLeague* m_pEditing;
    QLineEdit* m_pShortName;
    QLineEdit* m_pFullName;
    // The number fields from kRounds to kRestPairMinutes, by field id.
    std::array<QSpinBox*, cLeagueValues::kRestPairMinutes - cLeagueValues::kRounds + 1> m_spins{};
    QSpinBox*& Spin(int field) { return m_spins[static_cast<std::size_t>(field - cLeagueValues::kRounds)]; }
};
