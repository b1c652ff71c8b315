// Spreadsheet files: what the parser makes of awkward files, that the import
// reads back what the export writes, and that every kind of bad row is
// refused with its dialog's message while the season stays as it was.

#include "document/CTournelDoc.h"
#include "document/DatabaseFile.h"
#include "input/CsvImport.h"
#include "model/Strings.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTeam.h"
#include "model/cUnusedTime.h"
#include "output/Csv.h"
#include "scheduling/AutoScheduler.h"
#include "standings/cResultValues.h"
#include "support/cScriptedPrompt.h"

#include <gtest/gtest.h>

namespace {

struct cParseCase
{
    const char* name;
    std::string text;
    std::vector<std::string> header;
    std::vector<std::pair<int, std::vector<std::string>>> rows; // line, cells
};

TEST(CsvImport, ReadsWhatSpreadsheetsWrite)
{
    const cParseCase cases[] = {
        {"plain, LF", "a,b\n1,2\n", {"a", "b"}, {{2, {"1", "2"}}}},
        {"CR LF and no final line end", "a,b\r\n1,2\r\n3,4", {"a", "b"}, {{2, {"1", "2"}}, {3, {"3", "4"}}}},
        {"byte order mark",
         "\xEF\xBB\xBF"
         "a,b\n1,2\n",
         {"a", "b"},
         {{2, {"1", "2"}}}},
        {"quoted comma, quote and line break keep the line of the row's start",
         "a,b\n\"x, y\",\"say \"\"hi\"\"\"\n\"two\nlines\",z\n5,6\n",
         {"a", "b"},
         {{2, {"x, y", "say \"hi\""}}, {3, {"two\nlines", "z"}}, {5, {"5", "6"}}}},
        {"blank lines are skipped", "a\n\n1\n\n\n2\n", {"a"}, {{3, {"1"}}, {6, {"2"}}}},
        {"semicolons when the header has no comma", "a;b\n1,5;2\n", {"a", "b"}, {{2, {"1,5", "2"}}}},
        {"tabs when the header has neither", "a\tb\n1\t2\n", {"a", "b"}, {{2, {"1", "2"}}}},
        {"a quoted semicolon is no separator", "\"a;b\"\n1;2\n", {"a;b"}, {{2, {"1;2"}}}},
        {"a row of one empty cell", "a\n\"\"\nx\n", {"a"}, {{2, {""}}, {3, {"x"}}}},
        {"the export's formula guard comes off",
         "a\n'=1+2\n'-x\n''=y\n'plain\n",
         {"a"},
         {{2, {"=1+2"}}, {3, {"-x"}}, {4, {"'=y"}}, {5, {"'plain"}}}},
    };
    for (const cParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        const cCsvTable table = ReadCsv(c.text);
        EXPECT_EQ(table.error, "");
        EXPECT_EQ(table.header, c.header);
        ASSERT_EQ(table.rows.size(), c.rows.size());
        for (std::size_t k = 0; k < c.rows.size(); ++k) {
            EXPECT_EQ(table.rows[k].line, c.rows[k].first);
            EXPECT_EQ(table.rows[k].cells, c.rows[k].second);
        }
    }
}

TEST(CsvImport, MalformedQuotingIsAnErrorWithItsLine)
{
    for (const std::string& text :
         {std::string("a,b\n1,2\n\"open,3\n"), std::string("a,b\n1,2\n3,x\"y\"z\n")}) {
        const cCsvTable table = ReadCsv(text);
        EXPECT_TRUE(table.error.starts_with("Line 3: ")) << table.error;
    }
}

// Every cell the writer makes is read back as the same text.
TEST(CsvImport, CellsSurviveTheWayThroughAFile)
{
    const std::vector<std::string> texts = {
        "",       "plain", "x, y",   "say \"hi\"", " blank ends ", "two\nlines", "=SUM(A1)",     "+1",
        "-3",     "-x",    "@me",    "'=already",  "''",           "'",          "Chloé Martin", "12.5",
        "-0.5e3", "a;b",   "\tlead", "trail\t",    "cr\ronly",     "''=x",       "'-3",          "''"};
    const cCsvTable table = ReadCsv("h\n" + CsvLine({"first"}) + [&] {
        std::string rows;
        for (const std::string& text : texts) {
            rows += CsvLine({text, "end"});
        }
        return rows;
    }());
    ASSERT_EQ(table.error, "");
    ASSERT_EQ(table.rows.size(), texts.size() + 1);
    for (std::size_t k = 0; k < texts.size(); ++k) {
        EXPECT_EQ(table.rows[k + 1].cells.front(), texts[k]) << k;
    }
    // Numbers stay numbers; a text a spreadsheet would calculate does not.
    EXPECT_EQ(CsvField("-3"), "-3");
    EXPECT_EQ(CsvField("=SUM(A1)"), "'=SUM(A1)");
}

class cCsvSeason : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.SetPrompt(&prompt);
        doc.SetFixedSeed(3);
        ASSERT_TRUE(doc.OnOpenDocument(TOURNEL_EXAMPLE_SEASON));
    }

    cImportReport Import(eImportKind kind, const std::string& text, int league = 0)
    {
        return ImportCsv(doc, kind, league, text);
    }

    // The season scheduled, and the result records of its first `count` league matches.
    std::vector<cResult*> ScheduledResults(std::size_t count)
    {
        ScheduleAutomatically(doc);
        std::vector<cResult*> results;
        for (const cMatch& match : doc.Scheduled().AllItems<cMatch>()) {
            if (!match.IsPlayoff() && match.GetResult() != nullptr && results.size() < count) {
                results.push_back(match.GetResult());
            }
        }
        return results;
    }

    cScriptedPrompt prompt;
    CTournelDoc doc;
};

// Officials, court time and a league's teams written as CSV and imported into
// the season without them give the same directories back.
TEST_F(cCsvSeason, ImportReadsBackWhatTheExportWrites)
{
    cLeague& league = *doc.GetLeague(0);
    const std::string officials = DirectoryCsv(doc.Officials());
    const std::string courtTime = DirectoryCsv(doc.CourtTime());
    const std::string teams = DirectoryCsv(league.Teams());
    for (cTournelDb* directory :
         std::initializer_list<cTournelDb*>{&doc.Officials(), &doc.CourtTime(), &league.Teams()}) {
        while (cDbItem* item = directory->GetHead()) {
            directory->DeleteItem(*item, doc);
        }
    }
    const std::pair<eImportKind, const std::string*> files[] = {{eImportKind::kOfficials, &officials},
                                                                {eImportKind::kCourtTime, &courtTime},
                                                                {eImportKind::kTeams, &teams}};
    for (const auto& [kind, text] : files) {
        const cImportReport report = Import(kind, *text);
        EXPECT_EQ(report.error, "");
        EXPECT_EQ(report.Count(cImportRow::kRefused), 0) << report.RefusedText();
        EXPECT_GT(report.Count(cImportRow::kImported), 0);
    }
    EXPECT_EQ(DirectoryCsv(doc.Officials()), officials);
    EXPECT_EQ(DirectoryCsv(doc.CourtTime()), courtTime);
    EXPECT_EQ(DirectoryCsv(league.Teams()), teams);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(prompt.m_shown.empty());
}

struct cRefusalCase
{
    const char* name;
    eImportKind kind;
    std::string text; // the header row and one bad row on line 2
    int messageId;
};

// Each bad row is refused with the message its dialog would show, and the
// season is left byte for byte as it was.
TEST_F(cCsvSeason, EveryKindOfBadRowIsRefusedWithItsMessage)
{
    ScheduleAutomatically(doc);
    prompt.m_shown.clear();
    const cMatch& match = *doc.Scheduled().AllItems<cMatch>().begin();
    const std::string place =
        CsvDate(match.m_tStart) + "," + match.GetColumnText(2) + "," + CsvClock(match.m_tStart);
    const std::string resultHeader = "Match no.,Date,Court,Time,Home team,Guest team,Final result\n";
    const std::string teams = match.GetHomeName() + "," + match.GetGuestName();
    doc.m_tableSettings.m_bAllowDraws = 0;
    // From 23:59 the evening before to a minute into the match: past midnight.
    ASSERT_LT(TimeOfDay(match.m_tStart), 2358);
    const cLocalTime day = LocalTime(match.m_tStart);
    const std::string eveningBefore = CsvDate(MakeTimePoint(day.year, day.month, day.day - 1, 12, 0, 0)) +
                                      "," + match.GetColumnText(2) + ",23:59," +
                                      CsvClock(match.m_tStart + 60) + "\n";
    const cRefusalCase cases[] = {
        {"team without a name", eImportKind::kTeams, "Team name,Day off\n ,Monday\n", IDS_TEAM_NEEDS_NAME},
        {"team twice", eImportKind::kTeams,
         "Team name\n" + doc.GetLeague(0)->Teams().GetHead()->GetColumnText(0) + "\n", IDS_NAME_UNIQUE},
        {"unknown weekday", eImportKind::kTeams, "Team name,Day off\nNew,Someday\n", IDS_CSV_ENTER_WEEKDAY},
        {"bonus no number", eImportKind::kTeams, "Team name,Bonus points\nNew,many\n", IDS_ENTER_INTEGER},
        {"bonus out of range", eImportKind::kTeams, "Team name,Bonus points\nNew,1000\n",
         IDS_ENTER_INTEGER_BETWEEN},
        {"cells beyond the header", eImportKind::kTeams, "Team name\nNew,extra\n", IDS_CSV_TOO_MANY_CELLS},
        {"official without a name", eImportKind::kOfficials, "Official name,Club\n,Club\n",
         IDS_OFFICIAL_NEEDS_NAME},
        {"official rating", eImportKind::kOfficials, "Official name,Rating\nNew,12\n",
         IDS_ENTER_INTEGER_BETWEEN},
        {"one day off twice", eImportKind::kOfficials,
         "Official name,First day off,Second day off\nNew,Mon,monday\n", IDS_SAME_WEEKDAY_TWICE},
        {"date not ISO", eImportKind::kCourtTime,
         "Date,Court,Opening time,Closing time\n16/01/2027,EG,10:00,12:00\n", IDS_CSV_ENTER_DATE},
        {"no such date", eImportKind::kCourtTime,
         "Date,Court,Opening time,Closing time\n2027-02-30,EG,10:00,12:00\n", IDS_CSV_ENTER_DATE},
        {"year past the last", eImportKind::kCourtTime,
         "Date,Court,Opening time,Closing time\n2039-02-03,EG,10:00,12:00\n", IDS_ENTER_INTEGER_BETWEEN},
        {"unknown court", eImportKind::kCourtTime,
         "Date,Court,Opening time,Closing time\n2027-02-03,ZZ,10:00,12:00\n", IDS_CSV_UNKNOWN_COURT},
        {"time not a time", eImportKind::kCourtTime,
         "Date,Court,Opening time,Closing time\n2027-02-03,EG,10:61,12:00\n", IDS_CSV_ENTER_TIME},
        {"closing at opening", eImportKind::kCourtTime,
         "Date,Court,Opening time,Closing time\n2027-02-03,EG,12:00,12:00\n", IDS_FINAL_NOT_AFTER_FIRST},
        {"over a scheduled match", eImportKind::kCourtTime,
         "Date,Court,Opening time,Closing time\n" + CsvDate(match.m_tStart) + "," + match.GetColumnText(2) +
             ",00:00,24:00\n",
         IDS_COURT_TIME_CONFLICT},
        {"past midnight over the next date's match", eImportKind::kCourtTime,
         "Date,Court,Opening time,Closing time\n" + eveningBefore, IDS_COURT_TIME_CONFLICT},
        {"no such match", eImportKind::kResults, resultHeader + "XX-99,2030-01-01,EG,10:00,A,B,3 - 1\n",
         IDS_CSV_NO_MATCH},
        {"score no score", eImportKind::kResults, resultHeader + match.GetLabel() + ",,,,,,three\n",
         IDS_CSV_ENTER_SCORE},
        {"score out of range", eImportKind::kResults, resultHeader + match.GetLabel() + ",,,,,,10000 - 1\n",
         IDS_ENTER_INTEGER_BETWEEN},
        {"draw not allowed", eImportKind::kResults, resultHeader + "," + place + "," + teams + ",2 - 2\n",
         IDS_DRAW_NOT_ALLOWED},
        {"disqualified winner", eImportKind::kResults, resultHeader + match.GetLabel() + ",,,,,,D 3 - 1\n",
         IDS_HOME_DISQUALIFIED_WINS},
    };
    for (const cRefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = WriteDatabase(doc);
        const cImportReport report = Import(c.kind, c.text);
        ASSERT_EQ(report.error, "");
        ASSERT_EQ(report.rows.size(), 1U);
        EXPECT_EQ(report.rows[0].status, cImportRow::kRefused);
        EXPECT_EQ(report.rows[0].line, 2);
        EXPECT_EQ(report.rows[0].messageId, c.messageId) << report.rows[0].message;
        EXPECT_TRUE(report.RefusedText().starts_with("Line 2")) << report.RefusedText();
        EXPECT_EQ(WriteDatabase(doc), before);
    }
    EXPECT_TRUE(prompt.m_shown.empty());
}

// A refusal names the column of the field its dialog would focus.
TEST_F(cCsvSeason, ARefusalNamesItsColumn)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Official name,Rating\nNew,12\n", "Line 2, Rating: Please enter an integer between 1 and 9.\n"},
        {"Official name,Second day off,First day off\nNew,Mon,Monday\n",
         "Line 2, Second day off: " + std::string(GetString(IDS_SAME_WEEKDAY_TWICE)) + "\n"},
        {"Official name\n\n", ""},
        {"Official name\n \"\"\n",
         "Line 2, Official name: " + std::string(GetString(IDS_OFFICIAL_NEEDS_NAME)) + "\n"},
        {"Official name\nA,B\n", "Line 2: " + std::string(GetString(IDS_CSV_TOO_MANY_CELLS)) + "\n"},
    };
    for (const auto& [text, refused] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Import(eImportKind::kOfficials, text).RefusedText(), refused);
    }
}

TEST_F(cCsvSeason, AFileWithoutTheNeededColumnsImportsNothing)
{
    const std::string before = WriteDatabase(doc);
    const std::pair<eImportKind, std::string> files[] = {
        {eImportKind::kTeams, "Name\nNew\n"},
        {eImportKind::kOfficials, "Team name\nNew\n"},
        {eImportKind::kCourtTime, "Date,Court,Opening time\n2027-02-03,EG,10:00\n"},
        {eImportKind::kResults, "Home team,Guest team,Final result\nA,B,3 - 1\n"},
        {eImportKind::kResults, "Match no.\nM1-1\n"},
        {eImportKind::kTeams, ""},
    };
    for (const auto& [kind, text] : files) {
        SCOPED_TRACE(text);
        const cImportReport report = Import(kind, text);
        EXPECT_NE(report.error, "");
        EXPECT_TRUE(report.rows.empty());
    }
    EXPECT_NE(Import(eImportKind::kTeams, "Team name\nNew\n", 99).error, "");
    EXPECT_EQ(WriteDatabase(doc), before);
}

// A row is checked against the rows imported above it.
TEST_F(cCsvSeason, ARowClashingWithAnEarlierRowIsRefused)
{
    const cImportReport report =
        Import(eImportKind::kOfficials, "Official name,Club\nNew One,A\nSecond,B\nnew one,C\n");
    ASSERT_EQ(report.rows.size(), 3U);
    EXPECT_EQ(report.Count(cImportRow::kImported), 2);
    EXPECT_EQ(report.rows[2].status, cImportRow::kRefused);
    EXPECT_EQ(report.rows[2].line, 4);
}

TEST_F(cCsvSeason, ResultsEnterTheTablesByNumberOrByPlace)
{
    ScheduleAutomatically(doc);
    doc.m_tableSettings.m_nMaxSets = 3;
    std::vector<const cMatch*> matches;
    for (const cMatch& match : doc.Scheduled().AllItems<cMatch>()) {
        if (!match.IsPlayoff() && matches.size() < 4) {
            matches.push_back(&match);
        }
    }
    ASSERT_EQ(matches.size(), 4U);
    std::string text = "Match no.,Date,Court,Time,Home team,Guest team,Final result,Set 1,Set 2,Set 3\n";
    // By number; sets decide the final result.
    text += CsvLine({matches[0]->GetLabel(), "", "", "", "", "", "", "25 - 20", "20-25", "25:10"});
    // By date, court and teams, the number left empty; the guest disqualified.
    text += CsvLine({"", CsvDate(matches[1]->m_tStart), matches[1]->GetColumnText(2), "",
                     matches[1]->GetHomeName(), matches[1]->GetGuestName(), "3 - 0 D", "25 - 3", "25 - 3",
                     "25 - 3"});
    // Nothing entered yet: skipped, not refused.
    text += CsvLine({matches[2]->GetLabel(), "", "", "", "", "", "", "", "", ""});
    // Sets are needed with more than one set.
    text += CsvLine({matches[3]->GetLabel(), "", "", "", "", "", "3 - 1", "", "", ""});
    const cImportReport report = Import(eImportKind::kResults, text);
    ASSERT_EQ(report.error, "");
    ASSERT_EQ(report.rows.size(), 4U);
    EXPECT_EQ(report.rows[0].status, cImportRow::kImported) << report.rows[0].message;
    EXPECT_EQ(report.rows[1].status, cImportRow::kImported) << report.rows[1].message;
    EXPECT_EQ(report.rows[2].status, cImportRow::kSkipped);
    EXPECT_EQ(report.rows[3].messageId, IDS_CSV_ENTER_SETS);

    auto resultOf = [this](const cMatch* match) -> const cResult& {
        for (const cResult& result : doc.Results().AllItems<cResult>()) {
            if (result.GetMatch() == match) {
                return result;
            }
        }
        throw std::logic_error("no result");
    };
    const cResult& first = resultOf(matches[0]);
    EXPECT_TRUE(first.IsPlayed());
    EXPECT_EQ(first.GetHomeScore(0), 2);
    EXPECT_EQ(first.GetGuestScore(0), 1);
    const cResult& second = resultOf(matches[1]);
    EXPECT_TRUE(second.IsGuestDisqualified());
    EXPECT_FALSE(second.IsHomeDisqualified());
    EXPECT_FALSE(resultOf(matches[2]).IsPlayed());
    EXPECT_FALSE(resultOf(matches[3]).IsPlayed());

    // The results directory written as CSV reads back to the same results.
    const std::string written = DirectoryCsv(doc.Results());
    const std::string saved = WriteDatabase(doc);
    const cImportReport again = Import(eImportKind::kResults, written);
    EXPECT_EQ(again.Count(cImportRow::kRefused), 0) << again.RefusedText();
    EXPECT_EQ(again.Count(cImportRow::kImported), 0);
    EXPECT_EQ(again.Count(cImportRow::kUnchanged), 2);
    EXPECT_EQ(WriteDatabase(doc), saved);
}

// Results entered under one, three and five sets counted, written as the
// results directory shows them and imported again while one, three or five
// sets are counted: every row reads as unchanged and no result moves, not
// even one entered without sets whose written sets read 0 - 0.
TEST_F(cCsvSeason, WrittenResultsReadBackUnchangedWhateverTheSetsCounted)
{
    const std::vector<cResult*> results = ScheduledResults(7);
    ASSERT_EQ(results.size(), 7U);
    struct cEntry
    {
        int maxSets;
        std::pair<int, int> final;
        std::vector<std::pair<int, int>> sets;
        bool guestDisqualified = false;
    };
    const cEntry entries[] = {
        {1, {3, 1}, {}},
        {1, {2, 2}, {}},
        {1, {3, 0}, {}, true},
        {3, {}, {{25, 20}, {20, 25}, {25, 23}}},
        {5, {}, {{25, 20}, {25, 20}, {20, 25}, {20, 25}, {15, 10}}},
        {5, {}, {{25, 20}, {25, 20}, {25, 20}}},
    };
    doc.m_tableSettings.m_bAllowDraws = 1;
    for (std::size_t k = 0; k < std::size(entries); ++k) {
        const cEntry& e = entries[k];
        doc.m_tableSettings.m_nMaxSets = e.maxSets;
        cResultValues values = cResultValues::FromResult(*results[k], doc);
        values.home[0] = e.final.first;
        values.guest[0] = e.final.second;
        for (std::size_t set = 0; set < e.sets.size(); ++set) {
            values.home[set + 1] = e.sets[set].first;
            values.guest[set + 1] = e.sets[set].second;
        }
        values.guestDisqualified = e.guestDisqualified;
        ASSERT_TRUE(ApplyResult(doc, *results[k], values)) << k;
    }
    // The last one entered and removed again: its scores stay stored, it reads not played.
    doc.m_tableSettings.m_nMaxSets = 1;
    cResultValues removed = cResultValues::FromResult(*results[6], doc);
    removed.home[0] = 4;
    ASSERT_TRUE(ApplyResult(doc, *results[6], removed));
    cResult* const toRemove[] = {results[6]};
    RemoveResults(doc, toRemove);

    for (const bool allowDraws : {true, false}) {
        for (const int maxSets : {1, 3, 5}) {
            SCOPED_TRACE(testing::Message() << maxSets << " sets counted, draws allowed " << allowDraws);
            doc.m_tableSettings.m_nMaxSets = maxSets;
            doc.m_tableSettings.m_bAllowDraws = allowDraws ? 1 : 0;
            const std::string written = DirectoryCsv(doc.Results());
            const std::string saved = WriteDatabase(doc);
            const cImportReport preview = PreviewImport(doc, eImportKind::kResults, -1, written);
            EXPECT_EQ(preview.Count(cImportRow::kUnchanged), 6) << preview.RefusedText();
            const cImportReport report = Import(eImportKind::kResults, written);
            ASSERT_EQ(report.error, "");
            EXPECT_EQ(report.Count(cImportRow::kRefused), 0) << report.RefusedText();
            EXPECT_EQ(report.Count(cImportRow::kImported), 0);
            EXPECT_EQ(report.Count(cImportRow::kUnchanged), 6);
            EXPECT_EQ(report.Count(cImportRow::kSkipped), static_cast<int>(report.rows.size()) - 6);
            EXPECT_NE(report.Summary().find(", 6 unchanged."), std::string::npos) << report.Summary();
            for (const cImportRow& row : report.rows) {
                if (row.status == cImportRow::kUnchanged) {
                    EXPECT_EQ(row.message, "Unchanged.");
                }
            }
            EXPECT_TRUE(WriteDatabase(doc) == saved) << "the import changed the season";
            EXPECT_EQ(results[0]->GetColumnText(6), "    3 - 1  ");
            EXPECT_EQ(results[2]->GetColumnText(6), "    3 - 0 D");
            EXPECT_EQ(results[4]->GetColumnText(6), "    3 - 2  ");
        }
    }
}

// With sets counted, a row without sets keeps a final result stored without
// sets (only its boxes change), and a new final result still needs its sets;
// written sets of 0 - 0 never make a result 0 - 0.
TEST_F(cCsvSeason, SetsNotPlayedNeverOverrideAFinalResult)
{
    const std::vector<cResult*> results = ScheduledResults(3);
    ASSERT_EQ(results.size(), 3U);
    for (cResult* result : {results[0], results[1]}) {
        cResultValues values = cResultValues::FromResult(*result, doc);
        values.home[0] = 3;
        values.guest[0] = 1;
        ASSERT_TRUE(ApplyResult(doc, *result, values));
    }
    doc.m_tableSettings.m_nMaxSets = 5;
    const std::string header = "Match no.,Final result,Set 1,Set 2,Set 3,Set 4,Set 5\n";
    const std::string zeroSets = ",0 - 0,0 - 0,0 - 0,0 - 0,0 - 0\n";
    const std::string text = header + results[0]->GetMatch()->GetLabel() + ",3 - 1 D" + zeroSets +
                             results[1]->GetMatch()->GetLabel() + ",2 - 1" + zeroSets +
                             results[2]->GetMatch()->GetLabel() + ",3 - 1" + zeroSets;
    const cImportReport report = Import(eImportKind::kResults, text);
    ASSERT_EQ(report.rows.size(), 3U);
    EXPECT_EQ(report.rows[0].status, cImportRow::kImported) << report.rows[0].message;
    EXPECT_EQ(results[0]->GetColumnText(6), "    3 - 1 D");
    EXPECT_EQ(report.rows[1].messageId, IDS_CSV_ENTER_SETS);
    EXPECT_EQ(results[1]->GetColumnText(6), "    3 - 1  ");
    EXPECT_EQ(report.rows[2].messageId, IDS_CSV_ENTER_SETS);
    EXPECT_FALSE(results[2]->IsPlayed());
}

// The results directory writes "Not played" for a result not entered; sets
// filled in beside it are a result, sets of 0 - 0 or none are not.
TEST_F(cCsvSeason, SetsFilledBesideNotPlayedAreImported)
{
    const std::vector<cResult*> results = ScheduledResults(3);
    ASSERT_EQ(results.size(), 3U);
    doc.m_tableSettings.m_nMaxSets = 3;
    const std::string header = "Match no.,Final result,Set 1,Set 2,Set 3\n";
    const std::string text = header + results[0]->GetMatch()->GetLabel() +
                             ",Not played,25 - 10,25 - 11,25 - 12\n" + results[1]->GetMatch()->GetLabel() +
                             ",Not played,0 - 0,0 - 0,0 - 0\n" + results[2]->GetMatch()->GetLabel() +
                             ",Not played,,,\n";
    const cImportReport report = Import(eImportKind::kResults, text);
    ASSERT_EQ(report.rows.size(), 3U);
    EXPECT_EQ(report.rows[0].status, cImportRow::kImported) << report.rows[0].message;
    EXPECT_TRUE(results[0]->IsPlayed());
    EXPECT_EQ(results[0]->GetHomeScore(1), 25);
    EXPECT_EQ(results[0]->GetGuestScore(3), 12);
    EXPECT_EQ(report.rows[1].status, cImportRow::kSkipped);
    EXPECT_EQ(report.rows[2].status, cImportRow::kSkipped);
    EXPECT_FALSE(results[1]->IsPlayed());
    EXPECT_FALSE(results[2]->IsPlayed());
}

} // namespace
