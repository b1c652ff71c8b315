#pragma once

// "Assign officials automatically": the last date whose matches are served
// and the number of officials per game for this run. The dialog only picks
// the values; the caller starts the run.

#include "officials/cAutoAssignValues.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <array>

class CNumberSpinBox;

class CAutoAssignDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    explicit CAutoAssignDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    void SetValues(const cAutoAssignValues& values);
    cAutoAssignValues Values();

    // What OK took; the initial values before that.
    const cAutoAssignValues& Chosen() const { return m_chosen; }

public slots:
    void accept() override;

private:
    // The fields by the field ids of cAutoAssignValues.
    std::array<CNumberSpinBox*, cAutoAssignValues::kFieldOfficials + 1> m_numbers{};
    cAutoAssignValues m_chosen;
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true on OK, with the values in `chosen`, which is left
// alone on Cancel.
bool RunAutoAssignDialog(CTournelDoc& doc, QWidget* parent, cAutoAssignValues& chosen);
