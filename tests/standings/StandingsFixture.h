#pragma once

// A league of teams A, B, C, ... (index numbers 0, 1, 2, ... and table rows
// in that order) whose results are added straight to the results container.

#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "standings/Standings.h"
#include "support/TestBuilders.h"

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

struct cScore
{
    int home = 0;
    int guest = 0;
    std::vector<std::pair<int, int>> sets = {};
    bool homeDisqualified = false;
    bool guestDisqualified = false;
};

class cStandingsFixture
{
public:
    explicit cStandingsFixture(int teams = 4)
        : m_league(BuildLeague(m_db, "Under 12", "U12"))
    {
        for (int i = 0; i < teams; ++i) {
            BuildTeam(m_league, std::string(1, static_cast<char>('A' + i)));
        }
    }

    // Criteria by priority, nothing else used.
    void Rank(std::initializer_list<int> criteria)
    {
        cTableSettings& settings = m_db.m_tableSettings;
        settings.m_nPriority.fill(0);
        int priority = 0;
        for (const int criterion : criteria) {
            settings.m_nPriority[static_cast<std::size_t>(criterion)] = ++priority;
        }
        settings.RecomputeOrder();
    }

    cResult& Played(int home, int guest, const cScore& score, int league = 0)
    {
        cResult& result = Unplayed(home, guest, league);
        result.m_bPlayed = 1;
        result.m_nHomeScore[0] = score.home;
        result.m_nGuestScore[0] = score.guest;
        for (std::size_t set = 0; set < score.sets.size(); ++set) {
            result.m_nHomeScore[set + 1] = score.sets[set].first;
            result.m_nGuestScore[set + 1] = score.sets[set].second;
        }
        result.m_bHomeDisqualified = score.homeDisqualified ? 1 : 0;
        result.m_bGuestDisqualified = score.guestDisqualified ? 1 : 0;
        return result;
    }

    cResult& Unplayed(int home, int guest, int league = 0)
    {
        auto result = std::make_unique<cResult>();
        result->m_nLeague = league;
        result->m_nHomeTeam = home;
        result->m_nGuestTeam = guest;
        return static_cast<cResult&>(m_db.Results().AddItem(std::move(result), false));
    }

    // "position name" of every row in table order, after bringing the table
    // up to date from scratch.
    std::vector<std::string> Table()
    {
        m_league.Table().m_bUpToDate = 0;
        BringTableUpToDate(m_db, m_league);
        return Shown();
    }

    std::vector<std::string> Shown() const
    {
        std::vector<std::string> out;
        for (const cDbItem* item = m_league.Table().GetHead(); item != nullptr; item = item->NextLink()) {
            if (const auto* row = dynamic_cast<const cTableItem*>(item)) {
                out.push_back(row->GetColumnText(0) + " " + row->GetColumnText(1));
            }
        }
        return out;
    }

    cTableItem& Row(int team) const
    {
        for (cDbItem* item = m_league.Table().GetHead(); item != nullptr; item = item->NextLink()) {
            auto* row = dynamic_cast<cTableItem*>(item);
            if (row != nullptr && row->m_nTeam == team) {
                return *row;
            }
        }
        throw std::logic_error("no row");
    }

    cDatabase m_db;
    cLeague& m_league;
};

enum : int
{
    A,
    B,
    C,
    D,
    E,
    F
};
