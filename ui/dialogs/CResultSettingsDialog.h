#pragma once

// "Table generation - Results and point awards": the point awards, the
// bonus-point and draw switches and the maximum number of sets of every
// league's table.

#include "standings/cResultSettingsValues.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <array>

class CNumberSpinBox;
class QCheckBox;

class CResultSettingsDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    explicit CResultSettingsDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    void SetValues(const cResultSettingsValues& values);
    cResultSettingsValues Values();

    QCheckBox* IgnoreBonusPoints() const { return m_pIgnoreBonus; }
    QCheckBox* AllowDraws() const { return m_pAllowDraws; }

public slots:
    void accept() override;

private:
    // The draw points are editable only while draws are allowed.
    void UpdateDrawPoints();

    // The number fields by the field ids of cResultSettingsValues.
    std::array<CNumberSpinBox*, cResultSettingsValues::kMaxSets + 1> m_numbers{};
    QCheckBox* m_pIgnoreBonus;
    QCheckBox* m_pAllowDraws;
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true when the settings were stored.
bool RunResultSettingsDialog(CTournelDoc& doc, QWidget* parent);
