// The automatic assignment on generated seasons under several settings: what
// it leaves must hold whatever the season.

#include "model/cDatabase.h"
#include "model/cIndexedDb.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "officials/AutoAssign.h"
#include "officials/OfficialRules.h"
#include "support/cScriptedPrompt.h"
#include "tools/seasongen/PlainSchedule.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

struct cSettings
{
    const char* name;
    int officialsPerGame;
    int minDaysBetweenGames;
    int maxSubsequentGames;
    bool ignoreEverything;
    int cutAtMatch; // the run serves the matches before this one in the list; -1: all
};

class GeneratedSeasons : public ::testing::TestWithParam<cSettings>
{
};

TEST_P(GeneratedSeasons, TheRunLeavesEverySlotSound)
{
    const cSettings& settings = GetParam();
    cDatabase db;
    cScriptedPrompt prompt;
    db.SetPrompt(&prompt);
    db.m_random.Seed(3);
    cSeasonShape shape = cSeasonShape::Small();
    shape.leagues = 3;
    GenerateSeason(db, shape);
    db.m_nOfficialsPerGame = settings.officialsPerGame;
    db.m_nMinDaysBetweenGames = settings.minDaysBetweenGames;
    db.m_nMaxSubsequentGames = settings.maxSubsequentGames;
    if (settings.ignoreEverything) {
        db.m_bIgnoreClub = db.m_bIgnoreRatings = db.m_bIgnoreTeamConflicts = 1;
        db.m_bIgnoreHolidays = db.m_bIgnoreDaysOff = db.m_bIgnorePreferredTime = 1;
    }
    const int matches = LayOutPlainly(db);
    ASSERT_GT(matches, 20);
    AddOfficials(db, matches);
    for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
        league.ComputeRatingBands(db.m_nOfficialsPerGame);
    }
    std::vector<const cMatch*> list;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        list.push_back(&match);
    }
    const TimePoint endLimit = settings.cutAtMatch < 0
                                   ? list.back()->m_tStart + 1
                                   : list[static_cast<std::size_t>(settings.cutAtMatch)]->m_tStart;

    const cAssignRun run = AssignOfficialsAutomatically(db, endLimit, db.m_nOfficialsPerGame);
    ASSERT_TRUE(run.started);
    EXPECT_GT(run.assigned, 0);

    std::map<int, int> held;
    std::map<int, std::vector<const cMatch*>> matchesOf;
    for (const cMatch* match : list) {
        for (int slot = 0; slot < cMatch::kOfficialPositions; ++slot) {
            const int official = match->GetOfficial(slot);
            if (official < 0) {
                continue;
            }
            SCOPED_TRACE(match->GetLabel());
            EXPECT_LT(slot, db.m_nOfficialsPerGame) << "a slot beyond the officials per game";
            EXPECT_LT(match->m_tStart, endLimit) << "a match after the chosen date";
            EXPECT_FALSE(match->IsPlayoff());
            for (int other = 0; other < slot; ++other) {
                EXPECT_NE(match->GetOfficial(other), official) << "one official in two slots";
            }
            // Whatever level placed him, the basic rules still hold once the run is over.
            const cReferee* holder = db.GetOfficial(official);
            ASSERT_NE(holder, nullptr);
            EXPECT_EQ(CheckOfficial(db, *match, *holder, slot, 5), 0) << holder->m_strName;
            ++held[official];
            matchesOf[official].push_back(match);
        }
    }
    for (const cReferee& official : db.Officials().AllItems<cReferee>()) {
        EXPECT_EQ(official.m_nGames, held[official.m_nIndex]) << official.m_strName;
        const std::vector<const cMatch*>& his = matchesOf[official.m_nIndex];
        for (std::size_t i = 0; i < his.size(); ++i) {
            for (std::size_t j = i + 1; j < his.size(); ++j) {
                EXPECT_FALSE(his[i]->m_tStart < his[j]->m_tEnd && his[j]->m_tStart < his[i]->m_tEnd)
                    << official.m_strName << " holds " << his[i]->GetLabel() << " and " << his[j]->GetLabel()
                    << " at once";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, GeneratedSeasons,
                         ::testing::Values(cSettings{"defaults", 2, 7, 2, false, -1},
                                           cSettings{"one a game", 1, 7, 2, false, -1},
                                           cSettings{"three a game", 3, 7, 2, false, -1},
                                           cSettings{"no rest days", 2, 0, 2, false, -1},
                                           cSettings{"long series", 2, 1, 5, false, -1},
                                           cSettings{"rules relaxed", 3, 0, 99, true, -1},
                                           cSettings{"cut in the middle", 2, 7, 2, false, 40}),
                         [](const ::testing::TestParamInfo<cSettings>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 c = c == ' ' ? '_' : c;
                             }
                             return name;
                         });

} // namespace
