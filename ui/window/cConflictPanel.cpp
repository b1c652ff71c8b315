#include "ui/window/cConflictPanel.h"

#include "document/CTournelDoc.h"
#include "model/cMatch.h"
#include "officials/CheckSchedule.h"
#include "ui/window/CItemListModel.h"
#include "ui/window/CMainFrame.h"
#include "ui/window/cDocumentController.h"
#include "ui/window/cTournelListView.h"
#include "ui/window/cViewSync.h"

#include <QDockWidget>
#include <QHeaderView>
#include <QTreeWidget>

cConflictPanel::cConflictPanel(CMainFrame& frame)
    : QObject(&frame)
    , m_frame(frame)
{
    m_pDock = new QDockWidget(QStringLiteral("Conflicts"), &frame);
    m_pDock->setObjectName(QStringLiteral("Conflicts"));
    m_pTable = new QTreeWidget(m_pDock);
    m_pTable->setRootIsDecorated(false);
    m_pTable->setUniformRowHeights(true);
    m_pTable->setHeaderLabels({QStringLiteral("Match"), QStringLiteral("Date"), QStringLiteral("Court"),
                               QStringLiteral("Rule"), QStringLiteral("Message")});
    m_pTable->header()->setStretchLastSection(true);
    m_pTable->setWhatsThis(
        QStringLiteral("The scheduled matches that break a rule as the season now stands, checked again "
                       "after every change. Double-click a row to select its match in the scheduled "
                       "matches list."));
    m_pDock->setWidget(m_pTable);
    frame.addDockWidget(Qt::BottomDockWidgetArea, m_pDock);
    m_pDock->hide();
    connect(m_pTable, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* row) { OnActivated(row); });
    // Closed by its own button: no rows marked any more.
    connect(m_pDock, &QDockWidget::visibilityChanged, this, [this] { Follow(); });
}

bool cConflictPanel::IsShown() const
{
    return !m_pDock->isHidden();
}

void cConflictPanel::SetShown(bool shown)
{
    m_pDock->setVisible(shown);
    Follow();
}

void cConflictPanel::Clear()
{
    m_nCheckedState = -1;
    m_matches.clear();
    m_marked.clear();
    m_pTable->clear();
}

void cConflictPanel::Follow()
{
    if (m_pDock->isHidden()) {
        // Hidden, the panel marks no rows and is checked afresh when shown again.
        if (m_nCheckedState != -1) {
            Clear();
            m_frame.List().viewport()->update();
        }
        return;
    }
    if (m_frame.Documents().History().CurrentState() != m_nCheckedState) {
        Check();
    }
}

int cConflictPanel::ShowChecked()
{
    m_pDock->setVisible(true);
    m_pDock->raise();
    Check();
    return static_cast<int>(m_matches.size());
}

void cConflictPanel::Check()
{
    Clear();
    const CTournelDoc& doc = m_frame.Document();
    if (doc.HasContainers()) {
        const std::vector<cConflict> conflicts = CheckSchedule(doc);
        QList<QTreeWidgetItem*> rows;
        rows.reserve(static_cast<qsizetype>(conflicts.size()));
        for (const cConflict& conflict : conflicts) {
            const cConflictRow text = DescribeConflict(doc, conflict);
            rows.push_back(new QTreeWidgetItem(
                {QString::fromStdString(text.match), QString::fromStdString(text.date + " " + text.time),
                 QString::fromStdString(text.court), QString::fromStdString(text.rule),
                 QString::fromStdString(text.message)}));
            m_matches.push_back(conflict.match);
            m_marked.insert(conflict.match);
        }
        m_pTable->addTopLevelItems(rows);
    }
    m_nCheckedState = m_frame.Documents().History().CurrentState();
    m_frame.List().viewport()->update();
}

void cConflictPanel::OnActivated(QTreeWidgetItem* row)
{
    Follow();
    const int index = m_pTable->indexOfTopLevelItem(row);
    if (index < 0 || static_cast<std::size_t>(index) >= m_matches.size()) {
        return;
    }
    const cMatch* match = m_matches[static_cast<std::size_t>(index)];
    CTournelDoc& doc = m_frame.Document();
    if (!doc.HasContainers()) {
        return;
    }
    m_frame.Views().SelectDirectory(&doc.Scheduled(), true, true);
    // A match the view filter hides has no row.
    if (const int listRow = m_frame.List().Model().RowOf(match); listRow >= 0) {
        m_frame.List().SelectOnly(listRow);
        m_frame.List().setFocus();
    }
    m_frame.UpdateCommands();
}
