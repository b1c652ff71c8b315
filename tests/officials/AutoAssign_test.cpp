#include "OfficialsFixture.h"
#include "model/Strings.h"
#include "officials/AutoAssign.h"
#include "officials/OfficialRules.h"
#include "officials/cAutoAssignValues.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// One court, one league of teams from four clubs and matches on consecutive days.
struct cAutoScene
{
    cOfficialsSeason s;
    cCourt& a = s.Court("A");
    cLeague& league = s.League("L");
    cTeam& home = s.Team(league, "Falcons 1");
    cTeam& guest = s.Team(league, "Hawks 1");

    cMatch& Game(int day, int hhmm, const cCourt* court = nullptr)
    {
        return s.Match(court != nullptr ? *court : a, league, home, guest, day, hhmm);
    }
    // Matches on days 0, 7, 14, ... so that rest days never interfere.
    void Weekly(int count)
    {
        for (int i = 0; i < count; ++i) {
            Game(7 * i, 1000);
        }
    }
    cAssignRun Run(int lastDay, int perGame)
    {
        return AssignOfficialsAutomatically(s.db, At(lastDay + 1, 0), perGame);
    }
};

TEST(AssignOfficialsAutomatically, NothingToDo)
{
    struct cCase
    {
        const char* name;
        int maxGames; // of the one official, who holds one slot of the last match
        int lastDay;
        int shownId;
    };
    const std::vector<cCase> cases = {
        {"a date before the first match", 5, -1, IDS_NO_OFFICIALS_REQUIRED},
        {"every official at his maximum", 1, 30, IDS_NO_OFFICIALS_AVAILABLE},
        {"a negative total ends silently", 0, 30, 0},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cAutoScene x;
        x.Weekly(3);
        cReferee& only = x.s.Official("Only");
        x.s.Hold(static_cast<cMatch&>(*x.s.db.Scheduled().GetLast()), 0, only);
        only.m_nMaxGames = c.maxGames;
        const std::vector<int> before = x.s.AllSlots();
        const cAssignRun run = x.Run(c.lastDay, 2);
        EXPECT_FALSE(run.started);
        EXPECT_EQ(run.messageId, c.shownId);
        EXPECT_EQ(x.s.prompt.Ids(), c.shownId != 0 ? std::vector<int>{c.shownId} : std::vector<int>{});
        EXPECT_EQ(x.s.prompt.m_progressOpened, 0);
        EXPECT_EQ(x.s.AllSlots(), before);
    }
}

TEST(AssignOfficialsAutomatically, FillsFirstSlotsBeforeSecondOnesAndCountsEveryRequestedSlot)
{
    cAutoScene x;
    x.Weekly(3);
    x.s.Playoff(x.a, 1, 1000);
    // Three games between them: all three first slots, no second one.
    x.s.Official("One").m_nMaxGames = 2;
    x.s.Official("Two").m_nMaxGames = 1;
    const cAssignRun run = x.Run(30, 2);
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.required, 8); // the playoff match's slots are requested too
    EXPECT_EQ(run.filled, 3);
    EXPECT_EQ(run.message, "Assigned 3 out of 8 requested officials!");
    for (const cMatch& match : x.s.db.Scheduled().AllItems<cMatch>()) {
        SCOPED_TRACE(match.GetLabel());
        EXPECT_EQ(match.GetOfficial(0) >= 0, !match.IsPlayoff());
        EXPECT_EQ(match.GetOfficial(1), -1);
    }
    EXPECT_EQ(x.s.prompt.Ids(), std::vector<int>{0});
    EXPECT_EQ(x.s.prompt.m_shown.back().text, run.message);
    EXPECT_EQ(x.s.prompt.m_progressOpened, 1);
    EXPECT_EQ(x.s.prompt.m_progressClosed, 1);
    EXPECT_TRUE(GameCountErrors(x.s.db).empty());
    EXPECT_TRUE(CheckInvariants(x.s.db).empty());
}

TEST(AssignOfficialsAutomatically, OneOfficialPerGameTouchesOnlyFirstSlotsAndStopsAtTheDate)
{
    cAutoScene x;
    x.Weekly(4);
    for (const char* name : {"P", "Q", "R", "S"}) {
        x.s.Official(name);
    }
    const cAssignRun run = x.Run(14, 1);
    EXPECT_EQ(run.required, 3);
    EXPECT_EQ(run.filled, 3);
    int index = 0;
    for (const cMatch& match : x.s.db.Scheduled().AllItems<cMatch>()) {
        SCOPED_TRACE(index);
        EXPECT_EQ(match.GetOfficial(0) >= 0, index < 3);
        EXPECT_EQ(match.GetOfficial(1), -1);
        ++index;
    }
}

TEST(AssignOfficialsAutomatically, SlotsFilledBeforeCountAndStayUntouched)
{
    cAutoScene x;
    x.Weekly(2);
    cReferee& first = x.s.Official("First");
    x.s.Official("Second");
    x.s.Official("Third");
    cMatch& held = static_cast<cMatch&>(*x.s.db.Scheduled().GetFirst());
    x.s.Hold(held, 1, first);
    const cAssignRun run = x.Run(30, 2);
    EXPECT_EQ(run.required, 4);
    EXPECT_EQ(run.filled, 4);
    EXPECT_EQ(run.assigned, 3);
    EXPECT_EQ(held.GetOfficial(1), first.m_nIndex);
    EXPECT_TRUE(GameCountErrors(x.s.db).empty());
}

TEST(AssignOfficialsAutomatically, CancelAsksAndOnlyYesStops)
{
    for (const bool stop : {false, true}) {
        SCOPED_TRACE(stop ? "Yes" : "No");
        cAutoScene x;
        x.Weekly(4);
        x.s.Official("P");
        x.s.Official("Q");
        x.s.prompt.Cancel(false);
        x.s.prompt.Cancel(true); // at the second match
        x.s.prompt.Answer(stop);
        const cAssignRun run = x.Run(30, 1);
        EXPECT_EQ(run.cancelled, stop);
        EXPECT_EQ(run.filled, stop ? 1 : 4);
        EXPECT_EQ(x.s.prompt.Ids(), (std::vector<int>{IDS_ABORT_SCHEDULING, 0}));
        EXPECT_EQ(x.s.prompt.m_shown.back().text, stop ? "Assigned 1 out of 4 requested officials!"
                                                       : "Assigned 4 out of 4 requested officials!");
        EXPECT_EQ(x.s.prompt.m_progressClosed, 1);
        EXPECT_TRUE(x.s.prompt.AllAnswered());
        EXPECT_TRUE(GameCountErrors(x.s.db).empty());
    }
}

// A season of several courts, days and clubs, with constraints that make the
// levels matter.
void BuildBusySeason(cOfficialsSeason& s)
{
    cCourt* courts[] = {&s.Court("A"), &s.Court("B"), &s.Court("C")};
    cLeague& league = s.League("L");
    league.m_nMinOfficialRating = 2;
    league.ComputeRatingBands(2);
    std::vector<cTeam*> teams;
    for (const char* name : {"Eagles 1", "Eagles 2", "Falcons 1", "Hawks 1", "Owls 1", "Ravens 1"}) {
        teams.push_back(&s.Team(league, name));
    }
    int pairing = 0;
    for (int day = 0; day < 20; day += 2) {
        for (cCourt* court : courts) {
            for (const int hhmm : {1000, 1100, 1200}) {
                const std::size_t h = static_cast<std::size_t>(pairing % 6);
                const std::size_t g = static_cast<std::size_t>((pairing / 6 + 1 + pairing) % 6);
                ++pairing;
                if (h != g) {
                    s.Match(*court, league, *teams[h], *teams[g], day, hhmm);
                }
            }
        }
    }
    const char* clubs[] = {"Eagles", "Falcons", "Hawks", "", "Owls", "Ravens", "Eagles", "Falcons"};
    for (int i = 0; i < 16; ++i) {
        cReferee& official = s.Official("Official " + std::to_string(10 + i), clubs[i % 8], 1 + i % 9);
        official.m_nMaxGames = 3 + i % 5;
        if (i % 4 == 0) {
            s.Preferred(official, LocalTime(At(0, 0)).weekday, 900, 1100);
        }
        if (i % 5 == 0) {
            official.m_nDayOff1 = LocalTime(At(2, 0)).weekday;
        }
    }
}

TEST(AssignOfficialsAutomatically, OneSeedOneResultAndTheGameCountsHold)
{
    std::vector<int> slots[3];
    const std::uint32_t seeds[3] = {11, 11, 12};
    for (int run = 0; run < 3; ++run) {
        cOfficialsSeason s;
        s.db.m_random.Seed(seeds[run]);
        BuildBusySeason(s);
        const cAssignRun result = AssignOfficialsAutomatically(s.db, At(30, 0), 2);
        EXPECT_GT(result.assigned, 20);
        EXPECT_TRUE(GameCountErrors(s.db).empty());
        EXPECT_TRUE(CheckInvariants(s.db).empty());
        // Nobody is on two overlapping matches, whatever level let him in.
        for (const cMatch& match : s.db.Scheduled().AllItems<cMatch>()) {
            for (const cMatch& other : s.db.Scheduled().AllItems<cMatch>()) {
                if (&other == &match || match.m_tStart >= other.m_tEnd || other.m_tStart >= match.m_tEnd) {
                    continue;
                }
                for (int i = 0; i < 2; ++i) {
                    const int official = match.GetOfficial(i);
                    EXPECT_TRUE(official < 0 || !IsAssigned(s.db, other, official))
                        << match.GetLabel() << " and " << other.GetLabel();
                }
            }
        }
        slots[run] = s.AllSlots();
    }
    EXPECT_EQ(slots[0], slots[1]);
    EXPECT_NE(slots[0], slots[2]);
}

TEST(FindCandidate, OfficialsOfTheNeighboursOnTheCourtComeFirst)
{
    // 60-minute games: the 11:00 match may take the 10:00 match's official
    // (60 <= 120 minutes apart), the 13:00 match may not (180 > 120).
    cAutoScene x;
    x.s.db.m_nMinDaysBetweenGames = 0;
    cMatch& ten = x.Game(0, 1000);
    cMatch& eleven = x.Game(0, 1100);
    cMatch& one = x.Game(0, 1300);
    cReferee& neighbour = x.s.Official("Neighbour");
    cReferee& busy = x.s.Official("Busy");
    busy.m_nMaxGames = 5000; // nearly every random start is Busy
    x.s.Hold(ten, 0, neighbour);
    const int capacity = neighbour.GetRemainingGames() + busy.GetRemainingGames();
    EXPECT_EQ(FindCandidate(x.s.db, eleven, 0, capacity, {}), &neighbour);
    EXPECT_EQ(FindCandidate(x.s.db, one, 0, capacity, {}), &busy);
    // The neighbour after the match counts too.
    x.s.Hold(one, 1, neighbour);
    cMatch& twelve = x.Game(0, 1200);
    EXPECT_EQ(FindCandidate(x.s.db, twelve, 0, capacity, {}), &neighbour);
}

TEST(FindCandidate, RelaxesLevelByLevelAndGivesUpAfterTheBasicRules)
{
    struct cCase
    {
        const char* name;
        std::function<void(cAutoScene&, cReferee&)> setup;
        bool found;
    };
    const std::vector<cCase> cases = {
        {"outside his preferred times: found at level 4",
         [](cAutoScene& x, cReferee& only) { x.s.Preferred(only, 0, 0, 2400); }, true},
        {"outside the slot's band: found at level 4", [](cAutoScene&, cReferee& only) { only.m_nRating = 9; },
         true},
        {"on holiday: nobody", [](cAutoScene& x, cReferee& only) { x.s.Holiday(only, 0, 0); }, false},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cAutoScene x;
        cMatch& match = x.Game(0, 1000);
        cReferee& only = x.s.Official("Only");
        c.setup(x, only);
        const cReferee* found = FindCandidate(x.s.db, match, 0, only.GetRemainingGames(), {});
        EXPECT_EQ(found, c.found ? &only : nullptr);
    }
}

TEST(PickWeightedOfficial, EachOfficialAsLikelyAsTheGamesHeMayStillTake)
{
    cOfficialsSeason s;
    cReferee& full = s.Official("Full");
    cReferee& three = s.Official("Three");
    cReferee& one = s.Official("One");
    full.m_nMaxGames = 0;
    three.m_nMaxGames = 3;
    one.m_nMaxGames = 1;
    std::map<const cReferee*, int> picks;
    for (int i = 0; i < 4000; ++i) {
        ++picks[PickWeightedOfficial(s.db, 4)];
    }
    EXPECT_EQ(picks[&full], 0);
    EXPECT_NEAR(picks[&three], 3000, 150);
    EXPECT_NEAR(picks[&one], 1000, 150);
    EXPECT_EQ(PickWeightedOfficial(s.db, 0), nullptr);
}

TEST(PickWeightedOfficial, CapacitiesBeyondOneDrawOfTheGeneratorReachTheLastOfficial)
{
    cOfficialsSeason s;
    s.Official("A").m_nMaxGames = 40000;
    cReferee& last = s.Official("B");
    last.m_nMaxGames = 40000;
    int lastPicked = 0;
    for (int i = 0; i < 2000; ++i) {
        lastPicked += PickWeightedOfficial(s.db, 80000) == &last ? 1 : 0;
    }
    EXPECT_NEAR(lastPicked, 1000, 120);
}

TEST(BuildTopClubs, ClubsAboveTheShareThreshold)
{
    cOfficialsSeason s;
    // Capacities: Lions 30, Tigers 30 (two officials, letters differing in
    // case), then 10 each for Bears, Wolves, Foxes, Owls.
    s.Official("A", "Bears").m_nMaxGames = 10;
    s.Official("B", "Lions").m_nMaxGames = 30;
    s.Official("C", "Tigers").m_nMaxGames = 20;
    s.Official("D", "TIGERS").m_nMaxGames = 10;
    s.Official("E", "Wolves").m_nMaxGames = 10;
    s.Official("F", "Foxes").m_nMaxGames = 10;
    s.Official("G", "Owls").m_nMaxGames = 10;
    const cTopClubs top = BuildTopClubs(s.db, 100);
    EXPECT_EQ(top.clubs, (std::vector<std::string>{"Lions", "Tigers"}));
    EXPECT_TRUE(BuildTopClubs(s.db, 0).IsEmpty());

    // Officials without a club are a club of their own.
    cOfficialsSeason t;
    t.Official("A", "").m_nMaxGames = 50;
    t.Official("B", "Bears").m_nMaxGames = 50;
    EXPECT_EQ(BuildTopClubs(t.db, 100).clubs, (std::vector<std::string>{"", "Bears"}));
}

TEST(AssignOfficial, KeepsTheGameCountsOfTheOfficialLeavingAndTheOneArriving)
{
    cAutoScene x;
    cMatch& match = x.Game(0, 1000);
    cReferee& p = x.s.Official("P");
    cReferee& q = x.s.Official("Q");
    x.s.db.SetModifiedFlag(false);
    AssignOfficial(x.s.db, match, 0, &p);
    EXPECT_TRUE(x.s.db.IsModified());
    AssignOfficial(x.s.db, match, 0, &q);
    EXPECT_TRUE(AssignOfficial(x.s.db, match, 1, &p));
    EXPECT_EQ(p.m_nGames, 1);
    EXPECT_EQ(q.m_nGames, 1);
    AssignOfficial(x.s.db, match, 0, nullptr);
    EXPECT_EQ(match.GetOfficial(0), -1);
    EXPECT_EQ(q.m_nGames, 0);
    EXPECT_TRUE(GameCountErrors(x.s.db).empty());
}

TEST(AssignOfficial, RefusesAnOfficialWhoStandsOnAnotherSlotOfTheMatch)
{
    cAutoScene x;
    cMatch& match = x.Game(0, 1000);
    cMatch& other = x.Game(7, 1000);
    cReferee& p = x.s.Official("P");
    ASSERT_TRUE(AssignOfficial(x.s.db, match, 4, &p)); // a slot beyond the officials per game counts too
    x.s.db.SetModifiedFlag(false);
    for (const int slot : {0, 1, 3}) {
        SCOPED_TRACE(slot);
        EXPECT_FALSE(AssignOfficial(x.s.db, match, slot, &p));
        EXPECT_EQ(match.GetOfficial(slot), -1);
    }
    EXPECT_FALSE(x.s.db.IsModified());
    EXPECT_EQ(p.m_nGames, 1);
    EXPECT_TRUE(AssignOfficial(x.s.db, match, 4, &p)); // his own slot again
    EXPECT_TRUE(AssignOfficial(x.s.db, other, 0, &p)); // another match
    EXPECT_EQ(p.m_nGames, 2);
    EXPECT_TRUE(GameCountErrors(x.s.db).empty());
}

TEST(AssignOfficialsAutomatically, NeverPutsOneOfficialOnTwoSlotsOfAMatch)
{
    // The only official stands on the match's fifth slot, left from a time
    // with five officials per game: the run leaves the slots it serves empty.
    for (const bool literal : {false, true}) {
        SCOPED_TRACE(literal ? "literal" : "indexed");
        cAutoScene x;
        x.s.db.m_nOfficialsPerGame = 2;
        cMatch& match = x.Game(0, 1000);
        cReferee& only = x.s.Official("Only");
        only.m_nMaxGames = 10;
        ASSERT_TRUE(AssignOfficial(x.s.db, match, 4, &only));
        const cAssignRun run = AssignOfficialsAutomatically(x.s.db, At(1, 0), 2, literal);
        EXPECT_EQ(run.assigned, 0);
        EXPECT_EQ(match.GetOfficial(0), -1);
        EXPECT_EQ(match.GetOfficial(1), -1);
        EXPECT_EQ(only.m_nGames, 1);
        EXPECT_TRUE(GameCountErrors(x.s.db).empty());
    }
}

TEST(cAutoAssignValues, ChecksInTheDialogsOrder)
{
    cAutoScene x;
    x.Game(0, 1000);
    x.Game(40, 1000);
    const cAutoAssignValues initial = cAutoAssignValues::FromDatabase(x.s.db);
    EXPECT_EQ(initial.day, 16); // 6 September + 40 days
    EXPECT_EQ(initial.month, 10);
    EXPECT_EQ(initial.year, 2027);
    EXPECT_EQ(initial.officials, 2);
    EXPECT_FALSE(Validate(initial, x.s.db).has_value());

    struct cCase
    {
        const char* name;
        cAutoAssignValues values;
        int messageId;
        int field;
        const char* text;
    };
    using V = cAutoAssignValues;
    const std::vector<cCase> cases = {
        {"day",
         {0, 2, 2028, 2},
         IDS_ENTER_INTEGER_BETWEEN,
         V::kFieldDay,
         "Please enter an integer between 1 and 31."},
        {"month", {1, 13, 2028, 2}, IDS_ENTER_INTEGER_BETWEEN, V::kFieldMonth, nullptr},
        {"year before the first", {31, 12, 1996, 2}, IDS_ENTER_INTEGER_BETWEEN, V::kFieldYear, nullptr},
        {"year",
         {1, 1, 2039, 2},
         IDS_ENTER_INTEGER_BETWEEN,
         V::kFieldYear,
         "Please enter an integer between 1997 and 2038."},
        {"more officials than the document's number",
         {1, 1, 2028, 3},
         IDS_ENTER_INTEGER_BETWEEN,
         V::kFieldOfficials,
         "Please enter an integer between 1 and 2."},
        {"no officials", {1, 1, 2028, 0}, IDS_ENTER_INTEGER_BETWEEN, V::kFieldOfficials, nullptr},
        {"30 February", {30, 2, 2028, 2}, IDS_ILLEGAL_DATE, V::kFieldDay, nullptr},
        {"ranges come before the date",
         {31, 4, 2028, 4},
         IDS_ENTER_INTEGER_BETWEEN,
         V::kFieldOfficials,
         nullptr},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        const cValidation error = Validate(c.values, x.s.db);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->messageId, c.messageId);
        EXPECT_EQ(error->field, c.field);
        if (c.text != nullptr) {
            EXPECT_EQ(error->text, c.text);
        }
    }
}

TEST(cAutoAssignValues, TheRunServesTheWholeChosenDayAcrossTheClockChange)
{
    // 31 October 2027 is the last Sunday of October, 25 hours long.
    cAutoScene x;
    x.s.Match(x.a, x.league, x.home, x.guest, 55, 2330); // 31 October, 23:30
    x.s.Official("Only");
    EXPECT_EQ(PlanAssignment(x.s.db, cAutoAssignValues{30, 10, 2027, 1}.EndLimit(), 1).required, 0);
    EXPECT_EQ(PlanAssignment(x.s.db, cAutoAssignValues{31, 10, 2027, 1}.EndLimit(), 1).required, 1);
}

} // namespace
