#pragma once

#include "model/cDbItem.h"

#include <string>

// An item with an index number unique in its cIndexedDb, a name and a short name.
class cIndexedDbItem : public cDbItem
{
public:
    std::string_view GetRuntimeClass() const override { return "cIndexedDbItem"; }

    // Ascending by full name in the folded name order.
    bool IsBefore(const cDbItem* other) const override;

    int m_nIndex = 0;
    std::string m_strName;      // UTF-8
    std::string m_strShortName; // UTF-8
};
