#pragma once

#include "model/Text.h"
#include "model/cDbItem.h"

#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class cDatabase;

enum : int
{
    kAlignLeft = 0,
    kAlignRight = 2,
    kAlignCenter = 6,
};

// One column of a directory list: heading (string id), width in characters, alignment.
struct cColumn
{
    int titleId = 0;
    int width = 0;
    int alignment = kAlignLeft;
};

// Directory ids, used for command enabling and to tell containers apart.
enum : int
{
    kDirCourts = 1,
    kDirCourtTime = 2,
    kDirLeagues = 3,
    kDirOfficials = 4,
    kDirTeams = 5,
    kDirResults = 6,
    kDirTable = 7,
    kDirUnscheduled = 8,
    kDirScheduled = 9,
    kDirRoot = 10,
    kDirHomeGrounds = 12,
    kDirHolidays = 13,
    kDirTeamConflicts = 14,
    kDirItem = 15,
    kDirPreferredTimes = 16,
};

// The items of a list that IsInOrder(), kept in a tree of the same order, so
// that places in the list are found without walking it. Whoever adds items
// to the list or takes them out while one is kept goes through it (Add,
// Forget); an item's key must not change while it is in the tree.
class cListOrder
{
public:
    explicit cListOrder(cTournelDb& list);

    // AddItem(item, true): the same place, found in the tree.
    cDbItem& Add(std::unique_ptr<cDbItem> item);
    void Forget(const cDbItem& item);
    // The first item of the list that `probe` goes before, or that does not
    // go before `probe`; null when none.
    cDbItem* FirstAfter(const cDbItem& probe) const;
    cDbItem* FirstNotBefore(const cDbItem& probe) const;
    std::size_t Size() const { return m_items.size(); }

private:
    struct cByOrder
    {
        bool operator()(const cDbItem* a, const cDbItem* b) const { return a->IsBefore(b); }
    };
    cTournelDb& m_list;
    std::multiset<const cDbItem*, cByOrder> m_items;
};

template <class T, bool kSkipHidden> class cItemRange;

// A container: a doubly linked list of items that it owns, and the
// description of its directory.
class cTournelDb : public cTournelObject
{
public:
    cTournelDb() = default;
    ~cTournelDb() override;

    std::string_view GetRuntimeClass() const override { return "cTournelDb"; }

    // Inserts the item; with `sorted` before the first item it goes before
    // (equal keys keep insertion order) and the database is marked modified,
    // otherwise at the tail.
    cDbItem& AddItem(std::unique_ptr<cDbItem> item, bool sorted);
    // Whether no item goes before the one ahead of it.
    bool IsInOrder() const;
    // Adds the item ahead of the item `before(item)` answers once the item
    // is owned here (so it reaches its database), or at the tail for null;
    // marks the database modified as a sorted AddItem does.
    template <class F> cDbItem& AddItemBefore(std::unique_ptr<cDbItem> item, F&& before)
    {
        cDbItem* adopted = Adopt(std::move(item));
        return Link(*adopted, before(static_cast<const cDbItem&>(*adopted)), true);
    }

    // Unlinks the item without destroying it; null when the item is not in
    // this container (or, for an indexed container, its index slot does not hold it).
    [[nodiscard]] virtual std::unique_ptr<cDbItem> RemoveItem(cDbItem& item);

    // RemoveItem, the item's OnDelete clean-up, then destruction.
    // False when the item could not be removed.
    bool DeleteItem(cDbItem& item, cDatabase& db, int flags = 0);

    // Destroys every item and marks the database modified.
    virtual void DeleteAll();

    // Traversal that skips hidden items.
    cDbItem* GetFirst() const;
    cDbItem* GetLast() const;
    static cDbItem* GetNext(const cDbItem& item);
    static cDbItem* GetPrev(const cDbItem& item);

    // The ends of the list, hidden items included.
    cDbItem* GetHead() const { return m_pHead; }
    cDbItem* GetTail() const { return m_pTail; }

    int GetCount() const { return m_nCount; }

    // The items the directory's list shows, in list order: hidden items and
    // those the view filter leaves out (m_bFiltered) are not among them. A
    // print or a written file of the directory holds exactly these.
    std::vector<cDbItem*> GetListed() const;

    // The remembered row, never past the last item (-1 when the list is empty).
    int GetCursor() const { return m_nCursor < m_nCount ? m_nCursor : m_nCount - 1; }

    // Rebuilds the contents when out of date (derived lists, tables, filters).
    void Refresh();

    // The first item, from `start` on in the given direction, one of whose
    // columns 0 ... lastColumn compares equal to `text` (CompareText with `exact`).
    cDbItem* FindText(std::string_view text, const cDbItem* start, bool forward, bool fromEnd, bool exact,
                      int lastColumn) const;

    // The search of the Find command: up to three texts, any or all of which
    // must match a column 0 ... 12.
    cDbItem* FindItem(const std::string (&texts)[3], const cDbItem* start, bool forward, bool fromEnd,
                      bool wholeWord, bool all) const;

    void SetColumns(std::vector<cColumn> columns) { m_columns = std::move(columns); }
    const std::vector<cColumn>& GetColumns() const { return m_columns; }

    cDbItem* GetOwnerItem() const { return m_pOwner; }
    void SetOwnerItem(cDbItem* owner) { m_pOwner = owner; }

    // Set on the document's top-level containers; child containers find the
    // database through their owners.
    void SetDatabase(cDatabase* db) { m_pDatabase = db; }
    cDatabase* GetDatabase() const;

    // Typed walks: Items<T>() skips hidden items, AllItems<T>() does not.
    // Do not delete the current item inside such a loop.
    template <class T> cItemRange<T, true> Items() const;
    template <class T> cItemRange<T, false> AllItems() const;

    int m_nCursor = 0;       // remembered row of the directory list
    int m_bRelistOnEdit = 1; // rebuild the whole list after an edit
    cDbItem* m_pCurrent = nullptr;
    int m_bUpToDate = 1; // 0: rebuilt at the next Refresh
    int m_bReadOnly = 0; // the user cannot insert items
    int m_nTitleId = 0;  // string id of the directory name
    int m_nKind = 0;
    int m_nImage = 0;
    int m_nSelectedImage = 0;
    int m_nDirectoryId = 0;
    const void* m_hTreeNode = nullptr; // a view's node; never interpreted here

protected:
    void MarkModified() const;
    // Tells the database's listener that the items changed; `removed` is the
    // item being taken out (null: an addition).
    void Announce(const cDbItem* removed) const;

private:
    // Takes the item into this container, not yet linked into the list.
    cDbItem* Adopt(std::unique_ptr<cDbItem> item);
    // Links an adopted item in ahead of `before` (null: at the tail).
    cDbItem& Link(cDbItem& item, cDbItem* before, bool modifies);

    cDbItem* m_pOwner = nullptr;
    cDatabase* m_pDatabase = nullptr;
    cDbItem* m_pHead = nullptr;
    cDbItem* m_pTail = nullptr;
    int m_nCount = 0;
    std::vector<cColumn> m_columns;
};

template <class T, bool kSkipHidden> class cItemRange
{
public:
    class iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = T*;
        using reference = T&;

        explicit iterator(cDbItem* item)
            : m_pItem(item)
        {
        }
        T& operator*() const { return static_cast<T&>(*m_pItem); }
        T* operator->() const { return static_cast<T*>(m_pItem); }
        iterator& operator++()
        {
            m_pItem = kSkipHidden ? cTournelDb::GetNext(*m_pItem) : m_pItem->NextLink();
            return *this;
        }
        bool operator==(const iterator& other) const { return m_pItem == other.m_pItem; }
        bool operator!=(const iterator& other) const { return m_pItem != other.m_pItem; }

    private:
        cDbItem* m_pItem;
    };

    explicit cItemRange(cDbItem* first)
        : m_pFirst(first)
    {
    }
    iterator begin() const { return iterator(m_pFirst); }
    iterator end() const { return iterator(nullptr); }

private:
    cDbItem* m_pFirst;
};

template <class T> cItemRange<T, true> cTournelDb::Items() const
{
    return cItemRange<T, true>(GetFirst());
}

template <class T> cItemRange<T, false> cTournelDb::AllItems() const
{
    return cItemRange<T, false>(m_pHead);
}
