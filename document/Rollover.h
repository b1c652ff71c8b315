#pragma once

// The next season made from this one: the same settings, courts, leagues
// with their teams and constraints, and officials, without the matches,
// results and counted tables, with every date moved on by whole weeks.

#include "document/cRolloverValues.h"
#include "model/Calendar.h"

#include <optional>

class cDatabase;

// t moved `weeks` weeks on in local time: the same local clock time on the
// date 7 x weeks days later, so the same weekday, whatever daylight-saving
// change lies between (which 7 x weeks x 86400 seconds would not give).
TimePoint MoveByWeeks(TimePoint t, int weeks);

// True when t lies within the years a date may be typed in (kFirstYear ...
// kLastYear) and the file's 32-bit seconds hold it.
bool IsWithinDateRange(TimePoint t);

// A date of the season and where moving it would take it.
struct cMovedDate
{
    TimePoint from = 0;
    TimePoint to = 0;
};

// The earliest date the next season would take from `season` (holidays and
// any other date its courts, leagues and officials store; the court time as
// entered when values.keepCourtTime) that moving by values.weeks takes out of
// IsWithinDateRange; none when every one stays inside. values.weeks must be
// within its limits.
std::optional<cMovedDate> FindDateOutOfRange(const cDatabase& season, const cRolloverValues& values);

// Fills `next`, a fresh database (defaults and empty containers), with the
// season after `season`, which is left as it is:
// - the document settings, courts, leagues, teams with their home grounds,
//   holidays, preferred times and team conflicts, and officials are kept as
//   stored; only their dates move by values.weeks (MoveByWeeks);
// - the scheduled matches, results and unscheduled matches are dropped; the
//   unscheduled list is left out of date, so that it is derived afresh from
//   the leagues, as after the leagues were entered; the leagues' last match
//   numbers, the playoff numbering and the officials' game counts start at 0;
// - each table keeps its rows, their teams with every count 0, out of date,
//   so that it is ranked when shown;
// - with values.keepCourtTime the court time as it was entered (the free
//   periods with the intervals the scheduled matches held merged back in)
//   moves by values.weeks; without it the new season has none;
// - the document is dated as created and modified now (next.Now()).
// When `values` fail Validate nothing is made: the refusal is returned and
// the contents of `next` are unspecified.
cValidation MakeNextSeason(const cDatabase& season, const cRolloverValues& values, cDatabase& next);
