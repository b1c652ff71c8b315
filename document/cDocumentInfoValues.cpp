#include "document/cDocumentInfoValues.h"

#include "model/Strings.h"
#include "model/cDatabase.h"

std::string FormatDocumentTime(const cDatabase& db, TimePoint t)
{
    return db.FormatDate(t) + " at " + FormatTime(t, "%H:%M:%S");
}

cDocumentInfoValues cDocumentInfoValues::FromDatabase(const cDatabase& db)
{
    cDocumentInfoValues values;
    values.author = db.m_strAuthor;
    values.comments = db.m_strComments;
    values.language = db.m_nLanguage;
    values.dateFormat = db.m_nDateFormat;
    values.autoBackup = db.m_bAutoBackup != 0;
    values.backupMinutes = db.m_nBackupMinutes;
    values.created = FormatDocumentTime(db, db.m_tCreated);
    values.modified = FormatDocumentTime(db, db.m_tModified);
    values.version = StringPrintf("%5.2f", cDatabase::kVersion);
    return values;
}

void cDocumentInfoValues::ApplyTo(cDatabase& db) const
{
    db.m_strAuthor = author;
    db.m_strComments = comments;
    db.m_nLanguage = language;
    db.m_nDateFormat = dateFormat;
    db.m_bAutoBackup = autoBackup ? 1 : 0;
    db.m_nBackupMinutes = backupMinutes;
    db.SetModifiedFlag(true);
}

cValidation Validate(const cDocumentInfoValues& values)
{
    if (auto error =
            CheckRange(values.language, 0, kLanguageCount - 1, cDocumentInfoValues::kFieldLanguage)) {
        return error;
    }
    if (auto error =
            CheckRange(values.dateFormat, 0, kDateFormatCount - 1, cDocumentInfoValues::kFieldDateFormat)) {
        return error;
    }
    // The interval is checked even while backups are off: the box keeps it.
    return CheckRange(values.backupMinutes, cDocumentInfoValues::kMinBackupMinutes,
                      cDocumentInfoValues::kMaxBackupMinutes, cDocumentInfoValues::kFieldBackupMinutes);
}
