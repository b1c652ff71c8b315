#include "SchedulingTestSupport.h"
#include "model/Strings.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using Pairs = std::vector<std::pair<int, int>>;

std::vector<int> Positions(int n)
{
    std::vector<int> teams;
    for (int i = 0; i < n; ++i) {
        teams.push_back(i);
    }
    return teams;
}

std::vector<std::pair<int, int>> Listed(cTestSeason& season)
{
    std::vector<std::pair<int, int>> out;
    for (const cUnscheduledMatch* match : season.Unscheduled()) {
        out.emplace_back(match->GetHomeTeam(), match->GetGuestTeam());
    }
    return out;
}

TEST(PairTeams, FourTeamsInDistanceClasses)
{
    EXPECT_EQ(PairTeams(Positions(4)), (Pairs{{0, 1}, {2, 3}, {1, 2}, {0, 3}, {2, 0}, {3, 1}}));
}

TEST(PairTeams, UsesTheGivenIndexNumbers)
{
    EXPECT_EQ(PairTeams({7, 3}), (Pairs{{7, 3}}));
    EXPECT_TRUE(PairTeams({5}).empty());
}

TEST(PairTeams, EveryPairOnceWithTheHomeCountsItPromises)
{
    for (int n = 2; n <= 16; ++n) {
        SCOPED_TRACE(n);
        const Pairs pairs = PairTeams(Positions(n));
        ASSERT_EQ(pairs.size(), static_cast<std::size_t>(n * (n - 1) / 2));
        std::set<std::pair<int, int>> unordered;
        std::map<int, int> home;
        for (const auto& [first, second] : pairs) {
            ASSERT_NE(first, second);
            unordered.emplace(std::min(first, second), std::max(first, second));
            ++home[first];
        }
        EXPECT_EQ(unordered.size(), pairs.size());
        for (int t = 0; t < n; ++t) {
            const int expected = n % 2 == 1 ? (n - 1) / 2 : (t % 2 == 0 ? n / 2 : n / 2 - 1);
            EXPECT_EQ(home[t], expected) << "team " << t;
        }
        if (n % 2 == 0) {
            // The first n/2 pairs of class 1 form a full matchday.
            for (int j = 0; j < n / 2; ++j) {
                EXPECT_EQ(pairs[static_cast<std::size_t>(j)], std::make_pair(2 * j, 2 * j + 1));
            }
        }
    }
}

TEST(GenerateLeagueMatches, TwoTeamsTwoRounds)
{
    cTestSeason season;
    season.League("A", 2, 2);
    EXPECT_EQ(Listed(season), (Pairs{{0, 1}, {1, 0}}));
    EXPECT_EQ(season.db.Unscheduled().m_bUpToDate, 1);
    EXPECT_TRUE(season.prompt.m_shown.empty());
}

TEST(GenerateLeagueMatches, SecondRoundSwapsHomeAndGuestInTheSameOrder)
{
    cTestSeason season;
    season.League("A", 3, 2);
    const auto listed = Listed(season);
    ASSERT_EQ(listed.size(), 6u);
    for (std::size_t j = 0; j < 3; ++j) {
        EXPECT_EQ(listed[j + 3], std::make_pair(listed[j].second, listed[j].first));
    }
    // Last pair of the pairing order first.
    const Pairs pairs = PairTeams(Positions(3));
    EXPECT_EQ(listed[0], pairs.back());
    const auto matches = season.Unscheduled();
    EXPECT_EQ(matches[0]->GetRound(), 1);
    EXPECT_EQ(matches[5]->GetRound(), 2);
    EXPECT_EQ(matches[0]->GetNumber(), 0);
}

TEST(GenerateLeagueMatches, ReductionTakesTheFirstDistanceClass)
{
    cTestSeason season;
    cLeague& league = season.League("A", 6, 1);
    league.m_nMatchReduction = 2;
    const auto listed = Listed(season);
    ASSERT_EQ(listed.size(), 9u);
    std::map<int, int> games;
    for (const auto& [home, guest] : listed) {
        ++games[home];
        ++games[guest];
        EXPECT_NE((home - guest + 6) % 6, 1) << home << "-" << guest;
        EXPECT_NE((guest - home + 6) % 6, 1) << home << "-" << guest;
    }
    for (int t = 0; t < 6; ++t) {
        EXPECT_EQ(games[t], 3);
    }
}

TEST(GenerateLeagueMatches, ReductionThatLeavesTooFewTeamsIsRefusedAtEveryRead)
{
    cTestSeason season;
    cLeague& refused = season.League("A", 4, 1);
    refused.m_nMatchReduction = 4;
    season.League("B", 2, 1);
    EXPECT_EQ(season.Unscheduled().size(), 1u);
    ASSERT_EQ(season.prompt.Ids(), (std::vector<int>{IDS_REDUCTION_NONSENSE}));
    EXPECT_EQ(
        season.prompt.m_shown[0].text,
        "You have asked for League A to be reduced by 4\nmatches per team, while there are only 4 teams "
        "participating. \nThis does not make sense, reduce the number of rounds in stead.");
    EXPECT_EQ(season.db.Unscheduled().m_bUpToDate, 0);
    EXPECT_EQ(season.Unscheduled().size(), 1u);
    EXPECT_EQ(season.prompt.m_shown.size(), 2u);
}

TEST(GenerateLeagueMatches, TooFewTeamsKeepTheListOutOfDateSilently)
{
    cTestSeason season;
    season.League("A", 1, 1);
    season.League("B", 3, 1);
    EXPECT_EQ(season.Unscheduled().size(), 3u);
    EXPECT_EQ(season.db.Unscheduled().m_bUpToDate, 0);
    EXPECT_TRUE(season.prompt.m_shown.empty());
    EXPECT_EQ(season.db.GetLeague(0)->UnscheduledList().GetCount(), 0);
}

TEST(RebuildUnscheduled, ScheduledMatchesAreLeftOut)
{
    cTestSeason season;
    const cCourt& court = season.Court("C");
    cLeague& a = season.League("A", 2, 1);
    cLeague& b = season.League("B", 3, 1);
    season.Scheduled(a, 1, 0, 1, court, At(0, 1800)); // the twin in the other orientation
    season.Scheduled(b, 0, 1, 2, court, At(1, 1800)); // another round: no twin
    const auto matches = season.Unscheduled();
    ASSERT_EQ(matches.size(), 3u);
    for (const cUnscheduledMatch* match : matches) {
        EXPECT_EQ(match->GetLeague(), b.m_nIndex);
    }
}

TEST(RebuildUnscheduled, DoesNotMarkTheDocumentModified)
{
    cTestSeason season;
    season.League("A", 4, 2);
    season.db.SetModifiedFlag(false);
    EXPECT_EQ(season.Unscheduled().size(), 12u);
    EXPECT_FALSE(season.db.IsModified());
}

TEST(RebuildUnscheduled, SetsTheFilterFlag)
{
    cTestSeason season;
    season.League("A", 2, 1);
    const cLeague& b = season.League("B", 2, 1);
    season.db.m_nLeagueFilter = b.m_nIndex;
    for (const cUnscheduledMatch* match : season.Unscheduled()) {
        EXPECT_EQ(match->m_bFiltered, match->GetLeague() == b.m_nIndex ? 0 : 1);
    }
}

TEST(RebuildUnscheduled, StaleWorkingListsAreNotRepeated)
{
    cTestSeason season;
    cLeague& league = season.League("A", 2, 1);
    league.UnscheduledList().AddItem(std::make_unique<cUnscheduledMatch>(league.m_nIndex, 0, 1, 1, 0), false);
    EXPECT_EQ(season.Unscheduled().size(), 1u);
    EXPECT_EQ(league.UnscheduledList().GetCount(), 0);
}

TEST(RebuildUnscheduled, InterleavesAtRandomKeepingEachLeaguesOrder)
{
    int secondFirst = 0;
    constexpr int kRuns = 400;
    for (int run = 0; run < kRuns; ++run) {
        cTestSeason season;
        season.db.m_random.Seed(static_cast<std::uint32_t>(run * 7919 + 1));
        cLeague& ten = season.League("A", 5, 1);    // 10 matches
        cLeague& thirty = season.League("B", 6, 2); // 30 matches
        std::vector<std::pair<int, int>> expectA;
        std::vector<std::pair<int, int>> expectB;
        for (const auto& [first, second] : PairTeams(Positions(5))) {
            expectA.insert(expectA.begin(), {first, second});
        }
        const Pairs six = PairTeams(Positions(6));
        for (int round = 1; round <= 2; ++round) {
            for (auto it = six.rbegin(); it != six.rend(); ++it) {
                expectB.push_back(round == 1 ? *it : std::make_pair(it->second, it->first));
            }
        }
        std::vector<std::pair<int, int>> gotA;
        std::vector<std::pair<int, int>> gotB;
        const auto matches = season.Unscheduled();
        ASSERT_EQ(matches.size(), 40u);
        for (const cUnscheduledMatch* match : matches) {
            (match->GetLeague() == ten.m_nIndex ? gotA : gotB)
                .emplace_back(match->GetHomeTeam(), match->GetGuestTeam());
        }
        ASSERT_EQ(gotA, expectA);
        ASSERT_EQ(gotB, expectB);
        if (matches.front()->GetLeague() == thirty.m_nIndex) {
            ++secondFirst;
        }
    }
    // About three times in four.
    EXPECT_GT(secondFirst, kRuns * 65 / 100);
    EXPECT_LT(secondFirst, kRuns * 85 / 100);
}

TEST(RebuildUnscheduled, SameSeedSameOrder)
{
    auto order = [](std::uint32_t seed) {
        cTestSeason season;
        season.db.m_random.Seed(seed);
        season.League("A", 4, 2);
        season.League("B", 5, 2);
        season.League("C", 3, 2);
        std::vector<int> leagues;
        for (const cUnscheduledMatch* match : season.Unscheduled()) {
            leagues.push_back(match->GetLeague());
        }
        return leagues;
    };
    EXPECT_EQ(order(11), order(11));
    EXPECT_NE(order(11), order(12));
}

class cReductionMode : public ::testing::TestWithParam<bool>
{
};

TEST_P(cReductionMode, AsksToTakeTheScheduledTwinOutForGood)
{
    const bool yes = GetParam();
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    cLeague& league = season.League("A", 4, 1);
    // Pair (t2,t3) is in the first distance class, which the reduction removes.
    cMatch& twin = season.Scheduled(league, 3, 2, 1, court, At(4, 1900), 5);
    league.m_nLastMatchNumber = 5;
    league.m_nMatchReduction = 2;
    season.prompt.Answer(yes);
    const auto matches = season.Unscheduled();
    ASSERT_EQ(season.prompt.Ids(), (std::vector<int>{IDS_REDUCTION_REMOVE_MATCH}));
    EXPECT_EQ(
        season.prompt.m_shown[0].text,
        "You have required the number of matches in League A to be reduced.\nTo fullfill this requirement, "
        "the following match should be removed from the schedule:\n\n     A-5,  " +
            season.db.FormatDate(At(4, 1900)) +
            ", 1900:  A 4 - A 3\n\nDo you want to remove it from the schedule?");
    // Four pairs of class 1 are removed; the two of class 2 stay to be played.
    EXPECT_EQ(matches.size(), 2u);
    for (const cUnscheduledMatch* match : matches) {
        EXPECT_FALSE((match->GetHomeTeam() == 3 && match->GetGuestTeam() == 2) ||
                     (match->GetHomeTeam() == 2 && match->GetGuestTeam() == 3));
    }
    if (yes) {
        EXPECT_EQ(season.db.Scheduled().GetCount(), 0);
        EXPECT_EQ(season.db.Results().GetCount(), 0);
        EXPECT_EQ(season.db.CourtTime().GetCount(), 1); // its time is given back
        EXPECT_TRUE(season.db.IsModified());
    } else {
        EXPECT_EQ(season.db.Scheduled().GetFirst(), &twin);
    }
    EXPECT_EQ(season.db.Unscheduled().GetCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(YesAndNo, cReductionMode, ::testing::Bool());

// A played twin that the reduction would take out takes its result along: one
// more question names how many results go, and No keeps every twin the user
// agreed to take out.
TEST(ReductionMode, PlayedTwinsGoOnlyAfterTheResultsQuestion)
{
    struct cCase
    {
        const char* name;
        std::vector<bool> answers; // to the played twin, the unplayed one, then the results question
        bool resultsAsked;
        bool playedGoes, unplayedGoes;
    };
    const std::vector<cCase> cases = {
        {"both, results Yes", {true, true, true}, true, true, true},
        {"both, results No", {true, true, false}, true, false, false},
        {"the played one, results Yes", {true, false, true}, true, true, false},
        {"the unplayed one only", {false, true}, false, false, true},
        {"neither", {false, false}, false, false, false},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        cLeague& league = season.League("A", 4, 1);
        // Pairs (t2,t3) and (t0,t1) are in the first distance class, which
        // the reduction removes, asked about in that order.
        cMatch& played = season.Scheduled(league, 3, 2, 1, court, At(4, 1900), 5);
        played.GetResult()->m_bPlayed = 1;
        season.Scheduled(league, 1, 0, 1, court, At(5, 1900), 6);
        league.m_nLastMatchNumber = 6;
        league.m_nMatchReduction = 2;
        for (const bool answer : c.answers) {
            season.prompt.Answer(answer);
        }
        season.Unscheduled();
        std::vector<int> asked = {IDS_REDUCTION_REMOVE_MATCH, IDS_REDUCTION_REMOVE_MATCH};
        if (c.resultsAsked) {
            asked.push_back(IDS_DELETE_CASCADE_RESULTS);
            EXPECT_EQ(season.prompt.m_shown.back().text,
                      "1 results entered will be deleted with them.\nDelete anyway?");
        }
        EXPECT_EQ(season.prompt.Ids(), asked);
        EXPECT_TRUE(season.prompt.AllAnswered());
        int playedResults = 0;
        for (const cResult& result : season.db.Results().AllItems<cResult>()) {
            playedResults += result.IsPlayed() ? 1 : 0;
        }
        EXPECT_EQ(playedResults, c.playedGoes ? 0 : 1);
        EXPECT_EQ(season.db.Scheduled().GetCount(), 2 - (c.playedGoes ? 1 : 0) - (c.unplayedGoes ? 1 : 0));
        // The reduced pairs are never waiting to be played, whatever stayed.
        EXPECT_EQ(season.db.Unscheduled().GetCount(), 2);
    }
}

} // namespace
