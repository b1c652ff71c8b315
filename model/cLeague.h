#pragma once

#include "model/Calendar.h"
#include "model/cIndexedDbItem.h"

#include <array>
#include <memory>

class cIndexedDb;
class cTeam;

// A league: every team meets every other team once per round.
class cLeague : public cIndexedDbItem
{
public:
    enum : int
    {
        kHolidays = 0,
        kPreferredTimes = 1,
        kTable = 2,
        kTeams = 3,
    };
    static constexpr int kOfficialPositions = 5;

    cLeague();
    ~cLeague() override;
    std::string_view GetRuntimeClass() const override { return "cLeague"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cIndexedDbItem::Fields(self, v);
        v.Int(self.m_nRounds, {.name = "m_nRounds"});
        v.Int(self.m_nMatchReduction, {.name = "m_nMatchReduction", .since = 2.5, .fallback = 0});
        v.Int(self.m_nMatchesPerDay, {.name = "m_nMatchesPerDay", .since = 2.6, .fallback = 1});
        v.Int(self.m_nMinOfficialRating, {.name = "m_nMinOfficialRating"});
        v.Int(self.m_nMaxOfficialRating, {.name = "m_nMaxOfficialRating"});
        v.Int(self.m_nMinCourtRating, {.name = "m_nMinCourtRating"});
        v.Int(self.m_nMaxCourtRating, {.name = "m_nMaxCourtRating"});
        v.Int(self.m_nGameDuration, {.name = "m_nGameDuration"});
        v.Int(self.m_tsRestSameTeam, {.name = "m_tsRestSameTeam", .daysBefore = 2.4});
        v.Int(self.m_tsRestSamePair, {.name = "m_tsRestSamePair", .daysBefore = 2.4});
        v.Int(self.m_nLatestStart, {.name = "m_nLatestStart"});
        v.Int(self.m_nLastMatchNumber, {.name = "m_nLastMatchNumber"});
        v.Int(self.m_nSetsPerGame, {.name = "m_nSetsPerGame"});
        v.Ints(self.m_nMinRatingOfficial, {.name = "m_nMinRatingOfficial"});
        v.Ints(self.m_nMaxRatingOfficial, {.name = "m_nMaxRatingOfficial"});
        v.Items(self.Teams(), {.name = "teams"}, kTeamClass);
        v.Items(self.Table(), {.name = "table"}, kTableItemClass);
        v.Items(self.PreferredTimes(), {.name = "preferredTimes"}, kPreferredTimeClass);
        v.Items(self.Holidays(), {.name = "holidays", .since = 1.7}, kIllDateClass);
        v.Items(self.UnscheduledList(), {.name = "unscheduledList"}, kUnscheduledClass);
    }
    std::string GetColumnText(int column) const override;
    void OnDelete(cDatabase& db, cTournelDb& from, int flags) override;
    // Every league match of the league; playoff matches stay.
    bool DeletesMatch(const cMatch& match) const override;

    cTournelDb& Holidays() { return *GetChild(kHolidays); }
    const cTournelDb& Holidays() const { return *GetChild(kHolidays); }
    cTournelDb& PreferredTimes() { return *GetChild(kPreferredTimes); }
    const cTournelDb& PreferredTimes() const { return *GetChild(kPreferredTimes); }
    cTournelDb& Table() { return *GetChild(kTable); }
    const cTournelDb& Table() const { return *GetChild(kTable); }
    cIndexedDb& Teams();
    const cIndexedDb& Teams() const;
    // Working list of matches still to be placed (filled and emptied by the match generation).
    cTournelDb& UnscheduledList() { return *m_pUnscheduled; }
    const cTournelDb& UnscheduledList() const { return *m_pUnscheduled; }

    cTeam* GetTeam(int index) const;

    // Rounds x n x (n - 1) / 2 for n teams.
    int GetMatchCount() const;

    // True when the rating lies in the league's official rating range and,
    // with checkPosition, in the band of official position `position` (0-4).
    bool IsOfficialRatingAllowed(int rating, int position, bool checkPosition) const;
    void ComputeRatingBands(int officialsPerGame);

    int m_nMatchReduction = 0; // 0-98, even
    int m_nSetsPerGame = 1;    // 1-7
    int m_nRounds = 2;         // 1-999
    int m_nMinOfficialRating = 1;
    int m_nMaxOfficialRating = 9;
    int m_nMinCourtRating = 1;
    int m_nMaxCourtRating = 9;
    int m_nGameDuration = 60;          // minutes
    int m_tsRestSameTeam = 7 * 86400;  // seconds
    int m_tsRestSamePair = 30 * 86400; // seconds
    ClockTime m_nLatestStart = 2200;
    int m_nLastMatchNumber = 0;
    std::array<int, kOfficialPositions> m_nMinRatingOfficial{};
    std::array<int, kOfficialPositions> m_nMaxRatingOfficial{};
    int m_nMatchesPerDay = 1; // 1-99

private:
    std::unique_ptr<cTournelDb> m_pUnscheduled;
};
