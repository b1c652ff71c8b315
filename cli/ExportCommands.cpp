#include "cli/ExportCommands.h"

#include "document/CTournelDoc.h"
#include "model/Strings.h"
#include "model/cLeague.h"
#include "model/cValidation.h"
#include "output/CalendarExport.h"
#include "output/Export.h"
#include "scheduling/MatchGeneration.h"

#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <ostream>

namespace {

constexpr std::array<std::string_view, 15> kValueOptions = {
    "--schedule", "--tables", "--content",  "--sorting", "--layout",
    "--from",     "--to",     "--language", "--number",  "--court",
    "--official", "--team",   "--template", "--columns", "--results-from",
};
constexpr std::array<std::string_view, 2> kFlags = {"--courts", "--leagues"};

int Usage(cCliContext& context, std::string_view what)
{
    return UsageError(context.err, what);
}

const std::string* Option(const cCliContext& context, std::string_view name)
{
    const auto found = context.options.find(std::string(name));
    return found != context.options.end() ? &found->second : nullptr;
}

std::optional<int> ParseInt(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Takes a whole number from `low` to `high` given with the option into
// `value` (left alone without the option); false after the usage message.
bool NumberOption(cCliContext& context, std::string_view name, int low, int high, int& value)
{
    const std::string* text = Option(context, name);
    if (text == nullptr) {
        return true;
    }
    const std::optional<int> number = ParseInt(*text);
    if (!number || *number < low || *number > high) {
        Usage(context, std::string(name) + " needs a number from " + std::to_string(low) + " to " +
                           std::to_string(high) + ", not '" + *text + "'");
        return false;
    }
    value = *number;
    return true;
}

// Reads a date option. False after a usage error (exit 2) or after the
// dialog's message for a date that does not exist (`status` 1).
bool DateOption(cCliContext& context, std::string_view name, int illegalMessage,
                std::optional<cIsoDate>& date, int& status)
{
    const std::string* text = Option(context, name);
    if (text == nullptr) {
        return true;
    }
    date = ParseIsoDate(*text);
    if (!date) {
        status = Usage(context, std::string(name) + " needs a date as YYYY-MM-DD, not '" + *text + "'");
        return false;
    }
    // A year the dialogs do not take is told as they tell it.
    if (const cValidation error = CheckRange(date->year, kFirstYear, kLastYear, 0)) {
        context.doc.Prompt().ShowMessage(error->messageId, error->text);
        status = kExitFailed;
        return false;
    }
    if (!IsValidDate(date->day, date->month, date->year)) {
        context.doc.Prompt().ShowMessage(illegalMessage);
        status = kExitFailed;
        return false;
    }
    return true;
}

// An index number given with --court, --league or --official; -1 without.
bool IndexOption(cCliContext& context, std::string_view name, const std::string* text, int& index)
{
    if (text == nullptr) {
        return true;
    }
    const std::optional<int> number = ParseInt(*text);
    if (!number || *number < 0) {
        Usage(context, std::string(name) + " needs an index number, not '" + *text + "'");
        return false;
    }
    index = *number;
    return true;
}

int RefuseUnknown(cCliContext& context, std::string_view what, int index)
{
    context.err << "tournel-cli: no " << what << " with the index number " << index << '\n';
    return kExitFailed;
}

// The one court, league, official or team (--court, --league, --official,
// --team LEAGUE:TEAM) and the period (--from, --to) that an output is
// limited to, checked against the document.
struct cSelection
{
    const std::string* court = nullptr;
    const std::string* league = nullptr;
    const std::string* official = nullptr;
    const std::string* team = nullptr;
    int courtIndex = -1;
    int leagueIndex = -1;
    int teamIndex = -1;
    int officialIndex = -1;
    std::optional<TimePoint> from; // the first day's 00:00
    std::optional<TimePoint> to;   // the last day's 23:59
};

// Reads the selection; kExitOk, or the status to end with (the message told).
int ReadSelection(cCliContext& context, cSelection& selection)
{
    selection.court = Option(context, "--court");
    selection.league = context.league.empty() ? nullptr : &context.league;
    selection.official = Option(context, "--official");
    selection.team = Option(context, "--team");
    if ((selection.court != nullptr) + (selection.league != nullptr) + (selection.official != nullptr) +
            (selection.team != nullptr) >
        1) {
        return Usage(context, "give only one of --court, --league, --official and --team");
    }
    if (!IndexOption(context, "--court", selection.court, selection.courtIndex) ||
        !IndexOption(context, "--league", selection.league, selection.leagueIndex) ||
        !IndexOption(context, "--official", selection.official, selection.officialIndex)) {
        return kExitUsage;
    }
    if (const std::string* team = selection.team) {
        const std::size_t colon = team->find(':');
        const std::optional<int> teamLeague = ParseInt(std::string_view(*team).substr(0, colon));
        const std::optional<int> teamIndex =
            colon == std::string::npos ? std::nullopt : ParseInt(std::string_view(*team).substr(colon + 1));
        if (!teamLeague || !teamIndex || *teamLeague < 0 || *teamIndex < 0) {
            return Usage(context, "--team needs LEAGUE:TEAM index numbers, not '" + *team + "'");
        }
        selection.leagueIndex = *teamLeague;
        selection.teamIndex = *teamIndex;
    }
    std::optional<cIsoDate> from;
    std::optional<cIsoDate> to;
    int status = kExitOk;
    if (!DateOption(context, "--from", IDS_START_DATE_ILLEGAL, from, status) ||
        !DateOption(context, "--to", IDS_FINAL_DATE_ILLEGAL, to, status)) {
        return status;
    }
    if (from) {
        selection.from = MakeTimePoint(from->year, from->month, from->day);
    }
    if (to) {
        selection.to = MakeTimePoint(to->year, to->month, to->day, 23, 59);
    }
    return kExitOk;
}

// Whether the selected items exist; kExitOk, or kExitFailed with the message told.
int CheckSelection(cCliContext& context, const cSelection& selection)
{
    const CTournelDoc& doc = context.doc;
    if (selection.courtIndex >= 0 && doc.GetCourt(selection.courtIndex) == nullptr) {
        return RefuseUnknown(context, "court", selection.courtIndex);
    }
    if (selection.leagueIndex >= 0 && doc.GetLeague(selection.leagueIndex) == nullptr) {
        return RefuseUnknown(context, "league", selection.leagueIndex);
    }
    if (selection.teamIndex >= 0 && doc.GetTeam(selection.leagueIndex, selection.teamIndex) == nullptr) {
        return RefuseUnknown(context, "team", selection.teamIndex);
    }
    if (selection.officialIndex >= 0 && doc.GetOfficial(selection.officialIndex) == nullptr) {
        return RefuseUnknown(context, "official", selection.officialIndex);
    }
    return kExitOk;
}

int ExportSchedule(cCliContext& context, const std::string& path, const cSelection& selection)
{
    CTournelDoc& doc = context.doc;
    cScheduleExport what = cScheduleExport::FromDocument(doc);
    // A selection names the sorting it belongs to; --sorting may say so too.
    what.court = selection.courtIndex;
    what.league = selection.leagueIndex;
    what.team = selection.teamIndex;
    what.official = selection.officialIndex;
    const int implied = selection.court != nullptr      ? cScheduleExport::kByCourt
                        : selection.league != nullptr   ? cScheduleExport::kByLeague
                        : selection.official != nullptr ? cScheduleExport::kByOfficial
                        : selection.team != nullptr     ? cScheduleExport::kByTeam
                                                        : -1;
    if (implied >= 0) {
        what.sorting = implied;
    }
    if (!NumberOption(context, "--sorting", 0, 4, what.sorting) ||
        !NumberOption(context, "--layout", 0, 2, what.layout) ||
        !NumberOption(context, "--language", 0, kLanguageCount - 1, what.language)) {
        return kExitUsage;
    }
    if (implied >= 0 && what.sorting != implied) {
        return Usage(context, "the selection needs --sorting " + std::to_string(implied));
    }
    if (const std::string* number = Option(context, "--number")) {
        if (*number != "before" && *number != "after" && *number != "both") {
            return Usage(context, "--number needs before, after or both, not '" + *number + "'");
        }
        what.numberBefore = *number != "after";
        what.numberAfter = *number != "before";
    }
    if (selection.from) {
        what.from = *selection.from;
    }
    if (selection.to) {
        what.to = *selection.to;
    }
    if ((selection.from || selection.to) && what.from > what.to) {
        doc.Prompt().ShowMessage(IDS_START_AFTER_FINAL);
        return kExitFailed;
    }
    if (const int status = CheckSelection(context, selection); status != kExitOk) {
        return status;
    }
    return WriteScheduleFile(doc, what, path) == 0 ? kExitOk : kExitFailed;
}

int ExportTables(cCliContext& context, const std::string& path)
{
    CTournelDoc& doc = context.doc;
    cTablesExport what = cTablesExport::FromDocument(doc);
    if (!IndexOption(context, "--league", context.league.empty() ? nullptr : &context.league, what.league)) {
        return kExitUsage;
    }
    if (const std::string* columns = Option(context, "--columns")) {
        const std::array<std::pair<std::string_view, bool*>, 10> names = {{
            {"rank", &what.rank},
            {"played", &what.played},
            {"won", &what.won},
            {"drawn", &what.drawn},
            {"lost", &what.lost},
            {"disq", &what.disqualified},
            {"score", &what.scoreDiff},
            {"ball", &what.ballDiff},
            {"ratio", &what.ratio},
            {"points", &what.points},
        }};
        for (const auto& [name, flag] : names) {
            *flag = false;
        }
        std::string_view rest = *columns;
        while (!rest.empty()) {
            const std::size_t comma = rest.find(',');
            const std::string_view name = rest.substr(0, comma);
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
            bool known = false;
            for (const auto& [column, flag] : names) {
                if (column == name) {
                    *flag = known = true;
                }
            }
            if (!known) {
                return Usage(context,
                             "--columns knows rank, played, won, drawn, lost, disq, score, ball, ratio "
                             "and points, not '" +
                                 std::string(name) + "'");
            }
        }
    }
    std::optional<cIsoDate> from;
    int status = kExitOk;
    if (!DateOption(context, "--results-from", IDS_ILLEGAL_DATE, from, status)) {
        return status;
    }
    if (from) {
        what.results = true;
        what.resultsFrom = MakeTimePoint(from->year, from->month, from->day);
    }
    if (what.league >= 0 && doc.GetLeague(what.league) == nullptr) {
        return RefuseUnknown(context, "league", what.league);
    }
    return WriteTablesFile(doc, what, path) == 0 ? kExitOk : kExitFailed;
}

} // namespace

bool IsExportOption(std::string_view option, bool& takesValue)
{
    for (const std::string_view name : kValueOptions) {
        if (name == option) {
            takesValue = true;
            return true;
        }
    }
    for (const std::string_view name : kFlags) {
        if (name == option) {
            takesValue = false;
            return true;
        }
    }
    return false;
}

// Writes the schedule (--schedule), the tables (--tables) or the content
// summary (--content) as the print dialogs' "Write to file..." does, with the
// document's choices unless options say otherwise. The extension of the
// output chooses a web page (htm, html) or plain text.
int Export(cCliContext& context, std::span<const std::string> operands)
{
    const std::string* schedule = Option(context, "--schedule");
    const std::string* tables = Option(context, "--tables");
    const std::string* content = Option(context, "--content");
    if ((schedule != nullptr) + (tables != nullptr) + (content != nullptr) != 1) {
        return Usage(context, "export needs one of --schedule OUT, --tables OUT and --content OUT");
    }
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    if (const std::string* path = Option(context, "--template")) {
        context.doc.m_strScheduleTemplate = *path;
        context.doc.m_strTableTemplate = *path;
    }
    if (schedule != nullptr) {
        cSelection selection;
        if (const int status = ReadSelection(context, selection); status != kExitOk) {
            return status;
        }
        return ExportSchedule(context, *schedule, selection);
    }
    if (tables != nullptr) {
        return ExportTables(context, *tables);
    }
    // The overview counts the unscheduled matches as their directory shows them.
    RebuildUnscheduled(context.doc);
    return WriteContentFile(context.doc, context.doc.GetTitle(), Option(context, "--courts") != nullptr,
                            Option(context, "--leagues") != nullptr, *content) == 0
               ? kExitOk
               : kExitFailed;
}

// The scheduled matches as an iCalendar file, all of them or those of one
// team, court, league or official within the period asked for.
int Ical(cCliContext& context, std::span<const std::string> operands)
{
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    cSelection selection;
    if (const int status = ReadSelection(context, selection); status != kExitOk) {
        return status;
    }
    if (const int status = CheckSelection(context, selection); status != kExitOk) {
        return status;
    }
    cCalendarExport what;
    what.court = selection.courtIndex;
    what.league = selection.leagueIndex;
    what.team = selection.teamIndex;
    what.official = selection.officialIndex;
    what.from = selection.from.value_or(std::numeric_limits<TimePoint>::min());
    what.to = selection.to.value_or(std::numeric_limits<TimePoint>::max());
    if (what.from > what.to) {
        context.doc.Prompt().ShowMessage(IDS_START_AFTER_FINAL);
        return kExitFailed;
    }
    return WriteCalendarFile(context.doc, what, operands[1]) == 0 ? kExitOk : kExitFailed;
}

// Write to File of one top-level directory, or of a league's teams
// ("teams:INDEX"); the unscheduled matches are regenerated first, as their
// directory is whenever it is shown. OUT.csv writes a spreadsheet file.
int WriteDir(cCliContext& context, std::span<const std::string> operands)
{
    const std::string& name = operands[1];
    std::optional<int> league;
    if (name.starts_with("teams:")) {
        int index = -1;
        const char* first = name.data() + 6;
        const auto [end, error] = std::from_chars(first, name.data() + name.size(), index);
        if (error != std::errc() || end != name.data() + name.size() || first == end) {
            return Usage(context, "teams: needs a league's index number, not '" + name + "'");
        }
        league = index;
    } else if (!IsDirectoryName(name)) {
        return Usage(context, "write-dir knows the directories " + std::string(kDirectoryNames) +
                                  " and teams:INDEX, not '" + name + "'");
    }
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    cTournelDb* directory = nullptr;
    if (league) {
        cLeague* found = context.doc.GetLeague(*league);
        if (found == nullptr) {
            context.err << "tournel-cli: no league with the index number " << *league << '\n';
            return kExitFailed;
        }
        directory = &found->Teams();
    } else {
        directory = NamedDirectory(context.doc, name);
    }
    if (directory == &context.doc.Unscheduled()) {
        RebuildUnscheduled(context.doc);
    }
    directory->Refresh();
    return WriteDirectoryFile(context.doc, *directory, operands[2]) == 0 ? kExitOk : kExitFailed;
}
