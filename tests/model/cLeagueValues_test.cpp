#include "DialogCase.h"
#include "ModelFixture.h"
#include "model/cLeagueValues.h"

#include <gtest/gtest.h>

namespace {

using V = cLeagueValues;

V Valid()
{
    V values;
    values.shortName = "U14";
    values.fullName = "Under 14";
    return values;
}

TEST(LeagueValues, DefaultsOfANewLeague)
{
    const V values;
    EXPECT_EQ(values.rounds, 2);
    EXPECT_EQ(values.matchReduction, 0);
    EXPECT_EQ(values.matchesPerDay, 1);
    EXPECT_EQ(values.minOfficialRating, 1);
    EXPECT_EQ(values.maxOfficialRating, 9);
    EXPECT_EQ(values.minCourtRating, 1);
    EXPECT_EQ(values.maxCourtRating, 9);
    EXPECT_EQ(values.gameDuration, 60);
    EXPECT_EQ(values.RestSameTeam(), 604800);
    EXPECT_EQ(values.RestSamePair(), 2592000);
    EXPECT_EQ(values.latestStart, 2200);
    EXPECT_EQ(values.setsPerGame, 1);
}

TEST(LeagueValues, ChecksInOrder)
{
    cModelFixture f;
    f.League("Under 12", "U12");
    const std::vector<cDialogCase<V>> cases = {
        {"valid", [](V&) {}, 0},
        {"equal ratings", [](V& v) { v.minOfficialRating = v.maxOfficialRating = 5, v.minCourtRating = 9; },
         0},
        {"reduction 0 and 98", [](V& v) { v.matchReduction = 98; }, 0},
        {"latest start 2400", [](V& v) { v.latestStart = 2400; }, 0},
        {"short name blank", [](V& v) { v.shortName = " "; }, IDS_LEAGUE_NEEDS_SHORT_NAME, V::kShortName,
         "A league must have a short name!"},
        {"short name before full name", [](V& v) { v.shortName = "", v.fullName = ""; },
         IDS_LEAGUE_NEEDS_SHORT_NAME, V::kShortName},
        {"full name blank", [](V& v) { v.fullName = ""; }, IDS_LEAGUE_NEEDS_NAME, V::kFullName,
         "Every league must have a unique name!"},
        {"full name too long", [](V& v) { v.fullName = std::string(51, 'x'); }, IDS_TEXT_TOO_LONG,
         V::kFullName},
        {"rounds 0", [](V& v) { v.rounds = 0; }, IDS_ENTER_INTEGER_BETWEEN, V::kRounds,
         "Please enter an integer between 1 and 999."},
        {"sets 8", [](V& v) { v.setsPerGame = 8; }, IDS_ENTER_INTEGER_BETWEEN, V::kSetsPerGame},
        {"reduction 100", [](V& v) { v.matchReduction = 100; }, IDS_ENTER_INTEGER_BETWEEN,
         V::kMatchReduction},
        {"reduction 3", [](V& v) { v.matchReduction = 3; }, IDS_ENTER_EVEN_NUMBER, V::kMatchReduction,
         "Please enter an even number."},
        {"reduction before matches per day", [](V& v) { v.matchReduction = 3, v.matchesPerDay = 0; },
         IDS_ENTER_EVEN_NUMBER, V::kMatchReduction},
        {"matches per day 100", [](V& v) { v.matchesPerDay = 100; }, IDS_ENTER_INTEGER_BETWEEN,
         V::kMatchesPerDay},
        {"official minimum 0", [](V& v) { v.minOfficialRating = 0; }, IDS_ENTER_INTEGER_BETWEEN,
         V::kMinOfficialRating},
        {"court maximum 10", [](V& v) { v.maxCourtRating = 10; }, IDS_ENTER_INTEGER_BETWEEN,
         V::kMaxCourtRating},
        {"duration 1441", [](V& v) { v.gameDuration = 1441; }, IDS_ENTER_INTEGER_BETWEEN, V::kGameDuration,
         "Please enter an integer between 1 and 1440."},
        {"latest start 2401", [](V& v) { v.latestStart = 2401; }, IDS_ENTER_INTEGER_BETWEEN, V::kLatestStart},
        {"rest days 366", [](V& v) { v.restTeamDays = 366; }, IDS_ENTER_INTEGER_BETWEEN, V::kRestTeamDays},
        {"rest hours 24", [](V& v) { v.restPairHours = 24; }, IDS_ENTER_INTEGER_BETWEEN, V::kRestPairHours},
        {"rest minutes 60", [](V& v) { v.restTeamMinutes = 60; }, IDS_ENTER_INTEGER_BETWEEN,
         V::kRestTeamMinutes},
        {"short name taken", [](V& v) { v.shortName = " U12 "; }, IDS_SHORT_NAME_UNIQUE, V::kShortName},
        {"short name is another's name", [](V& v) { v.shortName = "under 12"; }, IDS_SHORT_NAME_UNIQUE,
         V::kShortName},
        {"full name taken", [](V& v) { v.fullName = "U12"; }, IDS_NAME_UNIQUE, V::kFullName},
        {"ranges before uniqueness", [](V& v) { v.fullName = "U12", v.rounds = 0; },
         IDS_ENTER_INTEGER_BETWEEN, V::kRounds},
        {"latest start 2160", [](V& v) { v.latestStart = 2160; }, IDS_LATEST_START_INVALID, V::kLatestStart,
         "The indication of latest allowed game start is not a valid time!"},
        {"uniqueness before latest start", [](V& v) { v.fullName = "U12", v.latestStart = 2160; },
         IDS_NAME_UNIQUE, V::kFullName},
        {"official maximum below minimum", [](V& v) { v.minOfficialRating = 6, v.maxOfficialRating = 5; },
         IDS_OFFICIAL_RATING_ORDER, V::kMaxOfficialRating},
        {"latest start before ratings",
         [](V& v) { v.latestStart = 2160, v.maxOfficialRating = 1, v.minOfficialRating = 2; },
         IDS_LATEST_START_INVALID, V::kLatestStart},
        {"court maximum below minimum", [](V& v) { v.minCourtRating = 6, v.maxCourtRating = 5; },
         IDS_COURT_RATING_ORDER, V::kMaxCourtRating},
        {"official order before court order",
         [](V& v) {
             v.minCourtRating = 6, v.maxCourtRating = 5, v.minOfficialRating = 3, v.maxOfficialRating = 2;
         },
         IDS_OFFICIAL_RATING_ORDER, V::kMaxOfficialRating},
    };
    RunDialogCases(Valid(), cases, [&](const V& v) { return Validate(v, f.m_db, nullptr); });
}

TEST(LeagueValues, NewLeagueTakesEveryValueAndItsBands)
{
    cModelFixture f;
    f.m_db.m_nOfficialsPerGame = 3;
    V values = Valid();
    values.shortName = "  U14 ";
    values.setsPerGame = 3;
    values.restTeamDays = 1;
    values.restTeamHours = 2;
    values.restTeamMinutes = 30;
    values.minOfficialRating = 5;
    values.maxOfficialRating = 5;
    values.maxCourtRating = 9;
    values.minCourtRating = 9;
    cLeague& league = InsertLeague(f.m_db, values);
    EXPECT_EQ(league.m_nIndex, 0);
    EXPECT_EQ(league.m_strShortName, "U14");
    EXPECT_EQ(league.m_nSetsPerGame, 3);
    EXPECT_EQ(league.m_tsRestSameTeam, 95400);
    EXPECT_EQ(league.GetColumnText(9), "1d 2h 30m");
    EXPECT_EQ(league.m_nMinRatingOfficial[2], 5);
    EXPECT_EQ(league.m_nMaxRatingOfficial[2], 5);

    const V shown = V::FromItem(league);
    EXPECT_EQ(shown.restTeamDays, 1);
    EXPECT_EQ(shown.restTeamHours, 2);
    EXPECT_EQ(shown.restTeamMinutes, 30);
    EXPECT_EQ(shown.restPairDays, 30);
    EXPECT_FALSE(Validate(shown, f.m_db, &league));
}

class LeagueEdit : public ::testing::Test, public cModelFixture
{
protected:
    void SetUp() override
    {
        Court("Arena", "A");
        u12 = &League("Under 12", "U12");
        u12->m_nRounds = 4;
        Team(*u12, "Lions");
        Team(*u12, "Tigers");
        Match(*u12, 0, 1, 3, 1, 0, At(2024, 3, 20, 19), At(2024, 3, 20, 20));
        m_db.Unscheduled().m_bUpToDate = 1;
    }
    cLeague* u12 = nullptr;
};

TEST_F(LeagueEdit, RoundsBelowAScheduledRoundAreRefusedButTheRestIsKept)
{
    V values = V::FromItem(*u12);
    values.rounds = 2;
    values.fullName = "Juniors";
    values.maxOfficialRating = 6;
    const cLeagueEdit edit = ApplyLeague(m_db, *u12, values);
    EXPECT_TRUE(edit.roundsRefused);
    EXPECT_EQ(m_prompt.Ids(), std::vector<int>{IDS_CANNOT_REDUCE_ROUNDS});
    EXPECT_EQ(
        m_prompt.m_shown.front().text,
        "You cannot reduce the number of rounds any further, since matches are scheduled in this league.");
    EXPECT_EQ(u12->m_nRounds, 4);
    EXPECT_EQ(u12->m_strName, "Juniors");
    EXPECT_EQ(u12->m_nMaxRatingOfficial[1], 6); // bands recomputed
    EXPECT_EQ(u12->m_nIndex, 0);
    EXPECT_EQ(m_db.GetLeague(0), u12);
    EXPECT_EQ(m_db.Unscheduled().m_bUpToDate, 1); // nothing that shapes the matches changed
}

TEST_F(LeagueEdit, RoundsDownToTheScheduledRoundAndReductionMarkTheUnscheduledList)
{
    V values = V::FromItem(*u12);
    values.rounds = 3;
    EXPECT_FALSE(ApplyLeague(m_db, *u12, values).roundsRefused);
    EXPECT_EQ(u12->m_nRounds, 3);
    EXPECT_EQ(m_db.Unscheduled().m_bUpToDate, 0);
    EXPECT_TRUE(m_prompt.m_shown.empty());

    m_db.Unscheduled().m_bUpToDate = 1;
    values.matchReduction = 2;
    ApplyLeague(m_db, *u12, values);
    EXPECT_EQ(m_db.Unscheduled().m_bUpToDate, 0);
}

} // namespace
