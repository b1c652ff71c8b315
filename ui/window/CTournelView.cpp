#include "ui/window/CTournelView.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "ui/window/Images.h"

#include <QHeaderView>

#include <set>
#include <vector>

namespace {

constexpr int kObjectRole = Qt::UserRole;

QIcon NodeIcon(int normal, int selected)
{
    QIcon icon = DirectoryImage(normal);
    if (selected != normal) {
        icon.addPixmap(DirectoryImage(selected).pixmap(16, 16), QIcon::Selected);
    }
    return icon;
}

void SetObject(QTreeWidgetItem* node, cTournelObject* object)
{
    node->setData(0, kObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
}

} // namespace

CTournelView::CTournelView(QWidget* parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { OnCurrentChanged(current); });
}

cTournelObject* CTournelView::ObjectOf(const QTreeWidgetItem* node)
{
    if (node == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<cTournelObject*>(node->data(0, kObjectRole).value<quintptr>());
}

QTreeWidgetItem* CTournelView::NodeOf(const cTournelObject* object)
{
    if (const auto* container = dynamic_cast<const cTournelDb*>(object)) {
        return static_cast<QTreeWidgetItem*>(const_cast<void*>(container->m_hTreeNode));
    }
    if (const auto* item = dynamic_cast<const cDbItem*>(object)) {
        return static_cast<QTreeWidgetItem*>(const_cast<void*>(item->GetTreeNode()));
    }
    return nullptr;
}

void CTournelView::RebuildTree(cDatabase& db, const QString& title)
{
    m_bRebuilding = true;
    clear();
    auto* root = new QTreeWidgetItem(this, QStringList(title));
    root->setIcon(0, NodeIcon(12, 13));
    SetObject(root, nullptr);
    if (db.HasContainers()) {
        for (cTournelDb* container :
             {static_cast<cTournelDb*>(&db.Courts()), &db.CourtTime(),
              static_cast<cTournelDb*>(&db.Leagues()), static_cast<cTournelDb*>(&db.Officials()),
              &db.Scheduled(), &db.Unscheduled(), &db.Results()}) {
            AddContainerNode(root, *container, true);
        }
    }
    root->setExpanded(true);
    setCurrentItem(root);
    m_bRebuilding = false;
}

QTreeWidgetItem* CTournelView::AddContainerNode(QTreeWidgetItem* parent, cTournelDb& container, bool topLevel)
{
    auto* node = new QTreeWidgetItem(parent, QStringList(QString::fromUtf8(GetString(container.m_nTitleId))));
    node->setIcon(0, topLevel ? NodeIcon(12, 13) : NodeIcon(container.m_nImage, container.m_nSelectedImage));
    SetObject(node, &container);
    container.m_hTreeNode = node;
    AddItemNodes(node, container);
    return node;
}

void CTournelView::AddItemNodes(QTreeWidgetItem* containerNode, cTournelDb& container)
{
    for (cDbItem& item : container.Items<cDbItem>()) {
        if (item.GetChildCount() > 0) {
            AddItemNode(containerNode, container, item);
        }
    }
}

QTreeWidgetItem* CTournelView::AddItemNode(QTreeWidgetItem* containerNode, const cTournelDb& container,
                                           cDbItem& item)
{
    auto* node =
        new QTreeWidgetItem(containerNode, QStringList(QString::fromStdString(item.GetColumnText(0))));
    node->setIcon(0, DirectoryImage(container.m_nKind));
    SetObject(node, &item);
    item.SetTreeNode(node);
    for (int slot = 0; slot < cDbItem::kChildSlots; ++slot) {
        if (cTournelDb* child = item.GetChild(slot)) {
            AddContainerNode(node, *child, false);
        }
    }
    return node;
}

void CTournelView::ForgetNodes(QTreeWidgetItem* node)
{
    // The objects below may outlive their nodes (a rebuilt branch); they must not keep dangling handles.
    for (int i = 0; i < node->childCount(); ++i) {
        ForgetNodes(node->child(i));
    }
    cTournelObject* object = ObjectOf(node);
    if (auto* container = dynamic_cast<cTournelDb*>(object)) {
        container->m_hTreeNode = nullptr;
    } else if (auto* item = dynamic_cast<cDbItem*>(object)) {
        item->SetTreeNode(nullptr);
    }
}

void CTournelView::RebuildBranch(cTournelDb& container)
{
    if (QTreeWidgetItem* node = NodeOf(&container)) {
        SyncBranch(node, container);
    }
}

void CTournelView::SyncBranches(cDatabase& db)
{
    if (!db.HasContainers()) {
        return;
    }
    RebuildBranch(db.Leagues());
    RebuildBranch(db.Officials());
}

void CTournelView::SyncBranch(QTreeWidgetItem* node, cTournelDb& container)
{
    // An item's node is its own only while the item's handle names it: an item
    // made since (even at the address of one that is gone) has no handle yet.
    std::vector<cDbItem*> wanted;
    for (cDbItem& item : container.Items<cDbItem>()) {
        if (item.GetChildCount() > 0) {
            wanted.push_back(&item);
        }
    }
    bool same = node->childCount() == static_cast<int>(wanted.size());
    for (std::size_t i = 0; same && i < wanted.size(); ++i) {
        same = wanted[i]->GetTreeNode() == node->child(static_cast<int>(i));
    }
    if (!same) {
        const bool wasRebuilding = m_bRebuilding;
        m_bRebuilding = true;
        QTreeWidgetItem* current = currentItem();
        bool currentBelow = false;
        for (const QTreeWidgetItem* n = current; n != nullptr && !currentBelow; n = n->parent()) {
            currentBelow = n->parent() == node;
        }
        std::set<const QTreeWidgetItem*> expanded;
        std::vector<QTreeWidgetItem*> pending(1, node);
        while (!pending.empty()) {
            QTreeWidgetItem* n = pending.back();
            pending.pop_back();
            for (int i = 0; i < n->childCount(); ++i) {
                if (n->child(i)->isExpanded()) {
                    expanded.insert(n->child(i));
                }
                pending.push_back(n->child(i));
            }
        }
        if (currentBelow) {
            setCurrentItem(node);
        }
        const QList<QTreeWidgetItem*> taken = node->takeChildren();
        std::set<QTreeWidgetItem*> orphans(taken.begin(), taken.end());
        for (cDbItem* item : wanted) {
            auto* own = static_cast<QTreeWidgetItem*>(const_cast<void*>(item->GetTreeNode()));
            if (own != nullptr && orphans.erase(own) > 0) {
                node->addChild(own);
            } else {
                AddItemNode(node, container, *item);
            }
        }
        // Kept nodes are back in the tree now; the orphans' subtrees are not.
        for (const QTreeWidgetItem* n : expanded) {
            if (n->treeWidget() == this) {
                const_cast<QTreeWidgetItem*>(n)->setExpanded(true);
            }
        }
        if (currentBelow && current->treeWidget() == this) {
            setCurrentItem(current);
        }
        // Whatever is left stood for items that are gone, and so are the containers below them.
        for (QTreeWidgetItem* orphan : orphans) {
            delete orphan;
        }
        m_bRebuilding = wasRebuilding;
    }
    for (cDbItem* item : wanted) {
        auto* own = static_cast<QTreeWidgetItem*>(const_cast<void*>(item->GetTreeNode()));
        const QString text = QString::fromStdString(item->GetColumnText(0));
        if (own->text(0) != text) {
            own->setText(0, text);
        }
        for (int slot = 0; slot < cDbItem::kChildSlots; ++slot) {
            cTournelDb* child = item->GetChild(slot);
            if (child != nullptr && child->m_hTreeNode != nullptr) {
                SyncBranch(NodeOf(child), *child);
            }
        }
    }
}

void CTournelView::UpdateItemNode(cDbItem& item)
{
    if (cTournelDb* owner = item.GetOwner(); owner != nullptr && NodeOf(&item) != nullptr) {
        RebuildBranch(*owner);
    }
}

QTreeWidgetItem* CTournelView::DeleteNode(QTreeWidgetItem* node)
{
    if (node == nullptr) {
        return nullptr;
    }
    QTreeWidgetItem* parent = node->parent();
    QTreeWidgetItem* next = nullptr;
    if (parent != nullptr) {
        const int at = parent->indexOfChild(node);
        next = at + 1 < parent->childCount() ? parent->child(at + 1) : nullptr;
    }
    // A current node below the deleted one moves up first, so that no
    // selection change reports an object that is going away.
    for (QTreeWidgetItem* n = currentItem(); n != nullptr; n = n->parent()) {
        if (n == node) {
            m_bRebuilding = true;
            setCurrentItem(parent != nullptr ? parent : Root());
            m_bRebuilding = false;
            break;
        }
    }
    ForgetNodes(node);
    delete node;
    return next;
}

void CTournelView::SetRootTitle(const QString& title)
{
    if (QTreeWidgetItem* root = Root()) {
        root->setText(0, title);
    }
}

void CTournelView::SelectNode(QTreeWidgetItem* node)
{
    if (node == nullptr) {
        node = Root();
    }
    if (node == nullptr) {
        return;
    }
    if (node == currentItem()) {
        OnCurrentChanged(node);
        return;
    }
    setCurrentItem(node);
    scrollToItem(node);
}

void CTournelView::OnCurrentChanged(QTreeWidgetItem* current)
{
    if (m_bRebuilding || current == nullptr) {
        return;
    }
    emit DirectoryChosen(ObjectOf(current));
}
