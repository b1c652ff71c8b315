#include "document/CTournelDoc.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/MatchGeneration.h"
#include "support/SaveOpenSave.h"
#include "support/cScriptedPrompt.h"
#include "support/cSeasonInvariants.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string Joined(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        out += line + "\n";
    }
    return out;
}

class cSavedSeason : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.SetPrompt(&prompt);
        db.m_random.Seed(5);
        GenerateSeason(db, cSeasonShape::Small());
        ScheduleAutomatically(db);
        db.m_nLeagueFilter = 1;
        db.Scheduled().Refresh();
        db.Results().Refresh();
    }
    void TearDown() override { db.SetPrompt(nullptr); }

    cDatabase db;
    cScriptedPrompt prompt;
};

TEST_F(cSavedSeason, SavingTheReopenedSeasonGivesTheSameBytes)
{
    ASSERT_NE(db.Results().m_bUpToDate, 0);
    const cSaveOpenSave trip = SaveOpenSave(db);
    ASSERT_TRUE(trip.opened);
    EXPECT_GT(trip.saved.size(), 1000u);
    EXPECT_TRUE(trip.Same());

    const std::unique_ptr<CTournelDoc> doc = OpenFromBytes(trip.saved);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(Joined(CheckInvariants(*doc)), "");
    EXPECT_EQ(OccupiedCourtTime(*doc), OccupiedCourtTime(db));
    EXPECT_EQ(doc->Scheduled().GetCount(), db.Scheduled().GetCount());
    EXPECT_EQ(doc->m_nLeagueFilter, 1);
}

TEST_F(cSavedSeason, AResultTheFileCannotLinkIsLostAndShowsInTheBytes)
{
    // The file links results by pairing: one that no longer matches its match
    // does not survive the reopening.
    static_cast<cMatch*>(db.Scheduled().GetHead())->GetResult()->m_nRound = 9;
    const cSaveOpenSave trip = SaveOpenSave(db);
    ASSERT_TRUE(trip.opened);
    EXPECT_FALSE(trip.Same());
    EXPECT_LT(trip.resaved.size(), trip.saved.size());
}

TEST(OpenFromBytes, RefusesWhatIsNotADatabase)
{
    EXPECT_EQ(OpenFromBytes("not a season"), nullptr);
    cDatabase empty;
    const std::string bytes = SaveToBytes(empty);
    EXPECT_EQ(OpenFromBytes(std::string_view(bytes).substr(0, bytes.size() / 2)), nullptr);
    EXPECT_NE(OpenFromBytes(bytes), nullptr);
}

} // namespace
