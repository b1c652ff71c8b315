// The selections of "Special schedule print" and "Special table print", made
// as the dialogs make them, written as text for one week of the example
// season scheduled with seed 7. The files in data/output/selections are also
// what tests/cli expects tournel-cli export to write for the same choices.
//     TOURNEL_UPDATE_GOLDEN=1 ctest -R PrintSelectionGolden
// writes them afresh; read their diff before committing.

#include "OutputTestSupport.h"
#include "document/CTournelDoc.h"
#include "output/PrintValues.h"
#include "scheduling/AutoScheduler.h"
#include "support/cScriptedPrompt.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {

using S = cSchedulePrintValues;
using T = cTablePrintValues;

const std::string kExpected = std::string(TOURNEL_TEST_DATA) + "/output/selections/";

bool UpdateGolden()
{
    const char* value = std::getenv("TOURNEL_UPDATE_GOLDEN");
    return value != nullptr && std::string_view(value) == "1";
}

struct cScheduleCase
{
    const char* file;
    std::function<void(S&)> choose; // as the user would in the dialog
};

struct cTableCase
{
    const char* file;
    std::function<void(T&)> choose;
};

const std::vector<cScheduleCase>& ScheduleCases()
{
    static const std::vector<cScheduleCase> cases = {
        {"schedule-by-date.txt", [](S&) {}},
        {"schedule-by-date-grouped-number-before.txt",
         [](S& v) {
             v.layout = cScheduleExport::kGroupedByDate;
             v.numberBefore = true;
         }},
        {"schedule-by-date-and-court-number-after-german.txt",
         [](S& v) {
             v.layout = cScheduleExport::kGroupedByDateAndCourt;
             v.numberAfter = true;
             v.language = 5;
         }},
        {"schedule-courts.txt", [](S& v) { v.ChooseSorting(cScheduleExport::kByCourt); }},
        {"schedule-court-1-number-both.txt",
         [](S& v) {
             v.ChooseSorting(cScheduleExport::kByCourt);
             v.court = 1;
             v.numberBefore = v.numberAfter = true;
         }},
        {"schedule-leagues.txt", [](S& v) { v.ChooseSorting(cScheduleExport::kByLeague); }},
        {"schedule-league-1.txt",
         [](S& v) {
             v.ChooseSorting(cScheduleExport::kByLeague);
             v.ChooseLeague(1);
         }},
        {"schedule-teams.txt", [](S& v) { v.ChooseSorting(cScheduleExport::kByTeam); }},
        {"schedule-teams-of-league-1.txt",
         [](S& v) {
             v.ChooseSorting(cScheduleExport::kByTeam);
             v.ChooseLeague(1);
         }},
        {"schedule-team-0-2-heading.txt",
         [](S& v) {
             v.ChooseSorting(cScheduleExport::kByTeam);
             v.ChooseLeague(0);
             v.team = 2;
             v.heading = "Week 2 of #";
         }},
        {"schedule-official-0.txt",
         [](S& v) {
             v.ChooseSorting(cScheduleExport::kByOfficial);
             v.official = 0;
         }},
    };
    return cases;
}

const std::vector<cTableCase>& TableCases()
{
    static const std::vector<cTableCase> cases = {
        {"tables.txt", [](T& v) { v.results = false; }},
        {"tables-league-0-results.txt",
         [](T& v) {
             v.league = 0;
             v.results = true;
             v.resultsFrom = {11, 1, 2027};
         }},
        {"tables-columns-heading.txt",
         [](T& v) {
             v.results = false;
             std::ranges::fill(v.columns, false);
             for (const int field :
                  {T::kFieldRank, T::kFieldWon, T::kFieldLost, T::kFieldDisqualified, T::kFieldRatio}) {
                 v.Column(field) = true;
             }
             v.heading = "Table of #";
         }},
    };
    return cases;
}

// Compares the written file with its expected copy, or rewrites the copy.
void ExpectGolden(const std::string& written, const std::string& file)
{
    const std::optional<std::string> bytes = ReadWholeFile(written);
    ASSERT_TRUE(bytes.has_value());
    if (UpdateGolden()) {
        std::filesystem::create_directories(kExpected);
        WriteWholeFile(kExpected + file, *bytes);
        return;
    }
    EXPECT_EQ(bytes, ReadWholeFile(kExpected + file)) << "run with TOURNEL_UPDATE_GOLDEN=1";
}

TEST(PrintSelectionGolden, EverySelectionOfThePrintDialogs)
{
    cScriptedPrompt prompt;
    CTournelDoc doc;
    doc.SetPrompt(&prompt);
    doc.SetFixedSeed(7);
    ASSERT_TRUE(doc.OnOpenDocument(TOURNEL_EXAMPLE_SEASON));
    ScheduleAutomatically(doc);
    const cTempFolder folder;
    std::set<std::string> files;
    for (const cScheduleCase& c : ScheduleCases()) {
        SCOPED_TRACE(c.file);
        S values = S::FromDatabase(doc);
        values.start = {11, 1, 2027};
        values.final = {17, 1, 2027};
        c.choose(values);
        ASSERT_FALSE(Validate(values));
        ASSERT_EQ(WriteScheduleFile(doc, values.Export(), folder / c.file), 0);
        ExpectGolden(folder / c.file, c.file);
        files.insert(c.file);
    }
    for (const cTableCase& c : TableCases()) {
        SCOPED_TRACE(c.file);
        T values = T::FromDatabase(doc);
        c.choose(values);
        ASSERT_FALSE(Validate(values));
        ASSERT_EQ(WriteTablesFile(doc, values.Export(), folder / c.file), 0);
        ExpectGolden(folder / c.file, c.file);
        files.insert(c.file);
    }
    // No expected copy is left over from a case that has gone.
    for (const auto& entry : std::filesystem::directory_iterator(kExpected)) {
        EXPECT_TRUE(files.contains(entry.path().filename().string())) << entry.path();
    }
    doc.SetPrompt(nullptr);
}

} // namespace
