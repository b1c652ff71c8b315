#include "ModelFixture.h"
#include "model/Strings.h"
#include "model/cCourtTimeValues.h"
#include "model/cDuplicateCourtTimeValues.h"
#include "model/cRepeatCourtTimeValues.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

using Strings = std::vector<std::string>;

class CourtTime : public ::testing::Test, public cModelFixture
{
protected:
    void SetUp() override
    {
        Court("Arena", "A");
        Court("Hall", "B");
        m_league = &League("Under 12", "U12");
        Team(*m_league, "Lions");
        Team(*m_league, "Tigers");
    }
    cLeague* m_league = nullptr;
};

TEST_F(CourtTime, MergesTouchingAndOverlappingPeriodsOfOneCourtAndDay)
{
    struct cCase
    {
        const char* name;
        int fromHour, fromMinute, toHour, toMinute;
        int court;
        Strings expected;
        eAddCourtTime answer;
    };
    const std::vector<cCase> cases = {
        {"touching after", 20, 0, 22, 0, 0, {"15/03-2024 0 1800-2200"}, eAddCourtTime::Merged},
        {"touching before", 17, 0, 18, 0, 0, {"15/03-2024 0 1700-2000"}, eAddCourtTime::Merged},
        {"overlapping", 19, 0, 21, 0, 0, {"15/03-2024 0 1800-2100"}, eAddCourtTime::Merged},
        {"inside", 18, 30, 19, 0, 0, {"15/03-2024 0 1800-2000"}, eAddCourtTime::Merged},
        {"a minute apart",
         20,
         1,
         22,
         0,
         0,
         {"15/03-2024 0 1800-2000", "15/03-2024 0 2001-2200"},
         eAddCourtTime::Inserted},
        {"other court",
         20,
         0,
         22,
         0,
         1,
         {"15/03-2024 0 1800-2000", "15/03-2024 1 2000-2200"},
         eAddCourtTime::Inserted},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_db.CourtTime().DeleteAll();
        Free(0, At(2024, 3, 15, 18), At(2024, 3, 15, 20));
        EXPECT_EQ(AddCourtTime(m_db, std::make_unique<cUnusedTime>(c.court,
                                                                   At(2024, 3, 15, c.fromHour, c.fromMinute),
                                                                   At(2024, 3, 15, c.toHour, c.toMinute))),
                  c.answer);
        EXPECT_EQ(FreeTime(), c.expected);
    }
}

TEST_F(CourtTime, ANewPeriodAbsorbsEveryPeriodItTouches)
{
    Free(0, At(2024, 3, 15, 10, 30), At(2024, 3, 15, 11));
    Free(0, At(2024, 3, 15, 11, 30), At(2024, 3, 15, 13));
    Free(0, At(2024, 3, 15, 10), At(2024, 3, 15, 12));
    EXPECT_EQ(FreeTime(), Strings{"15/03-2024 0 1000-1300"});
}

// Time added while the view filter shows one court is shown or hidden as
// the periods already listed are, without the list being rebuilt.
TEST_F(CourtTime, AddedTimeFollowsTheViewFilter)
{
    Free(0, At(2024, 3, 15, 10), At(2024, 3, 15, 12));
    m_db.m_nCourtFilter = 1;
    m_db.Rebuild(m_db.CourtTime());
    Free(0, At(2024, 3, 16, 10), At(2024, 3, 16, 12));
    Free(1, At(2024, 3, 16, 10), At(2024, 3, 16, 12));
    Free(0, At(2024, 3, 15, 12), At(2024, 3, 15, 13)); // merged into the first
    std::vector<int> filtered;
    for (const cUnusedTime& period : m_db.CourtTime().AllItems<cUnusedTime>()) {
        filtered.push_back(period.m_bFiltered);
        EXPECT_EQ(period.m_bFiltered, period.GetCourt() != 1 ? 1 : 0);
    }
    EXPECT_EQ(filtered.size(), 3U);
}

TEST_F(CourtTime, PeriodsOfDifferentDatesNeverMerge)
{
    Free(0, At(2024, 3, 15, 20), At(2024, 3, 16, 0));
    Free(0, At(2024, 3, 16, 0), At(2024, 3, 16, 2));
    EXPECT_EQ(FreeTime(), (Strings{"15/03-2024 0 2000-2400", "16/03-2024 0 0000-0200"}));
}

TEST_F(CourtTime, APeriodRunningPastMidnightKeepsWhatItHolds)
{
    // A late session from a file runs into the next date; time added on that
    // date must not overlap it, whichever of the two crosses midnight.
    struct cCase
    {
        TimePoint existingStart, existingEnd, addedStart, addedEnd;
        Strings expected;
    };
    const cCase cases[] = {
        {At(2024, 3, 15, 19),
         At(2024, 3, 16, 1),
         At(2024, 3, 16, 0),
         At(2024, 3, 17, 0),
         {"15/03-2024 0 1900-0100", "16/03-2024 0 0100-2400"}},
        {At(2024, 3, 15, 19),
         At(2024, 3, 16, 1),
         At(2024, 3, 16, 0),
         At(2024, 3, 16, 0, 30),
         {"15/03-2024 0 1900-0100"}},
        {At(2024, 3, 16, 0),
         At(2024, 3, 16, 2),
         At(2024, 3, 15, 20),
         At(2024, 3, 16, 1),
         {"15/03-2024 0 2000-2400", "16/03-2024 0 0000-0200"}},
    };
    for (const cCase& c : cases) {
        for (cDbItem* item = m_db.CourtTime().GetFirst(); item != nullptr;
             item = m_db.CourtTime().GetFirst()) {
            m_db.CourtTime().DeleteItem(*item, m_db);
        }
        Free(0, c.existingStart, c.existingEnd);
        Free(0, c.addedStart, c.addedEnd);
        EXPECT_EQ(FreeTime(), c.expected);
    }
}

// A new period that runs past midnight over a later-starting period of the
// next date leaves that period as it is, and what it offers beyond it joins
// that period: not a free minute is lost, with or without the list's order
// at hand.
TEST_F(CourtTime, APeriodPastMidnightOverALaterPeriodLosesNoMinute)
{
    struct cCase
    {
        const char* name;
        std::vector<std::pair<TimePoint, TimePoint>> existing;
        TimePoint addedStart, addedEnd;
        Strings expected;
        long long minutes;
    };
    const std::vector<cCase> cases = {
        {"beyond a shorter period",
         {{At(2024, 3, 16, 1), At(2024, 3, 16, 2)}},
         At(2024, 3, 15, 22),
         At(2024, 3, 16, 3),
         {"15/03-2024 0 2200-0100", "16/03-2024 0 0100-0300"},
         300},
        {"beyond two periods",
         {{At(2024, 3, 16, 1), At(2024, 3, 16, 1, 30)}, {At(2024, 3, 16, 2), At(2024, 3, 16, 2, 30)}},
         At(2024, 3, 15, 22),
         At(2024, 3, 16, 4),
         {"15/03-2024 0 2200-0100", "16/03-2024 0 0100-0400"},
         360},
        {"beyond a period that starts at midnight",
         {{At(2024, 3, 16, 0), At(2024, 3, 16, 0, 30)}},
         At(2024, 3, 15, 23),
         At(2024, 3, 16, 2),
         {"15/03-2024 0 2300-2400", "16/03-2024 0 0000-0200"},
         180},
        {"ending inside the later period",
         {{At(2024, 3, 16, 1), At(2024, 3, 16, 4)}},
         At(2024, 3, 15, 22),
         At(2024, 3, 16, 3),
         {"15/03-2024 0 2200-0100", "16/03-2024 0 0100-0400"},
         360},
    };
    for (const cCase& c : cases) {
        for (const bool ordered : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (ordered ? ", in order" : ", from the head"));
            m_db.CourtTime().DeleteAll();
            for (const auto& [start, end] : c.existing) {
                Free(0, start, end);
            }
            std::optional<cCourtTimeOrder> order;
            if (ordered) {
                order.emplace(m_db.CourtTime());
            }
            EXPECT_EQ(AddCourtTime(m_db, std::make_unique<cUnusedTime>(0, c.addedStart, c.addedEnd), nullptr,
                                   order ? &*order : nullptr),
                      eAddCourtTime::Merged);
            EXPECT_EQ(FreeTime(), c.expected);
            EXPECT_EQ(CourtTimeMinutes(m_db, 0), c.minutes);
        }
    }
}

TEST_F(CourtTime, DuplicatingALateSessionOverALaterPeriodCopiesItWhole)
{
    Free(0, At(2024, 3, 15, 22), At(2024, 3, 16, 2));
    Free(1, At(2024, 3, 16, 1), At(2024, 3, 16, 1, 30));
    const auto& source = static_cast<const cUnusedTime&>(*m_db.CourtTime().GetFirst());
    EXPECT_EQ(ApplyDuplicateCourtTime(m_db, source, cDuplicateCourtTimeValues{1}), 0);
    EXPECT_EQ(CourtTimeMinutes(m_db, 1), 240);
    EXPECT_EQ(FreeTime(),
              (Strings{"15/03-2024 0 2200-0200", "15/03-2024 1 2200-0100", "16/03-2024 1 0100-0200"}));
}

TEST_F(CourtTime, RepeatedLateSessionsEndTheNextDay)
{
    // Saturday 16 March 2024 to 01:00 on Sunday; the clocks go forward in the
    // night of 30 to 31 March.
    Free(0, At(2024, 3, 16, 20), At(2024, 3, 17, 1));
    const auto& period = static_cast<const cUnusedTime&>(*m_db.CourtTime().GetFirst());
    EXPECT_EQ(ApplyRepeatCourtTime(m_db, period, cRepeatCourtTimeValues{3}), 0);
    EXPECT_EQ(FreeTime(), (Strings{"16/03-2024 0 2000-0100", "23/03-2024 0 2000-0100",
                                   "30/03-2024 0 2000-0100", "06/04-2024 0 2000-0100"}));
    for (const cUnusedTime& copy : m_db.CourtTime().AllItems<cUnusedTime>()) {
        EXPECT_EQ(copy.m_tEnd - copy.m_tStart, 5 * 3600);
        EXPECT_EQ(DayDistance(copy.m_tStart, copy.m_tEnd), 1);
    }
}

// Court time on the two days the clocks change, 31 March 2024 (23 hours:
// 02:00 is 03:00) and 27 October 2024 (25 hours: 03:00 is 02:00 again).
// Clock times are kept and lengths are the real ones.
TEST_F(CourtTime, OnTheDaysTheClocksChange)
{
    const TimePoint springMidnight = At(2024, 3, 31);
    const TimePoint autumnMidnight = At(2024, 10, 27);
    // Seconds after a date's midnight, whatever its clock times.
    const auto after = [](TimePoint midnight, int minutes) { return midnight + minutes * 60LL; };
    struct cCase
    {
        const char* name;
        std::function<void()> arrange;
        std::function<eAddCourtTime()> act;
        eAddCourtTime answer;
        Strings expected;
        long long minutes;
    };
    const auto add = [this](TimePoint start, TimePoint end) {
        return
            [this, start, end] { return AddCourtTime(m_db, std::make_unique<cUnusedTime>(0, start, end)); };
    };
    const auto take = [this](TimePoint from, TimePoint to) {
        return [this, from, to] {
            TakeCourtTime(m_db, static_cast<cUnusedTime&>(*m_db.CourtTime().GetFirst()), from, to);
            return eAddCourtTime::Inserted;
        };
    };
    const auto repeat = [this] {
        ApplyRepeatCourtTime(m_db, static_cast<const cUnusedTime&>(*m_db.CourtTime().GetFirst()),
                             cRepeatCourtTimeValues{1});
        return eAddCourtTime::Inserted;
    };
    const auto none = [] {};
    const std::vector<cCase> cases = {
        {"spring: the whole day",
         none,
         add(springMidnight, At(2024, 4, 1)),
         eAddCourtTime::Inserted,
         {"31/03-2024 0 0000-2400"},
         23 * 60},
        {"spring: merging across the change",
         [&] { Free(0, springMidnight, At(2024, 3, 31, 1, 30)); },
         add(At(2024, 3, 31, 1, 30), At(2024, 3, 31, 4)),
         eAddCourtTime::Merged,
         {"31/03-2024 0 0000-0400"},
         3 * 60},
        {"spring: taking a match across the change",
         [&] { Free(0, springMidnight, At(2024, 3, 31, 6)); },
         take(At(2024, 3, 31, 1), At(2024, 3, 31, 3, 30)),
         eAddCourtTime::Inserted,
         {"31/03-2024 0 0000-0100", "31/03-2024 0 0330-0600"},
         60 + 150},
        {"spring: next to a match across the change",
         [&] { Match(*m_league, 0, 1, 1, 1, 0, At(2024, 3, 31, 1), At(2024, 3, 31, 3)); },
         add(At(2024, 3, 31, 3), At(2024, 3, 31, 5)),
         eAddCourtTime::Inserted,
         {"31/03-2024 0 0300-0500"},
         2 * 60},
        {"spring: over a match across the change",
         [&] { Match(*m_league, 0, 1, 1, 1, 0, At(2024, 3, 31, 1), At(2024, 3, 31, 3)); },
         add(At(2024, 3, 31, 1, 30), At(2024, 3, 31, 4)),
         eAddCourtTime::Conflict,
         {},
         0},
        {"spring: repeated onto the short day",
         [&] { Free(0, At(2024, 3, 24), At(2024, 3, 25)); },
         repeat,
         eAddCourtTime::Inserted,
         {"24/03-2024 0 0000-2400", "31/03-2024 0 0000-2400"},
         24 * 60 + 23 * 60},
        {"spring: a late session repeated into the short night",
         [&] { Free(0, At(2024, 3, 23, 22), At(2024, 3, 24, 4)); },
         repeat,
         eAddCourtTime::Inserted,
         {"23/03-2024 0 2200-0400", "30/03-2024 0 2200-0400"},
         6 * 60 + 5 * 60},
        {"autumn: the whole day",
         none,
         add(autumnMidnight, At(2024, 10, 28)),
         eAddCourtTime::Inserted,
         {"27/10-2024 0 0000-2400"},
         25 * 60},
        {"autumn: 00:00-23:30 and 23:30-24:00 merge",
         [&] { Free(0, autumnMidnight, At(2024, 10, 27, 23, 30)); },
         add(At(2024, 10, 27, 23, 30), At(2024, 10, 28)),
         eAddCourtTime::Merged,
         {"27/10-2024 0 0000-2400"},
         25 * 60},
        {"autumn: merging in the repeated hour",
         [&] { Free(0, autumnMidnight, after(autumnMidnight, 150)); },
         add(after(autumnMidnight, 150), after(autumnMidnight, 240)),
         eAddCourtTime::Merged,
         {"27/10-2024 0 0000-0300"},
         240},
        {"autumn: taking the repeated hour",
         [&] { Free(0, autumnMidnight, At(2024, 10, 28)); },
         take(after(autumnMidnight, 120), after(autumnMidnight, 240)),
         eAddCourtTime::Inserted,
         {"27/10-2024 0 0000-0200", "27/10-2024 0 0300-2400"},
         25 * 60 - 120},
        {"autumn: the whole day over a match at 23:30",
         [&] { Match(*m_league, 0, 1, 1, 1, 0, At(2024, 10, 27, 23, 30), At(2024, 10, 28)); },
         add(autumnMidnight, At(2024, 10, 28)),
         eAddCourtTime::Conflict,
         {},
         0},
        {"autumn: up to a match at 23:30",
         [&] { Match(*m_league, 0, 1, 1, 1, 0, At(2024, 10, 27, 23, 30), At(2024, 10, 28)); },
         add(autumnMidnight, At(2024, 10, 27, 23, 30)),
         eAddCourtTime::Inserted,
         {"27/10-2024 0 0000-2330"},
         25 * 60 - 30},
        {"autumn: repeated onto the long day",
         [&] { Free(0, At(2024, 10, 20), At(2024, 10, 21)); },
         repeat,
         eAddCourtTime::Inserted,
         {"20/10-2024 0 0000-2400", "27/10-2024 0 0000-2400"},
         24 * 60 + 25 * 60},
        {"autumn: a late session repeated into the long night",
         [&] { Free(0, At(2024, 10, 19, 22), At(2024, 10, 20, 4)); },
         repeat,
         eAddCourtTime::Inserted,
         {"19/10-2024 0 2200-0400", "26/10-2024 0 2200-0400"},
         6 * 60 + 7 * 60},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_db.Scheduled().DeleteAll();
        m_db.CourtTime().DeleteAll();
        c.arrange();
        EXPECT_EQ(c.act(), c.answer);
        EXPECT_EQ(FreeTime(), c.expected);
        EXPECT_EQ(CourtTimeMinutes(m_db, 0), c.minutes);
    }
}

TEST_F(CourtTime, ListIsSortedByStartThenCourt)
{
    Free(1, At(2024, 3, 15, 18), At(2024, 3, 15, 19));
    Free(0, At(2024, 3, 15, 18), At(2024, 3, 15, 19));
    Free(0, At(2024, 3, 14, 18), At(2024, 3, 14, 19));
    EXPECT_EQ(FreeTime(),
              (Strings{"14/03-2024 0 1800-1900", "15/03-2024 0 1800-1900", "15/03-2024 1 1800-1900"}));
}

TEST_F(CourtTime, AMatchSplitsTheFreeTimeAndGivesItBackWhenDeleted)
{
    Free(0, At(2024, 3, 15, 18), At(2024, 3, 15, 22));
    cMatch& match = Match(*m_league, 0, 1, 1, 7, 0, At(2024, 3, 15, 19), At(2024, 3, 15, 20, 30));
    EXPECT_EQ(FreeTime(), (Strings{"15/03-2024 0 1800-1900", "15/03-2024 0 2030-2200"}));

    EXPECT_TRUE(m_db.Scheduled().DeleteItem(match, m_db));
    EXPECT_EQ(FreeTime(), Strings{"15/03-2024 0 1800-2200"});
    ASSERT_EQ(m_db.Unscheduled().GetCount(), 1);
    const auto& back = static_cast<const cUnscheduledMatch&>(*m_db.Unscheduled().GetFirst());
    EXPECT_EQ(back.GetNumber(), 7);
    EXPECT_EQ(back.GetRound(), 1);
    EXPECT_EQ(back.GetHomeTeam(), 0);
    EXPECT_EQ(back.GetGuestTeam(), 1);
}

TEST_F(CourtTime, TakeCourtTimeShrinksFromEitherEndOrRemovesThePeriod)
{
    Free(0, At(2024, 3, 15, 18), At(2024, 3, 15, 22));
    Free(1, At(2024, 3, 15, 18, 30), At(2024, 3, 15, 20));
    auto& period = static_cast<cUnusedTime&>(*m_db.CourtTime().GetFirst());
    ASSERT_EQ(period.m_nCourt, 0);
    // A cut at the start moves the period behind the later-starting one of court 1.
    TakeCourtTime(m_db, period, At(2024, 3, 15, 18), At(2024, 3, 15, 19));
    EXPECT_EQ(FreeTime(), (Strings{"15/03-2024 1 1830-2000", "15/03-2024 0 1900-2200"}));
    TakeCourtTime(m_db, period, At(2024, 3, 15, 21), At(2024, 3, 15, 22));
    EXPECT_EQ(FreeTime(), (Strings{"15/03-2024 1 1830-2000", "15/03-2024 0 1900-2100"}));
    TakeCourtTime(m_db, period, At(2024, 3, 15, 19), At(2024, 3, 15, 21));
    EXPECT_EQ(FreeTime(), Strings{"15/03-2024 1 1830-2000"});
}

TEST_F(CourtTime, WhatALateSessionLeavesAfterMidnightJoinsThatDatesTime)
{
    // The evening's session runs to 01:00 and the next date's own time starts
    // there; a match at the start of the session leaves a rest that now
    // starts after midnight and touches the next date's time.
    struct cCase
    {
        TimePoint from, to;
        Strings expected;
    };
    const cCase cases[] = {
        {At(2024, 3, 15, 22), At(2024, 3, 16, 0, 30), {"16/03-2024 0 0030-0200"}},
        {At(2024, 3, 15, 23), At(2024, 3, 16, 0, 30), {"15/03-2024 0 2200-2300", "16/03-2024 0 0030-0200"}},
        {At(2024, 3, 15, 22), At(2024, 3, 15, 23), {"15/03-2024 0 2300-0100", "16/03-2024 0 0100-0200"}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.to);
        m_db.CourtTime().DeleteAll();
        Free(0, At(2024, 3, 15, 22), At(2024, 3, 16, 1));
        Free(0, At(2024, 3, 16, 1), At(2024, 3, 16, 2));
        TakeCourtTime(m_db, static_cast<cUnusedTime&>(*m_db.CourtTime().GetFirst()), c.from, c.to);
        EXPECT_EQ(FreeTime(), c.expected);
    }
}

TEST_F(CourtTime, AMatchFillingAPeriodRemovesItAndDeletingItRestoresIt)
{
    Free(0, At(2024, 3, 15, 18), At(2024, 3, 15, 19));
    cMatch& match = Match(*m_league, 0, 1, 1, 1, 0, At(2024, 3, 15, 18), At(2024, 3, 15, 19));
    EXPECT_TRUE(FreeTime().empty());
    m_db.Scheduled().DeleteItem(match, m_db);
    EXPECT_EQ(FreeTime(), Strings{"15/03-2024 0 1800-1900"});
}

TEST_F(CourtTime, FreeTimeMayTouchAMatchButNotOverlapIt)
{
    Match(*m_league, 0, 1, 1, 1, 0, At(2024, 3, 15, 19), At(2024, 3, 15, 20, 30));
    struct cCase
    {
        const char* name;
        int fromHour, fromMinute, toHour, toMinute, court;
        bool conflict;
    };
    const std::vector<cCase> cases = {
        {"after", 20, 30, 21, 0, 0, false},      {"before", 18, 0, 19, 0, 0, false},
        {"over the end", 20, 0, 21, 0, 0, true}, {"over the start", 18, 0, 19, 1, 0, true},
        {"around", 18, 0, 22, 0, 0, true},       {"inside", 19, 30, 20, 0, 0, true},
        {"other court", 19, 0, 21, 0, 1, false},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        const cUnusedTime period(c.court, At(2024, 3, 15, c.fromHour, c.fromMinute),
                                 At(2024, 3, 15, c.toHour, c.toMinute));
        EXPECT_EQ(HasMatchConflict(m_db, period), c.conflict);
    }
    const int before = m_db.CourtTime().GetCount();
    EXPECT_EQ(AddCourtTime(m_db, std::make_unique<cUnusedTime>(0, At(2024, 3, 15, 20), At(2024, 3, 15, 21))),
              eAddCourtTime::Conflict);
    EXPECT_EQ(m_db.CourtTime().GetCount(), before);
}

// Free time is refused over any match it overlaps on its court, whatever
// date either starts on: a late session over a match after midnight, or time
// after midnight under a match that started the evening before. Touching a
// match is still allowed. Each way in: the check itself (with and without the
// matches by date), adding (with and without the list's order), Repeat,
// Duplicate, and the dialog's check and edit.
TEST_F(CourtTime, FreeTimeOverAMatchOfAnotherDateIsRefused)
{
    Court("Dome", "C");
    // Saturday 00:30-01:30 on court 0; Friday 23:30 to Saturday 00:45 on court 1.
    Match(*m_league, 0, 1, 1, 1, 0, At(2024, 3, 16, 0, 30), At(2024, 3, 16, 1, 30));
    Match(*m_league, 1, 0, 2, 2, 1, At(2024, 3, 15, 23, 30), At(2024, 3, 16, 0, 45));
    struct cCase
    {
        const char* name;
        int court;
        TimePoint start, end;
        bool conflict;
    };
    const std::vector<cCase> cases = {
        {"late session over the match after midnight", 0, At(2024, 3, 15, 20), At(2024, 3, 16, 2), true},
        {"late session ending inside it", 0, At(2024, 3, 15, 22), At(2024, 3, 16, 0, 31), true},
        {"late session ending at its start", 0, At(2024, 3, 15, 20), At(2024, 3, 16, 0, 30), false},
        {"late session of the evening before", 0, At(2024, 3, 14, 20), At(2024, 3, 15, 2), false},
        {"starting at its end", 0, At(2024, 3, 16, 1, 30), At(2024, 3, 16, 3), false},
        {"after midnight under the late match", 1, At(2024, 3, 16, 0), At(2024, 3, 16, 2), true},
        {"after midnight, from the late match's end", 1, At(2024, 3, 16, 0, 45), At(2024, 3, 16, 2), false},
        {"evening up to the late match's start", 1, At(2024, 3, 15, 20), At(2024, 3, 15, 23, 30), false},
        {"the next night", 1, At(2024, 3, 16, 20), At(2024, 3, 17, 2), false},
        {"the court without matches", 2, At(2024, 3, 15, 20), At(2024, 3, 16, 2), false},
    };
    const cMatchDays days(m_db);
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        const cUnusedTime period(c.court, c.start, c.end);
        EXPECT_EQ(HasMatchConflict(m_db, period), c.conflict);
        EXPECT_EQ(HasMatchConflict(m_db, period, nullptr, &days), c.conflict);
        for (const bool ordered : {false, true}) {
            SCOPED_TRACE(ordered ? "in order" : "from the head");
            m_db.CourtTime().DeleteAll();
            std::optional<cCourtTimeOrder> order;
            if (ordered) {
                order.emplace(m_db.CourtTime());
                order->KeepMatches(&days);
            }
            EXPECT_EQ(AddCourtTime(m_db, std::make_unique<cUnusedTime>(c.court, c.start, c.end), nullptr,
                                   order ? &*order : nullptr),
                      c.conflict ? eAddCourtTime::Conflict : eAddCourtTime::Inserted);
            EXPECT_EQ(m_db.CourtTime().GetCount(), c.conflict ? 0 : 1);
        }

        // The same period a week earlier, repeated onto this week.
        m_db.CourtTime().DeleteAll();
        m_prompt.m_shown.clear();
        Free(c.court, c.start - 7 * 86400, c.end - 7 * 86400);
        ASSERT_EQ(m_db.CourtTime().GetCount(), 1);
        const auto& earlier = static_cast<const cUnusedTime&>(*m_db.CourtTime().GetFirst());
        EXPECT_EQ(ApplyRepeatCourtTime(m_db, earlier, cRepeatCourtTimeValues{1}), c.conflict ? 1 : 0);
        EXPECT_EQ(m_db.CourtTime().GetCount(), c.conflict ? 1 : 2);
        EXPECT_EQ(m_prompt.Ids(),
                  c.conflict ? std::vector<int>{IDS_COURT_TIME_CONFLICT} : std::vector<int>{});

        // The same period on the court without matches, duplicated onto this one.
        if (c.court != 2) {
            m_db.CourtTime().DeleteAll();
            m_prompt.m_shown.clear();
            Free(2, c.start, c.end);
            ASSERT_EQ(m_db.CourtTime().GetCount(), 1);
            const auto& copied = static_cast<const cUnusedTime&>(*m_db.CourtTime().GetFirst());
            EXPECT_EQ(ApplyDuplicateCourtTime(m_db, copied, cDuplicateCourtTimeValues{c.court}),
                      c.conflict ? 1 : 0);
            EXPECT_EQ(m_db.CourtTime().GetCount(), c.conflict ? 1 : 2);
        }
    }

    // The dialog holds one date: its periods end at 2400 at the latest, but
    // may begin under the match that started the evening before.
    struct cDialogCase
    {
        const char* name;
        ClockTime start, end;
        bool conflict;
        Strings expected; // after the edit
    };
    const std::vector<cDialogCase> dialogCases = {
        {"under the late match", 0, 100, true, {"16/03-2024 1 1000-1200"}},
        {"from its end", 45, 200, false, {"16/03-2024 1 0045-0200"}},
    };
    for (const cDialogCase& c : dialogCases) {
        SCOPED_TRACE(c.name);
        m_db.CourtTime().DeleteAll();
        m_prompt.m_shown.clear();
        Free(1, At(2024, 3, 16, 10), At(2024, 3, 16, 12));
        auto& period = static_cast<cUnusedTime&>(*m_db.CourtTime().GetFirst());
        cCourtTimeValues values = cCourtTimeValues::FromItem(period);
        values.start = c.start;
        values.end = c.end;
        const cValidation error = Validate(values, m_db);
        EXPECT_EQ(error ? error->messageId : 0, c.conflict ? IDS_COURT_TIME_CONFLICT : 0);
        EXPECT_EQ(ApplyCourtTime(m_db, period, values) == eAddCourtTime::Conflict, c.conflict);
        EXPECT_EQ(FreeTime(), c.expected);
    }
}

TEST_F(CourtTime, RepeatFiftyTwoWeeksAcrossDaylightSavingKeepsDayAndClockTimes)
{
    // 16 March 2024 is a Saturday; the clocks change on 31 March and 27 October.
    Free(0, At(2024, 3, 16, 9), At(2024, 3, 17, 0));
    const auto& period = static_cast<const cUnusedTime&>(*m_db.CourtTime().GetFirst());
    EXPECT_EQ(ApplyRepeatCourtTime(m_db, period, cRepeatCourtTimeValues{52}), 0);
    ASSERT_EQ(m_db.CourtTime().GetCount(), 53);
    int week = 0;
    for (const cUnusedTime& copy : m_db.CourtTime().AllItems<cUnusedTime>()) {
        SCOPED_TRACE(week);
        EXPECT_EQ(copy.GetColumnText(0), "Saturday");
        EXPECT_EQ(copy.GetColumnText(3), "0900");
        EXPECT_EQ(copy.GetColumnText(4), "2400");
        EXPECT_EQ(DayDistance(copy.m_tStart, At(2024, 3, 16)), 7 * week);
        EXPECT_EQ(DayDistance(copy.m_tEnd, At(2024, 3, 17)), 7 * week);
        ++week;
    }
    EXPECT_TRUE(m_prompt.m_shown.empty());
}

TEST_F(CourtTime, RepeatMergesWithFreeTimeAndIsRefusedNextToMatches)
{
    Free(0, At(2024, 3, 16, 10), At(2024, 3, 16, 12));
    Free(0, At(2024, 3, 23, 12), At(2024, 3, 23, 14));
    Match(*m_league, 0, 1, 1, 1, 0, At(2024, 3, 30, 11), At(2024, 3, 30, 12));
    const auto& period = static_cast<const cUnusedTime&>(*m_db.CourtTime().GetFirst());
    EXPECT_EQ(ApplyRepeatCourtTime(m_db, period, cRepeatCourtTimeValues{3}), 1);
    EXPECT_EQ(FreeTime(),
              (Strings{"16/03-2024 0 1000-1200", "23/03-2024 0 1000-1400", "06/04-2024 0 1000-1200"}));
    EXPECT_EQ(m_prompt.Ids(), std::vector<int>{IDS_COURT_TIME_CONFLICT});
}

TEST_F(CourtTime, RefusedCopiesAreToldInOneMessageNamingTheirDates)
{
    // A match on a court from hh:00 for `hours` hours.
    const auto match = [this](int court, TimePoint day, int hour, int hours = 1) {
        const cLocalTime d = LocalTime(day);
        Match(*m_league, 0, 1, 1, 1, court, MakeTimePoint(d.year, d.month, d.day, hour, 0, 0),
              MakeTimePoint(d.year, d.month, d.day, hour + hours, 0, 0));
    };
    const auto first = [this]() -> const cUnusedTime& {
        return static_cast<const cUnusedTime&>(*m_db.CourtTime().GetFirst());
    };
    const auto repeat = [this, first](int weeks) {
        return [this, first, weeks] {
            return ApplyRepeatCourtTime(m_db, first(), cRepeatCourtTimeValues{weeks});
        };
    };
    const auto duplicate = [this, first] {
        return ApplyDuplicateCourtTime(m_db, first(), cDuplicateCourtTimeValues{1});
    };
    struct cCase
    {
        const char* name;
        int dateFormat;
        std::function<void()> arrange;
        std::function<int()> run; // answers the number of refused copies
        int refused;
        std::string dates; // the message after its first line
        Strings freeTime;
    };
    const std::vector<cCase> cases = {
        {"repeat refused twice",
         0,
         [&] {
             Free(0, At(2024, 3, 16, 10), At(2024, 3, 16, 12));
             match(0, At(2024, 3, 23), 11);
             match(0, At(2024, 4, 6), 10);
         },
         repeat(3),
         2,
         "23/03-2024, 06/04-2024",
         {"16/03-2024 0 1000-1200", "30/03-2024 0 1000-1200"}},
        {"repeat in the document's date format",
         6,
         [&] {
             Free(0, At(2024, 3, 16, 10), At(2024, 3, 16, 12));
             match(0, At(2024, 3, 30), 10);
         },
         repeat(2),
         1,
         "2024-03-30",
         {"16/03-2024 0 1000-1200", "23/03-2024 0 1000-1200"}},
        {"repeat refused in every one of 52 weeks",
         0,
         [&] {
             Free(0, At(2024, 1, 6, 10), At(2024, 1, 6, 12));
             for (int week = 1; week <= 52; ++week) {
                 match(0, At(2024, 1, 6, 12) + 7LL * 86400 * week, 10, 2);
             }
         },
         repeat(52),
         52,
         "",
         {"06/01-2024 0 1000-1200"}},
        {"duplicate names each day once",
         0,
         [&] {
             Free(0, At(2024, 3, 15, 18), At(2024, 3, 15, 19));
             Free(0, At(2024, 3, 15, 20), At(2024, 3, 15, 21));
             Free(0, At(2024, 3, 16, 10), At(2024, 3, 16, 11));
             Free(0, At(2024, 3, 17, 10), At(2024, 3, 17, 11));
             match(1, At(2024, 3, 15), 18);
             match(1, At(2024, 3, 15), 20);
             match(1, At(2024, 3, 17), 10);
         },
         duplicate,
         3,
         "15/03-2024, 17/03-2024",
         {"15/03-2024 0 1800-1900", "15/03-2024 0 2000-2100", "16/03-2024 0 1000-1100",
          "16/03-2024 1 1000-1100", "17/03-2024 0 1000-1100"}},
    };
    const std::string conflict = GetString(IDS_COURT_TIME_CONFLICT);
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_db.Scheduled().DeleteAll();
        m_db.CourtTime().DeleteAll();
        m_db.m_nDateFormat = 0;
        c.arrange();
        m_db.m_nDateFormat = c.dateFormat;
        m_prompt.m_shown.clear();
        EXPECT_EQ(c.run(), c.refused);
        m_db.m_nDateFormat = 0;
        EXPECT_EQ(FreeTime(), c.freeTime);
        // One box, whatever the number of refusals.
        ASSERT_EQ(m_prompt.Ids(), std::vector<int>{IDS_COURT_TIME_CONFLICT});
        const std::string& text = m_prompt.m_shown[0].text;
        ASSERT_EQ(text.substr(0, conflict.size() + 1), conflict + "\n");
        const std::string dates = text.substr(conflict.size() + 1);
        if (!c.dates.empty()) {
            EXPECT_EQ(dates, c.dates);
        } else {
            EXPECT_EQ(std::count(dates.begin(), dates.end(), ','), c.refused - 1);
            EXPECT_EQ(dates.substr(0, 10), "13/01-2024");
            EXPECT_EQ(dates.substr(dates.size() - 10), "04/01-2025");
        }
    }
}

TEST_F(CourtTime, RepeatStopsWhereTheFileCouldNotHoldTheDate)
{
    Free(0, At(2037, 12, 26, 10), At(2037, 12, 26, 12));
    const auto& period = static_cast<const cUnusedTime&>(*m_db.CourtTime().GetFirst());
    ApplyRepeatCourtTime(m_db, period, cRepeatCourtTimeValues{52});
    // 2, 9 and 16 January 2038 still fit; 23 January is past 19 January 2038.
    EXPECT_EQ(m_db.CourtTime().GetCount(), 4);
}

TEST_F(CourtTime, RepeatWeeksAreOneToFiftyTwo)
{
    EXPECT_FALSE(Validate(cRepeatCourtTimeValues{1}));
    EXPECT_FALSE(Validate(cRepeatCourtTimeValues{52}));
    for (const int weeks : {0, 53}) {
        const auto error = Validate(cRepeatCourtTimeValues{weeks});
        ASSERT_TRUE(error);
        EXPECT_EQ(error->text, "Please enter an integer between 1 and 52.");
        EXPECT_EQ(error->field, cRepeatCourtTimeValues::kWeeks);
    }
}

TEST_F(CourtTime, DuplicateCopiesEveryPeriodOfTheSourceCourt)
{
    Free(0, At(2024, 3, 15, 18), At(2024, 3, 15, 20));
    Free(0, At(2024, 3, 16, 10), At(2024, 3, 16, 12));
    Free(1, At(2024, 3, 15, 19), At(2024, 3, 15, 21));
    const auto& source = static_cast<const cUnusedTime&>(*m_db.CourtTime().GetFirst());

    const cDuplicateCourtTimeValues defaults = cDuplicateCourtTimeValues::Defaults(m_db);
    EXPECT_EQ(defaults.court, 0); // "Arena" comes first
    const auto same = Validate(defaults, m_db, source);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->messageId, IDS_SAME_SOURCE_COURT);
    EXPECT_EQ(same->text, "Select another court. Same source and destination selected!");

    const cDuplicateCourtTimeValues values{1};
    EXPECT_FALSE(Validate(values, m_db, source));
    EXPECT_EQ(ApplyDuplicateCourtTime(m_db, source, values), 0);
    EXPECT_EQ(FreeTime(), (Strings{"15/03-2024 0 1800-2000", "15/03-2024 1 1800-2100",
                                   "16/03-2024 0 1000-1200", "16/03-2024 1 1000-1200"}));
}

TEST_F(CourtTime, CourtTimeMinutesAddsUpACourt)
{
    Free(0, At(2024, 3, 15, 18), At(2024, 3, 15, 20));
    Free(0, At(2024, 3, 16, 23), At(2024, 3, 17, 0));
    Free(1, At(2024, 3, 15, 18), At(2024, 3, 15, 20));
    EXPECT_EQ(CourtTimeMinutes(m_db, 0), 180);
}

} // namespace
