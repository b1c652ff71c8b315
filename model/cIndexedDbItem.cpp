#include "model/cIndexedDbItem.h"

#include "model/Calendar.h"

bool cIndexedDbItem::IsBefore(const cDbItem* other) const
{
    if (other == nullptr) {
        return true;
    }
    const auto* indexed = dynamic_cast<const cIndexedDbItem*>(other);
    if (indexed == nullptr) {
        return false;
    }
    return CompareText(indexed->m_strName, m_strName, true) == 1;
}
