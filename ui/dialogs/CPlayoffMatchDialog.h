#pragma once

// "Playoff match data" for a new playoff match (a free court time, the start,
// the duration and the three texts) and "Modify playoff match data" for an
// existing one (the texts and the duration). OK checks the entries in the
// core, and only then inserts or changes the match.

#include "scheduling/ManualScheduling.h"
#include "ui/dialogs/CPropertyDialog.h"

class CNumberSpinBox;
class QComboBox;
class QLineEdit;

class CPlayoffMatchDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `match` null: a new playoff match in the free court time.
    CPlayoffMatchDialog(CTournelDoc& doc, cPlayoffMatch* match, QWidget* parent = nullptr);

    QComboBox* CourtTimes() const { return m_pCourtTimes; }
    CNumberSpinBox* Start() const { return m_pStart; }
    CNumberSpinBox* Duration() const { return m_pDuration; }
    QLineEdit* Number() const { return m_pNumber; }
    QLineEdit* HomeTeam() const { return m_pHomeTeam; }
    QLineEdit* GuestTeam() const { return m_pGuestTeam; }

    cPlayoffMatchValues Values();

public slots:
    void accept() override;

private:
    cPlayoffMatch* m_pMatch;
    cPlayoffMatchValues m_values;
    QComboBox* m_pCourtTimes = nullptr;
    CNumberSpinBox* m_pStart = nullptr;
    CNumberSpinBox* m_pDuration = nullptr;
    QLineEdit* m_pNumber = nullptr;
    QLineEdit* m_pHomeTeam = nullptr;
    QLineEdit* m_pGuestTeam = nullptr;
};

// "Insert Playoff Match": runs the dialog for a new playoff match through the
// dialog runner; the match as it stands in the schedule, or null when there
// is no free court time or the user cancelled.
cPlayoffMatch* RunInsertPlayoffDialog(CTournelDoc& doc, QWidget* parent);
