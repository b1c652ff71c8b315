#pragma once

// Small builders for model tests: a database with courts, leagues, teams,
// officials, free court time and scheduled matches linked to their results.

#include "model/CourtTime.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cHomeGround.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "support/TestBuilders.h"
#include "support/cScriptedPrompt.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

inline TimePoint At(int year, int month, int day, int hour = 0, int minute = 0)
{
    return MakeTimePoint(year, month, day, hour, minute, 0);
}

class cModelFixture
{
public:
    cModelFixture()
    {
        m_db.SetPrompt(&m_prompt);
        m_db.m_fnClock = [] { return At(2024, 3, 15, 10, 0); };
    }
    ~cModelFixture() { m_db.SetPrompt(nullptr); }

    cCourt& Court(const std::string& name, const std::string& shortName)
    {
        return BuildCourt(m_db, name, shortName);
    }
    cLeague& League(const std::string& name, const std::string& shortName)
    {
        return BuildLeague(m_db, name, shortName);
    }
    cTeam& Team(cLeague& league, const std::string& name) { return BuildTeam(league, name); }
    cReferee& Official(const std::string& name) { return BuildOfficial(m_db, name); }

    void Free(int court, TimePoint start, TimePoint end)
    {
        AddCourtTime(m_db, std::make_unique<cUnusedTime>(court, start, end));
    }

    // Places a league match as the scheduler does: takes its time out of the
    // free period that holds it (if any), and gives it a linked result.
    cMatch& Match(const cLeague& league, int home, int guest, int round, int number, int court,
                  TimePoint start, TimePoint end)
    {
        auto match = std::make_unique<cMatch>();
        match->m_nLeague = league.m_nIndex;
        match->m_nHomeTeam = home;
        match->m_nGuestTeam = guest;
        match->m_nRound = round;
        match->m_nNumber = number;
        return Place(std::move(match), court, start, end);
    }

    cMatch& Place(std::unique_ptr<cMatch> match, int court, TimePoint start, TimePoint end)
    {
        match->m_nCourt = court;
        match->m_tStart = start;
        match->m_tEnd = end;
        for (cUnusedTime& period : m_db.CourtTime().AllItems<cUnusedTime>()) {
            if (period.m_nCourt == court && period.m_tStart <= start && period.m_tEnd >= end) {
                TakeCourtTime(m_db, period, start, end);
                break;
            }
        }
        auto& placed = static_cast<cMatch&>(m_db.Scheduled().AddItem(std::move(match), true));
        auto result = std::make_unique<cResult>();
        result->CopyPairing(placed);
        auto& added = static_cast<cResult&>(m_db.Results().AddItem(std::move(result), false));
        cResult::Link(added, placed);
        if (cLeague* league = m_db.GetLeague(placed.m_nLeague)) {
            league->m_nLastMatchNumber = std::max(league->m_nLastMatchNumber, placed.m_nNumber);
        }
        return placed;
    }

    // "court hhmm-hhmm" of every free period, in list order.
    std::vector<std::string> FreeTime() const
    {
        std::vector<std::string> out;
        for (const cUnusedTime& period : m_db.CourtTime().AllItems<cUnusedTime>()) {
            out.push_back(period.GetColumnText(1) + " " + std::to_string(period.m_nCourt) + " " +
                          period.GetColumnText(3) + "-" + period.GetColumnText(4));
        }
        return out;
    }

    cDatabase m_db;
    cScriptedPrompt m_prompt;
};
