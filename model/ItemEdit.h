#pragma once

// Changing an item that sits in a sorted container: it is taken out, changed
// and put back in its sorted place; an indexed item keeps its index number.

#include "model/cDatabase.h"
#include "model/cIndexedDb.h"
#include "model/cTournelDb.h"

#include <memory>
#include <type_traits>

// Puts every item of the container in its sorted place again, after a key
// that lives outside the items changed (a court's name orders matches,
// results and home grounds). Every item is taken out and added back, none is
// destroyed, so links to them (a result's match) stay valid; items whose keys
// compare equal keep their order, as AddItem with `sorted` keeps it.
void ResortItems(cTournelDb& container);

template <class T, class F> T& EditItemInPlace(cDatabase& db, T& item, F change)
{
    cTournelDb* owner = item.GetOwner();
    std::unique_ptr<cDbItem> removed = owner != nullptr ? owner->RemoveItem(item) : nullptr;
    change(item);
    if (removed) {
        if constexpr (std::is_base_of_v<cIndexedDbItem, T>) {
            const int index = item.m_nIndex;
            std::unique_ptr<cIndexedDbItem> indexed(static_cast<cIndexedDbItem*>(removed.release()));
            static_cast<cIndexedDb*>(owner)->AddIndexedItem(std::move(indexed), true, index);
        } else {
            owner->AddItem(std::move(removed), true);
        }
    }
    db.SetModifiedFlag();
    return item;
}
