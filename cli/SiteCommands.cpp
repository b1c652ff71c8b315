#include "cli/SiteCommands.h"

#include "document/CTournelDoc.h"
#include "model/cValidation.h"
#include "output/Website.h"

#include <CLI/CLI.hpp>
#include <ctime>
#include <ostream>

namespace {

// "YYYY-MM-DD HH:MM" as a local time; none when the text has another form
// or names no time the file can hold.
std::optional<TimePoint> ParseLocalTime(std::string_view text)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.size() != 16 || (text[10] != ' ' && text[10] != 'T') || text[13] != ':' || !digit(text[11]) ||
        !digit(text[14])) {
        return std::nullopt;
    }
    const std::optional<cIsoDate> date = ParseIsoDate(text.substr(0, 10));
    const std::optional<int> hours = ParseInteger(text.substr(11, 2));
    const std::optional<int> minutes = ParseInteger(text.substr(14, 2));
    if (!date || !hours || !minutes || *hours > 23 || *minutes > 59) {
        return std::nullopt;
    }
    return DialogTimePoint(date->day, date->month, date->year, *hours * 100 + *minutes);
}

} // namespace

void AddSiteOptions(CLI::App& command, cCliArguments& arguments)
{
    AddValueOption(command, arguments, "--title", "TEXT",
                   "the season's title on every page (default: the file's name without extension)");
    AddValueOption(command, arguments, "--now", "\"YYYY-MM-DD HH:MM\"",
                   "the time the next matches on the front page are counted from (default: the current "
                   "time)");
}

// Writes the website into DIRECTORY (made when missing), only the files
// whose bytes changed, and prints how many were written and left unchanged.
int Site(cCliContext& context, std::span<const std::string> operands)
{
    cWebsiteValues values = cWebsiteValues::Defaults(operands[0], operands[1]);
    if (const auto title = context.options.find("--title"); title != context.options.end()) {
        values.title = title->second;
    }
    cWebsiteJob job;
    job.now = static_cast<TimePoint>(std::time(nullptr));
    if (const auto now = context.options.find("--now"); now != context.options.end()) {
        const std::optional<TimePoint> at = ParseLocalTime(now->second);
        if (!at) {
            return UsageError(context.err,
                              "--now needs a local time as \"YYYY-MM-DD HH:MM\", not '" + now->second + "'");
        }
        job.now = *at;
    }
    if (const cValidation refusal = Validate(values)) {
        context.err << "tournel-cli: " << refusal->text << '\n';
        return kExitFailed;
    }
    if (!context.doc.OnOpenDocument(operands[0])) {
        return kExitFailed;
    }
    job.title = values.title;
    const cWebsiteRun run = WriteWebsite(context.doc, job, values.folder);
    context.out << WebsiteRunText(run) << '\n';
    return run.messageId == 0 ? kExitOk : kExitFailed;
}
