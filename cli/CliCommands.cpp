#include "cli/CliCommands.h"

#include "cli/DumpJson.h"
#include "cli/ExportCommands.h"
#include "cli/ImportCommands.h"
#include "cli/ImproveCommands.h"
#include "cli/ReplanCommands.h"
#include "cli/ReportCommands.h"
#include "cli/SiteCommands.h"
#include "cli/cCliHelpFormatter.h"
#include "cli/cCliPrompt.h"
#include "document/CTournelDoc.h"
#include "document/cRolloverValues.h"
#include "model/cLeague.h"
#include "model/cValidation.h"
#include "officials/AutoAssign.h"
#include "officials/CheckSchedule.h"
#include "officials/cAutoAssignValues.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/MatchGeneration.h"
#include "standings/Standings.h"

#include <algorithm>
#include <ostream>

namespace {

int New(cCliContext& context, std::span<const std::string> operands)
{
    context.doc.OnNewDocument();
    return context.doc.OnSaveDocument(operands[0]) ? kExitOk : kExitFailed;
}

int Dump(cCliContext& context, std::span<const std::string> operands)
{
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    context.out << DumpDocument(context.doc).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
                << '\n';
    return kExitOk;
}

int Convert(cCliContext& context, std::span<const std::string> operands)
{
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    return context.doc.OnSaveDocument(operands[1]) ? kExitOk : kExitFailed;
}

// Schedules the unscheduled matches as Schedule > Automatically does and
// writes the result to the -o file; the final message goes to standard output.
int Schedule(cCliContext& context, std::span<const std::string> operands)
{
    if (context.output.empty()) {
        context.err << "tournel-cli: schedule needs -o OUT.tnd\nTry 'tournel-cli --help'.\n";
        return kExitUsage;
    }
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    context.doc.BackupIfDue();
    const cScheduleRun run = ScheduleAutomatically(context.doc, context.literal);
    context.out << run.message << '\n';
    return context.doc.OnSaveDocument(context.output) ? kExitOk : kExitFailed;
}

// Assigns officials as Assign Officials > Automatically does, up to and
// including the --until date with --officials per game (the document's number
// when not given), and writes the -o file. The final message (or why nothing
// was to be done) goes to standard output; values the dialog refuses are
// refused with its message.
int Assign(cCliContext& context, std::span<const std::string> operands)
{
    if (context.output.empty() || context.until.empty()) {
        context.err << "tournel-cli: assign needs --until YYYY-MM-DD and -o OUT.tnd\n"
                       "Try 'tournel-cli --help'.\n";
        return kExitUsage;
    }
    cAutoAssignValues values;
    const std::optional<cIsoDate> until = ParseIsoDate(context.until);
    if (!until) {
        context.err << "tournel-cli: --until needs a date as YYYY-MM-DD, not '" << context.until
                    << "'\nTry 'tournel-cli --help'.\n";
        return kExitUsage;
    }
    values.year = until->year;
    values.month = until->month;
    values.day = until->day;
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    values.officials = context.officials.value_or(cAutoAssignValues::FromDatabase(context.doc).officials);
    if (const cValidation error = Validate(values, context.doc)) {
        context.err << "tournel-cli: " << error->text << '\n';
        return kExitFailed;
    }
    context.doc.BackupIfDue();
    const cAssignRun run =
        AssignOfficialsAutomatically(context.doc, values.EndLimit(), values.officials, context.literal);
    if (!run.message.empty()) {
        context.out << run.message << '\n';
    }
    return context.doc.OnSaveDocument(context.output) ? kExitOk : kExitFailed;
}

// Each league's table as its Table directory shows it, brought up to date
// first: the league's name, then one line per row with the column texts
// separated by TABs.
int Table(cCliContext& context, std::span<const std::string> operands)
{
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    bool found = context.league.empty();
    for (cLeague& league : context.doc.Leagues().AllItems<cLeague>()) {
        if (!context.league.empty() && league.m_strShortName != context.league) {
            continue;
        }
        found = true;
        BringTableUpToDate(context.doc, league);
        context.out << league.m_strName << '\n';
        const cTournelDb& table = league.Table();
        for (const cDbItem* row = table.GetFirst(); row != nullptr; row = cTournelDb::GetNext(*row)) {
            for (std::size_t column = 0; column < table.GetColumns().size(); ++column) {
                context.out << (column > 0 ? "\t" : "") << row->GetColumnText(static_cast<int>(column));
            }
            context.out << '\n';
        }
    }
    if (!found) {
        context.err << "tournel-cli: no league with the short name '" << context.league << "'\n";
        return kExitFailed;
    }
    return kExitOk;
}

// Writes the season after IN to the -o file: kept are the settings, courts,
// leagues, teams and officials; the dates move by --weeks whole weeks (52
// unless given), the court time as entered along with them unless
// --no-court-time. Values or dates the window's dialog refuses are refused
// with its message, and nothing is written.
int Rollover(cCliContext& context, std::span<const std::string> operands)
{
    if (context.output.empty()) {
        return UsageError(context.err, "rollover needs -o OUT.tnd");
    }
    cRolloverValues values;
    if (const auto weeks = context.options.find("--weeks"); weeks != context.options.end()) {
        const std::optional<int> number = ParseInteger(weeks->second);
        if (!number) {
            return UsageError(context.err, "--weeks needs a number, not '" + weeks->second + "'");
        }
        values.weeks = *number;
    }
    values.keepCourtTime = !context.options.contains("--no-court-time");
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    if (const cValidation refusal = context.doc.StartNextSeason(values)) {
        context.err << "tournel-cli: " << refusal->text << '\n';
        return kExitFailed;
    }
    // Written as the window shows it: every table ranked.
    BringTablesUpToDate(context.doc);
    return context.doc.OnSaveDocument(context.output) ? kExitOk : kExitFailed;
}

void AddLiteral(CLI::App& command, cCliArguments& arguments);

// Lists the scheduled matches that break a rule as the season now stands:
// one line per conflict (match, date, time, court, rule key, message,
// separated by TABs), or with --json an array of objects. The exit status
// tells the outcome: 0 no conflict, 1 conflicts, and a refused file 2, so
// that a script never takes an unreadable file for a schedule in conflict.
int Check(cCliContext& context, std::span<const std::string> operands)
{
    constexpr int kExitRefusedFile = 2;
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitRefusedFile;
    }
    const std::vector<cConflict> conflicts = CheckSchedule(context.doc, context.literal);
    if (context.options.count("--json") > 0) {
        nlohmann::json list = nlohmann::json::array();
        for (const cConflict& conflict : conflicts) {
            const cConflictRow row = DescribeConflict(context.doc, conflict);
            list.push_back({{"match", row.match},
                            {"date", row.date},
                            {"time", row.time},
                            {"court", row.court},
                            {"rule", row.rule},
                            {"message", row.message}});
        }
        context.out << list.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else {
        for (const cConflict& conflict : conflicts) {
            const cConflictRow row = DescribeConflict(context.doc, conflict);
            context.out << row.match << '\t' << row.date << '\t' << row.time << '\t' << row.court << '\t'
                        << row.rule << '\t' << row.message << '\n';
        }
    }
    return conflicts.empty() ? kExitOk : kExitFailed;
}

void CheckOptions(CLI::App& command, cCliArguments& arguments)
{
    AddFlagOption(command, arguments, "--json",
                  "print a JSON array of objects with the keys \"match\", \"date\" (YYYY-MM-DD), \"time\" "
                  "(HH:MM), \"court\" (short name), \"rule\" and \"message\"");
    AddLiteral(command, arguments);
}

void AddOutput(CLI::App& command, cCliArguments& arguments)
{
    command.add_option("-o,--output", arguments.output, "the file written; the input is never changed")
        ->option_text("OUT.tnd");
}

void AddLiteral(CLI::App& command, cCliArguments& arguments)
{
    command.add_flag("--literal", arguments.literal,
                     "check every candidate against the whole schedule, the reference the fast check is "
                     "compared with (the same result, much slower)");
}

void ScheduleOptions(CLI::App& command, cCliArguments& arguments)
{
    AddOutput(command, arguments);
    AddLiteral(command, arguments);
}

void AssignOptions(CLI::App& command, cCliArguments& arguments)
{
    command.add_option("--until", arguments.until, "the last date whose matches get officials")
        ->option_text("YYYY-MM-DD");
    AddOutput(command, arguments);
    command
        .add_option("--officials", arguments.officials,
                    "officials per game, 1 to the document's number of officials in each game (its "
                    "default)")
        ->option_text("K");
    AddLiteral(command, arguments);
}

void TableOptions(CLI::App& command, cCliArguments& arguments)
{
    command.add_option("--league", arguments.league, "only the league with this short name")
        ->option_text("SHORT");
}

void RolloverOptions(CLI::App& command, cCliArguments& arguments)
{
    AddOutput(command, arguments);
    AddValueOption(command, arguments, "--weeks", "N",
                   "move every date this many whole weeks on, 1 to 520 (default 52: the same weekdays a year "
                   "on)");
    AddFlagOption(command, arguments, "--no-court-time",
                  "leave the court time behind: the new season has none");
}

// The notes at the end of tournel-cli --help.
constexpr const char* kNotes =
    "Every message and question goes to standard error with its text; a question\n"
    "is followed by the line \"Answer: Yes\" or \"Answer: No\".\n"
    "\n"
    "The JSON of dump holds \"version\" (of the file), \"document\" (every setting by\n"
    "its member name) and the arrays \"courts\", \"courtTime\", \"leagues\",\n"
    "\"officials\", \"unscheduled\", \"scheduled\" and \"results\"; each item has its\n"
    "\"class\" and its fields, with child lists nested; times are integer seconds.\n"
    "\n"
    "Web pages and text files are UTF-8 with CR LF line ends; names in web pages are\n"
    "escaped for HTML, headings are written as typed.\n"
    "\n"
    "Spreadsheet files (.csv) are RFC 4180 comma-separated values in UTF-8 with a header\n"
    "row of column headings, dates as YYYY-MM-DD and times as HH:MM; import finds its\n"
    "columns by those headings and reads what export and write-dir write (a semicolon\n"
    "or tab as the separator is recognised too).\n"
    "\n"
    "Exit status: 0 success, 1 the operation was refused or failed (a message such\n"
    "as \"Unable to open the file!\" stopped the output), 2 usage error. check\n"
    "answers 0 when no scheduled match breaks a rule, 1 when one does and 2 when\n"
    "the file is refused.\n";

} // namespace

int UsageError(std::ostream& err, std::string_view what)
{
    err << "tournel-cli: " << what << "\nTry 'tournel-cli --help'.\n";
    return kExitUsage;
}

void AddValueOption(CLI::App& command, cCliArguments& arguments, const std::string& name,
                    const std::string& value, const std::string& description)
{
    command
        .add_option_function<std::string>(
            name, [&arguments, name](const std::string& text) { arguments.options[name] = text; },
            description)
        ->option_text(value);
}

void AddFlagOption(CLI::App& command, cCliArguments& arguments, const std::string& name,
                   const std::string& description)
{
    command.add_flag_callback(
        name, [&arguments, name] { arguments.options[name].clear(); }, description);
}

const std::vector<cCliCommand>& CliCommands()
{
    static const std::vector<cCliCommand> commands = {
        {"new",
         "FILE.tnd",
         "write a new, empty database",
         {{"FILE.tnd", "the database written"}},
         nullptr,
         New},
        {"dump",
         "FILE.tnd",
         "print the whole database as JSON on standard output",
         {{"FILE.tnd", "the database read"}},
         nullptr,
         Dump},
        {"convert",
         "IN.tnd OUT.tnd",
         "write IN as the current version (an older one only with --yes)",
         {{"IN.tnd", "the database read"}, {"OUT.tnd", "the database written"}},
         nullptr,
         Convert},
        {"schedule",
         "IN.tnd -o OUT.tnd [--literal]",
         "schedule the unscheduled matches into the free court time and write OUT; the final message "
         "(\"37 out of 40 matches are scheduled!\") goes to standard output; the same --seed gives the same "
         "schedule; --literal checks every candidate against the whole schedule, the reference the fast "
         "check is compared with (the same schedule, much slower)",
         {{"IN.tnd", "the database read"}},
         ScheduleOptions,
         Schedule},
        {"assign",
         "IN.tnd --until YYYY-MM-DD -o OUT.tnd [--officials K] [--literal]",
         "assign officials to the empty slots of the matches up to and including the date and write OUT; "
         "the final message (\"Assigned 37 out of 40 requested officials!\") goes to standard output; the "
         "same --seed gives the same assignment; --literal checks every candidate against the whole "
         "schedule, the reference the fast check is compared with",
         {{"IN.tnd", "the database read"}},
         AssignOptions,
         Assign},
        {"table",
         "FILE.tnd [--league SHORT]",
         "print each league's standings table: the league's name, then one line per row with the columns "
         "No., Team name, Played, Wins, Draws, Losses, Disq., Score, Ball diff., Ratio and Points "
         "separated by TABs",
         {{"FILE.tnd", "the database read"}},
         TableOptions,
         Table},
        {"export",
         "FILE.tnd --schedule OUT | --tables OUT | --content OUT.txt",
         "write the schedule, the standings tables or the content summary as the print dialogs' \"Write to "
         "file...\" does; what no option says is the document's own choice",
         {{"FILE.tnd", "the database read; it is never written"}},
         AddExportOptions,
         Export},
        {"write-dir",
         "FILE.tnd DIRECTORY OUT.txt|OUT.csv",
         "write a directory as a column-aligned text file, or as a spreadsheet file when OUT ends in .csv, "
         "as Write to File does; DIRECTORY is one of courts, court-time, leagues, officials, unscheduled, "
         "scheduled and results, or teams:INDEX for the teams of the league with that index number",
         {{"FILE.tnd", "the database read; it is never written"},
          {"DIRECTORY",
           "courts, court-time, leagues, officials, unscheduled, scheduled, results or teams:INDEX"},
          {"OUT.txt|OUT.csv", "the file written"}},
         nullptr,
         WriteDir},
        {"ical",
         "FILE.tnd OUT.ics [--team LEAGUE:TEAM | --court INDEX | --league INDEX | --official INDEX]",
         "write the scheduled matches as an iCalendar file, one event per match in the local time zone, "
         "all of them or those of one team, court, league or official (index numbers), within --from and "
         "--to (YYYY-MM-DD); an event keeps its UID when the season is exported again",
         {{"FILE.tnd", "the database read; it is never written"}, {"OUT.ics", "the calendar written"}},
         AddIcalOptions,
         Ical},
        {"rollover",
         "IN.tnd -o OUT.tnd [--weeks N] [--no-court-time]",
         "write the season after IN, as File > New Season from This makes it: the settings, courts, leagues "
         "with their teams and constraints, and officials stay; matches, results and tables start afresh; "
         "holidays and the court time as entered (the free time and the time the matches held) move N "
         "weeks on, keeping weekdays and clock times",
         {{"IN.tnd", "the database read; it is never written"}},
         RolloverOptions,
         Rollover},
        {"import",
         "FILE.tnd --teams LEAGUE_INDEX|--officials|--court-time|--results IN.csv -o OUT.tnd [--yes]",
         "read teams into a league, officials, court time or results from a spreadsheet (CSV) file with a "
         "header row, as File > Import does; every row is checked as its dialog checks it and a refused "
         "row is reported with its line and message; only --yes imports the accepted rows and writes OUT",
         {{"FILE.tnd", "the database read; it is never written"}, {"IN.csv", "the spreadsheet file read"}},
         AddImportOptions,
         Import},
        {"changes",
         "OLD.tnd NEW.tnd [--team LEAGUE:TEAM] [--csv]",
         "print what changed in the schedule from OLD to NEW, grouped by team and then by official: every "
         "match added, removed, moved (old and new date, time and court), given other officials or "
         "renumbered; \"No changes.\" when nothing did; two files of different seasons are refused",
         {{"OLD.tnd", "the version sent before; it is never written"},
          {"NEW.tnd", "the version now; it is never written"}},
         AddChangesOptions,
         Changes},
        {"check",
         "FILE.tnd [--json] [--literal]",
         "list the scheduled matches that break a placement or assignment rule as the season now stands "
         "(after a holiday, a court rating or a rule was changed), one line per conflict: match, date, "
         "time, court, rule key and message separated by TABs; rules the settings ignore are no conflict; "
         "exit status 0 no conflict, 1 conflicts, 2 the file is refused",
         {{"FILE.tnd", "the database read; it is never written"}},
         CheckOptions,
         Check},
        {"close",
         "IN.tnd (--court SHORT | --all) --from \"YYYY-MM-DD HH:MM\" --to \"YYYY-MM-DD HH:MM\" -o OUT.tnd "
         "[--replan]",
         "close a court (or every court) from --from to --to, as Edit > Close Courts does: the free court "
         "time in that time goes, the matches there that were not played go back to the unscheduled "
         "matches with their numbers and without officials, and with --replan they are placed again outside "
         "the closed time, nothing else moving; the final message goes to standard output and names the "
         "played matches that stay; the same --seed gives the same re-planning",
         {{"IN.tnd", "the database read"}},
         AddCloseOptions,
         Close},
        {"replan",
         "IN.tnd -o OUT.tnd [--all-conflicts]",
         "place the scheduled matches that break a placement rule as the season now stands (see check) "
         "again, as Schedule > Re-plan Conflicts does: only the matches the scheduler placed, unless "
         "--all-conflicts; played and playoff matches stay, nothing else moves; the final message goes to "
         "standard output; the same --seed gives the same re-planning",
         {{"IN.tnd", "the database read"}},
         AddReplanOptions,
         Replan},
        {"improve",
         "IN.tnd -o OUT.tnd [--effort K]",
         "place unscheduled matches by moving matches the scheduler placed to other legal starts, then move "
         "matches where their teams' home and away runs get shorter and start hours more even, as Schedule > "
         "Improve Schedule does; matches placed or moved by hand, playoff and played matches and matches "
         "with "
         "officials stay; the final message goes to standard output; the same --seed and --effort give the "
         "same schedule",
         {{"IN.tnd", "the database read"}},
         AddImproveOptions,
         Improve},
        {"report",
         "FILE.tnd [--json | --csv]",
         "print how fair the schedule is, as View > Schedule Report shows it: per league its first and last "
         "date and matches left unscheduled; per team its matches scheduled and unscheduled, home and away, "
         "longest home and away runs, shortest and mean rest (start to next start, elapsed hours), matches "
         "per weekday, start hour and court; per official games and days; per court the hours used and "
         "free in each ISO week; playoff matches count for courts and officials only",
         {{"FILE.tnd", "the database read; it is never written"}},
         AddReportOptions,
         Report},
        {"site",
         "FILE.tnd DIRECTORY [--title TEXT] [--now \"YYYY-MM-DD HH:MM\"]",
         "write the season as a small website into DIRECTORY (made when missing), as File > Publish "
         "Website... does: a front page with the next matches, a page per league (schedule, table, "
         "results), per team, court and official, and a calendar (.ics) per team, court and official; file "
         "names come from the short names and stay the same when published again; only files whose bytes "
         "changed are written, other files are left alone; prints \"12 files written, 30 unchanged.\"",
         {{"FILE.tnd", "the database read; it is never written"}, {"DIRECTORY", "the website's folder"}},
         AddSiteOptions,
         Site},
    };
    return commands;
}

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    cCliArguments arguments;
    std::size_t mostOperands = 0;
    for (const cCliCommand& command : CliCommands()) {
        mostOperands = std::max(mostOperands, command.operands.size());
    }
    // The options hold references into the slots: they may not move.
    arguments.operands.resize(mostOperands);

    CLI::App app("Works on Tournel season databases (.tnd files) without the desktop application.",
                 "tournel-cli");
    app.formatter(std::make_shared<cCliHelpFormatter>());
    app.footer(kNotes);
    app.set_help_flag("-h,--help", "show this text; COMMAND --help shows one command with its operands");
    // A later value of an option replaces an earlier one.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_flag("--yes", arguments.yes,
                 "answer every question Yes (without it every question is answered No); confirms an "
                 "import");
    app.add_option("--seed", arguments.seed, "seed the random generator with N instead of the clock")
        ->option_text("N");
    // Words that are no command, and operands beyond a command's, are
    // collected here to be refused with the usage.
    std::vector<std::string> extra;
    app.add_option("words", extra)->group("");
    app.require_subcommand(0, 1);
    // The global options may follow the command and its operands.
    app.fallthrough();
    for (const cCliCommand& command : CliCommands()) {
        CLI::App* sub = app.add_subcommand(std::string(command.name), std::string(command.summary));
        sub->set_help_flag("-h,--help", "show this text");
        for (std::size_t i = 0; i < command.operands.size(); ++i) {
            sub->add_option(std::string(command.operands[i].name), arguments.operands[i],
                            std::string(command.operands[i].description));
        }
        if (command.addOptions != nullptr) {
            command.addOptions(*sub, arguments);
        }
    }

    try {
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitOk;
    } catch (const CLI::ParseError& error) {
        return UsageError(err, error.what());
    }

    const std::vector<CLI::App*> chosen = app.get_subcommands();
    if (chosen.empty()) {
        return UsageError(err,
                          extra.empty() ? "no command given" : "unknown command '" + extra.front() + "'");
    }
    const cCliCommand& command =
        *std::ranges::find(CliCommands(), chosen.front()->get_name(), &cCliCommand::name);
    const bool complete = std::ranges::all_of(command.operands, [&](const cCliOperand& operand) {
        return chosen.front()->get_option(std::string(operand.name))->count() > 0;
    });
    if (!complete || !extra.empty()) {
        return UsageError(err, "usage: tournel-cli " + std::string(command.name) + " " +
                                   std::string(command.usage));
    }

    std::optional<int> seed;
    if (!arguments.seed.empty()) {
        seed = ParseInteger(arguments.seed);
        if (!seed || *seed < 0) {
            return UsageError(err, "--seed needs a number, not '" + arguments.seed + "'");
        }
    }
    std::optional<int> officials;
    if (!arguments.officials.empty()) {
        officials = ParseInteger(arguments.officials);
        if (!officials) {
            return UsageError(err, "--officials needs a number, not '" + arguments.officials + "'");
        }
    }

    cCliPrompt prompt(err, arguments.yes);
    CTournelDoc doc;
    doc.SetPrompt(&prompt);
    if (seed) {
        doc.SetFixedSeed(static_cast<unsigned>(*seed));
    }
    doc.OnNewDocument();
    cCliContext context{doc,
                        out,
                        err,
                        arguments.output,
                        arguments.league,
                        arguments.until,
                        officials,
                        arguments.literal,
                        arguments.options,
                        arguments.yes};
    return command.run(context,
                       std::span<const std::string>(arguments.operands).first(command.operands.size()));
}
