#include "scheduling/CheckPlacements.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "scheduling/Placement.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_set>
#include <utility>

std::string_view PlacementRuleKey(int messageId)
{
    switch (messageId) {
    case IDS_NOT_PREFERRED_TIME:
        return "preferred-time";
    case IDS_ILLEGAL_COURT_RATING:
        return "court-rating";
    case IDS_RESERVED_HOME_GROUND:
        return "reserved-court";
    case IDS_NOT_LEGAL_HOME_GROUND:
        return "home-ground";
    case IDS_LEAGUE_HOLIDAY:
    case IDS_HOME_HOLIDAY:
    case IDS_GUEST_HOLIDAY:
        return "holiday";
    case IDS_HOME_DAY_OFF:
    case IDS_GUEST_DAY_OFF:
        return "day-off";
    case IDS_TOO_LATE_START:
        return "latest-start";
    case IDS_HOME_REST:
    case IDS_GUEST_REST:
        return "rest-days";
    case IDS_PAIR_REST:
        return "pair-rest";
    case IDS_HOME_MATCHES_PER_DAY:
    case IDS_GUEST_MATCHES_PER_DAY:
        return "matches-per-day";
    case IDS_HOME_SIMULTANEOUS:
    case IDS_GUEST_SIMULTANEOUS:
        return "same-day-rest";
    case IDS_TEAM_CONFLICT:
        return "team-conflict";
    case IDS_COURT_OVERLAP:
        return "overlap";
    case IDS_CHECK_UNKNOWN_ITEM:
        return "unknown-item";
    default:
        return {};
    }
}

std::string ConflictStatement(int messageId)
{
    std::string text = GetString(messageId);
    if (const std::size_t newline = text.find('\n'); newline != std::string::npos) {
        text.resize(newline);
    }
    return text;
}

namespace {

// The matches whose start falls inside the time of an earlier-starting match
// on the same court (court time given out twice, e.g. by an edited file).
std::unordered_set<const cMatch*> OverlappingMatches(const cDatabase& db)
{
    std::map<int, std::vector<const cMatch*>> byCourt;
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        byCourt[match.m_nCourt].push_back(&match);
    }
    std::unordered_set<const cMatch*> overlapping;
    for (auto& [court, matches] : byCourt) {
        std::stable_sort(matches.begin(), matches.end(),
                         [](const cMatch* a, const cMatch* b) { return a->m_tStart < b->m_tStart; });
        std::optional<TimePoint> busyUntil;
        for (const cMatch* match : matches) {
            if (busyUntil && match->m_tStart < *busyUntil) {
                overlapping.insert(match);
            }
            busyUntil = std::max(busyUntil.value_or(match->m_tEnd), match->m_tEnd);
        }
    }
    return overlapping;
}

} // namespace

std::vector<cConflict> CheckPlacements(const cDatabase& db, bool literal)
{
    std::vector<cConflict> conflicts;
    const std::unordered_set<const cMatch*> overlapping = OverlappingMatches(db);
    std::optional<cPlacementIndex> index;
    if (!literal) {
        index.emplace(db);
    }
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        int id = 0;
        if (!match.IsPlayoff()) {
            // The match as the rules see a match being placed: its pairing on its court.
            const cUnscheduledMatch pairing(match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam,
                                            match.m_nRound, match.m_nNumber);
            const cUnusedTime courtTime(match.m_nCourt, match.m_tStart, match.m_tEnd);
            if (!index || !index->Allows(db, pairing, courtTime, match.m_tStart, ePass::kAnyTime, &match)) {
                // The index only knows whether; the walk tells which rule.
                id = CheckPlacement(db, pairing, courtTime, match.m_tStart, match.m_tEnd, ePass::kAnyTime,
                                    &match);
            }
        }
        if (id == IDS_UNEXPECTED_ERROR) {
            id = IDS_CHECK_UNKNOWN_ITEM; // a damaged file: its league or court is gone
        }
        if (id == 0 && overlapping.count(&match) > 0) {
            id = IDS_COURT_OVERLAP;
        }
        if (id != 0) {
            conflicts.push_back({&match, id, PlacementRuleKey(id)});
        }
    }
    return conflicts;
}
