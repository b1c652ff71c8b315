#include "document/cDirectoryPath.h"

#include "model/cDatabase.h"
#include "model/cIndexedDb.h"

#include <algorithm>

namespace {

int PlaceOf(const cTournelDb& container, const cDbItem& item)
{
    int place = 0;
    for (const cDbItem& each : container.AllItems<cDbItem>()) {
        if (&each == &item) {
            return place;
        }
        ++place;
    }
    return -1;
}

cDbItem* ItemAt(cTournelDb& container, int number)
{
    if (auto* indexed = dynamic_cast<cIndexedDb*>(&container)) {
        return number >= 0 && number <= indexed->GetMaxIndex() ? indexed->GetItem(number) : nullptr;
    }
    int place = 0;
    for (cDbItem& each : container.AllItems<cDbItem>()) {
        if (place++ == number) {
            return &each;
        }
    }
    return nullptr;
}

cTournelDb* ChildWithDirectory(cDbItem& item, int directory)
{
    for (int slot = 0; slot < cDbItem::kChildSlots; ++slot) {
        if (cTournelDb* child = item.GetChild(slot); child != nullptr && child->m_nDirectoryId == directory) {
            return child;
        }
    }
    return nullptr;
}

cTournelDb* TopLevelWithDirectory(cDatabase& db, int directory)
{
    if (!db.HasContainers()) {
        return nullptr;
    }
    for (cTournelDb* container :
         {static_cast<cTournelDb*>(&db.Courts()), &db.CourtTime(), static_cast<cTournelDb*>(&db.Leagues()),
          static_cast<cTournelDb*>(&db.Officials()), &db.Unscheduled(), &db.Scheduled(), &db.Results()}) {
        if (container->m_nDirectoryId == directory) {
            return container;
        }
    }
    return nullptr;
}

} // namespace

cDirectoryPath cDirectoryPath::Of(const cTournelObject* object)
{
    cDirectoryPath path;
    const auto* item = dynamic_cast<const cDbItem*>(object);
    const auto* container = dynamic_cast<const cTournelDb*>(object);
    while (item != nullptr || container != nullptr) {
        if (item != nullptr) {
            container = item->GetOwner();
            if (container == nullptr) {
                return {}; // an item in no container has no directory: the root
            }
            const auto* indexed = dynamic_cast<const cIndexedDbItem*>(item);
            const bool byIndex = indexed != nullptr && dynamic_cast<const cIndexedDb*>(container) != nullptr;
            path.m_steps.push_back({true, byIndex ? indexed->m_nIndex : PlaceOf(*container, *item)});
            item = nullptr;
        } else {
            path.m_steps.push_back({false, container->m_nDirectoryId});
            item = container->GetOwnerItem();
            container = nullptr;
        }
    }
    std::reverse(path.m_steps.begin(), path.m_steps.end());
    return path;
}

cTournelObject* cDirectoryPath::Find(cDatabase& db) const
{
    cTournelObject* found = nullptr;
    cTournelDb* container = nullptr;
    cDbItem* item = nullptr;
    for (const cStep& step : m_steps) {
        if (step.item) {
            item = container != nullptr ? ItemAt(*container, step.number) : nullptr;
            if (item == nullptr) {
                break;
            }
            found = item;
        } else {
            container = item != nullptr ? ChildWithDirectory(*item, step.number)
                                        : TopLevelWithDirectory(db, step.number);
            if (container == nullptr) {
                break;
            }
            found = container;
        }
    }
    return found;
}
