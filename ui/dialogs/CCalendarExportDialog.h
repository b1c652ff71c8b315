#pragma once

// "Export calendar": whose matches (everybody's, or one court's, league's,
// team's or official's) and which period go into the iCalendar file. Nothing
// is stored in the document; the caller asks for the file and writes it.

#include "output/PrintValues.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <array>
#include <vector>

class CNumberSpinBox;
class QComboBox;

class CCalendarExportDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    explicit CCalendarExportDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    cCalendarExportValues Values() const;
    const cCalendarExportValues& Chosen() const { return m_chosen; }
    QComboBox& MatchesOf() const { return *m_pMatchesOf; }

public slots:
    void accept() override;

private:
    QComboBox* m_pMatchesOf = nullptr;
    std::vector<cCalendarExport> m_selections; // what each entry of the list selects
    // Start day, month, year and final day, month, year.
    std::array<CNumberSpinBox*, 6> m_dates{};
    cCalendarExportValues m_chosen;
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true on OK, with the values in `chosen`.
bool RunCalendarExportDialog(CTournelDoc& doc, QWidget* parent, cCalendarExportValues& chosen);
