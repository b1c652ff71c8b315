#pragma once

// The scheduled matches as an iCalendar file (RFC 5545) for calendar
// programs and phones: one event per match, in the local time zone with its
// VTIMEZONE. An event's UID stays the same when the season is exported
// again, so that a calendar program updates a moved match instead of adding
// it twice; its SEQUENCE and LAST-MODIFIED follow the database's last change.

#include "model/Calendar.h"

#include <string>

class cDatabase;
class cMatch;

// Which matches the calendar holds: every scheduled match of the period, or
// those of one team, court, league or official (index numbers; -1 none).
struct cCalendarExport
{
    int league = -1; // with team: the team's league
    int team = -1;
    int court = -1;
    int official = -1;
    TimePoint from = 0; // the period: from this day 00:00 ...
    TimePoint to = 0;   // ... to this day's end; to < from: no limit
};

// Whether the calendar holds the match: a team's and a league's hold no
// playoff match. The website lists the matches of its calendars by this.
bool CalendarHolds(const cMatch& match, const cCalendarExport& what);

// The name given to the local time zone: TZ when it names a zone of the time
// zone database, else the zone /etc/localtime links to, else "Local".
std::string LocalZoneName();

// The calendar as text, CR LF line ends, long lines folded.
std::string CalendarText(const cDatabase& db, const cCalendarExport& what);

// Writes the calendar to `path`; 0, or the id of the message shown through
// db.Prompt() (IDS_UNABLE_TO_OPEN_FILE when the file cannot be created).
int WriteCalendarFile(const cDatabase& db, const cCalendarExport& what, const std::string& path);
