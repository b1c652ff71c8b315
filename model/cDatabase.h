#pragma once

// The database of one document: the seven top-level containers, the
// document-wide settings and the modified flag. The document class adds
// files, versions and backups on top of it.

#include "model/Calendar.h"
#include "model/cDatabaseListener.h"
#include "model/cDocumentSettings.h"
#include "model/cIndexedDb.h"
#include "model/cRandom.h"
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

class cDatabase : public cDocumentSettings
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

    cIndexedDb& Courts() { return *m_pCourts; }
    const cIndexedDb& Courts() const { return *m_pCourts; }
    cTournelDb& CourtTime() { return *m_pCourtTime; }
    const cTournelDb& CourtTime() const { return *m_pCourtTime; }
    cIndexedDb& Leagues() { return *m_pLeagues; }
    const cIndexedDb& Leagues() const { return *m_pLeagues; }
    cIndexedDb& Officials() { return *m_pOfficials; }
    const cIndexedDb& Officials() const { return *m_pOfficials; }
    cTournelDb& Unscheduled() { return *m_pUnscheduled; }
    const cTournelDb& Unscheduled() const { return *m_pUnscheduled; }
    cTournelDb& Scheduled() { return *m_pScheduled; }
    const cTournelDb& Scheduled() const { return *m_pScheduled; }
    cTournelDb& Results() { return *m_pResults; }
    const cTournelDb& Results() const { return *m_pResults; }
    bool HasContainers() const { return m_pCourts != nullptr; }

    // Lookups by index number; null means none.
    cCourt* GetCourt(int index) const;
    cLeague* GetLeague(int index) const;
    cReferee* GetOfficial(int index) const;
    cTeam* GetTeam(int league, int team) const;

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // Brings the view filter marks of an out-of-date container up to date
    // (called by cTournelDb::Refresh). It never asks, adds or deletes: the
    // lists that are regenerated from the rest of the season (unscheduled
    // matches, standings tables) stay out of date until a command regenerates them.
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

    cRandom m_random;

    cDocumentSettings& Settings() { return *this; }
    const cDocumentSettings& Settings() const { return *this; }

    // The containers as the file stores them, after the document settings.
    template <class Self, class V> static void ContainerFields(Self& self, V& v)
    {
        v.Items(self.Courts(), {.name = "courts"}, kCourtClass);
        v.Items(self.CourtTime(), {.name = "courtTime"}, kUnusedTimeClass);
        v.Items(self.Leagues(), {.name = "leagues"}, kLeagueClass);
        v.Items(self.Officials(), {.name = "officials"}, kRefereeClass);
        v.Items(self.Unscheduled(), {.name = "unscheduled"}, kUnscheduledClass);
        v.Items(self.Scheduled(), {.name = "scheduled"}, kMatchClass | kPlayoffClass);
        v.Items(self.Results(), {.name = "results"}, kResultClass);
    }

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
