#include "model/cDatabase.h"

#include "model/ProgramDirectory.h"
#include "model/Strings.h"
#include "model/cCourt.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTeam.h"
#include "model/cUnusedTime.h"
#include "model/cUserPrompt.h"

#include <ctime>

namespace {

struct cDirectory
{
    int titleId;
    int kind;
    int directoryId;
    int relistOnEdit;
    int readOnly;
};

template <class T>
std::unique_ptr<T> MakeContainer(cDatabase* db, const cDirectory& directory, std::vector<cColumn> columns)
{
    auto container = std::make_unique<T>();
    container->SetDatabase(db);
    container->m_nTitleId = directory.titleId;
    container->m_nKind = directory.kind;
    container->m_nImage = directory.kind;
    container->m_nSelectedImage = directory.kind;
    container->m_nDirectoryId = directory.directoryId;
    container->m_bRelistOnEdit = directory.relistOnEdit;
    container->m_bReadOnly = directory.readOnly;
    container->SetColumns(std::move(columns));
    return container;
}

} // namespace

cDatabase::cDatabase()
{
    ResetSettings();
    CreateContainers();
}

cDatabase::~cDatabase()
{
    DestroyContainers();
}

cUserPrompt& cDatabase::cPromptRelay::Target() const
{
    static cSilentPrompt silent;
    return m_db.m_pPrompt != nullptr ? *m_db.m_pPrompt : silent;
}

void cDatabase::cPromptRelay::Settle(bool waitsForUser) const
{
    if (m_db.m_pListener != nullptr) {
        m_db.m_pListener->BeforePrompt(waitsForUser);
    }
}

void cDatabase::cPromptRelay::ShowMessage(int messageId, std::string_view text)
{
    Settle(true);
    Target().ShowMessage(messageId, text);
}

bool cDatabase::cPromptRelay::AskYesNo(int messageId, std::string_view text)
{
    Settle(true);
    return Target().AskYesNo(messageId, text);
}

void cDatabase::cPromptRelay::BeginProgress(std::string_view title)
{
    Settle(false);
    Target().BeginProgress(title);
}

void cDatabase::cPromptRelay::SetProgress(int percent)
{
    Target().SetProgress(percent);
}

bool cDatabase::cPromptRelay::PollCancel()
{
    Settle(false);
    return Target().PollCancel();
}

void cDatabase::cPromptRelay::EndProgress()
{
    Target().EndProgress();
}

void cDatabase::cPromptRelay::BeginWait(std::string_view text)
{
    Settle(false);
    Target().BeginWait(text);
}

void cDatabase::cPromptRelay::EndWait()
{
    Target().EndWait();
}

void cDatabase::AnnounceReplaced() const
{
    if (m_pListener != nullptr) {
        m_pListener->ContainersReplaced();
    }
}

TimePoint cDatabase::Now() const
{
    if (m_fnClock) {
        return m_fnClock();
    }
    return static_cast<TimePoint>(std::time(nullptr));
}

void cDatabase::ResetSettings()
{
    m_lfPrintFont = cLogFont{};
    m_crPrintColor = 9;
    m_strScheduleHeading = "Schedule for #";
    m_strTableHeading = "Tables and results for #";
    m_tCreated = m_tModified = Now();
    m_strComments.clear();
    m_strAuthor.clear();
    m_nLanguage = kDefaultLanguage;
    m_nDateFormat = 0;
    m_bAutoBackup = 1;
    m_nBackupMinutes = 15;
    m_nSchedConflictMargin = 90;
    m_bSchedIgnoreCourtRatings = m_bSchedIgnoreHomeGrounds = m_bSchedIgnoreTeamConflicts = 0;
    m_bSchedIgnoreHolidays = m_bSchedIgnoreWeekdays = m_bSchedIgnoreMinDays = 0;
    m_bSchedIgnoreLatestStart = m_bSchedIgnorePreferredTime = 0;
    m_nOfficialsPerGame = 2;
    m_nMinDaysBetweenGames = 7;
    m_nMaxSubsequentGames = 2;
    m_nConflictMargin = 90;
    m_bIgnoreClub = m_bIgnoreRatings = m_bIgnoreTeamConflicts = 0;
    m_bIgnoreHolidays = m_bIgnoreDaysOff = m_bIgnorePreferredTime = 0;
    m_tableSettings.SetDefaults();
    m_nScheduleLayout = 0;
    m_nScheduleSorting = 0;
    m_bNumberBeforeTime = 0;
    m_bNumberAfterTime = 0;
    m_bTableBallDiff = 0;
    m_bTableDisqualified = 0;
    m_bTableDrawn = 1;
    m_bTablePlayed = 1;
    m_bTableLost = 1;
    m_bTablePoints = 1;
    m_bTableRank = 1;
    m_bTableResults = 0;
    m_bTableScoreDiff = 1;
    m_bTableRatio = 0;
    m_bTableWon = 1;
    m_strScheduleTemplate = ProgramDirectory() + "/Plain_Template.htm";
    m_strTableTemplate = m_strScheduleTemplate;
    m_nLeagueFilter = -1;
    m_nCourtFilter = -1;
    m_nCurrentDirectory = kDirRoot;
    m_pCurrentContainer = nullptr;
    m_nPlayoffCounter = 0;
}

void cDatabase::CreateContainers()
{
    DestroyContainers();
    m_pCourts = MakeContainer<cIndexedDb>(this, {IDS_COURTS, 1, kDirCourts, 1, 0},
                                          {{IDS_COL_COURT_NAME, 25, kAlignLeft},
                                           {IDS_COL_SHORT_NAME, 12, kAlignLeft},
                                           {IDS_COL_RESERVED, 12, kAlignCenter},
                                           {IDS_COL_RATING, 12, kAlignCenter}});
    m_pCourtTime = MakeContainer<cTournelDb>(this, {IDS_UNUSED_TIME, 2, kDirCourtTime, 1, 0},
                                             {{IDS_COL_WEEKDAY, 11, kAlignLeft},
                                              {IDS_COL_DATE, 13, kAlignLeft},
                                              {IDS_COL_COURT, 8, kAlignLeft},
                                              {IDS_COL_OPENING_TIME, 14, kAlignCenter},
                                              {IDS_COL_CLOSING_TIME, 14, kAlignCenter}});
    m_pLeagues = MakeContainer<cIndexedDb>(this, {IDS_LEAGUES, 3, kDirLeagues, 0, 0},
                                           {{IDS_COL_LEAGUE_NAME, 25, kAlignLeft},
                                            {IDS_COL_SHORT_NAME, 12, kAlignLeft},
                                            {IDS_COL_ROUNDS, 8, kAlignCenter},
                                            {IDS_COL_MATCH_REDUCTION, 9, kAlignCenter},
                                            {IDS_COL_MATCHES_PER_DAY, 14, kAlignCenter},
                                            {IDS_COL_OFFICIAL_RATING, 14, kAlignCenter},
                                            {IDS_COL_COURT_RATING, 11, kAlignCenter},
                                            {IDS_COL_GAME_DURATION, 14, kAlignCenter},
                                            {IDS_COL_SETS_PER_GAME, 10, kAlignCenter},
                                            {IDS_COL_DAYS_OFF, 10, kAlignCenter},
                                            {IDS_COL_DAYS_BEFORE_RETURN, 18, kAlignCenter},
                                            {IDS_COL_LATEST_START, 12, kAlignCenter}});
    m_pOfficials = MakeContainer<cIndexedDb>(this, {IDS_OFFICIALS, 5, kDirOfficials, 1, 0},
                                             {{IDS_COL_OFFICIAL_NAME, 25, kAlignLeft},
                                              {IDS_COL_CLUB, 15, kAlignLeft},
                                              {IDS_COL_RATING, 11, kAlignCenter},
                                              {IDS_COL_MAX_SUBSEQUENT, 18, kAlignCenter},
                                              {IDS_COL_MAX_GAMES, 18, kAlignCenter},
                                              {IDS_COL_GAMES, 14, kAlignCenter},
                                              {IDS_COL_FIRST_DAY_OFF, 13, kAlignLeft},
                                              {IDS_COL_SECOND_DAY_OFF, 13, kAlignLeft}});
    m_pUnscheduled = MakeContainer<cTournelDb>(this, {IDS_UNSCHEDULED_MATCHES, 7, kDirUnscheduled, 1, 1},
                                               {{IDS_COL_MATCH_NO, 8, kAlignLeft},
                                                {IDS_COL_HOME_TEAM, 25, kAlignLeft},
                                                {IDS_COL_GUEST_TEAM, 25, kAlignLeft},
                                                {IDS_COL_ROUND, 8, kAlignCenter}});
    std::vector<cColumn> scheduled = {
        {IDS_COL_MATCH_NO, 8, kAlignLeft},   {IDS_COL_DATE, 12, kAlignLeft},
        {IDS_COL_COURT, 8, kAlignLeft},      {IDS_COL_TIME, 8, kAlignLeft},
        {IDS_COL_HOME_TEAM, 21, kAlignLeft}, {IDS_COL_GUEST_TEAM, 21, kAlignLeft}};
    for (int i = 0; i < cMatch::kOfficialPositions; ++i) {
        scheduled.push_back({IDS_COL_OFFICIAL1 + i, 20, kAlignLeft});
    }
    m_pScheduled =
        MakeContainer<cTournelDb>(this, {IDS_SCHEDULED_MATCHES, 6, kDirScheduled, 1, 0}, scheduled);
    std::vector<cColumn> results = {
        {IDS_COL_MATCH_NO, 8, kAlignLeft},       {IDS_COL_DATE, 12, kAlignLeft},
        {IDS_COL_COURT, 8, kAlignLeft},          {IDS_COL_TIME, 8, kAlignLeft},
        {IDS_COL_HOME_TEAM, 21, kAlignLeft},     {IDS_COL_GUEST_TEAM, 21, kAlignLeft},
        {IDS_COL_FINAL_RESULT, 10, kAlignCenter}};
    for (int i = 0; i < 9; ++i) {
        results.push_back({IDS_COL_SET1 + i, 10, kAlignCenter});
    }
    m_pResults = MakeContainer<cTournelDb>(this, {IDS_RESULTS, 8, kDirResults, 0, 1}, results);
    m_nCurrentDirectory = kDirRoot;
    m_pCurrentContainer = nullptr;
}

void cDatabase::DestroyContainers()
{
    if (m_pCourts) {
        AnnounceReplaced();
    }
    m_pCurrentContainer = nullptr;
    // Results first: they hold links to matches, which unlink themselves on destruction.
    m_pResults.reset();
    m_pScheduled.reset();
    m_pUnscheduled.reset();
    m_pOfficials.reset();
    m_pLeagues.reset();
    m_pCourtTime.reset();
    m_pCourts.reset();
}

cCourt* cDatabase::GetCourt(int index) const
{
    return m_pCourts ? static_cast<cCourt*>(m_pCourts->GetItem(index)) : nullptr;
}

cLeague* cDatabase::GetLeague(int index) const
{
    return m_pLeagues ? static_cast<cLeague*>(m_pLeagues->GetItem(index)) : nullptr;
}

cReferee* cDatabase::GetOfficial(int index) const
{
    return m_pOfficials ? static_cast<cReferee*>(m_pOfficials->GetItem(index)) : nullptr;
}

cTeam* cDatabase::GetTeam(int league, int team) const
{
    const cLeague* owner = GetLeague(league);
    return owner != nullptr ? owner->GetTeam(team) : nullptr;
}

std::string cDatabase::FormatDate(TimePoint t) const
{
    return FormatTime(t, DateFormat(m_nDateFormat));
}

std::string cDatabase::WeekdayOf(TimePoint t) const
{
    return WeekdayName(LocalTime(t).weekday, m_nLanguage);
}

void cDatabase::InvalidateTables()
{
    if (!m_pLeagues) {
        return;
    }
    for (cLeague& league : m_pLeagues->AllItems<cLeague>()) {
        league.Table().m_bUpToDate = 0;
    }
}

void cDatabase::Rebuild(cTournelDb& container)
{
    if (container.m_bUpToDate != 0) {
        return;
    }
    switch (container.m_nDirectoryId) {
    case kDirCourtTime:
        RebuildCourtTime();
        break;
    case kDirScheduled:
        RebuildScheduled();
        break;
    case kDirResults:
        RebuildResults();
        break;
    case kDirUnscheduled:
        if (m_fnRebuildUnscheduled) {
            m_fnRebuildUnscheduled(*this);
        }
        break;
    case kDirTable:
        if (m_fnSortTable) {
            m_fnSortTable(*this, container);
        } else {
            container.m_bUpToDate = 1;
        }
        break;
    default:
        container.m_bUpToDate = 1;
        break;
    }
}

void cDatabase::RebuildCourtTime()
{
    for (cUnusedTime& period : m_pCourtTime->AllItems<cUnusedTime>()) {
        period.m_bFiltered = (m_nCourtFilter != -1 && period.m_nCourt != m_nCourtFilter) ? 1 : 0;
    }
    m_pCourtTime->m_bUpToDate = 1;
}

void cDatabase::RebuildScheduled()
{
    for (cMatch& match : m_pScheduled->AllItems<cMatch>()) {
        match.m_bFiltered = (m_nLeagueFilter != -1 && match.m_nLeague != m_nLeagueFilter) ? 1 : 0;
    }
    m_pScheduled->m_bUpToDate = 1;
}

void cDatabase::RebuildResults()
{
    cDbItem* item = m_pResults->GetHead();
    while (item != nullptr) {
        cDbItem* next = item->NextLink();
        auto& result = static_cast<cResult&>(*item);
        cMatch* match = result.GetMatch();
        if (match == nullptr || match->GetOwner() != m_pScheduled.get()) {
            std::unique_ptr<cDbItem> removed = m_pResults->RemoveItem(result);
        } else {
            result.m_bFiltered = (m_nLeagueFilter != -1 && result.m_nLeague != m_nLeagueFilter) ? 1 : 0;
        }
        item = next;
    }
    m_pResults->m_bUpToDate = 1;
}

void cDatabase::TakeContentsFrom(cDatabase& other)
{
    AnnounceReplaced();
    DestroyContainers();
    m_pCourts = std::move(other.m_pCourts);
    m_pCourtTime = std::move(other.m_pCourtTime);
    m_pLeagues = std::move(other.m_pLeagues);
    m_pOfficials = std::move(other.m_pOfficials);
    m_pUnscheduled = std::move(other.m_pUnscheduled);
    m_pScheduled = std::move(other.m_pScheduled);
    m_pResults = std::move(other.m_pResults);
    for (cTournelDb* container :
         {static_cast<cTournelDb*>(m_pCourts.get()), m_pCourtTime.get(),
          static_cast<cTournelDb*>(m_pLeagues.get()), static_cast<cTournelDb*>(m_pOfficials.get()),
          m_pUnscheduled.get(), m_pScheduled.get(), m_pResults.get()}) {
        if (container != nullptr) {
            container->SetDatabase(this);
        }
    }
    other.CreateContainers();

    m_lfPrintFont = other.m_lfPrintFont;
    m_crPrintColor = other.m_crPrintColor;
    m_strScheduleHeading = other.m_strScheduleHeading;
    m_strTableHeading = other.m_strTableHeading;
    m_tCreated = other.m_tCreated;
    m_tModified = other.m_tModified;
    m_strComments = other.m_strComments;
    m_strAuthor = other.m_strAuthor;
    m_nLanguage = other.m_nLanguage;
    m_nDateFormat = other.m_nDateFormat;
    m_bAutoBackup = other.m_bAutoBackup;
    m_nBackupMinutes = other.m_nBackupMinutes;
    m_nSchedConflictMargin = other.m_nSchedConflictMargin;
    m_bSchedIgnoreCourtRatings = other.m_bSchedIgnoreCourtRatings;
    m_bSchedIgnoreHomeGrounds = other.m_bSchedIgnoreHomeGrounds;
    m_bSchedIgnoreTeamConflicts = other.m_bSchedIgnoreTeamConflicts;
    m_bSchedIgnoreHolidays = other.m_bSchedIgnoreHolidays;
    m_bSchedIgnoreWeekdays = other.m_bSchedIgnoreWeekdays;
    m_bSchedIgnoreMinDays = other.m_bSchedIgnoreMinDays;
    m_bSchedIgnoreLatestStart = other.m_bSchedIgnoreLatestStart;
    m_bSchedIgnorePreferredTime = other.m_bSchedIgnorePreferredTime;
    m_nOfficialsPerGame = other.m_nOfficialsPerGame;
    m_nMinDaysBetweenGames = other.m_nMinDaysBetweenGames;
    m_nMaxSubsequentGames = other.m_nMaxSubsequentGames;
    m_nConflictMargin = other.m_nConflictMargin;
    m_bIgnoreClub = other.m_bIgnoreClub;
    m_bIgnoreRatings = other.m_bIgnoreRatings;
    m_bIgnoreTeamConflicts = other.m_bIgnoreTeamConflicts;
    m_bIgnoreHolidays = other.m_bIgnoreHolidays;
    m_bIgnoreDaysOff = other.m_bIgnoreDaysOff;
    m_bIgnorePreferredTime = other.m_bIgnorePreferredTime;
    m_tableSettings = other.m_tableSettings;
    m_nScheduleLayout = other.m_nScheduleLayout;
    m_nScheduleSorting = other.m_nScheduleSorting;
    m_bNumberBeforeTime = other.m_bNumberBeforeTime;
    m_bNumberAfterTime = other.m_bNumberAfterTime;
    m_bTableBallDiff = other.m_bTableBallDiff;
    m_bTableDisqualified = other.m_bTableDisqualified;
    m_bTableDrawn = other.m_bTableDrawn;
    m_bTablePlayed = other.m_bTablePlayed;
    m_bTableLost = other.m_bTableLost;
    m_bTablePoints = other.m_bTablePoints;
    m_bTableRank = other.m_bTableRank;
    m_bTableResults = other.m_bTableResults;
    m_bTableScoreDiff = other.m_bTableScoreDiff;
    m_bTableRatio = other.m_bTableRatio;
    m_bTableWon = other.m_bTableWon;
    m_strScheduleTemplate = other.m_strScheduleTemplate;
    m_strTableTemplate = other.m_strTableTemplate;
    m_nLeagueFilter = other.m_nLeagueFilter;
    m_nCourtFilter = other.m_nCourtFilter;
    m_nPlayoffCounter = other.m_nPlayoffCounter;
    m_nCurrentDirectory = kDirRoot;
    m_pCurrentContainer = nullptr;
}
