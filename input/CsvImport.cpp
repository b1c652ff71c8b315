#include "input/CsvImport.h"

#include "document/DatabaseFile.h"
#include "model/CourtTime.h"
#include "model/Strings.h"
#include "model/Text.h"
#include "model/cCourt.h"
#include "model/cCourtTimeValues.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cOfficialValues.h"
#include "model/cResult.h"
#include "model/cTeamValues.h"
#include "model/cUnusedTime.h"
#include "output/Csv.h"
#include "standings/cResultValues.h"

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace {

// The column of each heading of `names` in the header row (letter case and
// surrounding blanks ignored), -1 where there is none.
template <std::size_t N>
std::array<int, N> FindColumns(const cCsvTable& table, const std::array<int, N>& names)
{
    std::array<int, N> columns{};
    for (std::size_t k = 0; k < N; ++k) {
        columns[k] = -1;
        for (std::size_t c = 0; c < table.header.size(); ++c) {
            if (CompareText(Trim(table.header[c]), GetString(names[k]), false) == 0) {
                columns[k] = static_cast<int>(c);
                break;
            }
        }
    }
    return columns;
}

// One row's cells by column; a column the row is too short for reads empty.
class cCells
{
public:
    explicit cCells(const cCsvTable::cRow& row)
        : m_row(row)
    {
    }
    std::string operator[](int column) const
    {
        if (column < 0 || static_cast<std::size_t>(column) >= m_row.cells.size()) {
            return {};
        }
        return Trim(m_row.cells[static_cast<std::size_t>(column)]);
    }

private:
    const cCsvTable::cRow& m_row;
};

// A refusal of the row's own; `field` is the dialog field it concerns, -1 the whole row.
cValidationError Refusal(int messageId, std::string text = {}, int field = -1)
{
    cValidationError error = MakeValidationError(messageId, field);
    if (!text.empty()) {
        error.text = std::move(text);
    }
    return error;
}

// An integer cell; an empty cell keeps `value` (the dialog's default).
cValidation ReadOptionalInteger(const std::string& cell, int& value, int field)
{
    return cell.empty() ? std::nullopt : ReadInteger(cell, field, value);
}

// A weekday in any language of the program, or its first three letters in
// English; empty and "<None>" are no day.
cValidation ReadWeekday(const std::string& cell, Weekday& day, int field)
{
    if (cell.empty() || CompareText(cell, GetString(IDS_NONE), false) == 0) {
        day = -1;
        return std::nullopt;
    }
    for (int language = 0; language < kLanguageCount; ++language) {
        for (int d = 0; d < 7; ++d) {
            const std::string name = WeekdayName(d, language);
            if (CompareText(cell, name, false) == 0 ||
                (language == kDefaultLanguage && TextLength(cell) == 3 &&
                 CompareText(cell, name.substr(0, 3), false) == 0)) {
                day = d;
                return std::nullopt;
            }
        }
    }
    return Refusal(IDS_CSV_ENTER_WEEKDAY, {}, field);
}

bool ReadNumber(std::string_view text, int& value)
{
    if (text.empty() || text.size() > 4) {
        return false;
    }
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return true;
}

// YYYY-MM-DD, a real date.
std::optional<cIsoDate> ReadDate(std::string_view cell)
{
    const std::optional<cIsoDate> date = ParseIsoDate(cell);
    return date && IsValidDate(date->day, date->month, date->year) ? date : std::nullopt;
}

// HH:MM (also H:MM and the dialogs' HHMM) as hhmm, up to 24:00.
std::optional<ClockTime> ReadClock(std::string_view cell)
{
    int hours = 0;
    int minutes = 0;
    const std::size_t colon = cell.find(':');
    if (colon != std::string_view::npos) {
        if (colon == 0 || colon > 2 || cell.size() != colon + 3 ||
            !ReadNumber(cell.substr(0, colon), hours) || !ReadNumber(cell.substr(colon + 1), minutes)) {
            return std::nullopt;
        }
    } else {
        int hhmm = 0;
        if (cell.size() < 3 || !ReadNumber(cell, hhmm)) {
            return std::nullopt;
        }
        hours = hhmm / 100;
        minutes = hhmm % 100;
    }
    if (minutes > 59 || hours > 24 || (hours == 24 && minutes != 0)) {
        return std::nullopt;
    }
    return hours * 100 + minutes;
}

const cCourt* FindCourt(const cDatabase& db, const std::string& name)
{
    for (const cCourt& court : db.Courts().AllItems<cCourt>()) {
        if (CompareText(court.m_strShortName, name, false) == 0) {
            return &court;
        }
    }
    for (const cCourt& court : db.Courts().AllItems<cCourt>()) {
        if (CompareText(court.m_strName, name, false) == 0) {
            return &court;
        }
    }
    return nullptr;
}

// "3 - 1" (also "3:1"), with "D" in front for a disqualified home team and
// behind for a disqualified guest.
struct cScore
{
    int home = 0;
    int guest = 0;
    bool homeDisqualified = false;
    bool guestDisqualified = false;
};

std::optional<cScore> ReadScore(std::string_view cell, bool marks)
{
    cScore score;
    std::string text = Trim(cell);
    if (marks && !text.empty() && (text.front() == 'D' || text.front() == 'd')) {
        score.homeDisqualified = true;
        text = Trim(std::string_view(text).substr(1));
    }
    if (marks && !text.empty() && (text.back() == 'D' || text.back() == 'd')) {
        score.guestDisqualified = true;
        text.pop_back();
        text = Trim(text);
    }
    // The separator is the first '-' or ':' after the home score's first character,
    // so that a negative home score keeps its sign.
    const std::size_t separator = text.find_first_of("-:", 1);
    if (separator == std::string::npos ||
        ReadInteger(std::string_view(text).substr(0, separator), 0, score.home) ||
        ReadInteger(std::string_view(text).substr(separator + 1), 0, score.guest)) {
        return std::nullopt;
    }
    return score;
}

using cRowImport = std::function<cValidation(const cCells& cells, std::string& item)>;

cValidation MissingColumn(int headingId)
{
    return Refusal(IDS_CSV_NO_COLUMN, FormatString(IDS_CSV_NO_COLUMN, {GetString(headingId)}));
}

// Teams, officials and court time: the checks of their dialogs, then the insertion.
cRowImport TeamImport(cDatabase& db, cLeague& league, const cCsvTable& table, cValidation& missing)
{
    const auto columns =
        FindColumns(table, std::to_array<int>({IDS_COL_TEAM_NAME, IDS_COL_DAY_OFF, IDS_COL_BONUS_POINTS}));
    if (columns[0] < 0) {
        missing = MissingColumn(IDS_COL_TEAM_NAME);
    }
    return [&db, &league, columns](const cCells& cells, std::string& item) -> cValidation {
        cTeamValues values;
        values.name = cells[columns[0]];
        item = values.name;
        if (auto error = ReadWeekday(cells[columns[1]], values.dayOff, cTeamValues::kDayOff)) {
            return error;
        }
        if (auto error =
                ReadOptionalInteger(cells[columns[2]], values.bonusPoints, cTeamValues::kBonusPoints)) {
            return error;
        }
        if (auto error = Validate(values, league, nullptr)) {
            return error;
        }
        InsertTeam(db, league, values);
        return std::nullopt;
    };
}

cRowImport OfficialImport(cDatabase& db, const cCsvTable& table, cValidation& missing)
{
    const auto columns =
        FindColumns(table, std::to_array<int>({IDS_COL_OFFICIAL_NAME, IDS_COL_CLUB, IDS_COL_RATING,
                                               IDS_COL_MAX_SUBSEQUENT, IDS_COL_MAX_GAMES,
                                               IDS_COL_FIRST_DAY_OFF, IDS_COL_SECOND_DAY_OFF}));
    if (columns[0] < 0) {
        missing = MissingColumn(IDS_COL_OFFICIAL_NAME);
    }
    return [&db, columns](const cCells& cells, std::string& item) -> cValidation {
        cOfficialValues values;
        values.name = cells[columns[0]];
        values.club = cells[columns[1]];
        item = values.club.empty() ? values.name : values.name + " (" + values.club + ")";
        if (auto error = ReadOptionalInteger(cells[columns[2]], values.rating, cOfficialValues::kRating)) {
            return error;
        }
        if (auto error = ReadOptionalInteger(cells[columns[3]], values.maxSubsequent,
                                             cOfficialValues::kMaxSubsequent)) {
            return error;
        }
        if (auto error =
                ReadOptionalInteger(cells[columns[4]], values.maxGames, cOfficialValues::kMaxGames)) {
            return error;
        }
        if (auto error = ReadWeekday(cells[columns[5]], values.firstDayOff, cOfficialValues::kFirstDayOff)) {
            return error;
        }
        if (auto error =
                ReadWeekday(cells[columns[6]], values.secondDayOff, cOfficialValues::kSecondDayOff)) {
            return error;
        }
        if (auto error = Validate(values, db, nullptr)) {
            return error;
        }
        InsertOfficial(db, values);
        return std::nullopt;
    };
}

cRowImport CourtTimeImport(cDatabase& db, const cCsvTable& table, cValidation& missing)
{
    static constexpr std::array<int, 4> kNames{IDS_COL_DATE, IDS_COL_COURT, IDS_COL_OPENING_TIME,
                                               IDS_COL_CLOSING_TIME};
    const auto columns = FindColumns(table, kNames);
    for (std::size_t k = 0; k < kNames.size() && !missing; ++k) {
        if (columns[k] < 0) {
            missing = MissingColumn(kNames[k]);
        }
    }
    return [&db, columns](const cCells& cells, std::string& item) -> cValidation {
        item =
            cells[columns[0]] + " " + cells[columns[1]] + " " + cells[columns[2]] + "-" + cells[columns[3]];
        // A date of a year the dialog does not take is told as the dialog tells it.
        if (const auto typed = ParseIsoDate(cells[columns[0]])) {
            if (auto error = CheckRange(typed->year, kFirstYear, kLastYear, cCourtTimeValues::kYear)) {
                return error;
            }
        }
        const auto date = ReadDate(cells[columns[0]]);
        if (!date) {
            return Refusal(IDS_CSV_ENTER_DATE, {}, cCourtTimeValues::kDay);
        }
        const cCourt* court = FindCourt(db, cells[columns[1]]);
        if (court == nullptr) {
            return Refusal(IDS_CSV_UNKNOWN_COURT, FormatString(IDS_CSV_UNKNOWN_COURT, {cells[columns[1]]}),
                           cCourtTimeValues::kCourt);
        }
        const auto start = ReadClock(cells[columns[2]]);
        const auto end = ReadClock(cells[columns[3]]);
        if (!start || !end) {
            return Refusal(IDS_CSV_ENTER_TIME, {},
                           !start ? cCourtTimeValues::kStart : cCourtTimeValues::kEnd);
        }
        cCourtTimeValues values;
        values.court = court->m_nIndex;
        values.year = date->year;
        values.month = date->month;
        values.day = date->day;
        values.start = *start;
        // A closing time before the opening time is on the next day, as the
        // export writes a period running past midnight; the dialog's checks
        // then see the period up to midnight.
        const bool pastMidnight = *end < *start;
        values.end = pastMidnight ? 2400 : *end;
        if (auto error = Validate(values, db)) {
            return error;
        }
        const TimePoint endTime =
            pastMidnight ? MakeTimePoint(values.year, values.month, values.day, 24 + *end / 100, *end % 100)
                         : values.EndTime();
        if (AddCourtTime(db, std::make_unique<cUnusedTime>(values.court, values.StartTime(), endTime)) ==
            eAddCourtTime::Conflict) {
            return Refusal(IDS_COURT_TIME_CONFLICT);
        }
        return std::nullopt;
    };
}

// The scheduled match a result row names: by its match number when exactly
// one match carries it, else by date, court, home and guest team (and the
// time when the file has it).
const cMatch* FindMatch(const cDatabase& db, const cCells& cells, const std::array<int, 6>& columns)
{
    // The one scheduled match `fits` holds for; null for none or several.
    const auto onlyMatch = [&db](const auto& fits) -> const cMatch* {
        const cMatch* found = nullptr;
        for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            if (fits(match)) {
                if (found != nullptr) {
                    return nullptr;
                }
                found = &match;
            }
        }
        return found;
    };
    const std::string number = cells[columns[0]];
    if (!number.empty()) {
        if (const cMatch* match =
                onlyMatch([&](const cMatch& m) { return CompareText(m.GetLabel(), number, false) == 0; })) {
            return match;
        }
    }
    const std::string day = cells[columns[1]];
    const cCourt* court = FindCourt(db, cells[columns[2]]);
    const std::string clock = cells[columns[3]];
    const std::optional<ClockTime> time = clock.empty() ? std::nullopt : ReadClock(clock);
    if (!ReadDate(day) || court == nullptr || (!clock.empty() && !time)) {
        return nullptr;
    }
    // A valid date cell reads as CsvDate writes it.
    return onlyMatch([&](const cMatch& m) {
        return m.m_nCourt == court->m_nIndex && CsvDate(m.m_tStart) == day &&
               (!time || TimeOfDay(m.m_tStart) == *time) &&
               CompareText(m.GetHomeName(), cells[columns[4]], false) == 0 &&
               CompareText(m.GetGuestName(), cells[columns[5]], false) == 0;
    });
}

cRowImport ResultImport(cDatabase& db, const cCsvTable& table, cValidation& missing)
{
    const auto columns =
        FindColumns(table, std::to_array<int>({IDS_COL_MATCH_NO, IDS_COL_DATE, IDS_COL_COURT, IDS_COL_TIME,
                                               IDS_COL_HOME_TEAM, IDS_COL_GUEST_TEAM}));
    std::array<int, cResult::kScores> scoreHeadings{};
    scoreHeadings[0] = IDS_COL_FINAL_RESULT;
    for (int set = 1; set < cResult::kScores; ++set) {
        scoreHeadings[static_cast<std::size_t>(set)] = IDS_COL_SET1 + set - 1;
    }
    const auto scores = FindColumns(table, scoreHeadings);
    const bool byNumber = columns[0] >= 0;
    const bool byPlace = columns[1] >= 0 && columns[2] >= 0 && columns[4] >= 0 && columns[5] >= 0;
    if (!byNumber && !byPlace) {
        missing = MissingColumn(IDS_COL_MATCH_NO);
    } else if (std::ranges::none_of(scores, [](int column) { return column >= 0; })) {
        missing = MissingColumn(IDS_COL_FINAL_RESULT);
    }
    return [&db, columns, scores](const cCells& cells, std::string& item) -> cValidation {
        std::string given;
        for (const int column : scores) {
            given += cells[column];
        }
        const cMatch* match = FindMatch(db, cells, columns);
        item = match != nullptr
                   ? match->GetLabel() + ": " + match->GetHomeName() + " - " + match->GetGuestName()
                   : cells[columns[0]] + " " + cells[columns[4]] + " - " + cells[columns[5]];
        item = Trim(item) + " " + cells[scores[0]];
        // The directory writes "Not played" for a result not entered; a
        // user who fills in only the sets of such a row has entered them.
        const bool notPlayed = CompareText(cells[scores[0]], GetString(IDS_NOT_PLAYED), false) == 0;
        const bool setsGiven = std::ranges::any_of(scores.begin() + 1, scores.end(), [&cells](int column) {
            if (column < 0 || cells[column].empty()) {
                return false;
            }
            const auto score = ReadScore(cells[column], false);
            return !score || score->home != 0 || score->guest != 0;
        });
        if (given.empty() || (notPlayed && !setsGiven)) {
            return Refusal(IDS_CSV_NO_RESULT);
        }
        if (match == nullptr) {
            return Refusal(IDS_CSV_NO_MATCH);
        }
        cResult* result = match->GetResult();
        if (result == nullptr) {
            return Refusal(IDS_CSV_NO_MATCH);
        }
        const int maxSets = ResultMaxSets(db.m_tableSettings);
        cResultValues values = cResultValues::FromResult(*result, db);
        values.home.fill(0);
        values.guest.fill(0);
        // A set of 0 - 0 is a set not played, as the directory writes it
        // for every counted set of a result entered without sets.
        for (int index = 1; index < cResult::kScores; ++index) {
            const std::string cell = cells[scores[static_cast<std::size_t>(index)]];
            if (cell.empty() || !cResultValues::IsScoreEnabled(index, maxSets)) {
                continue;
            }
            const auto score = ReadScore(cell, false);
            if (!score) {
                return Refusal(IDS_CSV_ENTER_SCORE, {}, cResultValues::HomeField(index));
            }
            values.home[static_cast<std::size_t>(index)] = score->home;
            values.guest[static_cast<std::size_t>(index)] = score->guest;
        }
        // The final result carries the disqualifications; its score counts
        // where sets do not make it.
        const std::string finalCell = notPlayed ? std::string() : cells[scores[0]];
        const std::optional<cScore> final = finalCell.empty() ? std::nullopt : ReadScore(finalCell, true);
        if (!finalCell.empty() && !final) {
            return Refusal(IDS_CSV_ENTER_SCORE, {}, cResultValues::kHomeFinal);
        }
        values.homeDisqualified = final && final->homeDisqualified;
        values.guestDisqualified = final && final->guestDisqualified;
        if (final) {
            values.home[0] = final->home;
            values.guest[0] = final->guest;
        }
        // A row as the directory shows the result leaves it alone, whatever
        // the number of sets counted when it was entered.
        if (values.ReadAsStored(*result, maxSets)) {
            return Refusal(IDS_CSV_UNCHANGED);
        }
        // With sets counted and none in the row, the final result stands
        // only where it is the one stored (entered without sets, as the
        // dialog keeps it); a new final result needs its sets.
        if (maxSets > 1 && !values.AnySetEntered(maxSets)) {
            const bool storedFinal = final.has_value() && (values.home[0] != 0 || values.guest[0] != 0) &&
                                     values.home[0] == result->m_nHomeScore[0] &&
                                     values.guest[0] == result->m_nGuestScore[0];
            if (!storedFinal) {
                return Refusal(IDS_CSV_ENTER_SETS, {}, cResultValues::HomeField(1));
            }
        }
        if (auto error = Validate(values, db.m_tableSettings)) {
            return error;
        }
        ApplyResult(db, *result, values);
        return std::nullopt;
    };
}

// The heading of the column a refusal concerns: the column of the dialog
// field it names; none for a refusal of the whole row.
std::string ColumnOf(eImportKind kind, const cValidationError& error)
{
    const int field = error.field;
    if (field < 0 || error.messageId == IDS_COURT_TIME_CONFLICT) {
        return {};
    }
    int heading = 0;
    switch (kind) {
    case eImportKind::kTeams: {
        static constexpr int kHeadings[] = {IDS_COL_TEAM_NAME, IDS_COL_DAY_OFF, IDS_COL_BONUS_POINTS};
        heading = field < 3 ? kHeadings[field] : 0;
        break;
    }
    case eImportKind::kOfficials: {
        static constexpr int kHeadings[] = {IDS_COL_OFFICIAL_NAME,  IDS_COL_CLUB,   IDS_COL_FIRST_DAY_OFF,
                                            IDS_COL_SECOND_DAY_OFF, IDS_COL_RATING, IDS_COL_MAX_GAMES,
                                            IDS_COL_MAX_SUBSEQUENT};
        heading = field < 7 ? kHeadings[field] : 0;
        break;
    }
    case eImportKind::kCourtTime: {
        static constexpr int kHeadings[] = {IDS_COL_COURT, IDS_COL_DATE,         IDS_COL_DATE,
                                            IDS_COL_DATE,  IDS_COL_OPENING_TIME, IDS_COL_CLOSING_TIME};
        heading = field < 6 ? kHeadings[field] : 0;
        break;
    }
    case eImportKind::kResults: {
        const int index = field < 2 * cResult::kScores ? field / 2 : 0;
        heading = index == 0 ? IDS_COL_FINAL_RESULT : IDS_COL_SET1 + index - 1;
        break;
    }
    }
    return heading != 0 ? GetString(heading) : std::string();
}

} // namespace

cValidation Validate(const cImportValues& values, const cDatabase& db)
{
    if (values.kind == eImportKind::kTeams && db.GetLeague(values.league) == nullptr) {
        return MakeValidationError(IDS_CSV_SPECIFY_LEAGUE, cImportValues::kLeague);
    }
    if (Trim(values.path).empty()) {
        return MakeValidationError(IDS_CSV_SPECIFY_FILE, cImportValues::kFile);
    }
    return std::nullopt;
}

int cImportReport::Count(cImportRow::eStatus status) const
{
    return static_cast<int>(std::ranges::count(rows, status, &cImportRow::status));
}

std::string cImportReport::RefusedText() const
{
    std::string text;
    for (const cImportRow& row : rows) {
        if (row.status == cImportRow::kRefused) {
            text += row.column.empty() ? LineMessage(row.line, row.message)
                                       : FormatString(IDS_CSV_LINE_COLUMN,
                                                      {std::to_string(row.line), row.column, row.message});
            text += '\n';
        }
    }
    return text;
}

std::string cImportReport::Summary() const
{
    if (!error.empty()) {
        return error;
    }
    const int unchanged = Count(cImportRow::kUnchanged);
    if (unchanged > 0) {
        return FormatString(IDS_CSV_SUMMARY_UNCHANGED,
                            {std::to_string(Count(cImportRow::kImported)),
                             std::to_string(Count(cImportRow::kRefused)),
                             std::to_string(Count(cImportRow::kSkipped)), std::to_string(unchanged)});
    }
    return FormatString(IDS_CSV_SUMMARY, {std::to_string(Count(cImportRow::kImported)),
                                          std::to_string(Count(cImportRow::kRefused)),
                                          std::to_string(Count(cImportRow::kSkipped))});
}

cImportReport ImportCsv(cDatabase& db, eImportKind kind, int league, std::string_view text)
{
    cImportReport report;
    const cCsvTable table = ReadCsv(text);
    if (!table.error.empty()) {
        report.error = table.error;
        return report;
    }
    if (table.header.empty()) {
        report.error = GetString(IDS_CSV_EMPTY);
        return report;
    }
    cValidation missing;
    cRowImport import;
    switch (kind) {
    case eImportKind::kTeams: {
        cLeague* target = db.GetLeague(league);
        if (target == nullptr) {
            report.error = GetString(IDS_CSV_SPECIFY_LEAGUE);
            return report;
        }
        import = TeamImport(db, *target, table, missing);
        break;
    }
    case eImportKind::kOfficials:
        import = OfficialImport(db, table, missing);
        break;
    case eImportKind::kCourtTime:
        import = CourtTimeImport(db, table, missing);
        break;
    case eImportKind::kResults:
        import = ResultImport(db, table, missing);
        break;
    }
    if (missing) {
        report.error = missing->text;
        return report;
    }
    for (const cCsvTable::cRow& row : table.rows) {
        cImportRow entry;
        entry.line = row.line;
        const bool tooLong =
            row.cells.size() > table.header.size() &&
            std::any_of(row.cells.begin() + static_cast<std::ptrdiff_t>(table.header.size()), row.cells.end(),
                        [](const std::string& cell) { return !Trim(cell).empty(); });
        cValidation refusal =
            tooLong ? cValidation(Refusal(IDS_CSV_TOO_MANY_CELLS)) : import(cCells(row), entry.item);
        if (refusal) {
            entry.status = refusal->messageId == IDS_CSV_NO_RESULT   ? cImportRow::kSkipped
                           : refusal->messageId == IDS_CSV_UNCHANGED ? cImportRow::kUnchanged
                                                                     : cImportRow::kRefused;
            entry.message = refusal->text;
            entry.messageId = refusal->messageId;
            entry.column = ColumnOf(kind, *refusal);
        }
        if (entry.item.empty() && !row.cells.empty()) {
            entry.item = Trim(row.cells.front());
        }
        report.rows.push_back(std::move(entry));
    }
    if (report.Count(cImportRow::kImported) > 0) {
        db.SetModifiedFlag();
    }
    return report;
}

cImportReport PreviewImport(const cDatabase& db, eImportKind kind, int league, std::string_view text)
{
    cSilentPrompt silent;
    cDatabase copy;
    copy.m_fnClock = db.m_fnClock;
    copy.SetPrompt(&silent);
    if (ReadDatabase(WriteDatabase(db), copy, silent) != eReadStatus::kOk) {
        cImportReport report;
        report.error = GetString(IDS_READ_ERROR);
        return report;
    }
    return ImportCsv(copy, kind, league, text);
}
