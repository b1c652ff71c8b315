#pragma once

// The document: one database with its file, version and backups.

#include "document/cRolloverValues.h"
#include "model/cDatabase.h"

#include <string>
#include <string_view>

class CTournelDoc : public cDatabase
{
public:
    CTournelDoc();

    // Every setting to its default, fresh empty containers, the clock as the
    // last backup time, and a newly seeded random generator.
    void InitDatabase();
    // Destroys the contents and returns to the root directory.
    void DeleteContents();

    bool OnNewDocument();
    // Reads the file and takes its database in place of the open one. A file
    // that is missing (IDS_FILE_NOT_FOUND, naming it), cannot be read, is
    // damaged or is refused for its version changes nothing: database, name,
    // version and modified flag stay as they were (false). Messages go to Prompt().
    // Free court time the scheduler could not trust is repaired on reading
    // (RepairCourtTime); the document is then modified and IDS_COURT_TIME_REPAIRED
    // is shown once.
    bool OnOpenDocument(const std::string& path);
    // Writes the file as the current version without ever harming the old file.
    bool OnSaveDocument(const std::string& path);

    // Makes the season after this one as it stands (MakeNextSeason) and takes
    // it in as a new document: "Untitled", never saved, modified, with a
    // fresh random seed. When the values are refused the refusal is returned
    // and the document is left exactly as it was; nothing is shown.
    cValidation StartNextSeason(const cRolloverValues& values);

    // The bytes of the database as it stands, as Save would write them but
    // without a new modified time: an undo step.
    std::string Snapshot() const;
    // Puts back the database the bytes of Snapshot() hold; file name, version
    // and modified flag stay as they are. False (nothing changed) when the
    // bytes cannot be read.
    bool RestoreSnapshot(std::string_view bytes);

    // Writes the backup copy when the interval has passed; true when written.
    bool BackupIfDue();
    // The name the backup copy gets.
    std::string BackupPathName() const;

    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path) { m_strPathName = path; }
    // The file name without its folder, or "Untitled" for a new document.
    std::string GetTitle() const;

    // A fixed seed for the random generator instead of the clock (tests, --seed).
    void SetFixedSeed(unsigned seed)
    {
        m_bFixedSeed = true;
        m_nFixedSeed = seed;
    }

    // The version stored in the file last opened (the current version for a
    // new document); a converted file is saved as the current version.
    double GetFileVersion() const { return m_fFileVersion; }

    TimePoint m_tLastBackup = 0;

private:
    // Stamps the times and writes the whole document to `path` safely; the
    // write error is shown on failure.
    bool WriteTo(const std::string& path);

    std::string m_strPathName;
    double m_fFileVersion = kVersion;
    bool m_bFixedSeed = false;
    unsigned m_nFixedSeed = 0;
};
