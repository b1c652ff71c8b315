#pragma once

// "Re-plan conflicts": whether the conflicting matches placed by hand or
// moved are re-planned too. The dialog only picks that; the caller re-plans.

#include "ui/dialogs/CPropertyDialog.h"

class QCheckBox;

class CReplanConflictsDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `conflicts`: how many scheduled matches the rules now refuse.
    CReplanConflictsDialog(CTournelDoc& doc, int conflicts, QWidget* parent = nullptr);

    bool AllConflicts() const;

private:
    QCheckBox* m_pAll;
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true on OK, with the choice in `allConflicts`.
bool RunReplanConflictsDialog(CTournelDoc& doc, int conflicts, QWidget* parent, bool& allConflicts);
