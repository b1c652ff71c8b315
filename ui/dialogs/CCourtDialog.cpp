#include "ui/dialogs/CCourtDialog.h"

#include "document/CTournelDoc.h"
#include "model/cCourt.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

CCourtDialog::CCourtDialog(CTournelDoc& doc, cCourt* editing, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Court properties"), parent)
    , m_pEditing(editing)
{
    using F = cCourtValues;
    auto* names = new QGroupBox(QStringLiteral("Names"), this);
    auto* namesForm = new QFormLayout(names);
    m_pShortName = new QLineEdit(names);
    m_pFullName = new QLineEdit(names);
    namesForm->addRow(QStringLiteral("Short name"), m_pShortName);
    namesForm->addRow(QStringLiteral("Full name"), m_pFullName);

    auto* properties = new QGroupBox(QStringLiteral("Properties"), this);
    auto* propertiesForm = new QFormLayout(properties);
    m_pReserved = new QCheckBox(QStringLiteral("Reserved home ground"), properties);
    m_pRating = new CNumberSpinBox(1, 9, properties);
    propertiesForm->addRow(m_pReserved);
    propertiesForm->addRow(QStringLiteral("Court rating (1 - 9)"), m_pRating);

    SetField(F::kShortName, m_pShortName);
    SetField(F::kFullName, m_pFullName);
    SetField(F::kReservedHomeGround, m_pReserved);
    SetField(F::kRating, m_pRating);

    auto* content = new QVBoxLayout;
    content->addWidget(names);
    content->addWidget(properties);
    SetContent(content);
    SetValues(editing != nullptr ? cCourtValues::FromItem(*editing) : cCourtValues{});
}

void CCourtDialog::SetValues(const cCourtValues& values)
{
    m_pShortName->setText(ToQString(values.shortName));
    m_pFullName->setText(ToQString(values.fullName));
    m_pReserved->setChecked(values.reservedHomeGround);
    m_pRating->setValue(values.rating);
}

cCourtValues CCourtDialog::Values()
{
    cCourtValues values;
    values.shortName = ToStdString(m_pShortName->text());
    values.fullName = ToStdString(m_pFullName->text());
    values.reservedHomeGround = m_pReserved->isChecked();
    values.rating = ReadSpinBox(*m_pRating);
    return values;
}

void CCourtDialog::accept()
{
    const cCourtValues values = Values();
    if (Refuse(Validate(values, m_doc, m_pEditing))) {
        return;
    }
    if (m_pEditing != nullptr) {
        ApplyCourt(m_doc, *m_pEditing, values);
        m_pResult = m_pEditing;
    } else {
        m_pResult = &InsertCourt(m_doc, values);
    }
    QDialog::accept();
}
