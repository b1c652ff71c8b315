#include "SeasonFixture.h"
#include "model/ItemEdit.h"
#include "model/cCourtValues.h"

#include <gtest/gtest.h>
#include <ostream>
#include <set>

namespace {

using CourtDeletion = cSeasonFixture;

TEST_F(CourtDeletion, RemovesHomeGroundsMatchesAndFreeTimeOfTheCourtOnly)
{
    ASSERT_EQ(Schedule(), (Texts{"U12-1", "F1", "U12-2", "U14-1"}));
    const int arenaIndex = arena->m_nIndex;
    ASSERT_TRUE(m_db.Courts().DeleteItem(*arena, m_db));

    EXPECT_EQ(m_db.Courts().GetCount(), 1);
    ASSERT_EQ(lions->HomeGrounds().GetCount(), 1);
    EXPECT_EQ(lions->HomeGrounds().GetFirst()->GetColumnText(0), "B");

    EXPECT_EQ(Schedule(), Texts{"U12-2"});
    EXPECT_EQ(Results(), Texts{"U12-2"});
    // League matches return to the unscheduled list, the playoff match does not.
    EXPECT_EQ(Unscheduled(), (Texts{"U12-1 Lions-Tigers", "U14-1 Lions U14-Wolves"}));
    EXPECT_EQ(m_db.Unscheduled().m_bUpToDate, 0);

    for (const cUnusedTime& period : m_db.CourtTime().AllItems<cUnusedTime>()) {
        EXPECT_NE(period.m_nCourt, arenaIndex);
    }
    EXPECT_EQ(FreeTime(), (Texts{"15/03-2024 1 1700-1800", "15/03-2024 1 1900-2200"}));

    // Officials keep the count of the positions they still hold.
    EXPECT_EQ(olsen->m_nGames, 1);
    EXPECT_EQ(berg->m_nGames, 0);
    EXPECT_EQ(u12->m_nLastMatchNumber, 2);
    EXPECT_EQ(u14->m_nLastMatchNumber, 0);
    EXPECT_EQ(u12->Table().m_bUpToDate, 0);
    // Nothing else is touched.
    EXPECT_EQ(Conflicts(olsen->TeamConflicts()), (Texts{"U12/Tigers", "U14/Wolves"}));
    EXPECT_EQ(u12->Teams().GetCount(), 3);
}

TEST_F(CourtDeletion, ColumnTexts)
{
    hall->m_bReservedHomeGround = 1;
    hall->m_nRating = 7;
    EXPECT_EQ((Texts{hall->GetColumnText(0), hall->GetColumnText(1), hall->GetColumnText(2),
                     hall->GetColumnText(3)}),
              (Texts{"Hall", "B", "Yes", "7"}));
    EXPECT_EQ(arena->GetColumnText(2), "No");
    EXPECT_EQ(arena->m_nReserved1, 1440);
    EXPECT_EQ(arena->m_nRating, 1);
}

struct cFilterCase
{
    const char* name;
    const char* filter; // the court the filter names, "" for all courts
    const char* filterAfter;
    int upToDateAfter;
};

void PrintTo(const cFilterCase& c, std::ostream* os)
{
    *os << c.name;
}

class CourtDeletionFilter : public cSeasonFixture, public ::testing::WithParamInterface<cFilterCase>
{
protected:
    int Index(const std::string& shortName) const
    {
        return shortName.empty() ? -1 : (shortName == "A" ? arena : hall)->m_nIndex;
    }
};

TEST_P(CourtDeletionFilter, ResetsACourtFilterThatNamesTheDeletedCourt)
{
    const cFilterCase& c = GetParam();
    const int hallIndex = hall->m_nIndex;
    m_db.m_nCourtFilter = Index(c.filter);
    m_db.CourtTime().m_bUpToDate = 0;
    m_db.CourtTime().Refresh();

    ASSERT_TRUE(m_db.Courts().DeleteItem(*arena, m_db));
    EXPECT_EQ(m_db.m_nCourtFilter, std::string(c.filterAfter).empty() ? -1 : hallIndex);
    EXPECT_EQ(m_db.CourtTime().m_bUpToDate, c.upToDateAfter);
    // The hall's time is all that is left, and the list shows it.
    m_db.CourtTime().Refresh();
    int shown = 0;
    for (const cUnusedTime& period : m_db.CourtTime().Items<cUnusedTime>()) {
        shown += period.m_bFiltered == 0 ? 1 : 0;
    }
    EXPECT_EQ(shown, 2);
}

INSTANTIATE_TEST_SUITE_P(Filters, CourtDeletionFilter,
                         ::testing::Values(cFilterCase{"OnTheDeletedCourt", "A", "", 0},
                                           cFilterCase{"OnAnotherCourt", "B", "B", 1},
                                           cFilterCase{"AllCourts", "", "", 1}),
                         [](const ::testing::TestParamInfo<cFilterCase>& info) { return info.param.name; });

struct cRenameCase
{
    const char* name;
    const char* shortName; // the arena's new names
    const char* fullName;
    Texts schedule; // the results follow the same order
    Texts grounds;  // short names of the Lions' home grounds
};

void PrintTo(const cRenameCase& c, std::ostream* os)
{
    *os << c.name;
}

// Scheduled matches and results are ordered by day, then court short name,
// then start; home grounds by the court's full name.
class CourtEdit : public cSeasonFixture, public ::testing::WithParamInterface<cRenameCase>
{
};

TEST_P(CourtEdit, RenamingResortsWhatTheNamesOrderAndKeepsEveryItem)
{
    const cRenameCase& c = GetParam();
    ResortItems(m_db.Results()); // the fixture adds results unsorted
    ASSERT_EQ(Schedule(), (Texts{"U12-1", "F1", "U12-2", "U14-1"}));
    ASSERT_EQ(Results(), Schedule());
    std::set<const cDbItem*> matches;
    for (const cMatch& match : m_db.Scheduled().AllItems<cMatch>()) {
        matches.insert(&match);
    }
    cResult* const firstResult = u12first->GetResult();
    ASSERT_NE(firstResult, nullptr);

    cCourtValues values = cCourtValues::FromItem(*arena);
    values.shortName = c.shortName;
    values.fullName = c.fullName;
    values.rating = 3;
    ASSERT_FALSE(Validate(values, m_db, arena));
    ApplyCourt(m_db, *arena, values);

    EXPECT_EQ(Schedule(), c.schedule);
    EXPECT_EQ(Results(), c.schedule);
    Texts grounds;
    for (const cHomeGround& ground : lions->HomeGrounds().AllItems<cHomeGround>()) {
        grounds.push_back(ground.GetColumnText(0));
    }
    EXPECT_EQ(grounds, c.grounds);
    // The same matches, each still linked both ways to its result.
    std::set<const cDbItem*> after;
    for (const cMatch& match : m_db.Scheduled().AllItems<cMatch>()) {
        after.insert(&match);
        ASSERT_NE(match.GetResult(), nullptr);
        EXPECT_EQ(match.GetResult()->GetMatch(), &match);
    }
    EXPECT_EQ(after, matches);
    EXPECT_EQ(u12first->GetResult(), firstResult);
    EXPECT_EQ(firstResult->GetOwner(), &m_db.Results());
    EXPECT_EQ(m_db.Results().GetCount(), 4);
    EXPECT_EQ(arena->m_nRating, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CourtEdit,
    ::testing::Values(
        cRenameCase{"RatingOnly", "A", "Arena", {"U12-1", "F1", "U12-2", "U14-1"}, {"A", "B"}},
        cRenameCase{"ShortNameAfterTheHalls", "C", "Arena", {"U12-2", "U12-1", "F1", "U14-1"}, {"C", "B"}},
        cRenameCase{"FullNameAfterTheHalls", "A", "Stadium", {"U12-1", "F1", "U12-2", "U14-1"}, {"B", "A"}},
        cRenameCase{"BothNames", "C", "Stadium", {"U12-2", "U12-1", "F1", "U14-1"}, {"B", "C"}}),
    [](const ::testing::TestParamInfo<cRenameCase>& info) { return info.param.name; });

using CourtResort = cSeasonFixture;

TEST_F(CourtResort, KeepsTheOrderOfMatchesWithEqualKeys)
{
    // Three matches on one court at the same start: equal keys, added in an
    // order that neither their numbers nor their leagues give.
    const TimePoint start = At(2024, 3, 17, 10);
    cMatch& first =
        Match(*u14, lions14->m_nIndex, wolves->m_nIndex, 3, 8, hall->m_nIndex, start, start + 3600);
    cMatch& second =
        Match(*u14, wolves->m_nIndex, lions14->m_nIndex, 3, 7, hall->m_nIndex, start, start + 3600);
    cMatch& third = Match(*u12, lions->m_nIndex, bears->m_nIndex, 3, 9, hall->m_nIndex, start, start + 3600);
    ASSERT_EQ(Schedule(), (Texts{"U12-1", "F1", "U12-2", "U14-1", "U14-8", "U14-7", "U12-9"}));

    // "0" sorts the hall before the arena on 15 March; the 17th keeps its order.
    cCourtValues values = cCourtValues::FromItem(*hall);
    values.shortName = "0";
    ApplyCourt(m_db, *hall, values);
    const Texts expected{"U12-2", "U12-1", "F1", "U14-1", "U14-8", "U14-7", "U12-9"};
    EXPECT_EQ(Schedule(), expected);
    EXPECT_EQ(Results(), expected);
    EXPECT_EQ(first.GetResult()->GetMatch(), &first);
    EXPECT_EQ(second.GetResult()->GetMatch(), &second);
    EXPECT_EQ(third.GetResult()->GetMatch(), &third);
}

} // namespace
