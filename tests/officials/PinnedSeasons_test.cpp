// What the scheduler and the official assignment decide for a few seeded
// generated seasons, pinned in tests/data/pinned: every match's court, start
// and number and every official in its slot, in schedule order. Any change to
// either engine that moves one match or one official shows here, whichever
// of the two ways of checking the rules runs. TOURNEL_UPDATE_GOLDEN=1 writes
// the files anew (only after a change of the rules that is meant).

#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "officials/AutoAssign.h"
#include "scheduling/AutoScheduler.h"
#include "support/UpdateGolden.h"
#include "support/cScriptedPrompt.h"
#include "tools/seasongen/PlainSchedule.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <string>

namespace {

// A pinned season: its file's name, its seed and the shape of its court time.
struct cPinned
{
    const char* file;
    std::uint32_t seed;
    bool lateSessions = false;       // court time past midnight
    bool acrossClockChanges = false; // October to April
};

std::string PinnedSeason(const cPinned& pinned, bool literal)
{
    cDatabase db;
    cSilentPrompt prompt;
    db.SetPrompt(&prompt);
    db.m_random.Seed(pinned.seed);
    cSeasonShape shape =
        pinned.acrossClockChanges ? cSeasonShape::AcrossClockChanges() : cSeasonShape::Small();
    shape.seed = pinned.seed;
    shape.lateSessions = pinned.lateSessions;
    if (!pinned.acrossClockChanges) {
        shape.leagues = 3;
        shape.weeks = 7; // tight enough that some matches find no place
    }
    GenerateSeason(db, shape);
    const cScheduleRun run = ScheduleAutomatically(db, literal);
    AddOfficials(db, run.scheduled);
    for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
        league.ComputeRatingBands(db.m_nOfficialsPerGame);
    }
    AssignOfficialsAutomatically(db, std::numeric_limits<std::int32_t>::max(), db.m_nOfficialsPerGame,
                                 literal);

    std::ostringstream text;
    text << run.message << "\n";
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        text << match.GetLabel() << " " << match.m_nHomeTeam << "-" << match.m_nGuestTeam << " court "
             << match.m_nCourt << " " << FormatTime(match.m_tStart, "%Y-%m-%d %H%M") << "-"
             << FormatTime(match.m_tEnd, "%H%M") << " officials";
        for (int slot = 0; slot < cMatch::kOfficialPositions; ++slot) {
            text << " " << match.GetOfficial(slot);
        }
        text << "\n";
    }
    return text.str();
}

class PinnedSeasons : public ::testing::TestWithParam<cPinned>
{
};

TEST_P(PinnedSeasons, BothRuleChecksMakeThePinnedDecisions)
{
    const cPinned& pinned = GetParam();
    const std::string path = std::string(TOURNEL_TEST_DATA) + "/pinned/" + pinned.file + ".txt";
    const std::string literal = PinnedSeason(pinned, true);
    if (UpdateGolden()) {
        std::ofstream(path, std::ios::binary) << literal;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file.good()) << path;
    std::ostringstream expected;
    expected << file.rdbuf();
    EXPECT_EQ(literal, expected.str())
        << "the walk through the schedule decides otherwise than pinned in " << path;
    EXPECT_EQ(PinnedSeason(pinned, false), expected.str())
        << "the indexed rules decide otherwise than pinned in " << path;
}

INSTANTIATE_TEST_SUITE_P(Seeds, PinnedSeasons,
                         ::testing::Values(cPinned{"season-1", 1}, cPinned{"season-2", 2},
                                           cPinned{"season-3", 3}, cPinned{"late-season-1", 1, true},
                                           cPinned{"late-season-2", 2, true},
                                           cPinned{"clock-changes-season-1", 1, true, true}),
                         [](const ::testing::TestParamInfo<cPinned>& info) {
                             std::string name = info.param.file;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
