#pragma once

// "Official assignment settings": the numbers of the officials' schedule
// (officials per game, days off, subsequent games, conflict margin) and the
// switches of the rules the assignment may ignore.

#include "officials/cOfficialSettings.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <array>

class CNumberSpinBox;
class QCheckBox;

class COfficialSettingsDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    explicit COfficialSettingsDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    void SetValues(const cOfficialSettings& values);
    cOfficialSettings Values();

    // The six switches in the order of the dialog.
    QCheckBox* Switch(std::size_t index) const { return m_switches.at(index); }

public slots:
    void accept() override;

private:
    // The number fields by the field ids of cOfficialSettings.
    std::array<CNumberSpinBox*, cOfficialSettings::kFieldConflictMargin + 1> m_numbers{};
    std::array<QCheckBox*, 6> m_switches{};
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true when the settings were stored.
bool RunOfficialSettingsDialog(CTournelDoc& doc, QWidget* parent);
