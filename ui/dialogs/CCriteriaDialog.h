#pragma once

// "Table generation - Priority numbers for team rating criteria": one
// read-only priority number per rating criterion (0: not used) whose spin
// buttons keep the used numbers the gapless sequence 1 ... m, and the
// presets of "Adapt rules to:".

#include "standings/cCriteriaValues.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <array>

class QComboBox;
class QSpinBox;

class CCriteriaDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    explicit CCriteriaDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    // The field of a criterion is its code (FieldWidget(criterion)).
    const cCriteriaValues& Values() const { return m_values; }
    void SetValues(const cCriteriaValues& values);

    QComboBox* Presets() const { return m_pPresets; }

public slots:
    void accept() override;

private:
    void Show();

    cCriteriaValues m_values; // what the fields show
    std::array<QSpinBox*, kCriterionCount> m_fields{};
    QComboBox* m_pPresets;
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true when the priorities were stored.
bool RunCriteriaDialog(CTournelDoc& doc, QWidget* parent);
