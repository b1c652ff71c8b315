#pragma once

// "Assign officials manually" for one scheduled match: a row per official
// slot with the list of officials and "Show only legal choices". Rows beyond
// the document's number of officials per game are greyed and empty. OK puts
// the chosen officials on the match; a broken rule is asked about through
// the document's prompt, and No keeps the slot as it was. One official
// chosen for two slots is refused and the dialog stays open.

#include "officials/cManualAssignValues.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class cMatch;

class CManualAssignDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    CManualAssignDialog(CTournelDoc& doc, cMatch& match, QWidget* parent = nullptr);

    // The line naming the match the dialog is for.
    QLabel* Heading() const { return m_pHeading; }
    // The widgets of row `slot` (0-4).
    QComboBox* Choices(int slot) const { return m_rows.at(static_cast<std::size_t>(slot)).choices; }
    QCheckBox* OnlyLegal(int slot) const { return m_rows.at(static_cast<std::size_t>(slot)).onlyLegal; }

    // The rows as the widgets stand, with the selections taken over.
    cManualAssignValues Values();

public slots:
    void accept() override;

private:
    struct cRowWidgets
    {
        QLabel* label = nullptr;
        QComboBox* choices = nullptr;
        QCheckBox* onlyLegal = nullptr;
    };

    // Puts row `slot` of m_values into its widgets.
    void ShowRow(int slot);
    // The check box of row `slot` was clicked into `onlyLegal`.
    void RefillRow(int slot, bool onlyLegal);

    cMatch& m_match;
    cManualAssignValues m_values;
    QLabel* m_pHeading = nullptr;
    std::array<cRowWidgets, cMatch::kOfficialPositions> m_rows{};
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true on OK, after the officials were put on the match.
bool RunManualAssignDialog(CTournelDoc& doc, cMatch& match, QWidget* parent);
