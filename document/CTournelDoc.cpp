#include "document/CTournelDoc.h"

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
    m_nCurrentDirectory = kDirRoot;
}

bool CTournelDoc::OnNewDocument()
{
    DeleteContents();
    InitDatabase();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CTournelDoc::OnOpenDocument(const std::string&)
{
    // The file reader comes with the database-file work.
    OnNewDocument();
    return false;
}

bool CTournelDoc::OnSaveDocument(const std::string&)
{
    return false;
}

bool CTournelDoc::BackupIfDue()
{
    return false;
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
