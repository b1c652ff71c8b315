#include "model/Strings.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <utility>

namespace {

struct cEntry
{
    int id;
    const char* text;
};

constexpr cEntry kStrings[] = {
    {IDS_ABOUT, "&About Tournel..."},
    {IDS_SCHEDULING_PROGRESS, "Scheduling progress"},
    {IDS_TIP_OF_THE_DAY_MENU, "Ti&p of the Day..."},
    {IDS_HELP_MENU, "&Help"},
    {IDS_TEAMS, "Teams"},
    {IDS_COURTS, "Courts"},
    {IDS_UNUSED_TIME, "Unused Time"},
    {IDS_LEAGUES, "Leagues"},
    {IDS_RENUMBER_QUESTION,
     "Do you really want to renumber all the matches?\n(You probably do not want to do this "
     "if the schedule is published.)"},
    {IDS_OFFICIALS, "Officials"},
    {IDS_RESULTS, "Results"},
    {IDS_TABLE, "Table"},
    {IDS_UNSCHEDULED_MATCHES, "Unscheduled matches"},
    {IDS_OUT_OF_MEMORY,
     "Unable to allocate more memory!\nClose other programs or free some memory and try again."},
    {IDS_UNEXPECTED_ERROR, "Unexpected error occured!\nContact vendor!"},
    {IDS_SCHEDULED_MATCHES, "Scheduled matches"},
    {IDS_COLUMN_NAME, "Name"},
    {IDS_DATABASE, "Database"},
    {IDS_DELETE_QUESTION, "Do you really want to delete the selected item(s)?"},
    {IDS_NOTHING_TO_PRINT, "There is nothing to print in this directory!"},
    {IDS_UNABLE_TO_OPEN_FILE, "Unable to open the file!"},
    {IDS_NO_DIRECTORY_TO_PRINT, "You have not selected a directory to print!"},
    {IDS_COL_POSITION, "No."},
    {IDS_COL_PLAYED, "Played"},
    {IDS_COL_WINS, "Wins"},
    {IDS_COL_DRAWS, "Draws"},
    {IDS_COL_LOSSES, "Losses"},
    {IDS_COL_DISQUALIFIED, "Disq."},
    {IDS_COL_SCORE, "Score"},
    {IDS_COL_BALL_DIFF, "Ball diff."},
    {IDS_COL_RATIO, "Ratio"},
    {IDS_COL_POINTS, "Points"},
    {IDS_ILLEGAL_DATE,
     "This date is not a legal date!\n(Examples of illegal dates are 30. February and 31. April)."},
    {IDS_DIRECTORY_EMPTY, "The selected directory is empty!"},
    {IDS_CANNOT_FIND_ITEM, "Cannot find a matching item!"},
    {IDS_COL_TEAM_NAME, "Team name"},
    {IDS_HOME_GROUNDS, "Home grounds"},
    {IDS_HOLIDAYS, "Holidays"},
    {IDS_TEAM_CONFLICTS, "Team conflicts"},
    {IDS_START_DATE_ILLEGAL,
     "The start date is not a legal date!\nAn example of an illegal date is 30. of February."},
    {IDS_FINAL_DATE_ILLEGAL,
     "The final date is not a legal date!\nAn example of an illegal date is 30. of February."},
    {IDS_START_AFTER_FINAL, "The start date cannot be later than the final date!"},
    {IDS_PREFERRED_TIMES, "Preferred playing time"},
    {IDS_SCHEDULE_COMPLETE, "The schedule is complete already!"},
    {IDS_ABORT_SCHEDULING, "Do you really want to abort the scheduling progress?"},
    {IDS_CANNOT_REDUCE_ROUNDS,
     "You cannot reduce the number of rounds any further, since matches are scheduled in this league."},
    {IDS_ILLEGAL_COURT_RATING, "Illegal court rating for this league!\nInsert match in schedule anyway?"},
    {IDS_RESERVED_HOME_GROUND,
     "This court is a reserved home ground for other teams!\nInsert match in schedule anyway?"},
    {IDS_NOT_LEGAL_HOME_GROUND, "This is not a legal home ground.\nInsert match in schedule anyway?"},
    {IDS_HOME_DAY_OFF, "This is on the home teams regular weekday off!\nInsert match in schedule anyway?"},
    {IDS_GUEST_DAY_OFF, "This is on the guest teams regular weekday off!\nInsert match in schedule anyway?"},
    {IDS_HOME_HOLIDAY, "This is during one of the home teams holidays!\nInsert match in schedule anyway?"},
    {IDS_GUEST_HOLIDAY, "This is during one of the guest teams holidays!\nInsert match in schedule anyway?"},
    {IDS_TOO_LATE_START, "Matches in this league cannot start this late!\nInsert match in schedule anyway?"},
    {IDS_NOT_PREFERRED_TIME,
     "This time is not within the teams preferred playing times!\nInsert match in schedule anyway?"},
    {IDS_HOME_REST,
     "There are not enough days between matches involving the home team.\nInsert match in schedule anyway?"},
    {IDS_GUEST_REST,
     "There are not enough days between matches involving the guest team.\nInsert match in schedule anyway?"},
    {IDS_PAIR_REST,
     "There are too few days between two games involving these two teams.\nInsert match in schedule anyway?"},
    {IDS_HOME_SIMULTANEOUS,
     "The home team is playing on another court at almost the same time!\nInsert match in schedule anyway?"},
    {IDS_GUEST_SIMULTANEOUS,
     "The guest team is playing on another court at almost the same time!\nInsert match in schedule anyway?"},
    {IDS_TEAM_CONFLICT, "There is a team conflict with another team playing on another court, at the same "
                        "day.\nInsert match in schedule anyway?"},
    {IDS_START_TIME_INVALID, "The start time is an invalid time!\nValid time format is hhmm, e.g. 2145."},
    {IDS_SELECT_PLAYING_TIME, "Must select one of the available playing time."},
    {IDS_START_TOO_EARLY,
     "Specified start time is too early. The match must start within the available court time."},
    {IDS_START_TOO_LATE,
     "Specified start time is too late. The match must be completed within the available court time."},
    {IDS_REMOVE_OFFICIALS_QUESTION, "Do you really want to remove officials from the selected matches?"},
    {IDS_OFFICIAL_SUBSEQUENT_HERE,
     "This official cannot officiate the several subsequent matches here.\nAssign the official anyway?"},
    {IDS_OFFICIAL_OWN_CLUB,
     "The official should not officiate teams from its own club.\nAssign the official anyway?"},
    {IDS_OFFICIAL_MAX_GAMES,
     "The official has already officiated the maximum number of matches!\nAssign the official anyway?"},
    {IDS_OFFICIAL_CLUB_REPRESENTATION, "You should try to find an official from the clubs with highest "
                                       "representation!\nAssign the official anyway?"},
    {IDS_OFFICIAL_DAY_OFF,
     "The match is played on one of the officials permanent days off!\nAssign the official anyway?"},
    {IDS_OFFICIAL_ALREADY_ASSIGNED,
     "The offical is already assigned for this match!\nAssign the official anyway?"},
    {IDS_OFFICIAL_RATING,
     "Official has not an acceptable rating to officiate this match!\nAssigin the official anyway?"},
    {IDS_OFFICIAL_HOLIDAY, "This is during the officials holiday!\nAssign the official anyway?"},
    {IDS_OFFICIAL_PREFERRED_TIME,
     "The match is not played on any of the officials preferred times!\nAssign the referee anyway?"},
    {IDS_OFFICIAL_SAME_DAY,
     "This official is officiating another match the same day!\nAssign the official anyway?"},
    {IDS_OFFICIAL_TOO_MANY_SUBSEQUENT,
     "If the official is assigned to this match, he or she will officiate too "
     "many subsequent matches!\nAssign the official anyway?"},
    {IDS_OFFICIAL_DAYS_BETWEEN,
     "There is not enough days between two matches with the same official!\nAssign the official anyway?"},
    {IDS_OFFICIAL_TEAM_CONFLICT,
     "This official cannot be assigned to this match, because one of the conflicting "
     "teams are playing the same day.\nAssign the official anyway?"},
    {IDS_COL_FINAL_RESULT, "Final result"},
    {IDS_COL_SET1 + 0, "Set 1"},
    {IDS_COL_SET1 + 1, "Set 2"},
    {IDS_COL_SET1 + 2, "Set 3"},
    {IDS_COL_SET1 + 3, "Set 4"},
    {IDS_COL_SET1 + 4, "Set 5"},
    {IDS_COL_SET1 + 5, "Set 6"},
    {IDS_COL_SET1 + 6, "Set 7"},
    {IDS_COL_SET1 + 7, "Set 8"},
    {IDS_COL_SET1 + 8, "Set 9"},
    {IDS_NOT_PLAYED, "Not played"},
    {IDS_NONE, "<None>"},
    {IDS_DRAW_NOT_ALLOWED, "Draw results are not allowed!"},
    {IDS_HOME_DISQUALIFIED_WINS, "The home team cannot win the game, since it is disqualified!"},
    {IDS_GUEST_DISQUALIFIED_WINS, "The guest team cannot win the game, since it is disqualified."},
    {IDS_NO_RATING_CRITERIA, "At least one rating criteria must be specified!"},
    {IDS_REMOVE_AUTO_SCHEDULED,
     "Do you really want to remove all automatically scheduled matches from the schedule?"},
    {IDS_PLAYED_MATCHES_STAYED, "%1 automatically scheduled matches were removed from the schedule.\n%2 "
                                "played matches stayed in the schedule."},
    {IDS_ALL, "<All>"},
    {IDS_CONTENT_OF, "The content of %s:"},
    {IDS_CONTENT_COURTS, "- %d courts with a total of %d hours and %d minutes available playing time."},
    {IDS_CONTENT_LEAGUES, "- %d leagues including %d teams, playing a total of %d matches."},
    {IDS_CONTENT_OFFICIALS, "- %d officials, willing to officate a total of %d matches."},
    {IDS_CONTENT_UNSCHEDULED, "- %d unscheduled matches, requiring %d hours and %d minutes court time."},
    {IDS_CONTENT_COURT_LINE, "- %s (currently available: %d hours and %d minutes):"},
    {IDS_CONTENT_LEAGUE_LINE, "- %s includes %d teams, playing a total of %d matches."},
    {IDS_CONTENT_LEAGUE_TIME, "  - Court time required: %d hours and %d minutes."},
    {IDS_CONTENT_LEAGUE_RATING, "  - Court rating required: %d-%d"},
    {IDS_NO_TEMPLATE,
     "Cannot open the template file!\nUse the Web Template command in the Settings menu to select template."},
    {IDS_NO_CONTENT_TAG, "Cannot find the <TNLX_Content> tag in the template file!\nThe template file is "
                         "simply copied without modifications."},
    {IDS_LEAGUE_HOLIDAY, "This is during one of the leagues holidays!\nInsert match in schedule anyway?"},
    {IDS_OFFICIAL_SAME_TIME,
     "The official is officiating another match at the same time!\nAssign the official anyway?"},
    {IDS_REMOVE_ASSIGNED_OFFICIALS, "Do you want to remove the assigned officials?"},
    {IDS_START_OUTSIDE_COURT_TIME, "The match cannot start outside the chosen court time."},
    {IDS_FINISH_OUTSIDE_COURT_TIME, "The match must finish within the chosen court time."},
    {IDS_NO_COURT_TIME_TO_EXTEND,
     "There is not court time available to increase the match duration this much!"},
    {IDS_NO_OFFICIALS_REQUIRED, "No officials are required in the selected time period!"},
    {IDS_NO_OFFICIALS_AVAILABLE, "No officials are available!"},
    {IDS_REDUCTION_NONSENSE,
     "You have asked for %1\nmatches per team, while there are only %2 teams participating. "
     "\nThis does not make sense, reduce the number of rounds in stead."},
    {IDS_REDUCTION_REMOVE_MATCH,
     "You have required the number of matches in %1 to be reduced.\nTo fullfill this requirement, the "
     "following "
     "match should be removed from the schedule:\n\n%2\n\nDo you want to remove it from the schedule?"},
    {IDS_HOME_MATCHES_PER_DAY, "The home team cannot play any more matches that day!"},
    {IDS_GUEST_MATCHES_PER_DAY, "The guest team cannot play any more matches that day!"},

    {IDS_ENTER_INTEGER_BETWEEN, "Please enter an integer between %1 and %2."},
    {IDS_ENTER_INTEGER, "Please enter an integer."},
    {IDS_ENTER_EVEN_NUMBER, "Please enter an even number."},
    {IDS_TEXT_TOO_LONG, "Please enter no more than %1 characters."},
    {IDS_YES, "Yes"},
    {IDS_NO, "No"},
    {IDS_SHORT_NAME_UNIQUE, "The short name must be unique!"},
    {IDS_NAME_UNIQUE, "The name must be unique!"},
    {IDS_SPECIFY_COURT, "You must specify a court!"},
    {IDS_FIRST_TIME_INVALID, "The first time is an invalid time!\nValid time format is hhmm, e.g. 2145."},
    {IDS_FINAL_TIME_INVALID, "The final time is an invalid time!\nValid time format is hhmm, e.g. 2145."},
    {IDS_FINAL_NOT_AFTER_FIRST, "The final time must be greater than the first time!"},
    {IDS_UNEXPECTED_ERROR_SHORT, "Unexpected error"},

    {IDS_COURT_NEEDS_FULL_NAME, "A court must have a full name"},
    {IDS_COURT_NEEDS_LONG_NAME, "A court must have a long name!"},
    {IDS_COURT_TIME_CONFLICT,
     "Cannot add the requested court time because it is in conflict with a scheduled match."},
    {IDS_NO_COURTS_FOR_TIME, "You cannot add time in the database without any courts available!"},
    {IDS_SAME_SOURCE_COURT, "Select another court. Same source and destination selected!"},

    {IDS_LEAGUE_NEEDS_NAME, "Every league must have a unique name!"},
    {IDS_LEAGUE_NEEDS_SHORT_NAME, "A league must have a short name!"},
    {IDS_LATEST_START_INVALID, "The indication of latest allowed game start is not a valid time!"},
    {IDS_OFFICIAL_RATING_ORDER, "Maximum official rating must be larger than the minimum rating."},
    {IDS_COURT_RATING_ORDER, "Maximum court rating must be larger than the minimum court rating."},
    {IDS_TEAM_NEEDS_NAME, "Every team must have a name!"},
    {IDS_SPECIFY_TEAM, "You must specify a team!"},
    {IDS_TEAM_CONFLICT_SELF, "A team cannot be in conflict with itself!"},
    {IDS_TEAM_CONFLICT_TWICE, "You cannot specify the same team conflict twice!"},
    {IDS_SPECIFY_WEEKDAY, "You must specify a weekday!"},

    {IDS_OFFICIAL_NEEDS_NAME, "The official must have a name!"},
    {IDS_SAME_WEEKDAY_TWICE, "There is no reason to enter the same weekday twice!"},

    {IDS_PLAYOFF_NEEDS_HOME, "You must specify the name of the home team!"},
    {IDS_PLAYOFF_NEEDS_GUEST, "You must specify the name of the guest team!"},
    {IDS_PLAYOFF_NEEDS_NUMBER, "You myst specify a match number!"},

    {IDS_NEWER_VERSION, "Cannot read this document because it is created by a newer version of Tournel!\nYou "
                        "need a new software release!"},
    {IDS_CONVERT_OLD_VERSION,
     "This document is created by an old version of Tournel!\nDo you want to read and "
     "convert it to the current version?"},
    {IDS_UNEXPECTED_FILE_FORMAT, "Unexpected file format."},
    {IDS_READ_ERROR, "An unexpected error occurred while reading %1."},
    {IDS_WRITE_ERROR, "An unexpected error occurred while writing %1."},
    {IDS_SAVING_BACKUP, "Just a moment!\nSaving a backup of your document!"},
    {IDS_SAVE_CHANGES, "Save changes to %1?"},
    {IDS_JUST_A_MOMENT, "Just a moment!"},
    {IDS_FILE_NOT_FOUND, "File not found: \"%1\""},
    {IDS_COURT_TIME_REPAIRED,
     "The free court time in this file overlapped scheduled matches or itself, or lay on courts that do not "
     "exist, and has been repaired.\nPlease check the court time before scheduling."},

    {IDS_OUT_OF, " out of "},
    {IDS_MATCHES_ARE_SCHEDULED, " matches are scheduled!"},
    {IDS_REDUCED_BY, "%s to be reduced by %d"},
    {IDS_DELETE_ENTERED_RESULTS,
     "%1 results entered for the selected matches will be deleted with them.\nDelete anyway?"},
    {IDS_DELETE_CASCADE_RESULTS, "%1 results entered will be deleted with them.\nDelete anyway?"},

    {IDS_ASSIGNED, "Assigned "},
    {IDS_REQUESTED_OFFICIALS, " requested officials!"},
    {IDS_OFFICIAL_TWO_SLOTS, "An official cannot take two slots of one match!"},

    {IDS_COL_COURT_NAME, "Court name"},
    {IDS_COL_SHORT_NAME, "Short Name"},
    {IDS_COL_RESERVED, "Reserved ?"},
    {IDS_COL_RATING, "Rating"},
    {IDS_COL_WEEKDAY, "Weekday"},
    {IDS_COL_DATE, "Date"},
    {IDS_COL_COURT, "Court"},
    {IDS_COL_OPENING_TIME, "Opening time"},
    {IDS_COL_CLOSING_TIME, "Closing time"},
    {IDS_COL_LEAGUE_NAME, "League name"},
    {IDS_COL_ROUNDS, "Rounds"},
    {IDS_COL_MATCH_REDUCTION, "Match red."},
    {IDS_COL_MATCHES_PER_DAY, "Matches/Day"},
    {IDS_COL_OFFICIAL_RATING, "Official rating"},
    {IDS_COL_COURT_RATING, "Court rating"},
    {IDS_COL_GAME_DURATION, "Game duration"},
    {IDS_COL_SETS_PER_GAME, "Set/game"},
    {IDS_COL_DAYS_OFF, "Days off"},
    {IDS_COL_DAYS_BEFORE_RETURN, "Days bef. return match"},
    {IDS_COL_LATEST_START, "Latest start"},
    {IDS_COL_OFFICIAL_NAME, "Official name"},
    {IDS_COL_CLUB, "Club"},
    {IDS_COL_MAX_SUBSEQUENT, "Max. subs. games"},
    {IDS_COL_MAX_GAMES, "Max. no. of games"},
    {IDS_COL_GAMES, "No. of games"},
    {IDS_COL_FIRST_DAY_OFF, "First day off"},
    {IDS_COL_SECOND_DAY_OFF, "Second day off"},
    {IDS_COL_DAY_OFF, "Day off"},
    {IDS_COL_BONUS_POINTS, "Bonus points"},
    {IDS_COL_MATCH_NO, "Match no."},
    {IDS_COL_TIME, "Time"},
    {IDS_COL_HOME_TEAM, "Home team"},
    {IDS_COL_GUEST_TEAM, "Guest team"},
    {IDS_COL_ROUND, "Round"},
    {IDS_COL_OFFICIAL1 + 0, "1. official"},
    {IDS_COL_OFFICIAL1 + 1, "2. official"},
    {IDS_COL_OFFICIAL1 + 2, "3. official"},
    {IDS_COL_OFFICIAL1 + 3, "4. official"},
    {IDS_COL_OFFICIAL1 + 4, "5. official"},
    {IDS_COL_START_DATE, "Start date"},
    {IDS_COL_FINAL_DATE, "Final date"},
    {IDS_COL_TWIN_TEAM, "Twin team?"},
    {IDS_CSV_NO_COLUMN, "The file has no column \"%1\"."},
    {IDS_CSV_LINE, "Line %1: %2"},
    {IDS_CSV_ENTER_DATE, "Please enter a date as YYYY-MM-DD."},
    {IDS_CSV_ENTER_TIME, "Please enter a time as HH:MM."},
    {IDS_CSV_ENTER_WEEKDAY, "Please enter a weekday, for example Monday, or leave the cell empty."},
    {IDS_CSV_UNKNOWN_COURT, "There is no court \"%1\"."},
    {IDS_CSV_NO_MATCH, "No scheduled match has this match number, or this date, court and teams."},
    {IDS_CSV_ENTER_SCORE, "Please enter a result as 3 - 1, with a D beside a disqualified team."},
    {IDS_CSV_ENTER_SETS, "Please enter the results of the sets."},
    {IDS_CSV_TOO_MANY_CELLS, "The row has more cells than the header row."},
    {IDS_CSV_EMPTY, "The file holds no header row."},
    {IDS_CSV_NO_RESULT, "No result entered."},
    {IDS_CSV_SUMMARY, "%1 rows to import, %2 refused, %3 without a result."},
    {IDS_CSV_SPECIFY_LEAGUE, "Please specify the league of the teams."},
    {IDS_CSV_SPECIFY_FILE, "Please choose the file to import."},
    {IDS_CSV_NOTHING_TO_IMPORT, "There is nothing to import."},
    {IDS_CSV_LINE_COLUMN, "Line %1, %2: %3"},
    {IDS_CSV_UNCHANGED, "Unchanged."},
    {IDS_CSV_SUMMARY_UNCHANGED, "%1 rows to import, %2 refused, %3 without a result, %4 unchanged."},
    {IDS_RESULT_FINAL_WITHOUT_SETS, "The final result was entered without sets. Enter the sets to replace "
                                    "it, or leave them at 0 to keep it."},
    {IDS_CHANGES_NONE, "No changes."},
    {IDS_CHANGES_OTHER_SEASON, "The two files hold different seasons: one was created on %1, the other on "
                               "%2.\nOnly two versions of one season can be compared."},
    {IDS_CHANGES_NO_COMMON_LEAGUE, "The two files hold different seasons: they have no league in common.\n"
                                   "Only two versions of one season can be compared."},
    {IDS_CHANGE_ADDED, "Added"},
    {IDS_CHANGE_REMOVED, "Removed"},
    {IDS_CHANGE_MOVED, "Moved"},
    {IDS_CHANGE_OFFICIALS, "Other officials"},
    {IDS_CHANGE_RENUMBERED, "Renumbered"},
    {IDS_COL_CHANGE, "Change"},
    {IDS_COL_OLD_MATCH_NO, "Old match no."},
    {IDS_COL_OLD_DATE + 0, "Old date"},
    {IDS_COL_OLD_DATE + 1, "Old time"},
    {IDS_COL_OLD_DATE + 2, "Old court"},
    {IDS_COL_OLD_DATE + 3, "Old officials"},
    {IDS_COL_NEW_DATE + 0, "New date"},
    {IDS_COL_NEW_DATE + 1, "New time"},
    {IDS_COL_NEW_DATE + 2, "New court"},
    {IDS_COL_NEW_DATE + 3, "New officials"},
    {IDS_CHANGES_SINCE, "Changes since %1"},
    {IDS_ROLLOVER_OUT_OF_RANGE,
     "The new season cannot be made: %1 moved %2 weeks on would be %3, outside the "
     "dates a season can hold (1997 until 19 January 2038, 03:14 UTC).\nNothing was made."},
    {IDS_COURT_OVERLAP, "This match is played on the court at the same time as another match!"},
    {IDS_CHECK_NO_CONFLICTS, "No scheduled match breaks a rule: the schedule has no conflicts."},
    {IDS_CHECK_CONFLICTS, "The schedule has %1 conflicts: see the Conflicts panel."},
    {IDS_CHECK_ONE_CONFLICT, "The schedule has one conflict: see the Conflicts panel."},
    {IDS_CHECK_UNKNOWN_ITEM, "The match names a league or a court that does not exist!"},
    {IDS_CLOSE_NO_COURTS, "There are no courts whose time could be closed!"},
    {IDS_CLOSE_UNKNOWN_COURT, "There is no such court!"},
    {IDS_CLOSE_FROM_DATE,
     "The first date is not a legal date between %1 and %2!\n(Examples of illegal dates "
     "are 30. February and 31. April, and the file holds no time after 19 January 2038.)"},
    {IDS_CLOSE_TO_DATE, "The final date is not a legal date between %1 and %2!\n(Examples of illegal dates "
                        "are 30. February and 31. April, and the file holds no time after 19 January 2038.)"},
    {IDS_CLOSE_ENDS_BEFORE_START, "The closed time must end after it starts!"},
    {IDS_CLOSE_RETURNED,
     "The court time of %1 from %2 to %3 is closed.\n%4 matches went back to the unscheduled "
     "matches."},
    {IDS_CLOSE_REPLANNED,
     "The court time of %1 from %2 to %3 is closed.\n%4 matches went back to the unscheduled "
     "matches: %5 were re-planned, %6 could not be placed and wait among the "
     "unscheduled matches."},
    {IDS_CLOSE_PLAYED_STAY, "These played matches stay in the closed time:"},
    {IDS_CLOSE_PLAYOFF_STAY, "These playoff matches stay in the closed time (move them by hand):"},
    {IDS_REPLAN_DONE, "%1 conflicting matches were re-planned, %2 could not be placed and wait among the "
                      "unscheduled matches."},
    {IDS_REPLAN_NOTHING, "There are no conflicting matches to re-plan."},
    {IDS_CLOSE_ALL_COURTS, "every court"},
    {IDS_REPLAN_STAYED, "%1 conflicting matches stay where they are: played and playoff matches, and matches "
                        "placed by hand or moved unless these are re-planned too."},
    {IDS_IMPROVE_PROGRESS, "Improving the schedule"},
    {IDS_IMPROVE_DONE, "%1 more matches are scheduled and %2 matches were moved.\n%3 out of %4 matches are "
                       "scheduled!"},
    {IDS_SITE_WRITTEN, "%1 files written, %2 unchanged."},
    {IDS_SITE_NO_TITLE, "Please enter the title of the website!"},
    {IDS_SITE_NO_FOLDER, "Please choose the folder the website is written to!"},
    {IDS_SITE_NOT_A_FOLDER, "The website's folder names a file, not a folder!"},
    {IDS_SITE_NEXT_MATCHES, "Next matches"},
    {IDS_SITE_SCHEDULE, "Schedule"},
    {IDS_SITE_RESULT, "Result"},
    {IDS_SITE_CALENDAR, "Calendar (.ics)"},
    {IDS_SITE_NO_MATCHES, "No matches."},
    {IDS_SITE_NO_RESULTS, "No results yet."},
    {IDS_SITE_POSITION, "Position %1 of %2 in the table, %3 points."},
    {IDS_SITE_MATCHES, "Matches"},
};

} // namespace

const char* GetString(int id)
{
    for (const cEntry& entry : kStrings) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return "";
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t k = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (k < args.size()) {
                out += *(args.begin() + k);
            }
            ++i;
            continue;
        }
        out += pattern[i];
    }
    return out;
}

std::string FormatString(int id, std::initializer_list<std::string_view> args)
{
    return FormatText(GetString(id), args);
}

std::string StringPrintf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (length > 0) {
        out.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<std::size_t>(length));
    }
    va_end(args);
    return out;
}
