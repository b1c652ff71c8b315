#include "cli/CliCommands.h"

#include "cli/DumpJson.h"
#include "cli/ExportCommands.h"
#include "cli/ImportCommands.h"
#include "cli/cCliPrompt.h"
#include "document/CTournelDoc.h"
#include "model/cLeague.h"
#include "officials/AutoAssign.h"
#include "officials/cAutoAssignValues.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/MatchGeneration.h"
#include "standings/Standings.h"

#include <algorithm>
#include <charconv>
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

void PrintHelp(std::ostream& out)
{
    out << "Usage: tournel-cli [--yes] [--seed N] COMMAND ARGUMENTS...\n"
           "\n"
           "Works on Tournel season databases (.tnd files) without the desktop application.\n"
           "\n"
           "Commands:\n";
    for (const cCliCommand& command : CliCommands()) {
        std::string line = "  " + std::string(command.name) + " " + std::string(command.operands);
        line.resize(std::max<std::size_t>(line.size() + 2, 32), ' ');
        out << line << command.summary << '\n';
    }
    out << "\n"
           "Options:\n"
           "  --yes                         answer every question Yes (without it every\n"
           "                                question is answered No)\n"
           "  --seed N                      seed the random generator with N instead of the clock\n"
           "  -o FILE                       the file schedule and assign write\n"
           "  --league SHORT                table: only the league with this short name\n"
           "  --league INDEX                export: only the league with this index number\n"
           "                                (the schedule: implies sorting 2)\n"
           "  --until YYYY-MM-DD            assign: the last date whose matches get officials\n"
           "  --officials K                 assign: officials per game, 1 to the document's\n"
           "                                number of officials in each game (its default)\n"
           "  --help                        show this text\n"
           "\n"
           "Options of export (the document's own choices where none is given):\n"
           "  --schedule OUT                write the schedule; OUT.htm or OUT.html is a web page\n"
           "                                merged into the template, OUT.csv a spreadsheet file,\n"
           "                                any other extension plain text, a name without\n"
           "                                extension gets .htm\n"
           "  --tables OUT                  write the standings tables (and results)\n"
           "  --content OUT                 write the content summary as text\n"
           "  --sorting 0-4                 schedule by date, court, league, team or official\n"
           "  --layout 0-2                  sorting 0: ungrouped, grouped by date, grouped by\n"
           "                                date and court\n"
           "  --from YYYY-MM-DD             the first day of the schedule (default: the first\n"
           "  --to YYYY-MM-DD               and the last day with a scheduled match)\n"
           "  --language 0-10               the language of weekday names in group headings\n"
           "  --number before|after|both    the match number in front of or after date and time\n"
           "  --court INDEX, --official INDEX, --team LEAGUE:TEAM\n"
           "                                only that court, official or team (index numbers);\n"
           "                                each implies its sorting\n"
           "  --template FILE               the web template instead of the document's\n"
           "  --columns rank,played,won,drawn,lost,disq,score,ball,ratio,points\n"
           "                                tables: the columns written\n"
           "  --results-from YYYY-MM-DD     tables: list the results played from that day on\n"
           "  --courts, --leagues           content: add the court and the league overview\n"
           "\n"
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
           "as \"Unable to open the file!\" stopped the output), 2 usage error.\n";
}

} // namespace

int UsageError(std::ostream& err, std::string_view what)
{
    err << "tournel-cli: " << what << "\nTry 'tournel-cli --help'.\n";
    return kExitUsage;
}

const std::vector<cCliCommand>& CliCommands()
{
    static const std::vector<cCliCommand> commands = {
        {"new", "FILE.tnd", "write a new, empty database", 1, New},
        {"dump", "FILE.tnd", "print the whole database as JSON on standard output", 1, Dump},
        {"convert", "IN.tnd OUT.tnd", "write IN as the current version (an older one only with --yes)", 2,
         Convert},
        {"schedule", "IN.tnd -o OUT.tnd [--literal]",
         "schedule the unscheduled matches into the free court time and write OUT; the final message "
         "(\"37 out of 40 matches are scheduled!\") goes to standard output; the same --seed gives the same "
         "schedule; --literal checks every candidate against the whole schedule, the reference the fast "
         "check is compared with (the same schedule, much slower)",
         1, Schedule},
        {"assign", "IN.tnd --until YYYY-MM-DD -o OUT.tnd [--officials K] [--literal]",
         "assign officials to the empty slots of the matches up to and including the date and write OUT; "
         "the final message (\"Assigned 37 out of 40 requested officials!\") goes to standard output; the "
         "same --seed gives the same assignment; --literal checks every candidate against the whole "
         "schedule, the reference the fast check is compared with",
         1, Assign},
        {"table", "FILE.tnd [--league SHORT]",
         "print each league's standings table: the league's name, then one line per row with the columns "
         "No., Team name, Played, Wins, Draws, Losses, Disq., Score, Ball diff., Ratio and Points "
         "separated by TABs",
         1, Table},
        {"export", "FILE.tnd --schedule OUT | --tables OUT | --content OUT.txt",
         "write the schedule, the standings tables or the content summary as the print dialogs' \"Write to "
         "file...\" does (options below)",
         1, Export},
        {"write-dir", "FILE.tnd DIRECTORY OUT.txt|OUT.csv",
         "write a directory as a column-aligned text file, or as a spreadsheet file when OUT ends in .csv, "
         "as Write to File does; DIRECTORY is one of courts, court-time, leagues, officials, unscheduled, "
         "scheduled and results, or teams:INDEX for the teams of the league with that index number",
         3, WriteDir},
        {"ical", "FILE.tnd OUT.ics [--team LEAGUE:TEAM | --court INDEX | --league INDEX | --official INDEX]",
         "write the scheduled matches as an iCalendar file, one event per match in the local time zone, "
         "all of them or those of one team, court, league or official (index numbers), within --from and "
         "--to (YYYY-MM-DD); an event keeps its UID when the season is exported again",
         2, Ical},
        {"import",
         "FILE.tnd --teams LEAGUE_INDEX|--officials|--court-time|--results IN.csv -o OUT.tnd [--yes]",
         "read teams into a league, officials, court time or results from a spreadsheet (CSV) file with a "
         "header row, as File > Import does; every row is checked as its dialog checks it and a refused "
         "row is reported with its line and message; only --yes imports the accepted rows and writes OUT",
         2, Import},
    };
    return commands;
}

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    bool answerYes = false;
    bool literal = false;
    bool seeded = false;
    unsigned seed = 0;
    std::string output;
    std::string league;
    std::string until;
    std::optional<int> officials;
    std::map<std::string, std::string> options;
    std::vector<std::string> words;
    // import has options of its own, one of them spelt like assign's --officials K.
    const bool importing = std::ranges::find(args, std::string("import")) != args.end();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            PrintHelp(out);
            return kExitOk;
        }
        // The options of export and import, which name no global option.
        if (bool takesValue = false;
            (importing && IsImportOption(arg, takesValue)) || IsExportOption(arg, takesValue)) {
            if (!takesValue) {
                options[arg].clear();
            } else if (i + 1 >= args.size()) {
                return UsageError(err, arg + " needs a value");
            } else {
                options[arg] = args[++i];
            }
        } else if (arg == "--yes") {
            answerYes = true;
        } else if (arg == "--literal") {
            literal = true;
        } else if (arg == "--seed") {
            if (i + 1 >= args.size()) {
                return UsageError(err, "--seed needs a number");
            }
            const std::string& value = args[++i];
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seed);
            if (error != std::errc() || end != value.data() + value.size()) {
                return UsageError(err, "--seed needs a number, not '" + value + "'");
            }
            seeded = true;
        } else if (arg == "--league") {
            if (i + 1 >= args.size()) {
                return UsageError(err, "--league needs a short name");
            }
            league = args[++i];
        } else if (arg == "--until") {
            if (i + 1 >= args.size()) {
                return UsageError(err, "--until needs a date as YYYY-MM-DD");
            }
            until = args[++i];
        } else if (arg == "--officials") {
            if (i + 1 >= args.size()) {
                return UsageError(err, "--officials needs a number");
            }
            const std::string& value = args[++i];
            int number = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
            if (error != std::errc() || end != value.data() + value.size()) {
                return UsageError(err, "--officials needs a number, not '" + value + "'");
            }
            officials = number;
        } else if (arg == "-o" || arg == "--output") {
            if (i + 1 >= args.size()) {
                return UsageError(err, arg + " needs a file name");
            }
            output = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "--") {
            return UsageError(err, "unknown option '" + arg + "'");
        } else if (arg != "--") {
            words.push_back(arg);
        }
    }
    if (words.empty()) {
        return UsageError(err, "no command given");
    }
    for (const cCliCommand& command : CliCommands()) {
        if (command.name != words[0]) {
            continue;
        }
        if (static_cast<int>(words.size()) - 1 != command.operandCount) {
            return UsageError(err, "usage: tournel-cli " + std::string(command.name) + " " +
                                       std::string(command.operands));
        }
        cCliPrompt prompt(err, answerYes);
        CTournelDoc doc;
        doc.SetPrompt(&prompt);
        if (seeded) {
            doc.SetFixedSeed(seed);
        }
        doc.OnNewDocument();
        cCliContext context{doc, out, err, output, league, until, officials, literal, options, answerYes};
        return command.run(context, std::span<const std::string>(words).subspan(1));
    }
    return UsageError(err, "unknown command '" + words[0] + "'");
}
