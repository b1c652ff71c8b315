#include "ui/dialogs/CResultSettingsDialog.h"

#include "document/CTournelDoc.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace {

using F = cResultSettingsValues;

// The number values of a value set by field id.
template <class V> auto& NumberOf(V& values, int field)
{
    switch (field) {
    case F::kPointsVictory:
        return values.pointsVictory;
    case F::kPointsDraw:
        return values.pointsDraw;
    case F::kPointsLost:
        return values.pointsLost;
    case F::kPointsDisqualified:
        return values.pointsDisqualified;
    default:
        return values.maxSets;
    }
}

} // namespace

CResultSettingsDialog::CResultSettingsDialog(CTournelDoc& doc, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Table generation - Results and point awards"), parent)
{
    struct cNumberField
    {
        int field;
        const char* label;
    };
    const cNumberField points[] = {
        {F::kPointsVictory, "Points for victory"},
        {F::kPointsDraw, "Points for draw"},
        {F::kPointsLost, "Points for lost game"},
        {F::kPointsDisqualified, "Points for disqualification"},
    };
    auto* form = new QFormLayout;
    for (const cNumberField& number : points) {
        auto* spin = new CNumberSpinBox(F::kMinPoints, F::kMaxPoints, this);
        m_numbers[static_cast<std::size_t>(number.field)] = spin;
        SetField(number.field, spin);
        form->addRow(QString::fromUtf8(number.label), spin);
    }
    m_pIgnoreBonus = new QCheckBox(QStringLiteral("Ignore bonus points"), this);
    m_pAllowDraws = new QCheckBox(QStringLiteral("Allow draw match results"), this);
    form->addRow(m_pIgnoreBonus);
    form->addRow(m_pAllowDraws);
    auto* sets = new CNumberSpinBox(F::kMinSets, F::kMaxSetsLimit, this);
    sets->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_numbers[F::kMaxSets] = sets;
    SetField(F::kMaxSets, sets);
    form->addRow(QStringLiteral("Maximum number of sets"), sets);

    connect(m_pAllowDraws, &QCheckBox::toggled, this, [this] { UpdateDrawPoints(); });
    SetContent(form);
    SetValues(F::FromDatabase(doc));
}

void CResultSettingsDialog::SetValues(const cResultSettingsValues& values)
{
    for (int field = F::kPointsVictory; field <= F::kMaxSets; ++field) {
        m_numbers[static_cast<std::size_t>(field)]->setValue(NumberOf(values, field));
    }
    m_pIgnoreBonus->setChecked(values.ignoreBonusPoints);
    m_pAllowDraws->setChecked(values.allowDraws);
    UpdateDrawPoints();
}

cResultSettingsValues CResultSettingsDialog::Values()
{
    cResultSettingsValues values;
    for (int field = F::kPointsVictory; field <= F::kMaxSets; ++field) {
        NumberOf(values, field) = ReadSpinBox(*m_numbers[static_cast<std::size_t>(field)]);
    }
    values.ignoreBonusPoints = m_pIgnoreBonus->isChecked();
    values.allowDraws = m_pAllowDraws->isChecked();
    return values;
}

void CResultSettingsDialog::UpdateDrawPoints()
{
    cResultSettingsValues values;
    values.allowDraws = m_pAllowDraws->isChecked();
    // One widget holds the field and its spin button.
    m_numbers[F::kPointsDraw]->setEnabled(values.IsDrawPointsEnabled());
}

void CResultSettingsDialog::accept()
{
    const cResultSettingsValues values = Values();
    if (Refuse(Validate(values))) {
        return;
    }
    ApplyResultSettings(m_doc, values);
    QDialog::accept();
}
