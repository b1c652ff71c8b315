#pragma once

// A main frame on a temporary profile, with a scripted prompt and dialog
// hooks that never wait for a user, and helpers that fill its database.

#include "cQtScriptedPrompt.h"
#include "model/cCourt.h"
#include "model/cLeague.h"
#include "model/cReferee.h"
#include "model/cTeam.h"
#include "ui/commands/cEditCommands.h"
#include "ui/commands/cHelpCommands.h"
#include "ui/commands/cSettingsCommands.h"
#include "ui/dialogs/ItemDialogs.h"
#include "ui/dialogs/cItemDialogRegistry.h"
#include "ui/window/CMainFrame.h"
#include "ui/window/CTournelView.h"
#include "ui/window/cDocumentController.h"
#include "ui/window/cTournelListView.h"
#include "ui/window/cViewSync.h"

#include <QDialog>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

struct cFixture
{
    cFixture()
    {
        // The dialogs of the program, as at start-up; a test may register stand-ins over them.
        cItemDialogRegistry::Instance().Clear();
        RegisterItemDialogs(cItemDialogRegistry::Instance());
        m_previousRunner = SetDialogRunner([this](QDialog& dialog) {
            ++m_nDialogs;
            return m_fnDialog ? m_fnDialog(dialog) : int(QDialog::Rejected);
        });
        m_pProfile =
            std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("profile.ini")), QSettings::IniFormat);
        m_pFrame = std::make_unique<CMainFrame>(m_pProfile.get());
        m_pFrame->Document().SetPrompt(&m_prompt);
        m_pFrame->m_fnRunDialog = [this](QDialog& dialog) {
            ++m_nDialogs;
            return m_fnDialog ? m_fnDialog(dialog) : int(QDialog::Rejected);
        };
        m_pFrame->m_fnAskSaveChanges = [this](const QString& text) {
            m_strSaveQuestion = text;
            return m_saveAnswer;
        };
        m_pFrame->m_fnAskFileName = [](bool, const QString&) { return QString(); };
    }
    ~cFixture()
    {
        m_pFrame->Document().SetModifiedFlag(false);
        SetDialogRunner(std::move(m_previousRunner));
    }

    CMainFrame& Frame() { return *m_pFrame; }
    CTournelDoc& Doc() { return m_pFrame->Document(); }
    cTournelListView& List() { return m_pFrame->List(); }
    CTournelView& Tree() { return m_pFrame->Tree(); }

    void Select(cTournelObject* object) { Tree().SelectNode(CTournelView::NodeOf(object)); }
    QString Cell(int row, int column)
    {
        return List().Model().data(List().Model().index(row, column), Qt::DisplayRole).toString();
    }
    int Rows() { return List().Model().rowCount(); }
    // Paints both views and reads every cell, so that a row standing for a
    // destroyed item is used (the sanitizer build reports it).
    void PaintViews()
    {
        List().viewport()->grab();
        Tree().viewport()->grab();
        const CItemListModel& model = List().Model();
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                model.data(model.index(row, column), Qt::DisplayRole);
            }
            model.data(model.index(row, 0), Qt::DecorationRole);
        }
    }

    cCourt& AddCourt(const std::string& name, const std::string& shortName, bool sorted = true)
    {
        auto court = std::make_unique<cCourt>();
        court->m_strName = name;
        court->m_strShortName = shortName;
        return static_cast<cCourt&>(Doc().Courts().AddIndexedItem(std::move(court), sorted, -1));
    }
    cLeague& AddLeague(const std::string& name, const std::string& shortName)
    {
        auto league = std::make_unique<cLeague>();
        league->m_strName = name;
        league->m_strShortName = shortName;
        return static_cast<cLeague&>(Doc().Leagues().AddIndexedItem(std::move(league), true, -1));
    }
    cTeam& AddTeam(cLeague& league, const std::string& name)
    {
        auto team = std::make_unique<cTeam>();
        team->SetName(name);
        return static_cast<cTeam&>(league.Teams().AddIndexedItem(std::move(team), true, -1));
    }
    cReferee& AddOfficial(const std::string& name)
    {
        auto official = std::make_unique<cReferee>();
        official->m_strName = name;
        return static_cast<cReferee&>(Doc().Officials().AddIndexedItem(std::move(official), true, -1));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_pProfile;
    cQtScriptedPrompt m_prompt;
    std::function<int(QDialog&)> m_fnDialog;
    DialogRunner m_previousRunner;
    int m_nDialogs = 0;
    QString m_strSaveQuestion;
    QMessageBox::StandardButton m_saveAnswer = QMessageBox::No;
    std::unique_ptr<CMainFrame> m_pFrame;
};
