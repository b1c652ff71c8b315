#include "DocTestSupport.h"
#include "document/CTournelDoc.h"
#include "document/DatabaseFile.h"
#include "document/cDirectoryPath.h"
#include "document/cUndoHistory.h"
#include "model/cLeague.h"
#include "model/cReferee.h"
#include "model/cTeam.h"
#include "support/cScriptedPrompt.h"

#include <vector>

namespace {

std::string Bytes(int n)
{
    return "state " + std::to_string(n);
}

TEST(cUndoHistory, UndoAndRedoWalkTheStepsInOrderAndANewStepDropsTheRedos)
{
    cUndoHistory history;
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Undo(Bytes(0)), "");
    history.Record("Insert Court", Bytes(0));
    history.Record("Move Match", Bytes(1));
    EXPECT_EQ(history.UndoName(), "Move Match");
    EXPECT_EQ(history.Undo(Bytes(2)), Bytes(1));
    EXPECT_EQ(history.UndoName(), "Insert Court");
    EXPECT_EQ(history.RedoName(), "Move Match");
    EXPECT_EQ(history.Undo(Bytes(1)), Bytes(0));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Redo(Bytes(0)), Bytes(1));
    EXPECT_EQ(history.RedoName(), "Move Match");
    // A new command where a step could be redone: that step is gone.
    history.Record("Delete Item", Bytes(1));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.RedoName(), "");
    EXPECT_EQ(history.UndoCount(), 2u);
    EXPECT_EQ(history.Undo(Bytes(3)), Bytes(1));
    EXPECT_EQ(history.Undo(Bytes(1)), Bytes(0));
}

// Operations on a history with their effect on "stands where it was saved".
TEST(cUndoHistory, TheSavedPositionDecidesTheModifiedFlag)
{
    struct cCase
    {
        const char* name;
        const char* operations; // r record, u undo, d redo, s save, c clear (opened), x clear (repaired)
        const char* atSaved;    // after each operation: 1 at the saved state, 0 not
    };
    const std::vector<cCase> cases = {
        {"a change, undone", "ru", "01"},
        {"saved, changed, undone", "sru", "101"},
        {"saved after a change, then undone", "rsu", "010"},
        {"undone and redone across a save", "rsudud", "010101"},
        {"saved after an undo, then redone", "rusd", "0110"},
        {"the saved state dropped with the redos", "rsurudu", "0100000"},
        {"a repaired file is modified until saved", "xrus", "0001"},
        {"opened again", "rurc", "0101"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cUndoHistory history;
        int n = 0;
        const std::string ops = c.operations;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            switch (ops[i]) {
            case 'r':
                history.Record("step", Bytes(n++));
                break;
            case 'u':
                history.Undo(Bytes(n++));
                break;
            case 'd':
                history.Redo(Bytes(n++));
                break;
            case 's':
                history.MarkSaved();
                break;
            case 'c':
                history.Clear(true);
                break;
            case 'x':
                history.Clear(false);
                break;
            }
            EXPECT_EQ(history.IsAtSaved(), c.atSaved[i] == '1') << "after operation " << i + 1;
        }
    }
}

TEST(cUndoHistory, KeepsTheNewestStepsUpToItsDepth)
{
    cUndoHistory history;
    const int recorded = static_cast<int>(cUndoHistory::kDefaultSteps) + 30;
    for (int i = 0; i < recorded; ++i) {
        history.Record("step " + std::to_string(i), Bytes(i));
    }
    ASSERT_EQ(history.UndoCount(), cUndoHistory::kDefaultSteps);
    std::string current = Bytes(recorded);
    for (int i = recorded - 1; i >= 30; --i) {
        EXPECT_EQ(history.UndoName(), "step " + std::to_string(i));
        const std::string back = history.Undo(current);
        ASSERT_EQ(back, Bytes(i));
        current = back;
    }
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.RedoCount(), cUndoHistory::kDefaultSteps);
}

TEST(cUndoHistory, AMemoryLimitNeverCutsBelowTheMinimumSteps)
{
    struct cCase
    {
        const char* name;
        std::size_t memory;
        std::size_t kept;
    };
    const std::size_t step = 1000;
    const std::vector<cCase> cases = {
        {"no room at all", 0, cUndoHistory::kMinimumSteps},
        {"room for 70 steps", 70 * step, 70},
        {"room for more than the depth", 1000 * step, cUndoHistory::kDefaultSteps},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cUndoHistory history(cUndoHistory::kDefaultSteps, c.memory);
        for (int i = 0; i < 200; ++i) {
            history.Record("step", std::string(step, static_cast<char>('a' + i % 26)));
        }
        EXPECT_EQ(history.UndoCount(), c.kept);
        EXPECT_EQ(history.MemoryUsed(), c.kept * step);
        history.Undo(std::string(step, 'z'));
        EXPECT_EQ(history.MemoryUsed(), c.kept * step);
        history.Clear();
        EXPECT_EQ(history.MemoryUsed(), 0u);
    }
}

// The full golden file opened as the window opens it.
struct cSnapshotTest : ::testing::Test
{
    cSnapshotTest()
    {
        doc.m_fnClock = [] { return kT0; };
        doc.SetPrompt(&prompt);
        EXPECT_TRUE(doc.OnOpenDocument(GoldenPath("full")));
    }
    cScriptedPrompt prompt;
    CTournelDoc doc;
};

TEST_F(cSnapshotTest, ASnapshotRestoredWritesTheSameBytesWhateverListsAreUpToDate)
{
    struct cCase
    {
        const char* name;
        bool courtTime, scheduled, results, courts, unscheduled;
        int courtFilter, leagueFilter;
    };
    const std::vector<cCase> cases = {
        {"all out of date, as opened", false, false, false, false, false, -1, -1},
        {"all up to date", true, true, true, true, true, -1, -1},
        {"up to date under a filter", true, true, true, true, true, 1, 1},
        {"some up to date under a filter", true, false, true, false, true, 2, 1},
        {"filtered lists out of date", false, false, false, true, false, 1, 2},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        doc.m_nCourtFilter = c.courtFilter;
        doc.m_nLeagueFilter = c.leagueFilter;
        const std::pair<cTournelDb*, bool> lists[] = {{&doc.CourtTime(), c.courtTime},
                                                      {&doc.Scheduled(), c.scheduled},
                                                      {&doc.Results(), c.results},
                                                      {&doc.Courts(), c.courts}};
        for (auto [list, upToDate] : lists) {
            list->m_bUpToDate = 0;
            if (upToDate) {
                list->Refresh();
            }
        }
        doc.Unscheduled().m_bUpToDate = c.unscheduled ? 1 : 0;
        // Court time freed near a match is added with its mark as it comes.
        if (cDbItem* period = doc.CourtTime().GetHead()) {
            period->m_bFiltered = 1 - period->m_bFiltered;
        }
        const std::string bytes = doc.Snapshot();
        ASSERT_TRUE(doc.RestoreSnapshot(bytes));
        EXPECT_EQ(doc.Snapshot(), bytes);
        EXPECT_EQ(doc.Unscheduled().m_bUpToDate, c.unscheduled ? 1 : 0);
    }
}

TEST_F(cSnapshotTest, RestoringKeepsTheFileNameAndTheModifiedFlag)
{
    const std::string bytes = doc.Snapshot();
    doc.m_strAuthor = "somebody else";
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.RestoreSnapshot(bytes));
    EXPECT_EQ(doc.m_strAuthor, "Åsa Öberg");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), GoldenPath("full"));
    EXPECT_FALSE(doc.RestoreSnapshot(bytes.substr(0, bytes.size() / 2)));
    EXPECT_EQ(doc.Snapshot(), bytes);
}

TEST_F(cSnapshotTest, ADirectoryIsFoundAgainAfterARestoreOrItsParentWhenGone)
{
    cLeague* league = nullptr;
    for (cLeague& each : doc.Leagues().AllItems<cLeague>()) {
        if (each.Teams().GetCount() > 0) {
            league = &each;
        }
    }
    ASSERT_NE(league, nullptr);
    cTeam& team = *league->Teams().AllItems<cTeam>().begin();
    const int leagueIndex = league->m_nIndex;
    const int teamIndex = team.m_nIndex;
    const cDirectoryPath root = cDirectoryPath::Of(nullptr);
    const cDirectoryPath scheduled = cDirectoryPath::Of(&doc.Scheduled());
    const cDirectoryPath leagueFolder = cDirectoryPath::Of(league);
    const cDirectoryPath table = cDirectoryPath::Of(&league->Table());
    const cDirectoryPath holidays = cDirectoryPath::Of(&team.Holidays());
    EXPECT_TRUE(root.IsRoot());
    EXPECT_FALSE(leagueFolder == table);

    ASSERT_TRUE(doc.RestoreSnapshot(doc.Snapshot()));
    cLeague* again = doc.GetLeague(leagueIndex);
    ASSERT_NE(again, nullptr);
    cTeam* teamAgain = doc.GetTeam(leagueIndex, teamIndex);
    ASSERT_NE(teamAgain, nullptr);
    EXPECT_EQ(root.Find(doc), nullptr);
    EXPECT_EQ(scheduled.Find(doc), &doc.Scheduled());
    EXPECT_EQ(leagueFolder.Find(doc), again);
    EXPECT_EQ(table.Find(doc), &again->Table());
    EXPECT_EQ(holidays.Find(doc), &teamAgain->Holidays());
    EXPECT_EQ(cDirectoryPath::Of(holidays.Find(doc)), holidays);

    // The team gone: its league's teams; the league gone: the leagues.
    ASSERT_TRUE(again->Teams().DeleteItem(*teamAgain, doc));
    EXPECT_EQ(holidays.Find(doc), &again->Teams());
    ASSERT_TRUE(doc.Leagues().DeleteItem(*again, doc));
    EXPECT_EQ(holidays.Find(doc), &doc.Leagues());
    EXPECT_EQ(table.Find(doc), &doc.Leagues());
}

} // namespace
