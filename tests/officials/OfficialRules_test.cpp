#include "OfficialsFixture.h"
#include "model/Strings.h"
#include "officials/OfficialRules.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Courts A and B, one league with two teams each of the clubs Eagles and
// Falcons, and the official Quinn (club Owls, rating 5) under test; two
// officials per game, so the rating bands are 1-5 and 5-9.
struct cScene
{
    cOfficialsSeason s;
    cCourt& a = s.Court("A");
    cCourt& b = s.Court("B");
    cLeague& league = s.League("L");
    cTeam& eagles1 = s.Team(league, "Eagles 1");
    cTeam& eagles2 = s.Team(league, "Eagles 2");
    cTeam& falcons1 = s.Team(league, "Falcons 1");
    cTeam& falcons2 = s.Team(league, "Falcons 2");
    cReferee& quinn = s.Official("Quinn", "Owls", 5);
    cReferee& other = s.Official("Other", "Owls", 5);

    // A Falcons match unless teams are given.
    cMatch& Game(const cCourt& court, int day, int hhmm, int minutes = 60, const cTeam* home = nullptr,
                 const cTeam* guest = nullptr)
    {
        return s.Match(court, league, home != nullptr ? *home : falcons1,
                       guest != nullptr ? *guest : falcons2, day, hhmm, minutes);
    }
};

struct cRuleCase
{
    const char* name;
    // Builds what the case needs and returns the match to check.
    std::function<cMatch&(cScene&)> setup;
    int expected;
    int level = kBasicLevel;
    int slot = 0;
    cTopClubs topClubs = {};
};

void RunCases(const std::vector<cRuleCase>& cases)
{
    for (const cRuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        cScene scene;
        cMatch& match = c.setup(scene);
        EXPECT_EQ(CheckOfficial(scene.s.db, match, scene.quinn, c.slot, c.level, c.topClubs), c.expected);
        EXPECT_TRUE(GameCountErrors(scene.s.db).empty());
    }
}

TEST(CheckOfficial, RulesOfTheOfficialAndTheMatch)
{
    RunCases({
        {"an unconstrained official passes the strictest level",
         [](cScene& x) -> cMatch& { return x.Game(x.a, 0, 1000); }, 0, kStrictestLevel},
        {"own club against another club",
         [](cScene& x) -> cMatch& {
             x.quinn.m_strClubOfficial = "Eagles";
             return x.Game(x.a, 0, 1000, 60, &x.eagles2, &x.falcons1);
         },
         IDS_OFFICIAL_OWN_CLUB},
        {"own club on both sides passes",
         [](cScene& x) -> cMatch& {
             x.quinn.m_strClubOfficial = "Eagles";
             return x.Game(x.a, 0, 1000, 60, &x.eagles1, &x.eagles2);
         },
         0},
        {"a club differing in letter case is another club",
         [](cScene& x) -> cMatch& {
             x.quinn.m_strClubOfficial = "eagles";
             return x.Game(x.a, 0, 1000, 60, &x.eagles2, &x.falcons1);
         },
         0},
        {"own club ignored",
         [](cScene& x) -> cMatch& {
             x.quinn.m_strClubOfficial = "Eagles";
             x.s.db.m_bIgnoreClub = 1;
             return x.Game(x.a, 0, 1000, 60, &x.eagles2, &x.falcons1);
         },
         0},
        {"no games left",
         [](cScene& x) -> cMatch& {
             x.quinn.m_nMaxGames = 0;
             return x.Game(x.a, 0, 1000);
         },
         IDS_OFFICIAL_MAX_GAMES},
        {"a negative remainder passes",
         [](cScene& x) -> cMatch& {
             x.quinn.m_nMaxGames = 1;
             x.s.Hold(x.Game(x.a, 14, 1000), 0, x.quinn);
             x.s.Hold(x.Game(x.a, 28, 1000), 0, x.quinn);
             return x.Game(x.a, 0, 1000);
         },
         0},
        {"no games left, but the slot checked is his own",
         [](cScene& x) -> cMatch& {
             x.quinn.m_nMaxGames = 1;
             cMatch& match = x.Game(x.a, 0, 1000);
             x.s.Hold(match, 0, x.quinn);
             return match;
         },
         0},
        {"no games left is tested before already assigned",
         [](cScene& x) -> cMatch& {
             x.quinn.m_nMaxGames = 1;
             cMatch& match = x.Game(x.a, 0, 1000);
             x.s.Hold(match, 0, x.quinn);
             return match;
         },
         IDS_OFFICIAL_MAX_GAMES, kBasicLevel, 1},
        {"permanent day off (the match is on a Monday)",
         [](cScene& x) -> cMatch& {
             x.quinn.m_nDayOff2 = 1;
             return x.Game(x.a, 0, 1000);
         },
         IDS_OFFICIAL_DAY_OFF},
        {"days off ignored",
         [](cScene& x) -> cMatch& {
             x.quinn.m_nDayOff1 = 1;
             x.s.db.m_bIgnoreDaysOff = 1;
             return x.Game(x.a, 0, 1000);
         },
         0},
        {"already in another slot of the match",
         [](cScene& x) -> cMatch& {
             cMatch& match = x.Game(x.a, 0, 1000);
             x.s.Hold(match, 1, x.quinn);
             return match;
         },
         IDS_OFFICIAL_ALREADY_ASSIGNED},
        {"a slot beyond the officials per game does not count",
         [](cScene& x) -> cMatch& {
             cMatch& match = x.Game(x.a, 0, 1000);
             x.s.Hold(match, 3, x.quinn);
             return match;
         },
         0},
        {"rating outside the league's range",
         [](cScene& x) -> cMatch& {
             x.league.m_nMinOfficialRating = 6;
             return x.Game(x.a, 0, 1000);
         },
         IDS_OFFICIAL_RATING},
        {"ratings ignored",
         [](cScene& x) -> cMatch& {
             x.league.m_nMinOfficialRating = 6;
             x.s.db.m_bIgnoreRatings = 1;
             return x.Game(x.a, 0, 1000);
         },
         0},
        {"holiday",
         [](cScene& x) -> cMatch& {
             x.s.Holiday(x.quinn, -2, 0);
             return x.Game(x.a, 0, 2300);
         },
         IDS_OFFICIAL_HOLIDAY},
        {"holiday ending the day before",
         [](cScene& x) -> cMatch& {
             x.s.Holiday(x.quinn, -2, -1);
             return x.Game(x.a, 0, 1000);
         },
         0},
        {"holidays ignored",
         [](cScene& x) -> cMatch& {
             x.s.Holiday(x.quinn, 0, 0);
             x.s.db.m_bIgnoreHolidays = 1;
             return x.Game(x.a, 0, 1000);
         },
         0},
        {"day off is tested before the holiday",
         [](cScene& x) -> cMatch& {
             x.s.Holiday(x.quinn, 0, 0);
             x.quinn.m_nDayOff1 = 1;
             return x.Game(x.a, 0, 1000);
         },
         IDS_OFFICIAL_DAY_OFF},
        {"no games left is tested before own club",
         [](cScene& x) -> cMatch& {
             x.quinn.m_strClubOfficial = "Eagles";
             x.quinn.m_nMaxGames = 0;
             return x.Game(x.a, 0, 1000, 60, &x.eagles2, &x.falcons1);
         },
         IDS_OFFICIAL_MAX_GAMES},
    });
}

TEST(CheckOfficial, PlayoffMatchesSkipOwnClubAndRatingOnly)
{
    RunCases({
        {"own club and rating",
         [](cScene& x) -> cMatch& {
             x.quinn.m_strClubOfficial = "Eagles";
             x.league.m_nMinOfficialRating = 9;
             return x.s.Playoff(x.a, 0, 1000);
         },
         0},
        {"day off still applies",
         [](cScene& x) -> cMatch& {
             x.quinn.m_nDayOff1 = 1;
             return x.s.Playoff(x.a, 0, 1000);
         },
         IDS_OFFICIAL_DAY_OFF},
    });
}

TEST(CheckOfficial, TheLevelSwitchesBandsPreferredTimesTopClubsAndLookAhead)
{
    // Rating 3 lies in the league's range 1-9 but not in the band 5-9 of the 2nd official.
    const auto lowRating = [](cScene& x) -> cMatch& {
        x.quinn.m_nRating = 3;
        return x.Game(x.a, 0, 1000);
    };
    // Preferred on Mondays 18:00-20:00 only; the match starts at 10:00.
    const auto eveningsOnly = [](cScene& x) -> cMatch& {
        x.s.Preferred(x.quinn, 1, 1800, 2000);
        return x.Game(x.a, 0, 1000);
    };
    // The next match on court A overlaps one Quinn holds on court B, so he
    // cannot take both; without rest days between games nothing else objects.
    const auto cannotTakeNext = [](cScene& x) -> cMatch& {
        x.s.db.m_nMinDaysBetweenGames = 0;
        cMatch& match = x.Game(x.a, 0, 1000);
        x.Game(x.a, 0, 1100);
        x.s.Hold(x.Game(x.b, 0, 1100), 0, x.quinn);
        return match;
    };
    const cTopClubs owlsOnTop{{"OWLS"}};
    RunCases({
        {"band, level 1", lowRating, IDS_OFFICIAL_RATING, 1, 1},
        {"band, level 2", lowRating, IDS_OFFICIAL_RATING, 2, 1, owlsOnTop},
        {"band, level 3", lowRating, IDS_OFFICIAL_RATING, 3, 1},
        {"band, level 4", lowRating, 0, 4, 1},
        {"band, level 5", lowRating, 0, 5, 1},
        {"band of the 1st official holds rating 3", lowRating, 0, 3, 0},
        {"preferred time, level 1", eveningsOnly, IDS_OFFICIAL_PREFERRED_TIME, 1},
        {"preferred time, level 3", eveningsOnly, IDS_OFFICIAL_PREFERRED_TIME, 3},
        {"preferred time, level 4", eveningsOnly, 0, 4},
        {"preferred time, level 5", eveningsOnly, 0, 5},
        {"preferred time with the start as the closing time",
         [](cScene& x) -> cMatch& {
             x.s.Preferred(x.quinn, 1, 900, 1000);
             return x.Game(x.a, 0, 1000);
         },
         0, 3},
        {"preferred time on another weekday",
         [](cScene& x) -> cMatch& {
             x.s.Preferred(x.quinn, 2, 0, 2400);
             return x.Game(x.a, 0, 1000);
         },
         IDS_OFFICIAL_PREFERRED_TIME, 3},
        {"preferred times ignored",
         [](cScene& x) -> cMatch& {
             x.s.db.m_bIgnorePreferredTime = 1;
             x.s.Preferred(x.quinn, 2, 0, 2400);
             return x.Game(x.a, 0, 1000);
         },
         0, 1},
        {"top clubs without his club, level 2", [](cScene& x) -> cMatch& { return x.Game(x.a, 0, 1000); },
         IDS_OFFICIAL_CLUB_REPRESENTATION, 2, 0, cTopClubs{{"Hawks"}}},
        {"top clubs, other level", [](cScene& x) -> cMatch& { return x.Game(x.a, 0, 1000); }, 0, 3, 0,
         cTopClubs{{"Hawks"}}},
        {"top clubs compare without letter case", [](cScene& x) -> cMatch& { return x.Game(x.a, 0, 1000); },
         0, 2, 0, owlsOnTop},
        {"look-ahead, level 1", cannotTakeNext, IDS_OFFICIAL_SUBSEQUENT_HERE, 1},
        {"look-ahead, level 2", cannotTakeNext, 0, 2, 0, owlsOnTop},
        {"look-ahead, level 3", cannotTakeNext, 0, 3},
        {"look-ahead, level 4", cannotTakeNext, IDS_OFFICIAL_SUBSEQUENT_HERE, 4},
        {"look-ahead, level 5", cannotTakeNext, 0, 5},
        {"look-ahead is off when one game in a row is the limit",
         [&cannotTakeNext](cScene& x) -> cMatch& {
             x.quinn.m_nMaxSubsequent = 1;
             return cannotTakeNext(x);
         },
         0, 1},
        {"look-ahead stops at a match whose slots are all full",
         [&cannotTakeNext](cScene& x) -> cMatch& {
             cMatch& match = cannotTakeNext(x);
             auto& next = static_cast<cMatch&>(*cTournelDb::GetNext(match));
             x.s.Hold(next, 0, x.other);
             x.s.Hold(next, 1, x.s.Official("Third", "", 5));
             return match;
         },
         0, 1},
        {"look-ahead covers as many following matches as the subsequent limit",
         [](cScene& x) -> cMatch& {
             // Limit 2: the 11:00 and the 12:00 match must both be open to him.
             x.s.db.m_nMinDaysBetweenGames = 0;
             cMatch& match = x.Game(x.a, 0, 1000);
             x.Game(x.a, 0, 1100);
             x.Game(x.a, 0, 1200);
             x.s.Hold(x.Game(x.b, 0, 1200), 0, x.quinn);
             return match;
         },
         IDS_OFFICIAL_SUBSEQUENT_HERE, 1},
        {"look-ahead stays on its court and day",
         [](cScene& x) -> cMatch& {
             x.s.db.m_nMinDaysBetweenGames = 0;
             cMatch& match = x.Game(x.a, 0, 1000);
             x.s.Hold(x.Game(x.b, 0, 1000), 0, x.other);
             x.s.Hold(x.Game(x.b, 0, 1100), 0, x.quinn);
             x.s.Hold(x.Game(x.a, 1, 1000), 0, x.quinn);
             return match;
         },
         0, 1},
    });
}

TEST(CheckOfficial, OneSeriesOfMatchesADayWhenRestDaysAreRequired)
{
    // Court A holds the day's matches at 10:00, 11:00 and 12:00; the limit is 2.
    const auto day = [](cScene& x, int holds, int checked) -> cMatch& {
        cMatch* matches[3] = {&x.Game(x.a, 0, 1000), &x.Game(x.a, 0, 1100), &x.Game(x.a, 0, 1200)};
        for (int i = 0; i < 3; ++i) {
            if ((holds & (1 << i)) != 0) {
                x.s.Hold(*matches[i], 0, x.quinn);
            }
        }
        return *matches[checked];
    };
    RunCases({
        {"the next match after the one he holds", [&day](cScene& x) -> cMatch& { return day(x, 0b001, 1); },
         0},
        {"the match before the one he holds", [&day](cScene& x) -> cMatch& { return day(x, 0b010, 0); }, 0},
        {"a third in a row", [&day](cScene& x) -> cMatch& { return day(x, 0b011, 2); },
         IDS_OFFICIAL_TOO_MANY_SUBSEQUENT},
        {"a third in a row between the two", [&day](cScene& x) -> cMatch& { return day(x, 0b101, 1); },
         IDS_OFFICIAL_TOO_MANY_SUBSEQUENT},
        {"his own limit is lower",
         [&day](cScene& x) -> cMatch& {
             x.quinn.m_nMaxSubsequent = 1;
             return day(x, 0b001, 1);
         },
         IDS_OFFICIAL_TOO_MANY_SUBSEQUENT},
        {"a gap breaks the series", [&day](cScene& x) -> cMatch& { return day(x, 0b001, 2); },
         IDS_OFFICIAL_SAME_DAY},
        {"a match on another court the same day",
         [&day](cScene& x) -> cMatch& {
             x.s.Hold(x.Game(x.b, 0, 1800), 0, x.quinn);
             return day(x, 0, 1);
         },
         IDS_OFFICIAL_SAME_DAY},
        {"no rest days: any number a day",
         [&day](cScene& x) -> cMatch& {
             x.s.db.m_nMinDaysBetweenGames = 0;
             x.s.Hold(x.Game(x.b, 0, 1800), 0, x.quinn);
             return day(x, 0b011, 2);
         },
         0},
        {"days between matches: 6 days after",
         [](cScene& x) -> cMatch& {
             x.s.Hold(x.Game(x.a, 0, 1000), 0, x.quinn);
             return x.Game(x.a, 6, 1000);
         },
         IDS_OFFICIAL_DAYS_BETWEEN},
        {"days between matches: 6 days before",
         [](cScene& x) -> cMatch& {
             x.s.Hold(x.Game(x.a, 6, 1000), 1, x.quinn);
             return x.Game(x.a, 0, 1000);
         },
         IDS_OFFICIAL_DAYS_BETWEEN},
        {"days between matches: 7 days after",
         [](cScene& x) -> cMatch& {
             x.s.Hold(x.Game(x.a, 0, 1000), 0, x.quinn);
             return x.Game(x.a, 7, 1000);
         },
         0},
        {"re-checking the holder of the slot",
         [](cScene& x) -> cMatch& {
             x.quinn.m_nMaxGames = 1;
             cMatch& match = x.Game(x.a, 0, 1000);
             x.s.Hold(match, 0, x.quinn);
             return match;
         },
         0},
    });
}

TEST(CheckOfficial, AnOfficialCannotBeOnTwoMatchesWhoseTimesOverlap)
{
    // Without rest days only the times and team conflicts stop him.
    const auto heldOnB = [](int from, int minutes, int checkedFrom, int checkedMinutes) {
        return [=](cScene& x) -> cMatch& {
            x.s.db.m_nMinDaysBetweenGames = 0;
            x.s.Hold(x.Game(x.b, 0, from, minutes), 0, x.quinn);
            return x.Game(x.a, 0, checkedFrom, checkedMinutes);
        };
    };
    RunCases({
        {"starts inside the other", heldOnB(1000, 60, 1030, 60), IDS_OFFICIAL_SAME_TIME},
        {"ends inside the other", heldOnB(1000, 60, 930, 60), IDS_OFFICIAL_SAME_TIME},
        {"the same times", heldOnB(1000, 60, 1000, 60), IDS_OFFICIAL_SAME_TIME},
        {"contains the other", heldOnB(1100, 60, 1000, 180), IDS_OFFICIAL_SAME_TIME},
        {"lies inside the other", heldOnB(1000, 180, 1100, 60), IDS_OFFICIAL_SAME_TIME},
        {"starts when the other ends", heldOnB(900, 60, 1000, 60), 0},
        {"ends when the other starts", heldOnB(1100, 60, 1000, 60), 0},
    });
}

TEST(CheckOfficial, TeamConflicts)
{
    // Quinn conflicts with Eagles 1; the match checked is a Falcons match on court A at 10:00.
    const auto eaglesPlay = [](bool twin, const cCourt* court, int day, int hhmm) {
        return [=](cScene& x) -> cMatch& {
            x.s.Conflict(x.quinn, x.league, x.eagles1, twin);
            x.Game(court == nullptr ? x.b : *court, day, hhmm, 60, &x.eagles1, &x.eagles2);
            return x.Game(x.a, 0, 1000);
        };
    };
    RunCases({
        {"a twin blocks the whole day, any court",
         [](cScene& x) -> cMatch& {
             x.s.Conflict(x.quinn, x.league, x.eagles1, true);
             x.Game(x.a, 0, 1800, 60, &x.eagles2, &x.eagles1);
             return x.Game(x.a, 0, 1000);
         },
         IDS_OFFICIAL_TEAM_CONFLICT},
        {"another court close in time", eaglesPlay(false, nullptr, 0, 1200), IDS_OFFICIAL_TEAM_CONFLICT},
        {"another court, 150 minutes apart", eaglesPlay(false, nullptr, 0, 1230), 0},
        {"another day", eaglesPlay(true, nullptr, 1, 1000), 0},
        {"the same court close in time",
         [](cScene& x) -> cMatch& {
             x.s.Conflict(x.quinn, x.league, x.eagles1, false);
             x.Game(x.a, 0, 1100, 60, &x.eagles1, &x.eagles2);
             return x.Game(x.a, 0, 1000);
         },
         0},
        {"a team of the match itself",
         [](cScene& x) -> cMatch& {
             x.s.Conflict(x.quinn, x.league, x.falcons2, false);
             return x.Game(x.a, 0, 1000);
         },
         IDS_OFFICIAL_TEAM_CONFLICT},
        {"team conflicts ignored",
         [](cScene& x) -> cMatch& {
             x.s.db.m_bIgnoreTeamConflicts = 1;
             x.s.Conflict(x.quinn, x.league, x.falcons2, true);
             return x.Game(x.a, 0, 1000);
         },
         0},
        {"the first match in list order decides: overlap before conflict",
         [](cScene& x) -> cMatch& {
             x.s.db.m_nMinDaysBetweenGames = 0;
             x.s.Conflict(x.quinn, x.league, x.falcons2, true);
             // Court B's match comes after court A's in the list; the match
             // itself (court A) breaks the conflict rule first.
             x.s.Hold(x.Game(x.b, 0, 1000, 60, &x.eagles1, &x.eagles2), 0, x.quinn);
             return x.Game(x.a, 0, 1000);
         },
         IDS_OFFICIAL_TEAM_CONFLICT},
        {"for one match the overlap comes before the conflict",
         [](cScene& x) -> cMatch& {
             x.s.db.m_nMinDaysBetweenGames = 0;
             x.s.Conflict(x.quinn, x.league, x.eagles1, true);
             x.s.Hold(x.Game(x.a, 0, 1000, 60, &x.eagles1, &x.eagles2), 0, x.quinn);
             return x.Game(x.b, 0, 1000);
         },
         IDS_OFFICIAL_SAME_TIME},
    });
}

} // namespace
