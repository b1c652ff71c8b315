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
    std::string GetColumnText(int column) const override;
    void OnDelete(cDatabase& db, cTournelDb& from, int flags) override;

    cTournelDb& Holidays() const { return *GetChild(kHolidays); }
    cTournelDb& PreferredTimes() const { return *GetChild(kPreferredTimes); }
    cTournelDb& Table() const { return *GetChild(kTable); }
    cIndexedDb& Teams() const;
    // Working list of matches still to be placed (filled and emptied by the match generation).
    cTournelDb& UnscheduledList() const { return *m_pUnscheduled; }

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
