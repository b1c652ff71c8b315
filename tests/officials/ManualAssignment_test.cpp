#include "OfficialsFixture.h"
#include "model/Strings.h"
#include "officials/OfficialRules.h"
#include "officials/RemoveOfficials.h"
#include "officials/cManualAssignValues.h"
#include "officials/cOfficialSettings.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

struct cManualScene
{
    cOfficialsSeason s;
    cCourt& a = s.Court("A");
    cLeague& league = s.League("L");
    cTeam& home = s.Team(league, "Falcons 1");
    cTeam& guest = s.Team(league, "Hawks 1");
    cReferee& zoe = s.Official("Zoe", "Owls");
    cReferee& adam = s.Official("Adam", "Bears");
    cReferee& mia = s.Official("Mia", "Hawks"); // breaks the own-club rule on every match here
    cMatch& match = Game(0);

    cMatch& Game(int day) { return s.Match(a, league, home, guest, day, 1000); }

    std::vector<std::string> Texts(const cManualAssignRow& row) const
    {
        std::vector<std::string> texts;
        for (const cOfficialChoice& choice : row.choices) {
            texts.push_back(choice.text);
        }
        return texts;
    }
};

TEST(cManualAssignValues, ListsOnlyLegalChoicesSortedWithTheSlotsOfficialSelected)
{
    cManualScene x;
    x.s.Hold(x.match, 0, x.zoe);
    const cManualAssignValues values = cManualAssignValues::FromMatch(x.s.db, x.match);
    const cManualAssignRow& first = values.rows[0];
    EXPECT_TRUE(first.enabled);
    EXPECT_TRUE(first.onlyLegal);
    EXPECT_EQ(x.Texts(first), (std::vector<std::string>{"<None>", "Adam, Bears", "Zoe, Owls"}));
    EXPECT_EQ(first.SelectedOfficial(), x.zoe.m_nIndex);
    // Zoe holds the first slot, so the second row leaves her out.
    EXPECT_EQ(x.Texts(values.rows[1]), (std::vector<std::string>{"<None>", "Adam, Bears"}));
    EXPECT_EQ(values.rows[1].SelectedOfficial(), -1);
    for (int row = 2; row < cMatch::kOfficialPositions; ++row) {
        EXPECT_FALSE(values.rows[static_cast<std::size_t>(row)].enabled);
        EXPECT_TRUE(values.rows[static_cast<std::size_t>(row)].choices.empty());
    }
}

TEST(ApplyManualAssignment, OkWithoutChangesAsksNothingAndChangesNothing)
{
    cManualScene x;
    x.zoe.m_nMaxGames = 1; // at his maximum, but the slot is his own
    x.s.Hold(x.match, 0, x.zoe);
    x.s.Hold(x.match, 1, x.adam);
    const cManualAssignValues values = cManualAssignValues::FromMatch(x.s.db, x.match);
    ApplyManualAssignment(x.s.db, x.match, values);
    EXPECT_TRUE(x.s.prompt.m_shown.empty());
    EXPECT_EQ(x.match.GetOfficial(0), x.zoe.m_nIndex);
    EXPECT_EQ(x.match.GetOfficial(1), x.adam.m_nIndex);
    EXPECT_EQ(x.zoe.m_nGames, 1);
    EXPECT_TRUE(GameCountErrors(x.s.db).empty());
}

TEST(ApplyManualAssignment, AnOfficialBreakingARuleIsLeftOutWhileTheBoxIsTicked)
{
    cManualScene x;
    x.s.Hold(x.match, 0, x.mia);
    cManualAssignValues values = cManualAssignValues::FromMatch(x.s.db, x.match);
    EXPECT_EQ(values.rows[0].SelectedOfficial(), -1);
    values.Refill(x.s.db, x.match, 0, false);
    EXPECT_EQ(values.rows[0].SelectedOfficial(), x.mia.m_nIndex);
    EXPECT_EQ(x.Texts(values.rows[0]),
              (std::vector<std::string>{"<None>", "Adam, Bears", "Mia, Hawks", "Zoe, Owls"}));
    values.Refill(x.s.db, x.match, 0, true);
    // OK with "<None>" selected clears the slot without a question.
    ApplyManualAssignment(x.s.db, x.match, values);
    EXPECT_TRUE(x.s.prompt.m_shown.empty());
    EXPECT_EQ(x.match.GetOfficial(0), -1);
    EXPECT_EQ(x.mia.m_nGames, 0);
}

TEST(ApplyManualAssignment, ABrokenRuleIsAskedWithTheOfficialsName)
{
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        cManualScene x;
        x.s.Hold(x.match, 0, x.zoe);
        x.s.Hold(x.match, 1, x.adam);
        cManualAssignValues values = cManualAssignValues::FromMatch(x.s.db, x.match);
        values.Refill(x.s.db, x.match, 1, false);
        ASSERT_TRUE(values.rows[1].Select(x.mia.m_nIndex));
        x.s.prompt.Answer(yes);
        EXPECT_TRUE(ApplyManualAssignment(x.s.db, x.match, values));
        ASSERT_EQ(x.s.prompt.m_shown.size(), 1u);
        EXPECT_EQ(x.s.prompt.m_shown[0].id, IDS_OFFICIAL_OWN_CLUB);
        EXPECT_TRUE(x.s.prompt.m_shown[0].question);
        EXPECT_EQ(
            x.s.prompt.m_shown[0].text,
            "Mia:\nThe official should not officiate teams from its own club.\nAssign the official anyway?");
        EXPECT_EQ(x.match.GetOfficial(0), x.zoe.m_nIndex);
        EXPECT_EQ(x.match.GetOfficial(1), yes ? x.mia.m_nIndex : x.adam.m_nIndex);
        EXPECT_EQ(x.mia.m_nGames, yes ? 1 : 0);
        EXPECT_EQ(x.adam.m_nGames, yes ? 0 : 1);
        EXPECT_TRUE(GameCountErrors(x.s.db).empty());
    }
}

TEST(ApplyManualAssignment, OfficialsSwapSlotsWithoutAQuestion)
{
    // Both at their maximum: each keeps his one game, only the slot changes.
    cManualScene x;
    x.s.Hold(x.match, 0, x.zoe);
    x.s.Hold(x.match, 1, x.adam);
    x.zoe.m_nMaxGames = 1;
    x.adam.m_nMaxGames = 1;
    cManualAssignValues values = cManualAssignValues::FromMatch(x.s.db, x.match);
    values.Refill(x.s.db, x.match, 0, false);
    values.Refill(x.s.db, x.match, 1, false);
    ASSERT_TRUE(values.rows[0].Select(x.adam.m_nIndex));
    ASSERT_TRUE(values.rows[1].Select(x.zoe.m_nIndex));
    EXPECT_FALSE(Validate(values, x.match).has_value());
    EXPECT_TRUE(ApplyManualAssignment(x.s.db, x.match, values));
    EXPECT_TRUE(x.s.prompt.m_shown.empty());
    EXPECT_EQ(x.match.GetOfficial(0), x.adam.m_nIndex);
    EXPECT_EQ(x.match.GetOfficial(1), x.zoe.m_nIndex);
    EXPECT_EQ(x.adam.m_nGames, 1);
    EXPECT_EQ(x.zoe.m_nGames, 1);
    EXPECT_TRUE(GameCountErrors(x.s.db).empty());
}

TEST(ApplyManualAssignment, NoKeepsTheSlotsOfficialUnlessHeTookAnotherSlot)
{
    // Adam moves to the first slot and Mia, who breaks a rule, is refused
    // the second: Adam cannot stay there too, so the slot is left empty.
    cManualScene x;
    x.s.Hold(x.match, 1, x.adam);
    cManualAssignValues values = cManualAssignValues::FromMatch(x.s.db, x.match);
    values.Refill(x.s.db, x.match, 0, false);
    values.Refill(x.s.db, x.match, 1, false);
    ASSERT_TRUE(values.rows[0].Select(x.adam.m_nIndex));
    ASSERT_TRUE(values.rows[1].Select(x.mia.m_nIndex));
    x.s.prompt.Answer(false);
    EXPECT_TRUE(ApplyManualAssignment(x.s.db, x.match, values));
    EXPECT_EQ(x.s.prompt.Ids(), std::vector<int>{IDS_OFFICIAL_OWN_CLUB});
    EXPECT_EQ(x.match.GetOfficial(0), x.adam.m_nIndex);
    EXPECT_EQ(x.match.GetOfficial(1), -1);
    EXPECT_EQ(x.adam.m_nGames, 1);
    EXPECT_EQ(x.mia.m_nGames, 0);
    EXPECT_TRUE(GameCountErrors(x.s.db).empty());
}

TEST(ApplyManualAssignment, OneOfficialInTwoSlotsIsRefusedWithAMessage)
{
    struct cCase
    {
        const char* name;
        int officialsPerGame;
        std::vector<std::pair<int, const char*>> held;   // slot, official before the dialog
        std::vector<std::pair<int, const char*>> chosen; // row, official chosen (box unticked)
        int field;                                       // the row refused
    };
    const std::vector<cCase> cases = {
        {"the first official chosen for the second row", 2, {{0, "Zoe"}}, {{1, "Zoe"}}, 1},
        {"both rows chosen anew", 3, {}, {{0, "Adam"}, {2, "Adam"}}, 2},
        {"at his maximum too", 2, {{0, "Adam"}}, {{1, "Adam"}}, 1},
        {"a slot beyond the officials per game holds him", 2, {{4, "Zoe"}}, {{0, "Zoe"}}, 0},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cManualScene x;
        x.s.db.m_nOfficialsPerGame = c.officialsPerGame;
        x.adam.m_nMaxGames = 1;
        auto named = [&x](const char* name) -> cReferee& {
            return std::string(name) == "Zoe" ? x.zoe : x.adam;
        };
        for (const auto& [slot, name] : c.held) {
            x.match.SetOfficial(x.s.db, named(name).m_nIndex, slot);
        }
        const std::array<int, 5> before = x.match.m_nOfficial;
        cManualAssignValues values = cManualAssignValues::FromMatch(x.s.db, x.match);
        for (const auto& [row, name] : c.chosen) {
            values.Refill(x.s.db, x.match, row, false);
            ASSERT_TRUE(values.rows[static_cast<std::size_t>(row)].Select(named(name).m_nIndex));
        }
        const cValidation error = Validate(values, x.match);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->messageId, IDS_OFFICIAL_TWO_SLOTS);
        EXPECT_EQ(error->field, c.field);
        EXPECT_EQ(error->text, "An official cannot take two slots of one match!");

        EXPECT_FALSE(ApplyManualAssignment(x.s.db, x.match, values));
        ASSERT_EQ(x.s.prompt.m_shown.size(), 1u);
        EXPECT_EQ(x.s.prompt.m_shown[0].id, IDS_OFFICIAL_TWO_SLOTS);
        EXPECT_FALSE(x.s.prompt.m_shown[0].question);
        EXPECT_EQ(x.match.m_nOfficial, before);
        EXPECT_TRUE(GameCountErrors(x.s.db).empty());
    }
}

TEST(cManualAssignValues, TheHeadingNamesTheMatch)
{
    cManualScene x;
    x.match.m_nNumber = 3;
    const cManualAssignValues values = cManualAssignValues::FromMatch(x.s.db, x.match);
    EXPECT_EQ(values.heading, "L-3  Falcons 1 - Hawks 1, " + x.s.db.WeekdayOf(x.match.m_tStart) + " " +
                                  x.s.db.FormatDate(x.match.m_tStart) + " 10:00");
}

TEST(RemoveOfficials, ClearsTheChosenSlotsOfTheSelectedMatchesOnYes)
{
    struct cCase
    {
        const char* name;
        int slot;
        bool yes;
        std::vector<int> games; // Zoe, Adam, Mia afterwards
    };
    const std::vector<cCase> cases = {
        {"2. officials", 1, true, {3, 1, 1}},
        {"all officials", -1, true, {0, 1, 1}},
        {"answered No", 1, false, {3, 3, 1}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cManualScene x;
        std::vector<cMatch*> selected = {&x.match, &x.Game(7), &x.Game(14)};
        for (cMatch* match : selected) {
            x.s.Hold(*match, 0, x.zoe);
        }
        x.s.Hold(*selected[0], 1, x.adam);
        x.s.Hold(*selected[2], 1, x.adam);
        x.s.Hold(x.Game(21), 1, x.adam); // not selected
        x.s.Hold(x.Game(28), 0, x.mia);  // not selected
        x.s.prompt.Answer(c.yes);
        EXPECT_EQ(RemoveOfficials(x.s.db, selected, c.slot), c.yes);
        EXPECT_EQ(x.s.prompt.Ids(), std::vector<int>{IDS_REMOVE_OFFICIALS_QUESTION});
        EXPECT_EQ((std::vector<int>{x.zoe.m_nGames, x.adam.m_nGames, x.mia.m_nGames}), c.games);
        for (const cMatch& match : x.s.db.Scheduled().AllItems<cMatch>()) {
            EXPECT_EQ(match.m_bMarked, 0);
        }
        EXPECT_TRUE(GameCountErrors(x.s.db).empty());
    }
}

TEST(RemoveOfficials, ASlotBeyondTheOfficialsPerGameIsNotOffered)
{
    cManualScene x;
    EXPECT_FALSE(RemoveOfficials(x.s.db, {&x.match}, 2));
    EXPECT_TRUE(x.s.prompt.m_shown.empty());
}

TEST(cOfficialSettings, ChecksTheNumbersInTheDialogsOrder)
{
    using S = cOfficialSettings;
    struct cCase
    {
        const char* name;
        std::function<void(S&)> change;
        int field;
        const char* text;
    };
    const std::vector<cCase> cases = {
        {"officials per game", [](S& v) { v.officialsPerGame = 6; }, S::kFieldOfficialsPerGame,
         "Please enter an integer between 1 and 5."},
        {"days between games", [](S& v) { v.minDaysBetweenGames = -1; }, S::kFieldMinDaysBetweenGames,
         "Please enter an integer between 0 and 365."},
        {"subsequent games", [](S& v) { v.maxSubsequentGames = 100; }, S::kFieldMaxSubsequentGames,
         "Please enter an integer between 1 and 99."},
        {"margin", [](S& v) { v.conflictMargin = 1441; }, S::kFieldConflictMargin,
         "Please enter an integer between 0 and 1440."},
        {"the first wrong field is named",
         [](S& v) {
             v.conflictMargin = -1;
             v.maxSubsequentGames = 0;
         },
         S::kFieldMaxSubsequentGames, nullptr},
    };
    cOfficialsSeason s;
    EXPECT_FALSE(Validate(S::FromDatabase(s.db)).has_value());
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        S values = S::FromDatabase(s.db);
        c.change(values);
        const cValidation error = Validate(values);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->messageId, IDS_ENTER_INTEGER_BETWEEN);
        EXPECT_EQ(error->field, c.field);
        if (c.text != nullptr) {
            EXPECT_EQ(error->text, c.text);
        }
    }
}

TEST(cOfficialSettings, ApplyRecomputesTheRatingBandsOfEveryLeague)
{
    cOfficialsSeason s;
    cLeague& wide = s.League("W");
    cLeague& narrow = s.League("N");
    narrow.m_nMinOfficialRating = 4;
    narrow.m_nMaxOfficialRating = 4;
    s.db.SetModifiedFlag(false);
    cOfficialSettings values = cOfficialSettings::FromDatabase(s.db);
    values.officialsPerGame = 4;
    values.ignoreHolidays = true;
    values.ApplyTo(s.db);
    EXPECT_TRUE(s.db.IsModified());
    EXPECT_EQ(s.db.m_nOfficialsPerGame, 4);
    EXPECT_EQ(s.db.m_bIgnoreHolidays, 1);
    EXPECT_EQ(wide.m_nMinRatingOfficial, (std::array<int, 5>{1, 3, 5, 7, 0}));
    EXPECT_EQ(wide.m_nMaxRatingOfficial, (std::array<int, 5>{3, 5, 7, 9, 0}));
    EXPECT_EQ(narrow.m_nMinRatingOfficial, (std::array<int, 5>{4, 4, 4, 4, 0}));
    EXPECT_EQ(narrow.m_nMaxRatingOfficial, (std::array<int, 5>{4, 4, 4, 4, 0}));
    values.officialsPerGame = 5;
    values.ApplyTo(s.db);
    EXPECT_EQ(wide.m_nMinRatingOfficial, (std::array<int, 5>{1, 3, 5, 6, 8}));
    EXPECT_EQ(wide.m_nMaxRatingOfficial, (std::array<int, 5>{2, 4, 5, 7, 9}));
}

} // namespace
