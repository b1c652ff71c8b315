#include "model/cLeagueValues.h"

#include "model/ItemEdit.h"
#include "model/Strings.h"
#include "model/Text.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cUserPrompt.h"
#include "model/cValidation.h"

namespace {

void Store(cLeague& league, const cLeagueValues& values, bool keepRounds)
{
    league.m_strShortName = Trim(values.shortName);
    league.m_strName = Trim(values.fullName);
    if (!keepRounds) {
        league.m_nRounds = values.rounds;
    }
    league.m_nSetsPerGame = values.setsPerGame;
    league.m_nMatchReduction = values.matchReduction;
    league.m_nMatchesPerDay = values.matchesPerDay;
    league.m_nMinOfficialRating = values.minOfficialRating;
    league.m_nMaxOfficialRating = values.maxOfficialRating;
    league.m_nMinCourtRating = values.minCourtRating;
    league.m_nMaxCourtRating = values.maxCourtRating;
    league.m_nGameDuration = values.gameDuration;
    league.m_nLatestStart = values.latestStart;
    league.m_tsRestSameTeam = values.RestSameTeam();
    league.m_tsRestSamePair = values.RestSamePair();
}

bool HasMatchAboveRound(const cDatabase& db, int league, int rounds)
{
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (!match.IsPlayoff() && match.m_nLeague == league && match.m_nRound > rounds) {
            return true;
        }
    }
    return false;
}

} // namespace

cLeagueValues cLeagueValues::FromItem(const cLeague& league)
{
    cLeagueValues values;
    values.shortName = league.m_strShortName;
    values.fullName = league.m_strName;
    values.rounds = league.m_nRounds;
    values.setsPerGame = league.m_nSetsPerGame;
    values.matchReduction = league.m_nMatchReduction;
    values.matchesPerDay = league.m_nMatchesPerDay;
    values.minOfficialRating = league.m_nMinOfficialRating;
    values.maxOfficialRating = league.m_nMaxOfficialRating;
    values.minCourtRating = league.m_nMinCourtRating;
    values.maxCourtRating = league.m_nMaxCourtRating;
    values.gameDuration = league.m_nGameDuration;
    values.latestStart = league.m_nLatestStart;
    const int team = league.m_tsRestSameTeam;
    values.restTeamDays = team / 86400;
    values.restTeamHours = team % 86400 / 3600;
    values.restTeamMinutes = team % 3600 / 60;
    const int pair = league.m_tsRestSamePair;
    values.restPairDays = pair / 86400;
    values.restPairHours = pair % 86400 / 3600;
    values.restPairMinutes = pair % 3600 / 60;
    return values;
}

cValidation Validate(const cLeagueValues& values, const cDatabase& db, const cLeague* editing)
{
    using F = cLeagueValues;
    if (auto error = CheckText(values.shortName, IDS_LEAGUE_NEEDS_SHORT_NAME, F::kShortName)) {
        return error;
    }
    if (auto error = CheckText(values.fullName, IDS_LEAGUE_NEEDS_NAME, F::kFullName)) {
        return error;
    }
    struct cRange
    {
        int value;
        int low;
        int high;
        int field;
    };
    const cRange before[] = {
        {values.rounds, 1, 999, F::kRounds},
        {values.setsPerGame, 1, 7, F::kSetsPerGame},
        {values.matchReduction, 0, 98, F::kMatchReduction},
    };
    for (const cRange& range : before) {
        if (auto error = CheckRange(range.value, range.low, range.high, range.field)) {
            return error;
        }
    }
    if (RequireEven(values.matchReduction) != 0) {
        return MakeValidationError(IDS_ENTER_EVEN_NUMBER, F::kMatchReduction);
    }
    const cRange after[] = {
        {values.matchesPerDay, 1, 99, F::kMatchesPerDay},
        {values.minOfficialRating, 1, 9, F::kMinOfficialRating},
        {values.maxOfficialRating, 1, 9, F::kMaxOfficialRating},
        {values.minCourtRating, 1, 9, F::kMinCourtRating},
        {values.maxCourtRating, 1, 9, F::kMaxCourtRating},
        {values.gameDuration, 1, 1440, F::kGameDuration},
        {values.latestStart, 0, 2400, F::kLatestStart},
        {values.restTeamDays, 0, 365, F::kRestTeamDays},
        {values.restTeamHours, 0, 23, F::kRestTeamHours},
        {values.restTeamMinutes, 0, 59, F::kRestTeamMinutes},
        {values.restPairDays, 0, 365, F::kRestPairDays},
        {values.restPairHours, 0, 23, F::kRestPairHours},
        {values.restPairMinutes, 0, 59, F::kRestPairMinutes},
    };
    for (const cRange& range : after) {
        if (auto error = CheckRange(range.value, range.low, range.high, range.field)) {
            return error;
        }
    }
    const std::string shortName = Trim(values.shortName);
    const std::string fullName = Trim(values.fullName);
    if (FindOtherItem(db.Leagues(), shortName, editing, 1) != nullptr) {
        return MakeValidationError(IDS_SHORT_NAME_UNIQUE, F::kShortName);
    }
    if (FindOtherItem(db.Leagues(), fullName, editing, 1) != nullptr) {
        return MakeValidationError(IDS_NAME_UNIQUE, F::kFullName);
    }
    if (!IsValidClockTime(values.latestStart)) {
        return MakeValidationError(IDS_LATEST_START_INVALID, F::kLatestStart);
    }
    if (values.maxOfficialRating < values.minOfficialRating) {
        return MakeValidationError(IDS_OFFICIAL_RATING_ORDER, F::kMaxOfficialRating);
    }
    if (values.maxCourtRating < values.minCourtRating) {
        return MakeValidationError(IDS_COURT_RATING_ORDER, F::kMaxCourtRating);
    }
    return std::nullopt;
}

cLeague& InsertLeague(cDatabase& db, const cLeagueValues& values)
{
    auto owned = std::make_unique<cLeague>();
    Store(*owned, values, false);
    auto& league = static_cast<cLeague&>(db.Leagues().AddIndexedItem(std::move(owned), true, -1));
    league.ComputeRatingBands(db.m_nOfficialsPerGame);
    return league;
}

cLeagueEdit ApplyLeague(cDatabase& db, cLeague& league, const cLeagueValues& values)
{
    cLeagueEdit edit;
    edit.roundsRefused =
        values.rounds < league.m_nRounds && HasMatchAboveRound(db, league.m_nIndex, values.rounds);
    const int oldRounds = league.m_nRounds;
    const int oldReduction = league.m_nMatchReduction;
    EditItemInPlace(db, league, [&](cLeague& item) { Store(item, values, edit.roundsRefused); });
    if (league.m_nRounds != oldRounds || league.m_nMatchReduction != oldReduction) {
        db.Unscheduled().m_bUpToDate = 0;
    }
    league.ComputeRatingBands(db.m_nOfficialsPerGame);
    if (edit.roundsRefused) {
        db.Prompt().ShowMessage(IDS_CANNOT_REDUCE_ROUNDS);
    }
    return edit;
}
