// Random editing sessions on generated seasons: the schedule's commands, by
// hand and automatic, in random order, with the season checked after every
// step. A failure names the seed, the step and its kind, which replays it.

#include "SchedulingTestSupport.h"
#include "model/CourtTime.h"
#include "model/Strings.h"
#include "model/cReferee.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/ManualScheduling.h"
#include "scheduling/ScheduleEditing.h"
#include "scheduling/cScheduleSettings.h"
#include "support/TestBuilders.h"
#include "support/cSeasonInvariants.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Answers every question Yes, except whether a moved match's officials go,
// which each step decides. Never presses Cancel.
class cAnsweringPrompt : public cUserPrompt
{
public:
    using cUserPrompt::AskYesNo;
    using cUserPrompt::ShowMessage;

    void ShowMessage(int messageId, std::string_view) override { shown.push_back(messageId); }
    bool AskYesNo(int messageId, std::string_view) override
    {
        asked.push_back(messageId);
        return messageId == IDS_REMOVE_ASSIGNED_OFFICIALS ? removeOfficials : true;
    }
    void BeginProgress(std::string_view) override {}
    void SetProgress(int) override {}
    bool PollCancel() override { return false; }
    void EndProgress() override {}

    bool removeOfficials = false;
    std::vector<int> asked;
    std::vector<int> shown;
};

enum class eStep
{
    ScheduleAutomatically,
    ScheduleManually,
    MoveAccepted,
    MoveCancelled,
    InsertPlayoff,
    ModifyPlayoff,
    RemoveSelected,
    RemoveAutoScheduled,
    Renumber,
    OfficialsAndResults,
    DeriveAgain,
};

struct cStepKind
{
    eStep step;
    const char* name;
    int weight;
};

constexpr std::array<cStepKind, 11> kSteps = {{
    {eStep::ScheduleAutomatically, "schedule automatically", 2},
    {eStep::ScheduleManually, "schedule manually", 5},
    {eStep::MoveAccepted, "move accepted", 5},
    {eStep::MoveCancelled, "move cancelled", 2},
    {eStep::InsertPlayoff, "insert playoff", 2},
    {eStep::ModifyPlayoff, "modify playoff", 3},
    {eStep::RemoveSelected, "remove selected", 3},
    {eStep::RemoveAutoScheduled, "remove automatically scheduled", 1},
    {eStep::Renumber, "renumber", 1},
    {eStep::OfficialsAndResults, "assign officials, enter results", 2},
    {eStep::DeriveAgain, "derive the unscheduled matches again", 1},
}};

using cPairing = std::tuple<int, int, int, int>; // league, home, guest, round

cPairing PairingOf(const cMatch& match)
{
    return {match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam, match.m_nRound};
}

cPairing PairingOf(const cUnscheduledMatch& match)
{
    return {match.GetLeague(), match.GetHomeTeam(), match.GetGuestTeam(), match.GetRound()};
}

// What the user entered into a result.
using cEntered =
    std::tuple<int, std::array<int, cResult::kScores>, std::array<int, cResult::kScores>, int, int>;

cEntered EnteredOf(const cResult& result)
{
    return {result.m_bPlayed, result.m_nHomeScore, result.m_nGuestScore, result.m_bHomeDisqualified,
            result.m_bGuestDisqualified};
}

// Everything a cancelled move must leave as it was.
struct cSnapshot
{
    std::vector<std::tuple<int, TimePoint, TimePoint>> free;
    std::vector<std::tuple<const cMatch*, int, TimePoint, TimePoint, int, int, std::array<int, 5>>> matches;
    std::vector<int> games;
    int results = 0;
    int unscheduled = 0;
    bool modified = false;
};

cSnapshot TakeSnapshot(const cDatabase& db)
{
    cSnapshot snapshot;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        snapshot.free.emplace_back(period.m_nCourt, period.m_tStart, period.m_tEnd);
    }
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        snapshot.matches.emplace_back(&match, match.m_nCourt, match.m_tStart, match.m_tEnd, match.m_nNumber,
                                      match.m_bHidden, match.m_nOfficial);
    }
    for (const cReferee& official : db.Officials().AllItems<cReferee>()) {
        snapshot.games.push_back(official.m_nGames);
    }
    snapshot.results = db.Results().GetCount();
    snapshot.unscheduled = db.Unscheduled().GetCount();
    snapshot.modified = db.IsModified();
    return snapshot;
}

class cSession
{
public:
    // `relaxed`: every placement rule that can be switched off is off, so
    // that matches land anywhere, next to each other and in odd fragments.
    cSession(std::uint32_t seed, bool relaxed)
        : m_dice(seed)
    {
        db.SetPrompt(&prompt);
        db.m_random.Seed(seed);
        cSeasonShape shape = cSeasonShape::Small();
        shape.leagues = 3;
        shape.teamsPerLeague = 5;
        shape.courts = 3;
        shape.weeks = 10;
        shape.seed = seed;
        GenerateSeason(db, shape);
        if (relaxed) {
            cScheduleSettings off;
            off.ignoreCourtRatings = off.ignoreHomeGrounds = off.ignoreTeamConflicts = true;
            off.ignoreHolidays = off.ignoreWeekdays = off.ignoreMinDays = true;
            off.ignoreLatestStart = off.ignorePreferredTime = true;
            off.ApplyTo(db);
            for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
                league.m_tsRestSameTeam = 0;
                league.m_tsRestSamePair = 0;
                league.m_nMatchesPerDay = 3;
            }
        }
        for (int i = 1; i <= 6; ++i) {
            BuildOfficial(db, "Official " + std::to_string(i));
        }
        RebuildUnscheduled(db);
        m_courtMinutes = CourtMinutes(db);
    }

    const char* Run(eStep step)
    {
        switch (step) {
        case eStep::ScheduleAutomatically:
            ScheduleAutomatically(db);
            return nullptr;
        case eStep::ScheduleManually:
            return ScheduleManually();
        case eStep::MoveAccepted:
            return MoveAccepted();
        case eStep::MoveCancelled:
            return MoveCancelled();
        case eStep::InsertPlayoff:
            return InsertPlayoff();
        case eStep::ModifyPlayoff:
            return ModifyPlayoff();
        case eStep::RemoveSelected:
            return RemoveSelected();
        case eStep::RemoveAutoScheduled:
            return RemoveAutoScheduled();
        case eStep::Renumber:
            return Renumber();
        case eStep::OfficialsAndResults:
            return OfficialsAndResults();
        case eStep::DeriveAgain:
            // As after opening the file: the list is derived again when next shown.
            db.Unscheduled().m_bUpToDate = 0;
            return nullptr;
        }
        return nullptr;
    }

    eStep Choose()
    {
        int total = 0;
        for (const cStepKind& kind : kSteps) {
            total += kind.weight;
        }
        int pick = Below(total);
        for (const cStepKind& kind : kSteps) {
            if (pick < kind.weight) {
                return kind.step;
            }
            pick -= kind.weight;
        }
        return eStep::ScheduleAutomatically;
    }

    // The season's rules, after any step.
    void Check()
    {
        // The window derives the list before it shows it.
        RebuildUnscheduled(db);
        CheckCourtTime();
        CheckResults();
        CheckOfficials();
        CheckReturnedNumbers();
        for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            EXPECT_EQ(match.m_bHidden, 0) << match.GetLabel() << " left hidden";
        }
        for (const std::string& line : CheckInvariants(db)) {
            ADD_FAILURE() << line;
        }
    }

    int Scheduled() const { return db.Scheduled().GetCount(); }

    cDatabase db;
    cAnsweringPrompt prompt;

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_dice); }
    bool Chance(int percent) { return Below(100) < percent; }

    template <class T> T* Pick(const std::vector<T*>& items)
    {
        return items.empty() ? nullptr
                             : items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

    std::vector<cMatch*> Matches(bool playoffOnly = false)
    {
        std::vector<cMatch*> out;
        for (cMatch& match : db.Scheduled().Items<cMatch>()) {
            if (!playoffOnly || match.IsPlayoff()) {
                out.push_back(&match);
            }
        }
        return out;
    }

    // A start typed for a match of `duration` minutes in `period`: mostly one
    // that fits, now and then one a minute early.
    int RandomStart(const cUnusedTime& period, int duration)
    {
        const int minutes = static_cast<int>((period.m_tEnd - period.m_tStart) / 60);
        const ClockTime first = TimeOfDay(period.m_tStart);
        if (Chance(10) && first > 0) {
            return first % 100 == 0 ? first - 41 : first - 1;
        }
        const int latest = minutes - duration;
        const int offset = latest >= 0 ? Below(latest + 1) : Below(minutes);
        return TimeOfDay(period.m_tStart + static_cast<TimePoint>(offset) * 60);
    }

    // Opens the manual scheduling dialog, sets the box at random, picks an
    // entry and a start; false when the list is empty.
    bool FillDialog(cManualScheduleValues& values)
    {
        if (Chance(50)) {
            values.Fill(db, false);
        }
        if (values.courtTimes.empty()) {
            return false;
        }
        values.Select(Below(static_cast<int>(values.courtTimes.size())));
        values.start = RandomStart(*values.SelectedCourtTime(), values.duration);
        return true;
    }

    // A refused OK tells one of the time messages; the checks after the step
    // find anything it changed.
    void ExpectRefusedInTime(std::size_t shownBefore)
    {
        ASSERT_EQ(prompt.shown.size(), shownBefore + 1);
        const int id = prompt.shown.back();
        EXPECT_TRUE(id == IDS_START_TOO_EARLY || id == IDS_START_TOO_LATE) << id;
    }

    const char* ScheduleManually()
    {
        std::vector<cUnscheduledMatch*> waiting;
        for (cUnscheduledMatch& match : db.Unscheduled().Items<cUnscheduledMatch>()) {
            waiting.push_back(&match);
        }
        cUnscheduledMatch* match = Pick(waiting);
        if (match == nullptr) {
            return "nothing to schedule";
        }
        const cLeague* league = db.GetLeague(match->GetLeague());
        cManualScheduleValues values = cManualScheduleValues::Open(db, match, league->m_nGameDuration);
        if (!FillDialog(values)) {
            return "no court time listed";
        }
        const cPairing pairing = PairingOf(*match);
        const int wanted = match->GetNumber();
        bool wantedFree = true;
        for (const cMatch* other : Matches()) {
            wantedFree = wantedFree && (other->IsPlayoff() || other->m_nLeague != match->GetLeague() ||
                                        other->m_nNumber != wanted);
        }
        const std::size_t shownBefore = prompt.shown.size();
        cManualPlacement placement;
        if (!ConfirmManualPlacement(db, values, placement)) {
            ExpectRefusedInTime(shownBefore);
            return "refused";
        }
        const cMatch* placed =
            ScheduleMatch(db, *placement.courtTime, placement.start, placement.end, *match, true);
        if (placed == nullptr) {
            ADD_FAILURE() << "not placed";
            return nullptr;
        }
        EXPECT_EQ(PairingOf(*placed), pairing);
        EXPECT_EQ(placed->m_tStart, placement.start);
        EXPECT_EQ(placed->GetDuration(), league->m_nGameDuration);
        EXPECT_EQ(placed->m_bByHand, 1);
        if (wanted > 0 && wantedFree) {
            EXPECT_EQ(placed->m_nNumber, wanted) << "the wanted number was free";
        }
        return nullptr;
    }

    const char* MoveAccepted()
    {
        cMatch* match = Pick(Matches());
        if (match == nullptr) {
            return "nothing to move";
        }
        const bool playoff = match->IsPlayoff();
        const cPairing pairing = PairingOf(*match);
        const int number = match->m_nNumber;
        const int duration = match->GetDuration();
        const auto officials = match->m_nOfficial;
        const bool hadOfficials = match->GetOfficialCount() > 0;
        const cEntered entered = EnteredOf(*match->GetResult());
        std::array<std::string, 3> texts;
        if (playoff) {
            const auto& p = static_cast<const cPlayoffMatch&>(*match);
            texts = {p.m_strNumber, p.m_strHomeTeam, p.m_strGuestTeam};
        }
        prompt.removeOfficials = Chance(50);
        const std::size_t askedBefore = prompt.asked.size();

        cMatch* placed = nullptr;
        cManualPlacement placement;
        int court = -1;
        {
            cMatchMove move(db, *match);
            cManualScheduleValues values = cManualScheduleValues::Open(db, move.Pairing(), move.Duration());
            if (!FillDialog(values)) {
                return "no court time listed";
            }
            const std::size_t shownBefore = prompt.shown.size();
            if (!ConfirmManualPlacement(db, values, placement)) {
                ExpectRefusedInTime(shownBefore);
                return "refused";
            }
            court = placement.courtTime->m_nCourt; // the period may be used up by the move
            placed = move.Commit(placement);
        }
        if (placed == nullptr) {
            ADD_FAILURE() << "not moved";
            return nullptr;
        }
        EXPECT_EQ(placed->IsPlayoff(), playoff);
        EXPECT_EQ(PairingOf(*placed), pairing);
        EXPECT_EQ(placed->m_nNumber, number);
        EXPECT_EQ(placed->GetDuration(), duration);
        EXPECT_EQ(placed->m_tStart, placement.start);
        EXPECT_EQ(placed->m_nCourt, court);
        EXPECT_EQ(placed->m_bByHand, 1);
        const std::vector<int> asked(prompt.asked.begin() + static_cast<std::ptrdiff_t>(askedBefore),
                                     prompt.asked.end());
        EXPECT_EQ(std::count(asked.begin(), asked.end(), IDS_REMOVE_ASSIGNED_OFFICIALS),
                  hadOfficials ? 1 : 0);
        if (hadOfficials && prompt.removeOfficials) {
            EXPECT_EQ(placed->GetOfficialCount(), 0);
        } else {
            EXPECT_EQ(placed->m_nOfficial, officials);
        }
        if (placed->GetResult() != nullptr) {
            EXPECT_EQ(EnteredOf(*placed->GetResult()), entered);
        }
        if (playoff) {
            const auto& p = static_cast<const cPlayoffMatch&>(*placed);
            EXPECT_EQ((std::array<std::string, 3>{p.m_strNumber, p.m_strHomeTeam, p.m_strGuestTeam}), texts);
        }
        return nullptr;
    }

    const char* MoveCancelled()
    {
        cMatch* match = Pick(Matches());
        if (match == nullptr) {
            return "nothing to move";
        }
        if (Chance(50)) {
            db.SetModifiedFlag(Chance(50));
        }
        const cSnapshot before = TakeSnapshot(db);
        {
            cMatchMove move(db, *match);
            EXPECT_EQ(match->m_bHidden, 1);
            cManualScheduleValues values = cManualScheduleValues::Open(db, move.Pairing(), move.Duration());
            if (FillDialog(values)) {
                cManualPlacement placement;
                ConfirmManualPlacement(db, values, placement); // an OK, refused or confirmed, then Cancel
                values.Fill(db, !values.onlyLegal);
            }
            if (Chance(50)) {
                move.Cancel();
            }
        }
        const cSnapshot after = TakeSnapshot(db);
        EXPECT_EQ(after.free, before.free);
        EXPECT_EQ(after.matches, before.matches);
        EXPECT_EQ(after.games, before.games);
        EXPECT_EQ(after.results, before.results);
        EXPECT_EQ(after.unscheduled, before.unscheduled);
        EXPECT_EQ(after.modified, before.modified);
        return nullptr;
    }

    const char* InsertPlayoff()
    {
        cPlayoffMatchValues values = cPlayoffMatchValues::Defaults(db);
        if (values.courtTimes.empty()) {
            return "no court time";
        }
        values.Select(Below(static_cast<int>(values.courtTimes.size())));
        values.duration = 30 + 15 * Below(8);
        values.start = RandomStart(*values.SelectedCourtTime(), values.duration);
        values.number = "P" + std::to_string(db.m_nPlayoffCounter + 1);
        values.homeTeam = "Winner " + std::to_string(Below(9));
        values.guestTeam = "Winner " + std::to_string(Below(9));
        cManualPlacement placement;
        if (const cValidation error = CheckNewPlayoffMatch(values, placement)) {
            EXPECT_TRUE(error->messageId == IDS_START_OUTSIDE_COURT_TIME ||
                        error->messageId == IDS_FINISH_OUTSIDE_COURT_TIME)
                << error->messageId;
            return "refused";
        }
        const int counter = db.m_nPlayoffCounter;
        const cPlayoffMatch& placed = InsertPlayoffMatch(db, values, placement);
        EXPECT_EQ(placed.m_nRound, counter + 1);
        EXPECT_EQ(db.m_nPlayoffCounter, counter + 1);
        EXPECT_EQ(placed.m_tStart, placement.start);
        EXPECT_EQ(placed.GetDuration(), values.duration);
        return nullptr;
    }

    const char* ModifyPlayoff()
    {
        auto* match = static_cast<cPlayoffMatch*>(Pick(Matches(true)));
        if (match == nullptr) {
            return "no playoff match";
        }
        cPlayoffMatchValues values = cPlayoffMatchValues::FromMatch(*match);
        const int before = values.duration;
        values.duration = std::max(1, before + 15 * (Below(9) - 4));
        values.homeTeam = "Winner " + std::to_string(Below(9));
        const TimePoint start = match->m_tStart;
        if (const cValidation error = CheckPlayoffChange(db, *match, values)) {
            EXPECT_EQ(error->messageId, IDS_NO_COURT_TIME_TO_EXTEND);
            EXPECT_GT(values.duration, before);
            return "refused";
        }
        ApplyPlayoffChange(db, *match, values);
        EXPECT_EQ(match->m_tStart, start);
        EXPECT_EQ(match->GetDuration(), values.duration);
        EXPECT_EQ(match->m_strHomeTeam, values.homeTeam);
        return values.duration > before ? "longer" : (values.duration < before ? "shorter" : "same length");
    }

    void Remember(const cMatch& match)
    {
        if (!match.IsPlayoff()) {
            m_cameBack[PairingOf(match)] = match.m_nNumber;
        }
    }

    const char* RemoveSelected()
    {
        std::vector<cMatch*> chosen;
        for (cMatch* match : Matches()) {
            if (Chance(15)) {
                chosen.push_back(match);
            }
        }
        if (chosen.empty()) {
            return "nothing selected";
        }
        // Results entered for them are asked about (and this prompt says Yes).
        const std::vector<const cMatch*> asked(chosen.begin(), chosen.end());
        const std::size_t askedBefore = prompt.asked.size();
        EXPECT_TRUE(ConfirmDeletingResults(db, asked));
        EXPECT_EQ(prompt.asked.size() - askedBefore, CountEnteredResults(asked) > 0 ? 1u : 0u);
        for (cMatch* match : chosen) {
            Remember(*match);
            EXPECT_TRUE(db.Scheduled().DeleteItem(*match, db));
        }
        return nullptr;
    }

    const char* RemoveAutoScheduled()
    {
        int automatic = 0;
        std::map<const cMatch*, std::tuple<int, TimePoint, cEntered>> played;
        for (const cMatch* match : Matches()) {
            if (match->m_bByHand == 0 && !match->IsPlayoff()) {
                if (match->GetResult()->IsPlayed()) {
                    played[match] = {match->m_nNumber, match->m_tStart, EnteredOf(*match->GetResult())};
                    continue;
                }
                Remember(*match);
                ++automatic;
            }
        }
        const cAutoScheduledRemoval removal = RemoveAutoScheduledMatches(db);
        EXPECT_EQ(removal.removed, automatic);
        EXPECT_EQ(removal.stayed, static_cast<int>(played.size()));
        // A played match never leaves the schedule by this command.
        std::size_t stayed = 0;
        for (const cMatch* match : Matches()) {
            const auto found = played.find(match);
            if (found == played.end()) {
                EXPECT_TRUE(match->m_bByHand != 0 || match->IsPlayoff()) << match->GetLabel();
                continue;
            }
            ++stayed;
            EXPECT_EQ(std::make_tuple(match->m_nNumber, match->m_tStart, EnteredOf(*match->GetResult())),
                      found->second)
                << match->GetLabel();
        }
        EXPECT_EQ(stayed, played.size());
        return played.empty() ? nullptr : "played matches stayed";
    }

    const char* Renumber()
    {
        EXPECT_TRUE(RenumberMatches(db));
        std::map<int, int> count;
        for (const cMatch* match : Matches()) {
            if (!match->IsPlayoff()) {
                EXPECT_EQ(match->m_nNumber, ++count[match->m_nLeague]) << "schedule order";
            }
        }
        for (const cLeague& league : db.Leagues().AllItems<cLeague>()) {
            EXPECT_EQ(league.m_nLastMatchNumber, count[league.m_nIndex]);
        }
        return nullptr;
    }

    const char* OfficialsAndResults()
    {
        const int officials = db.Officials().GetCount();
        for (cMatch* match : Matches()) {
            if (!Chance(30)) {
                continue;
            }
            if (!match->IsPlayoff()) {
                const int first = Below(officials);
                match->SetOfficial(db, Chance(20) ? -1 : first, 0);
                match->SetOfficial(db, Chance(50) ? -1 : (first + 1 + Below(officials - 1)) % officials, 1);
            }
            if (cResult* result = match->GetResult(); result != nullptr && Chance(50)) {
                result->m_bPlayed = 1;
                result->m_nHomeScore[0] = Below(5);
                result->m_nGuestScore[0] = Below(5);
                result->m_bHomeDisqualified = Chance(10) ? 1 : 0;
            }
        }
        return nullptr;
    }

    void CheckCourtTime()
    {
        // Matches and free periods per court, sorted: nothing overlaps.
        std::map<int, std::vector<std::tuple<TimePoint, TimePoint, const char*>>> spans;
        for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            EXPECT_LT(match.m_tStart, match.m_tEnd);
            spans[match.m_nCourt].emplace_back(match.m_tStart, match.m_tEnd, "a match");
        }
        std::map<int, std::vector<const cUnusedTime*>> periods;
        for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
            EXPECT_LT(period.m_tStart, period.m_tEnd);
            spans[period.m_nCourt].emplace_back(period.m_tStart, period.m_tEnd, "free time");
            periods[period.m_nCourt].push_back(&period);
        }
        for (auto& [court, list] : spans) {
            std::sort(list.begin(), list.end());
            for (std::size_t i = 1; i < list.size(); ++i) {
                EXPECT_LE(std::get<1>(list[i - 1]), std::get<0>(list[i]))
                    << std::get<2>(list[i - 1]) << " overlaps " << std::get<2>(list[i]) << " on court "
                    << court << " at " << FormatTime(std::get<0>(list[i]), "%Y-%m-%d %H:%M");
            }
        }
        // Touching free periods of a court and date are one.
        for (auto& [court, list] : periods) {
            std::sort(list.begin(), list.end(),
                      [](const cUnusedTime* a, const cUnusedTime* b) { return a->m_tStart < b->m_tStart; });
            for (std::size_t i = 1; i < list.size(); ++i) {
                EXPECT_FALSE(PeriodsMerge(*list[i - 1], *list[i]))
                    << "unmerged free time on court " << court << " at "
                    << FormatTime(list[i]->m_tStart, "%Y-%m-%d %H:%M");
            }
        }
        // Court time is only ever moved between free and taken.
        EXPECT_EQ(CourtMinutes(db), m_courtMinutes);
    }

    void CheckResults()
    {
        std::set<const cResult*> linked;
        for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            const cResult* result = match.GetResult();
            if (result == nullptr) {
                ADD_FAILURE() << match.GetLabel() << " has no result";
                continue;
            }
            EXPECT_EQ(result->GetMatch(), &match) << match.GetLabel();
            EXPECT_EQ(result->GetOwner(), &db.Results()) << match.GetLabel();
            EXPECT_TRUE(linked.insert(result).second) << "two matches share a result";
        }
        for (const cResult& result : db.Results().AllItems<cResult>()) {
            EXPECT_EQ(linked.count(&result), 1u) << "an orphan result";
        }
        EXPECT_EQ(db.Results().GetCount(), db.Scheduled().GetCount());
    }

    void CheckOfficials()
    {
        std::map<int, int> held;
        for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            for (const int official : match.m_nOfficial) {
                if (official >= 0) {
                    ++held[official];
                }
            }
        }
        for (const cReferee& official : db.Officials().AllItems<cReferee>()) {
            EXPECT_EQ(official.m_nGames, held[official.m_nIndex]) << official.m_strName;
        }
    }

    // A match that went back to the unscheduled list keeps its number as the
    // wanted one until it is scheduled again.
    void CheckReturnedNumbers()
    {
        std::set<cPairing> scheduled;
        for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            scheduled.insert(PairingOf(match));
        }
        std::map<cPairing, int> waiting;
        for (const cUnscheduledMatch& match : db.Unscheduled().AllItems<cUnscheduledMatch>()) {
            EXPECT_TRUE(waiting.emplace(PairingOf(match), match.GetNumber()).second) << "a pairing twice";
        }
        for (auto it = m_cameBack.begin(); it != m_cameBack.end();) {
            if (scheduled.count(it->first) != 0) {
                it = m_cameBack.erase(it);
                continue;
            }
            const auto found = waiting.find(it->first);
            if (found == waiting.end()) {
                ADD_FAILURE() << "a removed match is neither scheduled nor waiting";
            } else {
                EXPECT_EQ(found->second, it->second) << "wanted number";
            }
            ++it;
        }
    }

    std::mt19937 m_dice;
    std::map<int, long long> m_courtMinutes;
    std::map<cPairing, int> m_cameBack; // pairing taken out of the schedule -> its number then
};

struct cSessionCase
{
    std::uint32_t seed;
    bool relaxed;
};

void PrintTo(const cSessionCase& c, std::ostream* out)
{
    *out << (c.relaxed ? "rules off, " : "") << "seed " << c.seed;
}

class ScheduleEditingSequences : public ::testing::TestWithParam<cSessionCase>
{
};

TEST_P(ScheduleEditingSequences, EveryStepKeepsTheSeasonSound)
{
    const std::uint32_t seed = GetParam().seed;
    constexpr int kStepCount = 80;
    cSession session(seed, GetParam().relaxed);
    {
        SCOPED_TRACE("the generated season");
        session.Check();
    }
    std::map<std::string, int> done;
    int peak = 0;
    for (int step = 1; step <= kStepCount && !HasFailure(); ++step) {
        const eStep kind = session.Choose();
        const char* name = "";
        for (const cStepKind& k : kSteps) {
            name = k.step == kind ? k.name : name;
        }
        SCOPED_TRACE(std::string(GetParam().relaxed ? "rules off, " : "") + "seed " + std::to_string(seed) +
                     ", step " + std::to_string(step) + ": " + name);
        const char* outcome = session.Run(kind);
        ++done[outcome == nullptr ? name : std::string(name) + " (" + outcome + ")"];
        session.Check();
        peak = std::max(peak, session.Scheduled());
    }
    // The session did real work, not only refused steps.
    EXPECT_GT(peak, 20);
    EXPECT_GT(done["schedule manually"] + done["move accepted"], 0);
    if (HasFailure()) {
        for (const auto& [what, count] : done) {
            std::cout << "  " << count << " x " << what << '\n';
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ScheduleEditingSequences,
                         ::testing::Values(cSessionCase{1, false}, cSessionCase{2, false},
                                           cSessionCase{3, false}, cSessionCase{4, false},
                                           cSessionCase{5, false}, cSessionCase{6, true},
                                           cSessionCase{7, true}, cSessionCase{8, true}),
                         [](const ::testing::TestParamInfo<cSessionCase>& info) {
                             return (info.param.relaxed ? "RulesOff" : "Rules") +
                                    std::to_string(info.param.seed);
                         });

} // namespace
