#include "ui/window/cTournelListView.h"

#include "model/cTournelDb.h"

#include <QAbstractItemDelegate>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QStyleOptionViewItem>

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

namespace {

// Only this many rows are measured, so a directory of thousands of rows is
// listed at once; the rows further down are cut off in a narrow column.
constexpr int kMeasuredRows = 300;
// No column grows wider than this many characters, however long its texts.
constexpr int kWidestColumn = 60;

} // namespace

int cTournelListView::ContentWidth(int column) const
{
    int width = header()->sectionSizeHint(column);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int rows = std::min(m_model.rowCount(), kMeasuredRows);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = m_model.index(row, column);
        width = std::max(width, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    return width;
}

void cTournelListView::SetColumnWidths()
{
    // The directory's width in characters is the least; a column widens to
    // its heading and texts up to kWidestColumn characters.
    for (int column = 0; column < m_model.columnCount(); ++column) {
        const bool first = column == 0;
        const int least = PixelWidth(m_model.ColumnWidth(column), first);
        const int most = std::max(least, PixelWidth(kWidestColumn, first));
        header()->resizeSection(column, std::clamp(ContentWidth(column), least, most));
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
    StoreCursor();
    m_model.Clear();
    container.Refresh();
    ShowItems(container);
}

void cTournelListView::ShowItems(cTournelDb& container)
{
    setUpdatesEnabled(false);
    StoreCursor();
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
    // Commands act on selected rows only: a focus row left unselected stands for nothing.
    const QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row(), current.parent())) {
        return current.row();
    }
    const std::vector<int> selected = SelectedRows();
    return selected.empty() ? -1 : selected.front();
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
