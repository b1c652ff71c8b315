// "Write to File" of a directory and the content summary: plain text only.

#include "model/Strings.h"
#include "model/Text.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cReferee.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "output/Csv.h"
#include "output/Export.h"
#include "output/OutputFile.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// `text` left-justified in `width` characters, as "%-*s" would pad it if it
// counted characters instead of bytes; a longer text is kept whole. A text
// that fills its column or more is followed by one blank, so that it never
// runs into the next column ("Match no.Home team").
void AppendPadded(std::string& out, std::string_view text, int width)
{
    out += text;
    const std::size_t length = TextLength(text);
    if (width > 0 && length < static_cast<std::size_t>(width)) {
        out.append(static_cast<std::size_t>(width) - length, ' ');
    } else {
        out += ' ';
    }
}

// An item's columns on one line, each padded to the directory's column width.
std::string TextRow(const cTournelDb& directory, const cDbItem& item)
{
    std::string row;
    const std::vector<cColumn>& columns = directory.GetColumns();
    for (std::size_t k = 0; k < columns.size(); ++k) {
        AppendPadded(row, item.GetColumnText(static_cast<int>(k)), columns[k].width);
    }
    row += "\n";
    return row;
}

int Minutes(const cUnusedTime& time)
{
    return static_cast<int>((time.GetEnd() - time.GetStart()) / 60);
}

int WriteTextFile(const cDatabase& db, const std::string& requestedPath, const std::string& text)
{
    cOutputFile file(WithDefaultExtension(requestedPath, 1));
    if (file.IsOpen()) {
        file.Write(text);
        if (file.Close()) {
            return 0;
        }
    }
    db.Prompt().ShowMessage(IDS_UNABLE_TO_OPEN_FILE);
    return IDS_UNABLE_TO_OPEN_FILE;
}

} // namespace

std::string DirectoryText(const cTournelDb& directory)
{
    std::string text = GetString(directory.m_nTitleId);
    text += "\n\n";
    for (const cColumn& column : directory.GetColumns()) {
        AppendPadded(text, GetString(column.titleId), column.width);
    }
    text += "\n";
    for (const cDbItem* item = directory.GetFirst(); item != nullptr; item = cTournelDb::GetNext(*item)) {
        text += TextRow(directory, *item);
    }
    return text;
}

namespace {

using cPickDirectory = cTournelDb& (*)(cDatabase&);
constexpr std::array<std::pair<std::string_view, cPickDirectory>, 7> kNamedDirectories = {{
    {"courts", [](cDatabase& d) -> cTournelDb& { return d.Courts(); }},
    {"court-time", [](cDatabase& d) -> cTournelDb& { return d.CourtTime(); }},
    {"leagues", [](cDatabase& d) -> cTournelDb& { return d.Leagues(); }},
    {"officials", [](cDatabase& d) -> cTournelDb& { return d.Officials(); }},
    {"unscheduled", [](cDatabase& d) -> cTournelDb& { return d.Unscheduled(); }},
    {"scheduled", [](cDatabase& d) -> cTournelDb& { return d.Scheduled(); }},
    {"results", [](cDatabase& d) -> cTournelDb& { return d.Results(); }},
}};

} // namespace

bool IsDirectoryName(std::string_view name)
{
    return std::ranges::any_of(kNamedDirectories, [name](const auto& entry) { return entry.first == name; });
}

cTournelDb* NamedDirectory(cDatabase& db, std::string_view name)
{
    for (const auto& [known, pick] : kNamedDirectories) {
        if (known == name) {
            return &pick(db);
        }
    }
    return nullptr;
}

int WriteDirectoryFile(const cDatabase& db, const cTournelDb& directory, const std::string& path)
{
    if (directory.GetCount() == 0) {
        db.Prompt().ShowMessage(IDS_NOTHING_TO_PRINT);
        return IDS_NOTHING_TO_PRINT;
    }
    return WriteTextFile(db, path, IsCsvPath(path) ? DirectoryCsv(directory) : DirectoryText(directory));
}

std::string ContentSummary(const cDatabase& db, std::string_view title, bool courts, bool leagues)
{
    int courtMinutes = 0;
    for (const cUnusedTime& time : db.CourtTime().AllItems<cUnusedTime>()) {
        courtMinutes += Minutes(time);
    }
    int teams = 0;
    int matches = 0;
    for (const cLeague& league : db.Leagues().AllItems<cLeague>()) {
        teams += league.Teams().GetCount();
        matches += league.GetMatchCount();
    }
    int willing = 0;
    for (const cReferee& official : db.Officials().AllItems<cReferee>()) {
        willing += official.m_nMaxGames;
    }
    int unscheduledMinutes = 0;
    for (const cUnscheduledMatch& match : db.Unscheduled().AllItems<cUnscheduledMatch>()) {
        if (const cLeague* league = db.GetLeague(match.GetLeague())) {
            unscheduledMinutes += league->m_nGameDuration;
        }
    }

    std::string text = StringPrintf(GetString(IDS_CONTENT_OF), std::string(title).c_str());
    text += "\n\n";
    text += StringPrintf(GetString(IDS_CONTENT_COURTS), db.Courts().GetCount(), courtMinutes / 60,
                         courtMinutes % 60);
    text += "\n";
    text += StringPrintf(GetString(IDS_CONTENT_LEAGUES), db.Leagues().GetCount(), teams, matches);
    text += "\n";
    text += StringPrintf(GetString(IDS_CONTENT_OFFICIALS), db.Officials().GetCount(), willing);
    text += "\n";
    text += StringPrintf(GetString(IDS_CONTENT_UNSCHEDULED), db.Unscheduled().GetCount(),
                         unscheduledMinutes / 60, unscheduledMinutes % 60);

    if (courts) {
        text += "\n\nThe database includes the following courts:\n";
        for (const cCourt& court : db.Courts().Items<cCourt>()) {
            int minutes = 0;
            std::string rows;
            for (const cUnusedTime& time : db.CourtTime().Items<cUnusedTime>()) {
                if (time.GetCourt() == court.m_nIndex) {
                    minutes += Minutes(time);
                    rows += TextRow(db.CourtTime(), time);
                }
            }
            text += "\n";
            text += StringPrintf(GetString(IDS_CONTENT_COURT_LINE), court.m_strName.c_str(), minutes / 60,
                                 minutes % 60);
            text += "\n";
            text += rows;
        }
    }
    if (leagues) {
        text += "\nThe database includes the following leagues:";
        for (const cLeague& league : db.Leagues().Items<cLeague>()) {
            const int required = league.GetMatchCount() * league.m_nGameDuration;
            text += "\n\n";
            text += StringPrintf(GetString(IDS_CONTENT_LEAGUE_LINE), league.m_strName.c_str(),
                                 league.Teams().GetCount(), league.GetMatchCount());
            text += "\n";
            text += StringPrintf(GetString(IDS_CONTENT_LEAGUE_TIME), required / 60, required % 60);
            text += "\n";
            text += StringPrintf(GetString(IDS_CONTENT_LEAGUE_RATING), league.m_nMinCourtRating,
                                 league.m_nMaxCourtRating);
        }
    }
    return text;
}

int WriteContentFile(const cDatabase& db, std::string_view title, bool courts, bool leagues,
                     const std::string& path)
{
    return WriteTextFile(db, path, ContentSummary(db, title, courts, leagues));
}
