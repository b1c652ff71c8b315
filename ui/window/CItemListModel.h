#pragma once

// The rows of the item list: either the visible items of one container (the
// texts are asked from the items when a row is painted, so thousands of rows
// fill at once), or the child directories of an item node.

#include <QAbstractTableModel>
#include <QIcon>

#include <functional>
#include <vector>

class cDbItem;
class cTournelDb;
class cTournelObject;

class CItemListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // A row that stands for a child directory of an item node.
    struct cFolderRow
    {
        QString text;
        int image = 0;
        cTournelObject* object = nullptr; // not owned
    };

    using QAbstractTableModel::QAbstractTableModel;

    // No columns, no rows.
    void Clear();
    // The items of `container` in container order, leaving out those the view filter hides.
    void ShowContainer(cTournelDb& container);
    // The single column "Name" with one row per child directory.
    void ShowFolder(std::vector<cFolderRow> rows);

    cTournelDb* Container() const { return m_pContainer; }
    // The object a row stands for (an item, or a child container in folder mode); null when out of range.
    cTournelObject* ObjectAt(int row) const;
    cDbItem* ItemAt(int row) const;
    // The row of an item, or -1.
    int RowOf(const cDbItem* item) const;
    // Width of a column in characters.
    int ColumnWidth(int column) const;
    // The row's texts changed (after an edit that keeps its place).
    void RowChanged(int row);
    // Rows whose item `marked` answers true for are painted as conflicts;
    // it compares the item, it must not read it (the rows may be stale).
    void SetMarked(std::function<bool(const cDbItem*)> marked) { m_fnMarked = std::move(marked); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Qt::Alignment AlignmentOf(int column) const;

    cTournelDb* m_pContainer = nullptr; // not owned; null in folder mode and when empty
    std::vector<cDbItem*> m_items;
    std::vector<cFolderRow> m_folder;
    bool m_bFolder = false;
    std::function<bool(const cDbItem*)> m_fnMarked;
};
