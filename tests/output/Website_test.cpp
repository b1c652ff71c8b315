// The website: stable, safe file names; escaped names; tables computed from
// the results with the columns the settings choose; the next matches from a
// given time; and files written only when their bytes change.

#include "OutputTestSupport.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cResult.h"
#include "output/WebAddresses.h"
#include "output/Website.h"
#include "support/TestBuilders.h"
#include "support/cScriptedPrompt.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

TEST(WebName, KeepsLettersAndDigitsAndTurnsTheRestIntoSingleHyphens)
{
    struct cCase
    {
        std::string_view text;
        std::string_view name;
    };
    const cCase cases[] = {
        {"Lions", "lions"},
        {"Men's Division 1", "men-s-division-1"},
        {"  --A  &  B--  ", "a-b"},
        {"<b>A & B</b>", "b-a-b-b"},
        {"Ærø Ålborg", "aero-alborg"},
        {"Straße Øst", "strasse-ost"},
        {"Łódź Żółw", "lodz-zolw"},
        {"Crème Brûlée", "creme-brulee"},
        {"Зенит", ""},
        {"東京 7", "7"},
        {"", ""},
        {"\xff\xfe broken \xc3", "broken"},
        {"abcdefghij abcdefghij abcdefghij abcdefghij", "abcdefghij-abcdefghij-abcdefghij"},
        {"abcdefghijabcdefghijabcdefghijabcdefghijabcdefghij", "abcdefghijabcdefghijabcdefghijabcdefghij"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WebName(c.text), c.name);
    }
}

TEST(WebName, NeverHoldsADoubleHyphenNorEndsInOne)
{
    std::mt19937 random(5);
    const std::string_view pieces[] = {"a", "Z", "9", " ", "-", "--", "é", "Ж", ".", "_", "/", "ß"};
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int k = static_cast<int>(random() % 60); k > 0; --k) {
            text += pieces[random() % std::size(pieces)];
        }
        const std::string name = WebName(text);
        SCOPED_TRACE(text);
        EXPECT_EQ(name.find("--"), std::string::npos);
        EXPECT_LE(name.size(), kWebNameLimit);
        EXPECT_TRUE(name.empty() || (name.front() != '-' && name.back() != '-'));
        EXPECT_TRUE(name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-") == std::string::npos);
    }
}

TEST(UniqueWebNames, TheLowestIndexKeepsASharedNameAndTheOthersAddTheirs)
{
    const std::map<int, std::string> names = UniqueWebNames(
        {{4, "Lions"}, {2, "lions"}, {9, "LIONS!"}, {3, "Tigers"}, {5, "Зенит"}, {6, ""}}, "team");
    const std::map<int, std::string> expected = {{2, "lions"},  {3, "tigers"}, {4, "lions--4"},
                                                 {5, "team-5"}, {6, "team-6"}, {9, "lions--9"}};
    EXPECT_EQ(names, expected);
}

// Published again after items were added, every item that was there keeps
// its name unless the new one took the very same name with a lower index.
TEST(UniqueWebNames, AddingItemsLeavesEveryOtherNameAsItWas)
{
    std::mt19937 random(11);
    const std::string_view words[] = {"Lions", "lions", "Tigers", "Team 3", "", "Ω", "Bears", "team-4", "x"};
    for (int round = 0; round < 300; ++round) {
        std::vector<cWebNameSource> items;
        std::set<int> used;
        for (int k = static_cast<int>(random() % 8); k > 0; --k) {
            const int index = static_cast<int>(random() % 40);
            if (used.insert(index).second) {
                items.push_back({index, std::string(words[random() % std::size(words)])});
            }
        }
        const std::map<int, std::string> before = UniqueWebNames(items, "team");
        std::set<std::string> distinct;
        for (const auto& [index, name] : before) {
            distinct.insert(name);
        }
        ASSERT_EQ(distinct.size(), before.size()) << "two items share a name";

        const cWebNameSource added{40 + static_cast<int>(random() % 10), std::string(words[random() % 9])};
        items.push_back(added);
        const std::map<int, std::string> after = UniqueWebNames(items, "team");
        for (const auto& [index, name] : before) {
            EXPECT_EQ(after.at(index), name) << "index " << index << " after adding " << added.text;
        }
    }
}

// A season of one league with a marked-up team name, a court, two officials
// and matches around a fixed "now".
class WebsiteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.SetPrompt(&prompt);
        hall = &BuildCourt(db, "Main \"Hall\"", "MH");
        side = &BuildCourt(db, "Side Hall", "SH");
        league = &BuildLeague(db, "Premier <League>", "P");
        marked = &BuildTeam(*league, "<b>A & B</b>");
        lions = &BuildTeam(*league, "Лев 'Lions'");
        official = &BuildOfficial(db, "Ref <One>");
        other = &BuildOfficial(db, "Ref Two");
        first = &AddMatch(MakeTimePoint(2027, 3, 5, 19, 30), 1, hall);
        second = &AddMatch(MakeTimePoint(2027, 3, 12, 17, 0), 2, side);
        first->SetOfficial(db, official->m_nIndex, 0);
        second->SetOfficial(db, other->m_nIndex, 0);
        db.m_strComments = "Season <2027> & \"more\"";
        job.title = "Spring & <Cup>";
        job.now = MakeTimePoint(2027, 3, 1);
    }

    cMatch& AddMatch(TimePoint start, int number, const cCourt* court)
    {
        const bool markedAtHome = number % 2 == 1;
        return BuildScheduledMatch(db, *league, markedAtHome ? marked->m_nIndex : lions->m_nIndex,
                                   markedAtHome ? lions->m_nIndex : marked->m_nIndex, *court, start, number);
    }

    std::map<std::string, std::string> Files() { return WebsiteFiles(db, job); }

    cDatabase db;
    cScriptedPrompt prompt;
    cTempFolder folder;
    cWebsiteJob job;
    cCourt* hall = nullptr;
    cCourt* side = nullptr;
    cLeague* league = nullptr;
    cTeam* marked = nullptr;
    cTeam* lions = nullptr;
    cReferee* official = nullptr;
    cReferee* other = nullptr;
    cMatch* first = nullptr;
    cMatch* second = nullptr;
};

TEST_F(WebsiteTest, EveryPageAndCalendarHasItsStableAddress)
{
    std::set<std::string> paths;
    for (const auto& [path, bytes] : Files()) {
        paths.insert(path);
    }
    const std::set<std::string> expected = {
        "index.html",
        "style.css",
        "leagues/p.html",
        "teams/p/b-a-b-b.html",
        "teams/p/b-a-b-b.ics",
        "teams/p/lions.html",
        "teams/p/lions.ics",
        "courts/mh.html",
        "courts/mh.ics",
        "courts/sh.html",
        "courts/sh.ics",
        "officials/ref-one.html",
        "officials/ref-one.ics",
        "officials/ref-two.html",
        "officials/ref-two.ics",
    };
    EXPECT_EQ(paths, expected);
}

// Every name and comment shows as typed: no page holds a character of them
// that a browser would read as markup, in text or in an attribute.
TEST_F(WebsiteTest, NamesAndCommentsAreEscaped)
{
    const std::string raw[] = {"<b>", "</b>", "<League>", "<One>", "<2027>", "<Cup>", "A & B", "\"Hall\""};
    const std::map<std::string, std::string> files = Files();
    for (const auto& [path, bytes] : files) {
        if (!path.ends_with(".html")) {
            continue;
        }
        SCOPED_TRACE(path);
        for (const std::string& text : raw) {
            EXPECT_EQ(bytes.find(text), std::string::npos) << text;
        }
    }
    const std::string& team = files.at("teams/p/b-a-b-b.html");
    EXPECT_NE(team.find("<h1>&lt;b&gt;A &amp; B&lt;/b&gt;</h1>"), std::string::npos) << team;
    EXPECT_NE(team.find("<title>&lt;b&gt;A &amp; B&lt;/b&gt; - Spring &amp; &lt;Cup&gt;</title>"),
              std::string::npos);
    EXPECT_NE(team.find("Лев 'Lions'"), std::string::npos);
    const std::string& index = files.at("index.html");
    EXPECT_NE(index.find("Season &lt;2027&gt; &amp; &quot;more&quot;"), std::string::npos) << index;
    EXPECT_NE(index.find("Main &quot;Hall&quot;"), std::string::npos);
}

TEST_F(WebsiteTest, TheNextMatchesStartFromNowOn)
{
    const struct
    {
        TimePoint now;
        int matches;
    } cases[] = {
        {MakeTimePoint(2027, 3, 1), 2},
        {MakeTimePoint(2027, 3, 5, 19, 30), 2}, // a match starting now is still to come
        {MakeTimePoint(2027, 3, 5, 19, 31), 1},
        {MakeTimePoint(2027, 3, 12, 17, 1), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(FormatTime(c.now, "%Y-%m-%d %H:%M"));
        job.now = c.now;
        const std::string index = Files().at("index.html");
        const std::size_t from = index.find("Next matches");
        const std::size_t to = index.find("<h2>Leagues");
        ASSERT_NE(from, std::string::npos);
        const std::string next = index.substr(from, to - from);
        EXPECT_EQ(next.find("<td>P-1</td>") != std::string::npos, c.matches == 2) << next;
        EXPECT_EQ(next.find("<td>P-2</td>") != std::string::npos, c.matches >= 1) << next;
        EXPECT_EQ(next.find("No matches.") != std::string::npos, c.matches == 0) << next;
    }
}

// The table is counted from the results when the site is written, even
// when nobody looked at it since the result came in, and shows the columns
// the table settings choose under their headings.
TEST_F(WebsiteTest, TheTableIsCountedFromTheResultsWithTheChosenColumns)
{
    cResult& result = *first->GetResult();
    result.m_bPlayed = 1;
    result.m_nHomeScore[0] = 1;
    result.m_nGuestScore[0] = 3;
    db.InvalidateTables();
    db.m_bTableRatio = 1;
    db.m_bTableRank = 0;
    const std::string page = Files().at("leagues/p.html");
    const std::size_t table = page.find("<h2 id=\"table\">");
    ASSERT_NE(table, std::string::npos);
    const std::string head = page.substr(table, page.find("</thead>", table) - table);
    EXPECT_EQ(head.find(">No.<"), std::string::npos) << head;
    EXPECT_NE(head.find("<th>Team name</th><th class=\"num\">Played</th>"), std::string::npos) << head;
    EXPECT_NE(head.find(">Ratio</th><th class=\"num\">Points</th></tr>"), std::string::npos) << head;
    // The guest won: the lions lead.
    const std::size_t lionsRow =
        page.find("Лев 'Lions'</a></td><td class=\"num\">1</td><td class=\"num\">1</td>", table);
    const std::size_t markedRow =
        page.find("A &amp; B&lt;/b&gt;</a></td><td class=\"num\">1</td><td class=\"num\">0</td>", table);
    EXPECT_NE(lionsRow, std::string::npos) << page;
    EXPECT_LT(lionsRow, markedRow);
    EXPECT_NE(page.find("<td>1 - 3</td>"), std::string::npos);
    const std::string team = Files().at("teams/p/lions.html");
    EXPECT_NE(team.find("Position 1 of 2 in the table, 2 points."), std::string::npos) << team;
}

TEST_F(WebsiteTest, ResultsShowThePlayedSetsAndDisqualifications)
{
    db.m_tableSettings.m_nMaxSets = 5;
    cResult& result = *first->GetResult();
    result.m_bPlayed = 1;
    result.m_nHomeScore = {0, 20, 22};
    result.m_nGuestScore = {3, 25, 25};
    result.m_bHomeDisqualified = 1;
    db.InvalidateTables();
    const std::string page = Files().at("leagues/p.html");
    EXPECT_NE(page.find("<td>D 0 - 3 (20-25, 22-25)</td>"), std::string::npos) << page;
}

// A court's and an official's page list exactly the matches their calendar
// holds; a playoff match is on its court's page but on no team's.
TEST_F(WebsiteTest, PagesListTheMatchesOfTheirCalendar)
{
    auto playoff = std::make_unique<cPlayoffMatch>();
    playoff->m_strHomeTeam = "Winner 1";
    playoff->m_strGuestTeam = "Winner 2";
    playoff->m_strNumber = "F1";
    playoff->m_nCourt = hall->m_nIndex;
    playoff->m_tStart = MakeTimePoint(2027, 4, 2, 18, 0);
    playoff->m_tEnd = playoff->m_tStart + 3600;
    db.Scheduled().AddItem(std::move(playoff), true);
    const std::map<std::string, std::string> files = Files();
    const auto lists = [&](const std::string& path, std::string_view label) {
        return files.at(path).find("<tr><td>" + std::string(label) + "</td>") != std::string::npos;
    };
    const struct
    {
        std::string path;
        bool p1, p2, f1;
    } cases[] = {
        {"courts/mh.html", true, false, true},          {"courts/sh.html", false, true, false},
        {"officials/ref-one.html", true, false, false}, {"officials/ref-two.html", false, true, false},
        {"teams/p/lions.html", true, true, false},      {"teams/p/b-a-b-b.html", true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(lists(c.path, "P-1"), c.p1);
        EXPECT_EQ(lists(c.path, "P-2"), c.p2);
        EXPECT_EQ(lists(c.path, "F1"), c.f1);
        const std::string calendar = files.at(c.path.substr(0, c.path.size() - 5) + ".ics");
        EXPECT_EQ(calendar.find("Match P-1") != std::string::npos, c.p1);
        EXPECT_EQ(calendar.find("Match P-2") != std::string::npos, c.p2);
        EXPECT_EQ(calendar.find("Playoff match F1") != std::string::npos, c.f1);
    }
}

TEST_F(WebsiteTest, PagesFollowTheDocumentsLanguage)
{
    db.m_nLanguage = 5; // German
    const std::string page = Files().at("courts/mh.html");
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"de\">\n", 0), 0U);
    EXPECT_NE(page.find("<td>Freitag</td><td>19:30</td>"), std::string::npos) << page;
}

std::map<std::string, std::filesystem::file_time_type> Stamps(const std::string& folder)
{
    std::map<std::string, std::filesystem::file_time_type> stamps;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            stamps[entry.path().string()] = entry.last_write_time();
        }
    }
    return stamps;
}

// Written again, only the files whose bytes changed are written; the user's
// own files and the pages of items that are gone stay.
TEST_F(WebsiteTest, OnlyChangedFilesAreWrittenAndNothingIsDeleted)
{
    const std::string site = folder / "site";
    const cWebsiteRun firstRun = WriteWebsite(db, job, site);
    const int total = static_cast<int>(Files().size());
    EXPECT_EQ(firstRun.written, total);
    EXPECT_EQ(firstRun.unchanged, 0);
    EXPECT_EQ(WebsiteRunText(firstRun), std::to_string(total) + " files written, 0 unchanged.");
    WriteWholeFile(folder / "site/notes.txt", "mine");

    // Pretend every file is old, so that a rewrite shows in its time stamp.
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& [path, stamp] : Stamps(site)) {
        std::filesystem::last_write_time(path, old);
    }
    const cWebsiteRun again = WriteWebsite(db, job, site);
    EXPECT_EQ(again.written, 0);
    EXPECT_EQ(again.unchanged, total);
    for (const auto& [path, stamp] : Stamps(site)) {
        EXPECT_EQ(stamp, old) << path;
    }

    // A result touches the league, its teams, the match's court and officials only.
    cResult& result = *second->GetResult();
    result.m_bPlayed = 1;
    result.m_nHomeScore[0] = 2;
    db.InvalidateTables();
    const cWebsiteRun changed = WriteWebsite(db, job, site);
    std::set<std::string> rewritten;
    for (const auto& [path, stamp] : Stamps(site)) {
        if (stamp != old) {
            rewritten.insert(std::filesystem::relative(path, site).string());
        }
    }
    const std::set<std::string> expected = {"leagues/p.html", "teams/p/lions.html", "teams/p/b-a-b-b.html",
                                            "courts/sh.html", "officials/ref-two.html"};
    EXPECT_EQ(rewritten, expected);
    EXPECT_EQ(changed.written, 5);
    EXPECT_EQ(changed.unchanged, total - 5);

    // The court is gone: its old files stay, as does the user's.
    db.Courts().RemoveItem(*side).reset();
    WriteWebsite(db, job, site);
    EXPECT_TRUE(std::filesystem::exists(folder / "site/courts/sh.html"));
    EXPECT_EQ(ReadWholeFile(folder / "site/notes.txt"), "mine");
    EXPECT_TRUE(prompt.m_shown.empty());
}

TEST_F(WebsiteTest, AFileThatCannotBeWrittenStopsWithItsPath)
{
    const std::string site = folder / "site";
    std::filesystem::create_directories(site);
    WriteWholeFile(folder / "site/courts", "a file where a folder belongs");
    const cWebsiteRun run = WriteWebsite(db, job, site);
    EXPECT_EQ(run.messageId, IDS_UNABLE_TO_OPEN_FILE);
    ASSERT_EQ(prompt.m_shown.size(), 1U);
    EXPECT_EQ(prompt.m_shown[0].id, IDS_UNABLE_TO_OPEN_FILE);
    EXPECT_NE(prompt.m_shown[0].text.find("courts/mh.html"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(folder / "site/courts"), "a file where a folder belongs");
}

TEST(WebsiteValues, DefaultsAndRefusals)
{
    const cWebsiteValues values = cWebsiteValues::Defaults("/home/me/club 2027.tnd", "");
    EXPECT_EQ(values.title, "club 2027");
    EXPECT_EQ(values.folder, "/home/me/club 2027-website");
    EXPECT_EQ(cWebsiteValues::Defaults("/home/me/a.tnd", "/srv/www").folder, "/srv/www");
    EXPECT_EQ(cWebsiteValues::Defaults("", "").title, "Season");

    cTempFolder folder;
    WriteWholeFile(folder / "file", "");
    const struct
    {
        std::string title;
        std::string folder;
        int messageId;
        int field;
    } cases[] = {
        {"Cup", folder / "new", 0, 0},
        {"Cup", folder / "", 0, 0},
        {"  ", folder / "new", IDS_SITE_NO_TITLE, cWebsiteValues::kFieldTitle},
        {std::string(161, 'x'), folder / "new", IDS_TEXT_TOO_LONG, cWebsiteValues::kFieldTitle},
        {std::string(160, 'x'), folder / "new", 0, 0},
        {"Cup", " ", IDS_SITE_NO_FOLDER, cWebsiteValues::kFieldFolder},
        {"Cup", folder / "file", IDS_SITE_NOT_A_FOLDER, cWebsiteValues::kFieldFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.substr(0, 10) + " " + c.folder);
        const cValidation error = Validate(cWebsiteValues{c.title, c.folder});
        EXPECT_EQ(error ? error->messageId : 0, c.messageId);
        EXPECT_EQ(error ? error->field : 0, c.field);
    }
}

} // namespace
