#include "ui/dialogs/CReplanConflictsDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

CReplanConflictsDialog::CReplanConflictsDialog(CTournelDoc& doc, int conflicts, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Re-plan conflicts"), parent)
{
    auto* content = new QVBoxLayout;
    content->addWidget(new QLabel(
        QStringLiteral("%1 scheduled matches break a placement rule as the season now stands.\n"
                       "Those the scheduler placed go back to the unscheduled matches and are placed "
                       "again;\nno other match moves. Played and playoff matches stay.")
            .arg(conflicts),
        this));
    m_pAll = new QCheckBox(QStringLiteral("Re-plan also the matches placed by hand or moved"), this);
    content->addWidget(m_pAll);
    SetContent(content);
}

bool CReplanConflictsDialog::AllConflicts() const
{
    return m_pAll->isChecked();
}
