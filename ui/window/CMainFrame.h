#pragma once

// The main window: menu, toolbar, status bar with the directory pane, and a
// splitter with the directory tree and the item list of the one document.
// It builds its commands from the command table and wires them to the
// classes that do the work: the document controller (files and undo), the
// view synchronisation (tree and list following the document) and one
// class of handlers per menu.

#include "document/CTournelDoc.h"

#include <QMainWindow>
#include <QMessageBox>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class CMessagePrompt;
class cConflictPanel;
class CTournelView;
class QLabel;
class QMenu;
class QPrinter;
class QSettings;
class QSplitter;
class QToolBar;
class cDbItem;
class cDocumentController;
class cEditCommands;
class cHelpCommands;
class cImportCommands;
class cOfficialsCommands;
class cPrintCommands;
class cResultsCommands;
class cScheduleCommands;
class cSettingsCommands;
class cTournelDb;
class cTournelListView;
class cViewSync;

class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kRecentFiles = 4;
    static constexpr int kTreeWidth = 200;

    // `profile` is the profile store (not owned); null: the user's "Tournel" INI file.
    explicit CMainFrame(QSettings* profile = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CTournelDoc& Document() { return m_doc; }
    const CTournelDoc& Document() const { return m_doc; }
    // What the list shows: a directory id (kDirRoot, kDirItem for an item's
    // folder) and its container, null for the root and for an item's folder.
    int CurrentDirectory() const;
    cTournelDb* CurrentContainer() const;
    CTournelView& Tree() const { return *m_pTree; }
    cTournelListView& List() const { return *m_pList; }
    QSplitter& Splitter() const { return *m_pSplitter; }
    QLabel& DirectoryPane() const { return *m_pDirectoryPane; }
    // "Filter: court X, league Y" while a view filter is on; hidden otherwise.
    QLabel& FilterPane() const { return *m_pFilterPane; }
    QToolBar& ToolBar() const { return *m_pToolBar; }
    QSettings& Profile() const { return *m_pProfile; }
    CMessagePrompt& MessagePrompt() const { return *m_pPrompt; }
    // The action of a command id, or null.
    QAction* Action(int commandId) const;

    // The rooms the work is done in.
    cDocumentController& Documents() const { return *m_pDocuments; }
    cViewSync& Views() const { return *m_pViews; }
    cEditCommands& Edit() const { return *m_pEdit; }
    cScheduleCommands& Schedule() const { return *m_pSchedule; }
    cOfficialsCommands& Officials() const { return *m_pOfficials; }
    cResultsCommands& Results() const { return *m_pResults; }
    cPrintCommands& Print() const { return *m_pPrint; }
    cImportCommands& Import() const { return *m_pImport; }
    cSettingsCommands& Settings() const { return *m_pSettings; }
    cHelpCommands& Help() const { return *m_pHelp; }
    // The Conflicts panel (View > Conflicts).
    cConflictPanel& Conflicts() const { return *m_pConflicts; }

    // How modal windows are run; tests replace these so that no window waits for a user.
    std::function<int(QDialog& dialog)> m_fnRunDialog;
    // Asks for a file name to open (save false) or to save to; empty: cancelled.
    std::function<QString(bool save, const QString& suggested)> m_fnAskFileName;
    // "Save changes to %1?" with Yes, No and Cancel.
    std::function<QMessageBox::StandardButton(const QString& text)> m_fnAskSaveChanges;
    // Where a print goes: sets up the printer (the print dialog) and answers
    // false when the user cancelled. Tests set a PDF file in a folder of theirs.
    std::function<bool(QPrinter& printer)> m_fnChoosePrinter;

    // Runs a modal dialog through m_fnRunDialog, or exec().
    int RunDialog(QDialog& dialog);
    // The title names the document and marks it modified.
    void UpdateTitle();
    // Enables each command by its rule and the view filter pane by the filter.
    void UpdateCommands();
    // The context menu of the current directory for a click on `row` (-1: beside the rows); null: none.
    std::unique_ptr<QMenu> CreateContextMenu(int row);
    void OnRowActivated(int row);

signals:
    // A file is about to be opened (menu, recent list, drop or command line).
    void OpeningFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Opens the guide for a What's This link "guide:PAGE#ANCHOR" clicked anywhere.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    static bool AnyEnabled(const QMenu& menu);
    void CreateActions();
    // The menu bar from the command table; returns the separator before the recent files.
    QAction* CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    int TreeWidth() const;
    void RestoreWindowState();
    void SaveWindowState();
    void UpdateFilterPane();
    void OnContextMenu(int row, const QPoint& globalPos);

    CTournelDoc m_doc;
    std::unique_ptr<QSettings> m_pOwnProfile;
    QSettings* m_pProfile = nullptr;
    std::unique_ptr<CMessagePrompt> m_pPrompt;
    CTournelView* m_pTree = nullptr;
    cTournelListView* m_pList = nullptr;
    QSplitter* m_pSplitter = nullptr;
    QLabel* m_pDirectoryPane = nullptr;
    QLabel* m_pFilterPane = nullptr;
    QToolBar* m_pToolBar = nullptr;
    std::vector<QMenu*> m_subMenus; // menus inside the menus
    std::map<int, QAction*> m_actions;
    std::unique_ptr<cViewSync> m_pViews;
    std::unique_ptr<cDocumentController> m_pDocuments;
    std::unique_ptr<cEditCommands> m_pEdit;
    std::unique_ptr<cScheduleCommands> m_pSchedule;
    std::unique_ptr<cOfficialsCommands> m_pOfficials;
    std::unique_ptr<cResultsCommands> m_pResults;
    std::unique_ptr<cPrintCommands> m_pPrint;
    std::unique_ptr<cImportCommands> m_pImport;
    std::unique_ptr<cSettingsCommands> m_pSettings;
    std::unique_ptr<cHelpCommands> m_pHelp;
    cConflictPanel* m_pConflicts = nullptr; // a child of the frame
};
