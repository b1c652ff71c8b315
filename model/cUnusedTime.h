#pragma once

#include "model/Calendar.h"
#include "model/cDbItem.h"

// A period of free court time [m_tStart, m_tEnd) on one court.
class cUnusedTime : public cDbItem
{
public:
    cUnusedTime() = default;
    cUnusedTime(int court, TimePoint start, TimePoint end)
        : m_tEnd(end)
        , m_tStart(start)
        , m_nCourt(court)
    {
    }

    std::string_view GetRuntimeClass() const override { return "cUnusedTime"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cDbItem::Fields(self, v);
        v.Int(self.m_nCourt, {.name = "m_nCourt"});
        v.Time(self.m_tStart, {.name = "m_tStart"});
        v.Time(self.m_tEnd, {.name = "m_tEnd"});
    }
    // Ascending start, then ascending court index.
    bool IsBefore(const cDbItem* other) const override;
    std::string GetColumnText(int column) const override;

    TimePoint GetStart() const { return m_tStart; }
    TimePoint GetEnd() const { return m_tEnd; }
    int GetCourt() const { return m_nCourt; }

    TimePoint m_tEnd = 0; // exclusive; a period ending at 2400 ends at 00:00 of the next day
    TimePoint m_tStart = 0;
    int m_nCourt = -1;
};
