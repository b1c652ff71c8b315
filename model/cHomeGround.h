#pragma once

#include "model/Calendar.h"
#include "model/cDbItem.h"

// Where and when a team plays its home matches.
class cHomeGround : public cDbItem
{
public:
    std::string_view GetRuntimeClass() const override { return "cHomeGround"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cDbItem::Fields(self, v);
        v.Int(self.m_nCourt, {.name = "m_nCourt"});
        v.Int(self.m_nWeekday, {.name = "m_nWeekday"});
        v.Int(self.m_nStart, {.name = "m_nStart"});
        v.Int(self.m_nEnd, {.name = "m_nEnd"});
    }
    // Court full name, then weekday, then start.
    bool IsBefore(const cDbItem* other) const override;
    std::string GetColumnText(int column) const override;

    int m_nCourt = -1;
    Weekday m_nWeekday = -1; // -1: every weekday
    ClockTime m_nStart = 0;
    ClockTime m_nEnd = 2400;
};
