#pragma once

// "Print database content": the summary with the court and the league
// overview if chosen, printed or written to a text file. Nothing is stored.

#include "output/PrintValues.h"
#include "ui/dialogs/CPropertyDialog.h"

class QCheckBox;

class CContentPrintDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    explicit CContentPrintDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    cContentPrintValues Values() const;
    const cContentPrintValues& Chosen() const { return m_chosen; }

public slots:
    void accept() override;

private:
    QCheckBox* m_pCourts = nullptr;
    QCheckBox* m_pLeagues = nullptr;
    QCheckBox* m_pWriteToFile = nullptr;
    cContentPrintValues m_chosen;
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true on OK, with the values in `chosen`.
bool RunContentPrintDialog(CTournelDoc& doc, QWidget* parent, cContentPrintValues& chosen);
