#pragma once

// A small season for the deletion cascades: two courts, two leagues with
// teams, two officials, team conflicts, home grounds, free time, league
// matches with officials and a playoff match.

#include "ModelFixture.h"
#include "model/cPlayoffMatch.h"

#include <gtest/gtest.h>

class cSeasonFixture : public ::testing::Test, public cModelFixture
{
protected:
    void SetUp() override
    {
        arena = &Court("Arena", "A");
        hall = &Court("Hall", "B");
        u12 = &League("Under 12", "U12");
        u14 = &League("Under 14", "U14");
        lions = &Team(*u12, "Lions");
        tigers = &Team(*u12, "Tigers");
        bears = &Team(*u12, "Bears");
        lions14 = &Team(*u14, "Lions U14");
        wolves = &Team(*u14, "Wolves");
        olsen = &Official("Olsen");
        berg = &Official("Berg");

        Conflict(wolves->TeamConflicts(), *u12, *tigers);
        Conflict(lions->TeamConflicts(), *u14, *wolves);
        Conflict(olsen->TeamConflicts(), *u12, *tigers);
        Conflict(olsen->TeamConflicts(), *u14, *wolves);
        Ground(*lions, *arena);
        Ground(*lions, *hall);

        Free(arena->m_nIndex, At(2024, 3, 15, 17), At(2024, 3, 15, 22));
        Free(hall->m_nIndex, At(2024, 3, 15, 17), At(2024, 3, 15, 22));
        Free(arena->m_nIndex, At(2024, 3, 16, 10), At(2024, 3, 16, 14));

        u12first = &Match(*u12, lions->m_nIndex, tigers->m_nIndex, 1, 1, arena->m_nIndex, At(2024, 3, 15, 18),
                          At(2024, 3, 15, 19));
        u12second = &Match(*u12, bears->m_nIndex, lions->m_nIndex, 1, 2, hall->m_nIndex, At(2024, 3, 15, 18),
                           At(2024, 3, 15, 19));
        u14first = &Match(*u14, lions14->m_nIndex, wolves->m_nIndex, 2, 1, arena->m_nIndex,
                          At(2024, 3, 16, 10), At(2024, 3, 16, 11));
        auto playoff = std::make_unique<cPlayoffMatch>();
        playoff->m_strHomeTeam = "North";
        playoff->m_strGuestTeam = "South";
        playoff->m_strNumber = "F1";
        final = &Place(std::move(playoff), arena->m_nIndex, At(2024, 3, 15, 20), At(2024, 3, 15, 21));

        u12first->SetOfficial(m_db, olsen->m_nIndex, 0);
        u12first->SetOfficial(m_db, berg->m_nIndex, 1);
        u12second->SetOfficial(m_db, olsen->m_nIndex, 2);
        u14first->SetOfficial(m_db, berg->m_nIndex, 0);
        final->SetOfficial(m_db, olsen->m_nIndex, 0);

        m_db.Unscheduled().m_bUpToDate = 1;
        u12->Table().m_bUpToDate = 1;
        u14->Table().m_bUpToDate = 1;
    }

    void Conflict(cTournelDb& conflicts, const cLeague& league, const cTeam& team)
    {
        auto entry = std::make_unique<cIllTeam>();
        entry->m_nLeague = league.m_nIndex;
        entry->m_nTeam = team.m_nIndex;
        conflicts.AddItem(std::move(entry), true);
    }

    void Ground(cTeam& team, const cCourt& court)
    {
        auto ground = std::make_unique<cHomeGround>();
        ground->m_nCourt = court.m_nIndex;
        team.HomeGrounds().AddItem(std::move(ground), true);
    }

    // "league/team" of every conflict in the container.
    static std::vector<std::string> Conflicts(const cTournelDb& conflicts)
    {
        std::vector<std::string> out;
        for (const cIllTeam& entry : conflicts.AllItems<cIllTeam>()) {
            out.push_back(entry.GetColumnText(0) + "/" + entry.GetColumnText(1));
        }
        return out;
    }

    // Labels of the scheduled matches in list order.
    std::vector<std::string> Schedule() const
    {
        std::vector<std::string> out;
        for (const cMatch& match : m_db.Scheduled().AllItems<cMatch>()) {
            out.push_back(match.GetLabel());
        }
        return out;
    }

    // Labels of the matches the results belong to.
    std::vector<std::string> Results() const
    {
        std::vector<std::string> out;
        for (const cResult& result : m_db.Results().AllItems<cResult>()) {
            out.push_back(result.GetMatch() != nullptr ? result.GetMatch()->GetLabel() : "?");
        }
        return out;
    }

    std::vector<std::string> Unscheduled() const
    {
        std::vector<std::string> out;
        for (const cUnscheduledMatch& match : m_db.Unscheduled().AllItems<cUnscheduledMatch>()) {
            out.push_back(match.GetLabel() + " " + match.GetColumnText(1) + "-" + match.GetColumnText(2));
        }
        return out;
    }

    cCourt* arena = nullptr;
    cCourt* hall = nullptr;
    cLeague* u12 = nullptr;
    cLeague* u14 = nullptr;
    cTeam* lions = nullptr;
    cTeam* tigers = nullptr;
    cTeam* bears = nullptr;
    cTeam* lions14 = nullptr;
    cTeam* wolves = nullptr;
    cReferee* olsen = nullptr;
    cReferee* berg = nullptr;
    cMatch* u12first = nullptr;
    cMatch* u12second = nullptr;
    cMatch* u14first = nullptr;
    cMatch* final = nullptr;
};

using Texts = std::vector<std::string>;
