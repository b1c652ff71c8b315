// Showing, printing or exporting a list reads it: that must never ask the
// user or change the season. Only the command that regenerates the
// unscheduled matches may take reduced matches out of the schedule.

#include "SchedulingTestSupport.h"
#include "document/DatabaseFile.h"
#include "model/Strings.h"
#include "support/cScriptedPrompt.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

void Containers(cTournelDb& container, std::vector<cTournelDb*>& out)
{
    out.push_back(&container);
    for (cDbItem& item : container.AllItems<cDbItem>()) {
        for (int slot = 0; slot < cDbItem::kChildSlots; ++slot) {
            if (cTournelDb* child = item.GetChild(slot)) {
                Containers(*child, out);
            }
        }
    }
}

std::vector<cTournelDb*> EveryContainer(cDatabase& db)
{
    std::vector<cTournelDb*> out;
    for (cTournelDb* top :
         {static_cast<cTournelDb*>(&db.Courts()), &db.CourtTime(), static_cast<cTournelDb*>(&db.Leagues()),
          static_cast<cTournelDb*>(&db.Officials()), &db.Unscheduled(), &db.Scheduled(), &db.Results()}) {
        Containers(*top, out);
    }
    return out;
}

// What a list view does with every list: refresh it and read each column of each row.
void ReadEveryList(cDatabase& db)
{
    for (cTournelDb* container : EveryContainer(db)) {
        container->Refresh();
        for (const cDbItem* item = container->GetFirst(); item != nullptr;
             item = cTournelDb::GetNext(*item)) {
            for (int column = 0; column < static_cast<int>(container->GetColumns().size()); ++column) {
                (void)item->GetColumnText(column);
            }
        }
    }
}

TEST(ReadingLists, NeverAsksNorChangesTheSeasonOfAFileThatNeedsRegenerating)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    cLeague& league = season.League("A", 4, 1);
    // Regenerating would ask to take A-5 out of the schedule for the reduction.
    season.Scheduled(league, 3, 2, 1, court, At(4, 1900), 5);
    season.Playoff(court, At(5, 1800));
    league.m_nLastMatchNumber = 5;
    league.m_nMatchReduction = 2;
    season.db.m_nLeagueFilter = league.m_nIndex;
    // As the program saves it: the filter marks agree with the filter.
    for (cTournelDb* list : {&season.db.Scheduled(), &season.db.Results(), &season.db.CourtTime()}) {
        list->m_bUpToDate = 0;
        list->Refresh();
    }

    cDatabase db;
    cScriptedPrompt prompt;
    db.SetPrompt(&prompt);
    ASSERT_EQ(ReadDatabase(WriteDatabase(season.db), db, prompt), eReadStatus::kOk);
    ASSERT_EQ(db.Unscheduled().m_bUpToDate, 0);
    db.SetModifiedFlag(false); // as the document is once opened
    const std::string before = WriteDatabase(db);
    std::vector<int> upToDate;
    for (const cTournelDb* container : EveryContainer(db)) {
        upToDate.push_back(container->m_bUpToDate);
    }

    for (int pass = 0; pass < 2; ++pass) {
        ReadEveryList(db);
    }

    EXPECT_TRUE(prompt.m_shown.empty());
    EXPECT_FALSE(db.IsModified());
    EXPECT_EQ(db.Scheduled().GetCount(), 2);
    EXPECT_EQ(db.Unscheduled().m_bUpToDate, 0);
    // Apart from the marks of the lists brought up to date, not a byte has changed.
    const std::vector<cTournelDb*> containers = EveryContainer(db);
    ASSERT_EQ(containers.size(), upToDate.size());
    for (std::size_t i = 0; i < containers.size(); ++i) {
        containers[i]->m_bUpToDate = upToDate[i];
    }
    EXPECT_EQ(WriteDatabase(db), before);

    // The command step asks, and on Yes takes the twin out for good.
    prompt.Answer(true);
    RebuildUnscheduled(db);
    ASSERT_EQ(prompt.Ids(), std::vector<int>{IDS_REDUCTION_REMOVE_MATCH});
    EXPECT_EQ(db.Scheduled().GetCount(), 1);
    EXPECT_TRUE(db.IsModified());
}

} // namespace
