#pragma once

// The values of the "Document properties" dialog and their checks.

#include "model/Calendar.h"
#include "model/cValidation.h"

#include <string>

class cDatabase;

struct cDocumentInfoValues
{
    enum : int
    {
        kFieldAuthor = 0,
        kFieldComments,
        kFieldLanguage,
        kFieldDateFormat,
        kFieldAutoBackup,
        kFieldBackupMinutes,
    };
    static constexpr int kMinBackupMinutes = 5;
    static constexpr int kMaxBackupMinutes = 60;

    std::string author;
    std::string comments;
    int language = kDefaultLanguage; // 0-10
    int dateFormat = 0;              // 0-6
    bool autoBackup = true;
    int backupMinutes = 15;

    // Read-only: "Created:" and "Last modified:" as shown, and "Version no.:".
    std::string created;
    std::string modified;
    std::string version;

    static cDocumentInfoValues FromDatabase(const cDatabase& db);
    // Stores the editable values and marks the database modified.
    void ApplyTo(cDatabase& db) const;

    bool operator==(const cDocumentInfoValues&) const = default;
};

cValidation Validate(const cDocumentInfoValues& values);

// A date in the document's date format, " at ", and the time as hh:mm:ss.
std::string FormatDocumentTime(const cDatabase& db, TimePoint t);
