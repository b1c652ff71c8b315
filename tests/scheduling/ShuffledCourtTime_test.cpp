#include "document/CTournelDoc.h"
#include "document/DatabaseFile.h"
#include "model/CourtTime.h"
#include "model/cDatabase.h"
#include "model/cUnusedTime.h"
#include "model/cUserPrompt.h"
#include "scheduling/AutoScheduler.h"
#include "support/cScriptedPrompt.h"
#include "support/cSeasonInvariants.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

// Files of this format written elsewhere hold their free court time out of
// start order: a period whose start a match took keeps its place there.
// Reading such a file must keep every free minute and tell nothing.

namespace {

// Per court, its free time as sorted disjoint intervals, touching ones
// joined: equal exactly when the courts have the same free minutes.
std::map<int, std::vector<cInterval>> FreeTime(const cDatabase& db)
{
    std::map<int, std::vector<cInterval>> spans;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        spans[period.m_nCourt].emplace_back(period.m_tStart, period.m_tEnd);
    }
    for (auto& [court, list] : spans) {
        std::sort(list.begin(), list.end());
        std::vector<cInterval> joined;
        for (const cInterval& span : list) {
            if (!joined.empty() && span.first <= joined.back().second) {
                joined.back().second = std::max(joined.back().second, span.second);
            } else {
                joined.push_back(span);
            }
        }
        list = std::move(joined);
    }
    return spans;
}

long long TotalMinutes(const cDatabase& db)
{
    long long seconds = 0;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        seconds += period.m_tEnd - period.m_tStart;
    }
    return seconds / 60;
}

// The bytes of `db` with its free periods stored in the order `reorder`
// gives their list positions.
template <class F> std::string WithPeriodsReordered(cDatabase& db, F&& reorder)
{
    std::vector<std::unique_ptr<cDbItem>> periods;
    while (cDbItem* head = db.CourtTime().GetHead()) {
        periods.push_back(db.CourtTime().RemoveItem(*head));
    }
    reorder(periods);
    for (std::unique_ptr<cDbItem>& period : periods) {
        db.CourtTime().AddItem(std::move(period), false);
    }
    return WriteDatabase(db);
}

class cOpenedFile
{
public:
    cOpenedFile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tournel-shuffled-XXXXXX").string();
        m_folder = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
        doc.SetPrompt(&prompt);
    }
    ~cOpenedFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    // Opens the bytes as File › Open does.
    bool Open(const std::string& bytes)
    {
        const std::string path = m_folder + "/season.tnd";
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out << bytes;
        }
        return doc.OnOpenDocument(path);
    }

    cScriptedPrompt prompt;
    CTournelDoc doc;

private:
    std::string m_folder;
};

// Generated seasons, part of each scheduled so that matches have cut the
// evenings into pieces, saved with their free periods shuffled: opened,
// every court has the same free minutes, nothing is told, and the database
// is the one that was saved, byte for byte.
TEST(ShuffledCourtTime, GeneratedSeasonsKeepEveryFreeMinute)
{
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        cDatabase db;
        cSilentPrompt silent;
        db.SetPrompt(&silent);
        db.m_random.Seed(seed);
        cSeasonShape shape = cSeasonShape::Small();
        shape.seed = seed;
        shape.weeks = 12 + 4 * static_cast<int>(seed);
        GenerateSeason(db, shape);
        if (seed % 2 == 0) {
            ScheduleAutomatically(db);
        }
        const std::string inOrder = WriteDatabase(db);
        const std::map<int, std::vector<cInterval>> before = FreeTime(db);
        const int periods = db.CourtTime().GetCount();
        ASSERT_GT(periods, 50);

        std::mt19937 rng(seed);
        const std::string shuffled =
            WithPeriodsReordered(db, [&rng](auto& items) { std::shuffle(items.begin(), items.end(), rng); });
        ASSERT_NE(shuffled, inOrder);

        cOpenedFile file;
        ASSERT_TRUE(file.Open(shuffled));
        EXPECT_EQ(FreeTime(file.doc), before);
        EXPECT_EQ(file.doc.CourtTime().GetCount(), periods);
        EXPECT_TRUE(file.prompt.m_shown.empty());
        EXPECT_FALSE(file.doc.IsModified());
        EXPECT_EQ(CheckInvariants(file.doc), std::vector<std::string>{});
        // Only a file is refused its lists' up-to-date flags.
        file.doc.CourtTime().m_bUpToDate = db.CourtTime().m_bUpToDate;
        file.doc.Unscheduled().m_bUpToDate = db.Unscheduled().m_bUpToDate;
        file.doc.Scheduled().m_bUpToDate = db.Scheduled().m_bUpToDate;
        file.doc.Results().m_bUpToDate = db.Results().m_bUpToDate;
        EXPECT_TRUE(WriteDatabase(file.doc) == inOrder);
    }
}

// The example season with two periods of one court swapped in the file:
// all 180 periods and 50,400 free minutes are read, and nothing is told.
TEST(ShuffledCourtTime, TheExampleSeasonWithTwoPeriodsSwapped)
{
    std::ifstream in(TOURNEL_EXAMPLE_SEASON, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    cDatabase db;
    cSilentPrompt silent;
    ASSERT_EQ(ReadDatabase(bytes.str(), db, silent), eReadStatus::kOk);
    ASSERT_EQ(db.CourtTime().GetCount(), 180);
    ASSERT_EQ(TotalMinutes(db), 50'400);
    const std::map<int, std::vector<cInterval>> before = FreeTime(db);

    // The first period of the list and the fifth, a later one of its court.
    const std::string swapped = WithPeriodsReordered(db, [](auto& items) {
        ASSERT_EQ(static_cast<const cUnusedTime&>(*items[0]).m_nCourt,
                  static_cast<const cUnusedTime&>(*items[4]).m_nCourt);
        std::swap(items[0], items[4]);
    });

    cOpenedFile file;
    ASSERT_TRUE(file.Open(swapped));
    EXPECT_EQ(file.doc.CourtTime().GetCount(), 180);
    EXPECT_EQ(TotalMinutes(file.doc), 50'400);
    EXPECT_EQ(FreeTime(file.doc), before);
    EXPECT_TRUE(file.prompt.m_shown.empty());
    EXPECT_FALSE(file.doc.IsModified());
    EXPECT_TRUE(file.doc.CourtTime().IsInOrder());

    // The undo step's reader reads the same way.
    CTournelDoc undone;
    undone.SetPrompt(&file.prompt);
    ASSERT_TRUE(undone.RestoreSnapshot(swapped));
    EXPECT_TRUE(undone.CourtTime().IsInOrder());
    EXPECT_EQ(FreeTime(undone), before);
}

} // namespace
