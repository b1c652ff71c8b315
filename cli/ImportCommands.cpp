#include "cli/ImportCommands.h"

#include "document/CTournelDoc.h"
#include "document/FileIo.h"
#include "input/CsvImport.h"
#include "model/Strings.h"
#include "model/cValidation.h"
#include "standings/Standings.h"

#include <CLI/CLI.hpp>
#include <array>
#include <ostream>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, eImportKind>, 4> kKinds = {{
    {"--teams", eImportKind::kTeams},
    {"--officials", eImportKind::kOfficials},
    {"--court-time", eImportKind::kCourtTime},
    {"--results", eImportKind::kResults},
}};

} // namespace

void AddImportOptions(CLI::App& command, cCliArguments& arguments)
{
    AddValueOption(command, arguments, "--teams", "LEAGUE_INDEX",
                   "read teams into the league with this index number");
    AddFlagOption(command, arguments, "--officials", "read officials");
    AddFlagOption(command, arguments, "--court-time", "read court time");
    AddFlagOption(command, arguments, "--results", "read the results of scheduled matches");
    command.add_option("-o,--output", arguments.output, "the database written, only with --yes")
        ->option_text("OUT.tnd");
}

// Reads the rows of the CSV file into the season as File > Import does: every
// row is checked as its dialog checks it, each refused row is reported on
// standard error with its line and message, and the summary goes to standard
// output. Only with --yes are the accepted rows imported and OUT written;
// without it nothing is written (exit 1 when a row was refused).
int Import(cCliContext& context, std::span<const std::string> operands)
{
    const std::pair<std::string_view, eImportKind>* chosen = nullptr;
    for (const auto& entry : kKinds) {
        if (context.options.contains(std::string(entry.first))) {
            if (chosen != nullptr) {
                return UsageError(context.err,
                                  "give only one of --teams, --officials, --court-time and --results");
            }
            chosen = &entry;
        }
    }
    if (chosen == nullptr || context.output.empty()) {
        return UsageError(context.err,
                          "import needs one of --teams LEAGUE_INDEX, --officials, --court-time and "
                          "--results, and -o OUT.tnd");
    }
    int league = -1;
    if (chosen->second == eImportKind::kTeams) {
        const std::string& text = context.options.at("--teams");
        const std::optional<int> index = ParseInteger(text);
        if (!index) {
            return UsageError(context.err, "--teams needs a league's index number, not '" + text + "'");
        }
        league = *index;
    }
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    const std::optional<std::string> text = ReadWholeFile(operands[1]);
    if (!text) {
        context.err << "tournel-cli: " << operands[1] << ": " << GetString(IDS_UNABLE_TO_OPEN_FILE) << '\n';
        return kExitFailed;
    }
    const cImportReport report = ImportCsv(context.doc, chosen->second, league, *text);
    if (!report.error.empty()) {
        context.err << "tournel-cli: " << operands[1] << ": " << report.error << '\n';
        return kExitFailed;
    }
    context.err << report.RefusedText();
    context.out << report.Summary() << '\n';
    const int imported = report.Count(cImportRow::kImported);
    if (imported == 0) {
        context.err << "tournel-cli: " << GetString(IDS_CSV_NOTHING_TO_IMPORT) << '\n';
        return kExitFailed;
    }
    if (!context.yes) {
        context.out << "Nothing written: run again with --yes to import the " << imported << " rows.\n";
        return report.Count(cImportRow::kRefused) > 0 ? kExitFailed : kExitOk;
    }
    // Imported results change the tables: the file keeps them counted, as
    // the window's save does.
    BringTablesUpToDate(context.doc);
    return context.doc.OnSaveDocument(context.output) ? kExitOk : kExitFailed;
}
