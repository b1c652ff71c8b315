#include "document/cDocumentInfoValues.h"

#include "model/Strings.h"
#include "model/cDatabase.h"

namespace {

std::optional<cDocumentInfoError> OutOfRange(int value, int low, int high, int field)
{
    if (value >= low && value <= high) {
        return std::nullopt;
    }
    return cDocumentInfoError{
        IDS_ENTER_INTEGER_BETWEEN, field,
        FormatString(IDS_ENTER_INTEGER_BETWEEN, {std::to_string(low), std::to_string(high)})};
}

} // namespace

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

std::optional<cDocumentInfoError> Validate(const cDocumentInfoValues& values)
{
    if (auto error =
            OutOfRange(values.language, 0, kLanguageCount - 1, cDocumentInfoValues::kFieldLanguage)) {
        return error;
    }
    if (auto error =
            OutOfRange(values.dateFormat, 0, kDateFormatCount - 1, cDocumentInfoValues::kFieldDateFormat)) {
        return error;
    }
    // The interval is checked even while backups are off: the box keeps it.
    return OutOfRange(values.backupMinutes, cDocumentInfoValues::kMinBackupMinutes,
                      cDocumentInfoValues::kMaxBackupMinutes, cDocumentInfoValues::kFieldBackupMinutes);
}
