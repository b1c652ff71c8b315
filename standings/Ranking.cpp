#include "standings/Ranking.h"

#include "model/cTableItem.h"
#include "standings/Criteria.h"

#include <cstddef>
#include <utility>

namespace {

bool IsKnownCriterion(int criterion)
{
    return criterion >= 0 && criterion < kCriterionCount;
}

// Repeated passes from the first row, each one row shorter than the one
// before, exchanging neighbours when the second goes before the first. The
// last pass compares the first two rows.
void ExchangeSort(std::vector<cTableItem*>& rows, int criterion, const cRowFigures& figures)
{
    for (std::size_t end = rows.size(); end >= 2; --end) {
        for (std::size_t i = 0; i + 1 < end; ++i) {
            if (GoesBefore(*rows[i + 1], *rows[i], criterion, figures)) {
                std::swap(rows[i], rows[i + 1]);
            }
        }
    }
}

// Competition ranking inside each run of rows sharing a position: where the
// value drops, that row and the rest of the run move down by the number of
// rows passed since the run (or the last drop) began.
void SplitByValue(std::vector<cTableItem*>& rows, int criterion, const cRowFigures& figures)
{
    std::size_t runStart = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const cTableItem& r = *rows[i - 1];
        const cTableItem& s = *rows[i];
        if (s.m_nPosition != r.m_nPosition) {
            runStart = i;
            continue;
        }
        if (figures.Value(criterion, s) < figures.Value(criterion, r)) {
            const int shared = r.m_nPosition;
            const int passed = static_cast<int>(i - runStart);
            for (std::size_t j = i; j < rows.size() && rows[j]->m_nPosition == shared; ++j) {
                rows[j]->m_nPosition += passed;
            }
            runStart = i;
        }
    }
}

// One run of rows first ... last (inclusive) sharing a position: the leading
// group is the shortest run prefix each of whose rows beats every row after
// it; the rows after it move down by its size, and the rest is split again.
void SplitRunByMutualGames(std::vector<cTableItem*>& rows, std::size_t first, std::size_t last, int criterion,
                           const cRowFigures& figures)
{
    std::size_t start = first;
    std::size_t groupEnd = first;
    for (std::size_t s = first; s <= last; ++s) {
        for (std::size_t t = groupEnd + 1; t <= last; ++t) {
            if (!Beats(*rows[s], *rows[t], criterion, figures)) {
                groupEnd = t;
            }
        }
        if (groupEnd == s) {
            const int size = static_cast<int>(s - start + 1);
            for (std::size_t j = s + 1; j <= last; ++j) {
                rows[j]->m_nPosition += size;
            }
            start = groupEnd = s + 1;
        }
    }
}

void SplitByMutualGames(std::vector<cTableItem*>& rows, int criterion, const cRowFigures& figures)
{
    std::size_t first = 0;
    while (first < rows.size()) {
        std::size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1]->m_nPosition == rows[first]->m_nPosition) {
            ++last;
        }
        if (last > first) {
            SplitRunByMutualGames(rows, first, last, criterion, figures);
        }
        first = last + 1;
    }
}

bool HasSharedPosition(const std::vector<cTableItem*>& rows)
{
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i]->m_nPosition == rows[i - 1]->m_nPosition) {
            return true;
        }
    }
    return false;
}

} // namespace

bool Beats(const cTableItem& row, const cTableItem& opponent, int criterion, const cRowFigures& figures)
{
    return figures.Mutual(criterion, row, opponent) > figures.Mutual(criterion, opponent, row);
}

bool GoesBefore(const cTableItem& s, const cTableItem& r, int criterion, const cRowFigures& figures)
{
    if (s.m_nPosition != r.m_nPosition) {
        return s.m_nPosition < r.m_nPosition;
    }
    if (!IsKnownCriterion(criterion)) {
        return false;
    }
    if (IsMutualCriterion(criterion)) {
        return Beats(s, r, criterion, figures);
    }
    return figures.Value(criterion, s) > figures.Value(criterion, r);
}

void RankRows(std::vector<cTableItem*>& rows, std::span<const int> criteria, const cRowFigures& figures)
{
    for (cTableItem* row : rows) {
        row->m_nPosition = 1;
    }
    for (const int criterion : criteria) {
        if (!IsKnownCriterion(criterion)) {
            continue;
        }
        ExchangeSort(rows, criterion, figures);
        if (IsMutualCriterion(criterion)) {
            SplitByMutualGames(rows, criterion, figures);
        } else {
            SplitByValue(rows, criterion, figures);
        }
        if (!HasSharedPosition(rows)) {
            break;
        }
    }
}
