#include "ui/cTournelListView.h"

#include "model/cTournelDb.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>

#include <algorithm>

cTournelListView::cTournelListView(QWidget* parent)
    : QTreeView(parent)
    , m_model(this)
{
    setModel(&m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

int cTournelListView::PixelWidth(int characters, bool firstColumn) const
{
    return characters * fontMetrics().horizontalAdvance(QLatin1Char('A')) + (firstColumn ? 16 : 0);
}

void cTournelListView::SetColumnWidths()
{
    for (int column = 0; column < m_model.columnCount(); ++column) {
        header()->resizeSection(column, PixelWidth(m_model.ColumnWidth(column), column == 0));
    }
}

void cTournelListView::StoreCursor()
{
    cTournelDb* shown = m_model.Container();
    const std::vector<int> rows = SelectedRows();
    if (shown != nullptr && !rows.empty()) {
        shown->m_nCursor = rows.front();
    }
}

void cTournelListView::Clear()
{
    StoreCursor();
    m_model.Clear();
}

void cTournelListView::FillList(cTournelDb& container)
{
    setUpdatesEnabled(false);
    StoreCursor();
    m_model.Clear();
    container.Refresh();
    m_model.ShowContainer(container);
    SetColumnWidths();
    setUpdatesEnabled(true);
    SelectCursor(container.m_nCursor);
}

void cTournelListView::ListFolder(std::vector<CItemListModel::cFolderRow> rows)
{
    setUpdatesEnabled(false);
    StoreCursor();
    m_model.ShowFolder(std::move(rows));
    SetColumnWidths();
    setUpdatesEnabled(true);
    SelectCursor(0);
}

void cTournelListView::SelectCursor(int cursor)
{
    const int count = m_model.rowCount();
    if (count == 0) {
        return;
    }
    SelectOnly(std::clamp(cursor, 0, count - 1));
}

void cTournelListView::SelectOnly(int row)
{
    QItemSelectionModel* selection = selectionModel();
    if (row < 0 || row >= m_model.rowCount()) {
        selection->clearSelection();
        return;
    }
    const QModelIndex index = m_model.index(row, 0);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

int cTournelListView::CurrentRow() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

std::vector<int> cTournelListView::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void cTournelListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        emit RowActivated(index.row());
        event->accept();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}

void cTournelListView::contextMenuEvent(QContextMenuEvent* event)
{
    int row = -1;
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex index = indexAt(event->pos());
        row = index.isValid() ? index.row() : -1;
    } else {
        row = CurrentRow();
    }
    emit ContextMenuWanted(row, event->globalPos());
    event->accept();
}
