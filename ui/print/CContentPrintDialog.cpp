#include "ui/print/CContentPrintDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

CContentPrintDialog::CContentPrintDialog(CTournelDoc& doc, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Print database content"), parent)
{
    auto* include = new QGroupBox(QStringLiteral("Include in printout"), this);
    auto* includeLayout = new QVBoxLayout(include);
    m_pCourts = new QCheckBox(QStringLiteral("Court overview"), include);
    m_pLeagues = new QCheckBox(QStringLiteral("League overview"), include);
    includeLayout->addWidget(m_pCourts);
    includeLayout->addWidget(m_pLeagues);
    m_pWriteToFile = new QCheckBox(QStringLiteral("Write to text file..."), this);
    m_pCourts->setChecked(m_chosen.courts);
    m_pLeagues->setChecked(m_chosen.leagues);
    m_pWriteToFile->setChecked(m_chosen.writeToFile);

    auto* content = new QVBoxLayout;
    content->addWidget(include);
    content->addWidget(m_pWriteToFile);
    SetContent(content);
}

cContentPrintValues CContentPrintDialog::Values() const
{
    return {m_pCourts->isChecked(), m_pLeagues->isChecked(), m_pWriteToFile->isChecked()};
}

void CContentPrintDialog::accept()
{
    m_chosen = Values();
    QDialog::accept();
}
