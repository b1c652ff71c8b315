#include "document/CTournelDoc.h"

#include "document/DatabaseFile.h"
#include "document/FileIo.h"
#include "document/RepairCourtTime.h"
#include "document/Rollover.h"
#include "model/Strings.h"
#include "model/cUserPrompt.h"

#include <filesystem>

CTournelDoc::CTournelDoc()
{
    OnNewDocument();
}

void CTournelDoc::InitDatabase()
{
    ResetSettings();
    CreateContainers();
    m_tLastBackup = Now();
    if (m_bFixedSeed) {
        m_random.Seed(m_nFixedSeed);
    } else {
        m_random.SeedFromClock();
    }
}

void CTournelDoc::DeleteContents()
{
    DestroyContainers();
}

bool CTournelDoc::OnNewDocument()
{
    DeleteContents();
    InitDatabase();
    m_strPathName.clear();
    m_fFileVersion = kVersion;
    SetModifiedFlag(false);
    return true;
}

bool CTournelDoc::OnOpenDocument(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found) {
        Prompt().ShowMessage(IDS_FILE_NOT_FOUND, FormatString(IDS_FILE_NOT_FOUND, {path}));
        return false;
    }
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        Prompt().ShowMessage(IDS_READ_ERROR, FormatString(IDS_READ_ERROR, {path}));
        return false;
    }
    // Read aside and swap in only a database read whole: whatever refuses the
    // file leaves the open database, its name and its modified flag alone.
    cDatabase loaded;
    loaded.m_fnClock = m_fnClock;
    switch (ReadDatabase(*bytes, loaded, Prompt())) {
    case eReadStatus::kOk:
        break;
    case eReadStatus::kNewerVersion:
    case eReadStatus::kDeclinedVersion:
        // The reader told the user why.
        return false;
    case eReadStatus::kDamaged:
        Prompt().ShowMessage(IDS_UNEXPECTED_FILE_FORMAT);
        return false;
    }
    // Repaired before the swap, so that no view hears of the single steps.
    const bool repaired = RepairCourtTime(loaded) > 0;
    InitDatabase();
    TakeContentsFrom(loaded);
    m_strPathName = path;
    m_fFileVersion = ReadVersion(*bytes);
    SetModifiedFlag(repaired);
    if (repaired) {
        Prompt().ShowMessage(IDS_COURT_TIME_REPAIRED);
    }
    return true;
}

cValidation CTournelDoc::StartNextSeason(const cRolloverValues& values)
{
    // Made aside, so that a refusal leaves this season alone.
    cDatabase next;
    next.m_fnClock = m_fnClock;
    if (cValidation refusal = MakeNextSeason(*this, values, next)) {
        return refusal;
    }
    InitDatabase();
    TakeContentsFrom(next);
    m_strPathName.clear();
    m_fFileVersion = kVersion;
    // Not a file yet: closing asks to save it.
    SetModifiedFlag(true);
    return std::nullopt;
}

std::string CTournelDoc::Snapshot() const
{
    return WriteDatabase(*this);
}

bool CTournelDoc::RestoreSnapshot(std::string_view bytes)
{
    cDatabase restored;
    restored.m_fnClock = m_fnClock;
    if (ReadSnapshot(bytes, restored, Prompt()) != eReadStatus::kOk) {
        return false;
    }
    const bool modified = IsModified();
    TakeContentsFrom(restored);
    SetModifiedFlag(modified);
    return true;
}

bool CTournelDoc::WriteTo(const std::string& path)
{
    const TimePoint previousModified = m_tModified;
    m_tModified = Now();
    if (!ReplaceFile(path, WriteDatabase(*this))) {
        m_tModified = previousModified;
        Prompt().ShowMessage(IDS_WRITE_ERROR, FormatString(IDS_WRITE_ERROR, {path}));
        return false;
    }
    m_tLastBackup = m_tModified;
    return true;
}

bool CTournelDoc::OnSaveDocument(const std::string& path)
{
    if (!WriteTo(path)) {
        return false;
    }
    m_strPathName = path;
    SetModifiedFlag(false);
    return true;
}

bool CTournelDoc::BackupIfDue()
{
    if (m_bAutoBackup == 0) {
        return false;
    }
    if (Now() - m_tLastBackup <= static_cast<TimePoint>(m_nBackupMinutes) * 60) {
        return false;
    }
    Prompt().BeginWait(GetString(IDS_SAVING_BACKUP));
    const bool modified = IsModified();
    const bool written = WriteTo(BackupPathName());
    SetModifiedFlag(modified);
    Prompt().EndWait();
    return written;
}

std::string CTournelDoc::BackupPathName() const
{
    if (m_strPathName.size() < 5) {
        return "backup.tnd";
    }
    return m_strPathName.substr(0, m_strPathName.size() - 4) + "_backup.tnd";
}

std::string CTournelDoc::GetTitle() const
{
    if (m_strPathName.empty()) {
        return "Untitled";
    }
    return std::filesystem::path(m_strPathName).filename().string();
}
