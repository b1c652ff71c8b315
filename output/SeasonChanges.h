#pragma once

// What changed in the schedule between two versions of one season's file:
// every scheduled match added, removed, moved or given other officials,
// told to each team and each official it concerns, so that everybody who was
// sent a schedule can be told exactly what is different now.
//
// A match of one version is the same match in the other when it has the same
// league, home team, guest team and round, all known by their names (index
// numbers may differ between two files); a playoff match when it has the
// same number and team texts. When such a key is held by more than one
// match, they are paired in the order of their starts. Courts and officials
// are known by their names too. Reading the two files is the caller's work.

#include "model/Calendar.h"
#include "model/cMatch.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class cDatabase;

// One version of a match as its teams and officials are told it.
struct cMatchVersion
{
    std::string label; // "U12-7"; a playoff match's number text
    TimePoint start = 0;
    TimePoint end = 0;
    std::string court;                                             // the court's name
    std::array<std::string, cMatch::kOfficialPositions> officials; // names by position; empty: none

    bool operator==(const cMatchVersion&) const = default;
};

struct cMatchChange
{
    // What changed, as bits: a match added or removed is nothing else; one
    // kept may be moved, given other officials and renumbered at once.
    enum : unsigned
    {
        kAdded = 1,
        kRemoved = 2,
        kMoved = 4,      // another day, start, end or court
        kOfficials = 8,  // another official on some position
        kRenumbered = 16 // another match number
    };
    unsigned what = 0;
    std::string league; // the league's name; empty for a playoff match
    std::string home;
    std::string guest;
    std::optional<cMatchVersion> before; // none when added
    std::optional<cMatchVersion> after;  // none when removed

    // The version of the match that is shown first: the new one unless it was removed.
    const cMatchVersion& Latest() const { return after ? *after : *before; }
};

// A team or an official and the changes that concern them, in the order of
// the matches' starts. A playoff match's teams are its texts, without a league.
struct cChangeRecipient
{
    std::string league; // the team's league; empty for an official and a playoff team
    std::string name;
    std::vector<std::size_t> changes; // indices into cSeasonChanges::changes
};

struct cSeasonChanges
{
    // Why the two files cannot be compared (IDS_CHANGES_OTHER_SEASON,
    // IDS_CHANGES_NO_COMMON_LEAGUE) with its text; 0 when they were compared.
    int refusal = 0;
    std::string refusalText;
    std::vector<cMatchChange> changes;
    // League teams by league and team name, then playoff teams by their texts.
    std::vector<cChangeRecipient> teams;
    // By name.
    std::vector<cChangeRecipient> officials;

    bool Empty() const { return teams.empty() && officials.empty(); }
};

// The changes from `before` to `after`. Two files are versions of one season
// when they were created as one document (the same creation time, where both
// files hold one) and, when both hold leagues, share at least one league by
// name; otherwise nothing is compared and `refusal` says why.
cSeasonChanges CompareSeasons(const cDatabase& before, const cDatabase& after);

// Keeps only the changes told to the team `team` of the league `league`
// (names); the officials' part is dropped.
void KeepOnlyTeam(cSeasonChanges& changes, std::string_view league, std::string_view team);

// The changes as text, "\n" line ends: the teams, then the officials, each
// with one line per change of theirs; dates in the document format and
// weekday language of `style`. "No changes." when there are none.
std::string ChangesText(const cSeasonChanges& changes, const cDatabase& style);

// The changes as a spreadsheet file (output/Csv.h): a header row, then one
// row per change per team and per official.
std::string ChangesCsv(const cSeasonChanges& changes);

// Writes ChangesCsv when `path` ends in ".csv", else ChangesText, with CR LF
// line ends; 0, or the id of the message shown through style.Prompt()
// (IDS_UNABLE_TO_OPEN_FILE).
int WriteChangesFile(const cSeasonChanges& changes, const cDatabase& style, const std::string& path);
