#pragma once

// The values of the "Schedule Settings" dialog (group "Schedule requirements"):
// the document-wide switches of the placement rules and the margin of team
// conflicts. The dialog copies them in with FromDatabase, checks them with
// Validate on OK and stores them with ApplyTo; Cancel changes nothing.

#include <optional>
#include <string>

class cDatabase;

struct cScheduleSettings
{
    enum eField : int
    {
        kFieldConflictMargin = 0,
    };
    static constexpr int kMinConflictMargin = 0;
    static constexpr int kMaxConflictMargin = 1440;
    static constexpr int kConflictMarginStep = 10; // the spin button's step

    bool ignoreCourtRatings = false;  // "Ignore court ratings"
    bool ignoreHomeGrounds = false;   // "Ignore home grounds"
    bool ignoreTeamConflicts = false; // "Ignore team conflics"
    bool ignoreHolidays = false;      // "Ignore teams' holidays"
    bool ignoreWeekdays = false;      // "Ignore teams' illegal weekdays"
    bool ignoreMinDays = false;       // "Ignore minimum days between fixtures of two teams"
    bool ignoreLatestStart = false;   // "Ignore latest match start time"
    bool ignorePreferredTime = false; // "Ignore preferred playing time"
    int conflictMargin = 90;          // "Minutes of margin in case of team conflicts"

    static cScheduleSettings FromDatabase(const cDatabase& db);

    // Stores all nine values and marks the document modified.
    void ApplyTo(cDatabase& db) const;
};

// The first value the dialog must refuse: the field to focus, the message id
// and the text as shown.
struct cSettingsError
{
    int field = 0;
    int messageId = 0;
    std::string text;
};

std::optional<cSettingsError> Validate(const cScheduleSettings& values);
