#pragma once

// The values of the dialog "Official properties".

#include "model/Calendar.h"
#include "model/cValidation.h"

#include <string>

class cDatabase;
class cReferee;

struct cOfficialValues
{
    enum Field : int
    {
        kName,
        kClub,
        kFirstDayOff,
        kSecondDayOff,
        kRating,
        kMaxGames,
        kMaxSubsequent,
    };

    std::string name;
    std::string club;
    Weekday firstDayOff = -1;  // -1 "<None>"
    Weekday secondDayOff = -1; // -1 "<None>"
    int rating = 1;            // 1-9
    int maxGames = 20;         // 1-99
    int maxSubsequent = 3;     // 1-9

    // A default-constructed value set is the one of a new official.
    static cOfficialValues FromItem(const cReferee& official);
};

// `editing` is the official being changed, null for a new one.
cValidation Validate(const cOfficialValues& values, const cDatabase& db, const cReferee* editing);

// Adds a new official with a new index number (sorted by name).
cReferee& InsertOfficial(cDatabase& db, const cOfficialValues& values);

// Changes an official; it keeps its index and its number of games.
void ApplyOfficial(cDatabase& db, cReferee& official, const cOfficialValues& values);
