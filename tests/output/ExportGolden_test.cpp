// The example season, scheduled with a fixed seed and given officials and
// results, written in every form; each file is compared byte for byte with
// its expected copy in data/output. After a deliberate change of the output
//     TOURNEL_UPDATE_GOLDEN=1 ctest -R ExportGolden
// writes the expected copies afresh; read their diff before committing.

#include "OutputTestSupport.h"
#include "document/CTournelDoc.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "output/Export.h"
#include "scheduling/AutoScheduler.h"
#include "support/UpdateGolden.h"
#include "support/cScriptedPrompt.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const std::string kExpected = std::string(TOURNEL_TEST_DATA) + "/output/";

// The season every case writes. Officials and results are given by rule, so
// that every kind of cell (a named official, an empty slot, a played result
// with sets, a walk-over, a result not played) occurs.
class cGoldenSeason
{
public:
    cGoldenSeason()
    {
        doc.SetPrompt(&prompt);
        doc.SetFixedSeed(7);
        EXPECT_TRUE(doc.OnOpenDocument(TOURNEL_EXAMPLE_SEASON));
        ScheduleAutomatically(doc);
        int i = 0;
        for (cMatch& match : doc.Scheduled().AllItems<cMatch>()) {
            if (i % 3 != 2) {
                match.SetOfficial(doc, i % 10, 0);
            }
            if (i % 4 == 0) {
                match.SetOfficial(doc, (i + 3) % 10, 1);
            }
            ++i;
        }
        doc.m_tableSettings.m_nMaxSets = 3;
        i = 0;
        for (cResult& result : doc.Results().AllItems<cResult>()) {
            if (i % 3 != 1 && i < 60) {
                result.m_bPlayed = 1;
                result.m_nHomeScore = {i % 3, 25, 20 + i % 7, 15};
                result.m_nGuestScore = {(i + 1) % 3, 20 - i % 5, 25, 15 + i % 3};
                result.m_bGuestDisqualified = i % 11 == 5 ? 1 : 0;
            }
            ++i;
        }
        doc.InvalidateTables();
        doc.m_strScheduleTemplate = kExpected + "template.htm";
        doc.m_strTableTemplate = doc.m_strScheduleTemplate;
    }

    // Two weeks of the schedule, so that the files stay readable.
    cScheduleExport Schedule(int sorting, int layout = 0) const
    {
        cScheduleExport what = cScheduleExport::FromDocument(doc);
        what.sorting = sorting;
        what.layout = layout;
        what.numberBefore = false;
        what.numberAfter = false;
        what.from = MakeTimePoint(2027, 1, 11);
        what.to = MakeTimePoint(2027, 1, 24, 23, 59);
        return what;
    }

    cScriptedPrompt prompt;
    CTournelDoc doc;
};

cGoldenSeason& Season()
{
    static cGoldenSeason season;
    return season;
}

struct cGoldenCase
{
    std::string file; // the expected copy in data/output; its extension chooses the form
    std::function<int(cGoldenSeason&, const std::string& path)> write;
};

int WriteSchedule(cGoldenSeason& s, const std::string& path, const cScheduleExport& what)
{
    return WriteScheduleFile(s.doc, what, path);
}

std::vector<cGoldenCase> Cases()
{
    std::vector<cGoldenCase> cases;
    const char* const sortings[] = {"date", "courts", "leagues", "teams", "officials"};
    for (const std::string extension : {".htm", ".txt"}) {
        for (int sorting = 0; sorting < 5; ++sorting) {
            cases.push_back({std::string("schedule-") + sortings[sorting] + extension,
                             [sorting](cGoldenSeason& s, const std::string& path) {
                                 return WriteSchedule(s, path, s.Schedule(sorting));
                             }});
        }
        for (const int layout : {1, 2}) {
            cases.push_back({"schedule-layout" + std::to_string(layout) + extension,
                             [layout](cGoldenSeason& s, const std::string& path) {
                                 return WriteSchedule(s, path, s.Schedule(0, layout));
                             }});
        }
        cases.push_back({"tables" + extension, [](cGoldenSeason& s, const std::string& path) {
                             return WriteTablesFile(s.doc, cTablesExport::FromDocument(s.doc), path);
                         }});
        cases.push_back({"tables-results" + extension, [](cGoldenSeason& s, const std::string& path) {
                             cTablesExport what = cTablesExport::FromDocument(s.doc);
                             what.results = true;
                             what.resultsFrom = MakeTimePoint(2027, 1, 20);
                             what.disqualified = what.ballDiff = what.ratio = true;
                             return WriteTablesFile(s.doc, what, path);
                         }});
    }
    const std::pair<const char*, std::pair<bool, bool>> numbers[] = {
        {"before", {true, false}}, {"after", {false, true}}, {"both", {true, true}}};
    for (const auto& [name, position] : numbers) {
        cases.push_back({std::string("schedule-number-") + name + ".txt",
                         [position](cGoldenSeason& s, const std::string& path) {
                             cScheduleExport what = s.Schedule(0);
                             what.numberBefore = position.first;
                             what.numberAfter = position.second;
                             return WriteSchedule(s, path, what);
                         }});
    }
    cases.push_back({"schedule-one-team.txt", [](cGoldenSeason& s, const std::string& path) {
                         cScheduleExport what = s.Schedule(3);
                         what.league = 0;
                         what.team = 2;
                         what.heading = "Team # (#)";
                         return WriteSchedule(s, path, what);
                     }});
    cases.push_back({"schedule-default-template.htm", [](cGoldenSeason& s, const std::string& path) {
                         s.doc.m_strScheduleTemplate = TOURNEL_WEB_TEMPLATE;
                         const int result = WriteSchedule(s, path, s.Schedule(0, 1));
                         s.doc.m_strScheduleTemplate = s.doc.m_strTableTemplate;
                         return result;
                     }});
    cases.push_back({"content.txt", [](cGoldenSeason& s, const std::string& path) {
                         return WriteContentFile(s.doc, s.doc.GetTitle(), true, true, path);
                     }});
    const std::pair<const char*, cTournelDb& (*)(cDatabase&)> directories[] = {
        {"courts", [](cDatabase& db) -> cTournelDb& { return db.Courts(); }},
        {"court-time", [](cDatabase& db) -> cTournelDb& { return db.CourtTime(); }},
        {"leagues", [](cDatabase& db) -> cTournelDb& { return db.Leagues(); }},
        {"officials", [](cDatabase& db) -> cTournelDb& { return db.Officials(); }},
        {"unscheduled", [](cDatabase& db) -> cTournelDb& { return db.Unscheduled(); }},
        {"scheduled", [](cDatabase& db) -> cTournelDb& { return db.Scheduled(); }},
        {"results", [](cDatabase& db) -> cTournelDb& { return db.Results(); }},
    };
    for (const auto& [name, directory] : directories) {
        for (const std::string extension : {".txt", ".csv"}) {
            cases.push_back({std::string("dir-") + name + extension,
                             [directory](cGoldenSeason& s, const std::string& path) {
                                 return WriteDirectoryFile(s.doc, directory(s.doc), path);
                             }});
        }
    }
    // Spreadsheets: sorted by team every match comes once; the tables keep
    // one header row for every league.
    for (const int sorting : {0, 3}) {
        cases.push_back({std::string("schedule-") + sortings[sorting] + ".csv",
                         [sorting](cGoldenSeason& s, const std::string& path) {
                             return WriteSchedule(s, path, s.Schedule(sorting));
                         }});
    }
    cases.push_back({"tables.csv", [](cGoldenSeason& s, const std::string& path) {
                         cTablesExport what = cTablesExport::FromDocument(s.doc);
                         what.disqualified = what.ballDiff = what.ratio = true;
                         return WriteTablesFile(s.doc, what, path);
                     }});
    return cases;
}

TEST(ExportGolden, EveryFormOfTheExampleSeason)
{
    cGoldenSeason& season = Season();
    ASSERT_GT(season.doc.Scheduled().GetCount(), 100);
    season.prompt.m_shown.clear();
    const cTempFolder folder;
    for (const cGoldenCase& c : Cases()) {
        SCOPED_TRACE(c.file);
        const std::string path = folder / c.file;
        ASSERT_EQ(c.write(season, path), 0);
        const std::optional<std::string> written = ReadWholeFile(path);
        ASSERT_TRUE(written.has_value());
        if (UpdateGolden()) {
            WriteWholeFile(kExpected + c.file, *written);
            continue;
        }
        const std::optional<std::string> expected = ReadWholeFile(kExpected + c.file);
        ASSERT_TRUE(expected.has_value()) << "no expected copy; run with TOURNEL_UPDATE_GOLDEN=1";
        EXPECT_EQ(*written, *expected);
    }
    EXPECT_TRUE(season.prompt.m_shown.empty());
}

// Writing twice gives the same bytes: bringing the tables up to date and
// regenerating nothing else leaves the season as it was.
TEST(ExportGolden, WritingAgainGivesTheSameFiles)
{
    cGoldenSeason& season = Season();
    const cTempFolder folder;
    for (const cGoldenCase& c : Cases()) {
        if (c.file.starts_with("tables") || c.file == "dir-results.txt") {
            SCOPED_TRACE(c.file);
            ASSERT_EQ(c.write(season, folder / ("first-" + c.file)), 0);
            ASSERT_EQ(c.write(season, folder / ("second-" + c.file)), 0);
            const std::optional<std::string> first = ReadWholeFile(folder / ("first-" + c.file));
            ASSERT_TRUE(first.has_value());
            EXPECT_EQ(first, ReadWholeFile(folder / ("second-" + c.file)));
        }
    }
}

} // namespace
