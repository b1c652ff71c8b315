#include "ui/dialogs/COfficialSettingsDialog.h"

#include "document/CTournelDoc.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

using S = cOfficialSettings;

// The numbers with their labels, ranges and steps, by field id.
struct cNumber
{
    const char* label;
    int S::*value;
    int low;
    int high;
    int step;
};

constexpr cNumber kNumbers[] = {
    {"No. of officials in each game", &S::officialsPerGame, S::kMinOfficialsPerGame, S::kMaxOfficialsPerGame,
     1},
    {"Minimum days off between games", &S::minDaysBetweenGames, S::kMinDaysBetweenGames,
     S::kMaxDaysBetweenGames, 1},
    {"Maximum no. of subsequent games", &S::maxSubsequentGames, S::kMinSubsequentGames,
     S::kMaxSubsequentGames, 1},
    {"Minutes of margin in case of team conflics", &S::conflictMargin, S::kMinConflictMargin,
     S::kMaxConflictMargin, S::kConflictMarginStep},
};

// The switches with their labels, in the order of the dialog.
struct cSwitch
{
    const char* label;
    bool S::*value;
};

constexpr cSwitch kSwitches[] = {
    {"Ignore officials' club membership", &S::ignoreClub},
    {"Ignore official ratings", &S::ignoreRatings},
    {"Ignore officials' team conflicts", &S::ignoreTeamConflicts},
    {"Ignore officials' holidays", &S::ignoreHolidays},
    {"Ignore permanent weekdays off", &S::ignoreDaysOff},
    {"Ignore preferred playing time", &S::ignorePreferredTime},
};

} // namespace

COfficialSettingsDialog::COfficialSettingsDialog(CTournelDoc& doc, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Official assignment settings"), parent)
{
    static_assert(std::size(kNumbers) == std::tuple_size_v<decltype(m_numbers)>);
    static_assert(std::size(kSwitches) == std::tuple_size_v<decltype(m_switches)>);

    auto* numbers = new QGroupBox(QStringLiteral("Official schedule parameters"), this);
    auto* numberForm = new QFormLayout(numbers);
    for (std::size_t field = 0; field < m_numbers.size(); ++field) {
        const cNumber& number = kNumbers[field];
        auto* spin = new CNumberSpinBox(number.low, number.high, numbers);
        spin->setSingleStep(number.step);
        m_numbers[field] = spin;
        SetField(static_cast<int>(field), spin);
        numberForm->addRow(QString::fromUtf8(number.label), spin);
    }

    auto* switches = new QGroupBox(QStringLiteral("Scheduler requirements"), this);
    auto* switchLayout = new QVBoxLayout(switches);
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        m_switches[i] = new QCheckBox(QString::fromUtf8(kSwitches[i].label), switches);
        switchLayout->addWidget(m_switches[i]);
    }

    auto* content = new QVBoxLayout;
    content->addWidget(numbers);
    content->addWidget(switches);
    SetContent(content);
    SetValues(S::FromDatabase(doc));
}

void COfficialSettingsDialog::SetValues(const cOfficialSettings& values)
{
    for (std::size_t field = 0; field < m_numbers.size(); ++field) {
        m_numbers[field]->setValue(values.*kNumbers[field].value);
    }
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        m_switches[i]->setChecked(values.*kSwitches[i].value);
    }
}

cOfficialSettings COfficialSettingsDialog::Values()
{
    cOfficialSettings values;
    for (std::size_t field = 0; field < m_numbers.size(); ++field) {
        values.*kNumbers[field].value = ReadSpinBox(*m_numbers[field]);
    }
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        values.*kSwitches[i].value = m_switches[i]->isChecked();
    }
    return values;
}

void COfficialSettingsDialog::accept()
{
    const cOfficialSettings values = Values();
    if (Refuse(Validate(values))) {
        return;
    }
    values.ApplyTo(m_doc);
    QDialog::accept();
}
