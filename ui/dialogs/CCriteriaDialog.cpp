#include "ui/dialogs/CCriteriaDialog.h"

#include "document/CTournelDoc.h"
#include "ui/dialogs/DialogFields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <functional>

namespace {

// A priority number that cannot be typed: its arrows (and keys and wheel)
// are handed to `m_fnStep`, which changes the numbers of every criterion.
class cPrioritySpinBox : public QSpinBox
{
public:
    cPrioritySpinBox(std::function<void(int steps)> step, QWidget* parent)
        : QSpinBox(parent)
        , m_fnStep(std::move(step))
    {
        setRange(0, kCriterionCount);
        setAlignment(Qt::AlignRight);
        // The text is read-only, the arrows are not (QAbstractSpinBox's own
        // read-only mode would switch them off).
        lineEdit()->setReadOnly(true);
    }

    void stepBy(int steps) override { m_fnStep(steps); }

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    std::function<void(int)> m_fnStep;
};

struct cGroup
{
    const char* title;
    int first; // criterion codes first ... last
    int last;
};

constexpr cGroup kGroups[] = {
    {"Single set && multiset games", kCriterionDisqualification, kCriterionGoalsScored},
    {"Results from mutual games", kCriterionMutualPoints, kCriterionMutualGoalsScored},
    {"Multiset games only", kCriterionBallDifference, kCriterionBallRatio},
    {"Results from mutual, multiset games only", kCriterionMutualBallDifference, kCriterionMutualBallRatio},
};

constexpr const char* kLabels[kCriterionCount] = {
    "Disqualification/Walk over",
    "No. of points awarded",
    "Wins/games played ratio",
    "Goal/Set difference",
    "Goal/Set ratio",
    "Goals scored/sets won",
    "No. of points awarded in mutual games",
    "Wins/mutual games played ratio",
    "Goal/Set difference in mutual games",
    "Goal/Set ratio in mutual games",
    "Goals scored/sets won in mutual games",
    "Ball difference",
    "Ball ratio",
    "Ball difference in mutual games",
    "Ball ratio in mutual games",
};

} // namespace

CCriteriaDialog::CCriteriaDialog(CTournelDoc& doc, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Table generation - Priority numbers for team rating criteria"),
                      parent)
    , m_values(cCriteriaValues::FromDatabase(doc))
{
    auto* content = new QVBoxLayout;
    for (const cGroup& group : kGroups) {
        auto* box = new QGroupBox(QString::fromUtf8(group.title), this);
        auto* form = new QFormLayout(box);
        for (int criterion = group.first; criterion <= group.last; ++criterion) {
            auto* spin = new cPrioritySpinBox(
                [this, criterion](int steps) {
                    for (; steps > 0; --steps) {
                        m_values.SpinUp(criterion);
                    }
                    for (; steps < 0; ++steps) {
                        m_values.SpinDown(criterion);
                    }
                    Show();
                },
                box);
            m_fields[static_cast<std::size_t>(criterion)] = spin;
            SetField(criterion, spin);
            form->addRow(QString::fromUtf8(kLabels[criterion]), spin);
        }
        content->addWidget(box);
    }

    m_pPresets = new QComboBox(this);
    for (const cCriteriaPreset& preset : CriteriaPresets()) {
        m_pPresets->addItem(ToQString(preset.name));
    }
    m_pPresets->setCurrentIndex(-1);
    // Choosing the entry shown again loads it again.
    connect(m_pPresets, &QComboBox::activated, this, [this](int index) {
        if (m_values.LoadPreset(index)) {
            Show();
        }
    });
    auto* presets = new QHBoxLayout;
    presets->addWidget(new QLabel(QStringLiteral("Adapt rules to:"), this));
    presets->addWidget(m_pPresets, 1);
    content->addLayout(presets);

    SetContent(content);
    Show();
}

void CCriteriaDialog::SetValues(const cCriteriaValues& values)
{
    m_values = values;
    Show();
}

void CCriteriaDialog::Show()
{
    for (std::size_t criterion = 0; criterion < m_fields.size(); ++criterion) {
        m_fields[criterion]->setValue(m_values.priority[criterion]);
    }
}

void CCriteriaDialog::accept()
{
    if (Refuse(Validate(m_values))) {
        return;
    }
    ApplyCriteria(m_doc, m_values);
    QDialog::accept();
}
