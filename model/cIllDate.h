#pragma once

#include "model/Calendar.h"
#include "model/cDbItem.h"

// A holiday of a league, team or official: 00:00 of the first day to 23:59 of the last.
class cIllDate : public cDbItem
{
public:
    std::string_view GetRuntimeClass() const override { return "cIllDate"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cDbItem::Fields(self, v);
        v.Time(self.m_tStart, {.name = "m_tStart"});
        v.Time(self.m_tEnd, {.name = "m_tEnd"});
    }
    // Ascending start, then ascending end.
    bool IsBefore(const cDbItem* other) const override;
    std::string GetColumnText(int column) const override;

    TimePoint m_tStart = 0;
    TimePoint m_tEnd = 0;
};
