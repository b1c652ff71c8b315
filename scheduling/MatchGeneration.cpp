#include "scheduling/MatchGeneration.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUserPrompt.h"
#include "scheduling/ScheduleEditing.h"

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>

namespace {

// The first scheduled match that is the twin of `match`: same league, same
// round, the same two teams in either orientation. Hidden matches count: they
// are still in the schedule.
cMatch* FindTwin(const cDatabase& db, const cUnscheduledMatch& match)
{
    for (cMatch& scheduled : db.Scheduled().AllItems<cMatch>()) {
        if (scheduled.IsPlayoff() || scheduled.m_nLeague != match.GetLeague() ||
            scheduled.m_nRound != match.GetRound()) {
            continue;
        }
        if ((scheduled.m_nHomeTeam == match.GetHomeTeam() &&
             scheduled.m_nGuestTeam == match.GetGuestTeam()) ||
            (scheduled.m_nHomeTeam == match.GetGuestTeam() &&
             scheduled.m_nGuestTeam == match.GetHomeTeam())) {
            return &scheduled;
        }
    }
    return nullptr;
}

// A pairing regardless of which team is at home: league, round, lower and
// higher team index.
using cPairingKey = std::tuple<int, int, int, int>;

cPairingKey KeyOf(const cUnscheduledMatch& match)
{
    return {match.GetLeague(), match.GetRound(), std::min(match.GetHomeTeam(), match.GetGuestTeam()),
            std::max(match.GetHomeTeam(), match.GetGuestTeam())};
}

} // namespace

void PairTeams(int n, const int* teams, int* first, int* second)
{
    if (n < 2) {
        return;
    }
    const int half = n / 2;
    const bool even = n % 2 == 0;
    std::vector<char> used(static_cast<std::size_t>(n), 0);
    int j = 0;
    int m = n;
    for (int i = 1; i <= half; ++i) {
        if (i == half && even) {
            m = half; // opposite positions: only n/2 distinct pairs
        }
        std::fill(used.begin(), used.begin() + m, 0);
        int d = 0;
        for (int step = 0; step < m; ++step) {
            while (used[static_cast<std::size_t>(d)] != 0) {
                d = (d + 1) % n;
            }
            const int e = (i + d) % n;
            const int lo = std::min(d, e);
            const int hi = std::max(d, e);
            if ((d + e) % 2 == 0) {
                first[j] = teams[hi];
                second[j] = teams[lo];
            } else {
                first[j] = teams[lo];
                second[j] = teams[hi];
            }
            used[static_cast<std::size_t>(d)] = 1;
            ++j;
            d = (i + e) % n;
        }
    }
}

std::vector<std::pair<int, int>> PairTeams(const std::vector<int>& teams)
{
    const int n = static_cast<int>(teams.size());
    if (n < 2) {
        return {};
    }
    const auto pairs = static_cast<std::size_t>(n) * static_cast<std::size_t>(n - 1) / 2;
    std::vector<int> first(pairs);
    std::vector<int> second(pairs);
    PairTeams(n, teams.data(), first.data(), second.data());
    std::vector<std::pair<int, int>> out;
    out.reserve(pairs);
    for (std::size_t j = 0; j < pairs; ++j) {
        out.emplace_back(first[j], second[j]);
    }
    return out;
}

bool GenerateLeagueMatches(cDatabase& db, cLeague& league)
{
    std::vector<int> teams;
    for (const cTeam& team : league.Teams().Items<cTeam>()) {
        teams.push_back(team.m_nIndex);
    }
    const int n = static_cast<int>(teams.size());
    if (n < 2) {
        return false;
    }
    const int k = league.m_nMatchReduction;
    if (n - k < 2) {
        const std::string reduced = StringPrintf(GetString(IDS_REDUCED_BY), league.m_strName.c_str(), k);
        db.Prompt().ShowMessage(IDS_REDUCTION_NONSENSE,
                                FormatString(IDS_REDUCTION_NONSENSE, {reduced, StringPrintf("%d", n)}));
        return false;
    }
    const std::vector<std::pair<int, int>> pairs = PairTeams(teams);
    cTournelDb& working = league.UnscheduledList();
    for (int round = 1; round <= league.m_nRounds; ++round) {
        for (auto pair = pairs.rbegin(); pair != pairs.rend(); ++pair) {
            const bool odd = round % 2 == 1;
            working.AddItem(std::make_unique<cUnscheduledMatch>(league.m_nIndex,
                                                                odd ? pair->first : pair->second,
                                                                odd ? pair->second : pair->first, round, 0),
                            false);
        }
    }
    if (k > 0 && n > 3) {
        const int m = k * n / 2;
        cDbItem* from = working.GetTail();
        for (int step = 1; step < m && from != nullptr && from->PrevLink() != nullptr; ++step) {
            from = from->PrevLink();
        }
        if (from != nullptr) {
            DropScheduledMatches(db, league, static_cast<cUnscheduledMatch*>(from));
        }
    }
    return true;
}

void DropScheduledMatches(cDatabase& db, cLeague& league, cUnscheduledMatch* from)
{
    cTournelDb& working = league.UnscheduledList();
    if (from == nullptr) {
        for (cDbItem* item = working.GetHead(); item != nullptr;) {
            cDbItem* next = item->NextLink();
            if (FindTwin(db, static_cast<cUnscheduledMatch&>(*item)) != nullptr) {
                std::unique_ptr<cDbItem> dropped = working.RemoveItem(*item);
            }
            item = next;
        }
        return;
    }
    if (from->GetOwner() != &working) {
        return;
    }
    // The matches the user agreed to take out; their results, when entered,
    // are named in one question before any of them goes.
    std::vector<cMatch*> agreed;
    for (cDbItem* item = from; item != nullptr;) {
        cDbItem* next = item->NextLink();
        if (cMatch* twin = FindTwin(db, static_cast<cUnscheduledMatch&>(*item))) {
            const std::string line =
                StringPrintf("     %s,  %s, %s:  %s - %s", twin->GetColumnText(0).c_str(),
                             twin->GetColumnText(1).c_str(), twin->GetColumnText(3).c_str(),
                             twin->GetColumnText(4).c_str(), twin->GetColumnText(5).c_str());
            const std::string question = FormatString(IDS_REDUCTION_REMOVE_MATCH,
                                                      {StringPrintf("%s", league.m_strName.c_str()), line});
            if (db.Prompt().AskYesNo(IDS_REDUCTION_REMOVE_MATCH, question) &&
                std::ranges::find(agreed, twin) == agreed.end()) {
                agreed.push_back(twin);
            }
        }
        std::unique_ptr<cDbItem> dropped = working.RemoveItem(*item);
        item = next;
    }
    if (agreed.empty() ||
        !ConfirmDeletingResults(db, std::vector<const cMatch*>(agreed.begin(), agreed.end()),
                                IDS_DELETE_CASCADE_RESULTS)) {
        return; // No keeps every one of them in the schedule
    }
    for (cMatch* twin : agreed) {
        // For good: the reduction wants it gone, not back among the unscheduled matches.
        db.Scheduled().DeleteItem(*twin, db, cDbItem::kDeleteDiscard);
    }
}

void RebuildUnscheduled(cDatabase& db)
{
    cTournelDb& unscheduled = db.Unscheduled();
    if (unscheduled.m_bUpToDate != 0) {
        return;
    }
    // A derived list is not a change of the document: only matches that the
    // user agreed to take out of the schedule make it modified.
    const bool wasModified = db.IsModified();
    const int scheduledBefore = db.Scheduled().GetCount();

    // A match taken out of the schedule waits with its old number as the
    // wanted one (also in a file); the list derived afresh keeps those.
    std::map<cPairingKey, int> wanted;
    for (const cUnscheduledMatch& match : unscheduled.AllItems<cUnscheduledMatch>()) {
        if (match.GetNumber() > 0) {
            wanted.emplace(KeyOf(match), match.GetNumber());
        }
    }
    unscheduled.DeleteAll();
    bool allGenerated = true;
    long long waiting = 0;
    for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
        // A working list left filled (a refused run, or a file) would repeat its matches.
        league.UnscheduledList().DeleteAll();
        if (!GenerateLeagueMatches(db, league)) {
            allGenerated = false;
        }
        DropScheduledMatches(db, league, nullptr);
        waiting += league.UnscheduledList().GetCount();
    }

    for (long long i = 0; i < waiting; ++i) {
        const long long remaining = waiting - i;
        const long long r = db.m_random.Next();
        long long k = 1 + r * remaining / cRandom::kMax;
        if (k > remaining) {
            k = remaining;
        }
        long long sum = 0;
        for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
            cTournelDb& working = league.UnscheduledList();
            sum += working.GetCount();
            if (sum >= k && working.GetHead() != nullptr) {
                std::unique_ptr<cDbItem> match = working.RemoveItem(*working.GetHead());
                unscheduled.AddItem(std::move(match), false);
                break;
            }
        }
    }

    for (cUnscheduledMatch& match : unscheduled.AllItems<cUnscheduledMatch>()) {
        match.m_bFiltered = (db.m_nLeagueFilter != -1 && match.GetLeague() != db.m_nLeagueFilter) ? 1 : 0;
        if (const auto found = wanted.find(KeyOf(match)); found != wanted.end()) {
            match.SetNumber(found->second);
        }
    }
    unscheduled.m_bUpToDate = allGenerated ? 1 : 0;
    db.SetModifiedFlag(wasModified || db.Scheduled().GetCount() != scheduledBefore);
}
