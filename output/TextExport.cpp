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
// counted characters instead of bytes.
void AppendPadded(std::string& out, std::string_view text, int width)
{
    out += text;
    const std::size_t length = TextLength(text);
    if (length < static_cast<std::size_t>(std::max(0, width))) {
        out.append(static_cast<std::size_t>(width) - length, ' ');
    }
}

// The widths of the columns of a written list: each column as wide as the
// directory defines it, or one more than its longest text (heading included)
// when that is longer, so that every column starts at the same place on
// every line and a text that fills its column never runs into the next one.
std::vector<int> TextWidths(const std::vector<cColumn>& columns, const std::vector<std::string>& headings,
                            const std::vector<const cDbItem*>& items)
{
    std::vector<int> widths;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        std::size_t longest = k < headings.size() ? TextLength(headings[k]) : 0;
        for (const cDbItem* item : items) {
            longest = std::max(longest, TextLength(item->GetColumnText(static_cast<int>(k))));
        }
        widths.push_back(std::max(columns[k].width, static_cast<int>(longest) + 1));
    }
    return widths;
}

// One line of texts, each padded to its column's width.
std::string TextLine(const std::vector<std::string>& texts, const std::vector<int>& widths)
{
    std::string line;
    for (std::size_t k = 0; k < texts.size() && k < widths.size(); ++k) {
        AppendPadded(line, texts[k], widths[k]);
    }
    line += "\n";
    return line;
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

std::string DirectoryHeading(const cTournelDb& directory)
{
    std::string heading = GetString(directory.m_nTitleId);
    const cDbItem* owner = directory.GetOwnerItem();
    if (owner == nullptr) {
        return heading;
    }
    std::string names = owner->GetColumnText(0);
    // A team's lists: the league first, as a team's page of the schedule print names it.
    if (const cTournelDb* teams = owner->GetOwner(); teams != nullptr && teams->GetOwnerItem() != nullptr) {
        names = teams->GetOwnerItem()->GetColumnText(0) + ", " + names;
    }
    return heading + " - " + names;
}

std::string DirectoryText(const cTournelDb& directory)
{
    const std::vector<cColumn>& columns = directory.GetColumns();
    std::vector<std::string> headings;
    for (const cColumn& column : columns) {
        headings.emplace_back(GetString(column.titleId));
    }
    const std::vector<cDbItem*> listed = directory.GetListed();
    const std::vector<const cDbItem*> items(listed.begin(), listed.end());
    const std::vector<int> widths = TextWidths(columns, headings, items);
    std::string text = DirectoryHeading(directory);
    text += "\n\n";
    text += TextLine(headings, widths);
    for (const cDbItem* item : items) {
        text += TextLine(ColumnTexts(*item, columns.size()), widths);
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
    if (directory.GetListed().empty()) {
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
        // One set of widths for the periods of every court: their columns line up through the file.
        const std::vector<cColumn>& columns = db.CourtTime().GetColumns();
        std::vector<const cDbItem*> all;
        for (const cUnusedTime& time : db.CourtTime().Items<cUnusedTime>()) {
            all.push_back(&time);
        }
        const std::vector<int> widths = TextWidths(columns, {}, all);
        for (const cCourt& court : db.Courts().Items<cCourt>()) {
            int minutes = 0;
            std::string rows;
            for (const cUnusedTime& time : db.CourtTime().Items<cUnusedTime>()) {
                if (time.GetCourt() == court.m_nIndex) {
                    minutes += Minutes(time);
                    rows += TextLine(ColumnTexts(time, columns.size()), widths);
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

std::vector<std::string> ColumnTexts(const cDbItem& item, std::size_t columns)
{
    std::vector<std::string> texts;
    for (std::size_t k = 0; k < columns; ++k) {
        texts.push_back(item.GetColumnText(static_cast<int>(k)));
    }
    return texts;
}
