#pragma once

#include "model/Calendar.h"
#include "model/cDbItem.h"

// A holiday of a league, team or official: 00:00 of the first day to 23:59 of the last.
class cIllDate : public cDbItem
{
public:
    std::string_view GetRuntimeClass() const override { return "cIllDate"; }
    // Ascending start, then ascending end.
    bool IsBefore(const cDbItem* other) const override;
    std::string GetColumnText(int column) const override;

    TimePoint m_tStart = 0;
    TimePoint m_tEnd = 0;
};
