#pragma once

// The item list of the current directory, in report mode: one row per
// visible item (or per child directory of an item node), with the
// directory's columns. The list remembers per container the row that was
// selected, so returning to a directory selects the same row again.

#include "ui/window/CItemListModel.h"

#include <QTreeView>

#include <vector>

class cDbItem;
class cTournelDb;

class cTournelListView : public QTreeView
{
    Q_OBJECT

public:
    explicit cTournelListView(QWidget* parent = nullptr);

    CItemListModel& Model() { return m_model; }
    const CItemListModel& Model() const { return m_model; }

    // Keeps the position of the first selected row in the container shown now.
    void StoreCursor();
    // No columns, no rows (the root).
    void Clear();
    // Refresh()es the container and lists its visible items, then selects the remembered row.
    void FillList(cTournelDb& container);
    // The same without the Refresh(): the items as they stand.
    void ShowItems(cTournelDb& container);
    void ListFolder(std::vector<CItemListModel::cFolderRow> rows);

    // The row commands act on: the row with the keyboard focus when it is
    // selected, else the first selected row; -1 when no row is selected.
    int CurrentRow() const;
    // Selected rows, ascending.
    std::vector<int> SelectedRows() const;
    // Selects, focuses and shows one row, deselecting every other (-1: deselects all).
    void SelectOnly(int row);
    // Pixel width of a column of `characters` characters in the list's font.
    int PixelWidth(int characters, bool firstColumn) const;

signals:
    void RowActivated(int row);
    // Right-click; row -1 beside the rows. `globalPos` is where the menu opens.
    void ContextMenuWanted(int row, const QPoint& globalPos);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void SetColumnWidths();
    // Pixels that the heading and the first rows' cells of a column need.
    int ContentWidth(int column) const;
    void SelectCursor(int cursor);

    CItemListModel m_model;
};
