#include "SchedulingTestSupport.h"
#include "model/Strings.h"
#include "model/cUnusedTime.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/ScheduleEditing.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

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
    EXPECT_EQ(RemoveAutoScheduledMatches(season.db).removed, 0);
    EXPECT_EQ(season.db.Scheduled().GetCount(), 3);

    season.prompt.Answer(true);
    EXPECT_EQ(RemoveAutoScheduledMatches(season.db).removed, 1);
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

TEST(RemoveAutoScheduledMatches, PlayedMatchesStayWithTheirResultsAndSaySo)
{
    struct cCase
    {
        const char* name;
        std::set<int> played; // numbers of the scheduler's matches with a result entered
        int removed;
        std::vector<int> ids;
        const char* told; // the message after the question; null when none
    };
    const std::vector<cCase> cases = {
        {"none played", {}, 3, {IDS_REMOVE_AUTO_SCHEDULED}, nullptr},
        {"one played",
         {6},
         2,
         {IDS_REMOVE_AUTO_SCHEDULED, IDS_PLAYED_MATCHES_STAYED},
         "2 automatically scheduled matches were removed from the schedule.\n1 played matches stayed in the "
         "schedule."},
        {"all played",
         {5, 6, 7},
         0,
         {IDS_REMOVE_AUTO_SCHEDULED, IDS_PLAYED_MATCHES_STAYED},
         "0 automatically scheduled matches were removed from the schedule.\n3 played matches stayed in the "
         "schedule."},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        cLeague& league = season.League("A", 4, 1);
        std::vector<cMatch*> automatic;
        for (int i = 0; i < 3; ++i) {
            cMatch& match = season.Scheduled(league, i, 3, 1, court, At(i, 1900), 5 + i);
            match.m_bByHand = 0;
            automatic.push_back(&match);
            if (c.played.count(match.m_nNumber) != 0) {
                match.GetResult()->m_bPlayed = 1;
                match.GetResult()->m_nHomeScore[0] = 3;
                match.GetResult()->m_nGuestScore[0] = 1;
            }
        }
        league.m_nLastMatchNumber = 7;
        season.db.SetModifiedFlag(false);

        season.prompt.Answer(true);
        const cAutoScheduledRemoval removal = RemoveAutoScheduledMatches(season.db);
        EXPECT_EQ(removal.removed, c.removed);
        EXPECT_EQ(removal.stayed, static_cast<int>(c.played.size()));
        EXPECT_EQ(season.prompt.Ids(), c.ids);
        if (c.told != nullptr) {
            EXPECT_EQ(season.prompt.m_shown.back().text, c.told);
            EXPECT_FALSE(season.prompt.m_shown.back().question);
        }
        EXPECT_EQ(season.db.IsModified(), c.removed > 0);
        // The played matches are where they were, with what was entered.
        std::set<int> stayed;
        for (const cMatch& match : season.db.Scheduled().AllItems<cMatch>()) {
            stayed.insert(match.m_nNumber);
            ASSERT_NE(match.GetResult(), nullptr);
            EXPECT_TRUE(match.GetResult()->IsPlayed());
            EXPECT_EQ(match.GetResult()->GetHomeScore(0), 3);
        }
        EXPECT_EQ(stayed, c.played);
        EXPECT_EQ(season.db.Results().GetCount(), static_cast<int>(c.played.size()));
    }
}

TEST(RemoveAutoScheduledMatches, TheMatchesWaitWithTheirNumbersWhenTheListIsDerivedAgain)
{
    // As after opening a file: the unscheduled matches are derived afresh
    // the next time they are shown or scheduled.
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    cLeague& league = season.League("A", 4, 1);
    std::map<std::pair<int, int>, int> numbers; // home, guest -> number
    for (int i = 0; i < 3; ++i) {
        cMatch& match = season.Scheduled(league, i, 3, 1, court, At(i, 1900), 4 + 2 * i);
        match.m_bByHand = 0;
        numbers[{i, 3}] = match.m_nNumber;
    }
    ASSERT_EQ(season.db.Unscheduled().m_bUpToDate, 0);

    season.prompt.Answer(true);
    EXPECT_EQ(RemoveAutoScheduledMatches(season.db).removed, 3);
    int waiting = 0;
    for (const cUnscheduledMatch* match : season.Unscheduled()) {
        const auto found = numbers.find({std::min(match->GetHomeTeam(), match->GetGuestTeam()),
                                         std::max(match->GetHomeTeam(), match->GetGuestTeam())});
        if (found != numbers.end()) {
            EXPECT_EQ(match->GetNumber(), found->second) << match->GetLabel();
            ++waiting;
        } else {
            EXPECT_EQ(match->GetNumber(), 0) << match->GetLabel();
        }
    }
    EXPECT_EQ(waiting, 3);
    EXPECT_EQ(season.db.Unscheduled().GetCount(), 6);

    // Scheduled again, each gets its number back.
    for (int day = 10; day <= 45; day += 7) {
        season.Time(court, day, 1000, 2200);
    }
    season.db.m_bSchedIgnorePreferredTime = 1;
    ScheduleAutomatically(season.db);
    std::map<std::pair<int, int>, int> placed;
    for (const cMatch& match : season.db.Scheduled().AllItems<cMatch>()) {
        placed[{std::min(match.m_nHomeTeam, match.m_nGuestTeam),
                std::max(match.m_nHomeTeam, match.m_nGuestTeam)}] = match.m_nNumber;
    }
    for (const auto& [pairing, number] : numbers) {
        EXPECT_EQ(placed[pairing], number);
    }
}

TEST(RebuildUnscheduled, ANumberWaitingForADeletedTeamIsNotInherited)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    cLeague& league = season.League("A", 3, 1);
    cMatch& match = season.Scheduled(league, 0, 2, 1, court, At(0, 1900), 9);
    match.m_bByHand = 0;
    season.prompt.Answer(true);
    EXPECT_EQ(RemoveAutoScheduledMatches(season.db).removed, 1);
    // The team goes and a new one takes its index number.
    cDbItem* third = league.Teams().GetLast();
    ASSERT_EQ(static_cast<cTeam*>(third)->m_nIndex, 2);
    league.Teams().DeleteItem(*third, season.db);
    ASSERT_EQ(season.Team(league, "A 4").m_nIndex, 2);
    for (const cUnscheduledMatch* waiting : season.Unscheduled()) {
        EXPECT_EQ(waiting->GetNumber(), 0) << waiting->GetLabel();
    }
}

TEST(ConfirmDeletingResults, AsksOnlyWhenResultsWereEnteredAndNamesHowMany)
{
    struct cCase
    {
        const char* name;
        int played; // of the three selected matches
        bool answer;
        bool goesOn;
        const char* question; // null: nothing asked
    };
    const std::vector<cCase> cases = {
        {"none entered", 0, false, true, nullptr},
        {"two entered, No", 2, false, false,
         "2 results entered for the selected matches will be deleted with them.\nDelete anyway?"},
        {"one entered, Yes", 1, true, true,
         "1 results entered for the selected matches will be deleted with them.\nDelete anyway?"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        cLeague& league = season.League("A", 4, 1);
        std::vector<const cMatch*> selected;
        for (int i = 0; i < 3; ++i) {
            cMatch& match = season.Scheduled(league, i, 3, 1, court, At(i, 1900), 1 + i);
            match.GetResult()->m_bPlayed = i < c.played ? 1 : 0;
            selected.push_back(&match);
        }
        cMatch& other = season.Scheduled(league, 0, 1, 1, court, At(5, 1900), 4);
        other.GetResult()->m_bPlayed = 1; // not selected
        if (c.question != nullptr) {
            season.prompt.Answer(c.answer);
        }
        EXPECT_EQ(CountEnteredResults(selected), c.played);
        EXPECT_EQ(ConfirmDeletingResults(season.db, selected), c.goesOn);
        if (c.question == nullptr) {
            EXPECT_TRUE(season.prompt.m_shown.empty());
        } else {
            ASSERT_EQ(season.prompt.m_shown.size(), 1u);
            EXPECT_EQ(season.prompt.m_shown[0].id, IDS_DELETE_ENTERED_RESULTS);
            EXPECT_TRUE(season.prompt.m_shown[0].question);
            EXPECT_EQ(season.prompt.m_shown[0].text, c.question);
        }
    }
}

// The number of results entered in the season.
int PlayedResults(const cDatabase& db)
{
    int played = 0;
    for (const cResult& result : db.Results().AllItems<cResult>()) {
        played += result.IsPlayed() ? 1 : 0;
    }
    return played;
}

// Deleting courts, leagues, teams or matches asks once, naming how many
// entered results the deletion takes along, before anything goes; No keeps
// everything. After Yes, deleting the items as the window does deletes
// exactly the results named.
TEST(ConfirmDeletingItems, NamesTheResultsTheDeletionTakesAlong)
{
    struct cSeasonItems
    {
        cCourt* courts[2];
        cLeague* leagues[2];
        cMatch* matches[3];
    };
    struct cCase
    {
        const char* name;
        std::function<std::vector<cDbItem*>(const cSeasonItems&)> items;
        int results;    // entered results that go with them
        int questionId; // asked when results > 0
    };
    const auto team = [](cLeague* league, int index) -> cDbItem* { return league->GetTeam(index); };
    const std::vector<cCase> cases = {
        {"a court: its league and playoff matches",
         [](const cSeasonItems& s) { return std::vector<cDbItem*>{s.courts[0]}; }, 2,
         IDS_DELETE_CASCADE_RESULTS},
        {"both courts",
         [](const cSeasonItems& s) {
             return std::vector<cDbItem*>{s.courts[0], s.courts[1]};
         },
         4, IDS_DELETE_CASCADE_RESULTS},
        {"a league: its league matches, not the playoff match",
         [](const cSeasonItems& s) { return std::vector<cDbItem*>{s.leagues[0]}; }, 2,
         IDS_DELETE_CASCADE_RESULTS},
        {"the other league", [](const cSeasonItems& s) { return std::vector<cDbItem*>{s.leagues[1]}; }, 1,
         IDS_DELETE_CASCADE_RESULTS},
        {"a team home and away",
         [team](const cSeasonItems& s) { return std::vector<cDbItem*>{team(s.leagues[0], 0)}; }, 2,
         IDS_DELETE_CASCADE_RESULTS},
        {"a team without results",
         [team](const cSeasonItems& s) { return std::vector<cDbItem*>{team(s.leagues[0], 3)}; }, 0, 0},
        {"two teams of one played match",
         [team](const cSeasonItems& s) {
             return std::vector<cDbItem*>{team(s.leagues[1], 0), team(s.leagues[1], 1)};
         },
         1, IDS_DELETE_CASCADE_RESULTS},
        {"scheduled matches",
         [](const cSeasonItems& s) {
             return std::vector<cDbItem*>{s.matches[0], s.matches[1]};
         },
         1, IDS_DELETE_ENTERED_RESULTS},
    };
    for (const cCase& c : cases) {
        for (const bool yes : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (yes ? ", Yes" : ", No"));
            cTestSeason season;
            cSeasonItems s{};
            s.courts[0] = &season.Court("C1");
            s.courts[1] = &season.Court("C2");
            s.leagues[0] = &season.League("A", 4, 1);
            s.leagues[1] = &season.League("B", 4, 1);
            const auto played = [](cMatch& match) -> cMatch& {
                match.GetResult()->m_bPlayed = 1;
                return match;
            };
            s.matches[0] = &played(season.Scheduled(*s.leagues[0], 0, 1, 1, *s.courts[0], At(0, 1900), 1));
            s.matches[1] = &season.Scheduled(*s.leagues[0], 2, 3, 1, *s.courts[0], At(1, 1900), 2);
            s.matches[2] = &played(season.Scheduled(*s.leagues[0], 2, 0, 1, *s.courts[1], At(2, 1900), 3));
            played(season.Scheduled(*s.leagues[1], 0, 1, 1, *s.courts[1], At(3, 1900), 1));
            // A played playoff match on the first court.
            cPlayoffMatch& playoff = season.Playoff(*s.courts[0], At(4, 1900));
            auto result = std::make_unique<cResult>();
            cResult::Link(*result, playoff);
            result->m_bPlayed = 1;
            season.db.Results().AddItem(std::move(result), true);
            const int playedBefore = PlayedResults(season.db);
            ASSERT_EQ(playedBefore, 4);

            const std::vector<cDbItem*> items = c.items(s);
            if (c.results > 0) {
                season.prompt.Answer(yes);
            }
            EXPECT_EQ(
                ConfirmDeletingItems(season.db, std::vector<const cDbItem*>(items.begin(), items.end())),
                yes || c.results == 0);
            if (c.results == 0) {
                EXPECT_TRUE(season.prompt.m_shown.empty());
            } else {
                ASSERT_EQ(season.prompt.m_shown.size(), 1u);
                EXPECT_EQ(season.prompt.m_shown[0].id, c.questionId);
                EXPECT_TRUE(season.prompt.m_shown[0].question);
                EXPECT_EQ(season.prompt.m_shown[0].text,
                          FormatString(c.questionId, {std::to_string(c.results)}));
            }
            if (!yes && c.results > 0) {
                EXPECT_EQ(PlayedResults(season.db), playedBefore);
                continue;
            }
            for (cDbItem* item : items) {
                EXPECT_TRUE(item->GetOwner()->DeleteItem(*item, season.db));
            }
            EXPECT_EQ(PlayedResults(season.db), playedBefore - c.results);
        }
    }
}

} // namespace
