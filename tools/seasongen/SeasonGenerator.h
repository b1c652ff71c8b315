#pragma once

// Realistic generated seasons: courts with evening and weekend court time,
// leagues with their teams, and the constraints of a real season (home
// grounds, holidays, days off, preferred playing times, team conflicts).
// The same shape and seed always give the same season.

#include <cstdint>

class cDatabase;

struct cSeasonShape
{
    int leagues = 2;
    int teamsPerLeague = 6;
    int rounds = 2;
    int courts = 4;
    int weeks = 36;
    // The Monday the season starts on.
    int startYear = 2027;
    int startMonth = 9;
    int startDay = 6;
    // Constraints on leagues and teams; off gives bare leagues and teams.
    bool constraints = true;
    std::uint32_t seed = 1;
    // Court time that runs past midnight: on some courts and dates the
    // evening session lasts to 01:00 or 02:00 and some Saturdays have a late
    // session too; so do the evenings of the teams' days off and the last days
    // of holidays (a period that starts on a refused day and runs into an
    // allowed one), and on the nights the clocks change the late sessions run
    // to 04:00. Off (the default) leaves the seasons the benchmarks and the
    // pinned files were made from; on, the season is the same apart from
    // this court time.
    bool lateSessions = false;

    // 2 leagues of 6 teams on 4 courts.
    static cSeasonShape Small();
    // 10 leagues of 10 teams (900 matches) on 8 courts.
    static cSeasonShape Medium();
    // 40 leagues of 12 teams (5,280 matches) on 20 courts.
    static cSeasonShape Large();
    // 0 small, 1 medium, 3 twice the large one side by side (80 leagues on
    // 40 courts), 4 twice the large one in time (4 rounds over 72 weeks),
    // anything else large: the sizes the benchmarks number.
    static cSeasonShape OfSize(int size);
    // A small season of four rounds from October to April, across both clock changes.
    static cSeasonShape AcrossClockChanges();
};

// Adds the season's courts, court time and leagues to the (empty) database.
void GenerateSeason(cDatabase& db, const cSeasonShape& shape);
