#include "cli/ImproveCommands.h"

#include "document/CTournelDoc.h"
#include "model/cValidation.h"
#include "scheduling/Improvement.h"

#include <CLI/CLI.hpp>
#include <ostream>

void AddImproveOptions(CLI::App& command, cCliArguments& arguments)
{
    command.add_option("-o,--output", arguments.output, "the file written; the input is never changed")
        ->option_text("OUT.tnd");
    AddValueOption(command, arguments, "--effort", "K",
                   "how hard to try, " + std::to_string(kMinImproveEffort) + " to " +
                       std::to_string(kMaxImproveEffort) + " (default " +
                       std::to_string(kDefaultImproveEffort) + "); the time grows with it");
}

// Improves the schedule as Schedule > Improve Schedule does and writes the -o
// file; the final message goes to standard output.
int Improve(cCliContext& context, std::span<const std::string> operands)
{
    if (context.output.empty()) {
        return UsageError(context.err, "improve needs -o OUT.tnd");
    }
    int effort = kDefaultImproveEffort;
    if (const auto given = context.options.find("--effort"); given != context.options.end()) {
        const std::optional<int> number = ParseInteger(given->second);
        if (!number || *number < kMinImproveEffort || *number > kMaxImproveEffort) {
            return UsageError(context.err,
                              "--effort needs a number from " + std::to_string(kMinImproveEffort) + " to " +
                                  std::to_string(kMaxImproveEffort) + ", not '" + given->second + "'");
        }
        effort = *number;
    }
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    context.doc.BackupIfDue();
    const cImprovement improvement = ImproveSchedule(context.doc, effort);
    context.out << improvement.message << '\n';
    return context.doc.OnSaveDocument(context.output) ? kExitOk : kExitFailed;
}
