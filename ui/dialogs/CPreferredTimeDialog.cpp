#include "ui/dialogs/CPreferredTimeDialog.h"

#include "document/CTournelDoc.h"
#include "model/cPreferredTime.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>

CPreferredTimeDialog::CPreferredTimeDialog(CTournelDoc& doc, cTournelDb& times, cPreferredTime* editing,
                                           QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Preferred playing time"), parent)
    , m_times(times)
    , m_pEditing(editing)
{
    using F = cPreferredTimeValues;
    m_pWeekday = new QComboBox(this);
    AddWeekdays(*m_pWeekday, false);
    m_pStart = new CNumberSpinBox(0, 2400, this);
    m_pEnd = new CNumberSpinBox(0, 2400, this);
    auto* content = new QFormLayout;
    content->addRow(QStringLiteral("Weekday"), m_pWeekday);
    content->addRow(QStringLiteral("Start time"), m_pStart);
    content->addRow(QStringLiteral("Final time"), m_pEnd);
    SetField(F::kWeekday, m_pWeekday);
    SetField(F::kStart, m_pStart);
    SetField(F::kEnd, m_pEnd);
    SetContent(content);
    SetValues(editing != nullptr ? cPreferredTimeValues::FromItem(*editing) : cPreferredTimeValues{});
}

void CPreferredTimeDialog::SetValues(const cPreferredTimeValues& values)
{
    SelectData(*m_pWeekday, values.weekday);
    m_pStart->setValue(values.start);
    m_pEnd->setValue(values.end);
}

cPreferredTimeValues CPreferredTimeDialog::Values()
{
    cPreferredTimeValues values;
    values.weekday = SelectedData(*m_pWeekday);
    values.start = ReadSpinBox(*m_pStart);
    values.end = ReadSpinBox(*m_pEnd);
    return values;
}

void CPreferredTimeDialog::accept()
{
    const cPreferredTimeValues values = Values();
    if (Refuse(Validate(values))) {
        return;
    }
    if (m_pEditing != nullptr) {
        ApplyPreferredTime(m_doc, *m_pEditing, values);
        m_pResult = m_pEditing;
    } else {
        m_pResult = &InsertPreferredTime(m_doc, m_times, values);
    }
    QDialog::accept();
}
