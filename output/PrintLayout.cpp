#include "output/PrintLayout.h"

#include "model/Strings.h"
#include "model/Text.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"
#include "model/cUnusedTime.h"
#include "output/Export.h"
#include "standings/Standings.h"

#include <algorithm>
#include <utility>

namespace {

// A group (a date, a date and court, or a league in the content print) is
// not begun with fewer lines left on the page.
constexpr int kGroupLines = 4;

// Fills pages: a line that finds its page full continues on a new page with
// the same heading.
class cPageFiller
{
public:
    cPageFiller(cPrintPages& pages, int linesPerPage)
        : m_pages(pages)
        , m_nLinesPerPage(std::max(1, linesPerPage))
    {
    }

    void StartPage(std::string heading, cPrintLine columnHeadings = {}, int keyWidth = 0)
    {
        m_pages.push_back({std::move(heading), std::move(columnHeadings), {}, keyWidth});
    }
    // A new page that goes on with the page group of the last one.
    void ContinuePage()
    {
        const cPrintPage& last = m_pages.back();
        StartPage(last.heading, last.columnHeadings, last.keyWidth);
    }
    int LinesLeft() const { return m_nLinesPerPage - static_cast<int>(m_pages.back().lines.size()); }
    bool AtTop() const { return m_pages.back().lines.empty(); }
    int LinesPerPage() const { return m_nLinesPerPage; }
    void SetKeyWidth(int width) { m_pages.back().keyWidth = width; }
    void Add(cPrintLine line)
    {
        if (LinesLeft() <= 0) {
            ContinuePage();
        }
        m_pages.back().lines.push_back(std::move(line));
    }
    // Starts a group of lines: on a new page when fewer than `needed` lines are
    // left, after a blank line when other lines stand on the page.
    void BeginGroup(int needed)
    {
        if (!AtTop() && LinesLeft() < needed) {
            ContinuePage();
        }
        if (!AtTop()) {
            Add({});
        }
    }

private:
    cPrintPages& m_pages;
    int m_nLinesPerPage;
};

std::string WithName(const std::string& heading, std::string_view name)
{
    return MakeSectionHeading(heading, name, false, false, false);
}

// Where a column's text stands for its alignment, given the column's start and width.
int Anchor(int start, int width, int alignment)
{
    switch (alignment) {
    case kAlignRight:
        return start + width;
    case kAlignCenter:
        return start + width - width / 2;
    default:
        return start;
    }
}

// A row of texts at the given column widths (PrintRow), each at its column's alignment.
cPrintLine ColumnRow(const std::vector<cColumn>& columns, const std::vector<int>& widths,
                     std::vector<std::string> texts)
{
    cPrintLine line;
    int start = 0;
    for (std::size_t k = 0; k < columns.size() && k < texts.size(); ++k) {
        const int width = k < widths.size() ? widths[k] : columns[k].width;
        line.push_back(
            {Anchor(start, width, columns[k].alignment), std::move(texts[k]), columns[k].alignment});
        start += width;
    }
    return line;
}

std::vector<int> DefinedWidths(const std::vector<cColumn>& columns)
{
    std::vector<int> widths;
    for (const cColumn& column : columns) {
        widths.push_back(column.width);
    }
    return widths;
}

bool InPeriod(const cMatch& match, const cScheduleExport& job)
{
    const std::int64_t day = LocalDayNumber(match.m_tStart);
    return day >= LocalDayNumber(job.from) && day <= LocalDayNumber(job.to);
}

// The printed match line of a schedule (w: print widths of the match columns).
cPrintLine MatchLine(const cMatch& match, const std::vector<int>& w, const cScheduleExport& job, int layout,
                     int officials)
{
    cPrintLine line;
    int x = 0;
    auto put = [&line](int at, std::string text) { line.push_back({at, std::move(text), kAlignLeft}); };
    if (job.numberBefore) {
        put(x, match.GetColumnText(0));
        x += w[0];
    }
    switch (layout) {
    case cScheduleExport::kUngrouped:
        put(x, match.GetColumnText(1));
        put(x + w[1], match.GetColumnText(2));
        put(x + w[1] + w[2], match.GetColumnText(3));
        x += w[1] + w[2];
        break;
    case cScheduleExport::kGroupedByDate:
        put(x, match.GetColumnText(2));
        put(x + w[2], match.GetColumnText(3));
        x += w[2];
        break;
    default:
        put(x, match.GetColumnText(3));
        break;
    }
    x += w[3];
    if (job.numberAfter) {
        put(x, match.GetColumnText(0));
        x += w[0];
    }
    put(x, match.GetColumnText(4));
    put(x + w[4], "- " + match.GetColumnText(5));
    x += w[4];
    if (officials > 0) {
        x += w[5] + 2;
        for (int k = 0; k < officials; ++k) {
            put(x, (k > 0 ? "/ " : "") + match.GetColumnText(6 + k));
            x += w[static_cast<std::size_t>(6 + k)] + 2;
        }
    }
    return line;
}

std::string GroupLine(const cDatabase& db, const cMatch& match, const cScheduleExport& job, bool withCourt)
{
    std::string text =
        WeekdayName(LocalTime(match.m_tStart).weekday, job.language) + ", " + match.GetColumnText(1);
    if (withCourt) {
        const cCourt* court = db.GetCourt(match.m_nCourt);
        text += ", " + (court != nullptr ? court->m_strName : std::string());
    }
    return text;
}

template <class Item> std::vector<const cDbItem*> ListOf(const cTournelDb& container)
{
    std::vector<const cDbItem*> items;
    for (const Item& item : container.Items<Item>()) {
        items.push_back(&item);
    }
    return items;
}

// The lines of the results of a league in the table print.
void AddResults(cPageFiller& pages, const cDatabase& db, const cLeague& league, const cTablesExport& job,
                const cPrintSizing& sizing)
{
    std::vector<const cDbItem*> listed;
    for (const cResult& result : db.Results().Items<cResult>()) {
        const cMatch* match = result.GetMatch();
        if (result.m_nLeague == league.m_nIndex && result.IsPlayed() && match != nullptr &&
            LocalDayNumber(match->m_tStart) >= LocalDayNumber(job.resultsFrom)) {
            listed.push_back(&result);
        }
    }
    const int sets = std::clamp(db.m_tableSettings.m_nMaxSets, 1, cResult::kScores - 1);
    const std::vector<int> w = PrintWidths(listed, 7 + sets, sizing);
    for (const cDbItem* item : listed) {
        cPrintLine line;
        line.push_back({0, item->GetColumnText(4), kAlignLeft});
        line.push_back({w[4], "- " + item->GetColumnText(5), kAlignLeft});
        int x = w[4] + w[5] + 2;
        line.push_back({x, item->GetColumnText(6), kAlignLeft});
        x += w[6];
        if (sets > 1) {
            for (int set = 1; set <= sets; ++set) {
                line.push_back({x, (set == 1 ? "( " : "") + item->GetColumnText(6 + set), kAlignLeft});
                x += w[static_cast<std::size_t>(6 + set)] + (set == 1 ? 2 : 0);
            }
            line.push_back({x, ")", kAlignLeft});
        }
        pages.Add(std::move(line));
    }
}

void AddTable(cPageFiller& pages, const cLeague& league, const cTablesExport& job, const cPrintSizing& sizing)
{
    const std::vector<int> columns = TableColumns(job);
    const bool lossesIncludeDisq = !job.disqualified;
    std::vector<const cTableItem*> rows;
    for (const cTableItem& row : league.Table().Items<cTableItem>()) {
        rows.push_back(&row);
    }
    std::vector<int> w(11, 2);
    for (const cTableItem* row : rows) {
        for (int column : columns) {
            w[static_cast<std::size_t>(column)] =
                std::max(w[static_cast<std::size_t>(column)],
                         sizing.Chars(row->GetColumnText(column, lossesIncludeDisq)) + 2);
        }
    }
    // The rank and the team's name are the key of a row.
    int key = 0;
    for (int column : columns) {
        key += w[static_cast<std::size_t>(column)];
        if (column == 1) {
            break;
        }
    }
    pages.SetKeyWidth(key);
    const int count = static_cast<int>(rows.size());
    if (!pages.AtTop()) {
        // After the results: here when the table fits, or would not fit on any page.
        if (count + 1 <= pages.LinesLeft() || count > pages.LinesPerPage()) {
            // A blank line between, unless the page is full: the rows go on over the page anyway.
            if (pages.LinesLeft() > 0) {
                pages.Add({});
            }
        } else {
            pages.ContinuePage();
        }
    }
    for (const cTableItem* row : rows) {
        cPrintLine line;
        int x = 0;
        for (int column : columns) {
            line.push_back({x, row->GetColumnText(column, lossesIncludeDisq), kAlignLeft});
            x += w[static_cast<std::size_t>(column)];
        }
        pages.Add(std::move(line));
    }
}

std::vector<const cLeague*> LeaguesOf(const cDatabase& db, int selected)
{
    std::vector<const cLeague*> leagues;
    for (const cLeague& league : db.Leagues().Items<cLeague>()) {
        if (selected == -1 || league.m_nIndex == selected) {
            leagues.push_back(&league);
        }
    }
    return leagues;
}

int Minutes(const cUnusedTime& period)
{
    return static_cast<int>((period.GetEnd() - period.GetStart()) / 60);
}

} // namespace

std::vector<int> PrintWidths(const std::vector<const cDbItem*>& items, int columns,
                             const cPrintSizing& sizing)
{
    std::vector<int> widths(static_cast<std::size_t>(std::max(0, columns)), 2);
    for (const cDbItem* item : items) {
        for (int k = 0; k < columns; ++k) {
            widths[static_cast<std::size_t>(k)] =
                std::max(widths[static_cast<std::size_t>(k)], sizing.Chars(item->GetColumnText(k)) + 2);
        }
    }
    return widths;
}

int DirectoryPrintRefusal(const cTournelDb* directory)
{
    if (directory == nullptr) {
        return IDS_NO_DIRECTORY_TO_PRINT;
    }
    return directory->GetListed().empty() ? IDS_NOTHING_TO_PRINT : 0;
}

cPrintPages DirectoryPages(const cTournelDb& directory, const cPrintSizing& sizing)
{
    cPrintPages pages;
    cPageFiller builder(pages, sizing.LinesPerPage());
    const std::vector<cColumn>& columns = directory.GetColumns();
    std::vector<std::string> headings;
    for (const cColumn& column : columns) {
        headings.emplace_back(GetString(column.titleId));
    }
    std::vector<std::vector<std::string>> rows;
    for (const cDbItem* item : directory.GetListed()) {
        rows.push_back(ColumnTexts(*item, columns.size()));
    }
    std::vector<int> widths = DefinedWidths(columns);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        int widest = sizing.Chars(headings[k]);
        for (const std::vector<std::string>& row : rows) {
            widest = std::max(widest, sizing.Chars(row[k]));
        }
        widths[k] = std::max(widths[k], widest + 1);
    }
    // A row is followed by its first column; a table's by the rank and the team's name.
    int key = widths.empty() ? 0 : widths[0];
    if (directory.m_nDirectoryId == kDirTable && widths.size() > 1) {
        key += widths[1];
    }
    builder.StartPage(DirectoryHeading(directory), ColumnRow(columns, widths, std::move(headings)), key);
    for (std::vector<std::string>& row : rows) {
        builder.Add(ColumnRow(columns, widths, std::move(row)));
    }
    return pages;
}

int SchedulePrintRefusal(const cDatabase& db, const cScheduleExport& job)
{
    if (db.Scheduled().GetFirst() == nullptr ||
        (job.sorting == cScheduleExport::kByOfficial && db.Officials().GetFirst() == nullptr)) {
        return IDS_NOTHING_TO_PRINT;
    }
    return 0;
}

cPrintPages SchedulePages(const cDatabase& db, const cScheduleExport& job, const cPrintSizing& sizing)
{
    cPrintPages pages;
    cPageFiller builder(pages, sizing.LinesPerPage());
    const int officials = std::clamp(db.m_nOfficialsPerGame, 0, cMatch::kOfficialPositions);
    const std::vector<int> w =
        PrintWidths(ListOf<cMatch>(db.Scheduled()), 6 + cMatch::kOfficialPositions, sizing);
    // The first text of a match line is its key: the number in front, or the
    // date, the court or the time, whichever the layout begins with.
    const int layout = job.sorting == cScheduleExport::kByDate ? std::clamp(job.layout, 0, 2) : 0;
    const int key = job.numberBefore ? w[0] : w[static_cast<std::size_t>(1 + layout)];

    // One page group of the matches for which `belongs` holds.
    auto group = [&](std::string_view name, auto belongs) {
        builder.StartPage(WithName(job.heading, name), {}, key);
        for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
            if (InPeriod(match, job) && belongs(match)) {
                builder.Add(MatchLine(match, w, job, cScheduleExport::kUngrouped, officials));
            }
        }
    };

    switch (job.sorting) {
    case cScheduleExport::kByCourt:
        for (const cCourt& court : db.Courts().Items<cCourt>()) {
            if (job.court == -1 || court.m_nIndex == job.court) {
                group(court.m_strName, [&](const cMatch& m) { return m.m_nCourt == court.m_nIndex; });
            }
        }
        break;
    case cScheduleExport::kByLeague:
        for (const cLeague* league : LeaguesOf(db, job.league)) {
            group(league->m_strName, [&](const cMatch& m) { return m.m_nLeague == league->m_nIndex; });
        }
        break;
    case cScheduleExport::kByTeam:
        for (const cLeague* league : LeaguesOf(db, job.league)) {
            for (const cTeam& team : league->Teams().Items<cTeam>()) {
                if (job.league != -1 && job.team != -1 && team.m_nIndex != job.team) {
                    continue;
                }
                group(league->m_strName + ", " + team.m_strName, [&](const cMatch& m) {
                    return m.m_nLeague == league->m_nIndex &&
                           (m.m_nHomeTeam == team.m_nIndex || m.m_nGuestTeam == team.m_nIndex);
                });
            }
        }
        break;
    case cScheduleExport::kByOfficial:
        for (const cReferee& official : db.Officials().Items<cReferee>()) {
            if (job.official == -1 || official.m_nIndex == job.official) {
                group(official.m_strName, [&](const cMatch& m) {
                    return std::find(m.m_nOfficial.begin(), m.m_nOfficial.end(), official.m_nIndex) !=
                           m.m_nOfficial.end();
                });
            }
        }
        break;
    default: {
        builder.StartPage(WithName(job.heading, ""), {}, key);
        bool first = true;
        std::int64_t lastDay = 0;
        int lastCourt = 0;
        for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
            if (!InPeriod(match, job)) {
                continue;
            }
            const std::int64_t day = LocalDayNumber(match.m_tStart);
            if (layout != cScheduleExport::kUngrouped &&
                (first || day != lastDay ||
                 (layout == cScheduleExport::kGroupedByDateAndCourt && match.m_nCourt != lastCourt))) {
                builder.BeginGroup(kGroupLines);
                builder.Add({{0, GroupLine(db, match, job, layout == cScheduleExport::kGroupedByDateAndCourt),
                              kAlignLeft}});
            }
            first = false;
            lastDay = day;
            lastCourt = match.m_nCourt;
            builder.Add(MatchLine(match, w, job, layout, officials));
        }
        break;
    }
    }
    return pages;
}

int TablePrintRefusal(const cDatabase& db, const cTablesExport& job)
{
    return db.Results().GetFirst() == nullptr || LeaguesOf(db, job.league).empty() ? IDS_NOTHING_TO_PRINT : 0;
}

cPrintPages TablePages(cDatabase& db, const cTablesExport& job, const cPrintSizing& sizing)
{
    cPrintPages pages;
    cPageFiller builder(pages, sizing.LinesPerPage());
    for (const cLeague* printed : LeaguesOf(db, job.league)) {
        cLeague& league = *db.GetLeague(printed->m_nIndex);
        BringTableUpToDate(db, league);
        builder.StartPage(WithName(job.heading, league.m_strName));
        if (job.results) {
            AddResults(builder, db, league, job, sizing);
        }
        AddTable(builder, league, job, sizing);
    }
    return pages;
}

cPrintPages ContentPages(const cDatabase& db, std::string_view title, bool courts, bool leagues,
                         const cPrintSizing& sizing)
{
    cPrintPages pages;
    cPageFiller builder(pages, sizing.LinesPerPage());

    // The summary lines as the text file has them: the heading, a blank line, four counts.
    const std::string summary = ContentSummary(db, title, false, false);
    std::vector<std::string> lines;
    for (std::size_t from = 0; from <= summary.size();) {
        const std::size_t end = std::min(summary.find('\n', from), summary.size());
        lines.push_back(summary.substr(from, end - from));
        from = end + 1;
    }
    builder.StartPage(lines.empty() ? std::string() : lines.front());
    for (std::size_t i = 2; i < lines.size(); ++i) {
        builder.Add({{0, lines[i], kAlignLeft}});
    }

    if (courts) {
        const std::vector<cColumn>& columns = db.CourtTime().GetColumns();
        const std::vector<int> widths = DefinedWidths(columns);
        for (const cCourt& court : db.Courts().Items<cCourt>()) {
            std::vector<const cUnusedTime*> periods;
            int minutes = 0;
            for (const cUnusedTime& period : db.CourtTime().Items<cUnusedTime>()) {
                if (period.GetCourt() == court.m_nIndex) {
                    periods.push_back(&period);
                    minutes += Minutes(period);
                }
            }
            builder.StartPage(court.m_strName);
            builder.Add({{0,
                          StringPrintf(GetString(IDS_CONTENT_COURT_LINE), court.m_strName.c_str(),
                                       minutes / 60, minutes % 60),
                          kAlignLeft}});
            for (const cUnusedTime* period : periods) {
                builder.Add(ColumnRow(columns, widths, ColumnTexts(*period, columns.size())));
            }
        }
    }

    if (leagues && db.Leagues().GetFirst() != nullptr) {
        builder.StartPage(GetString(db.Leagues().m_nTitleId));
        for (const cLeague& league : db.Leagues().Items<cLeague>()) {
            const int matches = league.GetMatchCount();
            const int required = matches * league.m_nGameDuration;
            builder.BeginGroup(kGroupLines);
            builder.Add({{0,
                          StringPrintf(GetString(IDS_CONTENT_LEAGUE_LINE), league.m_strName.c_str(),
                                       league.Teams().GetCount(), matches),
                          kAlignLeft}});
            builder.Add({{0, StringPrintf(GetString(IDS_CONTENT_LEAGUE_TIME), required / 60, required % 60),
                          kAlignLeft}});
            builder.Add({{0,
                          StringPrintf(GetString(IDS_CONTENT_LEAGUE_RATING), league.m_nMinCourtRating,
                                       league.m_nMaxCourtRating),
                          kAlignLeft}});
        }
    }
    return pages;
}
