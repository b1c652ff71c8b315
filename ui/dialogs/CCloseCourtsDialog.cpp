#include "ui/dialogs/CCloseCourtsDialog.h"

#include "document/CTournelDoc.h"
#include "model/Strings.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

using V = cCloseCourtsValues;

// The number of a value set by field id.
template <class Values> auto& NumberOf(Values& values, int field)
{
    switch (field) {
    case V::kFromDay:
        return values.fromDay;
    case V::kFromMonth:
        return values.fromMonth;
    case V::kFromYear:
        return values.fromYear;
    case V::kFromTime:
        return values.fromTime;
    case V::kToDay:
        return values.toDay;
    case V::kToMonth:
        return values.toMonth;
    case V::kToYear:
        return values.toYear;
    default:
        return values.toTime;
    }
}

} // namespace

CCloseCourtsDialog::CCloseCourtsDialog(CTournelDoc& doc, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Close court time"), parent)
    , m_chosen(V::Defaults(doc))
{
    m_pCourt = new QComboBox(this);
    m_pCourt->addItem(QString::fromUtf8(GetString(IDS_ALL)), V::kAllCourts);
    AddCourts(*m_pCourt, doc);
    auto* courtForm = new QFormLayout;
    courtForm->addRow(QStringLiteral("Court initials"), m_pCourt);
    SetField(V::kCourt, m_pCourt);

    auto* content = new QVBoxLayout;
    content->addLayout(courtForm);
    for (const int first : {V::kFromDay, V::kToDay}) {
        auto* group = new QGroupBox(
            first == V::kFromDay ? QStringLiteral("Closed from") : QStringLiteral("Open again at"), this);
        auto* form = new QFormLayout(group);
        auto*& day = m_numbers[static_cast<std::size_t>(first)];
        auto*& month = m_numbers[static_cast<std::size_t>(first + 1)];
        auto*& year = m_numbers[static_cast<std::size_t>(first + 2)];
        auto*& time = m_numbers[static_cast<std::size_t>(first + 3)];
        day = new CNumberSpinBox(1, 31, group);
        month = new CNumberSpinBox(1, 12, group);
        year = new CNumberSpinBox(kFirstYear, kLastYear, group);
        time = new CNumberSpinBox(0, 2400, group);
        form->addRow(QStringLiteral("Day"), day);
        form->addRow(QStringLiteral("Month"), month);
        form->addRow(QStringLiteral("Year"), year);
        form->addRow(QStringLiteral("Weekday"), NewWeekdayLabel(*day, *month, *year, doc.m_nLanguage, group));
        form->addRow(QStringLiteral("Time (hhmm)"), time);
        for (int field = first; field <= first + 3; ++field) {
            SetField(field, m_numbers[static_cast<std::size_t>(field)]);
        }
        content->addWidget(group);
    }
    m_pReplan = new QCheckBox(QStringLiteral("Re-plan now"), this);
    m_pReplan->setToolTip(
        QStringLiteral("Place the matches sent back again at once, outside the closed time"));
    SetField(V::kReplan, m_pReplan);
    content->addWidget(m_pReplan);
    SetContent(content);
    SetValues(m_chosen);
}

void CCloseCourtsDialog::SetValues(const cCloseCourtsValues& values)
{
    SelectData(*m_pCourt, values.court);
    for (int field = V::kFromDay; field <= V::kToTime; ++field) {
        m_numbers[static_cast<std::size_t>(field)]->setValue(NumberOf(values, field));
    }
    m_pReplan->setChecked(values.replan);
}

cCloseCourtsValues CCloseCourtsDialog::Values()
{
    cCloseCourtsValues values;
    values.court = SelectedData(*m_pCourt);
    for (int field = V::kFromDay; field <= V::kToTime; ++field) {
        NumberOf(values, field) = ReadSpinBox(*m_numbers[static_cast<std::size_t>(field)]);
    }
    values.replan = m_pReplan->isChecked();
    return values;
}

void CCloseCourtsDialog::accept()
{
    const cCloseCourtsValues values = Values();
    if (Refuse(Validate(values, m_doc))) {
        return;
    }
    m_chosen = values;
    QDialog::accept();
}
