#include "model/ItemEdit.h"

#include <algorithm>
#include <vector>

void ResortItems(cTournelDb& container)
{
    // Sorted while still in the container: an order by names looks them up
    // through the item's database, which an item taken out has not. A stable
    // sort gives the order that adding the items back one by one with
    // AddItem(sorted) would give, without a walk from the head for each.
    std::vector<cDbItem*> items;
    items.reserve(static_cast<std::size_t>(container.GetCount()));
    for (cDbItem* item = container.GetHead(); item != nullptr; item = item->NextLink()) {
        items.push_back(item);
    }
    std::vector<cDbItem*> sorted = items;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const cDbItem* a, const cDbItem* b) { return a->IsBefore(b); });
    if (sorted == items) {
        return;
    }
    cDbItem* const current = container.m_pCurrent;
    // Taking each out and appending it, in sorted order, leaves the list sorted.
    for (cDbItem* item : sorted) {
        container.AddItem(container.RemoveItem(*item), false);
    }
    container.m_pCurrent = current;
}
