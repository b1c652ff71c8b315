#pragma once

#include "model/cDbItem.h"

// A team conflict: the owner should not play (or officiate) on the day the named team plays.
class cIllTeam : public cDbItem
{
public:
    std::string_view GetRuntimeClass() const override { return "cIllTeam"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cDbItem::Fields(self, v);
        v.Int(self.m_nLeague, {.name = "m_nLeague"});
        v.Int(self.m_nTeam, {.name = "m_nTeam"});
        v.Int(self.m_bTwinTeam, {.name = "m_bTwinTeam"});
    }
    // League short name, then team name.
    bool IsBefore(const cDbItem* other) const override;
    std::string GetColumnText(int column) const override;

    int m_nLeague = -1;
    int m_nTeam = -1;
    int m_bTwinTeam = 0; // twins never play on the same day on different courts
};
