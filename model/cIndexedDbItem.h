#pragma once

#include "model/cDbItem.h"

#include <string>

// An item with an index number unique in its cIndexedDb, a name and a short name.
class cIndexedDbItem : public cDbItem
{
public:
    std::string_view GetRuntimeClass() const override { return "cIndexedDbItem"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cDbItem::Fields(self, v);
        v.Int(self.m_nIndex, {.name = "m_nIndex"});
        v.Text(self.m_strName, {.name = "m_strName"});
        v.Text(self.m_strShortName, {.name = "m_strShortName"});
    }

    // Ascending by full name in the folded name order.
    bool IsBefore(const cDbItem* other) const override;

    int m_nIndex = 0;
    std::string m_strName;      // UTF-8
    std::string m_strShortName; // UTF-8
};
