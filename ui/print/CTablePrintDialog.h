#pragma once

// "Special table print": which league, the results from a date, the columns
// of the table, the heading, and whether it goes to a file. OK stores the
// document's choices and brings the tables up to date; the caller prints or
// writes the file.

#include "output/PrintValues.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <array>

class CNumberSpinBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class CTablePrintDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    explicit CTablePrintDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    void SetValues(const cTablePrintValues& values);
    cTablePrintValues Values();

    const cTablePrintValues& Chosen() const { return m_chosen; }
    QLabel& Preview() const { return *m_pPreview; }

public slots:
    void accept() override;

private:
    void ShowState();

    QComboBox* m_pLeague = nullptr;
    QCheckBox* m_pResults = nullptr;
    std::array<CNumberSpinBox*, 3> m_date{}; // day, month, year
    std::array<QCheckBox*, cTablePrintValues::kColumnFields> m_columns{};
    QCheckBox* m_pWriteToFile = nullptr;
    QLineEdit* m_pHeading = nullptr;
    QLabel* m_pPreview = nullptr;
    cTablePrintValues m_chosen;
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true on OK, with the values in `chosen`.
bool RunTablePrintDialog(CTournelDoc& doc, QWidget* parent, cTablePrintValues& chosen);
