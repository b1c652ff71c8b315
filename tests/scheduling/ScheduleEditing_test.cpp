#include "SchedulingTestSupport.h"
#include "model/Strings.h"
#include "model/cUnusedTime.h"
#include "scheduling/ScheduleEditing.h"

#include <gtest/gtest.h>

namespace {

TEST(RenumberMatches, EachLeagueCountsInCalendarOrderAndPlayoffMatchesKeepTheirs)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    cLeague& a = season.League("A", 4, 2);
    cLeague& b = season.League("B", 4, 2);
    cMatch& third = season.Scheduled(a, 0, 1, 1, court, At(3, 1900), 7);
    cMatch& first = season.Scheduled(a, 2, 3, 1, court, At(1, 1900), 2);
    cMatch& other = season.Scheduled(b, 0, 1, 1, court, At(2, 1900), 9);
    cPlayoffMatch& playoff = season.Playoff(court, At(0, 1900));
    playoff.m_strNumber = "Final";
    a.m_nLastMatchNumber = 7;
    b.m_nLastMatchNumber = 9;
    season.db.SetModifiedFlag(false);

    season.prompt.Answer(false);
    EXPECT_FALSE(RenumberMatches(season.db));
    EXPECT_EQ(third.m_nNumber, 7);
    EXPECT_FALSE(season.db.IsModified());

    season.prompt.Answer(true);
    EXPECT_TRUE(RenumberMatches(season.db));
    EXPECT_EQ(season.prompt.Ids(), (std::vector<int>{IDS_RENUMBER_QUESTION, IDS_RENUMBER_QUESTION}));
    EXPECT_EQ(first.m_nNumber, 1);
    EXPECT_EQ(third.m_nNumber, 2);
    EXPECT_EQ(other.m_nNumber, 1);
    EXPECT_EQ(playoff.m_strNumber, "Final");
    EXPECT_EQ(a.m_nLastMatchNumber, 2);
    EXPECT_EQ(b.m_nLastMatchNumber, 1);
    EXPECT_TRUE(season.db.IsModified());
}

TEST(RemoveAutoScheduledMatches, OnlyTheSchedulersMatchesGoBackWithTheirNumbersAndCourtTime)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    cLeague& league = season.League("A", 4, 1);
    cMatch& automatic = season.Scheduled(league, 0, 1, 1, court, At(1, 1900), 5);
    automatic.m_bByHand = 0;
    cMatch& byHand = season.Scheduled(league, 2, 3, 1, court, At(2, 1900), 6);
    byHand.m_bByHand = 1;
    cPlayoffMatch& playoff = season.Playoff(court, At(3, 1900));
    playoff.m_bByHand = 0;
    const TimePoint start = automatic.m_tStart;
    const TimePoint end = automatic.m_tEnd;

    season.prompt.Answer(false);
    EXPECT_EQ(RemoveAutoScheduledMatches(season.db), 0);
    EXPECT_EQ(season.db.Scheduled().GetCount(), 3);

    season.prompt.Answer(true);
    EXPECT_EQ(RemoveAutoScheduledMatches(season.db), 1);
    EXPECT_EQ(season.db.Scheduled().GetCount(), 2);
    EXPECT_EQ(season.db.Results().GetCount(), 1);
    ASSERT_EQ(season.db.Unscheduled().GetCount(), 1);
    const auto& back = static_cast<const cUnscheduledMatch&>(*season.db.Unscheduled().GetFirst());
    EXPECT_EQ(back.GetNumber(), 5);
    EXPECT_EQ(back.GetHomeTeam(), 0);
    bool freed = false;
    for (const cUnusedTime& period : season.db.CourtTime().AllItems<cUnusedTime>()) {
        freed = freed || (period.GetStart() <= start && period.GetEnd() >= end);
    }
    EXPECT_TRUE(freed);
    EXPECT_TRUE(season.db.IsModified());
}

} // namespace
