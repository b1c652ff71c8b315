#include "ui/dialogs/CCourtTimeDialog.h"

#include "document/CTournelDoc.h"
#include "model/cUnusedTime.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The period that holds [start, end) on the court after an insertion that
// may have merged it with its neighbours.
cUnusedTime* FindPeriod(const cDatabase& db, int court, TimePoint start, TimePoint end)
{
    for (cUnusedTime& period : db.CourtTime().Items<cUnusedTime>()) {
        if (period.m_nCourt == court && period.m_tStart <= start && period.m_tEnd >= end) {
            return &period;
        }
    }
    return nullptr;
}

} // namespace

CCourtTimeDialog::CCourtTimeDialog(CTournelDoc& doc, cUnusedTime* editing, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Court time properties"), parent)
    , m_pEditing(editing)
{
    using F = cCourtTimeValues;
    m_pCourt = new QComboBox(this);
    AddCourts(*m_pCourt, doc);
    auto* courtForm = new QFormLayout;
    courtForm->addRow(QStringLiteral("Court initials"), m_pCourt);

    auto* date = new QGroupBox(QStringLiteral("Date"), this);
    auto* dateForm = new QFormLayout(date);
    m_pDay = new CNumberSpinBox(1, 31, date);
    m_pMonth = new CNumberSpinBox(1, 12, date);
    m_pYear = new CNumberSpinBox(kFirstYear, kLastYear, date);
    dateForm->addRow(QStringLiteral("Day"), m_pDay);
    dateForm->addRow(QStringLiteral("Month"), m_pMonth);
    dateForm->addRow(QStringLiteral("Year"), m_pYear);
    m_pWeekday = NewWeekdayLabel(*m_pDay, *m_pMonth, *m_pYear, doc.m_nLanguage, date);
    m_pWeekday->setObjectName(QStringLiteral("weekday"));
    dateForm->addRow(QStringLiteral("Weekday"), m_pWeekday);

    auto* time = new QGroupBox(QStringLiteral("Time of day"), this);
    auto* timeForm = new QFormLayout(time);
    m_pStart = new CNumberSpinBox(0, 2400, time);
    m_pEnd = new CNumberSpinBox(0, 2400, time);
    timeForm->addRow(QStringLiteral("Start"), m_pStart);
    timeForm->addRow(QStringLiteral("End"), m_pEnd);

    SetField(F::kCourt, m_pCourt);
    SetField(F::kDay, m_pDay);
    SetField(F::kMonth, m_pMonth);
    SetField(F::kYear, m_pYear);
    SetField(F::kStart, m_pStart);
    SetField(F::kEnd, m_pEnd);

    auto* content = new QVBoxLayout;
    content->addLayout(courtForm);
    content->addWidget(date);
    content->addWidget(time);
    SetContent(content);
    SetValues(editing != nullptr ? cCourtTimeValues::FromItem(*editing) : cCourtTimeValues::Defaults(doc));
}

void CCourtTimeDialog::SetValues(const cCourtTimeValues& values)
{
    SelectData(*m_pCourt, values.court);
    m_pDay->setValue(values.day);
    m_pMonth->setValue(values.month);
    m_pYear->setValue(values.year);
    m_pStart->setValue(values.start);
    m_pEnd->setValue(values.end);
}

cCourtTimeValues CCourtTimeDialog::Values()
{
    cCourtTimeValues values;
    values.court = SelectedData(*m_pCourt);
    values.day = ReadSpinBox(*m_pDay);
    values.month = ReadSpinBox(*m_pMonth);
    values.year = ReadSpinBox(*m_pYear);
    values.start = ReadSpinBox(*m_pStart);
    values.end = ReadSpinBox(*m_pEnd);
    return values;
}

void CCourtTimeDialog::accept()
{
    const cCourtTimeValues values = Values();
    if (Refuse(Validate(values, m_doc))) {
        return;
    }
    // The core tells the user about a refused period itself.
    if (m_pEditing != nullptr) {
        if (ApplyCourtTime(m_doc, *m_pEditing, values) == eAddCourtTime::Conflict) {
            FocusField(cCourtTimeValues::kStart);
            return;
        }
        m_pResult = m_pEditing;
    } else {
        if (InsertCourtTime(m_doc, values) == eAddCourtTime::Conflict) {
            FocusField(cCourtTimeValues::kStart);
            return;
        }
        m_pResult = FindPeriod(m_doc, values.court, values.StartTime(), values.EndTime());
    }
    QDialog::accept();
}
