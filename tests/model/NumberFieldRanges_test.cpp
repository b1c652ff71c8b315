// The range of every number field of the item dialogs, at both of its ends:
// the dialog's spin box lets any number through, so this check is all that
// stands between a typed 0 or 99999 and the database.

#include "ModelFixture.h"
#include "model/Strings.h"
#include "model/cCourtTimeValues.h"
#include "model/cCourtValues.h"
#include "model/cHolidayValues.h"
#include "model/cHomeGroundValues.h"
#include "model/cLeagueValues.h"
#include "model/cOfficialValues.h"
#include "model/cPreferredTimeValues.h"
#include "model/cTeamValues.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct cRangeCase
{
    std::string name;
    int field;
    int low;
    int high;
    std::function<cValidation(int value)> validate; // a valid value set with the field set to value
};

template <class V, class F>
cRangeCase Range(std::string name, const V& valid, int V::*member, int field, int low, int high, F check)
{
    return {std::move(name), field, low, high, [valid, member, check](int value) {
                V values = valid;
                values.*member = value;
                return check(values);
            }};
}

TEST(NumberFieldRanges, EveryFieldRefusesJustOutsideAndTakesItsEnds)
{
    cModelFixture f;
    cDatabase& db = f.m_db;
    const cCourt& court = f.Court("Main Hall", "MH");
    cLeague& league = f.League("Herrar Division 1", "H1");
    const cTeam& team = f.Team(league, "Lions");
    const cReferee& official = f.Official("Anna Berg");

    const cCourtValues courtValues = cCourtValues::FromItem(court);
    const auto checkCourt = [&](const cCourtValues& v) { return Validate(v, db, &court); };
    const cCourtTimeValues timeValues = cCourtTimeValues::Defaults(db);
    const auto checkTime = [&](const cCourtTimeValues& v) { return Validate(v, db); };
    const cLeagueValues leagueValues = cLeagueValues::FromItem(league);
    const auto checkLeague = [&](const cLeagueValues& v) { return Validate(v, db, &league); };
    const cTeamValues teamValues = cTeamValues::FromItem(team);
    const auto checkTeam = [&](const cTeamValues& v) { return Validate(v, league, &team); };
    const cOfficialValues officialValues = cOfficialValues::FromItem(official);
    const auto checkOfficial = [&](const cOfficialValues& v) { return Validate(v, db, &official); };
    const cHolidayValues holidayValues = cHolidayValues::Defaults(db);
    const auto checkHoliday = [](const cHolidayValues& v) { return Validate(v); };
    cHomeGroundValues groundValues;
    groundValues.court = court.m_nIndex;
    const auto checkGround = [&](const cHomeGroundValues& v) { return Validate(v, db); };
    cPreferredTimeValues preferredValues;
    preferredValues.weekday = 1;
    const auto checkPreferred = [](const cPreferredTimeValues& v) { return Validate(v); };

    using C = cCourtValues;
    using T = cCourtTimeValues;
    using L = cLeagueValues;
    using H = cHolidayValues;
    using O = cOfficialValues;
    const std::vector<cRangeCase> cases = {
        Range("court rating", courtValues, &C::rating, C::kRating, 1, 9, checkCourt),
        Range("court time day", timeValues, &T::day, T::kDay, 1, 31, checkTime),
        Range("court time month", timeValues, &T::month, T::kMonth, 1, 12, checkTime),
        Range("court time year", timeValues, &T::year, T::kYear, 1997, 2038, checkTime),
        Range("court time start", timeValues, &T::start, T::kStart, 0, 2400, checkTime),
        Range("court time end", timeValues, &T::end, T::kEnd, 0, 2400, checkTime),
        Range("rounds", leagueValues, &L::rounds, L::kRounds, 1, 999, checkLeague),
        Range("sets per game", leagueValues, &L::setsPerGame, L::kSetsPerGame, 1, 7, checkLeague),
        Range("match reduction", leagueValues, &L::matchReduction, L::kMatchReduction, 0, 98, checkLeague),
        Range("matches per day", leagueValues, &L::matchesPerDay, L::kMatchesPerDay, 1, 99, checkLeague),
        Range("minimum official rating", leagueValues, &L::minOfficialRating, L::kMinOfficialRating, 1, 9,
              checkLeague),
        Range("maximum official rating", leagueValues, &L::maxOfficialRating, L::kMaxOfficialRating, 1, 9,
              checkLeague),
        Range("minimum court rating", leagueValues, &L::minCourtRating, L::kMinCourtRating, 1, 9,
              checkLeague),
        Range("maximum court rating", leagueValues, &L::maxCourtRating, L::kMaxCourtRating, 1, 9,
              checkLeague),
        Range("game duration", leagueValues, &L::gameDuration, L::kGameDuration, 1, 1440, checkLeague),
        Range("latest start", leagueValues, &L::latestStart, L::kLatestStart, 0, 2400, checkLeague),
        Range("rest team days", leagueValues, &L::restTeamDays, L::kRestTeamDays, 0, 365, checkLeague),
        Range("rest team hours", leagueValues, &L::restTeamHours, L::kRestTeamHours, 0, 23, checkLeague),
        Range("rest team minutes", leagueValues, &L::restTeamMinutes, L::kRestTeamMinutes, 0, 59,
              checkLeague),
        Range("rest pair days", leagueValues, &L::restPairDays, L::kRestPairDays, 0, 365, checkLeague),
        Range("rest pair hours", leagueValues, &L::restPairHours, L::kRestPairHours, 0, 23, checkLeague),
        Range("rest pair minutes", leagueValues, &L::restPairMinutes, L::kRestPairMinutes, 0, 59,
              checkLeague),
        Range("bonus points", teamValues, &cTeamValues::bonusPoints, cTeamValues::kBonusPoints, -999, 999,
              checkTeam),
        Range("official rating", officialValues, &O::rating, O::kRating, 1, 9, checkOfficial),
        Range("max games", officialValues, &O::maxGames, O::kMaxGames, 1, 99, checkOfficial),
        Range("max subsequent games", officialValues, &O::maxSubsequent, O::kMaxSubsequent, 1, 9,
              checkOfficial),
        Range("holiday start day", holidayValues, &H::startDay, H::kStartDay, 1, 31, checkHoliday),
        Range("holiday start month", holidayValues, &H::startMonth, H::kStartMonth, 1, 12, checkHoliday),
        Range("holiday start year", holidayValues, &H::startYear, H::kStartYear, 1997, 2038, checkHoliday),
        Range("holiday final day", holidayValues, &H::finalDay, H::kFinalDay, 1, 31, checkHoliday),
        Range("holiday final month", holidayValues, &H::finalMonth, H::kFinalMonth, 1, 12, checkHoliday),
        Range("holiday final year", holidayValues, &H::finalYear, H::kFinalYear, 1997, 2038, checkHoliday),
        Range("home ground start", groundValues, &cHomeGroundValues::start, cHomeGroundValues::kStart, 0,
              2400, checkGround),
        Range("home ground end", groundValues, &cHomeGroundValues::end, cHomeGroundValues::kEnd, 0, 2400,
              checkGround),
        Range("preferred start", preferredValues, &cPreferredTimeValues::start, cPreferredTimeValues::kStart,
              0, 2400, checkPreferred),
        Range("preferred end", preferredValues, &cPreferredTimeValues::end, cPreferredTimeValues::kEnd, 0,
              2400, checkPreferred),
    };
    for (const cRangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = "Please enter an integer between " + std::to_string(c.low) + " and " +
                                 std::to_string(c.high) + ".";
        for (const int value : {c.low - 1, c.high + 1, -99999, 99999}) {
            SCOPED_TRACE(value);
            const cValidation error = c.validate(value);
            ASSERT_TRUE(error.has_value());
            EXPECT_EQ(error->messageId, IDS_ENTER_INTEGER_BETWEEN);
            EXPECT_EQ(error->field, c.field);
            EXPECT_EQ(error->text, text);
        }
        // The ends themselves pass this check; another may still refuse them
        // (a start of 2400 is not before the end, 31 February is no date).
        for (const int value : {c.low, c.high}) {
            SCOPED_TRACE(value);
            const cValidation error = c.validate(value);
            EXPECT_FALSE(error.has_value() && error->messageId == IDS_ENTER_INTEGER_BETWEEN);
        }
    }
}

} // namespace
