#pragma once

// "Schedule Settings": the document-wide switches of the placement rules
// and the margin of team conflicts.

#include "scheduling/cScheduleSettings.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <array>

class QCheckBox;
class QSpinBox;

class CScheduleSettingsDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    explicit CScheduleSettingsDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    void SetValues(const cScheduleSettings& values);
    cScheduleSettings Values();

public slots:
    void accept() override;

private:
    // The eight switches in the order of the dialog.
    std::array<QCheckBox*, 8> m_switches{};
    QSpinBox* m_pMargin;
};
