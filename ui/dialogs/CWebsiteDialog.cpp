#include "ui/dialogs/CWebsiteDialog.h"

#include "ui/dialogs/DialogFields.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CWebsiteDialog::CWebsiteDialog(CTournelDoc& doc, const cWebsiteValues& values,
                               std::function<QString(const QString&)> browse, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Publish website"), parent)
    , m_fnBrowse(std::move(browse))
    , m_chosen(values)
{
    m_pTitle = new QLineEdit(ToQString(values.title), this);
    m_pFolder = new QLineEdit(ToQString(values.folder), this);
    m_pBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    auto* folder = new QHBoxLayout;
    folder->addWidget(m_pFolder, 1);
    folder->addWidget(m_pBrowse);
    connect(m_pBrowse, &QPushButton::clicked, this, [this] {
        const QString chosen = m_fnBrowse ? m_fnBrowse(m_pFolder->text()) : QString();
        if (!chosen.isEmpty()) {
            m_pFolder->setText(chosen);
        }
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Title:"), m_pTitle);
    form->addRow(QStringLiteral("&Folder:"), folder);
    auto* note = new QLabel(QStringLiteral("Only pages that changed are written again; other files in the "
                                           "folder are left alone."),
                            this);
    note->setWordWrap(true);
    form->addRow(note);
    SetField(cWebsiteValues::kFieldTitle, m_pTitle);
    SetField(cWebsiteValues::kFieldFolder, m_pFolder);
    SetContent(form);
}

cWebsiteValues CWebsiteDialog::Values() const
{
    return {ToStdString(m_pTitle->text()), ToStdString(m_pFolder->text())};
}

void CWebsiteDialog::accept()
{
    const cWebsiteValues values = Values();
    if (Refuse(Validate(values))) {
        return;
    }
    m_chosen = values;
    QDialog::accept();
}
