// The automatic assignment with the rules reading the index of the
// schedule's days against the walk through the whole schedule: on generated
// seasons under many settings, with the schedule in order and out of order
// (as a file may hold it), both must put the same official in every slot and
// end with the same message. A difference names the first differing slot.

#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "officials/AutoAssign.h"
#include "support/SaveOpenSave.h"
#include "support/cScriptedPrompt.h"
#include "tools/seasongen/PlainSchedule.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

struct cCase
{
    std::uint32_t seed;
    int officialsPerGame;
    int minDaysBetweenGames;
    int maxSubsequentGames;
    bool ignoreConflicts;
    bool outOfOrder; // a few matches moved to the end of the list, as a file may hold them
};

std::unique_ptr<cDatabase> MakeSeason(const cCase& c)
{
    auto db = std::make_unique<cDatabase>();
    // Two seasons made a second apart must still save the same bytes.
    db->m_tCreated = db->m_tModified = 1'800'000'000;
    db->m_random.Seed(c.seed);
    cSeasonShape shape = cSeasonShape::Small();
    shape.seed = c.seed;
    shape.leagues = 3;
    GenerateSeason(*db, shape);
    db->m_nOfficialsPerGame = c.officialsPerGame;
    db->m_nMinDaysBetweenGames = c.minDaysBetweenGames;
    db->m_nMaxSubsequentGames = c.maxSubsequentGames;
    db->m_bIgnoreTeamConflicts = c.ignoreConflicts ? 1 : 0;
    const int matches = LayOutPlainly(*db);
    AddOfficials(*db, matches);
    for (cLeague& league : db->Leagues().AllItems<cLeague>()) {
        league.ComputeRatingBands(db->m_nOfficialsPerGame);
    }
    if (c.outOfOrder) {
        for (int i = 0; i < 5; ++i) {
            cDbItem* first = db->Scheduled().GetFirst();
            std::unique_ptr<cDbItem> taken = db->Scheduled().RemoveItem(*first);
            db->Scheduled().AddItem(std::move(taken), false);
        }
    }
    return db;
}

std::vector<std::string> Slots(const cDatabase& db)
{
    std::vector<std::string> slots;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        std::string line = match.GetLabel();
        for (int slot = 0; slot < cMatch::kOfficialPositions; ++slot) {
            line += " " + std::to_string(match.GetOfficial(slot));
        }
        slots.push_back(line);
    }
    return slots;
}

class IndexedAssignment : public ::testing::TestWithParam<cCase>
{
};

TEST_P(IndexedAssignment, MakesTheSameAssignmentAsTheWalk)
{
    const cCase c = GetParam();
    cSilentPrompt prompt;
    std::unique_ptr<cDatabase> literal = MakeSeason(c);
    std::unique_ptr<cDatabase> indexed = MakeSeason(c);
    literal->SetPrompt(&prompt);
    indexed->SetPrompt(&prompt);
    const TimePoint end = std::numeric_limits<std::int32_t>::max();
    const cAssignRun a = AssignOfficialsAutomatically(*literal, end, c.officialsPerGame, true);
    const cAssignRun b = AssignOfficialsAutomatically(*indexed, end, c.officialsPerGame, false);
    EXPECT_EQ(a.message, b.message);
    EXPECT_GT(a.assigned, 0);
    const std::vector<std::string> left = Slots(*literal);
    const std::vector<std::string> right = Slots(*indexed);
    ASSERT_EQ(left.size(), right.size());
    for (std::size_t i = 0; i < left.size(); ++i) {
        ASSERT_EQ(left[i], right[i]) << "seed " << c.seed << ": first differing match, number " << i;
    }
    EXPECT_TRUE(SaveToBytes(*literal) == SaveToBytes(*indexed))
        << "seed " << c.seed << ": the saved files differ";
}

std::vector<cCase> Cases()
{
    // TOURNEL_DIFFERENTIAL_SEEDS=N compares on more seasons, for a longer run by hand.
    const char* wanted = std::getenv("TOURNEL_DIFFERENTIAL_SEEDS");
    const std::uint32_t seeds = wanted != nullptr ? static_cast<std::uint32_t>(std::atoi(wanted)) : 3;
    std::vector<cCase> cases;
    for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
        cases.push_back({seed, 2, 1, 1, false, false});
        cases.push_back({seed, 3, 3, 2, false, false});
        cases.push_back({seed, 1, 0, 3, true, false});
        cases.push_back({seed, 2, 7, 2, false, true});
        cases.push_back({seed, 5, 2, 1, false, true});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(GeneratedSeasons, IndexedAssignment, ::testing::ValuesIn(Cases()));

} // namespace
