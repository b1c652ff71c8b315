#include "ui/dialogs/CDocumentInfoDialog.h"

#include "document/CTournelDoc.h"
#include "model/Calendar.h"
#include "model/cUserPrompt.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString ToQt(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CDocumentInfoDialog::CDocumentInfoDialog(CTournelDoc& doc, QWidget* parent)
    : QDialog(parent)
    , m_doc(doc)
    , m_values(cDocumentInfoValues::FromDatabase(doc))
{
    setWindowTitle(QStringLiteral("Document properties"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Created:"), new QLabel(ToQt(m_values.created), this));
    form->addRow(QStringLiteral("Last modified:"), new QLabel(ToQt(m_values.modified), this));
    form->addRow(QStringLiteral("Version no.:"), new QLabel(ToQt(m_values.version).trimmed(), this));

    m_pAuthor = new QLineEdit(ToQt(m_values.author), this);
    form->addRow(QStringLiteral("Author:"), m_pAuthor);
    m_pComments = new QPlainTextEdit(ToQt(m_values.comments), this);
    m_pComments->setTabChangesFocus(true);
    form->addRow(QStringLiteral("Comments:"), m_pComments);

    m_pLanguage = new QComboBox(this);
    for (int language = 0; language < kLanguageCount; ++language) {
        m_pLanguage->addItem(ToQt(WeekdayName(7, language)));
    }
    m_pLanguage->setCurrentIndex(m_values.language);
    form->addRow(QStringLiteral("Language:"), m_pLanguage);

    // Each format shown as it writes today's date.
    m_pDateFormat = new QComboBox(this);
    const TimePoint today = doc.Now();
    for (int format = 0; format < kDateFormatCount; ++format) {
        m_pDateFormat->addItem(ToQt(FormatTime(today, DateFormat(format))));
    }
    m_pDateFormat->setCurrentIndex(m_values.dateFormat);
    form->addRow(QStringLiteral("Date format:"), m_pDateFormat);

    auto* backup = new QHBoxLayout;
    m_pAutoBackup = new QCheckBox(QStringLiteral("Save a backup of the document every"), this);
    m_pAutoBackup->setChecked(m_values.autoBackup);
    m_pBackupMinutes = new CNumberSpinBox(cDocumentInfoValues::kMinBackupMinutes,
                                          cDocumentInfoValues::kMaxBackupMinutes, this);
    m_pBackupMinutes->setValue(m_values.backupMinutes);
    backup->addWidget(m_pAutoBackup);
    backup->addWidget(m_pBackupMinutes);
    backup->addWidget(new QLabel(QStringLiteral("minutes"), this));
    backup->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(backup);
    layout->addWidget(buttons);
}

cDocumentInfoValues CDocumentInfoDialog::ReadWidgets() const
{
    cDocumentInfoValues values = m_values;
    values.author = m_pAuthor->text().toStdString();
    values.comments = m_pComments->toPlainText().toStdString();
    values.language = m_pLanguage->currentIndex();
    values.dateFormat = m_pDateFormat->currentIndex();
    values.autoBackup = m_pAutoBackup->isChecked();
    values.backupMinutes = ReadSpinBox(*m_pBackupMinutes);
    return values;
}

QWidget* CDocumentInfoDialog::FieldWidget(int field) const
{
    switch (field) {
    case cDocumentInfoValues::kFieldAuthor:
        return m_pAuthor;
    case cDocumentInfoValues::kFieldComments:
        return m_pComments;
    case cDocumentInfoValues::kFieldLanguage:
        return m_pLanguage;
    case cDocumentInfoValues::kFieldDateFormat:
        return m_pDateFormat;
    case cDocumentInfoValues::kFieldAutoBackup:
        return m_pAutoBackup;
    default:
        return m_pBackupMinutes;
    }
}

void CDocumentInfoDialog::accept()
{
    const cDocumentInfoValues values = ReadWidgets();
    if (const auto error = Validate(values)) {
        m_doc.Prompt().ShowMessage(error->messageId, error->text);
        FieldWidget(error->field)->setFocus();
        return;
    }
    values.ApplyTo(m_doc);
    QDialog::accept();
}
