// A season in motion: the example season scheduled, results entered week by
// week while the number of sets counted changes, the results directory
// written as a spreadsheet and read back, the automatically scheduled matches
// removed and the removal undone, the season saved and opened again. The
// results stay as entered throughout, and so do the tables they count.

#include "OutputTestSupport.h"
#include "cli/ImportCommands.h"
#include "document/CTournelDoc.h"
#include "document/DatabaseFile.h"
#include "document/cUndoHistory.h"
#include "input/CsvImport.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cUnscheduledMatch.h"
#include "output/Csv.h"
#include "output/Export.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/ScheduleEditing.h"
#include "standings/Standings.h"
#include "standings/cResultValues.h"
#include "support/cScriptedPrompt.h"
#include "support/cSeasonInvariants.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using cTables = std::map<int, std::vector<std::string>>;

// Every league's table, counted afresh, each row as its texts in table order.
cTables Tables(cDatabase& db)
{
    cTables tables;
    for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
        league.Table().m_bUpToDate = 0;
        BringTableUpToDate(db, league);
        for (const cDbItem& item : league.Table().AllItems<cDbItem>()) {
            std::string row;
            for (int column = 0; column <= 10; ++column) {
                row += item.GetColumnText(column) + "|";
            }
            tables[league.m_nIndex].push_back(row);
        }
    }
    return tables;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        out += line + "\n";
    }
    return out;
}

// A result as a week's entry makes it: with one set counted the final
// result, with more the sets, drawn ones and a disqualification among them.
cResultValues Entry(const cResult& result, const cDatabase& db, int serial, int maxSets)
{
    cResultValues values = cResultValues::FromResult(result, db);
    if (maxSets <= 1) {
        values.home[0] = serial % 4;
        values.guest[0] = (serial * 7) % 3;
        if (values.home[0] == values.guest[0]) {
            ++values.home[0];
        }
        values.guestDisqualified = serial % 9 == 0 && values.home[0] > values.guest[0];
        return values;
    }
    const int sets = maxSets >= 5 ? 3 + serial % 3 : 2 + serial % 2;
    for (int set = 1; set <= sets; ++set) {
        const bool homeWins = (serial + set) % 3 != 0;
        values.home[static_cast<std::size_t>(set)] = homeWins ? 25 : 18 + set;
        values.guest[static_cast<std::size_t>(set)] = homeWins ? 20 + serial % 4 : 25;
    }
    return values;
}

class cSeasonInMotion : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.SetPrompt(&prompt);
        doc.SetFixedSeed(5);
        ASSERT_TRUE(doc.OnOpenDocument(TOURNEL_EXAMPLE_SEASON));
        doc.m_tableSettings.m_bAllowDraws = 1;
        ASSERT_GT(ScheduleAutomatically(doc).placed, 20);
    }
    void TearDown() override { doc.SetPrompt(nullptr); }

    // What must not move: the played results and the tables at `maxSets` sets counted.
    void ExpectAsEntered(const char* step)
    {
        SCOPED_TRACE(step);
        EXPECT_EQ(Joined(ResultChanges(entered, PlayedResults(doc))), "");
        const int maxSets = doc.m_tableSettings.m_nMaxSets;
        doc.m_tableSettings.m_nMaxSets = kTableSets;
        EXPECT_EQ(Tables(doc), tables);
        doc.m_tableSettings.m_nMaxSets = maxSets;
        EXPECT_EQ(Joined(CheckInvariants(doc)), "");
    }

    static constexpr int kTableSets = 5;
    cScriptedPrompt prompt;
    CTournelDoc doc;
    std::map<std::string, std::string> entered;
    cTables tables;
};

TEST_F(cSeasonInMotion, ResultsAndTablesStayAsEntered)
{
    // The league matches by week of play, the first four weeks that have any.
    std::map<std::int64_t, std::vector<cMatch*>> weeks;
    for (cMatch& match : doc.Scheduled().AllItems<cMatch>()) {
        if (!match.IsPlayoff() && match.GetResult() != nullptr) {
            weeks[match.m_tStart / (7 * 24 * 3600)].push_back(&match);
        }
    }
    ASSERT_GE(weeks.size(), 4U);

    // Week by week, under one, three and five sets counted, the last week
    // under one again; every entry as the dialog takes it.
    const int setsByWeek[] = {1, 3, 5, 1};
    int serial = 0;
    auto week = weeks.begin();
    for (const int maxSets : setsByWeek) {
        doc.m_tableSettings.m_nMaxSets = maxSets;
        for (cMatch* match : week->second) {
            cResult& result = *match->GetResult();
            const cResultValues values = Entry(result, doc, ++serial, maxSets);
            ASSERT_TRUE(ApplyResult(doc, result, values)) << match->GetLabel();
        }
        ++week;
    }
    entered = PlayedResults(doc);
    ASSERT_EQ(static_cast<int>(entered.size()), serial);
    doc.m_tableSettings.m_nMaxSets = kTableSets;
    tables = Tables(doc);
    ExpectAsEntered("entered");

    // The number of sets changes, and every result opened and confirmed
    // unchanged in the dialog stays as it is.
    for (const int maxSets : {5, 1, 3, 9, 2}) {
        doc.m_tableSettings.m_nMaxSets = maxSets;
        for (cResult& result : doc.Results().AllItems<cResult>()) {
            if (result.IsPlayed()) {
                ASSERT_TRUE(ApplyResult(doc, result, cResultValues::FromResult(result, doc)));
            }
        }
        ExpectAsEntered(("dialogs confirmed under " + std::to_string(maxSets) + " sets").c_str());
    }

    // The results directory written to a spreadsheet and imported again,
    // whatever the number of sets counted: every played row is unchanged.
    cTempFolder folder;
    for (const int maxSets : {1, 3, 5}) {
        SCOPED_TRACE(maxSets);
        doc.m_tableSettings.m_nMaxSets = maxSets;
        const std::string path = folder / ("results-" + std::to_string(maxSets) + ".csv");
        ASSERT_EQ(WriteDirectoryFile(doc, doc.Results(), path), 0);
        const std::optional<std::string> text = ReadWholeFile(path);
        ASSERT_TRUE(text.has_value());
        const cImportReport report = ImportCsv(doc, eImportKind::kResults, -1, *text);
        EXPECT_EQ(report.error, "");
        EXPECT_EQ(report.Count(cImportRow::kRefused), 0) << report.RefusedText();
        EXPECT_EQ(report.Count(cImportRow::kImported), 0);
        EXPECT_EQ(report.Count(cImportRow::kUnchanged), serial);
        ExpectAsEntered("written and imported");
    }

    // The automatically scheduled matches removed, as an undo step: matches
    // with a result stay in the schedule, the others go back to the
    // unscheduled matches with their numbers as the wanted ones.
    std::map<std::string, int> unplayedNumbers;
    int unplayedAuto = 0;
    for (const cMatch& match : doc.Scheduled().AllItems<cMatch>()) {
        if (match.m_bByHand == 0 && !match.IsPlayoff() && !match.GetResult()->IsPlayed()) {
            ++unplayedAuto;
            unplayedNumbers[std::to_string(match.m_nLeague) + ":" + std::to_string(match.m_nHomeTeam) + "-" +
                            std::to_string(match.m_nGuestTeam) + "/" + std::to_string(match.m_nRound)] =
                match.m_nNumber;
        }
    }
    ASSERT_GT(unplayedAuto, 0);
    cUndoHistory history;
    const std::string beforeRemoval = doc.Snapshot();
    prompt.Answer(true);
    RemoveAutoScheduledMatches(doc);
    history.Record("Remove Automatically Scheduled Matches", beforeRemoval);
    // These wait for the removal to keep the matches that have a result.
    ExpectAsEntered("automatically scheduled matches removed");
    int played = 0;
    for (const cMatch& match : doc.Scheduled().AllItems<cMatch>()) {
        played += match.GetResult() != nullptr && match.GetResult()->IsPlayed() ? 1 : 0;
    }
    EXPECT_EQ(played, serial) << "every match with a result stays in the schedule";
    for (const cUnscheduledMatch& back : doc.Unscheduled().AllItems<cUnscheduledMatch>()) {
        const auto found = unplayedNumbers.find(
            std::to_string(back.GetLeague()) + ":" + std::to_string(back.GetHomeTeam()) + "-" +
            std::to_string(back.GetGuestTeam()) + "/" + std::to_string(back.GetRound()));
        if (found != unplayedNumbers.end()) {
            EXPECT_EQ(back.GetNumber(), found->second) << back.GetLabel();
            unplayedNumbers.erase(found);
        }
    }
    EXPECT_TRUE(unplayedNumbers.empty()) << unplayedNumbers.size() << " matches did not come back";

    // Undone: the schedule as it was, the results and tables too.
    ASSERT_TRUE(doc.RestoreSnapshot(history.Undo(doc.Snapshot())));
    EXPECT_TRUE(doc.Snapshot() == beforeRemoval);
    ExpectAsEntered("removal undone");
    // And done again, as Redo does.
    ASSERT_TRUE(doc.RestoreSnapshot(history.Redo(doc.Snapshot())));
    ExpectAsEntered("removal redone");
    ASSERT_TRUE(doc.RestoreSnapshot(history.Undo(doc.Snapshot())));

    // Saved and opened again: the results and tables as entered.
    const std::string file = folder / "season.tnd";
    ASSERT_TRUE(doc.OnSaveDocument(file));
    CTournelDoc reopened;
    reopened.SetPrompt(&prompt);
    ASSERT_TRUE(reopened.OnOpenDocument(file));
    EXPECT_EQ(Joined(ResultChanges(entered, PlayedResults(reopened))), "");
    reopened.m_tableSettings.m_nMaxSets = kTableSets;
    EXPECT_EQ(Tables(reopened), tables);
    EXPECT_EQ(Joined(CheckInvariants(reopened)), "");
    reopened.SetPrompt(nullptr);
}

// Results imported from the command line are saved with the tables they
// count, as the window saves them: a reader of the file's own table rows sees
// the same standings as one that counts them again.
TEST_F(cSeasonInMotion, ResultsImportedByTheCommandLineAreSavedWithTheirTables)
{
    BringTablesUpToDate(doc);
    cTempFolder folder;
    ASSERT_TRUE(doc.OnSaveDocument(folder / "season.tnd"));
    std::string rows = "Match no.,Final result\n";
    int count = 0;
    for (const cMatch& match : doc.Scheduled().AllItems<cMatch>()) {
        if (!match.IsPlayoff() && match.GetResult() != nullptr && count < 6) {
            rows += match.GetLabel() + "," + std::to_string(1 + count % 3) + " - 0\n";
            ++count;
        }
    }
    std::ofstream(folder / "results.csv") << rows;

    CTournelDoc imported;
    imported.SetPrompt(&prompt);
    std::ostringstream out;
    std::ostringstream err;
    cCliContext context{
        .doc = imported, .out = out, .err = err, .output = folder / "played.tnd", .yes = true};
    const std::vector<std::string> operands = {folder / "season.tnd", folder / "results.csv"};
    context.options["--results"] = "";
    ASSERT_EQ(Import(context, operands), 0) << err.str();
    imported.SetPrompt(nullptr);

    CTournelDoc saved;
    saved.SetPrompt(&prompt);
    ASSERT_TRUE(saved.OnOpenDocument(folder / "played.tnd"));
    const std::string stored = WriteDatabase(saved);
    for (cLeague& league : saved.Leagues().AllItems<cLeague>()) {
        league.Table().m_bUpToDate = 0;
    }
    BringTablesUpToDate(saved);
    EXPECT_EQ(WriteDatabase(saved), stored) << "the saved tables were not those the results count";
    saved.SetPrompt(nullptr);
}

} // namespace
