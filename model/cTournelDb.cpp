#include "model/cTournelDb.h"

#include "model/Calendar.h"
#include "model/Text.h"
#include "model/cDatabase.h"

#include <cassert>

cTournelDb::~cTournelDb()
{
    cDbItem* item = m_pHead;
    while (item != nullptr) {
        cDbItem* next = item->m_pNext;
        delete item;
        item = next;
    }
}

cDatabase* cTournelDb::GetDatabase() const
{
    if (m_pDatabase != nullptr) {
        return m_pDatabase;
    }
    return m_pOwner != nullptr ? m_pOwner->GetDatabase() : nullptr;
}

void cTournelDb::MarkModified() const
{
    if (cDatabase* db = GetDatabase()) {
        db->SetModifiedFlag(true);
    }
}

void cTournelDb::Announce(const cDbItem* removed) const
{
    if (const cDatabase* db = GetDatabase()) {
        db->AnnounceItemsChanged(*this, removed);
    }
}

cDbItem& cTournelDb::AddItem(std::unique_ptr<cDbItem> owned, bool sorted)
{
    cDbItem* item = Adopt(std::move(owned));
    cDbItem* before = nullptr;
    if (sorted) {
        for (cDbItem* p = m_pHead; p != nullptr; p = p->m_pNext) {
            if (item->IsBefore(p)) {
                before = p;
                break;
            }
        }
    }
    return Link(*item, before, sorted);
}

bool cTournelDb::IsInOrder() const
{
    for (const cDbItem* p = m_pHead; p != nullptr && p->m_pNext != nullptr; p = p->m_pNext) {
        if (p->m_pNext->IsBefore(p)) {
            return false;
        }
    }
    return true;
}

cDbItem* cTournelDb::Adopt(std::unique_ptr<cDbItem> owned)
{
    assert(owned && owned->m_pOwner == nullptr);
    cDbItem* item = owned.release();
    // Owned before it is compared: an item reaches its database through its owner.
    item->m_pOwner = this;
    item->m_pNext = nullptr;
    item->m_pPrev = nullptr;
    return item;
}

cDbItem& cTournelDb::Link(cDbItem& item, cDbItem* before, bool modifies)
{
    if (modifies) {
        MarkModified();
    }
    Announce(nullptr);
    ++m_nCount;
    if (m_pHead == nullptr) {
        m_pHead = m_pTail = &item;
    } else if (before != nullptr) {
        item.m_pNext = before;
        item.m_pPrev = before->m_pPrev;
        if (before->m_pPrev != nullptr) {
            before->m_pPrev->m_pNext = &item;
        } else {
            m_pHead = &item;
        }
        before->m_pPrev = &item;
    } else {
        item.m_pPrev = m_pTail;
        m_pTail->m_pNext = &item;
        m_pTail = &item;
    }
    return item;
}

std::unique_ptr<cDbItem> cTournelDb::RemoveItem(cDbItem& item)
{
    if (item.m_pOwner != this) {
        return nullptr;
    }
    Announce(&item);
    --m_nCount;
    if (item.m_pPrev != nullptr) {
        item.m_pPrev->m_pNext = item.m_pNext;
    } else {
        m_pHead = item.m_pNext;
    }
    if (item.m_pNext != nullptr) {
        item.m_pNext->m_pPrev = item.m_pPrev;
    } else {
        m_pTail = item.m_pPrev;
    }
    if (m_pCurrent == &item) {
        m_pCurrent = nullptr;
    }
    item.m_pNext = nullptr;
    item.m_pPrev = nullptr;
    item.m_pOwner = nullptr;
    MarkModified();
    return std::unique_ptr<cDbItem>(&item);
}

bool cTournelDb::DeleteItem(cDbItem& item, cDatabase& db, int flags)
{
    std::unique_ptr<cDbItem> removed = RemoveItem(item);
    if (!removed) {
        return false;
    }
    removed->OnDelete(db, *this, flags);
    return true;
}

void cTournelDb::DeleteAll()
{
    MarkModified();
    for (const cDbItem* item = m_pHead; item != nullptr; item = item->m_pNext) {
        Announce(item);
    }
    cDbItem* item = m_pHead;
    m_pHead = m_pTail = nullptr;
    m_nCount = 0;
    m_pCurrent = nullptr;
    while (item != nullptr) {
        cDbItem* next = item->m_pNext;
        delete item;
        item = next;
    }
}

cDbItem* cTournelDb::GetFirst() const
{
    cDbItem* item = m_pHead;
    while (item != nullptr && item->m_bHidden != 0) {
        item = item->m_pNext;
    }
    return item;
}

cDbItem* cTournelDb::GetLast() const
{
    cDbItem* item = m_pTail;
    while (item != nullptr && item->m_bHidden != 0) {
        item = item->m_pPrev;
    }
    return item;
}

cDbItem* cTournelDb::GetNext(const cDbItem& from)
{
    cDbItem* item = from.m_pNext;
    while (item != nullptr && item->m_bHidden != 0) {
        item = item->m_pNext;
    }
    return item;
}

cDbItem* cTournelDb::GetPrev(const cDbItem& from)
{
    cDbItem* item = from.m_pPrev;
    while (item != nullptr && item->m_bHidden != 0) {
        item = item->m_pPrev;
    }
    return item;
}

std::vector<cDbItem*> cTournelDb::GetListed() const
{
    std::vector<cDbItem*> listed;
    for (cDbItem* item = GetFirst(); item != nullptr; item = GetNext(*item)) {
        if (item->m_bFiltered == 0) {
            listed.push_back(item);
        }
    }
    return listed;
}

void cTournelDb::Refresh()
{
    if (m_bUpToDate != 0) {
        return;
    }
    if (cDatabase* db = GetDatabase()) {
        db->Rebuild(*this);
    }
}

cDbItem* cTournelDb::FindText(std::string_view text, const cDbItem* start, bool forward, bool fromEnd,
                              bool exact, int lastColumn) const
{
    cDbItem* item = nullptr;
    if (start == nullptr || fromEnd) {
        item = forward ? GetFirst() : GetLast();
    } else {
        item = forward ? GetNext(*start) : GetPrev(*start);
    }
    for (; item != nullptr; item = forward ? GetNext(*item) : GetPrev(*item)) {
        for (int column = 0; column <= lastColumn; ++column) {
            if (CompareText(text, item->GetColumnText(column), exact) == 0) {
                return item;
            }
        }
    }
    return nullptr;
}

cDbItem* cTournelDb::FindItem(const std::string (&texts)[3], const cDbItem* start, bool forward, bool fromEnd,
                              bool wholeWord, bool all) const
{
    constexpr int kLastColumn = 12;
    int wanted = 0;
    for (const std::string& text : texts) {
        if (!text.empty()) {
            ++wanted;
        }
    }
    if (wanted == 0) {
        return nullptr;
    }
    cDbItem* item = nullptr;
    if (start == nullptr || fromEnd) {
        item = forward ? GetFirst() : GetLast();
    } else {
        item = forward ? GetNext(*start) : GetPrev(*start);
    }
    for (; item != nullptr; item = forward ? GetNext(*item) : GetPrev(*item)) {
        std::string columns[kLastColumn + 1];
        for (int column = 0; column <= kLastColumn; ++column) {
            columns[column] = item->GetColumnText(column);
        }
        int matched = 0;
        for (const std::string& text : texts) {
            if (text.empty()) {
                continue;
            }
            for (const std::string& column : columns) {
                if (CompareText(text, column, wholeWord) == 0) {
                    ++matched;
                    break;
                }
            }
        }
        if (all ? matched == wanted : matched > 0) {
            return item;
        }
    }
    return nullptr;
}

cListOrder::cListOrder(cTournelDb& list)
    : m_list(list)
{
    for (const cDbItem* item = list.GetHead(); item != nullptr; item = item->NextLink()) {
        m_items.insert(m_items.end(), item);
    }
}

cDbItem* cListOrder::FirstAfter(const cDbItem& probe) const
{
    const auto found = m_items.upper_bound(&probe);
    if (found == m_items.end()) {
        return nullptr;
    }
    // Items of equal order may stand in the list in another order than in the tree.
    cDbItem* first = const_cast<cDbItem*>(*found);
    while (first->PrevLink() != nullptr && probe.IsBefore(first->PrevLink())) {
        first = first->PrevLink();
    }
    return first;
}

cDbItem* cListOrder::FirstNotBefore(const cDbItem& probe) const
{
    const auto found = m_items.lower_bound(&probe);
    if (found == m_items.end()) {
        return nullptr;
    }
    cDbItem* first = const_cast<cDbItem*>(*found);
    while (first->PrevLink() != nullptr && !first->PrevLink()->IsBefore(&probe)) {
        first = first->PrevLink();
    }
    return first;
}

cDbItem& cListOrder::Add(std::unique_ptr<cDbItem> item)
{
    cDbItem& added =
        m_list.AddItemBefore(std::move(item), [this](const cDbItem& adopted) { return FirstAfter(adopted); });
    m_items.insert(&added);
    return added;
}

void cListOrder::Forget(const cDbItem& item)
{
    auto [from, to] = m_items.equal_range(&item);
    for (; from != to; ++from) {
        if (*from == &item) {
            m_items.erase(from);
            return;
        }
    }
}
