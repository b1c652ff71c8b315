// The writers of the schedule and the tables. One writer serves both forms:
// `web` switches the table markup on; without it cells are separated by tabs.

#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"
#include "output/Export.h"
#include "output/OutputFile.h"
#include "standings/Standings.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

struct cMarkup
{
    std::string_view lineBegin;
    std::string_view lineEnd;
    std::string_view matchSeparator;
    std::string_view leftSeparator;
    std::string_view centredSeparator;
};

constexpr cMarkup kWebMarkup{"<TR>\n<TD>", "</TD>\n</TR>\n", "&nbsp;&nbsp;</TD>\n<TD>",
                             "&nbsp;</TD>\n<TD>&nbsp;", "&nbsp;</TD>\n<TD ALIGN = CENTER>&nbsp;"};
constexpr cMarkup kTextMarkup{"", "\n", "\t", "\t", "\t"};

const cMarkup& Markup(bool web)
{
    return web ? kWebMarkup : kTextMarkup;
}

// A name as the output form wants it.
std::string Name(std::string_view name, bool web)
{
    return web ? HtmlEscape(name) : std::string(name);
}

TimePoint DayOf(TimePoint t)
{
    const cLocalTime local = LocalTime(t);
    return MakeTimePoint(local.year, local.month, local.day);
}

// The scheduled matches of the period, in the container's order.
std::vector<const cMatch*> MatchesOfPeriod(const cDatabase& db, const cScheduleExport& what)
{
    std::vector<const cMatch*> matches;
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        const TimePoint day = DayOf(match.m_tStart);
        if (day >= what.from && day <= what.to) {
            matches.push_back(&match);
        }
    }
    return matches;
}

int OfficialCells(const cDatabase& db)
{
    return std::clamp(db.m_nOfficialsPerGame, 0, cMatch::kOfficialPositions);
}

// The heading of a section; a text file gets a blank line below it.
std::string Heading(const cScheduleExport& what, std::string_view name, bool web, bool fullWidth)
{
    std::string heading = MakeSectionHeading(what.heading, name, web, false, fullWidth);
    if (!web) {
        heading += "\n\n";
    }
    return heading;
}

void WriteByDate(std::string& out, const cDatabase& db, const cScheduleExport& what, bool web)
{
    const int layout = std::clamp(what.layout, 0, 2);
    out += Heading(what, "", web, false);
    if (layout == cScheduleExport::kUngrouped && web) {
        out += "<TR><TD>\n<TABLE WIDTH = 100%>\n";
    }
    const cMatch* previous = nullptr;
    for (const cMatch* match : MatchesOfPeriod(db, what)) {
        const bool newDay = previous == nullptr || DayOf(previous->m_tStart) != DayOf(match->m_tStart);
        const bool newGroup = (layout == cScheduleExport::kGroupedByDate && newDay) ||
                              (layout == cScheduleExport::kGroupedByDateAndCourt &&
                               (newDay || previous->m_nCourt != match->m_nCourt));
        if (newGroup) {
            std::string group = WeekdayName(LocalTime(match->m_tStart).weekday, what.language) + ", " +
                                db.FormatDate(match->m_tStart);
            if (layout == cScheduleExport::kGroupedByDateAndCourt) {
                const cCourt* court = db.GetCourt(match->m_nCourt);
                group = "\n" + group + ", " + Name(court != nullptr ? court->m_strName : std::string(), web);
            }
            group += "\n";
            const bool first = previous == nullptr;
            if (web) {
                out += std::string(first ? "" : "</TABLE></TD></TR>\n") + "\n<TR><TD><P><B>" + group +
                       "</B>\n<TABLE WIDTH = 100%>\n";
            } else {
                out += std::string(first ? "" : "\n") + group;
            }
        }
        out += MatchLine(*match, OfficialCells(db), what.numberBefore, what.numberAfter, layout, web);
        previous = match;
    }
    out += web ? "</TABLE></TD></TR>\n</TABLE>\n" : "\n";
}

// A section of a schedule sorted by court, league, team or official: the
// name in its heading and the matches it lists.
struct cSection
{
    std::string name;
    std::function<bool(const cMatch&)> holds;
};

// The sections in turn, `separator` between two of them.
void WriteSections(std::string& out, const cDatabase& db, const cScheduleExport& what, bool web,
                   const std::vector<cSection>& sections, std::string_view separator)
{
    if (web) {
        out += "\n<TABLE>\n";
    }
    const std::vector<const cMatch*> matches = MatchesOfPeriod(db, what);
    bool first = true;
    for (const cSection& section : sections) {
        if (!first) {
            out += separator;
        }
        first = false;
        out += Heading(what, section.name, web, true);
        for (const cMatch* match : matches) {
            if (section.holds(*match)) {
                out += MatchLine(*match, OfficialCells(db), what.numberBefore, what.numberAfter,
                                 cScheduleExport::kUngrouped, web);
            }
        }
        out += web ? "</TABLE></TD></TR>\n" : "\n";
    }
    out += web ? "</TABLE>\n" : "\n";
}

// The items of an indexed container in order, or only the selected one.
template <class T> std::vector<const T*> Selected(const cIndexedDb& container, int selection)
{
    std::vector<const T*> items;
    for (const T& item : container.Items<T>()) {
        if (selection < 0 || item.m_nIndex == selection) {
            items.push_back(&item);
        }
    }
    return items;
}

std::vector<cSection> TeamSections(const cDatabase& db, const cScheduleExport& what)
{
    std::vector<cSection> sections;
    for (const cLeague* league : Selected<cLeague>(db.Leagues(), what.league)) {
        const int teamSelection = what.league >= 0 ? what.team : -1;
        for (const cTeam* team : Selected<cTeam>(league->Teams(), teamSelection)) {
            const int leagueIndex = league->m_nIndex;
            const int teamIndex = team->m_nIndex;
            sections.push_back({league->m_strName + ", " + team->m_strName, [=](const cMatch& match) {
                                    return !match.IsPlayoff() && match.m_nLeague == leagueIndex &&
                                           (match.m_nHomeTeam == teamIndex ||
                                            match.m_nGuestTeam == teamIndex);
                                }});
        }
    }
    return sections;
}

} // namespace

std::string MatchLine(const cMatch& match, int officials, bool numberBefore, bool numberAfter, int layout,
                      bool web)
{
    const cMarkup& markup = Markup(web);
    const std::string_view s = markup.matchSeparator;
    std::string timePart;
    if (layout == cScheduleExport::kUngrouped) {
        timePart += match.GetColumnText(1);
        timePart += s;
    }
    if (layout != cScheduleExport::kGroupedByDateAndCourt) {
        timePart += Name(match.GetColumnText(2), web);
        timePart += s;
    }
    timePart += match.GetColumnText(3);
    timePart += s;

    const std::string number = Name(match.GetLabel(), web);
    std::string line(markup.lineBegin);
    if (numberBefore) {
        line += number;
        line += s;
        line += timePart;
    } else if (numberAfter) {
        line += timePart;
        line += number;
        line += s;
    } else {
        line += timePart;
        line += s;
    }
    line += Name(match.GetHomeName(), web);
    line += s;
    line += "- ";
    line += Name(match.GetGuestName(), web);
    if (officials > 0) {
        line += s;
        for (int k = 0; k < std::min(officials, cMatch::kOfficialPositions); ++k) {
            if (k > 0) {
                line += s;
                line += "/ ";
            }
            const std::string name = match.GetColumnText(6 + k);
            if (web && name.empty()) {
                for (int i = 0; i < 15; ++i) {
                    line += "&nbsp;";
                }
            } else {
                line += Name(name, web);
            }
        }
    }
    line += markup.lineEnd;
    return line;
}

std::string ResultLine(const cResult& result, int sets, bool web)
{
    const cMarkup& markup = Markup(web);
    std::string line(markup.lineBegin);
    line += Name(result.GetColumnText(4), web);
    line += markup.leftSeparator;
    line += "- ";
    line += Name(result.GetColumnText(5), web);
    line += markup.centredSeparator;
    line += result.GetColumnText(6);
    if (sets > 1) {
        line += markup.centredSeparator;
        line += "(";
        line += result.GetColumnText(7);
        for (int set = 2; set <= std::min(sets, cResult::kScores - 1); ++set) {
            line += markup.centredSeparator;
            line += result.GetColumnText(6 + set);
        }
        line += " )";
    }
    line += markup.lineEnd;
    return line;
}

namespace {

// The sections of a schedule sorted by court, league, team or official; none
// when it is sorted by date.
std::vector<cSection> ScheduleSections(const cDatabase& db, const cScheduleExport& what)
{
    std::vector<cSection> sections;
    switch (what.sorting) {
    case cScheduleExport::kByCourt:
        for (const cCourt* court : Selected<cCourt>(db.Courts(), what.court)) {
            const int index = court->m_nIndex;
            sections.push_back(
                {court->m_strName, [index](const cMatch& match) { return match.m_nCourt == index; }});
        }
        break;
    case cScheduleExport::kByLeague:
        for (const cLeague* league : Selected<cLeague>(db.Leagues(), what.league)) {
            const int index = league->m_nIndex;
            sections.push_back({league->m_strName, [index](const cMatch& match) {
                                    return !match.IsPlayoff() && match.m_nLeague == index;
                                }});
        }
        break;
    case cScheduleExport::kByTeam:
        sections = TeamSections(db, what);
        break;
    case cScheduleExport::kByOfficial:
        for (const cReferee* official : Selected<cReferee>(db.Officials(), what.official)) {
            const int index = official->m_nIndex;
            sections.push_back({official->m_strName, [index](const cMatch& match) {
                                    return std::ranges::find(match.m_nOfficial, index) !=
                                           match.m_nOfficial.end();
                                }});
        }
        break;
    default:
        break;
    }
    return sections;
}

} // namespace

std::string ScheduleContent(const cDatabase& db, const cScheduleExport& what, bool web)
{
    std::string out;
    switch (what.sorting) {
    case cScheduleExport::kByCourt:
    case cScheduleExport::kByLeague:
    case cScheduleExport::kByOfficial:
        WriteSections(out, db, what, web, ScheduleSections(db, what), "\n\n\n\n");
        break;
    case cScheduleExport::kByTeam:
        WriteSections(out, db, what, web, ScheduleSections(db, what), "\n\n\n");
        break;
    default:
        WriteByDate(out, db, what, web);
        break;
    }
    return out;
}

std::vector<const cMatch*> ScheduleMatches(const cDatabase& db, const cScheduleExport& what)
{
    std::vector<const cMatch*> period = MatchesOfPeriod(db, what);
    if (what.sorting < cScheduleExport::kByCourt || what.sorting > cScheduleExport::kByOfficial) {
        return period; // sorted by date
    }
    std::vector<const cMatch*> matches;
    std::vector<bool> taken(period.size(), false);
    for (const cSection& section : ScheduleSections(db, what)) {
        for (std::size_t k = 0; k < period.size(); ++k) {
            if (!taken[k] && section.holds(*period[k])) {
                taken[k] = true;
                matches.push_back(period[k]);
            }
        }
    }
    return matches;
}

std::string TablesContent(cDatabase& db, const cTablesExport& what, bool web)
{
    const cMarkup& markup = Markup(web);
    std::string out;
    std::string pending = web ? "<TABLE>\n" : "";
    bool first = true;
    std::vector<cLeague*> leagues;
    for (cLeague& league : db.Leagues().Items<cLeague>()) {
        if (what.league < 0 || league.m_nIndex == what.league) {
            leagues.push_back(&league);
        }
    }
    for (cLeague* league : leagues) {
        if (!first) {
            pending = "\n\n";
        }
        first = false;
        pending += MakeSectionHeading(what.heading, league->m_strName, web, !what.results, true);
        if (!web) {
            pending += "\n\n";
        }
        out += pending;
        pending.clear();

        if (what.results) {
            bool any = false;
            for (const cResult& result : db.Results().Items<cResult>()) {
                const cMatch* match = result.GetMatch();
                if (result.m_nLeague != league->m_nIndex || !result.IsPlayed() || match == nullptr ||
                    DayOf(match->m_tStart) < what.resultsFrom) {
                    continue;
                }
                out += ResultLine(result, db.m_tableSettings.m_nMaxSets, web);
                any = true;
            }
            if (web) {
                if (!any) {
                    out += "<TR><TD></TD></TR>\n";
                }
                out += "</TABLE>\n</TD>\n</TR>\n<TR>\n<TD>\n<TABLE BORDER WIDTH = 100%>\n";
            } else {
                out += "\n";
            }
        }

        BringTableUpToDate(db, *league);
        const bool lossesIncludeDisq = !what.disqualified;
        const bool columns[] = {what.played,    what.won,      what.drawn, what.lost,  what.disqualified,
                                what.scoreDiff, what.ballDiff, what.ratio, what.points};
        for (const cDbItem* item = league->Table().GetFirst(); item != nullptr;
             item = cTournelDb::GetNext(*item)) {
            const auto* row = dynamic_cast<const cTableItem*>(item);
            if (row == nullptr) {
                continue;
            }
            out += markup.lineBegin;
            if (what.rank) {
                out += row->GetColumnText(0);
            }
            out += markup.leftSeparator;
            out += Name(row->GetColumnText(1), web);
            for (int k = 0; k < 9; ++k) {
                if (columns[k]) {
                    out += markup.centredSeparator;
                    out += row->GetColumnText(2 + k, lossesIncludeDisq);
                }
            }
            out += markup.lineEnd;
        }
        out += web ? "</TABLE>\n</TD>\n</TR>\n" : "\n";
    }
    out += web ? "</TABLE>\n" : "\n";
    return out;
}
