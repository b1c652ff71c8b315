#pragma once

// Editing the schedule by hand: the "Manual match scheduling" dialog shared
// by Schedule Manually and Move Match, moving a match, and playoff matches.
// Every path keeps the free court time, the result records and the officials'
// game counts consistent with the schedule. Questions and messages go through
// db.Prompt(); nothing here shows a window.

#include "model/Calendar.h"
#include "model/cValidation.h"

#include <memory>
#include <string>
#include <vector>

class cDatabase;
class cMatch;
class cPlacementIndex;
class cPlayoffMatch;
class cUnscheduledMatch;
class cUnusedTime;

// A place chosen by hand: a free court time and the match's interval in it.
struct cManualPlacement
{
    cUnusedTime* courtTime = nullptr;
    TimePoint start = 0;
    TimePoint end = 0;
};

// The text of a free court time in the dialogs' lists:
// "Sat, 03/05/2027 C1: 1800-2200".
std::string CourtTimeEntry(const cUnusedTime& courtTime);

// The start of a match on the date of `courtTime`'s start at `hhmm` (2400 is
// midnight at the end of that date). Only meaningful for a valid ClockTime.
TimePoint StartOnDateOf(const cUnusedTime& courtTime, ClockTime hhmm);

// The values of the "Manual match scheduling" dialog.
struct cManualScheduleValues
{
    enum Field : int
    {
        kCourtTime,
        kStart,
    };

    // The match being placed; null while a playoff match is moved, which no
    // rule checks (every free court time is listed then).
    const cUnscheduledMatch* match = nullptr;
    int duration = 0; // minutes the match lasts
    // The match the dialog is for, as its heading shows it (MatchHeading):
    // the scheduled match being moved, else the match being placed.
    std::string heading;

    bool onlyLegal = true; // "Show only legal playing times"
    std::vector<cUnusedTime*> courtTimes;
    std::vector<std::string> texts; // the list's entries, one per court time
    int selected = -1;              // index into courtTimes; -1 none
    int start = 0;                  // "Specify the exact start time" as hhmm, possibly invalid
    ClockTime spinLow = 0;          // the spin button's limits: the selected court time's
    ClockTime spinHigh = 2359;      // start and end (2400 for an end at midnight)

    // The dialog as it opens: the box ticked, the list filled and its first
    // entry selected. `moving`: the scheduled match being moved (null when
    // an unscheduled match is placed).
    static cManualScheduleValues Open(const cDatabase& db, const cUnscheduledMatch* match, int duration,
                                      const cMatch* moving = nullptr);

    // Fills the list again with the box set to `legalOnly`; keeps the
    // selected position when the list is still long enough, else selects the
    // first entry.
    void Fill(const cDatabase& db, bool legalOnly);
    // Selects entry `index` (-1 none): the start and the spin limits follow it.
    void Select(int index);
    cUnusedTime* SelectedCourtTime() const;
};

// True when a start s = t.start, t.start + duration, ... with s + duration
// within `courtTime` passes the placement rules at any time (ePass::kAnyTime).
// `index`, when given, is an index of the schedule as it stands.
bool HasLegalStart(const cDatabase& db, const cUnscheduledMatch& match, const cUnusedTime& courtTime,
                   int duration, const cPlacementIndex* index = nullptr);

// The dialog's checks in order: a court time chosen (IDS_SELECT_PLAYING_TIME),
// a valid start (IDS_START_TIME_INVALID), not too early (IDS_START_TOO_EARLY),
// not too late (IDS_START_TOO_LATE). On success `placement`
// holds the court time and the interval.
cValidation CheckManualPlacement(const cManualScheduleValues& values, cManualPlacement& placement);

// OK of the dialog: the checks above, told through db.Prompt(), then for a
// league match the placement rules at any time, a broken one asked with Yes and
// No. True when the match may be placed at `placement`; false keeps the
// dialog open with its input.
bool ConfirmManualPlacement(cDatabase& db, const cManualScheduleValues& values, cManualPlacement& placement);

// Move Match. Construction prepares the move: the match is hidden from the
// rules and its interval is free court time again, so that the dialog offers
// it. Commit places it; without a Commit the destructor puts everything back
// as it was (court time, hidden mark and schedule).
class cMatchMove
{
public:
    cMatchMove(cDatabase& db, cMatch& match);
    ~cMatchMove();
    cMatchMove(const cMatchMove&) = delete;
    cMatchMove& operator=(const cMatchMove&) = delete;

    // The pairing the rules check; null for a playoff match.
    const cUnscheduledMatch* Pairing() const { return m_pPairing.get(); }
    // The moved match's own length in minutes.
    int Duration() const { return m_nDuration; }
    // The match being moved.
    const cMatch& Moving() const { return *m_pMatch; }

    // Moves the match to `placement` (checked and confirmed before). When it
    // has officials, IDS_REMOVE_ASSIGNED_OFFICIALS asks whether they go;
    // otherwise they stay on it. The entered result stays with the match.
    // Answers the match as it now stands in the schedule.
    cMatch* Commit(const cManualPlacement& placement);

    // Puts everything back as before the move; the destructor's work.
    void Cancel();

private:
    cDatabase& m_db;
    cMatch* m_pMatch;
    std::unique_ptr<cUnscheduledMatch> m_pPairing;
    int m_nDuration = 0;
    bool m_bGaveBack = false; // the interval was added to the free court time
    bool m_bOpen = true;      // neither committed nor cancelled
};

// The values of the dialogs "Playoff match data" (a new playoff match) and
// "Modify playoff match data".
struct cPlayoffMatchValues
{
    enum Field : int
    {
        kCourtTime,
        kStart,
        kDuration,
        kNumber,
        kHomeTeam,
        kGuestTeam,
    };

    std::vector<cUnusedTime*> courtTimes; // every free court time, in list order
    std::vector<std::string> texts;
    int selected = -1;
    int start = 0; // hhmm as typed
    int duration = 90;
    std::string number;
    std::string homeTeam;
    std::string guestTeam;

    // A new playoff match: the first free court time and its start, 90 minutes.
    static cPlayoffMatchValues Defaults(const cDatabase& db);
    // The texts and the duration of an existing one (no court time list).
    static cPlayoffMatchValues FromMatch(const cPlayoffMatch& match);

    // Selects entry `index`; the start follows it.
    void Select(int index);
    cUnusedTime* SelectedCourtTime() const;
};

// OK of "Playoff match data": the texts, the duration (1-1440), a court time
// chosen, a valid start (IDS_START_TIME_INVALID), within the court time
// (IDS_START_OUTSIDE_COURT_TIME, IDS_FINISH_OUTSIDE_COURT_TIME). On success
// `placement` holds the interval.
cValidation CheckNewPlayoffMatch(const cPlayoffMatchValues& values, cManualPlacement& placement);

// Puts a new playoff match into the schedule at `placement` with the next
// value of the playoff counter as its round, and its result record.
cPlayoffMatch& InsertPlayoffMatch(cDatabase& db, const cPlayoffMatchValues& values,
                                  const cManualPlacement& placement);

// OK of "Modify playoff match data": the texts, the duration, and for a
// longer match free court time on its court from its end on
// (IDS_NO_COURT_TIME_TO_EXTEND).
cValidation CheckPlayoffChange(const cDatabase& db, const cPlayoffMatch& match,
                               const cPlayoffMatchValues& values);

// Takes the texts over and moves the match's end: a longer match consumes the
// free court time after it, a shorter one gives the difference back.
void ApplyPlayoffChange(cDatabase& db, cPlayoffMatch& match, const cPlayoffMatchValues& values);
