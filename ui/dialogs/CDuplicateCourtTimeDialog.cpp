#include "ui/dialogs/CDuplicateCourtTimeDialog.h"

#include "document/CTournelDoc.h"
#include "ui/dialogs/DialogFields.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

CDuplicateCourtTimeDialog::CDuplicateCourtTimeDialog(CTournelDoc& doc, cUnusedTime& source, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Duplicate court time"), parent)
    , m_source(source)
{
    m_pCourt = new QComboBox(this);
    AddCourts(*m_pCourt, doc);
    auto* content = new QVBoxLayout;
    content->addWidget(new QLabel(QStringLiteral("Duplicate all unused time in the"), this));
    content->addWidget(new QLabel(QStringLiteral("selected court to"), this));
    content->addWidget(m_pCourt);
    SetField(cDuplicateCourtTimeValues::kCourt, m_pCourt);
    SetContent(content);
    SetValues(cDuplicateCourtTimeValues::Defaults(doc));
}

void CDuplicateCourtTimeDialog::SetValues(const cDuplicateCourtTimeValues& values)
{
    SelectData(*m_pCourt, values.court);
}

cDuplicateCourtTimeValues CDuplicateCourtTimeDialog::Values() const
{
    cDuplicateCourtTimeValues values;
    values.court = SelectedData(*m_pCourt);
    return values;
}

void CDuplicateCourtTimeDialog::accept()
{
    const cDuplicateCourtTimeValues values = Values();
    if (Refuse(Validate(values, m_doc, m_source))) {
        return;
    }
    ApplyDuplicateCourtTime(m_doc, m_source, values);
    QDialog::accept();
}
