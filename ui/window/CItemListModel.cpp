#include "ui/window/CItemListModel.h"

#include "model/Strings.h"
#include "model/cTournelDb.h"
#include "ui/window/Images.h"

#include <QBrush>
#include <QColor>

void CItemListModel::Clear()
{
    beginResetModel();
    m_pContainer = nullptr;
    m_items.clear();
    m_folder.clear();
    m_bFolder = false;
    endResetModel();
}

void CItemListModel::ShowContainer(cTournelDb& container)
{
    beginResetModel();
    m_pContainer = &container;
    m_folder.clear();
    m_bFolder = false;
    m_items = container.GetListed();
    endResetModel();
}

void CItemListModel::ShowFolder(std::vector<cFolderRow> rows)
{
    beginResetModel();
    m_pContainer = nullptr;
    m_items.clear();
    m_folder = std::move(rows);
    m_bFolder = true;
    endResetModel();
}

cTournelObject* CItemListModel::ObjectAt(int row) const
{
    if (row < 0) {
        return nullptr;
    }
    const auto r = static_cast<std::size_t>(row);
    if (m_bFolder) {
        return r < m_folder.size() ? m_folder[r].object : nullptr;
    }
    return r < m_items.size() ? m_items[r] : nullptr;
}

cDbItem* CItemListModel::ItemAt(int row) const
{
    if (m_bFolder || row < 0 || static_cast<std::size_t>(row) >= m_items.size()) {
        return nullptr;
    }
    return m_items[static_cast<std::size_t>(row)];
}

int CItemListModel::RowOf(const cDbItem* item) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i] == item) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CItemListModel::ColumnWidth(int column) const
{
    if (m_bFolder) {
        return 18;
    }
    if (m_pContainer == nullptr || column < 0 ||
        static_cast<std::size_t>(column) >= m_pContainer->GetColumns().size()) {
        return 0;
    }
    return m_pContainer->GetColumns()[static_cast<std::size_t>(column)].width;
}

void CItemListModel::RowChanged(int row)
{
    if (row >= 0 && row < rowCount()) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

int CItemListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid()) {
        return 0;
    }
    return static_cast<int>(m_bFolder ? m_folder.size() : m_items.size());
}

int CItemListModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid()) {
        return 0;
    }
    if (m_bFolder) {
        return 1;
    }
    return m_pContainer != nullptr ? static_cast<int>(m_pContainer->GetColumns().size()) : 0;
}

Qt::Alignment CItemListModel::AlignmentOf(int column) const
{
    if (m_bFolder || m_pContainer == nullptr) {
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
    switch (m_pContainer->GetColumns()[static_cast<std::size_t>(column)].alignment) {
    case kAlignCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case kAlignRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QVariant CItemListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (m_bFolder) {
            return m_folder[row].text;
        }
        return QString::fromStdString(m_items[row]->GetColumnText(index.column()));
    case Qt::DecorationRole:
        if (index.column() != 0) {
            return {};
        }
        return DirectoryImage(m_bFolder ? m_folder[row].image : m_pContainer->m_nKind);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(index.column()));
    case Qt::BackgroundRole:
        if (!m_bFolder && m_fnMarked && m_fnMarked(m_items[row])) {
            return QBrush(QColor(255, 210, 200));
        }
        return {};
    default:
        return {};
    }
}

QVariant CItemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        if (m_bFolder) {
            return QString::fromUtf8(GetString(IDS_COLUMN_NAME));
        }
        return QString::fromUtf8(
            GetString(m_pContainer->GetColumns()[static_cast<std::size_t>(section)].titleId));
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(AlignmentOf(section));
    }
    return {};
}
