#pragma once

// The line that names a match at the top of the dialogs that act on one
// ("Manual match scheduling", "Assign officials manually"), so that the user
// sees which match a choice is for.

#include <string>

class cDatabase;
class cMatch;
class cUnscheduledMatch;

// A scheduled match: its label, the teams, the weekday (in the document's
// language), the date (in its date format) and the start:
// "U12-3  Falcons 1 - Hawks 1, Sat 16/01/2027 10:00". A playoff match shows
// its own number and team texts.
std::string MatchHeading(const cDatabase& db, const cMatch& match);

// A match still to be scheduled: the league's short name with the wanted
// number when it has one, the teams and the league's name:
// "U12-3  Falcons 1 - Hawks 1, Under 12" ("U12  Falcons 1 - Hawks 1, Under 12"
// without a wanted number).
std::string MatchHeading(const cDatabase& db, const cUnscheduledMatch& match);
