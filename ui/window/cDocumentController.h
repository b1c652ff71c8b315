#pragma once

// The document of the window: File > New, Open, Save and Save As, the
// recent files, files dropped on the window, and the undo transaction
// around every command (the steps Undo and Redo move through).

#include "document/cUndoHistory.h"
#include "ui/window/CMainFrame.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <string>

class QAction;
class QMimeData;

class cDocumentController
{
public:
    explicit cDocumentController(CMainFrame& frame);
    cDocumentController(const cDocumentController&) = delete;
    cDocumentController& operator=(const cDocumentController&) = delete;

    // The recent files of the profile shown in the File menu, after
    // `separator`; the entries are the actions of the recent file commands.
    void ShowRecentFiles(QAction* separator);

    // `path` by value: asking to save first may change the list a recent entry comes from.
    // A file the document refuses (missing, damaged, its version) leaves the
    // season, the views and the undo history as they were (false); a missing
    // one also leaves the recent files.
    bool OpenDocumentFile(QString path);
    // A file named on the command line: the window is shown first, so that a
    // question about the file does not stand on an empty screen; a refused
    // file leaves the window open with the empty new document.
    void OpenAtStartUp(const QString& path);
    // Asks to save a modified document; false when the user cancelled.
    bool SaveModified();
    // Saves to `path` (empty: asks for a name); false when not saved.
    bool DoSave(const QString& path);
    QStringList RecentFiles() const { return m_recentFiles; }
    void AddRecentFile(const QString& path);
    // Opens the recent file at `index` (0: the latest) when there is one.
    void OpenRecentFile(int index);
    // The local file a drop on the window brings, or empty.
    static QString DroppedFile(const QMimeData* data);

    void OnFileNew();
    // File > New Season from This: asks for the weeks in its dialog, then
    // whether to save the current season (as New does), and puts the next
    // season in its place as a new document, "Untitled" and modified. A
    // refused or cancelled dialog, or Cancel to saving, changes nothing.
    void OnNewSeason();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();

    // Runs a command; a command that changes the database becomes an undo
    // step named after `commandId`. Commands that leave the database alone
    // (printing, finding, the file commands) just run.
    void RunCommand(int commandId, const std::function<void()>& run);
    // Undo and Redo put back the database of before (after) the step and show
    // the same directory again, or its parent when it is gone.
    void OnUndo();
    void OnRedo();
    // The steps Undo and Redo can take.
    const cUndoHistory& History() const { return m_history; }
    // Undo and Redo named after the steps they take.
    void UpdateUndoCommands();

private:
    void LoadRecentFiles();
    void SaveRecentFiles();
    void UpdateRecentMenu();
    // Puts back the database the bytes hold, keeping the directory shown.
    void RestoreSnapshot(const std::string& bytes);
    // New or Open: no steps; the document stands as its file unless modified already.
    void ClearHistory();

    CMainFrame& m_frame;
    CTournelDoc& m_doc;
    QAction* m_pRecentSeparator = nullptr;
    std::array<QAction*, CMainFrame::kRecentFiles> m_recentActions{};
    QStringList m_recentFiles;
    cUndoHistory m_history;
    int m_nCommandDepth = 0; // commands running: Undo waits, nested commands are part of the outer one
};
