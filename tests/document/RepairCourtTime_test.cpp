#include "DocTestSupport.h"
#include "document/CTournelDoc.h"
#include "document/DatabaseFile.h"
#include "document/RepairCourtTime.h"
#include "model/CourtTime.h"
#include "model/Strings.h"
#include "model/cMatch.h"
#include "model/cUnusedTime.h"
#include "support/TestBuilders.h"
#include "support/cScriptedPrompt.h"

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <vector>

namespace {

// Thursday 27 March 2025 + `day` days at hhmm, in the week before daylight
// saving starts; 2400 is 00:00 of the next day.
TimePoint On(int day, int hhmm)
{
    return MakeTimePoint(2025, 3, 27 + day + hhmm / 2400, hhmm % 2400 / 100, hhmm % 100, 0);
}

struct cPeriod
{
    int court;
    TimePoint start;
    TimePoint end;

    bool operator==(const cPeriod&) const = default;
};

void PrintTo(const cPeriod& p, std::ostream* out)
{
    *out << "{court " << p.court << ", " << p.start << "-" << p.end << "}";
}

std::vector<cPeriod> Periods(const cDatabase& db)
{
    std::vector<cPeriod> out;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        out.push_back({period.m_nCourt, period.m_tStart, period.m_tEnd});
    }
    return out;
}

// The bytes of a database with two courts (indexes 0 and 1), the free periods
// stored as they are given, unmerged and in the order given, and matches on
// the given intervals.
std::string FileWith(const std::vector<cPeriod>& periods, const std::vector<cPeriod>& matches)
{
    cDatabase db;
    BuildCourt(db, "Arena", "A");
    BuildCourt(db, "Hall", "H");
    for (const cPeriod& p : periods) {
        db.CourtTime().AddItem(std::make_unique<cUnusedTime>(p.court, p.start, p.end), false);
    }
    for (const cPeriod& m : matches) {
        auto match = std::make_unique<cMatch>();
        match->m_nCourt = m.court;
        match->m_tStart = m.start;
        match->m_tEnd = m.end;
        db.Scheduled().AddItem(std::move(match), true);
    }
    return WriteDatabase(db);
}

struct CourtTimeRepair : ::testing::Test
{
    CourtTimeRepair()
    {
        doc.m_fnClock = [] { return kT0; };
        doc.SetPrompt(&prompt);
        doc.OnNewDocument();
    }

    void Open(const std::string& bytes)
    {
        WriteBytes(folder / "season.tnd", bytes);
        ASSERT_TRUE(doc.OnOpenDocument(folder / "season.tnd"));
    }

    std::vector<int> ShownIds() const
    {
        std::vector<int> ids;
        for (const auto& shown : prompt.m_shown) {
            ids.push_back(shown.id);
        }
        return ids;
    }

    cScriptedPrompt prompt;
    CTournelDoc doc;
    cTempFolder folder;
};

struct cRepairCase
{
    const char* name;
    std::vector<cPeriod> periods;  // as stored in the file
    std::vector<cPeriod> matches;  // scheduled
    std::vector<cPeriod> expected; // free time after opening, in list order
    bool repaired;
};

TEST_F(CourtTimeRepair, EachDefectOfTheFreeTimeIsRepairedOnOpening)
{
    const std::vector<cRepairCase> cases = {
        {"end equal to start",
         {{0, On(0, 1000), On(0, 1000)}, {0, On(0, 1400), On(0, 1600)}},
         {},
         {{0, On(0, 1400), On(0, 1600)}},
         true},
        {"end before start",
         {{0, On(0, 1600), On(0, 1400)}, {1, On(0, 1400), On(0, 1600)}},
         {},
         {{1, On(0, 1400), On(0, 1600)}},
         true},
        {"overlapping periods of one court",
         {{0, On(0, 1000), On(0, 1200)}, {0, On(0, 1100), On(0, 1300)}},
         {},
         {{0, On(0, 1000), On(0, 1300)}},
         true},
        {"the same period twice",
         {{0, On(0, 1000), On(0, 1200)}, {0, On(0, 1000), On(0, 1200)}},
         {},
         {{0, On(0, 1000), On(0, 1200)}},
         true},
        {"a period inside another",
         {{0, On(0, 1000), On(0, 1400)}, {0, On(0, 1100), On(0, 1200)}},
         {},
         {{0, On(0, 1000), On(0, 1400)}},
         true},
        {"touching periods",
         {{0, On(0, 1000), On(0, 1200)}, {0, On(0, 1200), On(0, 1400)}},
         {},
         {{0, On(0, 1000), On(0, 1400)}},
         true},
        // AddCourtTime, adding the last one to the other two, would leave
        // 0900-1000 beside 1000-1200.
        {"a chain of touching periods",
         {{0, On(0, 900), On(0, 1000)}, {0, On(0, 1000), On(0, 1100)}, {0, On(0, 1100), On(0, 1200)}},
         {},
         {{0, On(0, 900), On(0, 1200)}},
         true},
        {"a period over a scheduled match",
         {{0, On(0, 1000), On(0, 1400)}},
         {{0, On(0, 1100), On(0, 1230)}},
         {{0, On(0, 1000), On(0, 1100)}, {0, On(0, 1230), On(0, 1400)}},
         true},
        {"a period running into a match",
         {{0, On(0, 1000), On(0, 1200)}},
         {{0, On(0, 1100), On(0, 1300)}},
         {{0, On(0, 1000), On(0, 1100)}},
         true},
        {"a period inside a match",
         {{0, On(0, 1100), On(0, 1200)}},
         {{0, On(0, 1000), On(0, 1300)}},
         {},
         true},
        {"overlapping periods over two matches",
         {{0, On(0, 1000), On(0, 1300)}, {0, On(0, 1100), On(0, 1600)}},
         {{0, On(0, 1130), On(0, 1200)}, {0, On(0, 1400), On(0, 1500)}},
         {{0, On(0, 1000), On(0, 1130)}, {0, On(0, 1200), On(0, 1400)}, {0, On(0, 1500), On(0, 1600)}},
         true},
        {"a period on a court that does not exist",
         {{7, On(0, 1000), On(0, 1200)}, {-1, On(0, 1000), On(0, 1200)}, {1, On(0, 1000), On(0, 1200)}},
         {},
         {{1, On(0, 1000), On(0, 1200)}},
         true},
        {"a period past midnight over the next day's",
         {{0, On(0, 2000), On(1, 300)}, {0, On(1, 100), On(1, 500)}},
         {},
         {{0, On(0, 2000), On(1, 300)}, {0, On(1, 300), On(1, 500)}},
         true},
        // Cut down to the end of the first, the second starts on the third
        // day and touches the third period: merged in a second pass.
        {"periods over two midnights",
         {{0, On(0, 2000), On(2, 300)}, {0, On(1, 2300), On(2, 500)}, {0, On(2, 500), On(2, 600)}},
         {},
         {{0, On(0, 2000), On(2, 300)}, {0, On(2, 300), On(2, 600)}},
         true},
        {"a period off whole minutes",
         {{0, On(0, 1000) + 30, On(0, 1200) + 10}},
         {},
         {{0, On(0, 1001), On(0, 1200)}},
         true},
        {"a period shorter than a minute",
         {{0, On(0, 1000) + 10, On(0, 1000) + 50}, {1, On(0, 1000), On(0, 1100)}},
         {},
         {{1, On(0, 1000), On(0, 1100)}},
         true},
        // Compared in whole minutes, the two would merge over the match
        // between them for ever.
        {"periods seconds apart around a short match",
         {{0, On(0, 900), On(0, 1000) + 30}, {0, On(0, 1000) + 50, On(0, 1100)}},
         {{0, On(0, 1000) + 30, On(0, 1000) + 50}},
         {{0, On(0, 900), On(0, 1000)}, {0, On(0, 1001), On(0, 1100)}},
         true},
        // A period stored after a later one loses nothing to it.
        {"a period past midnight stored after the next day's",
         {{0, On(1, 100), On(1, 500)}, {0, On(0, 2000), On(1, 300)}},
         {},
         {{0, On(0, 2000), On(1, 300)}, {0, On(1, 300), On(1, 500)}},
         true},
        {"a period inside one of an earlier date, stored first",
         {{0, On(1, 100), On(1, 200)}, {0, On(0, 2000), On(1, 500)}},
         {},
         {{0, On(0, 2000), On(1, 500)}},
         true},
        // Merged with the period before it, the long period keeps what lies
        // beyond the next date's period inside it.
        {"a long period merged over a period of the next date",
         {{0, On(0, 1900), On(0, 2000)}, {0, On(0, 2000), On(1, 500)}, {0, On(1, 100), On(1, 200)}},
         {},
         {{0, On(0, 1900), On(1, 500)}},
         true},
        {"a long period cut by a match after a period of the next date",
         {{0, On(0, 2000), On(1, 500)}, {0, On(1, 100), On(1, 200)}},
         {{0, On(1, 300), On(1, 400)}},
         {{0, On(0, 2000), On(1, 300)}, {0, On(1, 400), On(1, 500)}},
         true},
        {"overlapping periods stored latest first",
         {{0, On(0, 1400), On(0, 1700)}, {0, On(0, 1200), On(0, 1500)}, {0, On(0, 1000), On(0, 1300)}},
         {},
         {{0, On(0, 1000), On(0, 1700)}},
         true},
        // What the program itself stores is left alone, in whatever order.
        {"periods out of order",
         {{0, On(2, 1000), On(2, 1200)},
          {1, On(0, 1800), On(0, 2000)},
          {0, On(0, 1000), On(0, 1200)},
          {0, On(1, 1000), On(1, 1200)},
          {1, On(0, 1000), On(0, 1100)}},
         {{0, On(0, 1200), On(0, 1300)}},
         {{0, On(0, 1000), On(0, 1200)},
          {1, On(0, 1000), On(0, 1100)},
          {1, On(0, 1800), On(0, 2000)},
          {0, On(1, 1000), On(1, 1200)},
          {0, On(2, 1000), On(2, 1200)}},
         false},
        {"a period past midnight stored after the next day's that it touches",
         {{0, On(1, 0), On(1, 200)}, {0, On(0, 2200), On(1, 0)}},
         {},
         {{0, On(0, 2200), On(1, 0)}, {0, On(1, 0), On(1, 200)}},
         false},
        {"periods touching matches",
         {{0, On(0, 1000), On(0, 1100)}, {0, On(0, 1230), On(0, 1400)}},
         {{0, On(0, 1100), On(0, 1230)}},
         {{0, On(0, 1000), On(0, 1100)}, {0, On(0, 1230), On(0, 1400)}},
         false},
        {"the same time on two courts",
         {{0, On(0, 1000), On(0, 1200)}, {1, On(0, 1000), On(0, 1200)}},
         {{1, On(1, 1000), On(1, 1200)}},
         {{0, On(0, 1000), On(0, 1200)}, {1, On(0, 1000), On(0, 1200)}},
         false},
        {"a gap of a minute",
         {{0, On(0, 1000), On(0, 1200)}, {0, On(0, 1201), On(0, 1300)}},
         {},
         {{0, On(0, 1000), On(0, 1200)}, {0, On(0, 1201), On(0, 1300)}},
         false},
        {"until 2400 and from 0000 the next day",
         {{0, On(0, 2200), On(0, 2400)}, {0, On(1, 0), On(1, 200)}},
         {},
         {{0, On(0, 2200), On(0, 2400)}, {0, On(1, 0), On(1, 200)}},
         false},
    };
    for (const cRepairCase& c : cases) {
        SCOPED_TRACE(c.name);
        prompt.m_shown.clear();
        const std::string bytes = FileWith(c.periods, c.matches);
        Open(bytes);
        EXPECT_EQ(Periods(doc), c.expected);
        EXPECT_EQ(doc.IsModified(), c.repaired);
        if (c.repaired) {
            EXPECT_EQ(ShownIds(), std::vector<int>{IDS_COURT_TIME_REPAIRED});
            // Repaired once is repaired for good.
            EXPECT_EQ(RepairCourtTime(doc), 0);
        } else {
            EXPECT_TRUE(prompt.m_shown.empty());
            // Byte for byte what the reader alone makes of the file.
            cDatabase readOnly;
            cSilentPrompt silent;
            ASSERT_EQ(ReadDatabase(bytes, readOnly, silent), eReadStatus::kOk);
            EXPECT_EQ(WriteDatabase(doc), WriteDatabase(readOnly));
        }
    }
}

TEST_F(CourtTimeRepair, SeveralDefectsAreToldOnceAndTheRepairIsSaved)
{
    Open(FileWith({{0, On(0, 1000), On(0, 1000)},
                   {0, On(0, 1000), On(0, 1200)},
                   {0, On(0, 1100), On(0, 1300)},
                   {5, On(1, 1000), On(1, 1200)}},
                  {{0, On(0, 1130), On(0, 1200)}}));
    EXPECT_EQ(ShownIds(), std::vector<int>{IDS_COURT_TIME_REPAIRED});
    EXPECT_TRUE(doc.IsModified());
    const std::vector<cPeriod> repaired = {{0, On(0, 1000), On(0, 1130)}, {0, On(0, 1200), On(0, 1300)}};
    EXPECT_EQ(Periods(doc), repaired);

    ASSERT_TRUE(doc.OnSaveDocument(folder / "season.tnd"));
    prompt.m_shown.clear();
    ASSERT_TRUE(doc.OnOpenDocument(folder / "season.tnd"));
    EXPECT_TRUE(prompt.m_shown.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Periods(doc), repaired);
}

// What the program never stores: a list out of order, periods that overlap
// each other or a match, or two that AddCourtTime would have merged.
std::vector<std::string> Defects(const cDatabase& db)
{
    std::vector<std::string> out;
    if (!db.CourtTime().IsInOrder()) {
        out.push_back("out of order");
    }
    std::vector<const cUnusedTime*> periods;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        for (const cUnusedTime* other : periods) {
            if (other->m_nCourt == period.m_nCourt && other->m_tStart < period.m_tEnd &&
                period.m_tStart < other->m_tEnd) {
                out.push_back("overlap at " + std::to_string(period.m_tStart));
            } else if (PeriodsMerge(*other, period)) {
                out.push_back("not merged at " + std::to_string(period.m_tStart));
            }
        }
        for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            if (match.m_nCourt == period.m_nCourt && match.m_tStart < period.m_tEnd &&
                period.m_tStart < match.m_tEnd) {
                out.push_back("over a match at " + std::to_string(period.m_tStart));
            }
        }
        periods.push_back(&period);
    }
    return out;
}

// Per court, every free minute (as minutes since 1970) of the periods on the
// two courts, less those a match touches.
std::map<int, std::set<long long>> FreeMinutes(const std::vector<cPeriod>& periods,
                                               const std::vector<cPeriod>& matches)
{
    std::map<int, std::set<long long>> minutes;
    for (const cPeriod& p : periods) {
        if (p.court == 0 || p.court == 1) {
            for (TimePoint t = p.start; t < p.end; t += 60) {
                minutes[p.court].insert(t / 60);
            }
        }
    }
    for (const cPeriod& m : matches) {
        for (TimePoint t = m.start; t < m.end; t += 60) {
            minutes[m.court].erase(t / 60);
        }
    }
    std::erase_if(minutes, [](const auto& court) { return court.second.empty(); });
    return minutes;
}

// Free time in whole minutes stored in any order, over three days and the
// night into the fourth (when daylight saving starts), with periods of up to
// a day and a half, stored twice, and a court that does not exist: the
// repair keeps every minute that no match covers and leaves what the program
// keeps, whatever the order of the file.
TEST_F(CourtTimeRepair, NoFreeMinuteThatNoMatchCoversIsLost)
{
    std::mt19937 rng(20250327);
    const auto pick = [&rng](int from, int to) { return std::uniform_int_distribution<int>(from, to)(rng); };
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::vector<cPeriod> periods;
        const int count = pick(1, 8);
        for (int i = 0; i < count; ++i) {
            const TimePoint start = On(pick(0, 2), 0) + 60LL * 15 * pick(0, 95);
            const int minutes = pick(0, 4) == 0 ? 15 * pick(1, 144) : 15 * pick(1, 16);
            periods.push_back({pick(0, 9) == 0 ? 7 : pick(0, 1), start, start + 60LL * minutes});
            if (pick(0, 9) == 0) {
                periods.push_back(periods.back());
            }
        }
        std::vector<cPeriod> matches;
        for (int i = pick(0, 3); i > 0; --i) {
            const TimePoint start = On(pick(0, 2), 0) + 60LL * 15 * pick(0, 95);
            matches.push_back({pick(0, 1), start, start + 60LL * 15 * pick(1, 8)});
        }
        std::shuffle(periods.begin(), periods.end(), rng);
        prompt.m_shown.clear();
        Open(FileWith(periods, matches));

        EXPECT_EQ(FreeMinutes(Periods(doc), {}), FreeMinutes(periods, matches));
        EXPECT_EQ(Defects(doc), std::vector<std::string>{});
        EXPECT_EQ(RepairCourtTime(doc), 0);
        // Told exactly when something had to change.
        std::vector<cPeriod> sorted = periods;
        std::stable_sort(sorted.begin(), sorted.end(), [](const cPeriod& a, const cPeriod& b) {
            return a.start != b.start ? a.start < b.start : a.court < b.court;
        });
        EXPECT_EQ(doc.IsModified(), Periods(doc) != sorted);
        EXPECT_EQ(prompt.m_shown.size(), Periods(doc) != sorted ? 1u : 0u);
    }
}

TEST_F(CourtTimeRepair, GoldenFilesNeedNoRepair)
{
    for (const char* name : {"empty", "full"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(doc.OnOpenDocument(GoldenPath(name)));
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(RepairCourtTime(doc), 0);
    }
    EXPECT_TRUE(prompt.m_shown.empty());
}

} // namespace
