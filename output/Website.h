#pragma once

// The season as a small static website that can be uploaded anywhere or
// opened from disk, read on a phone and printed; no script is needed:
//
//   index.html                 title, comments, next matches, links to all
//   style.css                  the one stylesheet
//   leagues/LEAGUE.html        schedule, table and results of a league
//   teams/LEAGUE/TEAM.html     a team's matches, results and position
//   teams/LEAGUE/TEAM.ics      its matches as a calendar to subscribe to
//   courts/COURT.html, .ics    the matches on a court
//   officials/NAME.html, .ics  an official's matches
//
// File names come from the short names (output/WebAddresses.h) and stay the
// same when the season is published again; the calendars are those of
// tournel-cli ical (output/CalendarExport.h), events keeping their UIDs.
// Every name and comment is escaped for HTML. The pages depend on nothing
// but the season and the job (no time stamp), so publishing an unchanged
// season again gives the same bytes and WriteWebsite writes none of them.
// Pages are UTF-8 with LF line ends; calendars CR LF as the standard wants.

#include "model/Calendar.h"
#include "model/cValidation.h"

#include <map>
#include <string>
#include <string_view>

class cDatabase;

struct cWebsiteJob
{
    std::string title; // the season's title, on every page
    TimePoint now = 0; // the next matches are those that start from now on
    int nextMatches = 10;
};

// The files of the website by their path relative to its folder ("/" as
// separator), with their bytes. Brings every league's table up to date: the
// tables are computed from the results as the table print computes them.
std::map<std::string, std::string> WebsiteFiles(cDatabase& db, const cWebsiteJob& job);

struct cWebsiteRun
{
    int written = 0;   // files that were missing or held other bytes
    int unchanged = 0; // files that already held these bytes and were left alone
    int messageId = 0; // 0, or the message shown through db.Prompt() when a file could not be written
};

// Writes the website into `folder`, creating it and its sub-folders when
// missing. A file that already holds the same bytes is not written again, so
// that its time stamp stays and an upload tool sends only what changed.
// Other files in the folder are left alone, also the pages of items that
// no longer exist: the folder may hold the user's own files, and nothing
// here deletes a file. A file that cannot be written stops the run with
// IDS_UNABLE_TO_OPEN_FILE (its text and the
// path below it); the counts say how far it came.
cWebsiteRun WriteWebsite(cDatabase& db, const cWebsiteJob& job, const std::string& folder);

// "12 files written, 30 unchanged."
std::string WebsiteRunText(const cWebsiteRun& run);

// The title a season gets unless one is given: its file's name without the
// extension ("season" for /home/me/season.tnd), "Season" without a file.
std::string DefaultWebsiteTitle(std::string_view documentPath);

// The HTML language tag of a weekday language (0-10; another is English).
std::string_view HtmlLanguage(int language);

// The values of File > Publish Website...: the title and the folder the
// site is written to.
struct cWebsiteValues
{
    enum eField : int
    {
        kFieldTitle = 0,
        kFieldFolder,
    };

    std::string title;
    std::string folder;

    // The file's title; the folder the user chose last time (empty: none),
    // else a folder beside the file named after it ("season-website").
    static cWebsiteValues Defaults(std::string_view documentPath, std::string_view lastFolder);
};

// Refuses a blank title or one of more than 160 characters, a blank folder
// and a folder path that names something other than a folder.
cValidation Validate(const cWebsiteValues& values);
