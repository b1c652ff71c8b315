#pragma once

// The directory tree: the root ("Database" or the file), one node per
// top-level container, and below leagues, teams and officials a node per
// item with a node per child container. Each node remembers its object and
// each object its node (m_hTreeNode), so that a node is found without a search.

#include <QTreeWidget>

class cDatabase;
class cDbItem;
class cTournelDb;
class cTournelObject;

class CTournelView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit CTournelView(QWidget* parent = nullptr);

    // Builds the whole tree for a new or opened database, the root expanded and selected.
    void RebuildTree(cDatabase& db, const QString& title);
    // Brings the child nodes of a container's node, and theirs below, into
    // line with the items as they stand: in container order (the program's
    // name order), with their names; nodes of items that are gone are removed
    // without looking at their objects, kept nodes stay expanded as they were.
    void RebuildBranch(cTournelDb& container);
    // Every branch below the top-level containers brought into line (leagues
    // with their teams, officials).
    void SyncBranches(cDatabase& db);
    // After an edit: the node's text from the item and its place among its siblings.
    void UpdateItemNode(cDbItem& item);
    // Removes the node with its children; answers the node that followed it (null: none).
    QTreeWidgetItem* DeleteNode(QTreeWidgetItem* node);
    void SetRootTitle(const QString& title);

    QTreeWidgetItem* Root() const { return topLevelItemCount() > 0 ? topLevelItem(0) : nullptr; }
    // Null for the root and for a node that is not in the tree.
    static cTournelObject* ObjectOf(const QTreeWidgetItem* node);
    // The node of an object, or null when it has none.
    static QTreeWidgetItem* NodeOf(const cTournelObject* object);
    // Selects the node (null: the root) as the user would.
    void SelectNode(QTreeWidgetItem* node);

signals:
    // The user (or SelectNode) made this node current; null object for the root.
    void DirectoryChosen(cTournelObject* object);

private:
    void OnCurrentChanged(QTreeWidgetItem* current);
    QTreeWidgetItem* AddContainerNode(QTreeWidgetItem* parent, cTournelDb& container, bool topLevel);
    void AddItemNodes(QTreeWidgetItem* containerNode, cTournelDb& container);
    QTreeWidgetItem* AddItemNode(QTreeWidgetItem* containerNode, const cTournelDb& container, cDbItem& item);
    void SyncBranch(QTreeWidgetItem* node, cTournelDb& container);
    static void ForgetNodes(QTreeWidgetItem* node);

    bool m_bRebuilding = false;
};
