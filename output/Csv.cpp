#include "output/Csv.h"

#include "model/Strings.h"
#include "model/Text.h"
#include "model/cDatabase.h"
#include "model/cHomeGround.h"
#include "model/cIllDate.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPreferredTime.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"
#include "model/cUnusedTime.h"
#include "output/Export.h"
#include "output/OutputFile.h"
#include "standings/Standings.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool IsFormulaStart(char c)
{
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

// The number of apostrophes in front of a character that starts a formula
// ("''=x": 2, "=x": 0); npos when the text is not of that form.
std::size_t ApostrophesBeforeFormula(std::string_view text)
{
    const std::size_t first = text.find_first_not_of('\'');
    return first != std::string_view::npos && IsFormulaStart(text[first]) ? first : std::string_view::npos;
}

// "-3" and "+1.5" are numbers a spreadsheet should read as such.
bool IsNumber(std::string_view text)
{
    if (text.empty()) {
        return false;
    }
    const std::string copy(text);
    char* end = nullptr;
    std::strtod(copy.c_str(), &end);
    return end == copy.c_str() + copy.size() && !std::isspace(static_cast<unsigned char>(copy.back()));
}

// A result's score: "3 - 1", with a "D" on the side of a disqualified team.
std::string CsvScore(const cResult& result, int index, bool marks)
{
    std::string score = StringPrintf("%d - %d", result.GetHomeScore(index), result.GetGuestScore(index));
    if (marks && result.IsHomeDisqualified()) {
        score = "D " + score;
    }
    if (marks && result.IsGuestDisqualified()) {
        score += " D";
    }
    return score;
}

std::string MatchCsvText(const cMatch& match, int column)
{
    switch (column) {
    case 1:
        return CsvDate(match.m_tStart);
    case 3:
        return CsvClock(match.m_tStart);
    default:
        return match.GetColumnText(column);
    }
}

} // namespace

bool IsCsvPath(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return name.size() > 4 && CompareText(name.substr(name.size() - 4), ".csv", true) == 0;
}

std::string CsvField(std::string_view text)
{
    std::string cell;
    const std::size_t apostrophes = ApostrophesBeforeFormula(text);
    if (apostrophes != std::string_view::npos && (apostrophes > 0 || !IsNumber(text))) {
        cell += '\'';
    }
    cell += text;
    // Semicolons and tabs too: a reader may take either for the separator.
    const bool quote = cell.find_first_of(",;\t\"\r\n") != std::string::npos ||
                       (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
    if (!quote) {
        return cell;
    }
    std::string quoted = "\"";
    for (const char c : cell) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

std::string CsvCellText(std::string_view cell)
{
    const std::size_t apostrophes = ApostrophesBeforeFormula(cell);
    if (apostrophes != std::string_view::npos && apostrophes > 0) {
        cell.remove_prefix(1);
    }
    return std::string(cell);
}

std::string CsvLine(const std::vector<std::string>& cells)
{
    // A row of one empty cell would be a blank line, which readers skip.
    if (cells.size() == 1 && cells.front().empty()) {
        return "\"\"\n";
    }
    std::string line;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (k > 0) {
            line += ',';
        }
        line += CsvField(cells[k]);
    }
    line += '\n';
    return line;
}

std::string CsvDate(TimePoint t)
{
    return FormatTime(t, "%Y-%m-%d");
}

std::string CsvClock(TimePoint t, bool end)
{
    const cLocalTime local = LocalTime(t);
    if (end && local.hour == 0 && local.minute == 0) {
        return "24:00";
    }
    return StringPrintf("%02d:%02d", local.hour, local.minute);
}

std::string CsvClock(ClockTime hhmm)
{
    return StringPrintf("%02d:%02d", hhmm / 100, hhmm % 100);
}

std::string CsvColumnText(const cDbItem& item, int column)
{
    std::string text;
    if (const auto* time = dynamic_cast<const cUnusedTime*>(&item)) {
        text = column == 1   ? CsvDate(time->GetStart())
               : column == 3 ? CsvClock(time->GetStart())
               : column == 4 ? CsvClock(time->GetEnd(), true)
                             : item.GetColumnText(column);
    } else if (const auto* result = dynamic_cast<const cResult*>(&item)) {
        const cMatch* match = result->GetMatch();
        const cDatabase* db = item.GetDatabase();
        const int sets = db != nullptr ? db->m_tableSettings.m_nMaxSets : 1;
        if (column <= 5) {
            text = match != nullptr ? MatchCsvText(*match, column) : std::string();
        } else if (column == 6) {
            text = result->IsPlayed() ? CsvScore(*result, 0, true) : GetString(IDS_NOT_PLAYED);
        } else if (column - 6 < cResult::kScores && result->IsPlayed() && sets > 1 && column - 6 <= sets) {
            text = CsvScore(*result, column - 6, false);
        }
    } else if (const auto* match = dynamic_cast<const cMatch*>(&item)) {
        text = MatchCsvText(*match, column);
    } else if (const auto* holiday = dynamic_cast<const cIllDate*>(&item)) {
        text = column == 0   ? CsvDate(holiday->m_tStart)
               : column == 1 ? CsvDate(holiday->m_tEnd)
                             : std::string();
    } else if (const auto* preferred = dynamic_cast<const cPreferredTime*>(&item)) {
        text = column == 1   ? CsvClock(preferred->m_nStart)
               : column == 2 ? CsvClock(preferred->m_nEnd)
                             : item.GetColumnText(column);
    } else if (const auto* ground = dynamic_cast<const cHomeGround*>(&item)) {
        text = column == 2   ? CsvClock(ground->m_nStart)
               : column == 3 ? CsvClock(ground->m_nEnd)
                             : item.GetColumnText(column);
    } else {
        text = item.GetColumnText(column);
    }
    if (text == GetString(IDS_NONE)) {
        return {};
    }
    return Trim(text);
}

std::string DirectoryCsv(const cTournelDb& directory)
{
    std::vector<std::string> cells;
    for (const cColumn& column : directory.GetColumns()) {
        cells.emplace_back(GetString(column.titleId));
    }
    std::string text = CsvLine(cells);
    for (const cDbItem* item : directory.GetListed()) {
        for (std::size_t k = 0; k < cells.size(); ++k) {
            cells[k] = CsvColumnText(*item, static_cast<int>(k));
        }
        text += CsvLine(cells);
    }
    return text;
}

std::string ScheduleCsv(const cDatabase& db, const cScheduleExport& what)
{
    const int officials = std::clamp(db.m_nOfficialsPerGame, 0, cMatch::kOfficialPositions);
    std::vector<std::string> cells = {GetString(IDS_COL_LEAGUE_NAME), GetString(IDS_COL_MATCH_NO),
                                      GetString(IDS_COL_DATE),        GetString(IDS_COL_TIME),
                                      GetString(IDS_COL_COURT),       GetString(IDS_COL_HOME_TEAM),
                                      GetString(IDS_COL_GUEST_TEAM)};
    for (int k = 0; k < officials; ++k) {
        cells.emplace_back(GetString(IDS_COL_OFFICIAL1 + k));
    }
    std::string text = CsvLine(cells);
    for (const cMatch* match : ScheduleMatches(db, what)) {
        const cLeague* league = match->IsPlayoff() ? nullptr : db.GetLeague(match->m_nLeague);
        cells = {league != nullptr ? league->m_strName : std::string(),
                 match->GetLabel(),
                 CsvDate(match->m_tStart),
                 CsvClock(match->m_tStart),
                 match->GetColumnText(2),
                 match->GetHomeName(),
                 match->GetGuestName()};
        for (int k = 0; k < officials; ++k) {
            cells.push_back(match->GetColumnText(6 + k));
        }
        text += CsvLine(cells);
    }
    return text;
}

std::string TablesCsv(cDatabase& db, const cTablesExport& what)
{
    const bool columns[] = {what.played,    what.won,      what.drawn, what.lost,  what.disqualified,
                            what.scoreDiff, what.ballDiff, what.ratio, what.points};
    static constexpr int kTitles[] = {IDS_COL_PLAYED,    IDS_COL_WINS,         IDS_COL_DRAWS,
                                      IDS_COL_LOSSES,    IDS_COL_DISQUALIFIED, IDS_COL_SCORE,
                                      IDS_COL_BALL_DIFF, IDS_COL_RATIO,        IDS_COL_POINTS};
    std::vector<std::string> cells = {GetString(IDS_COL_LEAGUE_NAME)};
    if (what.rank) {
        cells.emplace_back(GetString(IDS_COL_POSITION));
    }
    cells.emplace_back(GetString(IDS_COL_TEAM_NAME));
    for (int k = 0; k < 9; ++k) {
        if (columns[k]) {
            cells.emplace_back(GetString(kTitles[k]));
        }
    }
    std::string text = CsvLine(cells);
    const bool lossesIncludeDisq = !what.disqualified;
    for (cLeague& league : db.Leagues().Items<cLeague>()) {
        if (what.league >= 0 && league.m_nIndex != what.league) {
            continue;
        }
        BringTableUpToDate(db, league);
        for (const cDbItem* item = league.Table().GetFirst(); item != nullptr;
             item = cTournelDb::GetNext(*item)) {
            const auto* row = dynamic_cast<const cTableItem*>(item);
            if (row == nullptr) {
                continue;
            }
            cells = {league.m_strName};
            if (what.rank) {
                cells.push_back(Trim(row->GetColumnText(0)));
            }
            cells.push_back(row->GetColumnText(1));
            for (int k = 0; k < 9; ++k) {
                if (columns[k]) {
                    cells.push_back(Trim(row->GetColumnText(2 + k, lossesIncludeDisq)));
                }
            }
            text += CsvLine(cells);
        }
    }
    return text;
}
