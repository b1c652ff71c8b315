#include "model/cIndexedDbItem.h"

#include "model/Calendar.h"
#include "model/Text.h"

bool cIndexedDbItem::IsBefore(const cDbItem* other) const
{
    if (other == nullptr) {
        return true;
    }
    // A container holds items of one kind only (the file reader enforces it).
    const auto& indexed = static_cast<const cIndexedDbItem&>(*other);
    return CompareText(indexed.m_strName, m_strName, true) == 1;
}
