#include "support/cSeasonInvariants.h"

#include "model/Strings.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cHomeGround.h"
#include "model/cIllTeam.h"
#include "model/cIndexedDb.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>
#include <tuple>
#include <unordered_set>

namespace {

std::string When(TimePoint start, TimePoint end)
{
    return FormatTime(start, "%Y-%m-%d %H:%M") + "-" + FormatTime(end, "%H:%M");
}

std::string Describe(const cMatch& match)
{
    return StringPrintf("%s %s on court %d %s", match.IsPlayoff() ? "playoff match" : "match",
                        match.GetLabel().c_str(), match.m_nCourt, When(match.m_tStart, match.m_tEnd).c_str());
}

std::string Describe(const cUnusedTime& period)
{
    return StringPrintf("free time on court %d %s", period.m_nCourt,
                        When(period.m_tStart, period.m_tEnd).c_str());
}

class cChecker
{
public:
    explicit cChecker(const cDatabase& db)
        : m_db(db)
    {
    }

    std::vector<std::string> Run()
    {
        if (!m_db.HasContainers()) {
            Report("the database has no containers");
            return std::move(m_lines);
        }
        // Everything after the lists walks them and casts their items.
        if (!CheckAllLists()) {
            return std::move(m_lines);
        }
        CheckCourtTimeAndMatches();
        CheckResults();
        CheckMatchNumbers();
        CheckOfficialGames();
        CheckConstraintReferences();
        CheckUnscheduled();
        CheckFilters();
        return std::move(m_lines);
    }

private:
    void Report(std::string line) { m_lines.push_back(std::move(line)); }

    // Links, count, owners and classes of one list; false when it cannot be walked safely.
    bool CheckList(const cTournelDb& list, const std::string& name,
                   std::initializer_list<std::string_view> classes, const cDbItem* ownerItem)
    {
        bool ok = true;
        if (list.GetOwnerItem() != ownerItem) {
            Report(name + ": the list does not name its owning item");
        }
        const int count = list.GetCount();
        int walked = 0;
        const cDbItem* previous = nullptr;
        for (const cDbItem* item = list.GetHead(); item != nullptr; item = item->NextLink()) {
            if (++walked > count) {
                Report(
                    StringPrintf("%s: more items linked than its count %d (or a loop)", name.c_str(), count));
                return false;
            }
            if (item->GetOwner() != &list) {
                Report(StringPrintf("%s: item %d names another owner", name.c_str(), walked - 1));
                ok = false;
            }
            if (item->PrevLink() != previous) {
                Report(StringPrintf("%s: item %d has a wrong back link", name.c_str(), walked - 1));
                ok = false;
            }
            if (std::find(classes.begin(), classes.end(), item->GetRuntimeClass()) == classes.end()) {
                Report(StringPrintf("%s: item %d is a %s", name.c_str(), walked - 1,
                                    std::string(item->GetRuntimeClass()).c_str()));
                ok = false;
            }
            previous = item;
        }
        if (walked != count) {
            Report(StringPrintf("%s: count %d but %d items linked", name.c_str(), count, walked));
            ok = false;
        }
        if (list.GetTail() != previous) {
            Report(name + ": the tail is not the last linked item");
            ok = false;
        }
        return ok;
    }

    // The index table agrees with the items' index numbers. Table slots are
    // compared as pointers only: a slot that outlived its item must not be read.
    void CheckIndexTable(const cIndexedDb& list, const std::string& name)
    {
        std::unordered_set<const cDbItem*> items;
        int highest = -1;
        for (const cIndexedDbItem& item : list.AllItems<cIndexedDbItem>()) {
            items.insert(&item);
            highest = std::max(highest, item.m_nIndex);
            if (list.GetItem(item.m_nIndex) != &item) {
                Report(StringPrintf("%s: \"%s\" has index %d but the index table does not hold it there",
                                    name.c_str(), item.m_strName.c_str(), item.m_nIndex));
            }
        }
        const int maxIndex = list.GetMaxIndex();
        int filled = 0;
        for (int index = 0; index <= maxIndex; ++index) {
            const cIndexedDbItem* slot = list.GetItem(index);
            if (slot == nullptr) {
                continue;
            }
            ++filled;
            if (items.count(slot) == 0) {
                Report(StringPrintf("%s: index table slot %d holds an item that is not in the list",
                                    name.c_str(), index));
            }
        }
        if (filled != list.GetCount()) {
            Report(StringPrintf("%s: %d index table slots filled for %d items", name.c_str(), filled,
                                list.GetCount()));
        }
        // Removing the only item, index 0, leaves the highest number at 0.
        if (maxIndex < highest || (maxIndex > 0 && list.GetItem(maxIndex) == nullptr)) {
            Report(StringPrintf("%s: highest index %d but the items' highest is %d", name.c_str(), maxIndex,
                                highest));
        }
    }

    bool CheckAllLists()
    {
        bool ok = CheckList(m_db.Courts(), "courts", {"cCourt"}, nullptr);
        ok = CheckList(m_db.CourtTime(), "unused time", {"cUnusedTime"}, nullptr) && ok;
        ok = CheckList(m_db.Leagues(), "leagues", {"cLeague"}, nullptr) && ok;
        ok = CheckList(m_db.Officials(), "officials", {"cReferee"}, nullptr) && ok;
        ok = CheckList(m_db.Unscheduled(), "unscheduled matches", {"cUnscheduledMatch"}, nullptr) && ok;
        ok = CheckList(m_db.Scheduled(), "scheduled matches", {"cMatch", "cPlayoffMatch"}, nullptr) && ok;
        ok = CheckList(m_db.Results(), "results", {"cResult"}, nullptr) && ok;
        if (!ok) {
            return false;
        }
        CheckIndexTable(m_db.Courts(), "courts");
        CheckIndexTable(m_db.Leagues(), "leagues");
        CheckIndexTable(m_db.Officials(), "officials");
        for (const cLeague& league : m_db.Leagues().AllItems<cLeague>()) {
            const std::string name = "league " + league.m_strShortName;
            bool leagueOk = CheckList(league.Holidays(), name + " holidays", {"cIllDate"}, &league);
            leagueOk =
                CheckList(league.PreferredTimes(), name + " preferred times", {"cPreferredTime"}, &league) &&
                leagueOk;
            leagueOk = CheckList(league.Table(), name + " table", {"cTableItem"}, &league) && leagueOk;
            leagueOk =
                CheckList(league.UnscheduledList(), name + " working list", {"cUnscheduledMatch"}, &league) &&
                leagueOk;
            if (!CheckList(league.Teams(), name + " teams", {"cTeam"}, &league)) {
                ok = false;
                continue;
            }
            ok = leagueOk && ok;
            CheckIndexTable(league.Teams(), name + " teams");
            for (const cTeam& team : league.Teams().AllItems<cTeam>()) {
                const std::string teamName = name + " team " + team.m_strName;
                ok = CheckList(team.Holidays(), teamName + " holidays", {"cIllDate"}, &team) && ok;
                ok = CheckList(team.HomeGrounds(), teamName + " home grounds", {"cHomeGround"}, &team) && ok;
                ok = CheckList(team.PreferredTimes(), teamName + " preferred times", {"cPreferredTime"},
                               &team) &&
                     ok;
                ok = CheckList(team.TeamConflicts(), teamName + " team conflicts", {"cIllTeam"}, &team) && ok;
            }
        }
        for (const cReferee& official : m_db.Officials().AllItems<cReferee>()) {
            const std::string name = "official " + official.m_strName;
            ok = CheckList(official.Holidays(), name + " holidays", {"cIllDate"}, &official) && ok;
            ok = CheckList(official.PreferredTimes(), name + " preferred times", {"cPreferredTime"},
                           &official) &&
                 ok;
            ok = CheckList(official.TeamConflicts(), name + " team conflicts", {"cIllTeam"}, &official) && ok;
        }
        return ok;
    }

    // One pass per court over free periods and matches in start order: each
    // interval against those still running when it starts.
    void CheckCourtTimeAndMatches()
    {
        struct cSpan
        {
            TimePoint start;
            TimePoint end;
            const cMatch* match;       // null: free time
            const cUnusedTime* period; // null: a match
        };
        std::map<int, std::vector<cSpan>> byCourt;

        const cUnusedTime* previous = nullptr;
        for (const cUnusedTime& period : m_db.CourtTime().AllItems<cUnusedTime>()) {
            if (m_db.GetCourt(period.m_nCourt) == nullptr) {
                Report(Describe(period) + ": the court does not exist");
            }
            if (period.m_tEnd <= period.m_tStart) {
                Report(Describe(period) + ": ends before it starts");
            }
            if (previous != nullptr && std::tie(period.m_tStart, period.m_nCourt) <
                                           std::tie(previous->m_tStart, previous->m_nCourt)) {
                Report(Describe(period) + ": listed after " + Describe(*previous));
            }
            previous = &period;
            byCourt[period.m_nCourt].push_back({period.m_tStart, period.m_tEnd, nullptr, &period});
        }

        for (const cMatch& match : m_db.Scheduled().AllItems<cMatch>()) {
            CheckMatchReferences(match);
            if (match.m_tEnd <= match.m_tStart) {
                Report(Describe(match) + ": ends before it starts");
            }
            byCourt[match.m_nCourt].push_back({match.m_tStart, match.m_tEnd, &match, nullptr});
        }

        for (auto& [court, spans] : byCourt) {
            std::stable_sort(spans.begin(), spans.end(),
                             [](const cSpan& a, const cSpan& b) { return a.start < b.start; });
            std::vector<const cSpan*> running;
            const cSpan* lastFree = nullptr;
            for (const cSpan& span : spans) {
                std::erase_if(running, [&](const cSpan* other) { return other->end <= span.start; });
                for (const cSpan* other : running) {
                    if (span.end <= span.start) {
                        break; // told above; it takes no time
                    }
                    if (span.match != nullptr && other->match != nullptr) {
                        Report("two scheduled matches overlap: " + Describe(*other->match) + " and " +
                               Describe(*span.match));
                    } else if (span.period != nullptr && other->period != nullptr) {
                        Report("free periods overlap: " + Describe(*other->period) + " and " +
                               Describe(*span.period));
                    } else {
                        const cSpan& free = span.period != nullptr ? span : *other;
                        const cSpan& busy = span.match != nullptr ? span : *other;
                        Report(Describe(*free.period) + " overlaps " + Describe(*busy.match));
                    }
                }
                running.push_back(&span);
                if (span.period != nullptr) {
                    // Free time is merged with what touches it on the same start date.
                    if (lastFree != nullptr && lastFree->end == span.start &&
                        LocalDayNumber(lastFree->start) == LocalDayNumber(span.start)) {
                        Report("free periods not merged: " + Describe(*lastFree->period) + " and " +
                               Describe(*span.period));
                    }
                    if (lastFree == nullptr || span.end >= lastFree->end) {
                        lastFree = &span;
                    }
                }
            }
        }
    }

    void CheckMatchReferences(const cMatch& match)
    {
        if (m_db.GetCourt(match.m_nCourt) == nullptr) {
            Report(Describe(match) + ": the court does not exist");
        }
        for (int position = 0; position < cMatch::kOfficialPositions; ++position) {
            const int official = match.GetOfficial(position);
            if (official != -1 && m_db.GetOfficial(official) == nullptr) {
                Report(StringPrintf("%s: official %d on position %d does not exist", Describe(match).c_str(),
                                    official, position + 1));
            }
            for (int earlier = 0; official != -1 && earlier < position; ++earlier) {
                if (match.GetOfficial(earlier) == official) {
                    Report(StringPrintf("%s: official %d on positions %d and %d", Describe(match).c_str(),
                                        official, earlier + 1, position + 1));
                }
            }
        }
        if (match.IsPlayoff()) {
            return;
        }
        const cLeague* league = m_db.GetLeague(match.m_nLeague);
        if (league == nullptr) {
            Report(StringPrintf("%s: league %d does not exist", Describe(match).c_str(), match.m_nLeague));
            return;
        }
        for (const int team : {match.m_nHomeTeam, match.m_nGuestTeam}) {
            if (league->GetTeam(team) == nullptr) {
                Report(StringPrintf("%s: team %d of league %s does not exist", Describe(match).c_str(), team,
                                    league->m_strShortName.c_str()));
            }
        }
    }

    // Links are compared as pointers before they are followed: a link to an
    // item outside the lists may point at freed memory.
    void CheckResults()
    {
        const cTournelDb& results = m_db.Results();
        std::unordered_set<const cDbItem*> resultSet;
        for (const cResult& result : results.AllItems<cResult>()) {
            resultSet.insert(&result);
        }
        std::unordered_set<const cDbItem*> matchSet;
        for (const cMatch& match : m_db.Scheduled().AllItems<cMatch>()) {
            matchSet.insert(&match);
        }

        for (const cMatch& match : m_db.Scheduled().AllItems<cMatch>()) {
            const cResult* result = match.GetResult();
            if (result == nullptr) {
                if (!match.IsPlayoff()) {
                    Report(Describe(match) + ": has no result");
                }
                continue;
            }
            if (resultSet.count(result) == 0) {
                Report(Describe(match) + ": its result is not in the results list");
                continue;
            }
            if (result->GetMatch() != &match) {
                Report(Describe(match) + ": its result belongs to another match");
            }
            if (std::tie(result->m_nLeague, result->m_nHomeTeam, result->m_nGuestTeam, result->m_nRound) !=
                std::tie(match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam, match.m_nRound)) {
                Report(StringPrintf("%s: its result has the pairing league %d, %d - %d, round %d",
                                    Describe(match).c_str(), result->m_nLeague, result->m_nHomeTeam,
                                    result->m_nGuestTeam, result->m_nRound));
            }
        }

        // A match destroyed without its clean-up leaves its result behind; the
        // rebuild of the results list removes it.
        const bool upToDate = results.m_bUpToDate != 0;
        int row = 0;
        for (const cResult& result : results.AllItems<cResult>()) {
            const cMatch* match = result.GetMatch();
            if (match == nullptr || matchSet.count(match) == 0) {
                if (upToDate) {
                    Report(StringPrintf("result %d (league %d, %d - %d, round %d): %s", row, result.m_nLeague,
                                        result.m_nHomeTeam, result.m_nGuestTeam, result.m_nRound,
                                        match == nullptr ? "belongs to no match"
                                                         : "belongs to a match that is not scheduled"));
                }
            } else if (match->GetResult() != &result) {
                Report("a second result links to " + Describe(*match));
            }
            ++row;
        }
    }

    void CheckMatchNumbers()
    {
        std::map<std::pair<int, int>, const cMatch*> numbers;
        for (const cMatch& match : m_db.Scheduled().AllItems<cMatch>()) {
            if (match.IsPlayoff()) {
                continue;
            }
            const auto [at, added] = numbers.emplace(std::pair(match.m_nLeague, match.m_nNumber), &match);
            if (!added) {
                Report("match number used twice: " + Describe(*at->second) + " and " + Describe(match));
            }
        }
    }

    void CheckOfficialGames()
    {
        std::map<int, int> held;
        for (const cMatch& match : m_db.Scheduled().AllItems<cMatch>()) {
            for (int position = 0; position < cMatch::kOfficialPositions; ++position) {
                ++held[match.GetOfficial(position)];
            }
        }
        for (const cReferee& official : m_db.Officials().AllItems<cReferee>()) {
            const int positions = held[official.m_nIndex];
            if (official.m_nGames != positions) {
                Report(StringPrintf("official %s: game count %d but holds %d match positions",
                                    official.m_strName.c_str(), official.m_nGames, positions));
            }
        }
    }

    void CheckConflicts(const cTournelDb& conflicts, const std::string& owner)
    {
        for (const cIllTeam& entry : conflicts.AllItems<cIllTeam>()) {
            if (m_db.GetTeam(entry.m_nLeague, entry.m_nTeam) == nullptr) {
                Report(StringPrintf("%s: team conflict with team %d of league %d, which does not exist",
                                    owner.c_str(), entry.m_nTeam, entry.m_nLeague));
            }
        }
    }

    void CheckConstraintReferences()
    {
        for (const cLeague& league : m_db.Leagues().AllItems<cLeague>()) {
            std::set<int> rows;
            for (const cTableItem& row : league.Table().AllItems<cTableItem>()) {
                if (league.GetTeam(row.m_nTeam) == nullptr) {
                    Report(StringPrintf("league %s: table row of team %d, which does not exist",
                                        league.m_strShortName.c_str(), row.m_nTeam));
                } else if (!rows.insert(row.m_nTeam).second) {
                    Report(StringPrintf("league %s: two table rows of team %d", league.m_strShortName.c_str(),
                                        row.m_nTeam));
                }
            }
            for (const cTeam& team : league.Teams().AllItems<cTeam>()) {
                const std::string owner = "team " + team.m_strName + " of league " + league.m_strShortName;
                for (const cHomeGround& ground : team.HomeGrounds().AllItems<cHomeGround>()) {
                    if (m_db.GetCourt(ground.m_nCourt) == nullptr) {
                        Report(StringPrintf("%s: home ground on court %d, which does not exist",
                                            owner.c_str(), ground.m_nCourt));
                    }
                }
                CheckConflicts(team.TeamConflicts(), owner);
            }
        }
        for (const cReferee& official : m_db.Officials().AllItems<cReferee>()) {
            CheckConflicts(official.TeamConflicts(), "official " + official.m_strName);
        }
    }

    // The unscheduled list is derived; while it waits for its rebuild it may
    // still hold matches of deleted leagues and teams.
    void CheckUnscheduled()
    {
        const cTournelDb& unscheduled = m_db.Unscheduled();
        if (unscheduled.m_bUpToDate == 0) {
            return;
        }
        using cPairing = std::array<int, 4>; // league, round, lower team, higher team
        const auto pairing = [](int league, int round, int home, int guest) {
            return cPairing{league, round, std::min(home, guest), std::max(home, guest)};
        };
        std::set<cPairing> scheduled;
        for (const cMatch& match : m_db.Scheduled().AllItems<cMatch>()) {
            if (!match.IsPlayoff()) {
                scheduled.insert(
                    pairing(match.m_nLeague, match.m_nRound, match.m_nHomeTeam, match.m_nGuestTeam));
            }
        }
        for (const cUnscheduledMatch& match : unscheduled.AllItems<cUnscheduledMatch>()) {
            const std::string name =
                StringPrintf("unscheduled match league %d, %d - %d, round %d", match.GetLeague(),
                             match.GetHomeTeam(), match.GetGuestTeam(), match.GetRound());
            const cLeague* league = m_db.GetLeague(match.GetLeague());
            if (league == nullptr) {
                Report(name + ": the league does not exist");
                continue;
            }
            if (league->GetTeam(match.GetHomeTeam()) == nullptr ||
                league->GetTeam(match.GetGuestTeam()) == nullptr) {
                Report(name + ": a team does not exist");
            }
            if (scheduled.count(pairing(match.GetLeague(), match.GetRound(), match.GetHomeTeam(),
                                        match.GetGuestTeam())) != 0) {
                Report(name + ": already scheduled");
            }
        }
    }

    void CheckFilters()
    {
        if (m_db.m_nLeagueFilter != -1 && m_db.GetLeague(m_db.m_nLeagueFilter) == nullptr) {
            Report(
                StringPrintf("the view filter shows league %d, which does not exist", m_db.m_nLeagueFilter));
        }
        if (m_db.m_nCourtFilter != -1 && m_db.GetCourt(m_db.m_nCourtFilter) == nullptr) {
            Report(StringPrintf("the view filter shows court %d, which does not exist", m_db.m_nCourtFilter));
        }
    }

    const cDatabase& m_db;
    std::vector<std::string> m_lines;
};

} // namespace

std::vector<std::string> CheckInvariants(const cDatabase& db)
{
    return cChecker(db).Run();
}

std::map<int, std::vector<cInterval>> OccupiedCourtTime(const cDatabase& db)
{
    std::map<int, std::vector<cInterval>> byCourt;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        byCourt[period.m_nCourt].emplace_back(period.m_tStart, period.m_tEnd);
    }
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        byCourt[match.m_nCourt].emplace_back(match.m_tStart, match.m_tEnd);
    }
    std::map<int, std::vector<cInterval>> joined;
    for (auto& [court, intervals] : byCourt) {
        std::sort(intervals.begin(), intervals.end());
        std::vector<cInterval>& out = joined[court];
        for (const cInterval& interval : intervals) {
            if (interval.second <= interval.first) {
                continue;
            }
            if (!out.empty() && interval.first <= out.back().second) {
                out.back().second = std::max(out.back().second, interval.second);
            } else {
                out.push_back(interval);
            }
        }
        if (out.empty()) {
            joined.erase(court);
        }
    }
    return joined;
}

std::map<int, long long> CourtMinutes(const cDatabase& db)
{
    std::map<int, long long> minutes;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        minutes[period.m_nCourt] += (period.m_tEnd - period.m_tStart) / 60;
    }
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        minutes[match.m_nCourt] += (match.m_tEnd - match.m_tStart) / 60;
    }
    return minutes;
}

std::map<std::string, std::string> PlayedResults(const cDatabase& db)
{
    std::map<std::string, std::string> played;
    int unmatched = 0;
    for (const cResult& result : db.Results().AllItems<cResult>()) {
        if (!result.IsPlayed()) {
            continue;
        }
        std::string key;
        if (result.m_nLeague >= 0) {
            key = StringPrintf("league %d: %d-%d round %d", result.m_nLeague, result.m_nHomeTeam,
                               result.m_nGuestTeam, result.m_nRound);
        } else if (const cMatch* match = result.GetMatch()) {
            key =
                "playoff " + match->GetLabel() + ": " + match->GetHomeName() + " - " + match->GetGuestName();
        } else {
            key = StringPrintf("result without its match %d", ++unmatched);
        }
        std::string scores;
        for (int index = 0; index < cResult::kScores; ++index) {
            const auto i = static_cast<std::size_t>(index);
            scores += StringPrintf("%s%d-%d", index == 0 ? "" : " ", result.m_nHomeScore[i],
                                   result.m_nGuestScore[i]);
        }
        scores += result.m_bHomeDisqualified != 0 ? " hosts disqualified" : "";
        scores += result.m_bGuestDisqualified != 0 ? " guests disqualified" : "";
        // Two played results of one match would be a fault of their own: both are kept.
        while (played.contains(key)) {
            key += " (again)";
        }
        played.emplace(std::move(key), std::move(scores));
    }
    return played;
}

std::vector<std::string> ResultChanges(const std::map<std::string, std::string>& before,
                                       const std::map<std::string, std::string>& after, bool removalsAllowed)
{
    std::vector<std::string> changes;
    for (const auto& [match, scores] : before) {
        const auto found = after.find(match);
        if (found == after.end()) {
            if (!removalsAllowed) {
                changes.push_back("the result of " + match + " (" + scores + ") is gone");
            }
        } else if (found->second != scores) {
            changes.push_back("the result of " + match + " changed from " + scores + " to " + found->second);
        }
    }
    for (const auto& [match, scores] : after) {
        if (!before.contains(match)) {
            changes.push_back("a result of " + match + " (" + scores + ") appeared");
        }
    }
    return changes;
}
