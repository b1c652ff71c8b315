#include "cli/ExportCommands.h"

#include "document/CTournelDoc.h"
#include "model/Strings.h"
#include "model/cLeague.h"
#include "model/cTeam.h"
#include "model/cValidation.h"
#include "output/CalendarExport.h"
#include "output/Export.h"
#include "output/PrintValues.h"
#include "output/SeasonChanges.h"
#include "scheduling/MatchGeneration.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <ostream>

namespace {

int Usage(cCliContext& context, std::string_view what)
{
    return UsageError(context.err, what);
}

const std::string* Option(const cCliContext& context, std::string_view name)
{
    const auto found = context.options.find(std::string(name));
    return found != context.options.end() ? &found->second : nullptr;
}

// Takes a whole number from `low` to `high` given with the option into
// `value` (left alone without the option); false after the usage message.
bool NumberOption(cCliContext& context, std::string_view name, int low, int high, int& value)
{
    const std::string* text = Option(context, name);
    if (text == nullptr) {
        return true;
    }
    const std::optional<int> number = ParseInteger(*text);
    if (!number || *number < low || *number > high) {
        Usage(context, std::string(name) + " needs a number from " + std::to_string(low) + " to " +
                           std::to_string(high) + ", not '" + *text + "'");
        return false;
    }
    value = *number;
    return true;
}

// Reads a date option as the day, month and year fields of a dialog take it;
// whether the date exists is the dialog's check. False after the usage message.
bool DateOption(cCliContext& context, std::string_view name, std::optional<cPrintDate>& date)
{
    const std::string* text = Option(context, name);
    if (text == nullptr) {
        return true;
    }
    const std::optional<cIsoDate> typed = ParseIsoDate(*text);
    if (!typed) {
        Usage(context, std::string(name) + " needs a date as YYYY-MM-DD, not '" + *text + "'");
        return false;
    }
    date = cPrintDate{typed->day, typed->month, typed->year};
    return true;
}

// Shows the message of the dialog that refuses the values; true when refused.
bool Refused(cCliContext& context, const cValidation& error)
{
    if (!error) {
        return false;
    }
    context.doc.Prompt().ShowMessage(error->messageId, error->text);
    return true;
}

// An index number given with --court, --league or --official; -1 without.
bool IndexOption(cCliContext& context, std::string_view name, const std::string* text, int& index)
{
    if (text == nullptr) {
        return true;
    }
    const std::optional<int> number = ParseInteger(*text);
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
    std::optional<cPrintDate> from; // as typed, checked by the dialog's values
    std::optional<cPrintDate> to;
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
        const std::optional<int> teamLeague = ParseInteger(std::string_view(*team).substr(0, colon));
        const std::optional<int> teamIndex = colon == std::string::npos
                                                 ? std::nullopt
                                                 : ParseInteger(std::string_view(*team).substr(colon + 1));
        if (!teamLeague || !teamIndex || *teamLeague < 0 || *teamIndex < 0) {
            return Usage(context, "--team needs LEAGUE:TEAM index numbers, not '" + *team + "'");
        }
        selection.leagueIndex = *teamLeague;
        selection.teamIndex = *teamIndex;
    }
    if (!DateOption(context, "--from", selection.from) || !DateOption(context, "--to", selection.to)) {
        return kExitUsage;
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

// The schedule as "Special schedule print" writes it for the same values: the
// document's choices and every scheduled match's day where no option says
// otherwise, refused with the dialog's message where the dialog refuses them.
int ExportSchedule(cCliContext& context, const std::string& path, const cSelection& selection)
{
    using V = cSchedulePrintValues;
    CTournelDoc& doc = context.doc;
    V values = V::FromDatabase(doc);
    if (doc.Scheduled().GetFirst() != nullptr) {
        const cScheduleExport season = cScheduleExport::FromDocument(doc);
        values.start = cPrintDate::Of(season.from);
        values.final = cPrintDate::Of(season.to);
    }
    // A selection names the sorting it belongs to; --sorting may choose
    // another that offers it too (the teams of one league).
    struct cSelector
    {
        const std::string* given;
        int field;
        int sorting;
    };
    const cSelector selectors[] = {
        {selection.court, V::kFieldCourt, cScheduleExport::kByCourt},
        {selection.league, V::kFieldLeague, cScheduleExport::kByLeague},
        {selection.official, V::kFieldOfficial, cScheduleExport::kByOfficial},
        {selection.team, V::kFieldTeam, cScheduleExport::kByTeam},
    };
    const cSelector* chosen = nullptr;
    for (const cSelector& selector : selectors) {
        if (selector.given != nullptr) {
            chosen = &selector;
        }
    }
    int sorting = chosen != nullptr ? chosen->sorting : values.sorting;
    int layout = std::clamp(doc.m_nScheduleLayout, 0, V::kLayouts - 1);
    if (!NumberOption(context, "--sorting", 0, V::kSortings - 1, sorting) ||
        !NumberOption(context, "--layout", 0, V::kLayouts - 1, layout) ||
        !NumberOption(context, "--language", 0, kLanguageCount - 1, values.language)) {
        return kExitUsage;
    }
    values.ChooseSorting(sorting);
    values.layout = layout; // the print takes it only when sorted by date
    if (chosen != nullptr && !values.IsEnabled(chosen->field)) {
        return Usage(context, "the selection needs --sorting " + std::to_string(chosen->sorting));
    }
    values.court = selection.courtIndex;
    values.league = selection.leagueIndex;
    values.team = selection.teamIndex;
    values.official = selection.officialIndex;
    if (const std::string* number = Option(context, "--number")) {
        if (*number != "before" && *number != "after" && *number != "both" && *number != "none") {
            return Usage(context, "--number needs before, after, both or none, not '" + *number + "'");
        }
        values.numberBefore = *number == "before" || *number == "both";
        values.numberAfter = *number == "after" || *number == "both";
    }
    if (const std::string* heading = Option(context, "--heading")) {
        values.heading = *heading;
    }
    values.start = selection.from.value_or(values.start);
    values.final = selection.to.value_or(values.final);
    if (Refused(context, Validate(values))) {
        return kExitFailed;
    }
    if (const int status = CheckSelection(context, selection); status != kExitOk) {
        return status;
    }
    return WriteScheduleFile(doc, values.Export(), path) == 0 ? kExitOk : kExitFailed;
}

// The tables as "Special table print" writes them for the same values; without
// --results-from a document that lists results lists every one of them.
int ExportTables(cCliContext& context, const std::string& path)
{
    using V = cTablePrintValues;
    CTournelDoc& doc = context.doc;
    V values = V::FromDatabase(doc);
    if (!IndexOption(context, "--league", context.league.empty() ? nullptr : &context.league,
                     values.league)) {
        return kExitUsage;
    }
    if (const std::string* columns = Option(context, "--columns")) {
        constexpr std::array<std::string_view, V::kColumnFields> kNames = {
            "rank", "played", "won", "drawn", "lost", "disq", "score", "ball", "ratio", "points"};
        std::ranges::fill(values.columns, false);
        std::string_view rest = *columns;
        while (!rest.empty()) {
            const std::size_t comma = rest.find(',');
            const std::string_view name = rest.substr(0, comma);
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
            const auto known = std::ranges::find(kNames, name);
            if (known == kNames.end()) {
                return Usage(context,
                             "--columns knows rank, played, won, drawn, lost, disq, score, ball, ratio "
                             "and points, not '" +
                                 std::string(name) + "'");
            }
            values.columns[known - kNames.begin()] = true;
        }
    }
    if (const std::string* heading = Option(context, "--heading")) {
        values.heading = *heading;
    }
    std::optional<cPrintDate> from;
    if (!DateOption(context, "--results-from", from)) {
        return kExitUsage;
    }
    if (from && Option(context, "--no-results") != nullptr) {
        return Usage(context, "give only one of --results-from and --no-results");
    }
    if (from) {
        values.results = true;
        values.resultsFrom = *from;
    } else if (Option(context, "--no-results") != nullptr) {
        values.results = false;
    }
    if (Refused(context, Validate(values))) {
        return kExitFailed;
    }
    if (values.league >= 0 && doc.GetLeague(values.league) == nullptr) {
        return RefuseUnknown(context, "league", values.league);
    }
    cTablesExport what = values.Export();
    if (values.results && !from) {
        what.resultsFrom = 0;
    }
    return WriteTablesFile(doc, what, path) == 0 ? kExitOk : kExitFailed;
}

} // namespace

namespace {

// The one court, league, official or team and the period, as export and ical
// take them; `sorts` adds the sorting each selection implies.
void AddSelectionOptions(CLI::App& command, cCliArguments& arguments, const std::string& what, bool sorts)
{
    const std::string of = what + ": only the matches of ";
    const std::string league =
        sorts ? "only the league with this index number: in the schedule its matches "
                "(implies sorting 2; with --sorting 3 the matches of each of its teams), "
                "in the tables its table"
              : of + "the league with this index number";
    const auto implies = [sorts](int sorting) {
        return sorts ? " (implies sorting " + std::to_string(sorting) + ")" : std::string();
    };
    AddValueOption(command, arguments, "--court", "INDEX",
                   of + "the court with this index number" + implies(cScheduleExport::kByCourt));
    command.add_option("--league", arguments.league, league)->option_text("INDEX");
    AddValueOption(command, arguments, "--official", "INDEX",
                   of + "the official with this index number" + implies(cScheduleExport::kByOfficial));
    AddValueOption(command, arguments, "--team", "LEAGUE:TEAM",
                   of + "the team with index number TEAM in the league with index number LEAGUE" +
                       implies(cScheduleExport::kByTeam));
    AddValueOption(command, arguments, "--from", "YYYY-MM-DD",
                   what + ": the first day (default: the first day with a scheduled match)");
    AddValueOption(command, arguments, "--to", "YYYY-MM-DD",
                   what + ": the last day (default: the last day with a scheduled match)");
}

} // namespace

void AddExportOptions(CLI::App& command, cCliArguments& arguments)
{
    AddValueOption(command, arguments, "--schedule", "OUT",
                   "write the schedule; OUT.htm or OUT.html is a web page merged into the template, OUT.csv "
                   "a spreadsheet file, any other extension plain text, a name without extension gets .htm");
    AddValueOption(command, arguments, "--tables", "OUT", "write the standings tables (and results)");
    AddValueOption(command, arguments, "--content", "OUT", "write the content summary as text");
    AddValueOption(command, arguments, "--sorting", "0-4",
                   "schedule by date, court, league, team or official");
    AddValueOption(command, arguments, "--layout", "0-2",
                   "sorting 0: ungrouped, grouped by date, grouped by date and court");
    AddValueOption(command, arguments, "--language", "0-10",
                   "the language of weekday names in group headings");
    AddValueOption(command, arguments, "--number", "before|after|both|none",
                   "the match number in front of or after date and time, both or neither");
    AddSelectionOptions(command, arguments, "the schedule", true);
    AddValueOption(command, arguments, "--template", "FILE", "the web template instead of the document's");
    AddValueOption(command, arguments, "--heading", "TEXT",
                   "the heading of each section instead of the document's; its first # is replaced by the "
                   "section's name (up to 160 characters)");
    AddValueOption(command, arguments, "--columns", "rank,played,won,drawn,lost,disq,score,ball,ratio,points",
                   "tables: the columns written");
    AddValueOption(command, arguments, "--results-from", "YYYY-MM-DD",
                   "tables: list the results played from that day on");
    AddFlagOption(command, arguments, "--no-results", "tables: list no results, whatever the document says");
    AddFlagOption(command, arguments, "--courts", "content: add the court overview");
    AddFlagOption(command, arguments, "--leagues", "content: add the league overview");
}

void AddIcalOptions(CLI::App& command, cCliArguments& arguments)
{
    AddSelectionOptions(command, arguments, "the calendar", false);
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
    // As "Export calendar" takes them: the season's first to last match's day
    // where no date is given.
    cCalendarExportValues values = cCalendarExportValues::FromDatabase(context.doc);
    values.matchesOf.court = selection.courtIndex;
    values.matchesOf.league = selection.leagueIndex;
    values.matchesOf.team = selection.teamIndex;
    values.matchesOf.official = selection.officialIndex;
    values.start = selection.from.value_or(values.start);
    values.final = selection.to.value_or(values.final);
    if (Refused(context, Validate(values))) {
        return kExitFailed;
    }
    const cCalendarExport what = values.Export();
    return WriteCalendarFile(context.doc, what, operands[1]) == 0 ? kExitOk : kExitFailed;
}

void AddChangesOptions(CLI::App& command, cCliArguments& arguments)
{
    AddValueOption(command, arguments, "--team", "LEAGUE:TEAM",
                   "only the changes of the team with index number TEAM in the league with index number "
                   "LEAGUE (index numbers of NEW.tnd)");
    AddFlagOption(command, arguments, "--csv",
                  "write a spreadsheet (CSV) file instead of text: a header row, then one row per change per "
                  "team and official");
}

// What changed from OLD to NEW, by team and by official, as text or CSV on
// standard output. Two files of different seasons are refused.
int Changes(cCliContext& context, std::span<const std::string> operands)
{
    cSelection selection;
    if (const int status = ReadSelection(context, selection); status != kExitOk) {
        return status;
    }
    CTournelDoc older;
    older.SetPrompt(&context.doc.Prompt());
    older.m_fnClock = context.doc.m_fnClock;
    if (!older.OnOpenDocument(operands[0]) || !context.doc.OnOpenDocument(operands[1])) {
        return kExitFailed;
    }
    if (const int status = CheckSelection(context, selection); status != kExitOk) {
        return status;
    }
    cSeasonChanges changes = CompareSeasons(older, context.doc);
    if (changes.refusal != 0) {
        context.doc.Prompt().ShowMessage(changes.refusal, changes.refusalText);
        return kExitFailed;
    }
    if (selection.teamIndex >= 0) {
        const cTeam* team = context.doc.GetTeam(selection.leagueIndex, selection.teamIndex);
        KeepOnlyTeam(changes, context.doc.GetLeague(selection.leagueIndex)->m_strName, team->m_strName);
    }
    if (Option(context, "--csv") == nullptr) {
        context.out << ChangesText(changes, context.doc);
        return kExitOk;
    }
    // RFC 4180 lines end in CR LF, as in the spreadsheet files.
    for (const char c : ChangesCsv(changes)) {
        context.out << (c == '\n' ? "\r\n" : std::string(1, c));
    }
    if (changes.Empty()) {
        context.err << GetString(IDS_CHANGES_NONE) << '\n';
    }
    return kExitOk;
}

// Write to File of one top-level directory, or of a league's teams
// ("teams:INDEX"); the unscheduled matches are regenerated first, as their
// directory is whenever it is shown. OUT.csv writes a spreadsheet file.
int WriteDir(cCliContext& context, std::span<const std::string> operands)
{
    const std::string& name = operands[1];
    std::optional<int> league;
    if (name.starts_with("teams:")) {
        const std::optional<int> index = ParseInteger(std::string_view(name).substr(6));
        if (!index) {
            return Usage(context, "teams: needs a league's index number, not '" + name + "'");
        }
        league = *index;
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
