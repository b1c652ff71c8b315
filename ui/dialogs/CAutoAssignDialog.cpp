#include "ui/dialogs/CAutoAssignDialog.h"

#include "document/CTournelDoc.h"
#include "officials/OfficialRules.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

using V = cAutoAssignValues;

// The number of a value set by field id.
template <class Values> auto& NumberOf(Values& values, int field)
{
    switch (field) {
    case V::kFieldDay:
        return values.day;
    case V::kFieldMonth:
        return values.month;
    case V::kFieldYear:
        return values.year;
    default:
        return values.officials;
    }
}

} // namespace

CAutoAssignDialog::CAutoAssignDialog(CTournelDoc& doc, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Assign officials automatically"), parent)
    , m_chosen(V::FromDatabase(doc))
{
    auto* date = new QGroupBox(QStringLiteral("Including date"), this);
    auto* dateForm = new QFormLayout(date);
    m_numbers[V::kFieldDay] = new CNumberSpinBox(1, 31, date);
    m_numbers[V::kFieldMonth] = new CNumberSpinBox(1, 12, date);
    m_numbers[V::kFieldYear] = new CNumberSpinBox(V::kMinYear, V::kMaxYear, date);
    dateForm->addRow(QStringLiteral("Day"), m_numbers[V::kFieldDay]);
    dateForm->addRow(QStringLiteral("Month"), m_numbers[V::kFieldMonth]);
    dateForm->addRow(QStringLiteral("Year"), m_numbers[V::kFieldYear]);

    // The rules look only at the document's number of slots, so the arrows
    // stop there; a larger number typed is refused on OK.
    m_numbers[V::kFieldOfficials] = new CNumberSpinBox(1, OfficialsPerGame(doc), this);
    auto* officials = new QFormLayout;
    officials->addRow(QStringLiteral("No. of officials per game:"), m_numbers[V::kFieldOfficials]);

    for (int field = V::kFieldDay; field <= V::kFieldOfficials; ++field) {
        SetField(field, m_numbers[static_cast<std::size_t>(field)]);
    }
    auto* content = new QVBoxLayout;
    content->addWidget(date);
    content->addLayout(officials);
    SetContent(content);
    SetValues(m_chosen);
}

void CAutoAssignDialog::SetValues(const cAutoAssignValues& values)
{
    for (int field = V::kFieldDay; field <= V::kFieldOfficials; ++field) {
        m_numbers[static_cast<std::size_t>(field)]->setValue(NumberOf(values, field));
    }
}

cAutoAssignValues CAutoAssignDialog::Values()
{
    cAutoAssignValues values;
    for (int field = V::kFieldDay; field <= V::kFieldOfficials; ++field) {
        NumberOf(values, field) = ReadSpinBox(*m_numbers[static_cast<std::size_t>(field)]);
    }
    return values;
}

void CAutoAssignDialog::accept()
{
    const cAutoAssignValues values = Values();
    if (Refuse(Validate(values, m_doc))) {
        return;
    }
    m_chosen = values;
    QDialog::accept();
}
