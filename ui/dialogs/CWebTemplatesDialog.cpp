#include "ui/dialogs/CWebTemplatesDialog.h"

#include "document/CTournelDoc.h"
#include "ui/dialogs/DialogFields.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using V = cWebTemplateValues;

} // namespace

CWebTemplatesDialog::CWebTemplatesDialog(CTournelDoc& doc, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Web document templates"), parent)
{
    // The tag named here is the one the writers look for, spelt as they spell it.
    auto* explanation = new QLabel(
        QStringLiteral("Choose templates to be used when creating web documents with the File/Print Special "
                       "commands. These templates should be complete html documents including the "
                       "<TNLX_Content> directive."),
        this);
    explanation->setTextFormat(Qt::PlainText);
    explanation->setWordWrap(true);

    const V values = V::FromDatabase(doc);
    auto* grid = new QGridLayout;
    const struct
    {
        const char* label;
        QLineEdit** edit;
        const std::string& text;
    } rows[] = {
        {"Schedule template:", &m_pSchedule, values.scheduleTemplate},
        {"Result and table template:", &m_pTable, values.tableTemplate},
    };
    for (int field = V::kFieldSchedule; field <= V::kFieldTable; ++field) {
        const auto& row = rows[field];
        auto* edit = new QLineEdit(ToQString(row.text), this);
        edit->setMaxLength(kTemplatePathLimit);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);
        *row.edit = edit;
        auto* browse = new QPushButton(QStringLiteral("Browse"), this);
        connect(browse, &QPushButton::clicked, this, [this, field] { Browse(field); });
        grid->addWidget(new QLabel(QString::fromUtf8(row.label), this), field, 0);
        grid->addWidget(edit, field, 1);
        grid->addWidget(browse, field, 2);
        SetField(field, edit);
    }

    auto* content = new QVBoxLayout;
    content->addWidget(explanation);
    content->addLayout(grid);
    SetContent(content);
}

QLineEdit& CWebTemplatesDialog::Field(int field) const
{
    return field == V::kFieldSchedule ? *m_pSchedule : *m_pTable;
}

void CWebTemplatesDialog::Browse(int field)
{
    QLineEdit& edit = Field(field);
    QString chosen;
    if (m_fnAskTemplate) {
        chosen = m_fnAskTemplate(edit.text());
    } else {
        QFileDialog dialog(this, QStringLiteral("Browse"), edit.text(),
                           QStringLiteral("Web page (.html,.htm) (*.html *.htm)"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setDefaultSuffix(QStringLiteral("html"));
        dialog.setOption(QFileDialog::ReadOnly, false);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            chosen = dialog.selectedFiles().front();
        }
    }
    if (!chosen.isEmpty()) {
        edit.setText(chosen);
    }
}

cWebTemplateValues CWebTemplatesDialog::Values() const
{
    return {ToStdString(m_pSchedule->text()), ToStdString(m_pTable->text())};
}

void CWebTemplatesDialog::accept()
{
    const cWebTemplateValues values = Values();
    if (Refuse(Validate(values))) {
        return;
    }
    values.ApplyTo(m_doc);
    QDialog::accept();
}
