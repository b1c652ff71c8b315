#include "officials/AutoAssign.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cUserPrompt.h"
#include "officials/OfficialRules.h"

#include <cstdint>
#include <optional>

namespace {

constexpr int kRandomBits = 15; // cRandom gives 0 ... 32767

// Uniform in 0 ... bound-1 (bound >= 1): as many draws as the bound needs,
// and a rejected draw above the last whole multiple of the bound, so that no
// value is favoured.
int UniformBelow(cRandom& random, int bound)
{
    int draws = 1;
    while ((std::uint64_t{1} << (kRandomBits * draws)) < static_cast<std::uint64_t>(bound)) {
        ++draws;
    }
    const std::uint64_t span = std::uint64_t{1} << (kRandomBits * draws);
    const std::uint64_t limit = span - span % static_cast<std::uint64_t>(bound);
    for (;;) {
        std::uint64_t value = 0;
        for (int i = 0; i < draws; ++i) {
            value = (value << kRandomBits) | static_cast<std::uint64_t>(random.Next());
        }
        if (value < limit) {
            return static_cast<int>(value % static_cast<std::uint64_t>(bound));
        }
    }
}

const cMatch* Neighbour(const cMatch& match, bool next)
{
    return static_cast<const cMatch*>(next ? cTournelDb::GetNext(match) : cTournelDb::GetPrev(match));
}

// An official of the neighbouring match (same court and day, starting within
// twice the match's duration) who passes the basic rules; null when none.
const cReferee* FromNeighbour(const cDatabase& db, const cMatch& match, int slot, bool next,
                              const cScheduleDays* days)
{
    const cMatch* other = Neighbour(match, next);
    if (other == nullptr || other->LocalDay() != match.LocalDay() || other->m_nCourt != match.m_nCourt) {
        return nullptr;
    }
    const TimePoint reach = 2 * (match.m_tEnd - match.m_tStart);
    const TimePoint gap = next ? other->m_tStart - match.m_tStart : match.m_tStart - other->m_tStart;
    if (gap > reach) {
        return nullptr;
    }
    const int slots = OfficialsPerGame(db);
    for (int j = 0; j < slots; ++j) {
        const cReferee* official = db.GetOfficial(other->GetOfficial(j));
        if (official != nullptr && !match.HoldsElsewhere(official->m_nIndex, slot) &&
            CheckOfficial(db, match, *official, slot, kBasicLevel, {}, days) == 0) {
            return official;
        }
    }
    return nullptr;
}

// The level after `level` in the search, skipping the levels that cannot
// tell officials apart: top clubs without a list, the look-ahead when no
// official may take more than one match in a row. Also normalises a first level.
int SkipUselessLevels(const cDatabase& db, int level, const cTopClubs& topClubs)
{
    if (level == kTopClubsLevel && topClubs.IsEmpty()) {
        level = kBandsLevel;
    }
    if (level == kLookAheadLevel && db.m_nMaxSubsequentGames == 1) {
        level = kBasicLevel;
    }
    return level;
}

const cReferee* NextOfficialCyclic(const cDatabase& db, const cReferee& official)
{
    const cDbItem* next = cTournelDb::GetNext(official);
    return static_cast<const cReferee*>(next != nullptr ? next : db.Officials().GetFirst());
}

int TotalRemainingCapacity(const cDatabase& db)
{
    int capacity = 0;
    for (const cReferee& official : db.Officials().Items<cReferee>()) {
        capacity += official.GetRemainingGames();
    }
    return capacity;
}

int Percent(int filled, int required)
{
    return static_cast<int>(100LL * filled / required);
}

} // namespace

cAssignPlan PlanAssignment(const cDatabase& db, TimePoint endLimit, int officialsPerGame)
{
    cAssignPlan plan;
    for (const cDbItem* item = db.Scheduled().GetFirst(); item != nullptr;
         item = cTournelDb::GetNext(*item)) {
        const auto& match = static_cast<const cMatch&>(*item);
        if (match.m_tStart >= endLimit) {
            break;
        }
        plan.required += officialsPerGame;
        for (int slot = 0; slot < officialsPerGame; ++slot) {
            if (match.GetOfficial(slot) >= 0) {
                ++plan.filled;
            }
        }
    }
    plan.capacity = TotalRemainingCapacity(db);
    if (plan.required < 1) {
        plan.messageId = IDS_NO_OFFICIALS_REQUIRED;
    } else if (plan.capacity == 0) {
        plan.messageId = IDS_NO_OFFICIALS_AVAILABLE;
    }
    return plan;
}

cAssignRun AssignOfficialsAutomatically(cDatabase& db, TimePoint endLimit, int officialsPerGame, bool literal)
{
    cAssignRun run;
    cUserPrompt& prompt = db.Prompt();
    const cAssignPlan plan = PlanAssignment(db, endLimit, officialsPerGame);
    run.required = plan.required;
    run.filled = plan.filled;
    if (!plan.CanRun()) {
        run.messageId = plan.messageId;
        if (plan.messageId != 0) {
            run.message = GetString(plan.messageId);
            prompt.ShowMessage(plan.messageId, run.message);
        }
        return run;
    }

    run.started = true;
    int capacity = plan.capacity;
    prompt.BeginProgress(GetString(IDS_SCHEDULING_PROGRESS));
    prompt.SetProgress(Percent(run.filled, run.required));
    const cTopClubs topClubs = BuildTopClubs(db, capacity);
    // The run changes officials only, never the schedule: one index serves it all.
    std::optional<cScheduleDays> days;
    if (!literal) {
        days.emplace(db);
    }
    for (int slot = 0; slot < officialsPerGame && !run.cancelled; ++slot) {
        for (cDbItem* item = db.Scheduled().GetFirst(); item != nullptr; item = cTournelDb::GetNext(*item)) {
            auto& match = static_cast<cMatch&>(*item);
            if (match.m_tStart >= endLimit || run.filled >= run.required || capacity < 1) {
                break;
            }
            if (prompt.PollCancel() && prompt.AskYesNo(IDS_ABORT_SCHEDULING)) {
                run.cancelled = true;
                break;
            }
            if (match.IsPlayoff() || match.GetOfficial(slot) >= 0) {
                continue;
            }
            const cReferee* official =
                FindCandidate(db, match, slot, capacity, topClubs, days ? &*days : nullptr);
            if (official != nullptr && AssignOfficial(db, match, slot, official)) {
                ++run.filled;
                ++run.assigned;
                --capacity;
            }
            prompt.SetProgress(Percent(run.filled, run.required));
        }
    }
    prompt.EndProgress();

    run.message = AssignedMessage(run.filled, run.required);
    prompt.ShowMessage(0, run.message);
    return run;
}

bool AssignOfficial(cDatabase& db, cMatch& match, int slot, const cReferee* official)
{
    const int index = official != nullptr ? official->m_nIndex : -1;
    if (match.HoldsElsewhere(index, slot)) {
        return false;
    }
    match.SetOfficial(db, index, slot);
    return true;
}

const cReferee* FindCandidate(cDatabase& db, const cMatch& match, int slot, int capacity,
                              const cTopClubs& topClubs, const cScheduleDays* days)
{
    if (const cReferee* official = FromNeighbour(db, match, slot, false, days)) {
        return official;
    }
    if (const cReferee* official = FromNeighbour(db, match, slot, true, days)) {
        return official;
    }
    const cReferee* start = PickWeightedOfficial(db, capacity);
    if (start == nullptr) {
        start = static_cast<const cReferee*>(db.Officials().GetFirst());
        if (start == nullptr) {
            return nullptr;
        }
    }
    int level =
        SkipUselessLevels(db, db.m_nMaxSubsequentGames == 1 ? kTopClubsLevel : kStrictestLevel, topClubs);
    const cReferee* official = start;
    for (;;) {
        // The rules look at the slots in use only; a slot beyond them may still hold him.
        if (!match.HoldsElsewhere(official->m_nIndex, slot) &&
            CheckOfficial(db, match, *official, slot, level, topClubs, days) == 0) {
            return official;
        }
        official = NextOfficialCyclic(db, *official);
        if (official == start) {
            level = SkipUselessLevels(db, level + 1, topClubs);
            if (level > kBasicLevel) {
                return nullptr;
            }
        }
    }
}

const cReferee* PickWeightedOfficial(cDatabase& db, int capacity)
{
    if (capacity < 1 || db.Officials().GetFirst() == nullptr) {
        return nullptr;
    }
    const int target = 1 + UniformBelow(db.m_random, capacity);
    int sum = 0;
    for (const cReferee& official : db.Officials().Items<cReferee>()) {
        sum += official.GetRemainingGames();
        if (sum >= target) {
            return &official;
        }
    }
    // Only a capacity above the officials' total gets here.
    return nullptr;
}

cTopClubs BuildTopClubs(const cDatabase& db, int capacity)
{
    cTopClubs top;
    if (capacity < 1) {
        return top;
    }
    for (const cReferee& official : db.Officials().Items<cReferee>()) {
        const std::string& club = official.m_strClubOfficial;
        if (top.Contains(club)) {
            continue;
        }
        int sum = 0;
        for (const cReferee& member : db.Officials().Items<cReferee>()) {
            if (CompareText(member.m_strClubOfficial, club, true) == 0) {
                sum += member.GetRemainingGames();
            }
        }
        if (static_cast<double>(sum) / capacity > cTopClubs::kShareThreshold &&
            static_cast<int>(top.clubs.size()) < cTopClubs::kMaxClubs) {
            top.clubs.push_back(club);
        }
    }
    return top;
}

std::string AssignedMessage(int filled, int required)
{
    return StringPrintf("%s%d%s%d%s", GetString(IDS_ASSIGNED), filled, GetString(IDS_OUT_OF), required,
                        GetString(IDS_REQUESTED_OFFICIALS));
}
