#pragma once

#include "model/cIndexedDbItem.h"

// A court: a place where matches are played.
class cCourt : public cIndexedDbItem
{
public:
    std::string_view GetRuntimeClass() const override { return "cCourt"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cIndexedDbItem::Fields(self, v);
        v.Int(self.m_nReserved1, {.name = "m_nReserved1"});
        v.Int(self.m_nReserved2, {.name = "m_nReserved2"});
        v.Int(self.m_bReservedHomeGround, {.name = "m_bReservedHomeGround"});
        v.Int(self.m_nRating, {.name = "m_nRating"});
    }
    std::string GetColumnText(int column) const override;

    // Deletes its home grounds, its scheduled matches and its court time; a
    // court filter naming it is reset to all courts.
    void OnDelete(cDatabase& db, cTournelDb& from, int flags) override;
    // Every match on the court.
    bool DeletesMatch(const cMatch& match) const override;

    int m_nReserved1 = 1440; // stored, never used
    int m_nReserved2 = 0;    // stored, always 0
    int m_bReservedHomeGround = 0;
    int m_nRating = 1; // 1-9
};
