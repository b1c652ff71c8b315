#include "output/Export.h"

#include "model/ProgramDirectory.h"
#include "model/Strings.h"
#include "model/Text.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "output/Csv.h"
#include "output/OutputFile.h"

#include <algorithm>
#include <fstream>
#include <functional>

namespace {

// Copies the template into `file` line by line and puts the content, made only
// once the tag is found, in place of the first <TNLX_Content>. Answers 0 or
// the message id of what went wrong.
int MergeTemplate(const std::string& templatePath, cOutputFile& file,
                  const std::function<std::string()>& content)
{
    std::ifstream in(templatePath, std::ios::binary);
    if (!in.is_open() && !templatePath.empty() && templatePath.find('/') == std::string::npos) {
        // A bare file name, as a season made elsewhere keeps it, is also
        // looked for beside the program, where the default template lies.
        in.open(ProgramDirectory() + "/" + templatePath, std::ios::binary);
    }
    if (!in.is_open()) {
        return IDS_NO_TEMPLATE;
    }
    static constexpr std::string_view kTag = "<TNLX_Content>";
    std::string line;
    while (std::getline(in, line)) {
        // getline ends the line at the LF; a CR in front of it belongs to the line end.
        if (!line.empty() && line.back() == '\r' && !in.eof()) {
            line.pop_back();
        }
        line += '\n';
        const std::size_t tag = line.find(kTag);
        if (tag == std::string::npos) {
            file.Write(line);
            continue;
        }
        file.Write(std::string_view(line).substr(0, tag));
        file.Write(content());
        file.Write(std::string_view(line).substr(tag + kTag.size()));
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r' && !in.eof()) {
                line.pop_back();
            }
            file.Write(line);
            file.Write("\n");
        }
        return 0;
    }
    return IDS_NO_CONTENT_TAG;
}

// The file output shared by the schedule and the tables: creates the file,
// then writes a spreadsheet, plain text or the merged web page.
int WriteOutput(cDatabase& db, const std::string& requestedPath, const std::string& templatePath,
                const std::function<std::string(bool web)>& content, const std::function<std::string()>& csv)
{
    const std::string path = WithDefaultExtension(requestedPath, -1);
    cOutputFile file(path);
    int result = 0;
    if (!file.IsOpen()) {
        result = IDS_UNABLE_TO_OPEN_FILE;
    } else if (IsCsvPath(path)) {
        file.Write(csv());
    } else if (IsTextFileExtension(FileExtension(path))) {
        file.Write(content(false));
    } else {
        result = MergeTemplate(templatePath, file, [&content] { return content(true); });
    }
    if (file.IsOpen() && !file.Close() && result == 0) {
        result = IDS_UNABLE_TO_OPEN_FILE;
    }
    if (result != 0) {
        db.Prompt().ShowMessage(result);
    }
    return result;
}

} // namespace

cScheduleExport cScheduleExport::FromDocument(const cDatabase& db)
{
    cScheduleExport what;
    what.sorting = db.m_nScheduleSorting;
    what.layout = db.m_nScheduleLayout;
    what.numberBefore = db.m_bNumberBeforeTime != 0;
    what.numberAfter = db.m_bNumberAfterTime != 0;
    what.language = db.m_nLanguage;
    what.heading = db.m_strScheduleHeading;
    bool any = false;
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        if (!any || match.m_tStart < what.from) {
            what.from = match.m_tStart;
        }
        if (!any || match.m_tStart > what.to) {
            what.to = match.m_tStart;
        }
        any = true;
    }
    if (any) {
        const cLocalTime first = LocalTime(what.from);
        const cLocalTime last = LocalTime(what.to);
        what.from = MakeTimePoint(first.year, first.month, first.day);
        what.to = MakeTimePoint(last.year, last.month, last.day, 23, 59);
    }
    return what;
}

cTablesExport cTablesExport::FromDocument(const cDatabase& db)
{
    cTablesExport what;
    what.results = db.m_bTableResults != 0;
    what.rank = db.m_bTableRank != 0;
    what.played = db.m_bTablePlayed != 0;
    what.won = db.m_bTableWon != 0;
    what.drawn = db.m_bTableDrawn != 0;
    what.lost = db.m_bTableLost != 0;
    what.disqualified = db.m_bTableDisqualified != 0;
    what.scoreDiff = db.m_bTableScoreDiff != 0;
    what.ballDiff = db.m_bTableBallDiff != 0;
    what.ratio = db.m_bTableRatio != 0;
    what.points = db.m_bTablePoints != 0;
    what.heading = db.m_strTableHeading;
    return what;
}

std::vector<int> TableColumns(const cTablesExport& job)
{
    std::vector<int> columns;
    const std::pair<bool, int> choices[] = {
        {job.rank, 0},     {true, 1},      {job.played, 2},       {job.won, 3},
        {job.drawn, 4},    {job.lost, 5},  {job.disqualified, 6}, {job.scoreDiff, 7},
        {job.ballDiff, 8}, {job.ratio, 9}, {job.points, 10},
    };
    for (const auto& [chosen, column] : choices) {
        if (chosen) {
            columns.push_back(column);
        }
    }
    return columns;
}

std::string MakeSectionHeading(std::string_view text, std::string_view name, bool web, bool border,
                               bool fullWidth)
{
    std::string heading;
    if (web) {
        if (fullWidth) {
            heading += "<TR>\n<TD>\n";
        }
        heading += "<TABLE";
        if (border) {
            heading += " BORDER";
        }
        if (fullWidth) {
            heading += " WIDTH = 100%";
        }
        heading += ">\n<CAPTION>&nbsp;<BR><B>";
    }
    const std::size_t prefix = heading.size();
    heading += text;
    const std::size_t hash = heading.find('#', prefix);
    if (hash != std::string::npos) {
        heading.replace(hash, 1, web ? HtmlEscape(name) : std::string(name));
    }
    if (web) {
        heading += "</B></CAPTION>\n";
    }
    return heading;
}

std::span<const cFileType> OutputFileTypes(int kind)
{
    static constexpr cFileType kWebOrText[] = {{"Web Files", "*.htm", "htm"}, {"Text Files", "*.txt", "txt"}};
    static constexpr cFileType kWeb[] = {{"Web file", "*.htm", "htm"}};
    static constexpr cFileType kText[] = {{"Text file", "*.txt", "txt"}};
    switch (kind) {
    case -1:
        return kWebOrText;
    case 0:
        return kWeb;
    case 1:
        return kText;
    default:
        return {};
    }
}

bool IsTextFileExtension(std::string_view extension)
{
    return CompareText(extension, "htm", true) != 0 && CompareText(extension, "html", true) != 0;
}

std::string WithDefaultExtension(const std::string& path, int kind)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        return path;
    }
    const std::span<const cFileType> types = OutputFileTypes(kind);
    return types.empty() ? path : path + "." + std::string(types.front().suffix);
}

int WriteScheduleFile(cDatabase& db, const cScheduleExport& what, const std::string& path)
{
    return WriteOutput(
        db, path, db.m_strScheduleTemplate, [&](bool web) { return ScheduleContent(db, what, web); },
        [&] { return ScheduleCsv(db, what); });
}

int WriteTablesFile(cDatabase& db, const cTablesExport& what, const std::string& path)
{
    return WriteOutput(
        db, path, db.m_strTableTemplate, [&](bool web) { return TablesContent(db, what, web); },
        [&] { return TablesCsv(db, what); });
}
