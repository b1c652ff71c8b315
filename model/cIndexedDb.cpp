#include "model/cIndexedDb.h"

#include <cassert>

void cIndexedDb::GrowTable(int size)
{
    if (static_cast<int>(m_table.size()) < size) {
        // Grown 25 slots at a time.
        const int rounded = (size + 24) / 25 * 25;
        m_table.resize(static_cast<std::size_t>(rounded), nullptr);
    }
}

cIndexedDbItem& cIndexedDb::AddIndexedItem(std::unique_ptr<cIndexedDbItem> owned, bool sorted, int index)
{
    assert(index < 0 || IsIndexFree(index));
    cIndexedDbItem* item = owned.get();
    AddItem(std::move(owned), sorted);
    if (index >= 0) {
        GrowTable(index + 1);
        m_table[static_cast<std::size_t>(index)] = item;
        if (m_nMaxIndex < index) {
            m_nMaxIndex = index;
        }
        item->m_nIndex = index;
        return *item;
    }
    int number = 0;
    if (GetCount() == m_nMaxIndex + 2) {
        number = m_nMaxIndex + 1;
        m_nMaxIndex = number;
    } else {
        while (number < static_cast<int>(m_table.size()) &&
               m_table[static_cast<std::size_t>(number)] != nullptr) {
            ++number;
        }
        if (m_nMaxIndex < number) {
            m_nMaxIndex = number;
        }
    }
    GrowTable(number + 1);
    m_table[static_cast<std::size_t>(number)] = item;
    item->m_nIndex = number;
    return *item;
}

std::unique_ptr<cDbItem> cIndexedDb::RemoveItem(cDbItem& item)
{
    if (item.GetOwner() != this) {
        return nullptr;
    }
    auto& indexed = static_cast<cIndexedDbItem&>(item);
    const int index = indexed.m_nIndex;
    if (index < 0 || index > m_nMaxIndex || index >= static_cast<int>(m_table.size()) ||
        m_table[static_cast<std::size_t>(index)] != &item) {
        return nullptr;
    }
    m_table[static_cast<std::size_t>(index)] = nullptr;
    if (index == m_nMaxIndex && index > 0) {
        int highest = index - 1;
        while (highest >= 0 && m_table[static_cast<std::size_t>(highest)] == nullptr) {
            --highest;
        }
        m_nMaxIndex = highest;
    }
    return cTournelDb::RemoveItem(item);
}

void cIndexedDb::DeleteAll()
{
    cTournelDb::DeleteAll();
    std::fill(m_table.begin(), m_table.end(), nullptr);
    m_nMaxIndex = -1;
}

cIndexedDbItem* cIndexedDb::GetItem(int index) const
{
    if (index < 0 || index > m_nMaxIndex || index >= static_cast<int>(m_table.size())) {
        return nullptr;
    }
    return m_table[static_cast<std::size_t>(index)];
}
