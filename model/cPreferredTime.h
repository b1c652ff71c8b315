#pragma once

#include "model/Calendar.h"
#include "model/cDbItem.h"

// A preferred playing time of a league, team or official.
class cPreferredTime : public cDbItem
{
public:
    std::string_view GetRuntimeClass() const override { return "cPreferredTime"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cDbItem::Fields(self, v);
        v.Int(self.m_nWeekday, {.name = "m_nWeekday"});
        v.Int(self.m_nStart, {.name = "m_nStart"});
        v.Int(self.m_nEnd, {.name = "m_nEnd"});
    }
    // Ascending weekday, then ascending start.
    bool IsBefore(const cDbItem* other) const override;
    std::string GetColumnText(int column) const override;

    Weekday m_nWeekday = -1;
    ClockTime m_nStart = 0;
    ClockTime m_nEnd = 2400;
};
