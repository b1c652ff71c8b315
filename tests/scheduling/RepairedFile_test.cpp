#include "SchedulingTestSupport.h"
#include "document/CTournelDoc.h"
#include "document/DatabaseFile.h"
#include "model/Strings.h"
#include "scheduling/AutoScheduler.h"
#include "support/cSeasonInvariants.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// A season whose file holds free court time the program never stores: a
// period over a scheduled match, the same evening twice on one court, and
// overlapping periods on the other.
std::string DamagedSeason()
{
    cTestSeason season;
    const cCourt& first = season.Court("C1");
    const cCourt& second = season.Court("C2");
    cLeague& league = season.League("A", 6);
    league.m_nGameDuration = 60;
    league.m_tsRestSameTeam = 0;
    league.m_tsRestSamePair = 0;
    league.m_nMatchesPerDay = 99;
    cMatch& scheduled = season.Scheduled(league, 1, 2, 1, first, At(0, 1900), 1);
    scheduled.GetResult()->CopyPairing(scheduled); // the file links them by pairing
    const auto store = [&](const cCourt& court, int day, int from, int to) {
        season.db.CourtTime().AddItem(
            std::make_unique<cUnusedTime>(court.m_nIndex, At(day, from), At(day, to)), true);
    };
    store(first, 0, 1800, 2200);
    store(first, 1, 1800, 2100);
    store(first, 1, 1800, 2100);
    store(second, 1, 1800, 2000);
    store(second, 1, 1900, 2100);
    return WriteDatabase(season.db);
}

// Every pair of scheduled matches that share a court at the same time.
std::vector<std::string> DoubleBookings(const cDatabase& db)
{
    std::vector<const cMatch*> matches;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        matches.push_back(&match);
    }
    std::vector<std::string> out;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        for (std::size_t j = i + 1; j < matches.size(); ++j) {
            const cMatch& a = *matches[i];
            const cMatch& b = *matches[j];
            if (a.m_nCourt == b.m_nCourt && a.m_tStart < b.m_tEnd && b.m_tStart < a.m_tEnd) {
                out.push_back("court " + std::to_string(a.m_nCourt) + " at " + std::to_string(a.m_tStart) +
                              " and " + std::to_string(b.m_tStart));
            }
        }
    }
    return out;
}

// The file read as it is, without the repair, lets the scheduler put two
// matches on one court at once: the defect is real.
TEST(RepairedFile, UnrepairedFreeTimeWouldDoubleBookACourt)
{
    cDatabase db;
    cScriptedPrompt prompt;
    db.SetPrompt(&prompt);
    db.m_random.Seed(7);
    ASSERT_EQ(ReadDatabase(DamagedSeason(), db, prompt), eReadStatus::kOk);
    ScheduleAutomatically(db);
    EXPECT_FALSE(DoubleBookings(db).empty());
}

TEST(RepairedFile, TheSchedulerDoubleBooksNothingOnARepairedFile)
{
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("tournel-repaired-" + std::to_string(::getpid())))
            .string();
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/season.tnd";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << DamagedSeason();
    }
    cScriptedPrompt prompt;
    CTournelDoc doc;
    doc.SetPrompt(&prompt);
    doc.SetFixedSeed(7);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    std::filesystem::remove_all(folder);
    ASSERT_FALSE(prompt.m_shown.empty());
    EXPECT_EQ(prompt.m_shown.front().id, IDS_COURT_TIME_REPAIRED);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(CheckInvariants(doc), std::vector<std::string>{});

    const cScheduleRun run = ScheduleAutomatically(doc);
    EXPECT_GT(run.placed, 0);
    EXPECT_EQ(DoubleBookings(doc), std::vector<std::string>{});
    EXPECT_EQ(CheckInvariants(doc), std::vector<std::string>{});
}

} // namespace
