#include "output/Website.h"

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
#include "output/CalendarExport.h"
#include "output/Export.h"
#include "output/OutputFile.h"
#include "output/PrintValues.h"
#include "output/WebAddresses.h"
#include "standings/Standings.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

namespace {

constexpr std::string_view kStyleSheet = R"(/* Tournel website: one stylesheet for every page. */
:root { color-scheme: light; }
body {
  font-family: system-ui, -apple-system, "Segoe UI", Roboto, sans-serif;
  line-height: 1.4;
  color: #1d232a;
  background: #fff;
  margin: 0 auto;
  max-width: 72em;
  padding: 0 1em 2em;
}
header { border-bottom: 2px solid #2f6f4f; margin-bottom: 1em; }
header .site { margin: .6em 0 0; font-size: .95em; }
h1 { font-size: 1.6em; margin: .2em 0 .4em; }
h2 { font-size: 1.25em; margin: 1.4em 0 .5em; }
h3 { font-size: 1.05em; margin: 1em 0 .3em; }
a { color: #1f5f9f; }
nav ul, ul.links { list-style: none; padding: 0; margin: .3em 0 .8em; display: flex; flex-wrap: wrap; gap: .3em 1.2em; }
.comments { white-space: pre-line; }
.scroll { overflow-x: auto; -webkit-overflow-scrolling: touch; }
table { border-collapse: collapse; width: 100%; margin: .3em 0 1em; }
th, td { padding: .35em .6em; border-bottom: 1px solid #d8dde2; text-align: left; white-space: nowrap; vertical-align: top; }
th { background: #eef2f0; font-weight: 600; }
td.num, th.num { text-align: right; }
tbody tr:nth-child(even) { background: #f8faf9; }
.none { color: #5a6570; font-style: italic; }
.ics { font-size: .9em; }
@media (max-width: 40em) {
  body { padding: 0 .5em 1.5em; }
  h1 { font-size: 1.35em; }
  th, td { padding: .3em .4em; }
}
@media print {
  nav, .ics { display: none; }
  body { max-width: none; padding: 0; font-size: 10pt; }
  a { color: inherit; text-decoration: none; }
  .scroll { overflow: visible; }
  th, td { white-space: normal; }
  tr { break-inside: avoid; }
  h2 { break-after: avoid; }
}
)";

std::string Escape(std::string_view text)
{
    return HtmlEscape(text);
}

// The stored text of a message id, as HTML.
std::string Text(int id)
{
    return Escape(GetString(id));
}

// The file names of everything that gets a page, by index number.
struct cAddresses
{
    std::map<int, std::string> leagues;
    std::map<int, std::map<int, std::string>> teams; // by league, then team
    std::map<int, std::string> courts;
    std::map<int, std::string> officials;

    static std::string Find(const std::map<int, std::string>& names, int index)
    {
        const auto at = names.find(index);
        return at != names.end() ? at->second : std::string();
    }

    // Paths from the site's folder; empty for an item without a page.
    std::string League(int index) const
    {
        const std::string name = Find(leagues, index);
        return name.empty() ? name : "leagues/" + name + ".html";
    }
    std::string Team(int league, int team, std::string_view extension = ".html") const
    {
        const auto at = teams.find(league);
        const std::string leagueName = Find(leagues, league);
        const std::string name = at != teams.end() ? Find(at->second, team) : std::string();
        return name.empty() || leagueName.empty()
                   ? std::string()
                   : "teams/" + leagueName + "/" + name + std::string(extension);
    }
    std::string Court(int index, std::string_view extension = ".html") const
    {
        const std::string name = Find(courts, index);
        return name.empty() ? name : "courts/" + name + std::string(extension);
    }
    std::string Official(int index, std::string_view extension = ".html") const
    {
        const std::string name = Find(officials, index);
        return name.empty() ? name : "officials/" + name + std::string(extension);
    }
};

// The text an item is named by in addresses: its short name, else its name.
std::string AddressText(const cIndexedDbItem& item)
{
    return IsBlank(item.m_strShortName) ? item.m_strName : item.m_strShortName;
}

template <class Item> std::vector<cWebNameSource> NameSources(const cIndexedDb& container)
{
    std::vector<cWebNameSource> sources;
    for (const Item& item : container.Items<Item>()) {
        sources.push_back({item.m_nIndex, AddressText(item)});
    }
    return sources;
}

cAddresses MakeAddresses(const cDatabase& db)
{
    cAddresses addresses;
    addresses.leagues = UniqueWebNames(NameSources<cLeague>(db.Leagues()), "league");
    for (const cLeague& league : db.Leagues().Items<cLeague>()) {
        addresses.teams[league.m_nIndex] = UniqueWebNames(NameSources<cTeam>(league.Teams()), "team");
    }
    addresses.courts = UniqueWebNames(NameSources<cCourt>(db.Courts()), "court");
    addresses.officials = UniqueWebNames(NameSources<cReferee>(db.Officials()), "official");
    return addresses;
}

// A page under construction: `path` is where it goes in the site, so that
// its links to other pages can be made relative to it.
class cPage
{
public:
    cPage(const cDatabase& db, const cWebsiteJob& job, std::string_view path, std::string_view heading)
        : m_prefix(PrefixOf(path))
    {
        const std::string title =
            heading.empty() ? Escape(job.title) : Escape(heading) + " - " + Escape(job.title);
        m_html = "<!DOCTYPE html>\n<html lang=\"" + std::string(HtmlLanguage(db.m_nLanguage)) +
                 "\">\n<head>\n<meta charset=\"utf-8\">\n"
                 "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
                 title + "</title>\n<link rel=\"stylesheet\" href=\"" + m_prefix +
                 "style.css\">\n</head>\n<body>\n";
        m_html += "<header>\n";
        if (!heading.empty()) {
            m_html += "<p class=\"site\"><a href=\"" + m_prefix + "index.html\">" + Escape(job.title) +
                      "</a></p>\n";
        }
        m_html += "<h1>" + Escape(heading.empty() ? job.title : heading) + "</h1>\n</header>\n<main>\n";
    }

    // A link to a page of the site (a path from its folder); the bare text
    // when there is no page. `text` is HTML already.
    std::string Link(const std::string& target, const std::string& text) const
    {
        return target.empty() ? text : "<a href=\"" + Escape(m_prefix + target) + "\">" + text + "</a>";
    }

    void Add(std::string_view html) { m_html += html; }

    std::string Finish()
    {
        m_html += "</main>\n</body>\n</html>\n";
        return std::move(m_html);
    }

private:
    static std::string PrefixOf(std::string_view path)
    {
        std::string prefix;
        for (const char c : path) {
            if (c == '/') {
                prefix += "../";
            }
        }
        return prefix;
    }

    std::string m_prefix;
    std::string m_html;
};

// The final result, "D" beside a disqualified team, and the sets that were
// played in brackets; empty while the match has no result.
std::string ResultText(const cMatch& match, int maxSets)
{
    const cResult* result = match.GetResult();
    if (result == nullptr || !result->IsPlayed()) {
        return {};
    }
    std::string text = (result->IsHomeDisqualified() ? "D " : "") + std::to_string(result->GetHomeScore(0)) +
                       " - " + std::to_string(result->GetGuestScore(0)) +
                       (result->IsGuestDisqualified() ? " D" : "");
    std::string sets;
    for (int set = 1; set <= std::min(maxSets, cResult::kScores - 1); ++set) {
        const int home = result->GetHomeScore(set);
        const int guest = result->GetGuestScore(set);
        if (home != 0 || guest != 0) {
            sets += (sets.empty() ? "" : ", ") + std::to_string(home) + "-" + std::to_string(guest);
        }
    }
    return sets.empty() ? text : text + " (" + sets + ")";
}

struct cMatchColumns
{
    bool result = true;
    bool officials = true;
};

// The matches as a table: number, date, weekday, time, court, home, guest,
// result and officials, each name a link to its page.
std::string MatchTable(const cDatabase& db, const cAddresses& addresses, const cPage& page,
                       const std::vector<const cMatch*>& matches, cMatchColumns columns)
{
    if (matches.empty()) {
        return "<p class=\"none\">" + Text(IDS_SITE_NO_MATCHES) + "</p>\n";
    }
    std::string html = "<div class=\"scroll\">\n<table>\n<thead>\n<tr><th>" + Text(IDS_COL_MATCH_NO) +
                       "</th><th>" + Text(IDS_COL_DATE) + "</th><th>" + Text(IDS_COL_WEEKDAY) + "</th><th>" +
                       Text(IDS_COL_TIME) + "</th><th>" + Text(IDS_COL_COURT) + "</th><th>" +
                       Text(IDS_COL_HOME_TEAM) + "</th><th>" + Text(IDS_COL_GUEST_TEAM) + "</th>";
    if (columns.result) {
        html += "<th>" + Text(IDS_SITE_RESULT) + "</th>";
    }
    if (columns.officials) {
        html += "<th>" + Text(IDS_OFFICIALS) + "</th>";
    }
    html += "</tr>\n</thead>\n<tbody>\n";
    for (const cMatch* match : matches) {
        const cCourt* court = db.GetCourt(match->m_nCourt);
        const auto team = [&](int index, const std::string& name) {
            return match->IsPlayoff() ? Escape(name)
                                      : page.Link(addresses.Team(match->m_nLeague, index), Escape(name));
        };
        html += "<tr><td>" + Escape(match->GetLabel()) + "</td><td>" +
                Escape(db.FormatDate(match->m_tStart)) + "</td><td>" +
                Escape(WeekdayName(LocalTime(match->m_tStart).weekday, db.m_nLanguage)) + "</td><td>" +
                FormatTime(match->m_tStart, "%H:%M") + "</td><td>" +
                (court != nullptr ? page.Link(addresses.Court(court->m_nIndex), Escape(court->m_strName))
                                  : std::string()) +
                "</td><td>" + team(match->m_nHomeTeam, match->GetHomeName()) + "</td><td>" +
                team(match->m_nGuestTeam, match->GetGuestName()) + "</td>";
        if (columns.result) {
            html += "<td>" + Escape(ResultText(*match, db.m_tableSettings.m_nMaxSets)) + "</td>";
        }
        if (columns.officials) {
            std::string officials;
            for (int slot = 0; slot < cMatch::kOfficialPositions; ++slot) {
                if (const cReferee* official = db.GetOfficial(match->GetOfficial(slot))) {
                    officials +=
                        (officials.empty() ? "" : ", ") +
                        page.Link(addresses.Official(official->m_nIndex), Escape(official->m_strName));
                }
            }
            html += "<td>" + officials + "</td>";
        }
        html += "</tr>\n";
    }
    html += "</tbody>\n</table>\n</div>\n";
    return html;
}

// The scheduled matches a calendar of `what` holds, in schedule order: the
// page and its calendar list the same matches.
std::vector<const cMatch*> MatchesOf(const cDatabase& db, const cCalendarExport& what)
{
    std::vector<const cMatch*> matches;
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        if (CalendarHolds(match, what)) {
            matches.push_back(&match);
        }
    }
    return matches;
}

cCalendarExport Everything()
{
    cCalendarExport what;
    what.to = -1; // no period limit
    return what;
}

bool ShowsOfficials(const cDatabase& db)
{
    return db.m_nOfficialsPerGame > 0;
}

std::string CalendarLink(const cPage& page, const std::string& target)
{
    return "<p class=\"ics\">" + page.Link(target, Text(IDS_SITE_CALENDAR)) + "</p>\n";
}

// A league's table with the columns the table settings choose, headed by
// the Table directory's column titles.
std::string LeagueTable(const cLeague& league, const cAddresses& addresses, const cPage& page,
                        const cTablesExport& job)
{
    if (league.Table().Items<cTableItem>().begin() == league.Table().Items<cTableItem>().end()) {
        return "<p class=\"none\">" + Text(IDS_SITE_NO_RESULTS) + "</p>\n";
    }
    const std::vector<int> columns = TableColumns(job);
    const std::vector<cColumn>& titles = league.Table().GetColumns();
    std::string html = "<div class=\"scroll\">\n<table>\n<thead>\n<tr>";
    for (const int column : columns) {
        const auto k = static_cast<std::size_t>(column);
        html += std::string(column == 1 ? "<th>" : "<th class=\"num\">") +
                (k < titles.size() ? Text(titles[k].titleId) : std::string()) + "</th>";
    }
    html += "</tr>\n</thead>\n<tbody>\n";
    for (const cTableItem& row : league.Table().Items<cTableItem>()) {
        html += "<tr>";
        for (const int column : columns) {
            const std::string text = Escape(Trim(row.GetColumnText(column, !job.disqualified)));
            html += column == 1
                        ? "<td>" + page.Link(addresses.Team(league.m_nIndex, row.m_nTeam), text) + "</td>"
                        : "<td class=\"num\">" + text + "</td>";
        }
        html += "</tr>\n";
    }
    html += "</tbody>\n</table>\n</div>\n";
    return html;
}

// The played matches of a league with their results, in schedule order.
std::string ResultsTable(const cDatabase& db, const cAddresses& addresses, const cPage& page,
                         const std::vector<const cMatch*>& matches)
{
    std::vector<const cMatch*> played;
    for (const cMatch* match : matches) {
        if (match->GetResult() != nullptr && match->GetResult()->IsPlayed()) {
            played.push_back(match);
        }
    }
    if (played.empty()) {
        return "<p class=\"none\">" + Text(IDS_SITE_NO_RESULTS) + "</p>\n";
    }
    std::string html = "<div class=\"scroll\">\n<table>\n<thead>\n<tr><th>" + Text(IDS_COL_DATE) +
                       "</th><th>" + Text(IDS_COL_HOME_TEAM) + "</th><th>" + Text(IDS_COL_GUEST_TEAM) +
                       "</th><th>" + Text(IDS_SITE_RESULT) + "</th></tr>\n</thead>\n<tbody>\n";
    for (const cMatch* match : played) {
        html +=
            "<tr><td>" + Escape(db.FormatDate(match->m_tStart)) + "</td><td>" +
            page.Link(addresses.Team(match->m_nLeague, match->m_nHomeTeam), Escape(match->GetHomeName())) +
            "</td><td>" +
            page.Link(addresses.Team(match->m_nLeague, match->m_nGuestTeam), Escape(match->GetGuestName())) +
            "</td><td>" + Escape(ResultText(*match, db.m_tableSettings.m_nMaxSets)) + "</td></tr>\n";
    }
    html += "</tbody>\n</table>\n</div>\n";
    return html;
}

std::string IndexPage(const cDatabase& db, const cWebsiteJob& job, const cAddresses& addresses)
{
    cPage page(db, job, "index.html", "");
    if (!IsBlank(db.m_strComments)) {
        page.Add("<p class=\"comments\">" + Escape(Trim(db.m_strComments)) + "</p>\n");
    }

    // The next matches: those that start from now on, earliest first.
    std::vector<const cMatch*> next;
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        if (match.m_tStart >= job.now) {
            next.push_back(&match);
        }
    }
    std::ranges::stable_sort(next, {}, &cMatch::m_tStart);
    next.resize(std::min(next.size(), static_cast<std::size_t>(std::max(job.nextMatches, 0))));
    page.Add("<h2>" + Text(IDS_SITE_NEXT_MATCHES) + "</h2>\n");
    page.Add(MatchTable(db, addresses, page, next, {.result = false, .officials = ShowsOfficials(db)}));

    page.Add("<h2>" + Text(IDS_LEAGUES) + "</h2>\n");
    for (const cLeague& league : db.Leagues().Items<cLeague>()) {
        page.Add("<h3>" + page.Link(addresses.League(league.m_nIndex), Escape(league.m_strName)) + "</h3>\n");
        std::string teams;
        for (const cTeam& team : league.Teams().Items<cTeam>()) {
            teams += "<li>" +
                     page.Link(addresses.Team(league.m_nIndex, team.m_nIndex), Escape(team.m_strName)) +
                     "</li>\n";
        }
        if (!teams.empty()) {
            page.Add("<ul class=\"links\">\n" + teams + "</ul>\n");
        }
    }
    const auto list = [&](int headingId, const cIndexedDb& items,
                          const std::function<std::string(int)>& address) {
        std::string links;
        for (const cIndexedDbItem& item : items.Items<cIndexedDbItem>()) {
            links += "<li>" + page.Link(address(item.m_nIndex), Escape(item.m_strName)) + "</li>\n";
        }
        if (!links.empty()) {
            page.Add("<h2>" + Text(headingId) + "</h2>\n<ul class=\"links\">\n" + links + "</ul>\n");
        }
    };
    list(IDS_COURTS, db.Courts(), [&](int index) { return addresses.Court(index); });
    list(IDS_OFFICIALS, db.Officials(), [&](int index) { return addresses.Official(index); });
    return page.Finish();
}

std::string LeaguePage(const cDatabase& db, const cWebsiteJob& job, const cAddresses& addresses,
                       const cLeague& league, const cTablesExport& tableJob)
{
    const std::string path = addresses.League(league.m_nIndex);
    cPage page(db, job, path, league.m_strName);
    page.Add("<nav>\n<ul>\n<li><a href=\"#table\">" + Text(IDS_TABLE) +
             "</a></li>\n<li><a href=\"#schedule\">" + Text(IDS_SITE_SCHEDULE) +
             "</a></li>\n<li><a href=\"#results\">" + Text(IDS_RESULTS) + "</a></li>\n</ul>\n</nav>\n");
    cCalendarExport what = Everything();
    what.league = league.m_nIndex;
    const std::vector<const cMatch*> matches = MatchesOf(db, what);
    page.Add("<h2 id=\"table\">" + Text(IDS_TABLE) + "</h2>\n");
    page.Add(LeagueTable(league, addresses, page, tableJob));
    page.Add("<h2 id=\"schedule\">" + Text(IDS_SITE_SCHEDULE) + "</h2>\n");
    page.Add(MatchTable(db, addresses, page, matches, {.result = true, .officials = ShowsOfficials(db)}));
    page.Add("<h2 id=\"results\">" + Text(IDS_RESULTS) + "</h2>\n");
    page.Add(ResultsTable(db, addresses, page, matches));
    return page.Finish();
}

std::string TeamPage(const cDatabase& db, const cWebsiteJob& job, const cAddresses& addresses,
                     const cLeague& league, const cTeam& team)
{
    const std::string path = addresses.Team(league.m_nIndex, team.m_nIndex);
    cPage page(db, job, path, team.m_strName);
    page.Add("<p>" + page.Link(addresses.League(league.m_nIndex), Escape(league.m_strName)) + "</p>\n");
    int rows = 0;
    const cTableItem* own = nullptr;
    for (const cTableItem& row : league.Table().Items<cTableItem>()) {
        ++rows;
        if (row.m_nTeam == team.m_nIndex) {
            own = &row;
        }
    }
    if (own != nullptr) {
        const std::string table = page.Link(addresses.League(league.m_nIndex) + "#table", Text(IDS_TABLE));
        page.Add("<p class=\"position\">" +
                 FormatText(Text(IDS_SITE_POSITION), {std::to_string(own->m_nPosition), std::to_string(rows),
                                                      std::to_string(own->Points())}) +
                 " " + table + "</p>\n");
    }
    page.Add(CalendarLink(page, addresses.Team(league.m_nIndex, team.m_nIndex, ".ics")));
    cCalendarExport what = Everything();
    what.league = league.m_nIndex;
    what.team = team.m_nIndex;
    page.Add("<h2>" + Text(IDS_SITE_MATCHES) + "</h2>\n");
    page.Add(MatchTable(db, addresses, page, MatchesOf(db, what),
                        {.result = true, .officials = ShowsOfficials(db)}));
    return page.Finish();
}

// The page of a court or an official: its calendar and its matches.
std::string MatchesPage(const cDatabase& db, const cWebsiteJob& job, const cAddresses& addresses,
                        const std::string& path, const std::string& calendar, const std::string& name,
                        const cCalendarExport& what)
{
    cPage page(db, job, path, name);
    page.Add(CalendarLink(page, calendar));
    page.Add("<h2>" + Text(IDS_SITE_MATCHES) + "</h2>\n");
    page.Add(MatchTable(db, addresses, page, MatchesOf(db, what),
                        {.result = true, .officials = ShowsOfficials(db)}));
    return page.Finish();
}

bool SameBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) ||
        std::filesystem::file_size(path, error) != bytes.size() || error) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return in.good() || in.eof() ? text.str() == bytes : false;
}

bool WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

} // namespace

std::map<std::string, std::string> WebsiteFiles(cDatabase& db, const cWebsiteJob& job)
{
    const cAddresses addresses = MakeAddresses(db);
    const cTablesExport tableJob = cTablesExport::FromDocument(db);
    std::map<std::string, std::string> files;
    files["style.css"] = kStyleSheet;
    files["index.html"] = IndexPage(db, job, addresses);
    for (cLeague& league : db.Leagues().Items<cLeague>()) {
        BringTableUpToDate(db, league);
        files[addresses.League(league.m_nIndex)] = LeaguePage(db, job, addresses, league, tableJob);
        for (const cTeam& team : league.Teams().Items<cTeam>()) {
            files[addresses.Team(league.m_nIndex, team.m_nIndex)] =
                TeamPage(db, job, addresses, league, team);
            cCalendarExport what = Everything();
            what.league = league.m_nIndex;
            what.team = team.m_nIndex;
            files[addresses.Team(league.m_nIndex, team.m_nIndex, ".ics")] = CalendarText(db, what);
        }
    }
    for (const cCourt& court : db.Courts().Items<cCourt>()) {
        cCalendarExport what = Everything();
        what.court = court.m_nIndex;
        files[addresses.Court(court.m_nIndex)] =
            MatchesPage(db, job, addresses, addresses.Court(court.m_nIndex),
                        addresses.Court(court.m_nIndex, ".ics"), court.m_strName, what);
        files[addresses.Court(court.m_nIndex, ".ics")] = CalendarText(db, what);
    }
    for (const cReferee& official : db.Officials().Items<cReferee>()) {
        cCalendarExport what = Everything();
        what.official = official.m_nIndex;
        files[addresses.Official(official.m_nIndex)] =
            MatchesPage(db, job, addresses, addresses.Official(official.m_nIndex),
                        addresses.Official(official.m_nIndex, ".ics"), official.m_strName, what);
        files[addresses.Official(official.m_nIndex, ".ics")] = CalendarText(db, what);
    }
    return files;
}

cWebsiteRun WriteWebsite(cDatabase& db, const cWebsiteJob& job, const std::string& folder)
{
    cWebsiteRun run;
    const std::filesystem::path root(folder);
    for (const auto& [path, bytes] : WebsiteFiles(db, job)) {
        const std::filesystem::path target = root / path;
        if (SameBytes(target, bytes)) {
            ++run.unchanged;
        } else if (WriteBytes(target, bytes)) {
            ++run.written;
        } else {
            run.messageId = IDS_UNABLE_TO_OPEN_FILE;
            db.Prompt().ShowMessage(IDS_UNABLE_TO_OPEN_FILE,
                                    std::string(GetString(IDS_UNABLE_TO_OPEN_FILE)) + "\n" + target.string());
            break;
        }
    }
    return run;
}

std::string WebsiteRunText(const cWebsiteRun& run)
{
    return FormatString(IDS_SITE_WRITTEN, {std::to_string(run.written), std::to_string(run.unchanged)});
}

std::string DefaultWebsiteTitle(std::string_view documentPath)
{
    const std::string stem = std::filesystem::path(documentPath).stem().string();
    return IsBlank(stem) ? std::string("Season") : stem;
}

std::string_view HtmlLanguage(int language)
{
    // In the order of the weekday languages: Danish, Dutch, English, Finnish,
    // French, German, Italian, Norwegian, Portuguese, Spanish, Swedish.
    static constexpr std::array<std::string_view, kLanguageCount> kTags = {"da", "nl", "en", "fi", "fr", "de",
                                                                           "it", "nb", "pt", "es", "sv"};
    return language >= 0 && language < kLanguageCount ? kTags[static_cast<std::size_t>(language)]
                                                      : kTags[kDefaultLanguage];
}

cWebsiteValues cWebsiteValues::Defaults(std::string_view documentPath, std::string_view lastFolder)
{
    cWebsiteValues values;
    values.title = DefaultWebsiteTitle(documentPath);
    if (!IsBlank(lastFolder)) {
        values.folder = lastFolder;
    } else if (!documentPath.empty()) {
        const std::filesystem::path path(documentPath);
        values.folder = (path.parent_path() / (path.stem().string() + "-website")).string();
    }
    return values;
}

cValidation Validate(const cWebsiteValues& values)
{
    if (cValidation error =
            CheckText(values.title, IDS_SITE_NO_TITLE, cWebsiteValues::kFieldTitle, kPrintHeadingLimit)) {
        return error;
    }
    if (IsBlank(values.folder)) {
        return MakeValidationError(IDS_SITE_NO_FOLDER, cWebsiteValues::kFieldFolder);
    }
    std::error_code error;
    if (std::filesystem::exists(values.folder, error) &&
        !std::filesystem::is_directory(values.folder, error)) {
        return MakeValidationError(IDS_SITE_NOT_A_FOLDER, cWebsiteValues::kFieldFolder);
    }
    return std::nullopt;
}
