#include "model/cDbItem.h"

#include "model/Strings.h"
#include "model/cTournelDb.h"

#include <cassert>

cDbItem::cDbItem() = default;

// The child containers are destroyed by their unique_ptrs, each destroying its items.
cDbItem::~cDbItem() = default;

int cDbItem::GetChildCount() const
{
    int count = 0;
    for (const auto& child : m_pChild) {
        if (child) {
            ++count;
        }
    }
    return count;
}

std::string cDbItem::GetColumnText(int) const
{
    return GetString(IDS_UNEXPECTED_ERROR_SHORT);
}

void cDbItem::OnDelete(cDatabase&, cTournelDb&, int) {}

cTournelDb* cDbItem::GetChild(int slot)
{
    if (slot < 0 || slot >= kChildSlots) {
        return nullptr;
    }
    return m_pChild[static_cast<std::size_t>(slot)].get();
}

const cTournelDb* cDbItem::GetChild(int slot) const
{
    return const_cast<cDbItem*>(this)->GetChild(slot);
}

void cDbItem::SetChild(int slot, std::unique_ptr<cTournelDb> child)
{
    assert(slot >= 0 && slot < kChildSlots);
    if (child) {
        child->SetOwnerItem(this);
    }
    m_pChild[static_cast<std::size_t>(slot)] = std::move(child);
}

cDatabase* cDbItem::GetDatabase() const
{
    return m_pOwner != nullptr ? m_pOwner->GetDatabase() : nullptr;
}

const void* cDbItem::GetTreeNode(bool* isSet) const
{
    if (isSet != nullptr) {
        *isSet = m_bTreeNodeSet != 0;
    }
    return m_hTreeNode;
}

void cDbItem::SetTreeNode(const void* node)
{
    m_hTreeNode = node;
    m_bTreeNodeSet = 1;
}
