#pragma once

// The database of one document: the seven top-level containers, the
// document-wide settings and the modified flag. The document class adds
// files, versions and backups on top of it.

#include "model/Calendar.h"
#include "model/cDatabaseListener.h"
#include "model/cIndexedDb.h"
#include "model/cRandom.h"
#include "model/cTableSettings.h"
#include "model/cTournelDb.h"
#include "model/cUserPrompt.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class cCourt;
class cLeague;
class cMatch;
class cReferee;
class cTeam;

// The first 28 bytes of a Windows LOGFONTA plus the face name.
struct cLogFont
{
    std::int32_t lfHeight = -10; // minus the size in points
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 4;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 2;
    std::uint8_t lfPitchAndFamily = 0x22;
    std::string lfFaceName = "Arial";

    bool operator==(const cLogFont&) const = default;
};

class cDatabase
{
public:
    static constexpr double kVersion = 2.6;

    cDatabase();
    virtual ~cDatabase();
    cDatabase(const cDatabase&) = delete;
    cDatabase& operator=(const cDatabase&) = delete;

    // Every setting back to its default and seven fresh, empty containers.
    void ResetSettings();
    void CreateContainers();
    void DestroyContainers();

    cIndexedDb& Courts() const { return *m_pCourts; }
    cTournelDb& CourtTime() const { return *m_pCourtTime; }
    cIndexedDb& Leagues() const { return *m_pLeagues; }
    cIndexedDb& Officials() const { return *m_pOfficials; }
    cTournelDb& Unscheduled() const { return *m_pUnscheduled; }
    cTournelDb& Scheduled() const { return *m_pScheduled; }
    cTournelDb& Results() const { return *m_pResults; }
    bool HasContainers() const { return m_pCourts != nullptr; }

    // Lookups by index number; null means none.
    cCourt* GetCourt(int index) const;
    cLeague* GetLeague(int index) const;
    cReferee* GetOfficial(int index) const;
    cTeam* GetTeam(int league, int team) const;

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // Brings an out-of-date container up to date (called by cTournelDb::Refresh).
    void Rebuild(cTournelDb& container);

    // Marks every league's standings table out of date.
    void InvalidateTables();

    // Dates and weekdays as the document shows them.
    std::string FormatDate(TimePoint t) const;
    std::string WeekdayOf(TimePoint t) const;

    // Where messages and questions of the core go; a silent prompt (every
    // question answered No) until the application sets its own. Whatever goes
    // through it lets the listener bring its views up to date first.
    cUserPrompt& Prompt() const { return m_promptRelay; }
    void SetPrompt(cUserPrompt* prompt) { m_pPrompt = prompt; }

    // Who hears of changes to the containers (null: nobody); not owned.
    void SetListener(cDatabaseListener* listener) { m_pListener = listener; }
    cDatabaseListener* GetListener() const { return m_pListener; }
    // Called by the containers on every addition and removal.
    void AnnounceItemsChanged(const cTournelDb& container, const cDbItem* removed) const
    {
        if (m_pListener != nullptr) {
            m_pListener->ItemsChanged(container, removed);
        }
    }

    // The current time; tests replace the clock.
    TimePoint Now() const;
    std::function<TimePoint()> m_fnClock;

    // Rebuild functions of the engines above the model. A container whose
    // engine is not attached stays out of date.
    std::function<void(cDatabase&)> m_fnRebuildUnscheduled;
    std::function<void(cDatabase&, cTournelDb& table)> m_fnSortTable;

    cRandom m_random;

    // Print font (stored first in the file).
    cLogFont m_lfPrintFont;
    std::uint32_t m_crPrintColor = 9; // bytes red, green, blue, 0

    // Output headings and document information.
    std::string m_strScheduleHeading;
    std::string m_strTableHeading;
    TimePoint m_tCreated = 0;
    TimePoint m_tModified = 0;
    std::string m_strComments;
    std::string m_strAuthor;

    // Display.
    int m_nLanguage = kDefaultLanguage;
    int m_nDateFormat = 0;

    // Backup.
    int m_bAutoBackup = 1;
    int m_nBackupMinutes = 15;

    // Schedule settings.
    int m_nSchedConflictMargin = 90;
    int m_bSchedIgnoreCourtRatings = 0;
    int m_bSchedIgnoreHomeGrounds = 0;
    int m_bSchedIgnoreTeamConflicts = 0;
    int m_bSchedIgnoreHolidays = 0;
    int m_bSchedIgnoreWeekdays = 0;
    int m_bSchedIgnoreMinDays = 0;
    int m_bSchedIgnoreLatestStart = 0;
    int m_bSchedIgnorePreferredTime = 0;

    // Official assignment settings.
    int m_nOfficialsPerGame = 2;
    int m_nMinDaysBetweenGames = 7;
    int m_nMaxSubsequentGames = 2;
    int m_nConflictMargin = 90;
    int m_bIgnoreClub = 0;
    int m_bIgnoreRatings = 0;
    int m_bIgnoreTeamConflicts = 0;
    int m_bIgnoreHolidays = 0;
    int m_bIgnoreDaysOff = 0;
    int m_bIgnorePreferredTime = 0;

    cTableSettings m_tableSettings;

    // Output choices.
    int m_nScheduleLayout = 0;
    int m_nScheduleSorting = 0;
    int m_bNumberBeforeTime = 0;
    int m_bNumberAfterTime = 0;
    int m_bTableBallDiff = 0;
    int m_bTableDisqualified = 0;
    int m_bTableDrawn = 1;
    int m_bTablePlayed = 1;
    int m_bTableLost = 1;
    int m_bTablePoints = 1;
    int m_bTableRank = 1;
    int m_bTableResults = 0;
    int m_bTableScoreDiff = 1;
    int m_bTableRatio = 0;
    int m_bTableWon = 1;
    std::string m_strScheduleTemplate;
    std::string m_strTableTemplate;

    // View state.
    int m_nLeagueFilter = -1;
    int m_nCourtFilter = -1;
    int m_nCurrentDirectory = kDirRoot;
    cTournelDb* m_pCurrentContainer = nullptr;

    int m_nPlayoffCounter = 0;

    // Takes the seven containers and every stored setting of `other` (the
    // fields of the database file), leaving `other` with empty containers.
    // The prompt, clock, rebuild functions, random generator and modified
    // flag stay this database's own. Used to swap in a database read aside.
    void TakeContentsFrom(cDatabase& other);

private:
    // Passes everything on to the user's prompt, telling the listener first.
    class cPromptRelay : public cUserPrompt
    {
    public:
        explicit cPromptRelay(const cDatabase& db)
            : m_db(db)
        {
        }
        using cUserPrompt::AskYesNo;
        using cUserPrompt::ShowMessage;
        void ShowMessage(int messageId, std::string_view text) override;
        bool AskYesNo(int messageId, std::string_view text) override;
        void BeginProgress(std::string_view title) override;
        void SetProgress(int percent) override;
        bool PollCancel() override;
        void EndProgress() override;
        void BeginWait(std::string_view text) override;
        void EndWait() override;

    private:
        cUserPrompt& Target() const;
        void Settle(bool waitsForUser) const;

        const cDatabase& m_db;
    };

    void AnnounceReplaced() const;
    void RebuildCourtTime();
    void RebuildScheduled();
    void RebuildResults();

    std::unique_ptr<cIndexedDb> m_pCourts;
    std::unique_ptr<cTournelDb> m_pCourtTime;
    std::unique_ptr<cIndexedDb> m_pLeagues;
    std::unique_ptr<cIndexedDb> m_pOfficials;
    std::unique_ptr<cTournelDb> m_pUnscheduled;
    std::unique_ptr<cTournelDb> m_pScheduled;
    std::unique_ptr<cTournelDb> m_pResults;
    bool m_bModified = false;
    cUserPrompt* m_pPrompt = nullptr;         // not owned
    cDatabaseListener* m_pListener = nullptr; // not owned
    mutable cPromptRelay m_promptRelay{*this};
};
