#pragma once

// The settings a document keeps in its file, with their defaults, and their
// one description in file order: the reader, the writer and the dump walk
// it; a new document starts from the defaults written here.

#include "model/Calendar.h"
#include "model/StoredFields.h"
#include "model/cTableSettings.h"

#include <cstdint>
#include <string>

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

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        v.Int(self.lfHeight, {.name = "lfHeight"});
        v.Int(self.lfWidth, {.name = "lfWidth"});
        v.Int(self.lfEscapement, {.name = "lfEscapement"});
        v.Int(self.lfOrientation, {.name = "lfOrientation"});
        v.Int(self.lfWeight, {.name = "lfWeight"});
        v.Byte(self.lfItalic, {.name = "lfItalic"});
        v.Byte(self.lfUnderline, {.name = "lfUnderline"});
        v.Byte(self.lfStrikeOut, {.name = "lfStrikeOut"});
        v.Byte(self.lfCharSet, {.name = "lfCharSet"});
        v.Byte(self.lfOutPrecision, {.name = "lfOutPrecision"});
        v.Byte(self.lfClipPrecision, {.name = "lfClipPrecision"});
        v.Byte(self.lfQuality, {.name = "lfQuality"});
        v.Byte(self.lfPitchAndFamily, {.name = "lfPitchAndFamily"});
        v.Text(self.lfFaceName, {.name = "lfFaceName"});
    }
};

struct cDocumentSettings
{
    // Print font (stored first in the file).
    cLogFont m_lfPrintFont;
    std::uint32_t m_crPrintColor = 9; // bytes red, green, blue, 0

    // Output headings and document information.
    std::string m_strScheduleHeading = "Schedule for #";
    std::string m_strTableHeading = "Tables and results for #";
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
    std::string m_strScheduleTemplate; // a new document names the template beside the program
    std::string m_strTableTemplate;

    // The directory view filter (-1: all).
    int m_nLeagueFilter = -1;
    int m_nCourtFilter = -1;

    int m_nPlayoffCounter = 0;

    // The file's document part in file order; the containers follow it.
    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        v.Group(self.m_lfPrintFont, {.name = "m_lfPrintFont"});
        v.Dword(self.m_crPrintColor, {.name = "m_crPrintColor"});
        v.Version();
        v.Reserved({.since = 1.1});
        v.Text(self.m_strScheduleHeading, {.name = "m_strScheduleHeading", .since = 2.2});
        v.Text(self.m_strTableHeading, {.name = "m_strTableHeading", .since = 2.2});
        v.CheckVersion();
        v.ReservedText({.since = 2.1});
        v.ReservedText({.since = 2.1});
        v.Time(self.m_tCreated, {.name = "m_tCreated"});
        v.Time(self.m_tModified, {.name = "m_tModified"});
        v.Text(self.m_strComments, {.name = "m_strComments"});
        v.Text(self.m_strAuthor, {.name = "m_strAuthor"});
        v.Int(self.m_nLanguage, {.name = "m_nLanguage"});
        v.Int(self.m_nDateFormat, {.name = "m_nDateFormat"});
        v.Int(self.m_bAutoBackup, {.name = "m_bAutoBackup", .since = 1.6});
        v.Int(self.m_nBackupMinutes, {.name = "m_nBackupMinutes", .since = 1.6});
        v.ReservedText({});
        v.Int(self.m_nSchedConflictMargin, {.name = "m_nSchedConflictMargin"});
        v.Int(self.m_nOfficialsPerGame, {.name = "m_nOfficialsPerGame"});
        v.Int(self.m_nMinDaysBetweenGames, {.name = "m_nMinDaysBetweenGames"});
        v.Int(self.m_nMaxSubsequentGames, {.name = "m_nMaxSubsequentGames"});
        v.Int(self.m_nConflictMargin, {.name = "m_nConflictMargin"});
        v.Int(self.m_bSchedIgnoreCourtRatings, {.name = "m_bSchedIgnoreCourtRatings"});
        v.Int(self.m_bSchedIgnoreHomeGrounds, {.name = "m_bSchedIgnoreHomeGrounds"});
        v.Int(self.m_bSchedIgnoreTeamConflicts, {.name = "m_bSchedIgnoreTeamConflicts"});
        v.Int(self.m_bSchedIgnoreHolidays, {.name = "m_bSchedIgnoreHolidays"});
        v.Int(self.m_bSchedIgnoreWeekdays, {.name = "m_bSchedIgnoreWeekdays"});
        v.Int(self.m_bSchedIgnoreMinDays, {.name = "m_bSchedIgnoreMinDays"});
        v.Int(self.m_bSchedIgnoreLatestStart, {.name = "m_bSchedIgnoreLatestStart"});
        v.Int(self.m_bIgnoreClub, {.name = "m_bIgnoreClub"});
        v.Int(self.m_bIgnoreRatings, {.name = "m_bIgnoreRatings"});
        v.Int(self.m_bIgnoreTeamConflicts, {.name = "m_bIgnoreTeamConflicts"});
        v.Int(self.m_bIgnoreHolidays, {.name = "m_bIgnoreHolidays"});
        v.Int(self.m_bIgnoreDaysOff, {.name = "m_bIgnoreDaysOff"});
        v.Int(self.m_bSchedIgnorePreferredTime, {.name = "m_bSchedIgnorePreferredTime"});
        v.Int(self.m_bIgnorePreferredTime, {.name = "m_bIgnorePreferredTime"});
        v.Group(self.m_tableSettings, {.name = "m_tableSettings"});
        v.Int(self.m_nScheduleLayout, {.name = "m_nScheduleLayout"});
        v.Int(self.m_nScheduleSorting, {.name = "m_nScheduleSorting"});
        v.Int(self.m_bNumberBeforeTime, {.name = "m_bNumberBeforeTime"});
        v.Int(self.m_bNumberAfterTime, {.name = "m_bNumberAfterTime", .since = 2.6});
        v.Int(self.m_bTableBallDiff, {.name = "m_bTableBallDiff"});
        v.Int(self.m_bTableDisqualified, {.name = "m_bTableDisqualified"});
        v.Int(self.m_bTableDrawn, {.name = "m_bTableDrawn"});
        v.Int(self.m_bTablePlayed, {.name = "m_bTablePlayed"});
        v.Int(self.m_bTableLost, {.name = "m_bTableLost"});
        v.Int(self.m_bTablePoints, {.name = "m_bTablePoints"});
        v.Int(self.m_bTableRank, {.name = "m_bTableRank"});
        v.Int(self.m_bTableResults, {.name = "m_bTableResults"});
        v.Int(self.m_bTableScoreDiff, {.name = "m_bTableScoreDiff"});
        v.Int(self.m_bTableRatio, {.name = "m_bTableRatio"});
        v.Int(self.m_bTableWon, {.name = "m_bTableWon"});
        v.Reserved({});
        v.Reserved({.since = 1.3});
        v.Int(self.m_nLeagueFilter, {.name = "m_nLeagueFilter", .since = 1.3});
        v.Reserved({.since = 1.4});
        v.Int(self.m_nCourtFilter, {.name = "m_nCourtFilter", .since = 1.4});
        v.Int(self.m_nPlayoffCounter, {.name = "m_nPlayoffCounter", .since = 2.0});
        v.Text(self.m_strScheduleTemplate, {.name = "m_strScheduleTemplate", .since = 2.3});
        v.Text(self.m_strTableTemplate, {.name = "m_strTableTemplate", .since = 2.3});
    }
};
