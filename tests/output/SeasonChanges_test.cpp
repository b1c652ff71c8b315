// Two versions of one season compared: each change is told exactly once to
// every team and official it concerns, with the values before and after;
// matches are known by names and round, never by index numbers; files of
// different seasons are refused.

#include "OutputTestSupport.h"
#include "document/DatabaseFile.h"
#include "model/Strings.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "output/SeasonChanges.h"
#include "support/TestBuilders.h"
#include "support/UpdateGolden.h"
#include "support/cScriptedPrompt.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kExpected = std::string(TOURNEL_TEST_DATA) + "/output/changes/";
constexpr TimePoint kCreated = 1'790'000'000;

int IndexOf(const cIndexedDb& items, const std::string& name)
{
    for (const cIndexedDbItem& item : items.AllItems<cIndexedDbItem>()) {
        if (item.m_strName == name) {
            return item.m_nIndex;
        }
    }
    ADD_FAILURE() << "no " << name;
    return -1;
}

struct cPlanned
{
    const char* home;
    const char* guest;
    int number;
    TimePoint start;
    const char* court;
    std::vector<const char*> officials;
};

// One league of four teams, two courts, three officials and six matches over
// three weekends, the last pairing played twice in one round (a replay). The
// teams, courts and officials are entered in the reverse order when asked,
// so that they get other index numbers.
void BuildSeason(cDatabase& db, bool reversed = false)
{
    const auto inOrder = [reversed](std::vector<const char*> names) {
        if (reversed) {
            std::ranges::reverse(names);
        }
        return names;
    };
    db.m_tCreated = kCreated;
    for (const char* name : inOrder({"Northgate Hall", "Riverside Arena"})) {
        BuildCourt(db, name, std::string(1, name[0]));
    }
    cLeague& league = BuildLeague(db, "Men's Division 1", "M1");
    for (const char* name : inOrder({"Lions", "Tigers", "Bears", "Wolves"})) {
        BuildTeam(league, name);
    }
    for (const char* name : inOrder({"Anna Berg", "Carl Dahl", "Eva Fisk"})) {
        BuildOfficial(db, name);
    }
    const TimePoint saturday = MakeTimePoint(2027, 3, 20, 10, 0);
    const TimePoint nextSaturday = MakeTimePoint(2027, 3, 27, 10, 0); // after the clocks change
    const std::vector<cPlanned> planned = {
        {"Lions", "Tigers", 1, saturday, "Northgate Hall", {"Anna Berg", "Carl Dahl"}},
        {"Bears", "Wolves", 2, saturday, "Riverside Arena", {"Eva Fisk"}},
        {"Lions", "Bears", 3, nextSaturday, "Northgate Hall", {"Anna Berg"}},
        {"Tigers", "Wolves", 4, nextSaturday, "Riverside Arena", {}},
        {"Wolves", "Lions", 5, nextSaturday + 2 * 3600, "Northgate Hall", {"Carl Dahl"}},
        {"Wolves", "Lions", 6, nextSaturday + 7 * 86400, "Northgate Hall", {"Eva Fisk"}},
    };
    for (const cPlanned& plan : planned) {
        auto match = std::make_unique<cMatch>();
        match->m_nLeague = league.m_nIndex;
        match->m_nHomeTeam = IndexOf(league.Teams(), plan.home);
        match->m_nGuestTeam = IndexOf(league.Teams(), plan.guest);
        match->m_nRound = 1;
        match->m_nNumber = plan.number;
        match->m_nCourt = IndexOf(db.Courts(), plan.court);
        match->m_tStart = plan.start;
        match->m_tEnd = plan.start + 90 * 60;
        for (std::size_t k = 0; k < plan.officials.size(); ++k) {
            match->m_nOfficial[k] = IndexOf(db.Officials(), plan.officials[k]);
        }
        db.Scheduled().AddItem(std::move(match), true);
    }
}

std::unique_ptr<cDatabase> Copy(const cDatabase& db)
{
    auto copy = std::make_unique<cDatabase>();
    cScriptedPrompt prompt;
    EXPECT_EQ(ReadDatabase(WriteDatabase(db), *copy, prompt), eReadStatus::kOk);
    return copy;
}

cMatch& MatchNumbered(cDatabase& db, int number)
{
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (match.m_nNumber == number) {
            return match;
        }
    }
    ADD_FAILURE() << "no match " << number;
    return *db.Scheduled().AllItems<cMatch>().begin();
}

cPlayoffMatch& AddPlayoff(cDatabase& db, const std::string& number, const std::string& home,
                          const std::string& guest, TimePoint start)
{
    auto match = std::make_unique<cPlayoffMatch>();
    match->m_strNumber = number;
    match->m_strHomeTeam = home;
    match->m_strGuestTeam = guest;
    match->m_nCourt = 1;
    match->m_tStart = start;
    match->m_tEnd = start + 120 * 60;
    match->m_nOfficial[0] = 1;
    return static_cast<cPlayoffMatch&>(db.Scheduled().AddItem(std::move(match), true));
}

// Who was told which change: "Men's Division 1/Lions" or "Anna Berg" to the
// label of the match and the kinds of change.
std::map<std::string, std::vector<std::string>> Told(const cSeasonChanges& changes)
{
    std::map<std::string, std::vector<std::string>> told;
    const auto add = [&](const std::vector<cChangeRecipient>& recipients) {
        for (const cChangeRecipient& recipient : recipients) {
            const std::string who =
                recipient.league.empty() ? recipient.name : recipient.league + "/" + recipient.name;
            EXPECT_FALSE(told.contains(who)) << who << " listed twice";
            for (const std::size_t k : recipient.changes) {
                told[who].push_back(changes.changes.at(k).Latest().label + " " +
                                    std::to_string(changes.changes.at(k).what));
            }
        }
    };
    add(changes.teams);
    add(changes.officials);
    return told;
}

const std::string kLions = "Men's Division 1/Lions";
const std::string kTigers = "Men's Division 1/Tigers";
const std::string kBears = "Men's Division 1/Bears";
const std::string kWolves = "Men's Division 1/Wolves";

struct cCase
{
    const char* name;
    std::function<void(cDatabase&)> change;
    std::map<std::string, std::vector<std::string>> told;
};

TEST(SeasonChanges, EachChangeIsToldOnceToEveryoneItConcerns)
{
    using C = cMatchChange;
    const auto what = [](const char* label, unsigned bits) {
        return std::string(label) + " " + std::to_string(bits);
    };
    const std::vector<cCase> cases = {
        {"the season itself", [](cDatabase&) {}, {}},
        {"moved to the other court a day later",
         [](cDatabase& db) {
             cMatch& match = MatchNumbered(db, 1);
             match.m_tStart += 86400;
             match.m_tEnd += 86400;
             match.m_nCourt = 1;
         },
         {{kLions, {what("M1-1", C::kMoved)}},
          {kTigers, {what("M1-1", C::kMoved)}},
          {"Anna Berg", {what("M1-1", C::kMoved)}},
          {"Carl Dahl", {what("M1-1", C::kMoved)}}}},
        {"only the end later",
         [](cDatabase& db) { MatchNumbered(db, 2).m_tEnd += 30 * 60; },
         {{kBears, {what("M1-2", C::kMoved)}},
          {kWolves, {what("M1-2", C::kMoved)}},
          {"Eva Fisk", {what("M1-2", C::kMoved)}}}},
        // The official who stays on the same position is not told.
        {"another second official",
         [](cDatabase& db) { MatchNumbered(db, 1).m_nOfficial[1] = 2; },
         {{kLions, {what("M1-1", C::kOfficials)}},
          {kTigers, {what("M1-1", C::kOfficials)}},
          {"Carl Dahl", {what("M1-1", C::kOfficials)}},
          {"Eva Fisk", {what("M1-1", C::kOfficials)}}}},
        {"two officials swap positions",
         [](cDatabase& db) {
             std::swap(MatchNumbered(db, 1).m_nOfficial[0], MatchNumbered(db, 1).m_nOfficial[1]);
         },
         {{kLions, {what("M1-1", C::kOfficials)}},
          {kTigers, {what("M1-1", C::kOfficials)}},
          {"Anna Berg", {what("M1-1", C::kOfficials)}},
          {"Carl Dahl", {what("M1-1", C::kOfficials)}}}},
        {"taken out of the schedule",
         [](cDatabase& db) { EXPECT_TRUE(db.Scheduled().DeleteItem(MatchNumbered(db, 3), db)); },
         {{kLions, {what("M1-3", C::kRemoved)}},
          {kBears, {what("M1-3", C::kRemoved)}},
          {"Anna Berg", {what("M1-3", C::kRemoved)}}}},
        {"a playoff match added",
         [](cDatabase& db) {
             AddPlayoff(db, "Final", "Lions", "Winner B", MakeTimePoint(2027, 4, 10, 14, 0));
         },
         {{"Lions", {what("Final", C::kAdded)}},
          {"Winner B", {what("Final", C::kAdded)}},
          {"Carl Dahl", {what("Final", C::kAdded)}}}},
        {"renumbered and moved at once",
         [](cDatabase& db) {
             cMatch& match = MatchNumbered(db, 4);
             match.m_nNumber = 7;
             match.m_tStart += 3600;
             match.m_tEnd += 3600;
         },
         {{kTigers, {what("M1-7", C::kMoved | C::kRenumbered)}},
          {kWolves, {what("M1-7", C::kMoved | C::kRenumbered)}}}},
        // Of two matches of one pairing and round, the later one moved: the
        // earlier one is not reported.
        {"the replayed match moved",
         [](cDatabase& db) {
             cMatch& match = MatchNumbered(db, 6);
             match.m_tStart += 86400;
             match.m_tEnd += 86400;
         },
         {{kWolves, {what("M1-6", C::kMoved)}},
          {kLions, {what("M1-6", C::kMoved)}},
          {"Eva Fisk", {what("M1-6", C::kMoved)}}}},
        {"a renamed court",
         [](cDatabase& db) { db.GetCourt(1)->m_strName = "Riverside Arena 2"; },
         {{kBears, {what("M1-2", C::kMoved)}},
          {kWolves, {what("M1-2", C::kMoved), what("M1-4", C::kMoved)}},
          {kTigers, {what("M1-4", C::kMoved)}},
          {"Eva Fisk", {what("M1-2", C::kMoved)}}}},
    };
    cDatabase before;
    BuildSeason(before);
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<cDatabase> after = Copy(before);
        c.change(*after);
        const cSeasonChanges changes = CompareSeasons(before, *after);
        EXPECT_EQ(changes.refusal, 0);
        EXPECT_EQ(Told(changes), c.told);
        EXPECT_EQ(changes.Empty(), c.told.empty());
        // Every change concerns somebody, and somebody is told each one.
        std::set<std::size_t> toldOnce;
        for (const auto* recipients : {&changes.teams, &changes.officials}) {
            for (const cChangeRecipient& recipient : *recipients) {
                toldOnce.insert(recipient.changes.begin(), recipient.changes.end());
            }
        }
        EXPECT_EQ(toldOnce.size(), changes.changes.size());
        // Compared the other way round, the same matches change.
        EXPECT_EQ(CompareSeasons(*after, before).changes.size(), changes.changes.size());
    }
}

// Teams, courts and officials are known by their names: the same season
// entered in another order, with other index numbers, is no change.
TEST(SeasonChanges, IndexNumbersDoNotMatter)
{
    cDatabase before;
    BuildSeason(before);
    cDatabase after;
    BuildSeason(after, true);
    ASSERT_NE(before.GetTeam(0, 0)->m_strName, after.GetTeam(0, 0)->m_strName);
    const cSeasonChanges changes = CompareSeasons(before, after);
    EXPECT_EQ(changes.refusal, 0);
    EXPECT_TRUE(changes.changes.empty());
    EXPECT_TRUE(changes.Empty());
}

TEST(SeasonChanges, TheValuesBeforeAndAfterAreTold)
{
    cDatabase before;
    BuildSeason(before);
    const std::unique_ptr<cDatabase> after = Copy(before);
    cMatch& moved = MatchNumbered(*after, 1);
    moved.m_tStart = MakeTimePoint(2027, 3, 28, 18, 30);
    moved.m_tEnd = MakeTimePoint(2027, 3, 28, 20, 0);
    moved.m_nCourt = 1;
    moved.m_nOfficial = {2, -1, -1, -1, -1};
    const cSeasonChanges changes = CompareSeasons(before, *after);
    ASSERT_EQ(changes.changes.size(), 1u);
    const cMatchChange& change = changes.changes.front();
    EXPECT_EQ(change.what, cMatchChange::kMoved | cMatchChange::kOfficials);
    EXPECT_EQ(change.league, "Men's Division 1");
    EXPECT_EQ(change.home, "Lions");
    EXPECT_EQ(change.guest, "Tigers");
    ASSERT_TRUE(change.before && change.after);
    EXPECT_EQ(change.before->start, MakeTimePoint(2027, 3, 20, 10, 0));
    EXPECT_EQ(change.before->court, "Northgate Hall");
    EXPECT_EQ(change.after->start, MakeTimePoint(2027, 3, 28, 18, 30));
    EXPECT_EQ(change.after->court, "Riverside Arena");
    EXPECT_EQ(change.before->officials[1], "Carl Dahl");
    EXPECT_EQ(change.after->officials[0], "Eva Fisk");
    EXPECT_EQ(change.after->officials[1], "");
    // Moved with its officials changed: everybody on it, before or after, hears of it.
    EXPECT_EQ(changes.officials.size(), 3u);
}

struct cRefusalCase
{
    const char* name;
    std::function<void(cDatabase&)> change;
    int refusal;
};

TEST(SeasonChanges, FilesOfDifferentSeasonsAreRefused)
{
    const std::vector<cRefusalCase> cases = {
        {"created a second apart", [](cDatabase& db) { db.m_tCreated += 1; }, IDS_CHANGES_OTHER_SEASON},
        {"no league in common", [](cDatabase& db) { db.GetLeague(0)->m_strName = "Women"; },
         IDS_CHANGES_NO_COMMON_LEAGUE},
        {"one more league", [](cDatabase& db) { BuildLeague(db, "Women", "W"); }, 0},
        // A file that holds no creation time says nothing about its season.
        {"no creation time", [](cDatabase& db) { db.m_tCreated = 0; }, 0},
        {"no league left", [](cDatabase& db) { EXPECT_TRUE(db.Leagues().DeleteItem(*db.GetLeague(0), db)); },
         0},
    };
    cDatabase before;
    BuildSeason(before);
    for (const cRefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<cDatabase> after = Copy(before);
        c.change(*after);
        const cSeasonChanges changes = CompareSeasons(before, *after);
        EXPECT_EQ(changes.refusal, c.refusal);
        EXPECT_EQ(changes.refusalText.empty(), c.refusal == 0);
        if (c.refusal != 0) {
            EXPECT_TRUE(changes.changes.empty() && changes.Empty());
        }
    }
}

TEST(SeasonChanges, OneTeamKeepsItsOwnChangesOnly)
{
    cDatabase before;
    BuildSeason(before);
    const std::unique_ptr<cDatabase> after = Copy(before);
    MatchNumbered(*after, 1).m_nCourt = 1;
    MatchNumbered(*after, 2).m_nCourt = 0;
    cSeasonChanges changes = CompareSeasons(before, *after);
    KeepOnlyTeam(changes, "Men's Division 1", "Bears");
    ASSERT_EQ(changes.teams.size(), 1u);
    EXPECT_EQ(changes.teams[0].name, "Bears");
    ASSERT_EQ(changes.teams[0].changes.size(), 1u);
    EXPECT_EQ(changes.changes[changes.teams[0].changes[0]].Latest().label, "M1-2");
    EXPECT_TRUE(changes.officials.empty());
    KeepOnlyTeam(changes, "Men's Division 1", "Nobody");
    EXPECT_EQ(ChangesText(changes, *after), "No changes.\n");
}

// The text and the spreadsheet file of a season changed in every way, as
// written to files, pinned in tests/data/output/changes.
TEST(SeasonChanges, TextAndSpreadsheetFiles)
{
    cDatabase before;
    BuildSeason(before);
    const std::unique_ptr<cDatabase> after = Copy(before);
    cMatch& moved = MatchNumbered(*after, 1);
    moved.m_tStart += 86400 + 1800;
    moved.m_tEnd += 86400 + 1800;
    moved.m_nCourt = 1;
    MatchNumbered(*after, 2).m_nOfficial[0] = 1;
    EXPECT_TRUE(after->Scheduled().DeleteItem(MatchNumbered(*after, 3), *after));
    AddPlayoff(*after, "Final", "=Lions", "Winner, B", MakeTimePoint(2027, 4, 10, 23, 0));
    after->m_nDateFormat = 1;
    const cSeasonChanges changes = CompareSeasons(before, *after);
    const cTempFolder folder;
    for (const std::string file : {"changes.txt", "changes.csv"}) {
        SCOPED_TRACE(file);
        ASSERT_EQ(WriteChangesFile(changes, *after, folder / file), 0);
        const std::optional<std::string> written = ReadWholeFile(folder / file);
        ASSERT_TRUE(written.has_value());
        if (UpdateGolden()) {
            WriteWholeFile(kExpected + file, *written);
            continue;
        }
        const std::optional<std::string> expected = ReadWholeFile(kExpected + file);
        ASSERT_TRUE(expected.has_value()) << "no expected copy; run with TOURNEL_UPDATE_GOLDEN=1";
        EXPECT_EQ(*written, *expected);
    }
    cScriptedPrompt prompt;
    after->SetPrompt(&prompt);
    EXPECT_EQ(WriteChangesFile(changes, *after, folder / "no/such/folder/changes.txt"),
              IDS_UNABLE_TO_OPEN_FILE);
    ASSERT_EQ(prompt.m_shown.size(), 1u);
    EXPECT_EQ(prompt.m_shown[0].id, IDS_UNABLE_TO_OPEN_FILE);
}

} // namespace
