#include "ui/CTournelView.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "ui/Images.h"

#include <QHeaderView>

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
        if (item.GetChildCount() <= 0) {
            continue;
        }
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
    }
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
    QTreeWidgetItem* node = NodeOf(&container);
    if (node == nullptr) {
        return;
    }
    m_bRebuilding = true;
    const bool currentBelow = [&] {
        for (QTreeWidgetItem* n = currentItem(); n != nullptr; n = n->parent()) {
            if (n->parent() == node) {
                return true;
            }
        }
        return false;
    }();
    if (currentBelow) {
        setCurrentItem(node);
    }
    const QList<QTreeWidgetItem*> children = node->takeChildren();
    for (QTreeWidgetItem* child : children) {
        ForgetNodes(child);
        delete child;
    }
    AddItemNodes(node, container);
    m_bRebuilding = false;
}

void CTournelView::UpdateItemNode(cDbItem& item)
{
    QTreeWidgetItem* node = NodeOf(&item);
    if (node == nullptr) {
        return;
    }
    node->setText(0, QString::fromStdString(item.GetColumnText(0)));
    const cTournelDb* owner = item.GetOwner();
    if (owner != nullptr && owner->m_bRelistOnEdit != 0 && node->parent() != nullptr) {
        m_bRebuilding = true;
        node->parent()->sortChildren(0, Qt::AscendingOrder);
        m_bRebuilding = false;
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
