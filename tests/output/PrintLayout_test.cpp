#include "model/Strings.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "model/cUnusedTime.h"
#include "output/PrintLayout.h"
#include "support/TestBuilders.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Two courts, a league of three teams, two officials; matches are added by the tests.
class PrintLayoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hall = &BuildCourt(db, "Main Hall", "MH");
        annex = &BuildCourt(db, "Annex", "AX");
        league = &BuildLeague(db, "Premier", "P");
        lions = &BuildTeam(*league, "Lions");
        tigers = &BuildTeam(*league, "Tigers");
        bears = &BuildTeam(*league, "Bears");
        smith = &BuildOfficial(db, "Smith");
        jones = &BuildOfficial(db, "Jones");
    }

    cMatch& AddMatch(const cCourt& court, TimePoint start, const cTeam& home, const cTeam& guest,
                     int number = 0)
    {
        auto added = std::make_unique<cMatch>();
        added->m_nLeague = league->m_nIndex;
        added->m_nHomeTeam = home.m_nIndex;
        added->m_nGuestTeam = guest.m_nIndex;
        added->m_nCourt = court.m_nIndex;
        added->m_tStart = start;
        added->m_tEnd = start + 3600;
        added->m_nNumber = number;
        auto& match = static_cast<cMatch&>(db.Scheduled().AddItem(std::move(added), true));
        auto result = std::make_unique<cResult>();
        result->CopyPairing(match);
        cResult::Link(*result, match);
        db.Results().AddItem(std::move(result), true);
        return match;
    }

    static void Play(cMatch& match, int home, int guest, bool homeDisqualified = false)
    {
        cResult& result = *match.GetResult();
        result.m_bPlayed = 1;
        result.m_nHomeScore[0] = home;
        result.m_nGuestScore[0] = guest;
        result.m_bHomeDisqualified = homeDisqualified ? 1 : 0;
        match.GetDatabase()->InvalidateTables();
    }

    // Every match of 2027.
    cScheduleExport Job(int sorting = cScheduleExport::kByDate,
                        int layout = cScheduleExport::kUngrouped) const
    {
        cScheduleExport job;
        job.sorting = sorting;
        job.layout = layout;
        job.from = MakeTimePoint(2027, 1, 1);
        job.to = MakeTimePoint(2027, 12, 31, 23, 59);
        job.heading = "Schedule for #";
        return job;
    }

    cDatabase db;
    cCourt* hall = nullptr;
    cCourt* annex = nullptr;
    cLeague* league = nullptr;
    cTeam* lions = nullptr;
    cTeam* tigers = nullptr;
    cTeam* bears = nullptr;
    cReferee* smith = nullptr;
    cReferee* jones = nullptr;
};

// The first text of each line; "" for a blank line.
std::vector<std::string> FirstTexts(const cPrintPage& page)
{
    std::vector<std::string> texts;
    for (const cPrintLine& line : page.lines) {
        texts.push_back(line.empty() ? std::string() : line.front().text);
    }
    return texts;
}

std::string Joined(const cPrintLine& line)
{
    std::string text;
    for (const cPrintText& item : line) {
        text += item.text + "|";
    }
    return text;
}

TEST(PageFrameTest, FrameFollowsTheLineHeight)
{
    const cPageFrame frame = cPageFrame::For(10, 200);
    EXPECT_EQ(frame.columnHeadingY, 12);
    EXPECT_EQ(frame.ruleY, 24);
    EXPECT_EQ(frame.bodyY, 28);
    EXPECT_EQ(frame.bottomRuleY, 186);
    EXPECT_EQ(frame.pageNumberY, 190);
    EXPECT_EQ(frame.linesPerPage, 15);
    EXPECT_EQ(frame.LineY(14) + 10, 178);
    // One more line fits exactly when the page is 2 units taller.
    EXPECT_EQ(cPageFrame::For(10, 201).linesPerPage, 15);
    EXPECT_EQ(cPageFrame::For(10, 202).linesPerPage, 16);
    // A page too small for a line still gets one.
    EXPECT_EQ(cPageFrame::For(10, 30).linesPerPage, 1);
    EXPECT_EQ(cPageFrame::For(167, 10000).ruleY, 167 * 6 / 5 + 167 * 5 / 4);
}

TEST_F(PrintLayoutTest, DirectoryPagesSplitRowsAndKeepTheirHeadings)
{
    EXPECT_EQ(DirectoryPrintRefusal(nullptr), IDS_NO_DIRECTORY_TO_PRINT);
    EXPECT_EQ(DirectoryPrintRefusal(&db.Unscheduled()), IDS_NOTHING_TO_PRINT);
    for (int i = 0; i < 3; ++i) {
        BuildOfficial(db, "Official " + std::to_string(i));
    }
    // Five officials, one hidden (a match being moved hides its row the same way).
    db.GetOfficial(jones->m_nIndex)->m_bHidden = 1;
    EXPECT_EQ(DirectoryPrintRefusal(&db.Officials()), 0);
    const cPrintPages pages = DirectoryPages(db.Officials(), cPrintSizing(2));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].lines.size(), 2u);
    EXPECT_EQ(pages[1].lines.size(), 2u);
    EXPECT_EQ(pages[1].heading, GetString(IDS_OFFICIALS));
    EXPECT_EQ(pages[1].columnHeadings, pages[0].columnHeadings);
    for (const cPrintPage& page : pages) {
        for (const std::string& name : FirstTexts(page)) {
            EXPECT_NE(name, "Jones");
        }
    }
}

TEST_F(PrintLayoutTest, DirectoryColumnsStandAtTheirAlignment)
{
    // Courts: name 25 left, short name 12 left, reserved 12 centred, rating 12 centred.
    const cPrintPages pages = DirectoryPages(db.Courts(), cPrintSizing(10));
    const cPrintLine& headings = pages[0].columnHeadings;
    ASSERT_EQ(headings.size(), 4u);
    EXPECT_EQ(headings[0], (cPrintText{0, GetString(IDS_COL_COURT_NAME), kAlignLeft}));
    EXPECT_EQ(headings[1].x, 25);
    EXPECT_EQ(headings[2].x, 37 + 6);
    EXPECT_EQ(headings[2].alignment, kAlignCenter);
    EXPECT_EQ(headings[3].x, 49 + 6);
    EXPECT_EQ(pages[0].lines[0][2].x, 43);
}

TEST_F(PrintLayoutTest, MatchLinePositionsFollowThePrintWidths)
{
    db.m_nOfficialsPerGame = 2;
    cMatch& match = AddMatch(*hall, MakeTimePoint(2027, 5, 1, 19, 30), *lions, *tigers, 12);
    match.SetOfficial(db, smith->m_nIndex, 0);
    match.SetOfficial(db, jones->m_nIndex, 1);
    AddMatch(*annex, MakeTimePoint(2027, 5, 2, 18), *bears, *lions);
    // Widths: label "P-12" 6, date "01/05-2027" 12, court 4, time 6, home "Lions"/"Bears" 7,
    // guest "Tigers" 8, officials "Smith" 7 and "Jones" 7.
    cScheduleExport job = Job();
    job.numberBefore = true;
    job.numberAfter = true;
    const cPrintPages pages = SchedulePages(db, job, cPrintSizing(50));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].heading, "Schedule for ");
    const cPrintLine& line = pages[0].lines[0];
    std::vector<int> xs;
    for (const cPrintText& item : line) {
        xs.push_back(item.x);
    }
    EXPECT_EQ(Joined(line), "P-12|01/05-2027|MH|1930|P-12|Lions|- Tigers|Smith|/ Jones|");
    EXPECT_EQ(xs, (std::vector<int>{0, 6, 18, 22, 28, 34, 41, 51, 60}));

    job.numberAfter = false;
    job.layout = cScheduleExport::kGroupedByDateAndCourt;
    const cPrintPages groupedPages = SchedulePages(db, job, cPrintSizing(50));
    const cPrintLine& grouped = groupedPages[0].lines[1];
    EXPECT_EQ(Joined(grouped), "P-12|1930|Lions|- Tigers|Smith|/ Jones|");
    EXPECT_EQ(grouped[1].x, 6);
    EXPECT_EQ(grouped[2].x, 12);
}

TEST_F(PrintLayoutTest, GroupLineNeedsFourLinesLeft)
{
    db.m_nOfficialsPerGame = 0;
    // Day 1: four matches; day 2: one match. A page of L lines holds the first
    // group line and four matches (5 lines), then blank and group line for day 2.
    for (int i = 0; i < 4; ++i) {
        AddMatch(*hall, MakeTimePoint(2027, 5, 1, 10 + i), *lions, *tigers);
    }
    AddMatch(*hall, MakeTimePoint(2027, 5, 2, 10), *bears, *lions);
    struct cCase
    {
        int linesPerPage;
        std::vector<std::size_t> lineCounts;
    };
    // 9 lines: 4 left after day 1, so day 2 follows a blank line; 8 lines: 3 left, next page.
    const std::vector<cCase> cases = {{9, {8}}, {8, {5, 2}}, {6, {5, 2}}, {5, {5, 2}}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.linesPerPage);
        const cPrintPages pages =
            SchedulePages(db, Job(0, cScheduleExport::kGroupedByDate), cPrintSizing(c.linesPerPage));
        std::vector<std::size_t> counts;
        for (const cPrintPage& page : pages) {
            counts.push_back(page.lines.size());
        }
        EXPECT_EQ(counts, c.lineCounts);
        // A page never begins with a blank line, and a group line starts each day.
        for (const cPrintPage& page : pages) {
            EXPECT_FALSE(page.lines.front().empty());
        }
        EXPECT_EQ(
            pages.back().lines[pages.back().lines.size() - 2].front().text.rfind("Sunday, 02/05-2027", 0),
            0u);
    }
}

TEST_F(PrintLayoutTest, GroupsByDateAndCourtNameTheCourtInTheChosenLanguage)
{
    AddMatch(*hall, MakeTimePoint(2027, 5, 1, 10), *lions, *tigers);
    AddMatch(*annex, MakeTimePoint(2027, 5, 1, 11), *bears, *lions);
    AddMatch(*annex, MakeTimePoint(2027, 5, 1, 12), *tigers, *bears);
    cScheduleExport job = Job(0, cScheduleExport::kGroupedByDateAndCourt);
    job.language = 5; // German
    const cPrintPages pages = SchedulePages(db, job, cPrintSizing(50));
    // The schedule keeps a day's matches by court short name: the annex ("AX") first.
    EXPECT_EQ(FirstTexts(pages[0]), (std::vector<std::string>{"Samstag, 01/05-2027, Annex", "1100", "1200",
                                                              "", "Samstag, 01/05-2027, Main Hall", "1000"}));
}

TEST_F(PrintLayoutTest, PeriodTakesWholeDays)
{
    AddMatch(*hall, MakeTimePoint(2027, 4, 30, 23, 30), *lions, *tigers);
    AddMatch(*hall, MakeTimePoint(2027, 5, 1, 0, 0), *bears, *tigers);
    AddMatch(*hall, MakeTimePoint(2027, 5, 31, 23, 59, 30), *lions, *bears);
    AddMatch(*hall, MakeTimePoint(2027, 6, 1, 0, 0), *tigers, *lions);
    cScheduleExport job = Job(cScheduleExport::kByDate);
    job.from = MakeTimePoint(2027, 5, 1);
    job.to = MakeTimePoint(2027, 5, 31, 23, 59);
    const cPrintPages pages = SchedulePages(db, job, cPrintSizing(50));
    EXPECT_EQ(FirstTexts(pages[0]), (std::vector<std::string>{"01/05-2027", "31/05-2027"}));
}

TEST_F(PrintLayoutTest, OfficialPagesListOnlyTheirOwnMatches)
{
    cScheduleExport job = Job(cScheduleExport::kByOfficial);
    EXPECT_EQ(SchedulePrintRefusal(db, job), IDS_NOTHING_TO_PRINT);
    cMatch& first = AddMatch(*hall, MakeTimePoint(2027, 5, 1, 10), *lions, *tigers);
    cMatch& second = AddMatch(*hall, MakeTimePoint(2027, 5, 2, 10), *bears, *lions);
    AddMatch(*hall, MakeTimePoint(2027, 5, 3, 10), *tigers, *bears);
    first.SetOfficial(db, smith->m_nIndex, 0);
    second.SetOfficial(db, smith->m_nIndex, 4); // a slot beyond the officials per game still counts
    second.SetOfficial(db, jones->m_nIndex, 0);
    EXPECT_EQ(SchedulePrintRefusal(db, job), 0);
    const cPrintPages pages = SchedulePages(db, job, cPrintSizing(2));
    // Jones first (container order by name), then Smith.
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].heading, "Schedule for Jones");
    EXPECT_EQ(FirstTexts(pages[0]), (std::vector<std::string>{"02/05-2027"}));
    EXPECT_EQ(pages[1].heading, "Schedule for Smith");
    EXPECT_EQ(FirstTexts(pages[1]), (std::vector<std::string>{"01/05-2027", "02/05-2027"}));

    job.official = smith->m_nIndex;
    EXPECT_EQ(SchedulePages(db, job, cPrintSizing(2)).size(), 1u);

    // With no official at all there is nothing to print by officials, but by date there is.
    db.Officials().DeleteAll();
    EXPECT_EQ(SchedulePrintRefusal(db, job), IDS_NOTHING_TO_PRINT);
    EXPECT_EQ(SchedulePrintRefusal(db, Job()), 0);
}

TEST_F(PrintLayoutTest, TeamPagesHoldHomeAndAwayMatchesAndContinue)
{
    AddMatch(*hall, MakeTimePoint(2027, 5, 1, 10), *lions, *tigers);
    AddMatch(*annex, MakeTimePoint(2027, 5, 2, 10), *bears, *lions);
    AddMatch(*hall, MakeTimePoint(2027, 5, 3, 10), *tigers, *bears);
    AddMatch(*hall, MakeTimePoint(2027, 5, 4, 10), *lions, *bears);
    cScheduleExport job = Job(cScheduleExport::kByTeam);
    job.league = league->m_nIndex;
    job.team = lions->m_nIndex;
    const cPrintPages pages = SchedulePages(db, job, cPrintSizing(2));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].heading, "Schedule for Premier, Lions");
    EXPECT_EQ(pages[1].heading, pages[0].heading);
    EXPECT_EQ(FirstTexts(pages[0]), (std::vector<std::string>{"01/05-2027", "02/05-2027"}));
    EXPECT_EQ(FirstTexts(pages[1]), (std::vector<std::string>{"04/05-2027"}));

    job.team = -1;
    EXPECT_EQ(SchedulePages(db, job, cPrintSizing(50)).size(), 3u);
}

TEST_F(PrintLayoutTest, TableFollowsTheResultsWhenItFits)
{
    // Three teams: a table of three rows.
    cMatch& a = AddMatch(*hall, MakeTimePoint(2027, 5, 1, 10), *lions, *tigers);
    cMatch& b = AddMatch(*hall, MakeTimePoint(2027, 5, 8, 10), *bears, *lions);
    AddMatch(*hall, MakeTimePoint(2027, 5, 9, 10), *tigers, *bears); // not played
    Play(a, 3, 1);
    Play(b, 0, 2, true);
    cTablesExport job;
    job.results = true;
    job.resultsFrom = MakeTimePoint(2027, 5, 1);
    struct cCase
    {
        int linesPerPage;
        std::vector<std::size_t> lineCounts;
    };
    // Two results, a blank line and three rows need 6 lines; with 5 the table
    // goes to the next page; a table longer than a page stays with the results.
    const std::vector<cCase> cases = {{6, {6}}, {5, {2, 3}}, {2, {2, 2, 1}}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.linesPerPage);
        const cPrintPages pages = TablePages(db, job, cPrintSizing(c.linesPerPage));
        std::vector<std::size_t> counts;
        for (const cPrintPage& page : pages) {
            counts.push_back(page.lines.size());
            EXPECT_EQ(page.heading, "Tables and results for Premier");
        }
        EXPECT_EQ(counts, c.lineCounts);
    }
    // Results from the 2nd on leave out the first match's.
    job.resultsFrom = MakeTimePoint(2027, 5, 2);
    EXPECT_EQ(FirstTexts(TablePages(db, job, cPrintSizing(50))[0]).front(), "Bears");
}

TEST_F(PrintLayoutTest, TableRowsPrintTheTickedColumns)
{
    cMatch& match = AddMatch(*hall, MakeTimePoint(2027, 5, 1, 10), *lions, *tigers);
    Play(match, 0, 2, true); // Lions disqualified
    cTablesExport job;
    job.played = job.won = job.drawn = job.scoreDiff = job.points = false;
    const cPrintPages pages = TablePages(db, job, cPrintSizing(50));
    ASSERT_EQ(pages.size(), 1u);
    std::vector<std::string> rows;
    for (const cPrintLine& line : pages[0].lines) {
        rows.push_back(Joined(line));
    }
    // Rank, team and losses, which count the walk-over without the disqualification column.
    EXPECT_EQ(rows, (std::vector<std::string>{"1|Tigers|0|", "2|Bears|0|", "3|Lions|1|"}));
    EXPECT_EQ(pages[0].lines[0][1].x, 3);
    EXPECT_EQ(pages[0].lines[0][2].x, 3 + 8);

    job.disqualified = true;
    EXPECT_EQ(Joined(TablePages(db, job, cPrintSizing(50))[0].lines[2]), "3|Lions|0|1|");
}

TEST_F(PrintLayoutTest, ContentOfAnEmptyDatabase)
{
    cDatabase empty;
    const cPrintPages pages = ContentPages(empty, "season.tnd", true, true, cPrintSizing(50));
    // No overview pages without courts and leagues.
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].heading, "The content of season.tnd:");
    EXPECT_EQ(
        FirstTexts(pages[0]),
        (std::vector<std::string>{"- 0 courts with a total of 0 hours and 0 minutes available playing time.",
                                  "- 0 leagues including 0 teams, playing a total of 0 matches.",
                                  "- 0 officials, willing to officate a total of 0 matches.",
                                  "- 0 unscheduled matches, requiring 0 hours and 0 minutes court time."}));
}

TEST_F(PrintLayoutTest, ContentOverviewsContinueOnNewPages)
{
    for (int day = 1; day <= 3; ++day) {
        db.CourtTime().AddItem(std::make_unique<cUnusedTime>(hall->m_nIndex, MakeTimePoint(2027, 5, day, 18),
                                                             MakeTimePoint(2027, 5, day, 19, 30)),
                               true);
    }
    BuildLeague(db, "Second", "S");
    BuildLeague(db, "Third", "T");
    const cPrintPages pages = ContentPages(db, "season", true, true, cPrintSizing(3));
    std::vector<std::string> headings;
    for (const cPrintPage& page : pages) {
        headings.push_back(page.heading);
    }
    // Summary (4 lines on 3-line pages), the annex, the hall and its three
    // periods, then the leagues one page each: after 3 lines fewer than 4 remain.
    EXPECT_EQ(headings,
              (std::vector<std::string>{"The content of season:", "The content of season:", "Annex",
                                        "Main Hall", "Main Hall", "Leagues", "Leagues", "Leagues"}));
    EXPECT_EQ(pages[3].lines[0].front().text, "- Main Hall (currently available: 4 hours and 30 minutes):");
    EXPECT_EQ(pages[3].lines[1].size(), db.CourtTime().GetColumns().size());
    EXPECT_EQ(pages[5].lines[0].front().text, "- Premier includes 3 teams, playing a total of 6 matches.");

    // Pages of 8 lines hold two leagues with a blank line between them.
    const cPrintPages roomy = ContentPages(db, "season", false, true, cPrintSizing(8));
    ASSERT_EQ(roomy.size(), 3u);
    EXPECT_EQ(roomy[1].lines.size(), 7u);
    EXPECT_TRUE(roomy[1].lines[3].empty());
    EXPECT_EQ(roomy[2].lines.size(), 3u);
}

} // namespace
