#include "cli/ReportCommands.h"

#include "document/CTournelDoc.h"
#include "output/ScheduleReport.h"
#include "scheduling/MatchGeneration.h"

#include <ostream>

void AddReportOptions(CLI::App& command, cCliArguments& arguments)
{
    AddFlagOption(command, arguments, "--json",
                  "print JSON instead of text: \"playoff_matches\" and the arrays \"leagues\", \"teams\", "
                  "\"officials\" and \"courts\" (each with its \"weeks\"); dates YYYY-MM-DD, hours with one "
                  "decimal");
    AddFlagOption(
        command, arguments, "--csv",
        "print one spreadsheet (CSV) table instead of text, with the columns section, league, name, "
        "measure, period and value");
}

// The report of FILE on standard output; the file is never written. The
// unscheduled matches are counted as their directory shows them, regenerated
// first.
int Report(cCliContext& context, std::span<const std::string> operands)
{
    const bool json = context.options.contains("--json");
    const bool csv = context.options.contains("--csv");
    if (json && csv) {
        return UsageError(context.err, "report takes --json or --csv, not both");
    }
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    RebuildUnscheduled(context.doc);
    const cScheduleReport report = BuildScheduleReport(context.doc);
    if (json) {
        context.out << ScheduleReportJson(report);
    } else if (csv) {
        // RFC 4180 lines end in CR LF, as in the spreadsheet files.
        for (const char c : ScheduleReportCsv(report)) {
            context.out << (c == '\n' ? "\r\n" : std::string(1, c));
        }
    } else {
        context.out << ScheduleReportText(report, context.doc);
    }
    return kExitOk;
}
