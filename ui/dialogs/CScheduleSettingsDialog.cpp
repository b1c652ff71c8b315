#include "ui/dialogs/CScheduleSettingsDialog.h"

#include "document/CTournelDoc.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The switches with their labels, in the order of the dialog.
struct cSwitch
{
    const char* label;
    bool cScheduleSettings::*value;
};

constexpr cSwitch kSwitches[] = {
    {"Ignore court ratings", &cScheduleSettings::ignoreCourtRatings},
    {"Ignore home grounds", &cScheduleSettings::ignoreHomeGrounds},
    {"Ignore team conflics", &cScheduleSettings::ignoreTeamConflicts},
    {"Ignore teams' holidays", &cScheduleSettings::ignoreHolidays},
    {"Ignore teams' illegal weekdays", &cScheduleSettings::ignoreWeekdays},
    {"Ignore minimum days between fixtures of two teams", &cScheduleSettings::ignoreMinDays},
    {"Ignore latest match start time", &cScheduleSettings::ignoreLatestStart},
    {"Ignore preferred playing time", &cScheduleSettings::ignorePreferredTime},
};

} // namespace

CScheduleSettingsDialog::CScheduleSettingsDialog(CTournelDoc& doc, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Schedule Settings"), parent)
{
    static_assert(std::size(kSwitches) == std::tuple_size_v<decltype(m_switches)>);
    auto* group = new QGroupBox(QStringLiteral("Schedule requirements"), this);
    auto* form = new QFormLayout(group);
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        m_switches[i] = new QCheckBox(QString::fromUtf8(kSwitches[i].label), group);
        form->addRow(m_switches[i]);
    }
    m_pMargin = new CNumberSpinBox(cScheduleSettings::kMinConflictMargin,
                                   cScheduleSettings::kMaxConflictMargin, group);
    m_pMargin->setSingleStep(cScheduleSettings::kConflictMarginStep);
    form->addRow(QStringLiteral("Minutes of margin in case of team conflicts"), m_pMargin);
    SetField(cScheduleSettings::kFieldConflictMargin, m_pMargin);

    auto* content = new QVBoxLayout;
    content->addWidget(group);
    SetContent(content);
    SetValues(cScheduleSettings::FromDatabase(doc));
}

void CScheduleSettingsDialog::SetValues(const cScheduleSettings& values)
{
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        m_switches[i]->setChecked(values.*kSwitches[i].value);
    }
    m_pMargin->setValue(values.conflictMargin);
}

cScheduleSettings CScheduleSettingsDialog::Values()
{
    cScheduleSettings values;
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        values.*kSwitches[i].value = m_switches[i]->isChecked();
    }
    values.conflictMargin = ReadSpinBox(*m_pMargin);
    return values;
}

void CScheduleSettingsDialog::accept()
{
    const cScheduleSettings values = Values();
    if (const auto error = Validate(values)) {
        Refuse(error->messageId, error->text, error->field);
        return;
    }
    values.ApplyTo(m_doc);
    QDialog::accept();
}
