#pragma once

// "Import from spreadsheet": what the rows of a CSV file are (teams of a
// league, officials, court time or results) and which file; below, what the
// import would do with each row, read on a copy of the season as the choices
// change. OK ("Import") is refused while no row would be imported; the
// caller then imports the text that was previewed.

#include "input/CsvImport.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class CImportDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `browse` asks for the file to read (empty: cancelled).
    CImportDialog(CTournelDoc& doc, std::function<QString()> browse, QWidget* parent = nullptr);

    cImportValues Values() const;
    // After OK: the values and the file's text the preview was made of.
    const cImportValues& Chosen() const { return m_chosen; }
    const std::string& ChosenText() const { return m_text; }
    const cImportReport& Preview() const { return m_preview; }

    QComboBox& Kind() const { return *m_pKind; }
    QComboBox& League() const { return *m_pLeague; }
    QLineEdit& File() const { return *m_pFile; }
    QTableWidget& Rows() const { return *m_pRows; }
    QLabel& Summary() const { return *m_pSummary; }

    // Reads the file again and shows what importing it would do.
    void UpdatePreview();

public slots:
    void accept() override;

private:
    QComboBox* m_pKind = nullptr;
    QComboBox* m_pLeague = nullptr;
    std::vector<int> m_leagues; // the league index of each entry of the list
    QLineEdit* m_pFile = nullptr;
    QPushButton* m_pBrowse = nullptr;
    QLabel* m_pSummary = nullptr;
    QTableWidget* m_pRows = nullptr;
    std::function<QString()> m_fnBrowse;
    cImportValues m_chosen;
    std::string m_text;
    bool m_bReadable = false;
    cImportReport m_preview;
};

// Runs the dialog through the dialog runner of the item dialogs; true on OK,
// with the values and the previewed text.
bool RunImportDialog(CTournelDoc& doc, QWidget* parent, std::function<QString()> browse,
                     cImportValues& chosen, std::string& text);
