#include "document/CTournelDoc.h"

#include "document/DatabaseFile.h"
#include "document/FileIo.h"
#include "document/RepairCourtTime.h"
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
    m_bNotReadProperly = false;
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
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        Prompt().ShowMessage(IDS_READ_ERROR, FormatString(IDS_READ_ERROR, {path}));
        OnNewDocument();
        m_bNotReadProperly = true;
        return false;
    }
    // Read aside and swap in only a database read whole.
    cDatabase loaded;
    loaded.m_fnClock = m_fnClock;
    const eReadStatus status = ReadDatabase(*bytes, loaded, Prompt());
    m_fFileVersion = ReadVersion(*bytes);
    DeleteContents();
    InitDatabase();
    SetModifiedFlag(false);
    switch (status) {
    case eReadStatus::kOk: {
        // Repaired before the swap, so that no view hears of the single steps.
        const bool repaired = RepairCourtTime(loaded) > 0;
        TakeContentsFrom(loaded);
        m_strPathName = path;
        SetModifiedFlag(repaired);
        if (repaired) {
            Prompt().ShowMessage(IDS_COURT_TIME_REPAIRED);
        }
        return true;
    }
    case eReadStatus::kNewerVersion:
    case eReadStatus::kDeclinedVersion:
        // The refused file keeps its name so that it is plain which file
        // this is, but it cannot be overwritten from here.
        m_bNotReadProperly = true;
        m_strPathName = path;
        return false;
    case eReadStatus::kDamaged:
        break;
    }
    // Like a refused file: an empty database that cannot be saved, so that
    // nothing is written in place of what could not be read.
    Prompt().ShowMessage(IDS_UNEXPECTED_FILE_FORMAT);
    m_strPathName.clear();
    m_fFileVersion = kVersion;
    m_bNotReadProperly = true;
    return false;
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

namespace {

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error)) {
        return true;
    }
    return std::filesystem::weakly_canonical(a, error) == std::filesystem::weakly_canonical(b, error);
}

} // namespace

bool CTournelDoc::OnSaveDocument(const std::string& path)
{
    if (m_bNotReadProperly && !m_strPathName.empty() && SameFile(path, m_strPathName)) {
        Prompt().ShowMessage(IDS_REFUSED_FILE_KEPT, FormatString(IDS_REFUSED_FILE_KEPT, {path}));
        return false;
    }
    if (!WriteTo(path)) {
        return false;
    }
    // Saved under another name, the document is a file of its own now.
    m_bNotReadProperly = false;
    m_strPathName = path;
    SetModifiedFlag(false);
    return true;
}

bool CTournelDoc::BackupIfDue()
{
    // A refused file left nothing worth a copy.
    if (m_bAutoBackup == 0 || m_bNotReadProperly) {
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
