#pragma once

#include "model/cMatch.h"

#include <string>

// A scheduled match outside the leagues; teams and number are free texts.
class cPlayoffMatch : public cMatch
{
public:
    cPlayoffMatch();

    std::string_view GetRuntimeClass() const override { return "cPlayoffMatch"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cMatch::Fields(self, v);
        v.Text(self.m_strHomeTeam, {.name = "m_strHomeTeam"});
        v.Text(self.m_strGuestTeam, {.name = "m_strGuestTeam"});
        v.Text(self.m_strNumber, {.name = "m_strNumber"});
    }
    void OnDelete(cDatabase& db, cTournelDb& from, int flags) override;

    std::string GetGuestName() const override { return m_strGuestTeam; }
    std::string GetHomeName() const override { return m_strHomeTeam; }
    std::string GetLabel() const override { return m_strNumber; }
    bool IsPlayoff() const override { return true; }

    std::string m_strHomeTeam;
    std::string m_strGuestTeam;
    std::string m_strNumber;
};
