#include "ui/dialogs/CHolidayDialog.h"

#include "document/CTournelDoc.h"
#include "model/cIllDate.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

// A group of day, month and year with the weekday of the date as typed;
// answers the group, its three spin boxes and the weekday label. `hhmm` is
// the time of day the date is stored with.
QGroupBox* NewDateGroup(const QString& title, QWidget* parent, int language, int hhmm, QSpinBox*& day,
                        QSpinBox*& month, QSpinBox*& year, QLabel*& weekday)
{
    auto* group = new QGroupBox(title, parent);
    auto* form = new QFormLayout(group);
    day = new CNumberSpinBox(1, 31, group);
    month = new CNumberSpinBox(1, 12, group);
    year = new CNumberSpinBox(kFirstYear, kLastYear, group);
    form->addRow(QStringLiteral("Day"), day);
    form->addRow(QStringLiteral("Month"), month);
    form->addRow(QStringLiteral("Year"), year);
    weekday = NewWeekdayLabel(*day, *month, *year, language, group, hhmm);
    form->addRow(QStringLiteral("Weekday"), weekday);
    return group;
}

} // namespace

CHolidayDialog::CHolidayDialog(CTournelDoc& doc, cTournelDb& holidays, cIllDate* editing, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Holiday properties"), parent)
    , m_holidays(holidays)
    , m_pEditing(editing)
{
    using F = cHolidayValues;
    auto* content = new QHBoxLayout;
    content->addWidget(NewDateGroup(QStringLiteral("Start date"), this, doc.m_nLanguage, F::kStartClock,
                                    m_pStartDay, m_pStartMonth, m_pStartYear, m_pStartWeekday));
    content->addWidget(NewDateGroup(QStringLiteral("Final date"), this, doc.m_nLanguage, F::kFinalClock,
                                    m_pFinalDay, m_pFinalMonth, m_pFinalYear, m_pFinalWeekday));
    m_pStartWeekday->setObjectName(QStringLiteral("startWeekday"));
    m_pFinalWeekday->setObjectName(QStringLiteral("finalWeekday"));
    SetField(F::kStartDay, m_pStartDay);
    SetField(F::kStartMonth, m_pStartMonth);
    SetField(F::kStartYear, m_pStartYear);
    SetField(F::kFinalDay, m_pFinalDay);
    SetField(F::kFinalMonth, m_pFinalMonth);
    SetField(F::kFinalYear, m_pFinalYear);
    SetContent(content);
    SetValues(editing != nullptr ? cHolidayValues::FromItem(*editing) : cHolidayValues::Defaults(doc));
}

void CHolidayDialog::SetValues(const cHolidayValues& values)
{
    m_pStartDay->setValue(values.startDay);
    m_pStartMonth->setValue(values.startMonth);
    m_pStartYear->setValue(values.startYear);
    m_pFinalDay->setValue(values.finalDay);
    m_pFinalMonth->setValue(values.finalMonth);
    m_pFinalYear->setValue(values.finalYear);
}

cHolidayValues CHolidayDialog::Values()
{
    cHolidayValues values;
    values.startDay = ReadSpinBox(*m_pStartDay);
    values.startMonth = ReadSpinBox(*m_pStartMonth);
    values.startYear = ReadSpinBox(*m_pStartYear);
    values.finalDay = ReadSpinBox(*m_pFinalDay);
    values.finalMonth = ReadSpinBox(*m_pFinalMonth);
    values.finalYear = ReadSpinBox(*m_pFinalYear);
    return values;
}

void CHolidayDialog::accept()
{
    const cHolidayValues values = Values();
    if (Refuse(Validate(values))) {
        return;
    }
    if (m_pEditing != nullptr) {
        ApplyHoliday(m_doc, *m_pEditing, values);
        m_pResult = m_pEditing;
    } else {
        m_pResult = &InsertHoliday(m_doc, m_holidays, values);
    }
    QDialog::accept();
}
