#include "model/cTableItem.h"
#include "standings/Criteria.h"
#include "standings/Ranking.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

// Values by criterion and team; mutual values by criterion, team and opponent.
class cFakeFigures : public cRowFigures
{
public:
    double Value(int criterion, const cTableItem& row) const override
    {
        const auto found = values.find(criterion);
        return found != values.end() ? found->second.at(static_cast<std::size_t>(row.m_nTeam)) : 0.0;
    }
    double Mutual(int criterion, const cTableItem& row, const cTableItem& opponent) const override
    {
        const auto found = mutual.find(criterion);
        return found != mutual.end() ? found->second.at(static_cast<std::size_t>(row.m_nTeam))
                                           .at(static_cast<std::size_t>(opponent.m_nTeam))
                                     : 0.0;
    }

    // Under mutual points: the winner +1 against the loser, the loser -1.
    void Wins(std::size_t teams, const std::vector<std::pair<int, int>>& wins)
    {
        auto& matrix = mutual[kCriterionMutualPoints];
        matrix.assign(teams, std::vector<double>(teams, 0.0));
        for (const auto& [winner, loser] : wins) {
            matrix[static_cast<std::size_t>(winner)][static_cast<std::size_t>(loser)] = 1;
            matrix[static_cast<std::size_t>(loser)][static_cast<std::size_t>(winner)] = -1;
        }
    }

    std::map<int, std::vector<double>> values;
    std::map<int, std::vector<std::vector<double>>> mutual;
};

struct cRows
{
    explicit cRows(const std::vector<int>& teams)
    {
        for (const int team : teams) {
            owned.push_back(std::make_unique<cTableItem>(team));
            owned.back()->m_nPosition = 99;
            rows.push_back(owned.back().get());
        }
    }
    std::string Text() const
    {
        std::string out;
        for (const cTableItem* row : rows) {
            out += (out.empty() ? "" : " ") + std::to_string(row->m_nPosition) +
                   static_cast<char>('A' + row->m_nTeam);
        }
        return out;
    }
    std::vector<std::unique_ptr<cTableItem>> owned;
    std::vector<cTableItem*> rows;
};

std::vector<int> Teams(std::size_t n)
{
    std::vector<int> teams;
    for (std::size_t i = 0; i < n; ++i) {
        teams.push_back(static_cast<int>(i));
    }
    return teams;
}

TEST(Ranking, ValueCriteriaGiveCompetitionRanking)
{
    struct cCase
    {
        const char* name;
        std::vector<std::vector<double>> values; // per criterion 1, 3, 5 in that priority
        const char* expected;
    };
    const std::vector<cCase> cases = {
        {"shared first place", {{10, 10, 8, 5}}, "1A 1B 3C 4D"},
        {"shared second place", {{9, 5, 5, 1}}, "1A 2B 2C 4D"},
        {"sorted; level rows keep their order", {{5, 8, 10, 10}}, "1C 1D 3B 4A"},
        {"three level behind", {{7, 9, 9, 9}}, "1B 1C 1D 4A"},
        {"all level", {{3, 3, 3}}, "1A 1B 1C"},
        {"fractions and negatives", {{-0.5, 0.25, -0.5}}, "1B 2A 2C"},
        {"one row", {{4}}, "1A"},
        {"next criterion splits ties only", {{2, 2, 1, 1}, {0, 5, 9, 1}}, "1B 2A 3C 4D"},
        {"third criterion", {{1, 1, 1, 1}, {2, 2, 2, 1}, {1, 3, 2, 0}}, "1B 2C 3A 4D"},
        {"later criteria leave a tie", {{1, 1, 0}, {2, 2, 5}, {7, 7, 9}}, "1A 1B 3C"},
    };
    const int criteria[] = {kCriterionPoints, kCriterionGoalDifference, kCriterionGoalsScored};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cFakeFigures figures;
        for (std::size_t k = 0; k < c.values.size(); ++k) {
            figures.values[criteria[k]] = c.values[k];
        }
        cRows rows(Teams(c.values[0].size()));
        RankRows(rows.rows, std::span(criteria, c.values.size()), figures);
        EXPECT_EQ(rows.Text(), c.expected);
    }
}

TEST(Ranking, CodesOutsideTheCriteriaRankNothing)
{
    cFakeFigures figures;
    figures.values[-1] = {9, 0};
    figures.values[15] = {9, 0};
    figures.values[INT_MIN] = {9, 0};
    figures.values[kCriterionPoints] = {1, 2};
    cRows rows(Teams(2));
    const int criteria[] = {-1, 15, INT_MIN, INT_MAX, kCriterionPoints};
    RankRows(rows.rows, criteria, figures);
    EXPECT_EQ(rows.Text(), "1B 2A");
    RankRows(rows.rows, std::span(criteria, 4), figures);
    EXPECT_EQ(rows.Text(), "1B 1A");
}

TEST(Ranking, MutualGamesSplitIntoGroupsThatBeatEveryoneBelow)
{
    struct cCase
    {
        const char* name;
        std::vector<int> order;
        std::vector<std::pair<int, int>> wins; // winner, loser
        const char* expected;
    };
    const std::vector<cCase> cases = {
        {"circle stays level", {0, 1, 2}, {{0, 1}, {1, 2}, {2, 0}}, "1A 1B 1C"},
        {"level pair ahead", {0, 1, 2, 3}, {{0, 2}, {1, 2}, {0, 3}, {1, 3}, {2, 3}}, "1A 1B 3C 4D"},
        {"level pair keeps its order", {3, 2, 1, 0}, {{0, 2}, {1, 2}, {0, 3}, {1, 3}, {2, 3}}, "1B 1A 3C 4D"},
        {"no games", {0, 1, 2}, {}, "1A 1B 1C"},
        {"leader above a circle",
         {0, 1, 2, 3},
         {{3, 0}, {3, 1}, {3, 2}, {0, 1}, {1, 2}, {2, 0}},
         "1D 2A 2B 2C"},
        {"last listed wins all", {0, 1, 2}, {{2, 0}, {2, 1}, {0, 1}}, "1C 2A 3B"},
        // B does not beat D, so B, C and D stay level behind A.
        {"level with a weak team", {0, 1, 2, 3}, {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {2, 3}}, "1A 2B 2C 2D"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cFakeFigures figures;
        figures.Wins(c.order.size(), c.wins);
        cRows rows(c.order);
        const int criteria[] = {kCriterionMutualPoints};
        RankRows(rows.rows, criteria, figures);
        EXPECT_EQ(rows.Text(), c.expected);
    }
}

// Rows i before j at a smaller position: i beats j. Rows sharing a position
// cannot be split further: no part of them beats all the others.
void ExpectMinimalGroups(const std::vector<cTableItem*>& rows, const cFakeFigures& figures)
{
    const int mutual = kCriterionMutualPoints;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        int ahead = 0;
        for (std::size_t j = 0; j < rows.size(); ++j) {
            ahead += rows[j]->m_nPosition < rows[i]->m_nPosition ? 1 : 0;
            if (i < j) {
                ASSERT_LE(rows[i]->m_nPosition, rows[j]->m_nPosition);
            }
            if (rows[i]->m_nPosition < rows[j]->m_nPosition) {
                ASSERT_TRUE(Beats(*rows[i], *rows[j], mutual, figures));
            }
        }
        ASSERT_EQ(rows[i]->m_nPosition, ahead + 1);
    }
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t end = first;
        while (end < rows.size() && rows[end]->m_nPosition == rows[first]->m_nPosition) {
            ++end;
        }
        const std::size_t size = end - first;
        for (unsigned part = 1; part + 1 < (1u << size); ++part) {
            bool dominates = true;
            for (std::size_t a = 0; a < size && dominates; ++a) {
                for (std::size_t b = 0; b < size && dominates; ++b) {
                    if ((part >> a & 1u) != 0 && (part >> b & 1u) == 0) {
                        dominates = Beats(*rows[first + a], *rows[first + b], mutual, figures);
                    }
                }
            }
            ASSERT_FALSE(dominates) << "group at " << rows[first]->m_nPosition << " splits by " << part;
        }
        first = end;
    }
}

TEST(Ranking, RandomMutualResultsGiveTheSameMinimalGroupsFromAnyOrder)
{
    std::mt19937 random(2024);
    for (int round = 0; round < 400; ++round) {
        const std::size_t n = 2 + static_cast<std::size_t>(round % 6);
        cFakeFigures figures;
        std::vector<std::pair<int, int>> wins;
        for (int a = 0; a < static_cast<int>(n); ++a) {
            for (int b = a + 1; b < static_cast<int>(n); ++b) {
                const auto outcome = random() % 3; // a wins, b wins, level
                if (outcome < 2) {
                    wins.emplace_back(outcome == 0 ? a : b, outcome == 0 ? b : a);
                }
            }
        }
        figures.Wins(n, wins);
        std::vector<int> order = Teams(n);
        std::vector<int> positions;
        for (int shuffle = 0; shuffle < 3; ++shuffle) {
            SCOPED_TRACE(testing::Message() << "round " << round << " shuffle " << shuffle);
            std::shuffle(order.begin(), order.end(), random);
            cRows rows(order);
            const int criteria[] = {kCriterionMutualPoints};
            RankRows(rows.rows, criteria, figures);
            ExpectMinimalGroups(rows.rows, figures);
            std::vector<int> byTeam(n);
            for (const cTableItem* row : rows.rows) {
                byTeam[static_cast<std::size_t>(row->m_nTeam)] = row->m_nPosition;
            }
            if (positions.empty()) {
                positions = byTeam;
            }
            ASSERT_EQ(byTeam, positions);
        }
    }
}

TEST(Ranking, RandomValuesRankByHowManyAreHigher)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const std::size_t n = 1 + static_cast<std::size_t>(round % 9);
        cFakeFigures figures;
        auto& values = figures.values[kCriterionGoalRatio];
        for (std::size_t i = 0; i < n; ++i) {
            values.push_back(static_cast<double>(random() % 4) / 3.0);
        }
        cRows rows(Teams(n));
        const int criteria[] = {kCriterionGoalRatio};
        RankRows(rows.rows, criteria, figures);
        for (std::size_t i = 0; i < n; ++i) {
            const cTableItem& row = *rows.rows[i];
            int higher = 0;
            for (const double value : values) {
                higher += value > values[static_cast<std::size_t>(row.m_nTeam)] ? 1 : 0;
            }
            ASSERT_EQ(row.m_nPosition, higher + 1) << "round " << round;
            if (i > 0 && rows.rows[i - 1]->m_nPosition == row.m_nPosition) {
                ASSERT_LT(rows.rows[i - 1]->m_nTeam, row.m_nTeam) << "level rows keep their order";
            }
        }
    }
}

} // namespace
