#include "OutputTestSupport.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cResult.h"
#include "output/Csv.h"
#include "output/Export.h"
#include "support/TestBuilders.h"
#include "support/cScriptedPrompt.h"

#include <gtest/gtest.h>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace {

// One court, one league of two teams (one of them named with markup
// characters), one official and one numbered match with its result.
class ExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.SetPrompt(&prompt);
        hall = &BuildCourt(db, "Main Hall", "MH");
        league = &BuildLeague(db, "Premier", "P");
        marked = &BuildTeam(*league, "A & <B>");
        lions = &BuildTeam(*league, "Lions");
        official = &BuildOfficial(db, "Ref One");
        match = &AddMatch(MakeTimePoint(2027, 3, 5, 19, 30), 3);
        match->SetOfficial(db, official->m_nIndex, 0);
        db.m_strScheduleTemplate = folder / "template.htm";
        db.m_strTableTemplate = db.m_strScheduleTemplate;
    }

    cMatch& AddMatch(TimePoint start, int number)
    {
        return BuildScheduledMatch(db, *league, marked->m_nIndex, lions->m_nIndex, *hall, start, number);
    }

    cScheduleExport Schedule() const { return cScheduleExport::FromDocument(db); }

    cDatabase db;
    cScriptedPrompt prompt;
    cTempFolder folder;
    cCourt* hall = nullptr;
    cLeague* league = nullptr;
    cTeam* marked = nullptr;
    cTeam* lions = nullptr;
    cReferee* official = nullptr;
    cMatch* match = nullptr;
};

const std::string S = "&nbsp;&nbsp;</TD>\n<TD>"; // the match separator of a web page
std::string Blank15()
{
    std::string blank;
    for (int i = 0; i < 15; ++i) {
        blank += "&nbsp;";
    }
    return blank;
}

TEST_F(ExportTest, MatchLineKeepsOneCellPerColumnInEveryForm)
{
    struct cCase
    {
        const char* name;
        int officials;
        bool before;
        bool after;
        int layout;
        bool web;
        std::string expected;
    };
    const std::vector<cCase> cases = {
        {"ungrouped web, no number, second official missing", 2, false, false, 0, true,
         "<TR>\n<TD>05/03-2027" + S + "MH" + S + "1930" + S + S + "A &amp; &lt;B&gt;" + S + "- Lions" + S +
             "Ref One" + S + "/ " + Blank15() + "</TD>\n</TR>\n"},
        {"ungrouped text", 2, false, false, 0, false,
         "05/03-2027\tMH\t1930\t\tA & <B>\t- Lions\tRef One\t/ \n"},
        {"number before", 1, true, false, 0, false, "P-3\t05/03-2027\tMH\t1930\tA & <B>\t- Lions\tRef One\n"},
        {"number after", 0, false, true, 0, false, "05/03-2027\tMH\t1930\tP-3\tA & <B>\t- Lions\n"},
        {"both: before wins", 0, true, true, 0, false, "P-3\t05/03-2027\tMH\t1930\tA & <B>\t- Lions\n"},
        {"grouped by date", 0, false, false, 1, false, "MH\t1930\t\tA & <B>\t- Lions\n"},
        {"grouped by date and court", 0, false, true, 2, false, "1930\tP-3\tA & <B>\t- Lions\n"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MatchLine(*match, c.officials, c.before, c.after, c.layout, c.web), c.expected);
    }
}

TEST_F(ExportTest, ThreeOfficialCellsWithNoneAssigned)
{
    match->SetOfficial(db, -1, 0);
    db.m_nOfficialsPerGame = 3;
    const std::string content = ScheduleContent(db, Schedule(), true);
    const std::string ending =
        "- Lions" + S + Blank15() + S + "/ " + Blank15() + S + "/ " + Blank15() + "</TD>\n</TR>\n";
    EXPECT_NE(content.find(ending), std::string::npos) << content;
}

TEST_F(ExportTest, SectionHeadingReplacesTheFirstHashOnly)
{
    struct cCase
    {
        const char* name;
        std::string text;
        bool web;
        bool border;
        bool fullWidth;
        std::string expected;
    };
    const std::vector<cCase> cases = {
        {"no hash", "Season 2027", false, false, false, "Season 2027"},
        {"two hashes", "# and #", false, false, false, "A & <B> and #"},
        {"web, plain", "For #", true, false, false,
         "<TABLE>\n<CAPTION>&nbsp;<BR><B>For A &amp; &lt;B&gt;</B></CAPTION>\n"},
        {"web, bordered full width", "#", true, true, true,
         "<TR>\n<TD>\n<TABLE BORDER WIDTH = 100%>\n<CAPTION>&nbsp;<BR><B>A &amp; &lt;B&gt;</B></CAPTION>\n"},
        {"markup in the heading stays", "<i>#</i> & more", true, false, false,
         "<TABLE>\n<CAPTION>&nbsp;<BR><B><i>A &amp; &lt;B&gt;</i> & more</B></CAPTION>\n"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MakeSectionHeading(c.text, "A & <B>", c.web, c.border, c.fullWidth), c.expected);
    }
}

TEST_F(ExportTest, GroupedLayoutWithNoMatchInThePeriodStillClosesTheTable)
{
    cScheduleExport what = Schedule();
    what.layout = cScheduleExport::kGroupedByDate;
    what.from = MakeTimePoint(2027, 3, 6);
    what.to = MakeTimePoint(2027, 3, 7, 23, 59);
    EXPECT_EQ(ScheduleContent(db, what, true),
              "<TABLE>\n<CAPTION>&nbsp;<BR><B>Schedule for </B></CAPTION>\n</TABLE></TD></TR>\n</TABLE>\n");
    EXPECT_EQ(ScheduleContent(db, what, false), "Schedule for \n\n\n");
}

TEST_F(ExportTest, ThePeriodRunsFromTheStartDayToTheEndOfTheFinalDay)
{
    AddMatch(MakeTimePoint(2027, 3, 6, 0, 0), 4);
    AddMatch(MakeTimePoint(2027, 3, 7, 23, 30), 5);
    AddMatch(MakeTimePoint(2027, 3, 8, 0, 0), 6);
    cScheduleExport what = Schedule();
    what.numberBefore = true;
    what.from = MakeTimePoint(2027, 3, 6);
    what.to = MakeTimePoint(2027, 3, 7, 23, 59);
    const std::string text = ScheduleContent(db, what, false);
    EXPECT_EQ(text.find("P-3\t"), std::string::npos);
    EXPECT_NE(text.find("P-4\t"), std::string::npos);
    EXPECT_NE(text.find("P-5\t"), std::string::npos);
    EXPECT_EQ(text.find("P-6\t"), std::string::npos);
}

TEST_F(ExportTest, NamesAreEscapedInWebPagesOnly)
{
    auto playoff = std::make_unique<cPlayoffMatch>();
    playoff->m_strHomeTeam = "X \"&\" Y";
    playoff->m_strGuestTeam = "<Z>";
    playoff->m_strNumber = "F<1>";
    playoff->m_nCourt = hall->m_nIndex;
    playoff->m_tStart = MakeTimePoint(2027, 3, 5, 21, 0);
    playoff->m_tEnd = playoff->m_tStart + 3600;
    db.Scheduled().AddItem(std::move(playoff), true);
    hall->m_strName = "Hall <1>";
    cScheduleExport what = Schedule();
    what.numberBefore = true;
    for (const int sorting : {0, 1}) {
        SCOPED_TRACE(sorting);
        what.sorting = sorting;
        const std::string web = ScheduleContent(db, what, true);
        EXPECT_NE(web.find("A &amp; &lt;B&gt;"), std::string::npos);
        EXPECT_NE(web.find("F&lt;1&gt;"), std::string::npos);
        EXPECT_NE(web.find("X &quot;&amp;&quot; Y"), std::string::npos);
        EXPECT_NE(web.find("- &lt;Z&gt;"), std::string::npos);
        EXPECT_EQ(web.find("A & <B>"), std::string::npos);
        const std::string text = ScheduleContent(db, what, false);
        EXPECT_NE(text.find("A & <B>\t- Lions"), std::string::npos);
        EXPECT_NE(text.find("F<1>\t"), std::string::npos);
        EXPECT_EQ(text.find("&amp;"), std::string::npos);
    }
    what.sorting = cScheduleExport::kByCourt;
    EXPECT_NE(ScheduleContent(db, what, true).find("Schedule for Hall &lt;1&gt;</B>"), std::string::npos);
    EXPECT_NE(ScheduleContent(db, what, false).find("Schedule for Hall <1>\n\n"), std::string::npos);

    cTablesExport tables = cTablesExport::FromDocument(db);
    EXPECT_NE(TablesContent(db, tables, true).find("<TD>&nbsp;A &amp; &lt;B&gt;&nbsp;</TD>"),
              std::string::npos);
    EXPECT_NE(TablesContent(db, tables, false).find("\tA & <B>\t"), std::string::npos);
}

TEST_F(ExportTest, ResultsWithNoneEnteredKeepAnEmptyRow)
{
    cTablesExport what = cTablesExport::FromDocument(db);
    what.results = true;
    const std::string web = TablesContent(db, what, true);
    const std::string heading = "<TABLE>\n<TR>\n<TD>\n<TABLE WIDTH = 100%>\n"
                                "<CAPTION>&nbsp;<BR><B>Tables and results for Premier</B></CAPTION>\n";
    EXPECT_EQ(web.substr(0, heading.size()), heading);
    EXPECT_NE(
        web.find("</CAPTION>\n<TR><TD></TD></TR>\n</TABLE>\n</TD>\n</TR>\n<TR>\n<TD>\n<TABLE BORDER WIDTH = "
                 "100%>\n<TR>\n<TD>1&nbsp;</TD>\n"),
        std::string::npos)
        << web;
}

TEST_F(ExportTest, TablesTextListsResultsAndCountsWalkOversAsLosses)
{
    cResult& result = *match->GetResult();
    result.m_bPlayed = 1;
    result.m_bHomeDisqualified = 1;
    result.m_nGuestScore[0] = 3;
    db.InvalidateTables();
    cTablesExport what = cTablesExport::FromDocument(db);
    what.results = true;
    EXPECT_EQ(TablesContent(db, what, false), "Tables and results for Premier\n\n"
                                              "A & <B>\t- Lions\tD   0 - 3  \n"
                                              "\n"
                                              "1\tLions\t1\t1\t0\t0\t   3-0\t2\n"
                                              "2\tA & <B>\t1\t0\t0\t1\t   0-3\t0\n"
                                              "\n\n");
    what.resultsFrom = MakeTimePoint(2027, 3, 6);
    what.rank = false;
    what.disqualified = true;
    what.scoreDiff = false;
    EXPECT_EQ(TablesContent(db, what, false), "Tables and results for Premier\n\n"
                                              "\n"
                                              "\tLions\t1\t1\t0\t0\t0\t2\n"
                                              "\tA & <B>\t1\t0\t0\t0\t1\t0\n"
                                              "\n\n");
}

TEST_F(ExportTest, ResultLineWritesEverySetUpToTheMaximum)
{
    cResult& result = *match->GetResult();
    result.m_bPlayed = 1;
    result.m_nHomeScore = {2, 25, 20, 25};
    result.m_nGuestScore = {1, 20, 25, 18};
    db.m_tableSettings.m_nMaxSets = 3;
    EXPECT_EQ(ResultLine(result, 3, false),
              "A & <B>\t- Lions\t    2 - 1  \t(  25 - 20\t  20 - 25\t  25 - 18 )\n");
    EXPECT_EQ(ResultLine(result, 1, true),
              "<TR>\n<TD>A &amp; &lt;B&gt;&nbsp;</TD>\n<TD>&nbsp;- Lions&nbsp;</TD>\n<TD "
              "ALIGN = CENTER>&nbsp;    2 - 1  </TD>\n</TR>\n");
}

TEST(ExportFiles, ExtensionDecidesTheForm)
{
    struct cCase
    {
        std::string_view extension;
        bool text;
    };
    for (const cCase& c : std::vector<cCase>{{"txt", true},
                                             {"TXT", true},
                                             {"htm", false},
                                             {"HTML", false},
                                             {"Htm", false},
                                             {"", true},
                                             {"csv", true}}) {
        SCOPED_TRACE(c.extension);
        EXPECT_EQ(IsTextFileExtension(c.extension), c.text);
    }
    EXPECT_EQ(WithDefaultExtension("/tmp/a.b/Schedule", -1), "/tmp/a.b/Schedule.htm");
    EXPECT_EQ(WithDefaultExtension("Content", 1), "Content.txt");
    EXPECT_EQ(WithDefaultExtension("out.TXT", -1), "out.TXT");
    // Each dialog's default type is the form its name without extension is
    // written in, and each type's pattern matches the names it suffixes.
    for (const auto& [kind, suffix, text] : std::vector<std::tuple<int, std::string, bool>>{
             {-1, "htm", false}, {0, "htm", false}, {1, "txt", true}}) {
        SCOPED_TRACE(kind);
        const std::span<const cFileType> types = OutputFileTypes(kind);
        ASSERT_FALSE(types.empty());
        EXPECT_EQ(types.front().suffix, suffix);
        EXPECT_EQ(IsTextFileExtension(types.front().suffix), text);
        EXPECT_EQ(WithDefaultExtension("a", kind), "a." + suffix);
        for (const cFileType& type : types) {
            EXPECT_EQ(type.pattern, "*." + std::string(type.suffix));
            EXPECT_FALSE(type.description.empty());
        }
    }
    EXPECT_TRUE(OutputFileTypes(2).empty());
    EXPECT_EQ(WithDefaultExtension("a", 2), "a");
}

TEST_F(ExportTest, FileNameChoosesWebPageOrText)
{
    WriteWholeFile(db.m_strScheduleTemplate, "<TNLX_Content>\n");
    const std::string web = Crlf(ScheduleContent(db, Schedule(), true) + "\n");
    const std::string text = Crlf(ScheduleContent(db, Schedule(), false));
    const std::string csv = Crlf(ScheduleCsv(db, Schedule()));
    struct cCase
    {
        std::string name;
        std::string written;
        const std::string& expected;
    };
    for (const cCase& c : std::vector<cCase>{{"a.TXT", "a.TXT", text},
                                             {"b.HTML", "b.HTML", web},
                                             {"c", "c.htm", web},
                                             {"d.csv", "d.csv", csv},
                                             {"e.CSV", "e.CSV", csv},
                                             {"f.csv.txt", "f.csv.txt", text}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WriteScheduleFile(db, Schedule(), folder / c.name), 0);
        EXPECT_EQ(ReadWholeFile(folder / c.written), c.expected);
    }
    EXPECT_TRUE(prompt.m_shown.empty());
}

TEST_F(ExportTest, TemplateMerge)
{
    const std::string content = Crlf(ScheduleContent(db, Schedule(), true));
    struct cCase
    {
        const char* name;
        std::optional<std::string> templateText; // none: no template file
        std::string expected;
        std::vector<int> messages;
    };
    const std::vector<cCase> cases = {
        {"tag alone on a line",
         "<html>\n<TNLX_Content>\n</html>\n",
         "<html>\r\n" + content + "\r\n</html>\r\n",
         {}},
        {"tag between elements, CR LF lines",
         "<body>\r\n<div><TNLX_Content></div>\r\nlast\r\n",
         "<body>\r\n<div>" + content + "</div>\r\nlast\r\n",
         {}},
        {"tag at the start of the last line, no line end",
         "<p>\n<TNLX_Content>",
         "<p>\r\n" + content + "\r\n",
         {}},
        {"only the first tag is replaced",
         "<TNLX_Content><TNLX_Content>\n<TNLX_Content>\n",
         content + "<TNLX_Content>\r\n<TNLX_Content>\r\n",
         {}},
        {"a lone CR stays", "a\rb\n<TNLX_Content>\n", "a\rb\r\n" + content + "\r\n", {}},
        {"hyphenated tag", "<a>\n<TNLX-Content>\n", "<a>\r\n<TNLX-Content>\r\n", {IDS_NO_CONTENT_TAG}},
        {"other letter case", "<tnlx_content>", "<tnlx_content>\r\n", {IDS_NO_CONTENT_TAG}},
        {"empty template", "", "", {IDS_NO_CONTENT_TAG}},
        {"missing template", std::nullopt, "", {IDS_NO_TEMPLATE}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(db.m_strScheduleTemplate);
        if (c.templateText) {
            WriteWholeFile(db.m_strScheduleTemplate, *c.templateText);
        }
        prompt.m_shown.clear();
        const std::string path = folder / "out.htm";
        const int expectedResult = c.messages.empty() ? 0 : c.messages.front();
        EXPECT_EQ(WriteScheduleFile(db, Schedule(), path), expectedResult);
        EXPECT_EQ(ReadWholeFile(path), c.expected);
        EXPECT_EQ(prompt.Ids(), c.messages);
    }
    // The tables use their own template.
    db.m_strTableTemplate = folder / "missing.htm";
    WriteWholeFile(db.m_strScheduleTemplate, "<TNLX_Content>\n");
    prompt.m_shown.clear();
    EXPECT_EQ(WriteTablesFile(db, cTablesExport::FromDocument(db), folder / "tables.htm"), IDS_NO_TEMPLATE);
    EXPECT_EQ(prompt.Ids(), std::vector<int>{IDS_NO_TEMPLATE});
    ASSERT_EQ(prompt.m_shown.size(), 1U);
    EXPECT_EQ(prompt.m_shown[0].text,
              "Cannot open the template file!\nUse the Web Template command in the Settings "
              "menu to select template.");
}

TEST_F(ExportTest, UncreatableFilesAreReportedAndNothingIsWritten)
{
    const std::string path = folder / "no-such-folder/out.txt";
    EXPECT_EQ(WriteScheduleFile(db, Schedule(), path), IDS_UNABLE_TO_OPEN_FILE);
    EXPECT_EQ(WriteTablesFile(db, cTablesExport::FromDocument(db), path), IDS_UNABLE_TO_OPEN_FILE);
    EXPECT_EQ(WriteDirectoryFile(db, db.Courts(), path), IDS_UNABLE_TO_OPEN_FILE);
    EXPECT_EQ(WriteContentFile(db, "x", true, true, path), IDS_UNABLE_TO_OPEN_FILE);
    EXPECT_EQ(prompt.Ids(), std::vector<int>(4, IDS_UNABLE_TO_OPEN_FILE));
    EXPECT_EQ(prompt.m_shown.front().text, "Unable to open the file!");
    EXPECT_FALSE(std::filesystem::exists(folder / "no-such-folder"));
}

TEST_F(ExportTest, DirectoryColumnsAreAsWideAsTheirWidthsOrLongestTexts)
{
    official->m_strName = "Chloé Sørensen";
    official->m_strClubOfficial = "Club";
    BuildOfficial(db, "Maximilian Alexander von Humboldt-Wiesenthal").m_strClubOfficial = "Far";
    const std::string text = DirectoryText(db.Officials());
    // A heading or a name as long as its column or longer widens the column
    // on every line, one blank after its longest text.
    EXPECT_EQ(text,
              "Officials\n\n"
              "Official name                                Club           Rating     Max. subs. games  "
              "Max. no. of games No. of games  First day off Second day off \n"
              "Chloé Sørensen                               Club           1          3                 "
              "20                1             <None>        <None>         \n"
              "Maximilian Alexander von Humboldt-Wiesenthal Far            1          3                 "
              "20                0             <None>        <None>         \n");
}

TEST_F(ExportTest, WriteToFileOfAnEmptyDirectoryWritesNothing)
{
    const std::string path = folder / "courts.txt";
    EXPECT_EQ(WriteDirectoryFile(db, db.CourtTime(), path), IDS_NOTHING_TO_PRINT);
    EXPECT_EQ(prompt.Ids(), std::vector<int>{IDS_NOTHING_TO_PRINT});
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(WriteDirectoryFile(db, db.Courts(), folder / "courts"), 0);
    EXPECT_EQ(ReadWholeFile(folder / "courts.txt"), Crlf(DirectoryText(db.Courts())));
}

TEST(ContentSummary, EmptyDatabaseCountsNothing)
{
    cDatabase db;
    const std::string counts = "The content of Untitled:\n\n"
                               "- 0 courts with a total of 0 hours and 0 minutes available playing time.\n"
                               "- 0 leagues including 0 teams, playing a total of 0 matches.\n"
                               "- 0 officials, willing to officate a total of 0 matches.\n"
                               "- 0 unscheduled matches, requiring 0 hours and 0 minutes court time.";
    EXPECT_EQ(ContentSummary(db, "Untitled", false, false), counts);
    EXPECT_EQ(ContentSummary(db, "Untitled", true, true),
              counts + "\n\nThe database includes the following courts:\n"
                       "\nThe database includes the following leagues:");
}

} // namespace
