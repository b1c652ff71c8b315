#pragma once

// "Special schedule print": how the schedule is sorted and laid out, which
// court, league, team or official and which period it shows, the match
// number, the weekday language, the heading, and whether it goes to a file.
// OK stores the document's choices; the caller prints or writes the file.

#include "output/PrintValues.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <array>

class CNumberSpinBox;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class CSchedulePrintDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    explicit CSchedulePrintDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    void SetValues(const cSchedulePrintValues& values);
    cSchedulePrintValues Values();

    // What OK took; the initial values before that.
    const cSchedulePrintValues& Chosen() const { return m_chosen; }

    QButtonGroup& Sortings() const { return *m_pSortings; }
    QButtonGroup& Layouts() const { return *m_pLayouts; }
    QLabel& Preview() const { return *m_pPreview; }

public slots:
    void accept() override;

private:
    // A sort mode chosen: its selector only, "<All>" in the others, the layout as the mode allows.
    void OnSorting(int mode);
    void OnLeague();
    void FillTeams(int league, int team);
    // Enabling and the preview from the values as they stand.
    void ShowState();

    QButtonGroup* m_pSortings = nullptr;
    QButtonGroup* m_pLayouts = nullptr;
    QComboBox* m_pCourt = nullptr;
    QComboBox* m_pLeague = nullptr;
    QComboBox* m_pTeam = nullptr;
    QComboBox* m_pOfficial = nullptr;
    // Start day, month, year and final day, month, year.
    std::array<CNumberSpinBox*, 6> m_dates{};
    QCheckBox* m_pNumberBefore = nullptr;
    QCheckBox* m_pNumberAfter = nullptr;
    QComboBox* m_pLanguage = nullptr;
    QCheckBox* m_pWriteToFile = nullptr;
    QLineEdit* m_pHeading = nullptr;
    QLabel* m_pPreview = nullptr;
    bool m_bFilling = false; // widgets being set: their signals are no choices
    cSchedulePrintValues m_chosen;
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true on OK, with the values in `chosen`, which is left
// alone on Cancel.
bool RunSchedulePrintDialog(CTournelDoc& doc, QWidget* parent, cSchedulePrintValues& chosen);
