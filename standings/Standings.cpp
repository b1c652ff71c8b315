#include "standings/Standings.h"

#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "standings/Criteria.h"
#include "standings/Ranking.h"
#include "standings/ResultPoints.h"

#include <algorithm>
#include <climits>
#include <map>
#include <tuple>
#include <vector>

namespace {

// One side's counts, wide enough that no sum of int scores overflows. They
// are stored held to half an int's range, so that the row's home + away
// totals stay within an int whatever the scores.
struct cSideCounts
{
    long long wins = 0;
    long long draws = 0;
    long long losses = 0;
    long long disqualifications = 0;
    long long scored = 0;
    long long conceded = 0;
    long long setScored = 0;
    long long setConceded = 0;

    void Add(const cResult& result, bool home, int countedSets)
    {
        const int own = home ? result.GetHomeScore(0) : result.GetGuestScore(0);
        const int other = home ? result.GetGuestScore(0) : result.GetHomeScore(0);
        if (home ? result.IsHomeDisqualified() : result.IsGuestDisqualified()) {
            ++disqualifications;
        } else if (own == other) {
            ++draws;
        } else if (own > other) {
            ++wins;
        } else {
            ++losses;
        }
        scored += own;
        conceded += other;
        for (int set = 1; set <= countedSets; ++set) {
            setScored += home ? result.GetHomeScore(set) : result.GetGuestScore(set);
            setConceded += home ? result.GetGuestScore(set) : result.GetHomeScore(set);
        }
    }
};

int ToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN / 2, INT_MAX / 2));
}

// The values of one league's rows; mutual values are looked up once per
// ordered pair of teams and criterion.
class cLeagueFigures : public cRowFigures
{
public:
    cLeagueFigures(const cDatabase& db, int league)
        : m_db(db)
        , m_nLeague(league)
    {
    }

    double Value(int criterion, const cTableItem& row) const override { return RowValue(criterion, row); }

    double Mutual(int criterion, const cTableItem& row, const cTableItem& opponent) const override
    {
        const auto key = std::make_tuple(criterion, row.m_nTeam, opponent.m_nTeam);
        const auto found = m_mutual.find(key);
        if (found != m_mutual.end()) {
            return found->second;
        }
        const double value = MutualValue(criterion, m_db.Results(), m_db.m_tableSettings, m_nLeague,
                                         row.m_nTeam, opponent.m_nTeam);
        m_mutual.emplace(key, value);
        return value;
    }

private:
    const cDatabase& m_db;
    int m_nLeague;
    mutable std::map<std::tuple<int, int, int>, double> m_mutual;
};

// Puts the table's items in the order of `rows` (every item of the table).
void Relink(cTournelDb& table, const std::vector<cTableItem*>& rows)
{
    const cDbItem* item = table.GetHead();
    bool same = true;
    for (const cTableItem* row : rows) {
        if (item != row) {
            same = false;
            break;
        }
        item = item->NextLink();
    }
    if (same) {
        return;
    }
    // Taking each row out and appending it leaves them in order; the
    // containers mark the document modified on every removal, which a new
    // order of derived rows is not.
    cDatabase* db = table.GetDatabase();
    const bool modified = db != nullptr && db->IsModified();
    cDbItem* const current = table.m_pCurrent;
    for (cTableItem* row : rows) {
        table.AddItem(table.RemoveItem(*row), false);
    }
    table.m_pCurrent = current;
    if (db != nullptr) {
        db->SetModifiedFlag(modified);
    }
}

} // namespace

void Recalculate(cTableItem& row, const cDatabase& db, int league)
{
    const cTableSettings& settings = db.m_tableSettings;
    const int countedSets = settings.m_nMaxSets > 1 ? CountedSets(settings) : 0;
    cSideCounts home;
    cSideCounts away;
    for (const cResult& result : db.Results().AllItems<cResult>()) {
        if (!result.IsPlayed() || result.m_nLeague != league) {
            continue;
        }
        if (result.m_nHomeTeam == row.m_nTeam) {
            home.Add(result, true, countedSets);
        } else if (result.m_nGuestTeam == row.m_nTeam) {
            away.Add(result, false, countedSets);
        }
    }
    row.m_nPosition = 1;
    row.m_nHomeWins = ToInt(home.wins);
    row.m_nHomeDraws = ToInt(home.draws);
    row.m_nHomeLosses = ToInt(home.losses);
    row.m_nHomeDisq = ToInt(home.disqualifications);
    row.m_nHomeScored = ToInt(home.scored);
    row.m_nHomeConceded = ToInt(home.conceded);
    row.m_nHomeSetScored = ToInt(home.setScored);
    row.m_nHomeSetConceded = ToInt(home.setConceded);
    row.m_nAwayWins = ToInt(away.wins);
    row.m_nAwayDraws = ToInt(away.draws);
    row.m_nAwayLosses = ToInt(away.losses);
    row.m_nAwayDisq = ToInt(away.disqualifications);
    row.m_nAwayScored = ToInt(away.scored);
    row.m_nAwayConceded = ToInt(away.conceded);
    row.m_nAwaySetScored = ToInt(away.setScored);
    row.m_nAwaySetConceded = ToInt(away.setConceded);
}

void SortTable(cDatabase& db, cLeague& league)
{
    cTournelDb& table = league.Table();
    std::vector<cTableItem*> rows;
    for (cDbItem* item = table.GetHead(); item != nullptr; item = item->NextLink()) {
        auto* row = dynamic_cast<cTableItem*>(item);
        if (row == nullptr) {
            return;
        }
        rows.push_back(row);
    }
    if (rows.empty()) {
        return;
    }
    for (cTableItem* row : rows) {
        Recalculate(*row, db, league.m_nIndex);
    }
    const cLeagueFigures figures(db, league.m_nIndex);
    const std::vector<int> criteria = CriteriaInOrder(db.m_tableSettings);
    RankRows(rows, criteria, figures);
    Relink(table, rows);
}

void BringTableUpToDate(cDatabase& db, cLeague& league)
{
    cTournelDb& table = league.Table();
    if (table.m_bUpToDate != 0) {
        return;
    }
    SortTable(db, league);
    table.m_bUpToDate = 1;
}

void BringTablesUpToDate(cDatabase& db)
{
    for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
        BringTableUpToDate(db, league);
    }
}
