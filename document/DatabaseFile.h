#pragma once

// The database file: the document stream and one reader and writer per
// class record. Writing always produces the current version; reading takes
// the current and every older version.

#include "document/cArchive.h"

#include <memory>
#include <string>
#include <string_view>

class cCourt;
class cDatabase;
class cDbItem;
class cHomeGround;
class cIllDate;
class cIllTeam;
class cLeague;
class cMatch;
class cPlayoffMatch;
class cPreferredTime;
class cReferee;
class cResult;
class cTableItem;
class cTableSettings;
class cTeam;
class cTournelDb;
class cIndexedDb;
class cUnscheduledMatch;
class cUnusedTime;
class cUserPrompt;

enum class eReadStatus
{
    kOk,
    kNewerVersion,    // refused: shown "Cannot read this document ..."
    kDeclinedVersion, // an older file whose conversion was declined
    kDamaged,         // anything malformed: "Unexpected file format."
};

// Reads a whole file into `db`, which must be fresh (defaults, empty
// containers). Asks the conversion question and shows the newer-version
// message through `prompt`; the damaged-file message is the caller's.
// On anything but kOk the contents of `db` are unspecified.
eReadStatus ReadDatabase(std::string_view bytes, cDatabase& db, cUserPrompt& prompt);

// The bytes of the current version. `db.m_tModified` is written as it is: the
// caller stamps it first.
std::string WriteDatabase(const cDatabase& db);

// The version stored in a file, or a negative number when the file is too
// short to hold one.
double ReadVersion(std::string_view bytes);

// Class records. The readers check their fields as far as the item's own
// invariants go and leave the sticky failure in the archive on any fault.
void ReadTableSettings(cArchiveIn& ar, cTableSettings& settings);
void WriteTableSettings(cArchiveOut& ar, const cTableSettings& settings);
void ReadCourt(cArchiveIn& ar, cCourt& court);
void WriteCourt(cArchiveOut& ar, const cCourt& court);
void ReadUnusedTime(cArchiveIn& ar, cUnusedTime& period);
void WriteUnusedTime(cArchiveOut& ar, const cUnusedTime& period);
void ReadLeague(cArchiveIn& ar, cLeague& league);
void WriteLeague(cArchiveOut& ar, const cLeague& league);
void ReadTeam(cArchiveIn& ar, cTeam& team);
void WriteTeam(cArchiveOut& ar, const cTeam& team);
void ReadHomeGround(cArchiveIn& ar, cHomeGround& ground);
void WriteHomeGround(cArchiveOut& ar, const cHomeGround& ground);
void ReadIllDate(cArchiveIn& ar, cIllDate& holiday);
void WriteIllDate(cArchiveOut& ar, const cIllDate& holiday);
void ReadIllTeam(cArchiveIn& ar, cIllTeam& conflict);
void WriteIllTeam(cArchiveOut& ar, const cIllTeam& conflict);
void ReadPreferredTime(cArchiveIn& ar, cPreferredTime& time);
void WritePreferredTime(cArchiveOut& ar, const cPreferredTime& time);
void ReadReferee(cArchiveIn& ar, cReferee& official);
void WriteReferee(cArchiveOut& ar, const cReferee& official);
void ReadUnscheduledMatch(cArchiveIn& ar, cUnscheduledMatch& match);
void WriteUnscheduledMatch(cArchiveOut& ar, const cUnscheduledMatch& match);
void ReadMatch(cArchiveIn& ar, cMatch& match);
void WriteMatch(cArchiveOut& ar, const cMatch& match);
void ReadPlayoffMatch(cArchiveIn& ar, cPlayoffMatch& match);
void WritePlayoffMatch(cArchiveOut& ar, const cPlayoffMatch& match);
void ReadResult(cArchiveIn& ar, cResult& result);
void WriteResult(cArchiveOut& ar, const cResult& result);
void ReadTableItem(cArchiveIn& ar, cTableItem& row);
void WriteTableItem(cArchiveOut& ar, const cTableItem& row);
