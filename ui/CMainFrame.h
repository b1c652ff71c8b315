#pragma once

// The main window: menu, toolbar, status bar with the directory pane, and a
// splitter with the directory tree and the item list of the one document.
// It routes the commands to the document and keeps them enabled by the
// current directory and the list's selection.

#include "document/CTournelDoc.h"
#include "document/cUndoHistory.h"
#include "model/cDatabaseListener.h"
#include "ui/CFindDialog.h"
#include "ui/PrintPages.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMessageBox>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class CHelpWindow;
class CMessagePrompt;
class CTournelView;
class QLabel;
class QMenu;
class QMimeData;
class QPrinter;
class QSettings;
class QSplitter;
class QTimer;
class QToolBar;
class cDbItem;
class cTournelDb;
class cTournelListView;
class cTournelObject;

class CMainFrame : public QMainWindow, private cDatabaseListener
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
    int CurrentDirectory() const { return m_nCurrentDirectory; }
    cTournelDb* CurrentContainer() const { return m_pCurrentContainer; }
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

    // How modal windows are run; tests replace these so that no window waits for a user.
    std::function<int(QDialog& dialog)> m_fnRunDialog;
    // Asks for a file name to open (save false) or to save to; empty: cancelled.
    std::function<QString(bool save, const QString& suggested)> m_fnAskFileName;
    // "Save changes to %1?" with Yes, No and Cancel.
    std::function<QMessageBox::StandardButton(const QString& text)> m_fnAskSaveChanges;
    // Where a print goes: sets up the printer (the print dialog) and answers
    // false when the user cancelled. Tests set a PDF file in a folder of theirs.
    std::function<bool(QPrinter& printer)> m_fnChoosePrinter;

    // Documents.
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

    // Views.
    // Builds the tree again for the document as it stands and selects the root.
    void UpdateAllViews();
    void SelectDirectory(cTournelObject* object, bool updateStatus, bool selectInTree);
    void RefreshList();
    void FillList(cTournelDb& container);
    // A list regenerated from the rest of the season (the unscheduled matches,
    // a standings table) is regenerated when the user opens it: the one place
    // where showing a list may ask a question.
    void RegenerateDerivedList(cTournelDb& container);
    // Lists and tree that changes of the document left behind are shown
    // again, as the items stand (a standings table counted afresh when out
    // of date); nothing when they are up to date.
    void BringViewsUpToDate();
    void MarkSelected();
    void ClearMarks();
    // The item of the row with the focus, or null.
    cDbItem* GetCurrentItem() const;
    void UpdateCommands();
    // The context menu of the current directory for a click on `row` (-1: beside the rows); null: none.
    std::unique_ptr<QMenu> CreateContextMenu(int row);
    void OnRowActivated(int row);

    // Commands.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnInsertItem();
    void OnInsertInto(cTournelDb& container);
    void OnProperties();
    void OnDeleteItem();
    void OnRemoveSelectedMatches();
    void OnFind();
    void OnSelectAll();
    void OnViewFilter();
    void OnPrintFont();
    // "&Print...", "Print Pre&view..." (with "Save as PDF...") and "P&rint
    // Setup..." of the shown directory, and "&Write to File...".
    void OnFilePrint();
    void OnPrintPreview();
    void OnPrintSetup();
    void OnWriteToFile();
    // The special prints; each prints, or writes the file its dialog asks for.
    void OnPrintSchedule();
    void OnPrintTables();
    void OnPrintContent();
    void OnExportCalendar();
    void OnImport();
    void OnWebTemplates();
    // The printer of this window's prints, with the set-up chosen so far.
    QPrinter& Printer();
    void OnScheduleAutomatically();
    void OnDocumentInfo();
    void OnRepeatTime();
    void OnDuplicateTime();
    void OnScheduleSettings();
    // Runs one of the two table settings dialogs; the shown table or results are drawn anew.
    void OnTableSettings(bool (*run)(CTournelDoc& doc, QWidget* parent));
    void OnEnterResult();
    void OnOfficialSettings();
    void OnRenumberMatches();
    void OnScheduleManually();
    void OnMoveMatch();
    void OnInsertPlayoff();
    void OnRemoveAutoScheduled();
    void OnAssignAutomatically();
    void OnAssignManually();
    // Clears slot `slot` (0-4), or with -1 every slot, of the selected matches.
    void OnRemoveOfficials(int slot);
    void RedrawAfterOfficialsChanged();
    void OnRemoveResults();
    // Undo and Redo put back the database of before (after) the step and show
    // the same directory again, or its parent when it is gone.
    void OnUndo();
    void OnRedo();
    void OnTipOfTheDay();
    void OnAbout();
    // Opens the help window on PAGE of the user guide (a file name such as
    // "scheduling.html"), scrolled to ANCHOR.
    void ShowHelp(const QString& page, const QString& anchor = {});
    // The help window once it was opened; null before.
    CHelpWindow* HelpWindow() const { return m_pHelpWindow; }

    const std::array<std::string, 3>& FindTexts() const { return m_findTexts; }
    // The steps Undo and Redo can take.
    const cUndoHistory& History() const { return m_history; }

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
    // The document's announcements.
    void ItemsChanged(const cTournelDb& container, const cDbItem* removed) override;
    void ContainersReplaced() override;
    void BeforePrompt(bool waitsForUser) override;
    // The list lets go of its rows, to be shown again soon.
    void ForgetList();
    void ScheduleViewUpdate();
    void SyncTree();
    // A standings table about to be shown is counted afresh when out of
    // date: it reads only the results and the table settings, so this is
    // safe at any moment, even in the middle of a command.
    void BringShownTableUpToDate(cTournelDb& container);
    void DeleteSelected();
    // Runs a command; a command that changes the database becomes an undo
    // step named after `commandId`. Commands that leave the database alone
    // (printing, finding, the file commands) just run.
    void RunCommand(int commandId, const std::function<void()>& run);
    // Puts back the database the bytes hold, keeping the directory shown.
    void RestoreSnapshot(const std::string& bytes);
    // New or Open: no steps; the document stands as its file unless modified already.
    void ClearHistory();
    void UpdateUndoCommands();
    static bool AnyEnabled(const QMenu& menu);

    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void UpdateTitle();
    int TreeWidth() const;
    void RestoreWindowState();
    void SaveWindowState();
    void UpdateFilterPane();
    void OnTreeSelection(cTournelObject* object);
    // After a match was placed: the list anew, the match selected when the schedule is shown.
    void ShowPlacedMatch(cMatch* match);
    void OnContextMenu(int row, const QPoint& globalPos);
    void EditItem(cDbItem& item, int row);
    void InsertItem();
    void LoadRecentFiles();
    void SaveRecentFiles();
    void UpdateRecentMenu();
    int RunDialog(QDialog& dialog);
    // The shown directory brought up to date for printing or writing; null
    // (with the message shown) when there is none or it holds nothing.
    cTournelDb* DirectoryToPrint();
    // Asks where the print goes and prints the pages laid out for it.
    void PrintJob(const PageLayout& layout);
    bool ChoosePrinter(QPrinter& printer);
    void SaveAsPdf(const PageLayout& layout, const QString& suggested);
    // The name of a file to write: m_fnAskFileName, or a save dialog with
    // `filter` and a default suffix; empty when cancelled.
    QString AskOutputName(const QString& suggested, const QString& filter, const QString& suffix);
    // The same with the filter and default extension of the file writers' `kind`.
    // `spreadsheet`: a CSV file is offered besides the kind's own forms.
    QString AskOutputName(const QString& suggested, int kind, bool spreadsheet = true);
    static QString DroppedFile(const QMimeData* data);

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
    QAction* m_pRecentSeparator = nullptr;
    std::array<QAction*, kRecentFiles> m_recentActions{};
    QStringList m_recentFiles;
    std::map<int, QAction*> m_actions;
    std::array<std::string, 3> m_findTexts; // the texts of the last Find, kept until the program ends

    // The item whose directories the list shows (the current node is an
    // item's); null otherwise. Like the current container it never outlives
    // its item: the announcements reset both.
    int m_nCurrentDirectory = kDirRoot;
    cTournelDb* m_pCurrentContainer = nullptr;
    cDbItem* m_pFolderItem = nullptr;
    bool m_bListStale = false; // the list let go of rows the document changed
    bool m_bTreeStale = false; // item nodes may stand for items that are gone
    bool m_bTreeGone = false;  // the containers were replaced: the tree is built anew
    bool m_bFilling = false;   // the list is being filled: its own changes are no news
    QTimer* m_pViewTimer = nullptr;
    std::unique_ptr<QPrinter> m_pPrinter; // made on the first print
    CHelpWindow* m_pHelpWindow = nullptr; // a child window, made when first asked for
    QElapsedTimer m_sinceViewUpdate;
    cUndoHistory m_history;
    int m_nCommandDepth = 0;   // commands running: Undo waits, nested commands are part of the outer one
    bool m_bRestoring = false; // an undo step is shown: lists as they stand, none regenerated
};
