#include "ui/dialogs/CRepeatCourtTimeDialog.h"

#include "document/CTournelDoc.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QHBoxLayout>
#include <QLabel>

CRepeatCourtTimeDialog::CRepeatCourtTimeDialog(CTournelDoc& doc, cUnusedTime& period, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Repeat court time"), parent)
    , m_period(period)
{
    // A typed 0 or 53 reaches Validate, which refuses it on this field.
    m_pWeeks = new CNumberSpinBox(1, 52, this);
    auto* content = new QHBoxLayout;
    content->addWidget(new QLabel(QStringLiteral("Repeat the selected time for"), this));
    content->addWidget(m_pWeeks);
    content->addWidget(new QLabel(QStringLiteral("subsequent weeks."), this));
    SetField(cRepeatCourtTimeValues::kWeeks, m_pWeeks);
    SetContent(content);
    SetValues(cRepeatCourtTimeValues{});
}

void CRepeatCourtTimeDialog::SetValues(const cRepeatCourtTimeValues& values)
{
    m_pWeeks->setValue(values.weeks);
}

cRepeatCourtTimeValues CRepeatCourtTimeDialog::Values()
{
    cRepeatCourtTimeValues values;
    values.weeks = ReadSpinBox(*m_pWeeks);
    return values;
}

void CRepeatCourtTimeDialog::accept()
{
    const cRepeatCourtTimeValues values = Values();
    if (Refuse(Validate(values))) {
        return;
    }
    // Copies refused because of a scheduled match are told by the core; the
    // others are kept.
    ApplyRepeatCourtTime(m_doc, m_period, values);
    QDialog::accept();
}
