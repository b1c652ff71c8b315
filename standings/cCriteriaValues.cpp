#include "standings/cCriteriaValues.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cTableSettings.h"

#include <initializer_list>

namespace {

using cPriorities = std::array<int, kCriterionCount>;

// Priority numbers 1, 2, ... for the criteria in the order given.
constexpr cPriorities Numbered(std::initializer_list<int> criteria)
{
    cPriorities priority{};
    int number = 0;
    for (const int criterion : criteria) {
        priority[static_cast<std::size_t>(criterion)] = ++number;
    }
    return priority;
}

constexpr cPriorities kSingleResultGames =
    Numbered({kCriterionPoints, kCriterionDisqualification, kCriterionGoalDifference, kCriterionGoalsScored});

constexpr cCriteriaPreset kPresets[] = {
    {"Basketball", Numbered({kCriterionPoints, kCriterionDisqualification, kCriterionMutualPoints,
                             kCriterionMutualGoalDifference, kCriterionGoalDifference})},
    {"Handball", kSingleResultGames},
    {"Ice hockey", kSingleResultGames},
    {"Soccer", kSingleResultGames},
    {"US style basket", Numbered({kCriterionWinRatio, kCriterionDisqualification, kCriterionGoalRatio})},
    {"Volleyball", Numbered({kCriterionPoints, kCriterionDisqualification, kCriterionGoalDifference,
                             kCriterionBallDifference})},
};

// The used numbers renumbered 1 ... m in their order; the rest 0.
cPriorities Gapless(const cPriorities& priority)
{
    cPriorities out{};
    int number = 0;
    for (const int criterion : UsedCriteriaInOrder(priority)) {
        out[static_cast<std::size_t>(criterion)] = ++number;
    }
    return out;
}

bool IsCriterion(int criterion)
{
    return criterion >= 0 && criterion < kCriterionCount;
}

// The criterion holding `number`, or -1.
int HolderOf(const cPriorities& priority, int number)
{
    for (int criterion = 0; criterion < kCriterionCount; ++criterion) {
        if (priority[static_cast<std::size_t>(criterion)] == number) {
            return criterion;
        }
    }
    return -1;
}

} // namespace

std::span<const cCriteriaPreset> CriteriaPresets()
{
    return kPresets;
}

cCriteriaValues cCriteriaValues::FromSettings(const cTableSettings& settings)
{
    cCriteriaValues values;
    int number = 0;
    for (const int criterion : CriteriaInOrder(settings)) {
        values.priority[static_cast<std::size_t>(criterion)] = ++number;
    }
    return values;
}

cCriteriaValues cCriteriaValues::FromDatabase(const cDatabase& db)
{
    return FromSettings(db.m_tableSettings);
}

int cCriteriaValues::HighestUsed() const
{
    return static_cast<int>(UsedCriteriaInOrder(priority).size());
}

void cCriteriaValues::SpinUp(int criterion)
{
    if (!IsCriterion(criterion)) {
        return;
    }
    priority = Gapless(priority);
    const auto c = static_cast<std::size_t>(criterion);
    const int number = priority[c];
    if (number == 0) {
        for (int& other : priority) {
            if (other > 0) {
                ++other;
            }
        }
        priority[c] = 1;
        return;
    }
    if (number >= HighestUsed() || number >= kCriterionCount) {
        return;
    }
    const int next = HolderOf(priority, number + 1);
    if (next < 0) {
        return;
    }
    priority[static_cast<std::size_t>(next)] = number;
    priority[c] = number + 1;
}

void cCriteriaValues::SpinDown(int criterion)
{
    if (!IsCriterion(criterion)) {
        return;
    }
    priority = Gapless(priority);
    const auto c = static_cast<std::size_t>(criterion);
    const int number = priority[c];
    if (number == 0) {
        return;
    }
    if (number == 1) {
        priority[c] = 0;
        for (int& other : priority) {
            if (other > 0) {
                --other;
            }
        }
        return;
    }
    const int previous = HolderOf(priority, number - 1);
    if (previous < 0) {
        return;
    }
    priority[static_cast<std::size_t>(previous)] = number;
    priority[c] = number - 1;
}

bool cCriteriaValues::LoadPreset(int preset)
{
    const std::span<const cCriteriaPreset> presets = CriteriaPresets();
    if (preset < 0 || static_cast<std::size_t>(preset) >= presets.size()) {
        return false;
    }
    priority = presets[static_cast<std::size_t>(preset)].priority;
    return true;
}

cValidation Validate(const cCriteriaValues& values)
{
    if (values.HighestUsed() == 0) {
        return MakeValidationError(IDS_NO_RATING_CRITERIA, kCriterionDisqualification);
    }
    return std::nullopt;
}

bool ApplyCriteria(cDatabase& db, const cCriteriaValues& values)
{
    if (Validate(values)) {
        return false;
    }
    cTableSettings& settings = db.m_tableSettings;
    settings.m_nPriority = Gapless(values.priority);
    settings.RecomputeOrder();
    db.SetModifiedFlag();
    db.InvalidateTables();
    return true;
}
