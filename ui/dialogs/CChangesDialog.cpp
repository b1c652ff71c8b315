#include "ui/dialogs/CChangesDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CChangesDialog::CChangesDialog(const QString& title, const QString& text, std::function<void()> save,
                               QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    m_pText = new QPlainTextEdit(this);
    m_pText->setReadOnly(true);
    m_pText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pText->setPlainText(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_pSave = buttons->addButton(QStringLiteral("&Save..."), QDialogButtonBox::ActionRole);
    connect(m_pSave, &QPushButton::clicked, this, [save = std::move(save)] { save(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pText);
    layout->addWidget(buttons);
    resize(760, 480);
}
