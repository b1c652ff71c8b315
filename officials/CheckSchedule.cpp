#include "officials/CheckSchedule.h"

#include "model/Strings.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "officials/OfficialRules.h"

#include <algorithm>
#include <unordered_map>

std::string_view OfficialRuleKey(int messageId)
{
    switch (messageId) {
    case IDS_OFFICIAL_SUBSEQUENT_HERE:
        return "official-look-ahead";
    case IDS_OFFICIAL_OWN_CLUB:
        return "official-club";
    case IDS_OFFICIAL_MAX_GAMES:
        return "official-max-games";
    case IDS_OFFICIAL_CLUB_REPRESENTATION:
        return "official-top-clubs";
    case IDS_OFFICIAL_DAY_OFF:
        return "official-day-off";
    case IDS_OFFICIAL_ALREADY_ASSIGNED:
        return "official-twice";
    case IDS_OFFICIAL_RATING:
        return "official-rating";
    case IDS_OFFICIAL_HOLIDAY:
        return "official-holiday";
    case IDS_OFFICIAL_PREFERRED_TIME:
        return "official-preferred-time";
    case IDS_OFFICIAL_SAME_DAY:
        return "official-same-day";
    case IDS_OFFICIAL_TOO_MANY_SUBSEQUENT:
        return "official-subsequent";
    case IDS_OFFICIAL_DAYS_BETWEEN:
        return "official-rest";
    case IDS_OFFICIAL_TEAM_CONFLICT:
        return "official-conflict";
    case IDS_OFFICIAL_SAME_TIME:
        return "official-overlap";
    default:
        return {};
    }
}

std::vector<cConflict> CheckOfficialSlots(const cDatabase& db)
{
    std::vector<cConflict> conflicts;
    const cScheduleDays days(db, true); // no slot changes while it is used
    const int slots = OfficialsPerGame(db);
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        for (int slot = 0; slot < slots; ++slot) {
            const cReferee* official = db.GetOfficial(match.GetOfficial(slot));
            if (official == nullptr) {
                continue;
            }
            if (const int id = CheckOfficial(db, match, *official, slot, kBasicLevel, {}, &days); id != 0) {
                conflicts.push_back({&match, id, OfficialRuleKey(id), slot, official->m_nIndex});
            }
        }
    }
    return conflicts;
}

std::vector<cConflict> CheckSchedule(const cDatabase& db, bool literal)
{
    std::vector<cConflict> conflicts = CheckPlacements(db, literal);
    const std::vector<cConflict> officials = CheckOfficialSlots(db);
    if (officials.empty()) {
        return conflicts;
    }
    std::unordered_map<const cMatch*, std::size_t> position;
    std::size_t next = 0;
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        position.emplace(&match, next++);
    }
    const std::size_t placementCount = conflicts.size();
    conflicts.insert(conflicts.end(), officials.begin(), officials.end());
    // Both halves are in schedule order; a match's placement conflict stays before its slots'.
    std::inplace_merge(conflicts.begin(), conflicts.begin() + static_cast<std::ptrdiff_t>(placementCount),
                       conflicts.end(), [&position](const cConflict& a, const cConflict& b) {
                           return position.at(a.match) < position.at(b.match);
                       });
    return conflicts;
}

cConflictRow DescribeConflict(const cDatabase& db, const cConflict& conflict)
{
    const cMatch& match = *conflict.match;
    cConflictRow row;
    row.match = match.GetLabel();
    row.date = FormatTime(match.m_tStart, "%Y-%m-%d");
    row.time = FormatTime(match.m_tStart, "%H:%M");
    if (const cCourt* court = db.GetCourt(match.m_nCourt)) {
        row.court = court->m_strShortName;
    }
    row.rule = conflict.rule;
    row.message = ConflictStatement(conflict.messageId);
    if (const cReferee* official = db.GetOfficial(conflict.official);
        official != nullptr && conflict.slot >= 0) {
        row.message = official->m_strName + ": " + row.message;
    }
    return row;
}
