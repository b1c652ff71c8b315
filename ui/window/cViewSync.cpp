#include "ui/window/cViewSync.h"

#include "document/CTournelDoc.h"
#include "model/Strings.h"
#include "model/cLeague.h"
#include "scheduling/MatchGeneration.h"
#include "standings/Standings.h"
#include "ui/window/CMainFrame.h"
#include "ui/window/CTournelView.h"
#include "ui/window/cTournelListView.h"

#include <QLabel>

#include <algorithm>

namespace {

// Views left behind by a long run are shown again at most this often.
constexpr int kViewUpdateMs = 200;

// True when `container` lies below `item` (in one of its child containers, at any depth).
bool IsBelow(const cTournelDb* container, const cDbItem& item)
{
    while (container != nullptr) {
        const cDbItem* owner = container->GetOwnerItem();
        if (owner == nullptr) {
            return false;
        }
        if (owner == &item) {
            return true;
        }
        container = owner->GetOwner();
    }
    return false;
}

// Containers whose items have nodes of their own in the tree.
bool HasItemNodes(const cTournelDb& container)
{
    return container.m_nDirectoryId == kDirLeagues || container.m_nDirectoryId == kDirOfficials ||
           container.m_nDirectoryId == kDirTeams;
}

QString Text(int id)
{
    return QString::fromUtf8(GetString(id));
}

} // namespace

cViewSync::cViewSync(CMainFrame& frame)
    : m_frame(frame)
    , m_doc(frame.Document())
    , m_tree(frame.Tree())
    , m_list(frame.List())
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { BringViewsUpToDate(); });
    m_sinceViewUpdate.start();
    m_doc.SetListener(this);
}

cViewSync::~cViewSync()
{
    m_doc.SetListener(nullptr);
}

const cTournelObject* cViewSync::ShownObject() const
{
    return m_pCurrentContainer != nullptr ? static_cast<const cTournelObject*>(m_pCurrentContainer)
                                          : m_pFolderItem;
}

void cViewSync::UpdateAllViews()
{
    const QString title =
        QString::fromStdString(m_doc.GetPathName().empty() ? m_doc.GetTitle() : m_doc.GetPathName());
    m_timer.stop();
    m_bListStale = m_bTreeStale = m_bTreeGone = false;
    m_list.Model().Clear();
    m_tree.RebuildTree(m_doc, title);
    SelectDirectory(nullptr, true, false);
    RefreshList();
    m_frame.UpdateTitle();
    m_frame.UpdateCommands();
}

void cViewSync::SelectDirectory(cTournelObject* object, bool updateStatus, bool selectInTree)
{
    QString name;
    m_pFolderItem = nullptr;
    if (object == nullptr) {
        m_nCurrentDirectory = kDirRoot;
        m_pCurrentContainer = nullptr;
        name = Text(IDS_DATABASE);
    } else if (auto* container = dynamic_cast<cTournelDb*>(object)) {
        m_nCurrentDirectory = container->m_nDirectoryId;
        m_pCurrentContainer = container;
        name = Text(container->m_nTitleId);
    } else if (auto* item = dynamic_cast<cDbItem*>(object)) {
        m_nCurrentDirectory = kDirItem;
        m_pCurrentContainer = nullptr;
        m_pFolderItem = item;
        name = QString::fromStdString(item->GetColumnText(0));
    }
    if (updateStatus) {
        m_frame.DirectoryPane().setText(name);
    }
    if (selectInTree) {
        m_tree.setFocus();
        m_tree.SelectNode(CTournelView::NodeOf(object));
    }
}

void cViewSync::OnTreeSelection(cTournelObject* object)
{
    if (m_bTreeStale || m_bTreeGone) {
        // The node may stand for an item that is gone: the tree is brought
        // into line first, and the directory taken from the node then current.
        BringViewsUpToDate();
        object = CTournelView::ObjectOf(m_tree.currentItem());
    }
    SelectDirectory(object, true, false);
    RefreshList();
}

void cViewSync::ItemsChanged(const cTournelDb& container, const cDbItem* removed)
{
    if (removed != nullptr) {
        if (removed->GetTreeNode() != nullptr) {
            m_bTreeStale = true;
        }
        // A directory of the item going away cannot stay current.
        if (IsBelow(m_pCurrentContainer, *removed) || m_pFolderItem == removed ||
            (m_pFolderItem != nullptr && IsBelow(m_pFolderItem->GetOwner(), *removed))) {
            ForgetList();
            m_list.Model().Clear();
            m_nCurrentDirectory = kDirRoot;
            m_pCurrentContainer = nullptr;
            m_pFolderItem = nullptr;
            m_bTreeStale = true;
        }
    } else if (HasItemNodes(container)) {
        m_bTreeStale = true;
    }
    if (&container == m_list.Model().Container()) {
        ForgetList();
    }
    ScheduleViewUpdate();
}

void cViewSync::ContainersReplaced()
{
    m_timer.stop();
    m_list.Model().Clear();
    m_tree.clear();
    m_nCurrentDirectory = kDirRoot;
    m_pCurrentContainer = nullptr;
    m_pFolderItem = nullptr;
    m_bListStale = m_bTreeStale = false;
    m_bTreeGone = true;
    ScheduleViewUpdate();
}

void cViewSync::BeforePrompt(bool waitsForUser)
{
    if (waitsForUser || m_sinceViewUpdate.elapsed() >= kViewUpdateMs) {
        BringViewsUpToDate();
    }
}

void cViewSync::ForgetList()
{
    if (m_bFilling) {
        return;
    }
    if (m_list.Model().rowCount() > 0 || m_list.Model().Container() != nullptr) {
        m_list.StoreCursor();
        m_list.Model().Clear();
    }
    m_bListStale = true;
}

void cViewSync::ScheduleViewUpdate()
{
    if (m_timer.isActive() || (!m_bListStale && !m_bTreeStale && !m_bTreeGone)) {
        return;
    }
    m_timer.start(static_cast<int>(std::max<qint64>(0, kViewUpdateMs - m_sinceViewUpdate.elapsed())));
}

void cViewSync::BringViewsUpToDate()
{
    if (m_bFilling) {
        return;
    }
    m_timer.stop();
    m_sinceViewUpdate.restart();
    if (m_bTreeGone) {
        UpdateAllViews();
        return;
    }
    if (m_bTreeStale) {
        SyncTree();
    }
    if (!m_bListStale) {
        return;
    }
    m_bListStale = false;
    // As the items stand: a derived list is not rebuilt here, which may be in
    // the middle of a run; the command that changed it refreshes it when done.
    m_bFilling = true;
    if (m_pCurrentContainer != nullptr) {
        BringShownTableUpToDate(*m_pCurrentContainer);
        m_list.ShowItems(*m_pCurrentContainer);
    } else {
        m_bFilling = false;
        RefreshList();
        return;
    }
    m_bFilling = false;
    m_frame.UpdateCommands();
}

void cViewSync::SyncTree()
{
    m_bTreeStale = false;
    if (!m_doc.HasContainers() || m_tree.Root() == nullptr) {
        return;
    }
    const cTournelObject* before = m_pCurrentContainer != nullptr
                                       ? static_cast<const cTournelObject*>(m_pCurrentContainer)
                                       : m_pFolderItem;
    const int beforeDirectory = m_nCurrentDirectory;
    m_tree.SyncBranches(m_doc);
    // Every node stands for a live object again: the current one decides the directory.
    cTournelObject* current = CTournelView::ObjectOf(m_tree.currentItem());
    SelectDirectory(current, true, false);
    const cTournelObject* after = m_pCurrentContainer != nullptr
                                      ? static_cast<const cTournelObject*>(m_pCurrentContainer)
                                      : m_pFolderItem;
    if (after != before || m_nCurrentDirectory != beforeDirectory) {
        ForgetList();
    }
}

void cViewSync::RefreshList()
{
    if (m_bTreeGone || m_bTreeStale) {
        BringViewsUpToDate();
        if (m_bTreeGone) {
            return;
        }
    }
    m_timer.stop();
    m_bListStale = false;
    if (m_pCurrentContainer != nullptr) {
        FillList(*m_pCurrentContainer);
    } else if (m_nCurrentDirectory == kDirItem && m_tree.currentItem() != nullptr) {
        std::vector<CItemListModel::cFolderRow> rows;
        QTreeWidgetItem* node = m_tree.currentItem();
        for (int i = 0; i < node->childCount(); ++i) {
            cTournelObject* object = CTournelView::ObjectOf(node->child(i));
            const auto* container = dynamic_cast<const cTournelDb*>(object);
            rows.push_back({node->child(i)->text(0), container != nullptr ? container->m_nImage : 0, object});
        }
        m_list.ListFolder(std::move(rows));
    } else {
        m_list.Clear();
    }
    m_frame.UpdateCommands();
}

void cViewSync::FillList(cTournelDb& container)
{
    // Rebuilding a derived list changes it: that is what is being shown, not news.
    m_bFilling = true;
    const bool wait = container.GetCount() > 100;
    if (wait) {
        m_doc.Prompt().BeginWait(GetString(IDS_JUST_A_MOMENT));
    }
    if (m_bRestoring) {
        // The list as it stood before the step; regenerating the unscheduled
        // matches would be a change of its own. A table is counted afresh
        // when its flag says so (the steps hold tables up to date).
        BringShownTableUpToDate(container);
        m_list.ShowItems(container);
    } else {
        RegenerateDerivedList(container);
        m_list.FillList(container);
    }
    m_bFilling = false;
    m_bListStale = false;
    if (wait) {
        m_doc.Prompt().EndWait();
    }
    m_frame.UpdateCommands();
}

void cViewSync::RegenerateDerivedList(cTournelDb& container)
{
    if (&container == &m_doc.Unscheduled()) {
        RebuildUnscheduled(m_doc);
    } else {
        BringShownTableUpToDate(container);
    }
}

void cViewSync::BringShownTableUpToDate(cTournelDb& container)
{
    if (container.m_nDirectoryId != kDirTable) {
        return;
    }
    if (auto* league = dynamic_cast<cLeague*>(container.GetOwnerItem())) {
        BringTableUpToDate(m_doc, *league);
    }
}

void cViewSync::MarkSelected()
{
    cTournelDb* container = m_list.Model().Container();
    if (container == nullptr) {
        return;
    }
    for (cDbItem& item : container->AllItems<cDbItem>()) {
        item.m_bMarked = 0;
    }
    for (int row : m_list.SelectedRows()) {
        if (cDbItem* item = m_list.Model().ItemAt(row)) {
            item->m_bMarked = 1;
        }
    }
}

void cViewSync::ClearMarks()
{
    for (int row : m_list.SelectedRows()) {
        if (cDbItem* item = m_list.Model().ItemAt(row)) {
            item->m_bMarked = 0;
        }
    }
}

cDbItem* cViewSync::GetCurrentItem() const
{
    return m_list.Model().ItemAt(m_list.CurrentRow());
}
