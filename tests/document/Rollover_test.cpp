#include "DocTestSupport.h"
#include "document/CTournelDoc.h"
#include "document/DatabaseFile.h"
#include "document/Rollover.h"
#include "model/CourtTime.h"
#include "model/StoredClasses.h"
#include "model/Strings.h"
#include "scheduling/MatchGeneration.h"
#include "standings/Standings.h"
#include "support/SaveOpenSave.h"
#include "support/TestBuilders.h"
#include "support/cScriptedPrompt.h"
#include "support/cSeasonInvariants.h"
#include "tools/seasongen/PlainSchedule.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <algorithm>
#include <memory>
#include <set>
#include <sstream>
#include <tuple>

namespace {

// Writes every stored field of items as text, a date as its weekday and
// local clock time only (so that a date moved by whole weeks reads the
// same), leaving out the fields named in `skipped` with everything below them.
class cKeptFieldsText
{
public:
    cKeptFieldsText(std::ostringstream& out, std::set<std::string_view> skipped)
        : m_out(out)
        , m_skipped(std::move(skipped))
    {
    }

    void Int(int field, const cField& f) { Put(f, std::to_string(field)); }
    void Time(TimePoint field, const cField& f)
    {
        const cLocalTime local = LocalTime(field);
        Put(f,
            StringPrintf("weekday %d %02d:%02d:%02d", local.weekday, local.hour, local.minute, local.second));
    }
    void Text(const std::string& field, const cField& f) { Put(f, field); }
    void Byte(std::uint8_t field, const cField& f) { Put(f, std::to_string(field)); }
    void Dword(std::uint32_t field, const cField& f) { Put(f, std::to_string(field)); }
    template <std::size_t N> void Ints(const std::array<int, N>& fields, const cField& f)
    {
        for (const int field : fields) {
            Put(f, std::to_string(field));
        }
    }
    template <std::size_t N>
    void IntPairs(const std::array<int, N>& first, const cField& f1, const std::array<int, N>& second,
                  const cField& f2)
    {
        Ints(first, f1);
        Ints(second, f2);
    }
    void Reserved(const cField&) {}
    void ReservedText(const cField&) {}
    template <class T> void Group(const T& part, const cField&) { T::Fields(part, *this); }
    void Version() {}
    void CheckVersion() {}
    void Items(const cTournelDb& container, const cField& f, unsigned)
    {
        if (m_skipped.contains(f.name)) {
            return;
        }
        m_out << f.name << " [" << container.GetCount() << "]\n";
        for (const cDbItem& item : container.AllItems<cDbItem>()) {
            WithStoredClass(item, [&]<class T>(const T& stored, std::string_view name) {
                m_out << name << " {\n";
                T::Fields(stored, *this);
                m_out << "}\n";
            });
        }
    }

private:
    void Put(const cField& f, const std::string& value)
    {
        if (!m_skipped.contains(f.name)) {
            m_out << f.name << '=' << value << '\n';
        }
    }

    std::ostringstream& m_out;
    std::set<std::string_view> m_skipped;
};

// The courts, leagues (teams, holidays, preferred times) and officials as
// cKeptFieldsText writes them, without what a new season starts afresh.
std::string KeptText(const cDatabase& db)
{
    std::ostringstream out;
    cKeptFieldsText text(out,
                         {"m_nLastMatchNumber", "table", "unscheduledList", "m_nGames", "m_nBonusPoints"});
    text.Items(db.Courts(), {.name = "courts"}, 0);
    text.Items(db.Leagues(), {.name = "leagues"}, 0);
    text.Items(db.Officials(), {.name = "officials"}, 0);
    return out.str();
}

// The bytes of the document settings alone, the document dates left out.
std::string SettingsBytes(const cDatabase& db)
{
    cDatabase probe;
    probe.Settings() = db.Settings();
    probe.m_tCreated = probe.m_tModified = 0;
    probe.m_nPlayoffCounter = 0; // playoff numbers start afresh
    return WriteDatabase(probe);
}

// Every holiday of leagues, teams and officials, in list order.
std::vector<TimePoint> HolidayDates(const cDatabase& db)
{
    std::vector<TimePoint> dates;
    const auto add = [&](const cTournelDb& holidays) {
        for (const cIllDate& holiday : holidays.AllItems<cIllDate>()) {
            dates.push_back(holiday.m_tStart);
            dates.push_back(holiday.m_tEnd);
        }
    };
    for (const cLeague& league : db.Leagues().AllItems<cLeague>()) {
        add(league.Holidays());
        for (const cTeam& team : league.Teams().AllItems<cTeam>()) {
            add(team.Holidays());
        }
    }
    for (const cReferee& official : db.Officials().AllItems<cReferee>()) {
        add(official.Holidays());
    }
    return dates;
}

template <class T, class F> bool Any(const cTournelDb& container, F predicate)
{
    for (const T& item : container.AllItems<T>()) {
        if (predicate(item)) {
            return true;
        }
    }
    return false;
}

// A played season across both clock changes: scheduled matches with
// results, counted tables, officials on matches and with holidays.
void MakePlayedSeason(cDatabase& db, const cSeasonShape& shape = cSeasonShape::AcrossClockChanges())
{
    GenerateSeason(db, shape);
    // Each team with its table row, as a team entered in the window gets one.
    for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
        for (const cTeam& team : league.Teams().AllItems<cTeam>()) {
            league.Table().AddItem(std::make_unique<cTableItem>(team.m_nIndex), false);
        }
    }
    const int matches = LayOutPlainly(db);
    AddOfficials(db, matches);
    int n = 0;
    for (cReferee& official : db.Officials().AllItems<cReferee>()) {
        auto holiday = std::make_unique<cIllDate>();
        holiday->m_tStart = MakeTimePoint(2027, 10, 28 + n % 5);
        holiday->m_tEnd = MakeTimePoint(2027, 11, 3 + n % 5, 23, 59);
        official.Holidays().AddItem(std::move(holiday), true);
        ++n;
    }
    n = 0;
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        match.SetOfficial(db, n % db.Officials().GetCount(), 0);
        if (cResult* result = match.GetResult(); result != nullptr && n % 2 == 0) {
            result->m_bPlayed = 1;
            result->m_nHomeScore[0] = 3;
            result->m_nGuestScore[0] = n % 3;
        }
        ++n;
    }
    db.m_nPlayoffCounter = 4;
    db.InvalidateTables();
    BringTablesUpToDate(db);
}

struct RolloverTest : ::testing::Test
{
    RolloverTest()
    {
        season.m_fnClock = [] { return kT0; };
        MakePlayedSeason(season);
    }

    // The next season made with `values` into a fresh database.
    std::unique_ptr<cDatabase> Next(const cRolloverValues& values)
    {
        auto next = std::make_unique<cDatabase>();
        next->m_fnClock = [] { return kT0 + 3600; };
        const cValidation refusal = MakeNextSeason(season, values, *next);
        EXPECT_FALSE(refusal) << refusal->text;
        return next;
    }

    cDatabase season;
};

// Where a moved date must land: the same weekday and local clock time,
// exactly 7 x weeks calendar days on.
void ExpectMovedByWeeks(TimePoint from, TimePoint to, int weeks)
{
    const cLocalTime a = LocalTime(from);
    const cLocalTime b = LocalTime(to);
    EXPECT_EQ(LocalDayNumber(to) - LocalDayNumber(from), 7 * weeks) << FormatTime(from, "%F %T");
    EXPECT_EQ(std::tie(a.weekday, a.hour, a.minute, a.second),
              std::tie(b.weekday, b.hour, b.minute, b.second))
        << FormatTime(from, "%F %T") << " -> " << FormatTime(to, "%F %T");
}

// The clocks change on the last Sundays of March and October: 52 weeks on
// mostly falls on the same side of the change, but not from March 2029 (the
// change moves from the 25th to the 31st); one week and 53 weeks on from
// late October do cross it.
TEST(Rollover, EveryDateMovesByWholeWeeksOfLocalTime)
{
    cSeasonShape spring2029 = cSeasonShape::AcrossClockChanges();
    spring2029.startYear = 2028;
    spring2029.startDay = 23; // 23 October 2028, a Monday
    struct Case
    {
        int weeks;
        cSeasonShape shape;
        bool secondsDiffer; // some moved period is not 7 x weeks x 86400 seconds on
    };
    const std::vector<Case> cases = {
        {1, cSeasonShape::AcrossClockChanges(), true},
        {52, cSeasonShape::AcrossClockChanges(), false},
        {53, cSeasonShape::AcrossClockChanges(), true},
        {52, spring2029, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.weeks << " weeks from " << c.shape.startYear);
        cDatabase season;
        MakePlayedSeason(season, c.shape);
        ASSERT_GT(season.Scheduled().GetCount(), 0);
        const std::map<int, std::vector<cInterval>> entered = OccupiedCourtTime(season);
        const std::map<int, long long> enteredMinutes = CourtMinutes(season);
        const std::vector<TimePoint> holidays = HolidayDates(season);
        ASSERT_FALSE(holidays.empty());

        cDatabase next;
        ASSERT_FALSE(MakeNextSeason(season, {.weeks = c.weeks}, next));

        const std::vector<TimePoint> moved = HolidayDates(next);
        ASSERT_EQ(moved.size(), holidays.size());
        for (std::size_t i = 0; i < holidays.size(); ++i) {
            ExpectMovedByWeeks(holidays[i], moved[i], c.weeks);
        }

        // The court time as entered, free periods and matches' time together,
        // is now all free, each stretch of it moved.
        const std::map<int, std::vector<cInterval>> free = OccupiedCourtTime(next);
        ASSERT_EQ(free.size(), entered.size());
        bool secondsDiffer = false;
        for (const auto& [court, intervals] : entered) {
            SCOPED_TRACE(court);
            const std::vector<cInterval>& after = free.at(court);
            ASSERT_EQ(after.size(), intervals.size());
            for (std::size_t i = 0; i < intervals.size(); ++i) {
                ExpectMovedByWeeks(intervals[i].first, after[i].first, c.weeks);
                ExpectMovedByWeeks(intervals[i].second, after[i].second, c.weeks);
                secondsDiffer |= after[i].first - intervals[i].first != TimePoint{c.weeks} * 7 * 86400;
            }
            EXPECT_EQ(CourtTimeMinutes(next, court), enteredMinutes.at(court));
        }
        EXPECT_EQ(secondsDiffer, c.secondsDiffer);
        EXPECT_EQ(CheckInvariants(next), std::vector<std::string>{});
    }
}

TEST_F(RolloverTest, NothingOfMatchesResultsOrTablesRemains)
{
    // The played season has all of them to lose.
    ASSERT_GT(season.Results().GetCount(), 0);
    ASSERT_TRUE(Any<cReferee>(season.Officials(), [](const cReferee& o) { return o.m_nGames > 0; }));
    ASSERT_TRUE(Any<cLeague>(season.Leagues(), [](const cLeague& l) { return l.m_nLastMatchNumber > 0; }));
    ASSERT_TRUE(Any<cLeague>(season.Leagues(), [](const cLeague& l) {
        return Any<cTableItem>(l.Table(), [](const cTableItem& row) { return row.Played() > 0; });
    }));

    for (const bool keepCourtTime : {true, false}) {
        SCOPED_TRACE(keepCourtTime);
        const std::unique_ptr<cDatabase> next = Next({.weeks = 52, .keepCourtTime = keepCourtTime});
        EXPECT_EQ(next->Scheduled().GetCount(), 0);
        EXPECT_EQ(next->Results().GetCount(), 0);
        EXPECT_EQ(next->m_nPlayoffCounter, 0);
        EXPECT_EQ(next->CourtTime().GetCount() == 0, !keepCourtTime);
        for (const cReferee& official : next->Officials().AllItems<cReferee>()) {
            EXPECT_EQ(official.m_nGames, 0);
        }
        for (cLeague& league : next->Leagues().AllItems<cLeague>()) {
            EXPECT_EQ(league.m_nLastMatchNumber, 0);
            EXPECT_EQ(league.UnscheduledList().GetCount(), 0);
            BringTableUpToDate(*next, league);
            ASSERT_EQ(league.Table().GetCount(), league.Teams().GetCount());
            for (const cTableItem& row : league.Table().AllItems<cTableItem>()) {
                EXPECT_EQ(row.Played(), 0);
                EXPECT_EQ(row.Scored() + row.Conceded() + row.SetPointsScored() + row.SetPointsConceded(), 0);
            }
        }
        EXPECT_EQ(CheckInvariants(*next), std::vector<std::string>{});
    }
}

// The unscheduled list of the new season is every match of the leagues,
// as it was before anything was scheduled, numbers and all.
TEST_F(RolloverTest, UnscheduledMatchesAreTheWholeSeasonAgain)
{
    cDatabase fresh;
    GenerateSeason(fresh, cSeasonShape::AcrossClockChanges());
    RebuildUnscheduled(fresh);
    const std::unique_ptr<cDatabase> next = Next({});
    EXPECT_EQ(next->Unscheduled().m_bUpToDate, 0);
    RebuildUnscheduled(*next);
    const auto pairings = [](const cDatabase& db) {
        std::multiset<std::tuple<int, int, int, int, int>> out;
        for (const cUnscheduledMatch& m : db.Unscheduled().AllItems<cUnscheduledMatch>()) {
            out.emplace(m.GetLeague(), m.GetHomeTeam(), m.GetGuestTeam(), m.GetRound(), m.GetNumber());
        }
        return out;
    };
    ASSERT_GT(fresh.Unscheduled().GetCount(), season.Unscheduled().GetCount());
    EXPECT_EQ(pairings(*next), pairings(fresh));
}

TEST_F(RolloverTest, KeptDataStaysAsStored)
{
    season.m_strAuthor = "Club office";
    season.m_nDateFormat = 6;
    season.m_nLeagueFilter = 1;
    const std::unique_ptr<cDatabase> next = Next({});
    EXPECT_EQ(SettingsBytes(*next), SettingsBytes(season));
    EXPECT_EQ(KeptText(*next), KeptText(season));
    // A new document, dated when it was made.
    EXPECT_EQ(next->m_tCreated, kT0 + 3600);
    EXPECT_EQ(next->m_tModified, kT0 + 3600);
}

// A penalty or bonus belongs to the season's table it was awarded for.
TEST_F(RolloverTest, BonusPointsStartAfresh)
{
    for (cLeague& league : season.Leagues().AllItems<cLeague>()) {
        for (cTeam& team : league.Teams().AllItems<cTeam>()) {
            team.m_nBonusPoints = -3;
        }
    }
    const std::unique_ptr<cDatabase> next = Next({});
    for (const cLeague& kept : next->Leagues().AllItems<cLeague>()) {
        for (const cTeam& team : kept.Teams().AllItems<cTeam>()) {
            EXPECT_EQ(team.m_nBonusPoints, 0) << team.m_strName;
        }
    }
}

TEST_F(RolloverTest, SavedNewSeasonOpensAsItWasSaved)
{
    const std::unique_ptr<cDatabase> next = Next({.weeks = 53});
    const cSaveOpenSave round = SaveOpenSave(*next);
    EXPECT_TRUE(round.Same());
    const std::unique_ptr<CTournelDoc> reopened = OpenFromBytes(round.saved);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(KeptText(*reopened), KeptText(*next));
    EXPECT_EQ(OccupiedCourtTime(*reopened), OccupiedCourtTime(*next));
}

// Dates that moving would take beyond what the file holds refuse the whole
// new season; the court time counts only when it goes along.
TEST(Rollover, DatesBeyondTheFileRefuseTheNewSeason)
{
    struct Case
    {
        const char* name;
        TimePoint holiday;    // 0: none
        TimePoint freeStart;  // 0: none; a two-hour period
        TimePoint matchStart; // 0: none; a two-hour match
        cRolloverValues values;
        int messageId; // 0: made
    };
    const std::vector<Case> cases = {
        {"holiday a year before the end", MakeTimePoint(2037, 6, 1), 0, 0, {}, IDS_ROLLOVER_OUT_OF_RANGE},
        {"holiday moved one week", MakeTimePoint(2037, 6, 1), 0, 0, {.weeks = 1}, 0},
        {"court time to the last day", 0, MakeTimePoint(2037, 1, 17, 10), 0, {}, 0},
        {"court time past the last second",
         0,
         MakeTimePoint(2037, 1, 20, 10),
         0,
         {},
         IDS_ROLLOVER_OUT_OF_RANGE},
        {"a match's time goes along", 0, 0, MakeTimePoint(2037, 1, 20, 10), {}, IDS_ROLLOVER_OUT_OF_RANGE},
        {"court time left behind",
         0,
         MakeTimePoint(2037, 1, 20, 10),
         MakeTimePoint(2037, 1, 20, 14),
         {.keepCourtTime = false},
         0},
        {"most weeks", MakeTimePoint(2027, 6, 1), 0, 0, {.weeks = 520}, 0},
        {"too many weeks", MakeTimePoint(2027, 6, 1), 0, 0, {.weeks = 521}, IDS_ENTER_INTEGER_BETWEEN},
        {"no weeks", MakeTimePoint(2027, 6, 1), 0, 0, {.weeks = 0}, IDS_ENTER_INTEGER_BETWEEN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cScriptedPrompt prompt;
        CTournelDoc doc;
        doc.SetPrompt(&prompt);
        doc.SetPathName("/tmp/season.tnd");
        cCourt& court = BuildCourt(doc, "Hall", "H");
        cLeague& league = BuildLeague(doc, "League", "L");
        BuildTeam(league, "Lions");
        BuildTeam(league, "Tigers");
        if (c.holiday != 0) {
            auto holiday = std::make_unique<cIllDate>();
            holiday->m_tStart = c.holiday;
            holiday->m_tEnd = c.holiday + 86340;
            league.Holidays().AddItem(std::move(holiday), true);
        }
        if (c.freeStart != 0) {
            AddCourtTime(doc, std::make_unique<cUnusedTime>(court.m_nIndex, c.freeStart, c.freeStart + 7200));
        }
        if (c.matchStart != 0) {
            auto match = std::make_unique<cMatch>();
            match->m_nCourt = court.m_nIndex;
            match->m_tStart = c.matchStart;
            match->m_tEnd = c.matchStart + 7200;
            match->m_nHomeTeam = 0;
            match->m_nGuestTeam = 1;
            match->m_nRound = 1;
            doc.Scheduled().AddItem(std::move(match), true);
        }
        doc.SetModifiedFlag(false);
        const std::string before = doc.Snapshot();

        // The dialog's check refuses what making the season refuses.
        const cValidation checked = Validate(c.values, doc);
        EXPECT_EQ(checked ? checked->messageId : 0, c.messageId);
        const cValidation refusal = doc.StartNextSeason(c.values);
        EXPECT_EQ(refusal ? refusal->messageId : 0, c.messageId);
        if (refusal) {
            // Nothing made: the season, its name and its state as they were.
            EXPECT_EQ(doc.Snapshot(), before);
            EXPECT_EQ(doc.GetPathName(), "/tmp/season.tnd");
            EXPECT_FALSE(doc.IsModified());
            EXPECT_EQ(refusal->field, cRolloverValues::kWeeks);
        } else {
            EXPECT_EQ(doc.GetTitle(), "Untitled");
            EXPECT_TRUE(doc.IsModified());
            EXPECT_EQ(doc.Scheduled().GetCount(), 0);
        }
        EXPECT_TRUE(prompt.m_shown.empty());
    }
}

TEST(Rollover, RefusalNamesTheDateAndWhereItWouldGo)
{
    cDatabase season;
    season.m_nDateFormat = 6; // %Y-%m-%d
    cLeague& league = BuildLeague(season, "League", "L");
    auto holiday = std::make_unique<cIllDate>();
    holiday->m_tStart = MakeTimePoint(2037, 3, 2);
    holiday->m_tEnd = MakeTimePoint(2037, 3, 8, 23, 59);
    league.Holidays().AddItem(std::move(holiday), true);
    const cValidation refusal = Validate(cRolloverValues{}, season);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(
        refusal->text,
        "The new season cannot be made: 2037-03-02 00:00 moved 52 weeks on would be 2038-03-01 00:00, "
        "outside the dates a season can hold (1997 until 19 January 2038, 03:14 UTC).\nNothing was made.");
}

} // namespace
