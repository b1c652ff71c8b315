#include "ui/dialogs/CPropertyDialog.h"

#include "document/CTournelDoc.h"
#include "model/cUserPrompt.h"
#include "ui/dialogs/DialogWhatsThis.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

CPropertyDialog::CPropertyDialog(CTournelDoc& doc, const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_doc(doc)
{
    setWindowTitle(title);
    // Shift+F1 anywhere in the dialog shows it, with its link into the guide.
    setWhatsThis(DialogWhatsThis(title));
}

QWidget* CPropertyDialog::FieldWidget(int field) const
{
    const auto it = m_fields.find(field);
    return it != m_fields.end() ? it->second : nullptr;
}

void CPropertyDialog::SetContent(QLayout* content)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CPropertyDialog::SetField(int field, QWidget* widget)
{
    m_fields[field] = widget;
    // Names of up to 50 characters: show a good part of one.
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 32);
    }
}

bool CPropertyDialog::Refuse(const cValidation& error)
{
    if (!error) {
        return false;
    }
    Refuse(error->messageId, error->text, error->field);
    return true;
}

void CPropertyDialog::Refuse(int messageId, const std::string& text, int field)
{
    m_doc.Prompt().ShowMessage(messageId, text);
    FocusField(field);
}

void CPropertyDialog::FocusField(int field)
{
    QWidget* widget = FieldWidget(field);
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    }
}
