#include "cli/DumpJson.h"

#include "document/CTournelDoc.h"
#include "model/cCourt.h"
#include "model/cHomeGround.h"
#include "model/cIllDate.h"
#include "model/cIllTeam.h"
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

using json = nlohmann::ordered_json;

namespace {

json Item(const cDbItem& item);

json Items(const cTournelDb& container)
{
    json items = json::array();
    for (const cDbItem& item : container.AllItems<cDbItem>()) {
        items.push_back(Item(item));
    }
    return items;
}

void Indexed(json& out, const cIndexedDbItem& item)
{
    out["m_nIndex"] = item.m_nIndex;
    out["m_strName"] = item.m_strName;
    out["m_strShortName"] = item.m_strShortName;
}

void MatchFields(json& out, const cMatch& match)
{
    out["m_nLeague"] = match.m_nLeague;
    out["m_nHomeTeam"] = match.m_nHomeTeam;
    out["m_nGuestTeam"] = match.m_nGuestTeam;
    out["m_nRound"] = match.m_nRound;
    out["m_tStart"] = match.m_tStart;
    out["m_tEnd"] = match.m_tEnd;
    out["m_nCourt"] = match.m_nCourt;
    out["m_nNumber"] = match.m_nNumber;
    out["m_bByHand"] = match.m_bByHand;
    out["m_nOfficial"] = match.m_nOfficial;
}

json Item(const cDbItem& item)
{
    const std::string_view name = item.GetRuntimeClass();
    json out;
    out["class"] = name;
    out["m_bFiltered"] = item.m_bFiltered;
    out["m_bMarked"] = item.m_bMarked;
    out["m_bHidden"] = item.m_bHidden;
    if (name == "cCourt") {
        const auto& court = static_cast<const cCourt&>(item);
        Indexed(out, court);
        out["m_nReserved1"] = court.m_nReserved1;
        out["m_nReserved2"] = court.m_nReserved2;
        out["m_bReservedHomeGround"] = court.m_bReservedHomeGround;
        out["m_nRating"] = court.m_nRating;
    } else if (name == "cUnusedTime") {
        const auto& period = static_cast<const cUnusedTime&>(item);
        out["m_nCourt"] = period.m_nCourt;
        out["m_tStart"] = period.m_tStart;
        out["m_tEnd"] = period.m_tEnd;
    } else if (name == "cLeague") {
        const auto& league = static_cast<const cLeague&>(item);
        Indexed(out, league);
        out["m_nRounds"] = league.m_nRounds;
        out["m_nMatchReduction"] = league.m_nMatchReduction;
        out["m_nMatchesPerDay"] = league.m_nMatchesPerDay;
        out["m_nMinOfficialRating"] = league.m_nMinOfficialRating;
        out["m_nMaxOfficialRating"] = league.m_nMaxOfficialRating;
        out["m_nMinCourtRating"] = league.m_nMinCourtRating;
        out["m_nMaxCourtRating"] = league.m_nMaxCourtRating;
        out["m_nGameDuration"] = league.m_nGameDuration;
        out["m_tsRestSameTeam"] = league.m_tsRestSameTeam;
        out["m_tsRestSamePair"] = league.m_tsRestSamePair;
        out["m_nLatestStart"] = league.m_nLatestStart;
        out["m_nLastMatchNumber"] = league.m_nLastMatchNumber;
        out["m_nSetsPerGame"] = league.m_nSetsPerGame;
        out["m_nMinRatingOfficial"] = league.m_nMinRatingOfficial;
        out["m_nMaxRatingOfficial"] = league.m_nMaxRatingOfficial;
        out["teams"] = Items(league.Teams());
        out["table"] = Items(league.Table());
        out["preferredTimes"] = Items(league.PreferredTimes());
        out["holidays"] = Items(league.Holidays());
        out["unscheduledList"] = Items(league.UnscheduledList());
    } else if (name == "cTeam") {
        const auto& team = static_cast<const cTeam&>(item);
        Indexed(out, team);
        out["m_strClub"] = team.m_strClub;
        out["m_nDayOff"] = team.m_nDayOff;
        out["m_nBonusPoints"] = team.m_nBonusPoints;
        out["homeGrounds"] = Items(team.HomeGrounds());
        out["holidays"] = Items(team.Holidays());
        out["teamConflicts"] = Items(team.TeamConflicts());
        out["preferredTimes"] = Items(team.PreferredTimes());
    } else if (name == "cHomeGround") {
        const auto& ground = static_cast<const cHomeGround&>(item);
        out["m_nCourt"] = ground.m_nCourt;
        out["m_nWeekday"] = ground.m_nWeekday;
        out["m_nStart"] = ground.m_nStart;
        out["m_nEnd"] = ground.m_nEnd;
    } else if (name == "cIllDate") {
        const auto& holiday = static_cast<const cIllDate&>(item);
        out["m_tStart"] = holiday.m_tStart;
        out["m_tEnd"] = holiday.m_tEnd;
    } else if (name == "cIllTeam") {
        const auto& conflict = static_cast<const cIllTeam&>(item);
        out["m_nLeague"] = conflict.m_nLeague;
        out["m_nTeam"] = conflict.m_nTeam;
        out["m_bTwinTeam"] = conflict.m_bTwinTeam;
    } else if (name == "cPreferredTime") {
        const auto& time = static_cast<const cPreferredTime&>(item);
        out["m_nWeekday"] = time.m_nWeekday;
        out["m_nStart"] = time.m_nStart;
        out["m_nEnd"] = time.m_nEnd;
    } else if (name == "cReferee") {
        const auto& official = static_cast<const cReferee&>(item);
        Indexed(out, official);
        out["m_strClubOfficial"] = official.m_strClubOfficial;
        out["m_nRating"] = official.m_nRating;
        out["m_nMaxGames"] = official.m_nMaxGames;
        out["m_nMaxSubsequent"] = official.m_nMaxSubsequent;
        out["m_nGames"] = official.m_nGames;
        out["m_nDayOff1"] = official.m_nDayOff1;
        out["m_nDayOff2"] = official.m_nDayOff2;
        out["holidays"] = Items(official.Holidays());
        out["teamConflicts"] = Items(official.TeamConflicts());
        out["preferredTimes"] = Items(official.PreferredTimes());
    } else if (name == "cUnscheduledMatch") {
        const auto& match = static_cast<const cUnscheduledMatch&>(item);
        out["m_nLeague"] = match.GetLeague();
        out["m_nHomeTeam"] = match.GetHomeTeam();
        out["m_nGuestTeam"] = match.GetGuestTeam();
        out["m_nRound"] = match.GetRound();
        out["m_nNumber"] = match.GetNumber();
    } else if (name == "cMatch") {
        MatchFields(out, static_cast<const cMatch&>(item));
    } else if (name == "cPlayoffMatch") {
        const auto& match = static_cast<const cPlayoffMatch&>(item);
        MatchFields(out, match);
        out["m_strHomeTeam"] = match.m_strHomeTeam;
        out["m_strGuestTeam"] = match.m_strGuestTeam;
        out["m_strNumber"] = match.m_strNumber;
    } else if (name == "cResult") {
        const auto& result = static_cast<const cResult&>(item);
        out["m_nLeague"] = result.m_nLeague;
        out["m_nHomeTeam"] = result.m_nHomeTeam;
        out["m_nGuestTeam"] = result.m_nGuestTeam;
        out["m_nRound"] = result.m_nRound;
        out["m_nHomeScore"] = result.m_nHomeScore;
        out["m_nGuestScore"] = result.m_nGuestScore;
        out["m_bPlayed"] = result.m_bPlayed;
        out["m_bHomeDisqualified"] = result.m_bHomeDisqualified;
        out["m_bGuestDisqualified"] = result.m_bGuestDisqualified;
    } else if (name == "cTableItem") {
        const auto& row = static_cast<const cTableItem&>(item);
        out["m_nPosition"] = row.m_nPosition;
        out["m_nTeam"] = row.m_nTeam;
        out["m_nHomeWins"] = row.m_nHomeWins;
        out["m_nHomeDraws"] = row.m_nHomeDraws;
        out["m_nHomeLosses"] = row.m_nHomeLosses;
        out["m_nHomeDisq"] = row.m_nHomeDisq;
        out["m_nHomeScored"] = row.m_nHomeScored;
        out["m_nHomeConceded"] = row.m_nHomeConceded;
        out["m_nHomeSetScored"] = row.m_nHomeSetScored;
        out["m_nHomeSetConceded"] = row.m_nHomeSetConceded;
        out["m_nAwayWins"] = row.m_nAwayWins;
        out["m_nAwayDraws"] = row.m_nAwayDraws;
        out["m_nAwayLosses"] = row.m_nAwayLosses;
        out["m_nAwayDisq"] = row.m_nAwayDisq;
        out["m_nAwayScored"] = row.m_nAwayScored;
        out["m_nAwayConceded"] = row.m_nAwayConceded;
        out["m_nAwaySetScored"] = row.m_nAwaySetScored;
        out["m_nAwaySetConceded"] = row.m_nAwaySetConceded;
    }
    return out;
}

json Document(const CTournelDoc& doc)
{
    json out;
    const cLogFont& font = doc.m_lfPrintFont;
    out["m_lfPrintFont"] = {{"lfHeight", font.lfHeight},
                            {"lfWidth", font.lfWidth},
                            {"lfEscapement", font.lfEscapement},
                            {"lfOrientation", font.lfOrientation},
                            {"lfWeight", font.lfWeight},
                            {"lfItalic", font.lfItalic},
                            {"lfUnderline", font.lfUnderline},
                            {"lfStrikeOut", font.lfStrikeOut},
                            {"lfCharSet", font.lfCharSet},
                            {"lfOutPrecision", font.lfOutPrecision},
                            {"lfClipPrecision", font.lfClipPrecision},
                            {"lfQuality", font.lfQuality},
                            {"lfPitchAndFamily", font.lfPitchAndFamily},
                            {"lfFaceName", font.lfFaceName}};
    out["m_crPrintColor"] = doc.m_crPrintColor;
    out["m_strScheduleHeading"] = doc.m_strScheduleHeading;
    out["m_strTableHeading"] = doc.m_strTableHeading;
    out["m_tCreated"] = doc.m_tCreated;
    out["m_tModified"] = doc.m_tModified;
    out["m_strComments"] = doc.m_strComments;
    out["m_strAuthor"] = doc.m_strAuthor;
    out["m_nLanguage"] = doc.m_nLanguage;
    out["m_nDateFormat"] = doc.m_nDateFormat;
    out["m_bAutoBackup"] = doc.m_bAutoBackup;
    out["m_nBackupMinutes"] = doc.m_nBackupMinutes;
    out["m_nSchedConflictMargin"] = doc.m_nSchedConflictMargin;
    out["m_nOfficialsPerGame"] = doc.m_nOfficialsPerGame;
    out["m_nMinDaysBetweenGames"] = doc.m_nMinDaysBetweenGames;
    out["m_nMaxSubsequentGames"] = doc.m_nMaxSubsequentGames;
    out["m_nConflictMargin"] = doc.m_nConflictMargin;
    out["m_bSchedIgnoreCourtRatings"] = doc.m_bSchedIgnoreCourtRatings;
    out["m_bSchedIgnoreHomeGrounds"] = doc.m_bSchedIgnoreHomeGrounds;
    out["m_bSchedIgnoreTeamConflicts"] = doc.m_bSchedIgnoreTeamConflicts;
    out["m_bSchedIgnoreHolidays"] = doc.m_bSchedIgnoreHolidays;
    out["m_bSchedIgnoreWeekdays"] = doc.m_bSchedIgnoreWeekdays;
    out["m_bSchedIgnoreMinDays"] = doc.m_bSchedIgnoreMinDays;
    out["m_bSchedIgnoreLatestStart"] = doc.m_bSchedIgnoreLatestStart;
    out["m_bIgnoreClub"] = doc.m_bIgnoreClub;
    out["m_bIgnoreRatings"] = doc.m_bIgnoreRatings;
    out["m_bIgnoreTeamConflicts"] = doc.m_bIgnoreTeamConflicts;
    out["m_bIgnoreHolidays"] = doc.m_bIgnoreHolidays;
    out["m_bIgnoreDaysOff"] = doc.m_bIgnoreDaysOff;
    out["m_bSchedIgnorePreferredTime"] = doc.m_bSchedIgnorePreferredTime;
    out["m_bIgnorePreferredTime"] = doc.m_bIgnorePreferredTime;
    const cTableSettings& table = doc.m_tableSettings;
    out["m_tableSettings"] = {{"m_nPriority", table.m_nPriority},
                              {"m_nCriterionByPriority", table.m_nCriterionByPriority},
                              {"m_nPointsVictory", table.m_nPointsVictory},
                              {"m_nPointsDraw", table.m_nPointsDraw},
                              {"m_nPointsLost", table.m_nPointsLost},
                              {"m_nPointsDisqualified", table.m_nPointsDisqualified},
                              {"m_bIgnoreBonusPoints", table.m_bIgnoreBonusPoints},
                              {"m_bAllowDraws", table.m_bAllowDraws},
                              {"m_nMaxSets", table.m_nMaxSets},
                              {"m_nCriteriaCount", table.m_nCriteriaCount}};
    out["m_nScheduleLayout"] = doc.m_nScheduleLayout;
    out["m_nScheduleSorting"] = doc.m_nScheduleSorting;
    out["m_bNumberBeforeTime"] = doc.m_bNumberBeforeTime;
    out["m_bNumberAfterTime"] = doc.m_bNumberAfterTime;
    out["m_bTableBallDiff"] = doc.m_bTableBallDiff;
    out["m_bTableDisqualified"] = doc.m_bTableDisqualified;
    out["m_bTableDrawn"] = doc.m_bTableDrawn;
    out["m_bTablePlayed"] = doc.m_bTablePlayed;
    out["m_bTableLost"] = doc.m_bTableLost;
    out["m_bTablePoints"] = doc.m_bTablePoints;
    out["m_bTableRank"] = doc.m_bTableRank;
    out["m_bTableResults"] = doc.m_bTableResults;
    out["m_bTableScoreDiff"] = doc.m_bTableScoreDiff;
    out["m_bTableRatio"] = doc.m_bTableRatio;
    out["m_bTableWon"] = doc.m_bTableWon;
    out["m_nLeagueFilter"] = doc.m_nLeagueFilter;
    out["m_nCourtFilter"] = doc.m_nCourtFilter;
    out["m_nPlayoffCounter"] = doc.m_nPlayoffCounter;
    out["m_strScheduleTemplate"] = doc.m_strScheduleTemplate;
    out["m_strTableTemplate"] = doc.m_strTableTemplate;
    return out;
}

} // namespace

json DumpDocument(const CTournelDoc& doc)
{
    json out;
    out["version"] = doc.GetFileVersion();
    out["document"] = Document(doc);
    out["courts"] = Items(doc.Courts());
    out["courtTime"] = Items(doc.CourtTime());
    out["leagues"] = Items(doc.Leagues());
    out["officials"] = Items(doc.Officials());
    out["unscheduled"] = Items(doc.Unscheduled());
    out["scheduled"] = Items(doc.Scheduled());
    out["results"] = Items(doc.Results());
    return out;
}
