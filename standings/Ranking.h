#pragma once

// Ranking the rows of a standings table: an exchange sort and a tie split per
// criterion, in priority order, until no two rows share a position.

#include <span>
#include <vector>

class cTableItem;

// The values the ranking compares, by criterion (codes of Criteria.h).
class cRowFigures
{
public:
    virtual ~cRowFigures() = default;
    // The row's value under a criterion that looks at the row alone.
    virtual double Value(int criterion, const cTableItem& row) const = 0;
    // The row's value against `opponent` under a mutual criterion.
    virtual double Mutual(int criterion, const cTableItem& row, const cTableItem& opponent) const = 0;
};

// Under a mutual criterion: `row` beats `opponent` when its value against the
// opponent is higher than the opponent's value against it. Both sides are
// compared because a bound on one side's value alone is no comparison: under
// goals scored both teams could "beat" each other, under the won ratio
// (never above 1) nobody anybody. Strict, so of two teams level in their
// mutual games neither beats the other, and exactly one wins otherwise.
bool Beats(const cTableItem& row, const cTableItem& opponent, int criterion, const cRowFigures& figures);

// True when `s` goes before `r` under the criterion: a smaller position
// first; at the same position a higher value, or under a mutual criterion s
// beating r. Rows that are level do not go before each other.
bool GoesBefore(const cTableItem& s, const cTableItem& r, int criterion, const cRowFigures& figures);

// Sets every row's position and puts `rows` in table order. Every row starts
// at position 1; for each criterion the rows are sorted by adjacent exchanges
// and the rows sharing a position are split: by value in competition ranking
// (10, 10, 8, 5 give 1, 1, 3, 4), or under a mutual criterion into groups
// that together beat every row after them. Level rows keep their order. A
// code outside 0-14 ranks nothing.
void RankRows(std::vector<cTableItem*>& rows, std::span<const int> criteria, const cRowFigures& figures);
