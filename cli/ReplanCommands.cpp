#include "cli/ReplanCommands.h"

#include "document/CTournelDoc.h"
#include "model/cCloseCourtsValues.h"
#include "model/cCourt.h"
#include "model/cValidation.h"
#include "scheduling/ConflictReplanning.h"
#include "scheduling/CourtClosure.h"

#include <CLI/CLI.hpp>
#include <ostream>

namespace {

// Any index no court has: Validate refuses it as an unknown court.
constexpr int kNoSuchCourt = -2;

struct cDateTime
{
    cIsoDate date;
    ClockTime hhmm = 0;
};

// "YYYY-MM-DD HH:MM" (24:00 for the end of a day); none when the text has
// another form. Whether the date and time exist is Validate's business.
std::optional<cDateTime> ParseDateTime(std::string_view text)
{
    if (text.size() != 16 || (text[10] != ' ' && text[10] != 'T') || text[13] != ':') {
        return std::nullopt;
    }
    const std::optional<cIsoDate> date = ParseIsoDate(text.substr(0, 10));
    const std::optional<int> hours = ParseInteger(text.substr(11, 2));
    const std::optional<int> minutes = ParseInteger(text.substr(14, 2));
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!date || !hours || !minutes || !digit(text[11]) || !digit(text[14])) {
        return std::nullopt;
    }
    return cDateTime{*date, *hours * 100 + *minutes};
}

std::string Option(const cCliContext& context, const std::string& name)
{
    const auto found = context.options.find(name);
    return found != context.options.end() ? found->second : std::string();
}

void AddOutputOption(CLI::App& command, cCliArguments& arguments)
{
    command.add_option("-o,--output", arguments.output, "the file written; the input is never changed")
        ->option_text("OUT.tnd");
}

} // namespace

void AddCloseOptions(CLI::App& command, cCliArguments& arguments)
{
    AddValueOption(command, arguments, "--court", "SHORT", "close the court with this short name");
    AddFlagOption(command, arguments, "--all", "close every court");
    AddValueOption(command, arguments, "--from", "\"YYYY-MM-DD HH:MM\"",
                   "the first minute closed (local time)");
    AddValueOption(command, arguments, "--to", "\"YYYY-MM-DD HH:MM\"",
                   "the end of the closed time, itself open again (local time; 24:00 ends a day)");
    AddFlagOption(command, arguments, "--replan",
                  "place the matches sent back again at once, outside the closed time");
    AddOutputOption(command, arguments);
}

void AddReplanOptions(CLI::App& command, cCliArguments& arguments)
{
    AddFlagOption(command, arguments, "--all-conflicts",
                  "re-plan also the conflicting matches placed by hand or moved");
    AddOutputOption(command, arguments);
}

// Closes court time as Edit > Close Courts does and writes the -o file; the
// final message goes to standard output. Values the dialog refuses are
// refused with its message, and nothing is written.
int Close(cCliContext& context, std::span<const std::string> operands)
{
    const bool all = context.options.contains("--all");
    const bool oneCourt = context.options.contains("--court");
    const std::string fromText = Option(context, "--from");
    const std::string toText = Option(context, "--to");
    if (context.output.empty() || all == oneCourt || fromText.empty() || toText.empty()) {
        return UsageError(context.err, "close needs --court SHORT or --all, --from \"YYYY-MM-DD HH:MM\", "
                                       "--to \"YYYY-MM-DD HH:MM\" and -o OUT.tnd");
    }
    const std::optional<cDateTime> from = ParseDateTime(fromText);
    const std::optional<cDateTime> to = ParseDateTime(toText);
    if (!from || !to) {
        return UsageError(context.err, "--from and --to need a date and time as \"YYYY-MM-DD HH:MM\", not '" +
                                           (from ? toText : fromText) + "'");
    }
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    cCloseCourtsValues values;
    values.fromDay = from->date.day;
    values.fromMonth = from->date.month;
    values.fromYear = from->date.year;
    values.fromTime = from->hhmm;
    values.toDay = to->date.day;
    values.toMonth = to->date.month;
    values.toYear = to->date.year;
    values.toTime = to->hhmm;
    values.replan = context.options.contains("--replan");
    if (oneCourt) {
        values.court = kNoSuchCourt;
        const std::string shortName = Option(context, "--court");
        for (const cCourt& court : context.doc.Courts().AllItems<cCourt>()) {
            if (court.m_strShortName == shortName) {
                values.court = court.m_nIndex;
            }
        }
    }
    cValidation error = CanCloseCourts(context.doc);
    if (!error) {
        error = Validate(values, context.doc);
    }
    if (error) {
        context.err << "tournel-cli: " << error->text << '\n';
        return kExitFailed;
    }
    context.doc.BackupIfDue();
    const cCourtClosure closure = CloseCourts(context.doc, values);
    context.out << closure.message << '\n';
    return context.doc.OnSaveDocument(context.output) ? kExitOk : kExitFailed;
}

// Re-plans the conflicting matches as Schedule > Re-plan Conflicts does and
// writes the -o file; the final message goes to standard output.
int Replan(cCliContext& context, std::span<const std::string> operands)
{
    if (context.output.empty()) {
        return UsageError(context.err, "replan needs -o OUT.tnd");
    }
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    context.doc.BackupIfDue();
    const cConflictReplan replan = ReplanConflicts(context.doc, context.options.contains("--all-conflicts"));
    context.out << replan.message << '\n';
    return context.doc.OnSaveDocument(context.output) ? kExitOk : kExitFailed;
}
