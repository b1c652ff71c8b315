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
    Settings() = cDocumentSettings{};
    m_tCreated = m_tModified = Now();
    m_strScheduleTemplate = ProgramDirectory() + "/Plain_Template.htm";
    m_strTableTemplate = m_strScheduleTemplate;
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
}

void cDatabase::DestroyContainers()
{
    if (m_pCourts) {
        AnnounceReplaced();
    }
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
    case kDirTable:
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
    // A match that leaves the schedule takes its result along (cMatch::OnDelete).
    for (cResult& result : m_pResults->AllItems<cResult>()) {
        result.m_bFiltered = (m_nLeagueFilter != -1 && result.m_nLeague != m_nLeagueFilter) ? 1 : 0;
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

    Settings() = other.Settings();
}
