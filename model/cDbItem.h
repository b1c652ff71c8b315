#pragma once

#include "model/StoredFields.h"
#include "model/cTournelObject.h"

#include <array>
#include <memory>
#include <string>

class cDatabase;
class cMatch;
class cTournelDb;

// An item kept in a container. The container links its items in a list and
// owns them; an item owns up to four child containers.
class cDbItem : public cTournelObject
{
public:
    static constexpr int kChildSlots = 4;

    // Flags of OnDelete.
    static constexpr int kDeleteDiscard = 2; // a match is dropped, not returned to the unscheduled list

    cDbItem();
    ~cDbItem() override;

    std::string_view GetRuntimeClass() const override { return "cDbItem"; }

    // The stored fields, in file order (see StoredFields.h).
    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        v.Int(self.m_bFiltered, {.name = "m_bFiltered"});
        v.Int(self.m_bMarked, {.name = "m_bMarked"});
        v.Int(self.m_bHidden, {.name = "m_bHidden", .since = 1.5, .fallback = 0});
    }
    int GetChildCount() const override;

    // Sort order: true when this item goes before `other` (null: always true).
    // Plain items keep insertion order.
    virtual bool IsBefore(const cDbItem* other) const { return other == nullptr; }

    virtual std::string GetColumnText(int column) const;

    // Clean-up when the user deletes the item, called after the item has left
    // `from`, its container, and before it is destroyed.
    virtual void OnDelete(cDatabase& db, cTournelDb& from, int flags);
    // True when OnDelete deletes the scheduled `match` (and its result) with
    // the item. Asked before the deletion, while the item is in its container,
    // so that the user is told of the results that would go.
    virtual bool DeletesMatch(const cMatch& /*match*/) const { return false; }

    cTournelDb* GetChild(int slot);
    const cTournelDb* GetChild(int slot) const;
    cTournelDb* GetOwner() const { return m_pOwner; }

    // The database the item belongs to through its containers; null while the
    // item is in none.
    cDatabase* GetDatabase() const;

    // Links of the owning list, hidden items included; null at the ends.
    cDbItem* NextLink() const { return m_pNext; }
    cDbItem* PrevLink() const { return m_pPrev; }

    // The node that stands for the item in a view. The core never interprets it.
    const void* GetTreeNode(bool* isSet = nullptr) const;
    void SetTreeNode(const void* node);

    int m_bFiltered = 0; // hidden from its directory list by the view filter
    int m_bHidden = 0;   // skipped by every traversal
    int m_bMarked = 0;   // selection mark of a command on several items

protected:
    // Creates the child container of `slot`, owned by this item.
    template <class T> T& CreateChild(int slot)
    {
        auto child = std::make_unique<T>();
        T& ref = *child;
        SetChild(slot, std::move(child));
        return ref;
    }
    void SetChild(int slot, std::unique_ptr<cTournelDb> child);

private:
    friend class cTournelDb;

    cDbItem* m_pNext = nullptr;
    cDbItem* m_pPrev = nullptr;
    cTournelDb* m_pOwner = nullptr;
    const void* m_hTreeNode = nullptr;
    int m_bTreeNodeSet = 0;
    std::array<std::unique_ptr<cTournelDb>, kChildSlots> m_pChild;
};
