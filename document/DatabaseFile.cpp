#include "document/DatabaseFile.h"

#include "model/Strings.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cHomeGround.h"
#include "model/cIllDate.h"
#include "model/cIllTeam.h"
#include "model/cIndexedDb.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cPreferredTime.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "model/cUserPrompt.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace {

constexpr double kCurrentVersion = cDatabase::kVersion;

// The item classes a container may hold, as bits.
enum : unsigned
{
    kCourtClass = 1u << 0,
    kUnusedTimeClass = 1u << 1,
    kLeagueClass = 1u << 2,
    kTeamClass = 1u << 3,
    kHomeGroundClass = 1u << 4,
    kIllDateClass = 1u << 5,
    kIllTeamClass = 1u << 6,
    kPreferredTimeClass = 1u << 7,
    kRefereeClass = 1u << 8,
    kUnscheduledClass = 1u << 9,
    kMatchClass = 1u << 10,
    kPlayoffClass = 1u << 11,
    kResultClass = 1u << 12,
    kTableItemClass = 1u << 13,
};

// The smallest object record: a class reference and the cDbItem part of the oldest versions.
constexpr std::size_t kMinItemBytes = 2 + 8;

template <class T> std::unique_ptr<cDbItem> Make(cArchiveIn& ar, void (*read)(cArchiveIn&, T&))
{
    auto item = std::make_unique<T>();
    read(ar, *item);
    return item;
}

// A new item of the class the next object record names, read; null (and the
// archive failed) for a class the container may not hold.
std::unique_ptr<cDbItem> ReadItem(cArchiveIn& ar, unsigned allowed)
{
    const std::string_view name = ar.ReadObjectHeader();
    if (ar.Failed()) {
        return nullptr;
    }
    struct cFactory
    {
        std::string_view name;
        unsigned bit;
        std::unique_ptr<cDbItem> (*make)(cArchiveIn&);
    };
    static const cFactory kFactories[] = {
        {"cCourt", kCourtClass, [](cArchiveIn& a) { return Make<cCourt>(a, ReadCourt); }},
        {"cUnusedTime", kUnusedTimeClass, [](cArchiveIn& a) { return Make<cUnusedTime>(a, ReadUnusedTime); }},
        {"cLeague", kLeagueClass, [](cArchiveIn& a) { return Make<cLeague>(a, ReadLeague); }},
        {"cTeam", kTeamClass, [](cArchiveIn& a) { return Make<cTeam>(a, ReadTeam); }},
        {"cHomeGround", kHomeGroundClass, [](cArchiveIn& a) { return Make<cHomeGround>(a, ReadHomeGround); }},
        {"cIllDate", kIllDateClass, [](cArchiveIn& a) { return Make<cIllDate>(a, ReadIllDate); }},
        {"cIllTeam", kIllTeamClass, [](cArchiveIn& a) { return Make<cIllTeam>(a, ReadIllTeam); }},
        {"cPreferredTime", kPreferredTimeClass,
         [](cArchiveIn& a) { return Make<cPreferredTime>(a, ReadPreferredTime); }},
        {"cReferee", kRefereeClass, [](cArchiveIn& a) { return Make<cReferee>(a, ReadReferee); }},
        {"cUnscheduledMatch", kUnscheduledClass,
         [](cArchiveIn& a) { return Make<cUnscheduledMatch>(a, ReadUnscheduledMatch); }},
        {"cMatch", kMatchClass, [](cArchiveIn& a) { return Make<cMatch>(a, ReadMatch); }},
        {"cPlayoffMatch", kPlayoffClass,
         [](cArchiveIn& a) { return Make<cPlayoffMatch>(a, ReadPlayoffMatch); }},
        {"cResult", kResultClass, [](cArchiveIn& a) { return Make<cResult>(a, ReadResult); }},
        {"cTableItem", kTableItemClass, [](cArchiveIn& a) { return Make<cTableItem>(a, ReadTableItem); }},
    };
    for (const cFactory& factory : kFactories) {
        if (factory.name == name) {
            if ((factory.bit & allowed) == 0) {
                break;
            }
            std::unique_ptr<cDbItem> item = factory.make(ar);
            return ar.Failed() ? nullptr : std::move(item);
        }
    }
    ar.Fail();
    return nullptr;
}

void ReadContainer(cArchiveIn& ar, cTournelDb& container, unsigned allowed)
{
    const std::int32_t count = ar.Int();
    const std::int32_t upToDate = ar.Int();
    const std::int32_t relistOnEdit = ar.Int();
    if (!ar.CheckCount(count, kMinItemBytes)) {
        return;
    }
    container.m_bUpToDate = upToDate;
    container.m_bRelistOnEdit = relistOnEdit;
    for (std::int32_t i = 0; i < count; ++i) {
        std::unique_ptr<cDbItem> item = ReadItem(ar, allowed);
        if (!item) {
            return;
        }
        container.AddItem(std::move(item), false);
    }
}

void ReadIndexedContainer(cArchiveIn& ar, cIndexedDb& container, unsigned allowed)
{
    const std::int32_t count = ar.Int();
    if (!ar.CheckCount(count, kMinItemBytes)) {
        return;
    }
    for (std::int32_t i = 0; i < count; ++i) {
        std::unique_ptr<cDbItem> item = ReadItem(ar, allowed);
        if (!item) {
            return;
        }
        std::unique_ptr<cIndexedDbItem> indexed(static_cast<cIndexedDbItem*>(item.release()));
        const int index = indexed->m_nIndex;
        // Negative and repeated index numbers make a damaged file.
        if (!container.IsIndexFree(index)) {
            ar.Fail();
            return;
        }
        const std::size_t growth = static_cast<std::size_t>(std::max(0, index - container.GetMaxIndex()));
        if (growth > ar.m_nIndexBudget) {
            ar.Fail();
            return;
        }
        ar.m_nIndexBudget -= growth;
        container.AddIndexedItem(std::move(indexed), false, index);
    }
}

void WriteItem(cArchiveOut& ar, const cDbItem& item);

void WriteContainer(cArchiveOut& ar, const cTournelDb& container)
{
    ar.Int(container.GetCount());
    ar.Int(container.m_bUpToDate);
    ar.Int(container.m_bRelistOnEdit);
    for (const cDbItem& item : container.AllItems<cDbItem>()) {
        WriteItem(ar, item);
    }
}

void WriteIndexedContainer(cArchiveOut& ar, const cIndexedDb& container)
{
    ar.Int(container.GetCount());
    for (const cDbItem& item : container.AllItems<cDbItem>()) {
        WriteItem(ar, item);
    }
}

void ReadDbItemPart(cArchiveIn& ar, cDbItem& item)
{
    item.m_bFiltered = ar.Int();
    item.m_bMarked = ar.Int();
    item.m_bHidden = ar.AtLeast(1.5) ? ar.Int() : 0;
}

void WriteDbItemPart(cArchiveOut& ar, const cDbItem& item)
{
    ar.Int(item.m_bFiltered);
    ar.Int(item.m_bMarked);
    ar.Int(item.m_bHidden);
}

void ReadIndexedPart(cArchiveIn& ar, cIndexedDbItem& item)
{
    ReadDbItemPart(ar, item);
    item.m_nIndex = ar.Int();
    item.m_strName = ar.Text();
    item.m_strShortName = ar.Text();
}

void WriteIndexedPart(cArchiveOut& ar, const cIndexedDbItem& item)
{
    WriteDbItemPart(ar, item);
    ar.Int(item.m_nIndex);
    ar.Text(item.m_strName);
    ar.Text(item.m_strShortName);
}

// Values no dialog can enter are brought into range, so that sums and
// products of them (points, scores, table totals) stay within an int.
constexpr int kMaxTableCount = 1000000;
constexpr int kMaxScore = 99999;

int Clamp(int value, int low, int high)
{
    return std::clamp(value, low, high);
}

std::int32_t ToInt32(TimePoint t)
{
    return static_cast<std::int32_t>(t);
}

// A result goes to the first scheduled match of its pairing that holds no
// result yet, so that every playoff match (all share one pairing) keeps its own.
int LinkResults(cDatabase& db)
{
    struct cKeyHash
    {
        std::size_t operator()(const std::array<int, 4>& key) const
        {
            std::size_t h = 0;
            for (const int value : key) {
                h = h * 1000003u ^ static_cast<std::size_t>(static_cast<unsigned>(value));
            }
            return h;
        }
    };
    std::unordered_map<std::array<int, 4>, std::vector<cMatch*>, cKeyHash> byPairing;
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        byPairing[{match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam, match.m_nRound}].push_back(&match);
    }
    std::unordered_map<std::array<int, 4>, std::size_t, cKeyHash> used;
    int dropped = 0;
    cDbItem* item = db.Results().GetHead();
    while (item != nullptr) {
        cDbItem* next = item->NextLink();
        auto& result = static_cast<cResult&>(*item);
        const std::array<int, 4> key = {result.m_nLeague, result.m_nHomeTeam, result.m_nGuestTeam,
                                        result.m_nRound};
        const auto found = byPairing.find(key);
        std::size_t& taken = used[key];
        if (found != byPairing.end() && taken < found->second.size()) {
            cResult::Link(result, *found->second[taken]);
            ++taken;
        } else {
            // A result of no match has no place in the database.
            std::unique_ptr<cDbItem> removed = db.Results().RemoveItem(result);
            ++dropped;
        }
        item = next;
    }
    return dropped;
}

} // namespace

void ReadTableSettings(cArchiveIn& ar, cTableSettings& settings)
{
    for (int i = 0; i < cTableSettings::kCriteria; ++i) {
        settings.m_nPriority[static_cast<std::size_t>(i)] = ar.Int();
        settings.m_nCriterionByPriority[static_cast<std::size_t>(i)] = ar.Int();
    }
    settings.m_nPointsVictory = Clamp(ar.Int(), -99, 99);
    settings.m_nPointsDraw = Clamp(ar.Int(), -99, 99);
    settings.m_nPointsLost = Clamp(ar.Int(), -99, 99);
    settings.m_nPointsDisqualified = Clamp(ar.Int(), -99, 99);
    settings.m_bIgnoreBonusPoints = ar.Int();
    settings.m_bAllowDraws = ar.Int();
    settings.m_nMaxSets = Clamp(ar.Int(), 1, 9);
    settings.m_nCriteriaCount = ar.Int();
    // Priorities out of range, repeated or with gaps would leave holes in the
    // criterion order; the used criteria are numbered 1, 2, ... in their order.
    std::array<int, cTableSettings::kCriteria> byPriority{};
    byPriority.fill(-1);
    int used = 0;
    for (int priority = 1; priority <= cTableSettings::kCriteria; ++priority) {
        for (int criterion = 0; criterion < cTableSettings::kCriteria; ++criterion) {
            if (settings.m_nPriority[static_cast<std::size_t>(criterion)] == priority) {
                byPriority[static_cast<std::size_t>(used++)] = criterion;
                break;
            }
        }
    }
    settings.m_nPriority.fill(0);
    for (int rank = 0; rank < used; ++rank) {
        settings.m_nPriority[static_cast<std::size_t>(byPriority[static_cast<std::size_t>(rank)])] = rank + 1;
    }
    settings.RecomputeOrder();
}

void WriteTableSettings(cArchiveOut& ar, const cTableSettings& settings)
{
    cTableSettings ordered = settings;
    ordered.RecomputeOrder();
    for (int i = 0; i < cTableSettings::kCriteria; ++i) {
        ar.Int(ordered.m_nPriority[static_cast<std::size_t>(i)]);
        ar.Int(ordered.m_nCriterionByPriority[static_cast<std::size_t>(i)]);
    }
    ar.Int(ordered.m_nPointsVictory);
    ar.Int(ordered.m_nPointsDraw);
    ar.Int(ordered.m_nPointsLost);
    ar.Int(ordered.m_nPointsDisqualified);
    ar.Int(ordered.m_bIgnoreBonusPoints);
    ar.Int(ordered.m_bAllowDraws);
    ar.Int(ordered.m_nMaxSets);
    ar.Int(ordered.m_nCriteriaCount);
}

void ReadCourt(cArchiveIn& ar, cCourt& court)
{
    ReadIndexedPart(ar, court);
    court.m_nReserved1 = ar.Int();
    court.m_nReserved2 = ar.Int();
    court.m_bReservedHomeGround = ar.Int();
    court.m_nRating = ar.Int();
}

void WriteCourt(cArchiveOut& ar, const cCourt& court)
{
    WriteIndexedPart(ar, court);
    ar.Int(court.m_nReserved1);
    ar.Int(court.m_nReserved2);
    ar.Int(court.m_bReservedHomeGround);
    ar.Int(court.m_nRating);
}

void ReadUnusedTime(cArchiveIn& ar, cUnusedTime& period)
{
    ReadDbItemPart(ar, period);
    period.m_nCourt = ar.Int();
    period.m_tStart = ar.Int();
    period.m_tEnd = ar.Int();
}

void WriteUnusedTime(cArchiveOut& ar, const cUnusedTime& period)
{
    WriteDbItemPart(ar, period);
    ar.Int(period.m_nCourt);
    ar.Int(ToInt32(period.m_tStart));
    ar.Int(ToInt32(period.m_tEnd));
}

void ReadLeague(cArchiveIn& ar, cLeague& league)
{
    ReadIndexedPart(ar, league);
    league.m_nRounds = ar.Int();
    league.m_nMatchReduction = ar.AtLeast(2.5) ? ar.Int() : 0;
    league.m_nMatchesPerDay = ar.AtLeast(2.6) ? ar.Int() : 1;
    league.m_nMinOfficialRating = ar.Int();
    league.m_nMaxOfficialRating = ar.Int();
    league.m_nMinCourtRating = ar.Int();
    league.m_nMaxCourtRating = ar.Int();
    league.m_nGameDuration = ar.Int();
    league.m_tsRestSameTeam = ar.Int();
    league.m_tsRestSamePair = ar.Int();
    if (!ar.AtLeast(2.4)) {
        // Whole days before 2.4; kept in range so that no later sum overflows.
        const auto days = [](int value) {
            const std::int64_t seconds = static_cast<std::int64_t>(value) * 86400;
            return static_cast<int>(std::clamp<std::int64_t>(seconds, INT32_MIN, INT32_MAX));
        };
        league.m_tsRestSameTeam = days(league.m_tsRestSameTeam);
        league.m_tsRestSamePair = days(league.m_tsRestSamePair);
    }
    league.m_nLatestStart = ar.Int();
    league.m_nLastMatchNumber = ar.Int();
    league.m_nSetsPerGame = ar.Int();
    for (int& rating : league.m_nMinRatingOfficial) {
        rating = ar.Int();
    }
    for (int& rating : league.m_nMaxRatingOfficial) {
        rating = ar.Int();
    }
    ReadIndexedContainer(ar, league.Teams(), kTeamClass);
    ReadContainer(ar, league.Table(), kTableItemClass);
    ReadContainer(ar, league.PreferredTimes(), kPreferredTimeClass);
    if (ar.AtLeast(1.7)) {
        ReadContainer(ar, league.Holidays(), kIllDateClass);
    }
    ReadContainer(ar, league.UnscheduledList(), kUnscheduledClass);
}

void WriteLeague(cArchiveOut& ar, const cLeague& league)
{
    WriteIndexedPart(ar, league);
    ar.Int(league.m_nRounds);
    ar.Int(league.m_nMatchReduction);
    ar.Int(league.m_nMatchesPerDay);
    ar.Int(league.m_nMinOfficialRating);
    ar.Int(league.m_nMaxOfficialRating);
    ar.Int(league.m_nMinCourtRating);
    ar.Int(league.m_nMaxCourtRating);
    ar.Int(league.m_nGameDuration);
    ar.Int(league.m_tsRestSameTeam);
    ar.Int(league.m_tsRestSamePair);
    ar.Int(league.m_nLatestStart);
    ar.Int(league.m_nLastMatchNumber);
    ar.Int(league.m_nSetsPerGame);
    for (const int rating : league.m_nMinRatingOfficial) {
        ar.Int(rating);
    }
    for (const int rating : league.m_nMaxRatingOfficial) {
        ar.Int(rating);
    }
    WriteIndexedContainer(ar, league.Teams());
    WriteContainer(ar, league.Table());
    WriteContainer(ar, league.PreferredTimes());
    WriteContainer(ar, league.Holidays());
    WriteContainer(ar, league.UnscheduledList());
}

void ReadTeam(cArchiveIn& ar, cTeam& team)
{
    ReadIndexedPart(ar, team);
    team.m_strClub = ar.Text();
    team.m_nDayOff = ar.Int();
    team.m_nBonusPoints = Clamp(ar.Int(), -999, 999);
    ReadContainer(ar, team.HomeGrounds(), kHomeGroundClass);
    ReadContainer(ar, team.Holidays(), kIllDateClass);
    ReadContainer(ar, team.TeamConflicts(), kIllTeamClass);
    ReadContainer(ar, team.PreferredTimes(), kPreferredTimeClass);
}

void WriteTeam(cArchiveOut& ar, const cTeam& team)
{
    WriteIndexedPart(ar, team);
    ar.Text(team.m_strClub);
    ar.Int(team.m_nDayOff);
    ar.Int(team.m_nBonusPoints);
    WriteContainer(ar, team.HomeGrounds());
    WriteContainer(ar, team.Holidays());
    WriteContainer(ar, team.TeamConflicts());
    WriteContainer(ar, team.PreferredTimes());
}

void ReadHomeGround(cArchiveIn& ar, cHomeGround& ground)
{
    ReadDbItemPart(ar, ground);
    ground.m_nCourt = ar.Int();
    ground.m_nWeekday = ar.Int();
    ground.m_nStart = ar.Int();
    ground.m_nEnd = ar.Int();
}

void WriteHomeGround(cArchiveOut& ar, const cHomeGround& ground)
{
    WriteDbItemPart(ar, ground);
    ar.Int(ground.m_nCourt);
    ar.Int(ground.m_nWeekday);
    ar.Int(ground.m_nStart);
    ar.Int(ground.m_nEnd);
}

void ReadIllDate(cArchiveIn& ar, cIllDate& holiday)
{
    ReadDbItemPart(ar, holiday);
    holiday.m_tStart = ar.Int();
    holiday.m_tEnd = ar.Int();
}

void WriteIllDate(cArchiveOut& ar, const cIllDate& holiday)
{
    WriteDbItemPart(ar, holiday);
    ar.Int(ToInt32(holiday.m_tStart));
    ar.Int(ToInt32(holiday.m_tEnd));
}

void ReadIllTeam(cArchiveIn& ar, cIllTeam& conflict)
{
    ReadDbItemPart(ar, conflict);
    conflict.m_nLeague = ar.Int();
    conflict.m_nTeam = ar.Int();
    conflict.m_bTwinTeam = ar.Int();
}

void WriteIllTeam(cArchiveOut& ar, const cIllTeam& conflict)
{
    WriteDbItemPart(ar, conflict);
    ar.Int(conflict.m_nLeague);
    ar.Int(conflict.m_nTeam);
    ar.Int(conflict.m_bTwinTeam);
}

void ReadPreferredTime(cArchiveIn& ar, cPreferredTime& time)
{
    ReadDbItemPart(ar, time);
    time.m_nWeekday = ar.Int();
    time.m_nStart = ar.Int();
    time.m_nEnd = ar.Int();
}

void WritePreferredTime(cArchiveOut& ar, const cPreferredTime& time)
{
    WriteDbItemPart(ar, time);
    ar.Int(time.m_nWeekday);
    ar.Int(time.m_nStart);
    ar.Int(time.m_nEnd);
}

void ReadReferee(cArchiveIn& ar, cReferee& official)
{
    ReadIndexedPart(ar, official);
    official.m_strClubOfficial = ar.Text();
    official.m_nRating = ar.Int();
    official.m_nMaxGames = ar.Int();
    official.m_nMaxSubsequent = ar.Int();
    official.m_nGames = ar.Int();
    official.m_nDayOff1 = ar.Int();
    official.m_nDayOff2 = ar.Int();
    ReadContainer(ar, official.Holidays(), kIllDateClass);
    ReadContainer(ar, official.TeamConflicts(), kIllTeamClass);
    ReadContainer(ar, official.PreferredTimes(), kPreferredTimeClass);
}

void WriteReferee(cArchiveOut& ar, const cReferee& official)
{
    WriteIndexedPart(ar, official);
    ar.Text(official.m_strClubOfficial);
    ar.Int(official.m_nRating);
    ar.Int(official.m_nMaxGames);
    ar.Int(official.m_nMaxSubsequent);
    ar.Int(official.m_nGames);
    ar.Int(official.m_nDayOff1);
    ar.Int(official.m_nDayOff2);
    WriteContainer(ar, official.Holidays());
    WriteContainer(ar, official.TeamConflicts());
    WriteContainer(ar, official.PreferredTimes());
}

void ReadUnscheduledMatch(cArchiveIn& ar, cUnscheduledMatch& match)
{
    ReadDbItemPart(ar, match);
    const int league = ar.Int();
    const int home = ar.Int();
    const int guest = ar.Int();
    const int round = ar.Int();
    const int number = ar.Int();
    match.SetStored(league, home, guest, round, number);
}

void WriteUnscheduledMatch(cArchiveOut& ar, const cUnscheduledMatch& match)
{
    WriteDbItemPart(ar, match);
    ar.Int(match.GetLeague());
    ar.Int(match.GetHomeTeam());
    ar.Int(match.GetGuestTeam());
    ar.Int(match.GetRound());
    ar.Int(match.GetNumber());
}

void ReadMatch(cArchiveIn& ar, cMatch& match)
{
    ReadDbItemPart(ar, match);
    match.m_nLeague = ar.Int();
    match.m_nHomeTeam = ar.Int();
    match.m_nGuestTeam = ar.Int();
    match.m_nRound = ar.Int();
    match.m_tStart = ar.Int();
    match.m_tEnd = ar.Int();
    match.m_nCourt = ar.Int();
    match.m_nNumber = ar.Int();
    match.m_bByHand = ar.AtLeast(1.4) ? ar.Int() : 1;
    for (int& official : match.m_nOfficial) {
        official = ar.Int();
    }
}

void WriteMatch(cArchiveOut& ar, const cMatch& match)
{
    WriteDbItemPart(ar, match);
    ar.Int(match.m_nLeague);
    ar.Int(match.m_nHomeTeam);
    ar.Int(match.m_nGuestTeam);
    ar.Int(match.m_nRound);
    ar.Int(ToInt32(match.m_tStart));
    ar.Int(ToInt32(match.m_tEnd));
    ar.Int(match.m_nCourt);
    ar.Int(match.m_nNumber);
    ar.Int(match.m_bByHand);
    for (const int official : match.m_nOfficial) {
        ar.Int(official);
    }
}

void ReadPlayoffMatch(cArchiveIn& ar, cPlayoffMatch& match)
{
    ReadMatch(ar, match);
    match.m_strHomeTeam = ar.Text();
    match.m_strGuestTeam = ar.Text();
    match.m_strNumber = ar.Text();
}

void WritePlayoffMatch(cArchiveOut& ar, const cPlayoffMatch& match)
{
    WriteMatch(ar, match);
    ar.Text(match.m_strHomeTeam);
    ar.Text(match.m_strGuestTeam);
    ar.Text(match.m_strNumber);
}

void ReadResult(cArchiveIn& ar, cResult& result)
{
    ReadDbItemPart(ar, result);
    result.m_nLeague = ar.Int();
    result.m_nHomeTeam = ar.Int();
    result.m_nGuestTeam = ar.Int();
    result.m_nRound = ar.Int();
    for (int i = 0; i < cResult::kScores; ++i) {
        result.m_nHomeScore[static_cast<std::size_t>(i)] = Clamp(ar.Int(), -kMaxScore, kMaxScore);
        result.m_nGuestScore[static_cast<std::size_t>(i)] = Clamp(ar.Int(), -kMaxScore, kMaxScore);
    }
    result.m_bPlayed = ar.Int();
    result.m_bHomeDisqualified = ar.Int();
    result.m_bGuestDisqualified = ar.Int();
}

void WriteResult(cArchiveOut& ar, const cResult& result)
{
    WriteDbItemPart(ar, result);
    ar.Int(result.m_nLeague);
    ar.Int(result.m_nHomeTeam);
    ar.Int(result.m_nGuestTeam);
    ar.Int(result.m_nRound);
    for (int i = 0; i < cResult::kScores; ++i) {
        ar.Int(result.m_nHomeScore[static_cast<std::size_t>(i)]);
        ar.Int(result.m_nGuestScore[static_cast<std::size_t>(i)]);
    }
    ar.Int(result.m_bPlayed);
    ar.Int(result.m_bHomeDisqualified);
    ar.Int(result.m_bGuestDisqualified);
}

void ReadTableItem(cArchiveIn& ar, cTableItem& row)
{
    ReadDbItemPart(ar, row);
    row.m_nPosition = ar.Int();
    row.m_nTeam = ar.Int();
    for (int* field :
         {&row.m_nHomeWins, &row.m_nHomeDraws, &row.m_nHomeLosses, &row.m_nHomeDisq, &row.m_nHomeScored,
          &row.m_nHomeConceded, &row.m_nHomeSetScored, &row.m_nHomeSetConceded, &row.m_nAwayWins,
          &row.m_nAwayDraws, &row.m_nAwayLosses, &row.m_nAwayDisq, &row.m_nAwayScored, &row.m_nAwayConceded,
          &row.m_nAwaySetScored, &row.m_nAwaySetConceded}) {
        *field = Clamp(ar.Int(), -kMaxTableCount, kMaxTableCount);
    }
}

void WriteTableItem(cArchiveOut& ar, const cTableItem& row)
{
    WriteDbItemPart(ar, row);
    ar.Int(row.m_nPosition);
    ar.Int(row.m_nTeam);
    for (const int field :
         {row.m_nHomeWins, row.m_nHomeDraws, row.m_nHomeLosses, row.m_nHomeDisq, row.m_nHomeScored,
          row.m_nHomeConceded, row.m_nHomeSetScored, row.m_nHomeSetConceded, row.m_nAwayWins,
          row.m_nAwayDraws, row.m_nAwayLosses, row.m_nAwayDisq, row.m_nAwayScored, row.m_nAwayConceded,
          row.m_nAwaySetScored, row.m_nAwaySetConceded}) {
        ar.Int(field);
    }
}

namespace {

void WriteItem(cArchiveOut& ar, const cDbItem& item)
{
    const std::string_view name = item.GetRuntimeClass();
    ar.WriteObjectHeader(name);
    if (name == "cCourt") {
        WriteCourt(ar, static_cast<const cCourt&>(item));
    } else if (name == "cUnusedTime") {
        WriteUnusedTime(ar, static_cast<const cUnusedTime&>(item));
    } else if (name == "cLeague") {
        WriteLeague(ar, static_cast<const cLeague&>(item));
    } else if (name == "cTeam") {
        WriteTeam(ar, static_cast<const cTeam&>(item));
    } else if (name == "cHomeGround") {
        WriteHomeGround(ar, static_cast<const cHomeGround&>(item));
    } else if (name == "cIllDate") {
        WriteIllDate(ar, static_cast<const cIllDate&>(item));
    } else if (name == "cIllTeam") {
        WriteIllTeam(ar, static_cast<const cIllTeam&>(item));
    } else if (name == "cPreferredTime") {
        WritePreferredTime(ar, static_cast<const cPreferredTime&>(item));
    } else if (name == "cReferee") {
        WriteReferee(ar, static_cast<const cReferee&>(item));
    } else if (name == "cUnscheduledMatch") {
        WriteUnscheduledMatch(ar, static_cast<const cUnscheduledMatch&>(item));
    } else if (name == "cMatch") {
        WriteMatch(ar, static_cast<const cMatch&>(item));
    } else if (name == "cPlayoffMatch") {
        WritePlayoffMatch(ar, static_cast<const cPlayoffMatch&>(item));
    } else if (name == "cResult") {
        WriteResult(ar, static_cast<const cResult&>(item));
    } else if (name == "cTableItem") {
        WriteTableItem(ar, static_cast<const cTableItem&>(item));
    }
}

void ReadPrintFont(cArchiveIn& ar, cLogFont& font)
{
    font.lfHeight = ar.Int();
    font.lfWidth = ar.Int();
    font.lfEscapement = ar.Int();
    font.lfOrientation = ar.Int();
    font.lfWeight = ar.Int();
    font.lfItalic = ar.Byte();
    font.lfUnderline = ar.Byte();
    font.lfStrikeOut = ar.Byte();
    font.lfCharSet = ar.Byte();
    font.lfOutPrecision = ar.Byte();
    font.lfClipPrecision = ar.Byte();
    font.lfQuality = ar.Byte();
    font.lfPitchAndFamily = ar.Byte();
    font.lfFaceName = ar.Text();
}

void WritePrintFont(cArchiveOut& ar, const cLogFont& font)
{
    ar.Int(font.lfHeight);
    ar.Int(font.lfWidth);
    ar.Int(font.lfEscapement);
    ar.Int(font.lfOrientation);
    ar.Int(font.lfWeight);
    for (const std::uint8_t b :
         {font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision,
          font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily}) {
        ar.Byte(b);
    }
    ar.Text(font.lfFaceName);
}

} // namespace

double ReadVersion(std::string_view bytes)
{
    cArchiveIn ar(bytes);
    cLogFont font;
    ReadPrintFont(ar, font);
    (void)ar.Dword();
    const double version = ar.Double();
    return ar.Failed() ? -1.0 : version;
}

eReadStatus ReadDatabase(std::string_view bytes, cDatabase& db, cUserPrompt& prompt)
{
    cArchiveIn ar(bytes);
    ar.m_nIndexBudget = (std::size_t{1} << 20) + bytes.size();
    ReadPrintFont(ar, db.m_lfPrintFont);
    db.m_crPrintColor = ar.Dword();
    const double version = ar.Double();
    if (ar.Failed() || !std::isfinite(version) || version < 1.0 - 1e-6) {
        return eReadStatus::kDamaged;
    }
    ar.m_fVersion = version;
    if (ar.AtLeast(1.1)) {
        (void)ar.Int();
    }
    if (ar.AtLeast(2.2)) {
        db.m_strScheduleHeading = ar.Text();
        db.m_strTableHeading = ar.Text();
    }
    if (version > kCurrentVersion + 1e-6) {
        prompt.ShowMessage(IDS_NEWER_VERSION);
        return eReadStatus::kNewerVersion;
    }
    if (ar.Failed()) {
        return eReadStatus::kDamaged;
    }
    if (version < kCurrentVersion - 1e-6 && !prompt.AskYesNo(IDS_CONVERT_OLD_VERSION)) {
        return eReadStatus::kDeclinedVersion;
    }
    if (ar.AtLeast(2.1)) {
        ar.SkipText();
        ar.SkipText();
    }
    db.m_tCreated = ar.Int();
    db.m_tModified = ar.Int();
    db.m_strComments = ar.Text();
    db.m_strAuthor = ar.Text();
    db.m_nLanguage = ar.Int();
    db.m_nDateFormat = ar.Int();
    if (ar.AtLeast(1.6)) {
        db.m_bAutoBackup = ar.Int();
        db.m_nBackupMinutes = ar.Int();
    }
    ar.SkipText();
    for (int* field :
         {&db.m_nSchedConflictMargin, &db.m_nOfficialsPerGame, &db.m_nMinDaysBetweenGames,
          &db.m_nMaxSubsequentGames, &db.m_nConflictMargin, &db.m_bSchedIgnoreCourtRatings,
          &db.m_bSchedIgnoreHomeGrounds, &db.m_bSchedIgnoreTeamConflicts, &db.m_bSchedIgnoreHolidays,
          &db.m_bSchedIgnoreWeekdays, &db.m_bSchedIgnoreMinDays, &db.m_bSchedIgnoreLatestStart,
          &db.m_bIgnoreClub, &db.m_bIgnoreRatings, &db.m_bIgnoreTeamConflicts, &db.m_bIgnoreHolidays,
          &db.m_bIgnoreDaysOff, &db.m_bSchedIgnorePreferredTime, &db.m_bIgnorePreferredTime}) {
        *field = ar.Int();
    }
    ReadTableSettings(ar, db.m_tableSettings);
    db.m_nScheduleLayout = ar.Int();
    db.m_nScheduleSorting = ar.Int();
    db.m_bNumberBeforeTime = ar.Int();
    if (ar.AtLeast(2.6)) {
        db.m_bNumberAfterTime = ar.Int();
    }
    for (int* field : {&db.m_bTableBallDiff, &db.m_bTableDisqualified, &db.m_bTableDrawn, &db.m_bTablePlayed,
                       &db.m_bTableLost, &db.m_bTablePoints, &db.m_bTableRank, &db.m_bTableResults,
                       &db.m_bTableScoreDiff, &db.m_bTableRatio, &db.m_bTableWon}) {
        *field = ar.Int();
    }
    (void)ar.Int();
    if (ar.AtLeast(1.3)) {
        (void)ar.Int();
        db.m_nLeagueFilter = ar.Int();
    }
    if (ar.AtLeast(1.4)) {
        (void)ar.Int();
        db.m_nCourtFilter = ar.Int();
    }
    if (ar.AtLeast(2.0)) {
        db.m_nPlayoffCounter = ar.Int();
    }
    if (ar.AtLeast(2.3)) {
        db.m_strScheduleTemplate = ar.Text();
        db.m_strTableTemplate = ar.Text();
    }
    ReadIndexedContainer(ar, db.Courts(), kCourtClass);
    ReadContainer(ar, db.CourtTime(), kUnusedTimeClass);
    ReadIndexedContainer(ar, db.Leagues(), kLeagueClass);
    ReadIndexedContainer(ar, db.Officials(), kRefereeClass);
    ReadContainer(ar, db.Unscheduled(), kUnscheduledClass);
    ReadContainer(ar, db.Scheduled(), kMatchClass | kPlayoffClass);
    ReadContainer(ar, db.Results(), kResultClass);
    if (ar.Failed()) {
        return eReadStatus::kDamaged;
    }
    LinkResults(db);
    for (cTournelDb* container : {static_cast<cTournelDb*>(&db.Courts()), &db.CourtTime(), &db.Unscheduled(),
                                  &db.Scheduled(), &db.Results()}) {
        container->m_bUpToDate = 0;
    }
    return eReadStatus::kOk;
}

std::string WriteDatabase(const cDatabase& db)
{
    cArchiveOut ar;
    WritePrintFont(ar, db.m_lfPrintFont);
    ar.Dword(db.m_crPrintColor);
    ar.Double(kCurrentVersion);
    ar.Int(0);
    ar.Text(db.m_strScheduleHeading);
    ar.Text(db.m_strTableHeading);
    ar.Text("");
    ar.Text("");
    ar.Int(ToInt32(db.m_tCreated));
    ar.Int(ToInt32(db.m_tModified));
    ar.Text(db.m_strComments);
    ar.Text(db.m_strAuthor);
    ar.Int(db.m_nLanguage);
    ar.Int(db.m_nDateFormat);
    ar.Int(db.m_bAutoBackup);
    ar.Int(db.m_nBackupMinutes);
    ar.Text("");
    for (const int field :
         {db.m_nSchedConflictMargin, db.m_nOfficialsPerGame, db.m_nMinDaysBetweenGames,
          db.m_nMaxSubsequentGames, db.m_nConflictMargin, db.m_bSchedIgnoreCourtRatings,
          db.m_bSchedIgnoreHomeGrounds, db.m_bSchedIgnoreTeamConflicts, db.m_bSchedIgnoreHolidays,
          db.m_bSchedIgnoreWeekdays, db.m_bSchedIgnoreMinDays, db.m_bSchedIgnoreLatestStart, db.m_bIgnoreClub,
          db.m_bIgnoreRatings, db.m_bIgnoreTeamConflicts, db.m_bIgnoreHolidays, db.m_bIgnoreDaysOff,
          db.m_bSchedIgnorePreferredTime, db.m_bIgnorePreferredTime}) {
        ar.Int(field);
    }
    WriteTableSettings(ar, db.m_tableSettings);
    ar.Int(db.m_nScheduleLayout);
    ar.Int(db.m_nScheduleSorting);
    ar.Int(db.m_bNumberBeforeTime);
    ar.Int(db.m_bNumberAfterTime);
    for (const int field : {db.m_bTableBallDiff, db.m_bTableDisqualified, db.m_bTableDrawn, db.m_bTablePlayed,
                            db.m_bTableLost, db.m_bTablePoints, db.m_bTableRank, db.m_bTableResults,
                            db.m_bTableScoreDiff, db.m_bTableRatio, db.m_bTableWon}) {
        ar.Int(field);
    }
    ar.Int(0);
    ar.Int(0);
    ar.Int(db.m_nLeagueFilter);
    ar.Int(0);
    ar.Int(db.m_nCourtFilter);
    ar.Int(db.m_nPlayoffCounter);
    ar.Text(db.m_strScheduleTemplate);
    ar.Text(db.m_strTableTemplate);
    WriteIndexedContainer(ar, db.Courts());
    WriteContainer(ar, db.CourtTime());
    WriteIndexedContainer(ar, db.Leagues());
    WriteIndexedContainer(ar, db.Officials());
    WriteContainer(ar, db.Unscheduled());
    WriteContainer(ar, db.Scheduled());
    WriteContainer(ar, db.Results());
    return ar.Data();
}
