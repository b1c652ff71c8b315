#include "tools/seasongen/SeasonGenerator.h"

#include "model/CourtTime.h"
#include "model/Strings.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cHomeGround.h"
#include "model/cIllDate.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cPreferredTime.h"
#include "model/cTeam.h"
#include "model/cUnusedTime.h"

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::array<const char*, 24> kClubs = {"Lions",   "Tigers", "Eagles",  "Falcons", "Sharks", "Wolves",
                                                "Bears",   "Hawks",  "Otters",  "Foxes",   "Ravens", "Bisons",
                                                "Lynx",    "Owls",   "Vikings", "Comets",  "Rovers", "Stars",
                                                "Rockets", "Giants", "Pumas",   "Cobras",  "Herons", "Elks"};

class cDice
{
public:
    explicit cDice(std::uint32_t seed)
        : m_engine(seed)
    {
    }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_engine); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }

private:
    std::mt19937 m_engine;
};

TimePoint DayAt(const cSeasonShape& shape, int dayOfSeason, int hhmm)
{
    return MakeTimePoint(shape.startYear, shape.startMonth, shape.startDay + dayOfSeason, hhmm / 100,
                         hhmm % 100);
}

template <class T> T& AddChild(cTournelDb& container, std::unique_ptr<T> item)
{
    return static_cast<T&>(container.AddItem(std::move(item), true));
}

void AddCourts(cDatabase& db, const cSeasonShape& shape, cDice& dice)
{
    for (int c = 0; c < shape.courts; ++c) {
        auto court = std::make_unique<cCourt>();
        court->m_strName = StringPrintf("Sports hall %02d", c + 1);
        court->m_strShortName = StringPrintf("H%02d", c + 1);
        court->m_nRating = shape.constraints ? dice.Between(3, 9) : 5;
        // Every fifth court is some club's own hall.
        court->m_bReservedHomeGround = shape.constraints && c % 5 == 4 ? 1 : 0;
        db.Courts().AddIndexedItem(std::move(court), true, -1);
    }
    // Evenings on working days, long days at the weekend; some halls are
    // closed on some evenings.
    for (int day = 0; day < shape.weeks * 7; ++day) {
        const int weekday = (day + 1) % 7; // the season starts on a Monday
        const bool weekend = weekday == 0 || weekday == 6;
        for (const cCourt& court : db.Courts().AllItems<cCourt>()) {
            if (!weekend && (court.m_nIndex + day) % 9 == 0) {
                continue;
            }
            const int from = weekend ? 900 : 1800;
            const int to = weekend ? 1800 : 2230;
            db.CourtTime().AddItem(
                std::make_unique<cUnusedTime>(court.m_nIndex, DayAt(shape, day, from), DayAt(shape, day, to)),
                true);
        }
    }
}

// The periods of one court that start on one day of the season.
std::vector<cUnusedTime*> PeriodsOn(cDatabase& db, const cSeasonShape& shape, int court, int day)
{
    const TimePoint from = DayAt(shape, day, 0);
    const TimePoint to = DayAt(shape, day + 1, 0);
    std::vector<cUnusedTime*> periods;
    for (cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        if (period.m_nCourt == court && period.m_tStart >= from && period.m_tStart < to) {
            periods.push_back(&period);
        }
    }
    return periods;
}

// The last period of the court on the day runs to `hhmm` of the next day (or
// a late session from 19:00 is added when the court is closed that day).
// Nothing the next day starts before 09:00, so no two periods overlap.
void RunPastMidnight(cDatabase& db, const cSeasonShape& shape, int court, int day, int hhmm)
{
    const TimePoint end = DayAt(shape, day + 1, hhmm);
    const std::vector<cUnusedTime*> periods = PeriodsOn(db, shape, court, day);
    if (periods.empty()) {
        db.CourtTime().AddItem(std::make_unique<cUnusedTime>(court, DayAt(shape, day, 1900), end), true);
    } else {
        periods.back()->m_tEnd = std::max(periods.back()->m_tEnd, end);
    }
}

// Whether the clocks change on the day of the season.
bool ClocksChange(const cSeasonShape& shape, int day)
{
    return DayAt(shape, day + 1, 0) - DayAt(shape, day, 0) != 86400;
}

// The late sessions of cSeasonShape::lateSessions, drawn from dice of their
// own so that the rest of the season stays as it is without them.
void AddLateSessions(cDatabase& db, const cSeasonShape& shape)
{
    cDice dice(shape.seed * 7919u + 13u);
    const int days = shape.weeks * 7;
    for (int day = 0; day < days; ++day) {
        const int weekday = (day + 1) % 7;
        for (const cCourt& court : db.Courts().AllItems<cCourt>()) {
            if (ClocksChange(shape, day + 1) && weekday == 6) {
                RunPastMidnight(db, shape, court.m_nIndex, day, 400);
            } else if (weekday != 0 && weekday != 6 && dice.Chance(30)) {
                RunPastMidnight(db, shape, court.m_nIndex, day, dice.Chance(50) ? 100 : 200);
            } else if (weekday == 6 && dice.Chance(40)) {
                // A Saturday night session after the day's one.
                db.CourtTime().AddItem(
                    std::make_unique<cUnusedTime>(court.m_nIndex, DayAt(shape, day, 2000),
                                                  DayAt(shape, day + 1, dice.Chance(50) ? 100 : 200)),
                    true);
            }
        }
    }
    const int lastCourt = db.Courts().GetMaxIndex();
    if (lastCourt < 0) {
        return;
    }
    // The evenings of the teams' days off, and the last days of holidays.
    const auto holidayEnds = [&](const cTournelDb& holidays) {
        for (const cIllDate& holiday : holidays.AllItems<cIllDate>()) {
            const int last =
                static_cast<int>(LocalDayNumber(holiday.m_tEnd) - LocalDayNumber(DayAt(shape, 0, 0)));
            if (last >= 0 && last < days) {
                RunPastMidnight(db, shape, dice.Between(0, lastCourt), last, 100);
            }
        }
    };
    for (const cLeague& league : db.Leagues().AllItems<cLeague>()) {
        holidayEnds(league.Holidays());
        for (const cTeam& team : league.Teams().AllItems<cTeam>()) {
            holidayEnds(team.Holidays());
            if (team.m_nDayOff < 0) {
                continue;
            }
            for (int day = (team.m_nDayOff + 6) % 7; day < days; day += 7) {
                if (dice.Chance(50)) {
                    RunPastMidnight(db, shape, dice.Between(0, lastCourt), day, dice.Chance(50) ? 100 : 200);
                }
            }
        }
    }
}

void AddHoliday(cTournelDb& holidays, const cSeasonShape& shape, int firstDay, int lastDay)
{
    auto holiday = std::make_unique<cIllDate>();
    holiday->m_tStart = DayAt(shape, firstDay, 0);
    holiday->m_tEnd = DayAt(shape, lastDay, 2359);
    AddChild(holidays, std::move(holiday));
}

void AddPreferredTime(cTournelDb& times, Weekday weekday, ClockTime from, ClockTime to)
{
    auto time = std::make_unique<cPreferredTime>();
    time->m_nWeekday = weekday;
    time->m_nStart = from;
    time->m_nEnd = to;
    AddChild(times, std::move(time));
}

void ConstrainLeague(cLeague& league, const cSeasonShape& shape, int l, cDice& dice)
{
    static constexpr std::array<int, 3> kDurations = {60, 75, 90};
    league.m_nGameDuration = kDurations[static_cast<std::size_t>(l % 3)];
    league.m_nMinCourtRating = dice.Between(1, 4);
    league.m_nMaxCourtRating = 9;
    league.m_nLatestStart = l % 4 == 0 ? 2100 : 2130;
    league.m_tsRestSameTeam = (l % 5 == 0 ? 5 : 6) * 86400;
    league.m_tsRestSamePair = (l % 2 == 0 ? 28 : 21) * 86400;
    // Christmas break: 16 weeks after an early-September start.
    AddHoliday(league.Holidays(), shape, 7 * 15 + 4, 7 * 17 + 1);
    if (l % 3 == 1) {
        // Youth leagues prefer the weekend daytime.
        AddPreferredTime(league.PreferredTimes(), 6, 900, 1600);
        AddPreferredTime(league.PreferredTimes(), 0, 1000, 1600);
    }
}

void ConstrainTeam(cDatabase& db, cTeam& team, const cSeasonShape& shape, cDice& dice, int reservedCourt)
{
    if (dice.Chance(20)) {
        team.m_nDayOff = dice.Between(1, 5);
    }
    if (dice.Chance(25)) {
        const int first = dice.Between(0, shape.weeks * 7 - 10);
        AddHoliday(team.Holidays(), shape, first, first + dice.Between(2, 8));
    }
    if (dice.Chance(15)) {
        AddPreferredTime(team.PreferredTimes(), dice.Between(1, 5), 1800, 2100);
        AddPreferredTime(team.PreferredTimes(), 6, 900, 1700);
    }
    if (reservedCourt >= 0 || dice.Chance(15)) {
        // A home hall, on any day, or a club hall of its own.
        auto ground = std::make_unique<cHomeGround>();
        ground->m_nCourt = reservedCourt >= 0 ? reservedCourt : dice.Between(0, db.Courts().GetMaxIndex());
        ground->m_nWeekday = -1;
        ground->m_nStart = 0;
        ground->m_nEnd = 2400;
        AddChild(team.HomeGrounds(), std::move(ground));
        if (reservedCourt < 0 && dice.Chance(50)) {
            auto second = std::make_unique<cHomeGround>();
            second->m_nCourt = dice.Between(0, db.Courts().GetMaxIndex());
            second->m_nWeekday = 6;
            second->m_nStart = 900;
            second->m_nEnd = 1800;
            AddChild(team.HomeGrounds(), std::move(second));
        }
    }
}

// Teams of the same club in different leagues: a player or a coach in both.
void AddTeamConflicts(cDatabase& db, cDice& dice)
{
    std::vector<cTeam*> teams;
    for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
        for (cTeam& team : league.Teams().AllItems<cTeam>()) {
            teams.push_back(&team);
        }
    }
    for (cTeam* team : teams) {
        const cLeague* league = team->GetLeague();
        for (cTeam* other : teams) {
            const cLeague* otherLeague = other->GetLeague();
            if (other == team || otherLeague == league || other->m_strClub != team->m_strClub ||
                otherLeague->m_nIndex != league->m_nIndex + 1 || !dice.Chance(40)) {
                continue;
            }
            auto conflict = std::make_unique<cIllTeam>();
            conflict->m_nLeague = otherLeague->m_nIndex;
            conflict->m_nTeam = other->m_nIndex;
            conflict->m_bTwinTeam = dice.Chance(25) ? 1 : 0;
            AddChild(team->TeamConflicts(), std::move(conflict));
        }
    }
}

} // namespace

cSeasonShape cSeasonShape::Small()
{
    cSeasonShape shape;
    shape.leagues = 2;
    shape.teamsPerLeague = 6;
    shape.courts = 4;
    shape.weeks = 20;
    return shape;
}

cSeasonShape cSeasonShape::Medium()
{
    cSeasonShape shape;
    shape.leagues = 10;
    shape.teamsPerLeague = 10;
    shape.courts = 8;
    shape.weeks = 30;
    return shape;
}

cSeasonShape cSeasonShape::Large()
{
    cSeasonShape shape;
    shape.leagues = 40;
    shape.teamsPerLeague = 12;
    shape.courts = 20;
    shape.weeks = 36;
    return shape;
}

cSeasonShape cSeasonShape::OfSize(int size)
{
    switch (size) {
    case 0:
        return Small();
    case 1:
        return Medium();
    case 3: {
        cSeasonShape twice = Large();
        twice.leagues *= 2;
        twice.courts *= 2;
        return twice;
    }
    case 4: {
        cSeasonShape longer = Large();
        longer.rounds *= 2;
        longer.weeks *= 2;
        return longer;
    }
    default:
        return Large();
    }
}

cSeasonShape cSeasonShape::AcrossClockChanges()
{
    cSeasonShape shape = Small();
    shape.startYear = 2027;
    shape.startMonth = 10;
    shape.startDay = 25; // a Monday; the clocks go back on 31 October and forward on 26 March
    shape.weeks = 23;
    shape.rounds = 4; // so that matches are still to be placed in spring
    return shape;
}

void GenerateSeason(cDatabase& db, const cSeasonShape& shape)
{
    cDice dice(shape.seed);
    AddCourts(db, shape, dice);
    std::vector<int> reservedCourts;
    for (const cCourt& court : db.Courts().AllItems<cCourt>()) {
        if (court.m_bReservedHomeGround != 0) {
            reservedCourts.push_back(court.m_nIndex);
        }
    }
    std::size_t nextReserved = 0;
    for (int l = 0; l < shape.leagues; ++l) {
        auto created = std::make_unique<cLeague>();
        created->m_strName = StringPrintf("Division %02d", l + 1);
        created->m_strShortName = StringPrintf("D%02d", l + 1);
        created->m_nRounds = shape.rounds;
        auto& league = static_cast<cLeague&>(db.Leagues().AddIndexedItem(std::move(created), true, -1));
        if (shape.constraints) {
            ConstrainLeague(league, shape, l, dice);
        }
        for (int t = 0; t < shape.teamsPerLeague; ++t) {
            auto team = std::make_unique<cTeam>();
            const char* club =
                kClubs[static_cast<std::size_t>((l * 7 + t) % static_cast<int>(kClubs.size()))];
            team->SetName(StringPrintf("%s %c", club, 'A' + l % 3));
            auto& added = static_cast<cTeam&>(league.Teams().AddIndexedItem(std::move(team), true, -1));
            if (shape.constraints) {
                // The club halls go to the first team of every other league.
                int reserved = -1;
                if (t == 0 && l % 2 == 0 && !reservedCourts.empty()) {
                    reserved = reservedCourts[nextReserved++ % reservedCourts.size()];
                }
                ConstrainTeam(db, added, shape, dice, reserved);
            }
        }
    }
    if (shape.constraints) {
        AddTeamConflicts(db, dice);
    }
    if (shape.lateSessions) {
        AddLateSessions(db, shape);
    }
    db.Unscheduled().m_bUpToDate = 0;
}
