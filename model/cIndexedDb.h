#pragma once

#include "model/cIndexedDbItem.h"
#include "model/cTournelDb.h"

#include <vector>

// A container whose items also sit in a table by index number.
class cIndexedDb : public cTournelDb
{
public:
    // Index numbers above this are refused: a file cannot make the table grow without bound.
    static constexpr int kIndexLimit = 1 << 20;

    std::string_view GetRuntimeClass() const override { return "cIndexedDb"; }

    // Adds the item. `index` >= 0 keeps that number (reading a file; the slot
    // must be free, see IsIndexFree); -1 gives the item a new number, reusing
    // the lowest free one.
    cIndexedDbItem& AddIndexedItem(std::unique_ptr<cIndexedDbItem> item, bool sorted, int index);

    [[nodiscard]] std::unique_ptr<cDbItem> RemoveItem(cDbItem& item) override;
    void DeleteAll() override;

    // The item with that index number, or null.
    cIndexedDbItem* GetItem(int index) const;
    bool IsIndexFree(int index) const
    {
        return index >= 0 && index < kIndexLimit && GetItem(index) == nullptr;
    }
    int GetMaxIndex() const { return m_nMaxIndex; }

private:
    void GrowTable(int size);

    std::vector<cIndexedDbItem*> m_table; // links into the list; never owning
    int m_nMaxIndex = -1;
};
