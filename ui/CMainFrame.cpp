#include "ui/CMainFrame.h"

#include "document/cDirectoryPath.h"
#include "model/Strings.h"
#include "model/cCourt.h"
#include "model/cIndexedDb.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cResult.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "officials/AutoAssign.h"
#include "officials/RemoveOfficials.h"
#include "officials/cAutoAssignValues.h"
#include "output/Export.h"
#include "output/PrintLayout.h"
#include "output/PrintValues.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/ManualScheduling.h"
#include "scheduling/MatchGeneration.h"
#include "scheduling/ScheduleEditing.h"
#include "standings/Standings.h"
#include "standings/cResultValues.h"
#include "ui/CAboutDialog.h"
#include "ui/CAutoAssignDialog.h"
#include "ui/CCalendarExportDialog.h"
#include "ui/CContentPrintDialog.h"
#include "ui/CCriteriaDialog.h"
#include "ui/CDocumentInfoDialog.h"
#include "ui/CHelpWindow.h"
#include "ui/CImportDialog.h"
#include "ui/CManualAssignDialog.h"
#include "ui/CManualScheduleDialog.h"
#include "ui/CMessagePrompt.h"
#include "ui/COfficialSettingsDialog.h"
#include "ui/CPlayoffMatchDialog.h"
#include "ui/CResultDialog.h"
#include "ui/CResultSettingsDialog.h"
#include "ui/CSchedulePrintDialog.h"
#include "ui/CTablePrintDialog.h"
#include "ui/CTipDialog.h"
#include "ui/CTournelView.h"
#include "ui/CViewFilterDialog.h"
#include "ui/CWebTemplatesDialog.h"
#include "ui/CommandIds.h"
#include "ui/CommandRules.h"
#include "ui/DialogFields.h"
#include "ui/Images.h"
#include "ui/ItemDialogs.h"
#include "ui/PrintFont.h"
#include "ui/cItemDialogRegistry.h"
#include "ui/cTournelListView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>

#include <new>
#include <set>

namespace {

const QString kFileFilter = QStringLiteral("Tournel Database (*.tnd)");
// Views left behind by a long run are shown again at most this often.
constexpr int kViewUpdateMs = 200;

// True when `container` lies below `item` (in one of its child containers, at any depth).
bool IsBelow(const cTournelDb* container, const cDbItem& item)
{
    while (container != nullptr) {
        const cDbItem* owner = container->GetOwnerItem();
        if (owner == nullptr) {
            return false;
        }
        if (owner == &item) {
            return true;
        }
        container = owner->GetOwner();
    }
    return false;
}

// Containers whose items have nodes of their own in the tree.
bool HasItemNodes(const cTournelDb& container)
{
    return container.m_nDirectoryId == kDirLeagues || container.m_nDirectoryId == kDirOfficials ||
           container.m_nDirectoryId == kDirTeams;
}
const QString kRecentSection = QStringLiteral("Recent File List");

QString Text(int id)
{
    return QString::fromUtf8(GetString(id));
}

// The commands that work in this release; the others stand in the menus, disabled.
const std::set<int>& Implemented()
{
    static const std::set<int> ids = {ID_FILE_NEW,
                                      ID_FILE_OPEN,
                                      ID_FILE_SAVE,
                                      ID_FILE_SAVE_AS,
                                      ID_APP_EXIT,
                                      ID_INSERT_ITEM,
                                      ID_DELETE_ITEM,
                                      ID_PROPERTIES,
                                      ID_EDIT_FIND,
                                      ID_EDIT_SELECT_ALL,
                                      ID_EDIT_UNDO,
                                      ID_EDIT_REDO,
                                      ID_VIEW_TOOLBAR,
                                      ID_VIEW_STATUS_BAR,
                                      ID_VIEW_FILTER,
                                      ID_INSERT_COURT,
                                      ID_INSERT_TIME,
                                      ID_INSERT_LEAGUE,
                                      ID_INSERT_OFFICIAL,
                                      ID_PRINT_FONT,
                                      ID_TIP_OF_THE_DAY,
                                      ID_HELP_FINDER,
                                      ID_CONTEXT_HELP,
                                      ID_APP_ABOUT,
                                      ID_FILE_MRU_FILE1,
                                      ID_FILE_MRU_FILE1 + 1,
                                      ID_FILE_MRU_FILE1 + 2,
                                      ID_FILE_MRU_FILE1 + 3,
                                      ID_SCHEDULE_AUTO,
                                      ID_DOCUMENT_INFO,
                                      ID_EDIT_REPEAT,
                                      ID_DUPLICATE_TIME,
                                      ID_SETTINGS_SCHEDULE,
                                      ID_SETTINGS_RESULTS,
                                      ID_SETTINGS_TEAM_RATING,
                                      ID_REMOVE_RESULTS,
                                      ID_ENTER_RESULT,
                                      ID_SCHEDULE_RENUMBER,
                                      ID_REMOVE_AUTO_SCHEDULED,
                                      ID_SETTINGS_OFFICIALS,
                                      ID_OFFICIALS_AUTO,
                                      ID_OFFICIALS_MANUAL,
                                      ID_REMOVE_ALL_OFFICIALS,
                                      ID_REMOVE_OFFICIAL1,
                                      ID_REMOVE_OFFICIAL1 + 1,
                                      ID_REMOVE_OFFICIAL1 + 2,
                                      ID_REMOVE_OFFICIAL1 + 3,
                                      ID_REMOVE_OFFICIAL1 + 4,
                                      ID_REMOVE_SELECTED_MATCHES,
                                      ID_SCHEDULE_MANUAL,
                                      ID_MOVE_MATCH,
                                      ID_INSERT_PLAYOFF,
                                      ID_FILE_PRINT,
                                      ID_FILE_PRINT_PREVIEW,
                                      ID_FILE_PRINT_SETUP,
                                      ID_WRITE_TO_FILE,
                                      ID_PRINT_SCHEDULE,
                                      ID_PRINT_TABLES,
                                      ID_PRINT_CONTENT,
                                      ID_EXPORT_CALENDAR,
                                      ID_FILE_IMPORT,
                                      ID_SETTINGS_WEB_TEMPLATES};
    return ids;
}

// A save dialog's file types in Qt's form: "Web Files (*.htm);;Text Files (*.txt)".
QString QtFilter(std::span<const cFileType> types)
{
    QStringList filters;
    for (const cFileType& type : types) {
        filters << QStringLiteral("%1 (%2)").arg(ToQString(type.description), ToQString(type.pattern));
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace

CMainFrame::CMainFrame(QSettings* profile, QWidget* parent)
    : QMainWindow(parent)
    , m_pProfile(profile)
    , m_pPrompt(std::make_unique<CMessagePrompt>(this))
{
    if (m_pProfile == nullptr) {
        m_pOwnProfile = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                    QStringLiteral("Tournel"), QStringLiteral("Tournel"));
        m_pProfile = m_pOwnProfile.get();
    }
    m_doc.SetPrompt(m_pPrompt.get());
    m_doc.SetListener(this);
    m_pViewTimer = new QTimer(this);
    m_pViewTimer->setSingleShot(true);
    connect(m_pViewTimer, &QTimer::timeout, this, &CMainFrame::BringViewsUpToDate);
    m_sinceViewUpdate.start();

    m_pSplitter = new QSplitter(Qt::Horizontal, this);
    m_pTree = new CTournelView(m_pSplitter);
    m_pList = new cTournelListView(m_pSplitter);
    m_pSplitter->addWidget(m_pTree);
    m_pSplitter->addWidget(m_pList);
    m_pSplitter->setStretchFactor(0, 0);
    m_pSplitter->setStretchFactor(1, 1);
    m_pSplitter->setSizes({TreeWidth(), 600});
    m_pSplitter->setChildrenCollapsible(false);
    setCentralWidget(m_pSplitter);
    m_pTree->setWhatsThis(CHelpWindow::WithGuideLink(
        QStringLiteral("The directories of the database. Select one to list its items on the "
                       "right; leagues, teams and officials hold directories of their own."),
        QStringLiteral("start.html"), QStringLiteral("window")));
    m_pList->setWhatsThis(CHelpWindow::WithGuideLink(
        QStringLiteral("The items of the selected directory. Double-click an item to edit it "
                       "(or to open a league, team or official); right-click for its commands."),
        QStringLiteral("start.html"), QStringLiteral("list")));
    // A click on a What's This text's link into the guide, in this window or any dialog.
    qApp->installEventFilter(this);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    LoadRecentFiles();

    connect(m_pTree, &CTournelView::DirectoryChosen, this, &CMainFrame::OnTreeSelection);
    connect(m_pList, &cTournelListView::RowActivated, this, &CMainFrame::OnRowActivated);
    connect(m_pList, &cTournelListView::ContextMenuWanted, this, &CMainFrame::OnContextMenu);
    connect(m_pList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { UpdateCommands(); });
    connect(m_pList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateCommands(); });

    setAcceptDrops(true);
    RestoreWindowState();
    UpdateAllViews();
    m_pList->setFocus();
}

CMainFrame::~CMainFrame()
{
    // The views point into the document; empty them before it goes, and let
    // no signal of a dying view reach this half-destroyed frame.
    m_doc.SetListener(nullptr);
    m_pTree->disconnect(this);
    m_pList->disconnect(this);
    m_pList->selectionModel()->disconnect(this);
    m_pList->Model().Clear();
    m_pTree->clear();
    m_doc.SetPrompt(nullptr);
}

QAction* CMainFrame::Action(int commandId) const
{
    const auto it = m_actions.find(commandId);
    return it != m_actions.end() ? it->second : nullptr;
}

QAction* CMainFrame::AddCommand(int id, const QString& text, const QString& keys, const QString& prompt,
                                const QString& tip)
{
    auto* action = new QAction(text, this);
    if (!keys.isEmpty()) {
        action->setShortcut(QKeySequence(keys));
    }
    action->setStatusTip(prompt);
    action->setToolTip(tip.isEmpty() ? QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("..."))
                                     : tip);
    action->setData(id);
    const QIcon icon = CommandImage(id);
    if (!icon.isNull()) {
        action->setIcon(icon);
    }
    m_actions[id] = action;
    return action;
}

void CMainFrame::CreateActions()
{
    // Every command: its id, menu text, keys, status bar prompt, tool tip
    // (null: the text without "&" and "...") and what it runs (null: nothing yet).
    struct cCommand
    {
        int id;
        const char* text;
        const char* keys;
        const char* prompt;
        const char* tip;
        void (*run)(CMainFrame& frame);
    };
    static const std::vector<cCommand> commands = {
        {ID_FILE_NEW, "&New", "Ctrl+N", "Create a new document", "New", [](CMainFrame& f) { f.OnFileNew(); }},
        {ID_FILE_OPEN, "&Open...", "Ctrl+O", "Open an existing document", "Open",
         [](CMainFrame& f) { f.OnFileOpen(); }},
        {ID_FILE_SAVE, "&Save", "Ctrl+S", "Save the active document", "Save",
         [](CMainFrame& f) { f.OnFileSave(); }},
        {ID_FILE_SAVE_AS, "Save &As...", nullptr, "Save the active document with a new name", nullptr,
         [](CMainFrame& f) { f.OnFileSaveAs(); }},
        {ID_FILE_PRINT, "&Print...", "Ctrl+P", "Print the shown directory", "Print",
         [](CMainFrame& f) { f.OnFilePrint(); }},
        {ID_FILE_PRINT_PREVIEW, "Print Pre&view...", nullptr, "Display full pages", nullptr,
         [](CMainFrame& f) { f.OnPrintPreview(); }},
        {ID_FILE_PRINT_SETUP, "P&rint Setup...", nullptr, "Change the printer and printing options", nullptr,
         [](CMainFrame& f) { f.OnPrintSetup(); }},
        {ID_WRITE_TO_FILE, "&Write to File...", "Ctrl+W", "Write the shown directory to a text file", nullptr,
         [](CMainFrame& f) { f.OnWriteToFile(); }},
        {ID_PRINT_SCHEDULE, "Print &Schedule...", nullptr, "Print the schedule, or write it to a file",
         nullptr, [](CMainFrame& f) { f.OnPrintSchedule(); }},
        {ID_PRINT_TABLES, "Print &Tables", nullptr, "Print the tables and results, or write them to a file",
         nullptr, [](CMainFrame& f) { f.OnPrintTables(); }},
        {ID_PRINT_CONTENT, "Print &Content", nullptr, "Print a summary of the database content", nullptr,
         [](CMainFrame& f) { f.OnPrintContent(); }},
        {ID_EXPORT_CALENDAR, "Export Ca&lendar...", nullptr,
         "Write the scheduled matches as a calendar file for calendar programs and phones", nullptr,
         [](CMainFrame& f) { f.OnExportCalendar(); }},
        {ID_FILE_IMPORT, "&Import...", nullptr,
         "Read teams, officials, court time or results from a spreadsheet (CSV) file", nullptr,
         [](CMainFrame& f) { f.OnImport(); }},
        {ID_FILE_SEND_MAIL, "Sen&d...", nullptr, "Send the active document through electronic mail", nullptr,
         nullptr},
        {ID_APP_EXIT, "E&xit", "Alt+F4", "Quit the application; prompts to save documents", nullptr,
         [](CMainFrame& f) { f.close(); }},
        {ID_EDIT_UNDO, "&Undo", "Ctrl+Z", "Undo the last change", nullptr, [](CMainFrame& f) { f.OnUndo(); }},
        {ID_EDIT_REDO, "&Redo", "Ctrl+Shift+Z", "Redo the change undone last", nullptr,
         [](CMainFrame& f) { f.OnRedo(); }},
        {ID_INSERT_ITEM, "&Insert New Item...", "Ctrl+I", "Insert a new item in the list", "Insert item",
         [](CMainFrame& f) { f.OnInsertItem(); }},
        {ID_DELETE_ITEM, "&Delete Item", "Del", "Delete the selected item(s)", "Delete item(s)",
         [](CMainFrame& f) { f.OnDeleteItem(); }},
        {ID_PROPERTIES, "&Properties...", "Alt+Return", "Edit the item properties", "Edit properties",
         [](CMainFrame& f) { f.OnProperties(); }},
        {ID_DUPLICATE_TIME, "D&uplicate Time...", "Ctrl+D", "Copy the selected court time to another court",
         nullptr, [](CMainFrame& f) { f.OnDuplicateTime(); }},
        {ID_EDIT_REPEAT, "&Repeat Time...", "Ctrl+R", "Repeat the selected court time for later weeks",
         nullptr, [](CMainFrame& f) { f.OnRepeatTime(); }},
        {ID_REMOVE_RESULTS, "Re&move Results", nullptr, "Remove the results of the selected matches", nullptr,
         [](CMainFrame& f) { f.OnRemoveResults(); }},
        {ID_ENTER_RESULT, "Enter &Result...", nullptr, "Enter the result of the selected match", nullptr,
         [](CMainFrame& f) { f.OnEnterResult(); }},
        {ID_EDIT_FIND, "&Find Item...", "Ctrl+F", "Find an item in the current directory", "Find item",
         [](CMainFrame& f) { f.OnFind(); }},
        {ID_EDIT_SELECT_ALL, "&Select All", "Ctrl+A", "Select all the items of the current directory",
         nullptr, [](CMainFrame& f) { f.OnSelectAll(); }},
        {ID_VIEW_TOOLBAR, "&Toolbar", nullptr, "Show or hide the toolbar", nullptr, nullptr},
        {ID_VIEW_STATUS_BAR, "&Status Bar", nullptr, "Show or hide the status bar", nullptr, nullptr},
        {ID_VIEW_FILTER, "&View Filter...", nullptr,
         "Show only the court time of one court and the matches of one league", nullptr,
         [](CMainFrame& f) { f.OnViewFilter(); }},
        {ID_SCHEDULE_AUTO, "&Automatically...", "F2", "Schedule the unscheduled matches automatically",
         nullptr, [](CMainFrame& f) { f.OnScheduleAutomatically(); }},
        {ID_SCHEDULE_MANUAL, "&Manually...", "F3", "Schedule the selected match manually.", "Schedule match",
         [](CMainFrame& f) { f.OnScheduleManually(); }},
        {ID_INSERT_PLAYOFF, "&Insert Playoff Match", nullptr, "Insert a playoff match",
         "Insert a playoff match, i.e. a match outside the defined league system.",
         [](CMainFrame& f) { f.OnInsertPlayoff(); }},
        {ID_REMOVE_AUTO_SCHEDULED, "&Remove Automatically Scheduled Matches", nullptr,
         "Remove matches that are scheduled automatically.", "Remove matches",
         [](CMainFrame& f) { f.OnRemoveAutoScheduled(); }},
        // The same key as Delete Item: shown only, so that the key stays unambiguous.
        {ID_REMOVE_SELECTED_MATCHES, "Remove &Selected Matches\tDel", nullptr,
         "Remove the selected matches from the schedule.", "Remove matches",
         [](CMainFrame& f) { f.OnRemoveSelectedMatches(); }},
        {ID_MOVE_MATCH, "M&ove Match", nullptr, "Reschedule a match.", "Move match",
         [](CMainFrame& f) { f.OnMoveMatch(); }},
        {ID_SCHEDULE_RENUMBER, "R&enumber Matches...", "F8",
         "Renumber all matches with unique number in chronological order", "Renumber",
         [](CMainFrame& f) { f.OnRenumberMatches(); }},
        {ID_OFFICIALS_AUTO, "&Automatically ...", "F4", "Assign officials to the matches automatically",
         nullptr, [](CMainFrame& f) { f.OnAssignAutomatically(); }},
        {ID_OFFICIALS_MANUAL, "Manually...", "F5", "Assign officials to the selected match by hand", nullptr,
         [](CMainFrame& f) { f.OnAssignManually(); }},
        {ID_REMOVE_ALL_OFFICIALS, "&All Officials", "F7", "Remove all officials from the selected matches",
         nullptr, [](CMainFrame& f) { f.OnRemoveOfficials(-1); }},
        {ID_SETTINGS_SCHEDULE, "&Schedule...", nullptr, "Choose the rules the scheduling may ignore", nullptr,
         [](CMainFrame& f) { f.OnScheduleSettings(); }},
        {ID_SETTINGS_OFFICIALS, "&Official Assignments...", nullptr,
         "Choose the rules of the official assignment", nullptr,
         [](CMainFrame& f) { f.OnOfficialSettings(); }},
        {ID_SETTINGS_TEAM_RATING, "&Team Rating...", nullptr, "Choose the ranking criteria of the tables",
         nullptr, [](CMainFrame& f) { f.OnTableSettings(RunCriteriaDialog); }},
        {ID_SETTINGS_RESULTS, "&Results and Point Awards...", nullptr,
         "Choose how results are entered and points awarded", nullptr,
         [](CMainFrame& f) { f.OnTableSettings(RunResultSettingsDialog); }},
        {ID_SETTINGS_WEB_TEMPLATES, "&Web Templates...", nullptr, "Choose the templates of the web pages",
         nullptr, [](CMainFrame& f) { f.OnWebTemplates(); }},
        {ID_PRINT_FONT, "&Print Font...", nullptr, "Select the font to be used during printing.",
         "Select print font", [](CMainFrame& f) { f.OnPrintFont(); }},
        {ID_DOCUMENT_INFO, "&Document Info...", nullptr, "Show and edit the document information", nullptr,
         [](CMainFrame& f) { f.OnDocumentInfo(); }},
        {ID_TIP_OF_THE_DAY, GetString(IDS_TIP_OF_THE_DAY_MENU), nullptr, "Display a tip about the program",
         nullptr, [](CMainFrame& f) { f.OnTipOfTheDay(); }},
        {ID_HELP_FINDER, "&Contents and Index", "F1", "List the help topics", nullptr,
         [](CMainFrame& f) { f.ShowHelp(QStringLiteral("index.html")); }},
        {ID_CONTEXT_HELP, "What's &This?", "Shift+F1",
         "Display help for clicked on buttons, menus and windows", nullptr,
         [](CMainFrame&) { QWhatsThis::enterWhatsThisMode(); }},
        {ID_APP_ABOUT, GetString(IDS_ABOUT), nullptr,
         "Display program information, version number and copyright", "About",
         [](CMainFrame& f) { f.OnAbout(); }},
        {ID_INSERT_COURT, "Insert court", nullptr, "Insert a new court in the database", "Insert court",
         [](CMainFrame& f) { f.OnInsertInto(f.m_doc.Courts()); }},
        {ID_INSERT_TIME, "Insert time", nullptr, "Insert more available time on some court", "Insert time",
         [](CMainFrame& f) { f.OnInsertInto(f.m_doc.CourtTime()); }},
        {ID_INSERT_LEAGUE, "Insert league", nullptr, "Insert a new league in the database", "Insert league",
         [](CMainFrame& f) { f.OnInsertInto(f.m_doc.Leagues()); }},
        {ID_INSERT_OFFICIAL, "Insert official", nullptr, "Insert a new official in the database",
         "Insert official", [](CMainFrame& f) { f.OnInsertInto(f.m_doc.Officials()); }},
    };
    auto qt = [](const char* text) { return text != nullptr ? QString::fromUtf8(text) : QString(); };
    for (const cCommand& command : commands) {
        QAction* action =
            AddCommand(command.id, qt(command.text), qt(command.keys), qt(command.prompt), qt(command.tip));
        if (command.run != nullptr) {
            connect(action, &QAction::triggered, this, [this, id = command.id, run = command.run] {
                RunCommand(id, [this, run] { run(*this); });
            });
        }
    }
    for (int i = 0; i < 5; ++i) {
        QAction* action =
            AddCommand(ID_REMOVE_OFFICIAL1 + i, QStringLiteral("&%1. Officials").arg(i + 1),
                       QStringLiteral("Ctrl+%1").arg(i + 1),
                       QStringLiteral("Remove the %1. officials from the selected matches").arg(i + 1));
        connect(action, &QAction::triggered, this,
                [this, i] { RunCommand(ID_REMOVE_OFFICIAL1 + i, [this, i] { OnRemoveOfficials(i); }); });
    }
    // The keypad's Enter first, so that the menu shows "Alt+Enter"; both keys work.
    Action(ID_PROPERTIES)
        ->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Enter), QKeySequence(Qt::ALT | Qt::Key_Return)});
    Action(ID_EDIT_REDO)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
        Action(id)->setCheckable(true);
        Action(id)->setChecked(true);
    }

    for (int i = 0; i < kRecentFiles; ++i) {
        QAction* recent = AddCommand(ID_FILE_MRU_FILE1 + i, {}, {}, QStringLiteral("Open this document"));
        recent->setVisible(false);
        connect(recent, &QAction::triggered, this, [this, i] {
            if (i < m_recentFiles.size()) {
                // A copy: saving the document first reorders the list.
                const QString path = m_recentFiles[i];
                OpenDocumentFile(path);
            }
        });
        m_recentActions[static_cast<std::size_t>(i)] = recent;
    }
}

void CMainFrame::CreateMenus()
{
    QMenuBar* bar = menuBar();
    m_pFileMenu = bar->addMenu(QStringLiteral("&File"));
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS}) {
        m_pFileMenu->addAction(Action(id));
    }
    m_pFileMenu->addSeparator();
    for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, ID_WRITE_TO_FILE}) {
        m_pFileMenu->addAction(Action(id));
    }
    QMenu* special = m_pFileMenu->addMenu(QStringLiteral("Print Spe&cial..."));
    for (int id : {ID_PRINT_SCHEDULE, ID_PRINT_TABLES, ID_PRINT_CONTENT}) {
        special->addAction(Action(id));
    }
    m_pFileMenu->addAction(Action(ID_EXPORT_CALENDAR));
    m_pFileMenu->addAction(Action(ID_FILE_IMPORT));
    m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(Action(ID_FILE_SEND_MAIL));
    m_pRecentSeparator = m_pFileMenu->addSeparator();
    for (QAction* recent : m_recentActions) {
        m_pFileMenu->addAction(recent);
    }
    m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(Action(ID_APP_EXIT));

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->addAction(Action(ID_EDIT_UNDO));
    edit->addAction(Action(ID_EDIT_REDO));
    edit->addSeparator();
    for (int id : {ID_INSERT_ITEM, ID_DELETE_ITEM, ID_PROPERTIES}) {
        edit->addAction(Action(id));
    }
    edit->addSeparator();
    edit->addAction(Action(ID_DUPLICATE_TIME));
    edit->addAction(Action(ID_EDIT_REPEAT));
    edit->addSeparator();
    edit->addAction(Action(ID_REMOVE_RESULTS));
    edit->addSeparator();
    edit->addAction(Action(ID_EDIT_FIND));
    edit->addAction(Action(ID_EDIT_SELECT_ALL));

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->addAction(Action(ID_VIEW_TOOLBAR));
    view->addAction(Action(ID_VIEW_STATUS_BAR));
    view->addSeparator();
    view->addAction(Action(ID_VIEW_FILTER));

    QMenu* schedule = bar->addMenu(QStringLiteral("&Schedule"));
    schedule->addAction(Action(ID_SCHEDULE_AUTO));
    schedule->addAction(Action(ID_SCHEDULE_MANUAL));
    schedule->addSeparator();
    for (int id : {ID_INSERT_PLAYOFF, ID_REMOVE_AUTO_SCHEDULED, ID_REMOVE_SELECTED_MATCHES, ID_MOVE_MATCH}) {
        schedule->addAction(Action(id));
    }
    schedule->addSeparator();
    schedule->addAction(Action(ID_SCHEDULE_RENUMBER));

    QMenu* officials = bar->addMenu(QStringLiteral("&Assign Officials"));
    officials->addAction(Action(ID_OFFICIALS_AUTO));
    officials->addAction(Action(ID_OFFICIALS_MANUAL));
    QMenu* remove = officials->addMenu(QStringLiteral("&Remove Officials"));
    remove->addAction(Action(ID_REMOVE_ALL_OFFICIALS));
    remove->addSeparator();
    for (int i = 0; i < 5; ++i) {
        remove->addAction(Action(ID_REMOVE_OFFICIAL1 + i));
    }

    QMenu* settings = bar->addMenu(QStringLiteral("Se&ttings"));
    settings->addAction(Action(ID_SETTINGS_SCHEDULE));
    settings->addAction(Action(ID_SETTINGS_OFFICIALS));
    QMenu* tables = settings->addMenu(QStringLiteral("&Tables..."));
    tables->addAction(Action(ID_SETTINGS_TEAM_RATING));
    tables->addAction(Action(ID_SETTINGS_RESULTS));
    settings->addAction(Action(ID_SETTINGS_WEB_TEMPLATES));
    settings->addSeparator();
    settings->addAction(Action(ID_PRINT_FONT));
    settings->addAction(Action(ID_DOCUMENT_INFO));

    // The help menu begins with the tip of the day.
    QMenu* help = bar->addMenu(Text(IDS_HELP_MENU));
    help->addAction(Action(ID_TIP_OF_THE_DAY));
    help->addSeparator();
    help->addAction(Action(ID_HELP_FINDER));
    help->addAction(Action(ID_CONTEXT_HELP));
    help->addSeparator();
    help->addAction(Action(ID_APP_ABOUT));

    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
        if (qobject_cast<QMenu*>(menu->parent()) != nullptr) {
            m_subMenus.push_back(menu);
        }
    }
}

void CMainFrame::CreateToolBar()
{
    m_pToolBar = addToolBar(QStringLiteral("Toolbar"));
    m_pToolBar->setObjectName(QStringLiteral("Toolbar"));
    m_pToolBar->setMovable(false);
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE}) {
        m_pToolBar->addAction(Action(id));
    }
    m_pToolBar->addSeparator();
    for (int id : {ID_EDIT_UNDO, ID_EDIT_REDO}) {
        m_pToolBar->addAction(Action(id));
    }
    m_pToolBar->addSeparator();
    for (int id : {ID_INSERT_ITEM, ID_DELETE_ITEM, ID_PROPERTIES}) {
        m_pToolBar->addAction(Action(id));
    }
    m_pToolBar->addSeparator();
    for (int id : {ID_INSERT_COURT, ID_INSERT_TIME, ID_INSERT_LEAGUE, ID_INSERT_OFFICIAL}) {
        m_pToolBar->addAction(Action(id));
    }
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(Action(ID_APP_ABOUT));
    connect(Action(ID_VIEW_TOOLBAR), &QAction::toggled, m_pToolBar, &QWidget::setVisible);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->addWidget(new QLabel(QStringLiteral("Ready"), bar), 1);
    m_pDirectoryPane = new QLabel(Text(IDS_DATABASE), bar);
    m_pDirectoryPane->setMinimumWidth(3 *
                                      m_pDirectoryPane->fontMetrics().horizontalAdvance(Text(IDS_DATABASE)));
    m_pDirectoryPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pFilterPane = new QLabel(bar);
    m_pFilterPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pFilterPane->setVisible(false);
    bar->addPermanentWidget(m_pFilterPane);
    bar->addPermanentWidget(m_pDirectoryPane);
    connect(Action(ID_VIEW_STATUS_BAR), &QAction::toggled, bar, &QWidget::setVisible);
}

int CMainFrame::TreeWidth() const
{
    // Room for the deepest directory name: a team's "Preferred playing time"
    // sits five levels below the root.
    int widest = 0;
    for (int id : {IDS_DATABASE, IDS_COURTS, IDS_UNUSED_TIME, IDS_LEAGUES, IDS_OFFICIALS,
                   IDS_SCHEDULED_MATCHES, IDS_UNSCHEDULED_MATCHES, IDS_RESULTS, IDS_TEAMS, IDS_TABLE,
                   IDS_HOLIDAYS, IDS_HOME_GROUNDS, IDS_PREFERRED_TIMES, IDS_TEAM_CONFLICTS}) {
        widest = std::max(widest, m_pTree->fontMetrics().horizontalAdvance(Text(id)));
    }
    constexpr int kDeepest = 5;
    return std::max(kTreeWidth,
                    (kDeepest + 1) * m_pTree->indentation() + m_pTree->iconSize().width() + widest + 24);
}

void CMainFrame::RestoreWindowState()
{
    const QByteArray geometry = m_pProfile->value(QStringLiteral("Window/Geometry")).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        // Fits a 1366 x 768 screen with room for the panel and the window frame.
        resize(1100, 640);
    }
    const QByteArray splitter = m_pProfile->value(QStringLiteral("Window/Splitter")).toByteArray();
    if (!splitter.isEmpty()) {
        m_pSplitter->restoreState(splitter);
    }
}

void CMainFrame::SaveWindowState()
{
    m_pProfile->setValue(QStringLiteral("Window/Geometry"), saveGeometry());
    m_pProfile->setValue(QStringLiteral("Window/Splitter"), m_pSplitter->saveState());
}

void CMainFrame::UpdateFilterPane()
{
    QStringList parts;
    if (m_doc.HasContainers()) {
        if (m_doc.m_nCourtFilter != -1) {
            const cCourt* court = m_doc.GetCourt(m_doc.m_nCourtFilter);
            parts << QStringLiteral("court %1")
                         .arg(court != nullptr ? QString::fromStdString(court->m_strName)
                                               : QString::number(m_doc.m_nCourtFilter));
        }
        if (m_doc.m_nLeagueFilter != -1) {
            const cLeague* league = m_doc.GetLeague(m_doc.m_nLeagueFilter);
            parts << QStringLiteral("league %1")
                         .arg(league != nullptr ? QString::fromStdString(league->m_strName)
                                                : QString::number(m_doc.m_nLeagueFilter));
        }
    }
    const QString text =
        parts.isEmpty() ? QString() : QStringLiteral("Filter: ") + parts.join(QStringLiteral(", "));
    if (m_pFilterPane->text() != text) {
        m_pFilterPane->setText(text);
    }
    m_pFilterPane->setVisible(!text.isEmpty());
}

int CMainFrame::RunDialog(QDialog& dialog)
{
    return m_fnRunDialog ? m_fnRunDialog(dialog) : dialog.exec();
}

// ---- documents ----

void CMainFrame::UpdateTitle()
{
    setWindowTitle(QStringLiteral("%1[*] - Tournel").arg(QString::fromStdString(m_doc.GetTitle())));
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::UpdateAllViews()
{
    const QString title =
        QString::fromStdString(m_doc.GetPathName().empty() ? m_doc.GetTitle() : m_doc.GetPathName());
    m_pViewTimer->stop();
    m_bListStale = m_bTreeStale = m_bTreeGone = false;
    m_pList->Model().Clear();
    m_pTree->RebuildTree(m_doc, title);
    SelectDirectory(nullptr, true, false);
    RefreshList();
    UpdateTitle();
    UpdateCommands();
}

bool CMainFrame::SaveModified()
{
    if (!m_doc.IsModified()) {
        return true;
    }
    const QString name =
        QString::fromStdString(m_doc.GetPathName().empty() ? m_doc.GetTitle() : m_doc.GetPathName());
    const QString text = QString::fromStdString(FormatString(IDS_SAVE_CHANGES, {name.toStdString()}));
    const QMessageBox::StandardButton answer =
        m_fnAskSaveChanges ? m_fnAskSaveChanges(text)
                           : QMessageBox::question(this, QStringLiteral("Tournel"), text,
                                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                                   QMessageBox::Yes);
    switch (answer) {
    case QMessageBox::Yes:
        return DoSave(QString::fromStdString(m_doc.GetPathName()));
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OpenDocumentFile(QString path)
{
    if (!SaveModified()) {
        return false;
    }
    emit OpeningFile(path);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // A file the document refuses leaves the season as it was: its views,
    // the directory shown and the undo history stay. A taken file announces
    // the new containers itself before the old ones go.
    if (!m_doc.OnOpenDocument(absolute.toStdString())) {
        // A recent file that has gone is dropped from the list; one that is
        // there but unreadable stays, it may be readable again later.
        if (!QFileInfo::exists(absolute) && m_recentFiles.removeAll(absolute) > 0) {
            SaveRecentFiles();
            UpdateRecentMenu();
        }
        return false;
    }
    AddRecentFile(absolute);
    // The tables as the results read count them: the state the first step goes back to.
    if (m_doc.HasContainers()) {
        BringTablesUpToDate(m_doc);
    }
    ClearHistory();
    UpdateAllViews();
    return true;
}

void CMainFrame::OpenAtStartUp(const QString& path)
{
    show();
    QCoreApplication::processEvents();
    OpenDocumentFile(path);
}

bool CMainFrame::DoSave(const QString& path)
{
    QString target = path;
    if (target.isEmpty()) {
        const QString suggested =
            QString::fromStdString(m_doc.GetPathName().empty() ? m_doc.GetTitle() : m_doc.GetPathName());
        target = m_fnAskFileName
                     ? m_fnAskFileName(true, suggested)
                     : QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), suggested, kFileFilter);
        if (target.isEmpty()) {
            return false;
        }
        if (QFileInfo(target).suffix().isEmpty()) {
            target += QStringLiteral(".tnd");
        }
    }
    target = QFileInfo(target).absoluteFilePath();
    if (!m_doc.OnSaveDocument(target.toStdString())) {
        return false;
    }
    m_doc.SetPathName(target.toStdString());
    m_doc.SetModifiedFlag(false);
    m_history.MarkSaved();
    AddRecentFile(target);
    m_pTree->SetRootTitle(target);
    UpdateTitle();
    return true;
}

void CMainFrame::OnFileNew()
{
    if (!SaveModified()) {
        return;
    }
    ContainersReplaced();
    m_doc.OnNewDocument();
    ClearHistory();
    UpdateAllViews();
}

void CMainFrame::OnFileOpen()
{
    const QString path = m_fnAskFileName
                             ? m_fnAskFileName(false, {})
                             : QFileDialog::getOpenFileName(this, QStringLiteral("Open"), {}, kFileFilter);
    if (!path.isEmpty()) {
        OpenDocumentFile(path);
    }
}

void CMainFrame::OnFileSave()
{
    DoSave(QString::fromStdString(m_doc.GetPathName()));
}

void CMainFrame::OnFileSaveAs()
{
    DoSave({});
}

void CMainFrame::LoadRecentFiles()
{
    m_recentFiles.clear();
    for (int i = 0; i < kRecentFiles; ++i) {
        const QString path =
            m_pProfile->value(QStringLiteral("%1/File%2").arg(kRecentSection).arg(i + 1)).toString();
        if (!path.isEmpty() && !m_recentFiles.contains(path)) {
            m_recentFiles.append(path);
        }
    }
    UpdateRecentMenu();
}

void CMainFrame::SaveRecentFiles()
{
    for (int i = 0; i < kRecentFiles; ++i) {
        const QString key = QStringLiteral("%1/File%2").arg(kRecentSection).arg(i + 1);
        if (i < m_recentFiles.size()) {
            m_pProfile->setValue(key, m_recentFiles[i]);
        } else {
            m_pProfile->remove(key);
        }
    }
}

void CMainFrame::AddRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_recentFiles.removeAll(absolute);
    m_recentFiles.prepend(absolute);
    while (m_recentFiles.size() > kRecentFiles) {
        m_recentFiles.removeLast();
    }
    SaveRecentFiles();
    UpdateRecentMenu();
}

void CMainFrame::UpdateRecentMenu()
{
    for (int i = 0; i < kRecentFiles; ++i) {
        QAction* action = m_recentActions[static_cast<std::size_t>(i)];
        if (i < m_recentFiles.size()) {
            action->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(m_recentFiles[i])));
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
    m_pRecentSeparator->setVisible(!m_recentFiles.isEmpty());
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (SaveModified()) {
        SaveWindowState();
        event->accept();
    } else {
        event->ignore();
    }
}

QString CMainFrame::DroppedFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    // Any file: opening decides, as File > Open does.
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    activateWindow();
    OpenDocumentFile(path);
}

// ---- views ----

void CMainFrame::SelectDirectory(cTournelObject* object, bool updateStatus, bool selectInTree)
{
    QString name;
    m_pFolderItem = nullptr;
    if (object == nullptr) {
        m_nCurrentDirectory = kDirRoot;
        m_pCurrentContainer = nullptr;
        name = Text(IDS_DATABASE);
    } else if (auto* container = dynamic_cast<cTournelDb*>(object)) {
        m_nCurrentDirectory = container->m_nDirectoryId;
        m_pCurrentContainer = container;
        name = Text(container->m_nTitleId);
    } else if (auto* item = dynamic_cast<cDbItem*>(object)) {
        m_nCurrentDirectory = kDirItem;
        m_pCurrentContainer = nullptr;
        m_pFolderItem = item;
        name = QString::fromStdString(item->GetColumnText(0));
    }
    if (updateStatus) {
        m_pDirectoryPane->setText(name);
    }
    if (selectInTree) {
        m_pTree->setFocus();
        m_pTree->SelectNode(CTournelView::NodeOf(object));
    }
}

void CMainFrame::OnTreeSelection(cTournelObject* object)
{
    if (m_bTreeStale || m_bTreeGone) {
        // The node may stand for an item that is gone: the tree is brought
        // into line first, and the directory taken from the node then current.
        BringViewsUpToDate();
        object = CTournelView::ObjectOf(m_pTree->currentItem());
    }
    SelectDirectory(object, true, false);
    RefreshList();
}

void CMainFrame::ItemsChanged(const cTournelDb& container, const cDbItem* removed)
{
    if (removed != nullptr) {
        if (removed->GetTreeNode() != nullptr) {
            m_bTreeStale = true;
        }
        // A directory of the item going away cannot stay current.
        if (IsBelow(m_pCurrentContainer, *removed) || m_pFolderItem == removed ||
            (m_pFolderItem != nullptr && IsBelow(m_pFolderItem->GetOwner(), *removed))) {
            ForgetList();
            m_pList->Model().Clear();
            m_nCurrentDirectory = kDirRoot;
            m_pCurrentContainer = nullptr;
            m_pFolderItem = nullptr;
            m_bTreeStale = true;
        }
    } else if (HasItemNodes(container)) {
        m_bTreeStale = true;
    }
    if (&container == m_pList->Model().Container()) {
        ForgetList();
    }
    ScheduleViewUpdate();
}

void CMainFrame::ContainersReplaced()
{
    m_pViewTimer->stop();
    m_pList->Model().Clear();
    m_pTree->clear();
    m_nCurrentDirectory = kDirRoot;
    m_pCurrentContainer = nullptr;
    m_pFolderItem = nullptr;
    m_bListStale = m_bTreeStale = false;
    m_bTreeGone = true;
    ScheduleViewUpdate();
}

void CMainFrame::BeforePrompt(bool waitsForUser)
{
    if (waitsForUser || m_sinceViewUpdate.elapsed() >= kViewUpdateMs) {
        BringViewsUpToDate();
    }
}

void CMainFrame::ForgetList()
{
    if (m_bFilling) {
        return;
    }
    if (m_pList->Model().rowCount() > 0 || m_pList->Model().Container() != nullptr) {
        m_pList->StoreCursor();
        m_pList->Model().Clear();
    }
    m_bListStale = true;
}

void CMainFrame::ScheduleViewUpdate()
{
    if (m_pViewTimer->isActive() || (!m_bListStale && !m_bTreeStale && !m_bTreeGone)) {
        return;
    }
    m_pViewTimer->start(static_cast<int>(std::max<qint64>(0, kViewUpdateMs - m_sinceViewUpdate.elapsed())));
}

void CMainFrame::BringViewsUpToDate()
{
    if (m_bFilling) {
        return;
    }
    m_pViewTimer->stop();
    m_sinceViewUpdate.restart();
    if (m_bTreeGone) {
        UpdateAllViews();
        return;
    }
    if (m_bTreeStale) {
        SyncTree();
    }
    if (!m_bListStale) {
        return;
    }
    m_bListStale = false;
    // As the items stand: a derived list is not rebuilt here, which may be in
    // the middle of a run; the command that changed it refreshes it when done.
    m_bFilling = true;
    if (m_pCurrentContainer != nullptr) {
        BringShownTableUpToDate(*m_pCurrentContainer);
        m_pList->ShowItems(*m_pCurrentContainer);
    } else {
        m_bFilling = false;
        RefreshList();
        return;
    }
    m_bFilling = false;
    UpdateCommands();
}

void CMainFrame::SyncTree()
{
    m_bTreeStale = false;
    if (!m_doc.HasContainers() || m_pTree->Root() == nullptr) {
        return;
    }
    const cTournelObject* before = m_pCurrentContainer != nullptr
                                       ? static_cast<const cTournelObject*>(m_pCurrentContainer)
                                       : m_pFolderItem;
    const int beforeDirectory = m_nCurrentDirectory;
    m_pTree->SyncBranches(m_doc);
    // Every node stands for a live object again: the current one decides the directory.
    cTournelObject* current = CTournelView::ObjectOf(m_pTree->currentItem());
    SelectDirectory(current, true, false);
    const cTournelObject* after = m_pCurrentContainer != nullptr
                                      ? static_cast<const cTournelObject*>(m_pCurrentContainer)
                                      : m_pFolderItem;
    if (after != before || m_nCurrentDirectory != beforeDirectory) {
        ForgetList();
    }
}

void CMainFrame::RefreshList()
{
    if (m_bTreeGone || m_bTreeStale) {
        BringViewsUpToDate();
        if (m_bTreeGone) {
            return;
        }
    }
    m_pViewTimer->stop();
    m_bListStale = false;
    if (m_pCurrentContainer != nullptr) {
        FillList(*m_pCurrentContainer);
    } else if (m_nCurrentDirectory == kDirItem && m_pTree->currentItem() != nullptr) {
        std::vector<CItemListModel::cFolderRow> rows;
        QTreeWidgetItem* node = m_pTree->currentItem();
        for (int i = 0; i < node->childCount(); ++i) {
            cTournelObject* object = CTournelView::ObjectOf(node->child(i));
            const auto* container = dynamic_cast<const cTournelDb*>(object);
            rows.push_back({node->child(i)->text(0), container != nullptr ? container->m_nImage : 0, object});
        }
        m_pList->ListFolder(std::move(rows));
    } else {
        m_pList->Clear();
    }
    UpdateCommands();
}

void CMainFrame::FillList(cTournelDb& container)
{
    // Rebuilding a derived list changes it: that is what is being shown, not news.
    m_bFilling = true;
    const bool wait = container.GetCount() > 100;
    if (wait) {
        m_doc.Prompt().BeginWait(GetString(IDS_JUST_A_MOMENT));
    }
    if (m_bRestoring) {
        // The list as it stood before the step; regenerating the unscheduled
        // matches would be a change of its own. A table is counted afresh
        // when its flag says so (the steps hold tables up to date).
        BringShownTableUpToDate(container);
        m_pList->ShowItems(container);
    } else {
        RegenerateDerivedList(container);
        m_pList->FillList(container);
    }
    m_bFilling = false;
    m_bListStale = false;
    if (wait) {
        m_doc.Prompt().EndWait();
    }
    UpdateCommands();
}

void CMainFrame::RegenerateDerivedList(cTournelDb& container)
{
    if (&container == &m_doc.Unscheduled()) {
        RebuildUnscheduled(m_doc);
    } else {
        BringShownTableUpToDate(container);
    }
}

void CMainFrame::BringShownTableUpToDate(cTournelDb& container)
{
    if (container.m_nDirectoryId != kDirTable) {
        return;
    }
    if (auto* league = dynamic_cast<cLeague*>(container.GetOwnerItem())) {
        BringTableUpToDate(m_doc, *league);
    }
}

void CMainFrame::MarkSelected()
{
    cTournelDb* container = m_pList->Model().Container();
    if (container == nullptr) {
        return;
    }
    for (cDbItem& item : container->AllItems<cDbItem>()) {
        item.m_bMarked = 0;
    }
    for (int row : m_pList->SelectedRows()) {
        if (cDbItem* item = m_pList->Model().ItemAt(row)) {
            item->m_bMarked = 1;
        }
    }
}

void CMainFrame::ClearMarks()
{
    for (int row : m_pList->SelectedRows()) {
        if (cDbItem* item = m_pList->Model().ItemAt(row)) {
            item->m_bMarked = 0;
        }
    }
}

cDbItem* CMainFrame::GetCurrentItem() const
{
    return m_pList->Model().ItemAt(m_pList->CurrentRow());
}

void CMainFrame::UpdateCommands()
{
    const bool hasRow = m_pCurrentContainer != nullptr && GetCurrentItem() != nullptr;
    // Insert and Properties need a dialog for the directory; without one they would do nothing.
    const cItemDialogRegistry::cEntry* dialogs = cItemDialogRegistry::Instance().Find(m_nCurrentDirectory);
    for (const auto& [id, action] : m_actions) {
        bool enabled = Implemented().count(id) > 0 &&
                       CommandRuleHolds(id, {m_doc, m_nCurrentDirectory, m_pCurrentContainer, hasRow,
                                             m_history.CanUndo(), m_history.CanRedo()});
        if (id == ID_INSERT_ITEM) {
            enabled = enabled && dialogs != nullptr && dialogs->create;
            // Inserting into the schedule makes a playoff match, which needs free court time.
            if (m_nCurrentDirectory == kDirScheduled) {
                enabled = enabled && m_doc.CourtTime().GetCount() > 0;
            }
        } else if (id == ID_PROPERTIES) {
            enabled = enabled && dialogs != nullptr && dialogs->edit;
            // Of the scheduled matches only playoff matches have properties.
            if (m_nCurrentDirectory == kDirScheduled) {
                const auto* match = dynamic_cast<const cMatch*>(GetCurrentItem());
                enabled = enabled && match != nullptr && match->IsPlayoff();
            }
        } else if (id == ID_EDIT_SELECT_ALL) {
            enabled = enabled && m_pList->Model().rowCount() > 0;
        }
        action->setEnabled(enabled);
    }
    UpdateUndoCommands();
    // A submenu none of whose entries would do anything is disabled itself.
    for (QMenu* menu : m_subMenus) {
        menu->menuAction()->setEnabled(AnyEnabled(*menu));
    }
    UpdateFilterPane();
    setWindowModified(m_doc.IsModified());
}

bool CMainFrame::AnyEnabled(const QMenu& menu)
{
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->isEnabled()) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<QMenu> CMainFrame::CreateContextMenu(int row)
{
    if (m_pCurrentContainer == nullptr) {
        return nullptr;
    }
    UpdateCommands();
    auto menu = std::make_unique<QMenu>(this);
    auto add = [this](QMenu& into, const QString& text, int id) {
        QAction* command = Action(id);
        QAction* entry = into.addAction(text);
        entry->setData(id);
        entry->setEnabled(command->isEnabled());
        connect(entry, &QAction::triggered, command, &QAction::trigger);
    };
    auto findAndSelect = [&] {
        add(*menu, QStringLiteral("Find item...\tCtrl+F"), ID_EDIT_FIND);
        add(*menu, QStringLiteral("&Select All\tCtrl+A"), ID_EDIT_SELECT_ALL);
    };
    const bool onRow = row >= 0;
    switch (m_nCurrentDirectory) {
    case kDirUnscheduled:
        if (onRow) {
            add(*menu, QStringLiteral("Schedule Manually..."), ID_SCHEDULE_MANUAL);
        }
        break;
    case kDirResults:
        if (onRow) {
            add(*menu, QStringLiteral("&Properties (Enter Result)...\tAlt+Enter"), ID_PROPERTIES);
            add(*menu, QStringLiteral("Re&move results"), ID_REMOVE_RESULTS);
        }
        break;
    case kDirTable:
        if (onRow) {
            return nullptr;
        }
        break;
    case kDirCourtTime:
        if (onRow) {
            add(*menu, QStringLiteral("Insert new item...\tCtrl+I"), ID_INSERT_ITEM);
            add(*menu, QStringLiteral("Delete item\tDel"), ID_DELETE_ITEM);
            add(*menu, QStringLiteral("Properties...\tAlt+Enter"), ID_PROPERTIES);
            add(*menu, QStringLiteral("Duplicate time...\tCtrl+D"), ID_DUPLICATE_TIME);
            add(*menu, QStringLiteral("Repeat time...\tCtrl+R"), ID_EDIT_REPEAT);
        } else {
            add(*menu, QStringLiteral("Insert new item\tCtrl+I"), ID_INSERT_ITEM);
        }
        break;
    case kDirScheduled:
        if (onRow) {
            add(*menu, QStringLiteral("Enter &Result..."), ID_ENTER_RESULT);
            add(*menu, QStringLiteral("Move match"), ID_MOVE_MATCH);
            add(*menu, QStringLiteral("&Insert Playoff Match"), ID_INSERT_PLAYOFF);
            add(*menu, QStringLiteral("Remove Match\tDel"), ID_DELETE_ITEM);
            add(*menu, QStringLiteral("Remove Automatically Scheduled Matches"), ID_REMOVE_AUTO_SCHEDULED);
            add(*menu, QStringLiteral("Assign officials manually...\tF5"), ID_OFFICIALS_MANUAL);
            QMenu* remove = menu->addMenu(QStringLiteral("Remove officials"));
            add(*remove, QStringLiteral("Remove all officials\tF7"), ID_REMOVE_ALL_OFFICIALS);
            for (int i = 0; i < 5; ++i) {
                add(*remove, QStringLiteral("Remove %1. officials\tCtrl+%1").arg(i + 1),
                    ID_REMOVE_OFFICIAL1 + i);
            }
            remove->menuAction()->setEnabled(AnyEnabled(*remove));
        }
        break;
    default:
        if (onRow) {
            add(*menu, QStringLiteral("Insert new item...\tCtrl+I"), ID_INSERT_ITEM);
            add(*menu, QStringLiteral("Delete item\tDel"), ID_DELETE_ITEM);
            add(*menu, QStringLiteral("Properties...\tAlt+Enter"), ID_PROPERTIES);
        } else {
            add(*menu, QStringLiteral("Insert new item\tCtrl+I"), ID_INSERT_ITEM);
        }
        break;
    }
    findAndSelect();
    return menu;
}

void CMainFrame::OnContextMenu(int row, const QPoint& globalPos)
{
    if (std::unique_ptr<QMenu> menu = CreateContextMenu(row)) {
        menu->exec(globalPos);
    }
}

void CMainFrame::OnRowActivated(int row)
{
    QTreeWidgetItem* node = m_pTree->currentItem();
    if (node != nullptr && node->childCount() > 0) {
        // Rows of leagues, teams and officials, and of an item's directories, lead into their nodes.
        node->setExpanded(true);
        QTreeWidgetItem* target = CTournelView::NodeOf(m_pList->Model().ObjectAt(row));
        if (target == nullptr || target->parent() != node) {
            const QString text =
                m_pList->Model().data(m_pList->Model().index(row, 0), Qt::DisplayRole).toString();
            target = nullptr;
            for (int i = 0; i < node->childCount() && target == nullptr; ++i) {
                if (node->child(i)->text(0) == text) {
                    target = node->child(i);
                }
            }
        }
        if (target == nullptr) {
            m_doc.Prompt().ShowMessage(IDS_UNEXPECTED_ERROR);
            return;
        }
        m_pTree->SelectNode(target);
        return;
    }
    if (m_pList->Model().ItemAt(row) != nullptr) {
        // Editing by double-click or Enter is the Properties command.
        RunCommand(ID_PROPERTIES, [this, row] {
            if (cDbItem* item = m_pList->Model().ItemAt(row)) {
                EditItem(*item, row);
            }
        });
    }
}

void CMainFrame::EditItem(cDbItem& item, int row)
{
    const cItemDialogRegistry::cEntry* entry = cItemDialogRegistry::Instance().Find(m_nCurrentDirectory);
    if (entry == nullptr || !entry->edit) {
        return;
    }
    if (!entry->edit(m_doc, item, this)) {
        return;
    }
    m_pTree->UpdateItemNode(item);
    cTournelDb* container = item.GetOwner();
    if (m_bListStale || m_bTreeStale || (container != nullptr && container->m_bRelistOnEdit != 0)) {
        RefreshList();
    } else {
        m_pList->Model().RowChanged(row);
    }
    UpdateTitle();
}

// ---- item commands ----

void CMainFrame::OnInsertItem()
{
    try {
        InsertItem();
    } catch (const std::bad_alloc&) {
        // Whatever was created is released on the way out.
        m_doc.Prompt().ShowMessage(IDS_OUT_OF_MEMORY);
        RefreshList();
    }
}

void CMainFrame::InsertItem()
{
    m_doc.BackupIfDue();
    cTournelDb* container = m_pCurrentContainer;
    if (container == nullptr || container->m_bReadOnly != 0) {
        m_doc.Prompt().ShowMessage(IDS_UNEXPECTED_ERROR);
        return;
    }
    const cItemDialogRegistry::cEntry* entry = cItemDialogRegistry::Instance().Find(m_nCurrentDirectory);
    if (entry == nullptr || !entry->create) {
        return;
    }
    std::unique_ptr<cDbItem> item = entry->create(m_doc, *container, this);
    if (!item) {
        return;
    }
    cDbItem* added = nullptr;
    if (entry->add) {
        added = entry->add(m_doc, *container, std::move(item));
    } else if (auto* indexed = dynamic_cast<cIndexedDb*>(container);
               indexed != nullptr && dynamic_cast<cIndexedDbItem*>(item.get()) != nullptr) {
        std::unique_ptr<cIndexedDbItem> indexedItem(static_cast<cIndexedDbItem*>(item.release()));
        added = &indexed->AddIndexedItem(std::move(indexedItem), true, -1);
    } else {
        added = &container->AddItem(std::move(item), true);
    }
    if (added == nullptr) {
        return;
    }
    m_doc.SetModifiedFlag();
    switch (m_nCurrentDirectory) {
    case kDirLeagues:
    case kDirOfficials:
        m_pTree->RebuildBranch(*container);
        break;
    case kDirTeams:
        m_pTree->RebuildBranch(*container);
        // The league's table gains a team and the matches to play change.
        if (cDbItem* league = container->GetOwnerItem()) {
            if (cTournelDb* table = league->GetChild(cLeague::kTable)) {
                table->m_bUpToDate = 0;
            }
        }
        m_doc.Unscheduled().m_bUpToDate = 0;
        break;
    default:
        break;
    }
    FillList(*container);
    if (m_nCurrentDirectory == kDirScheduled) {
        // The new playoff match is where the user looks next.
        if (const int row = m_pList->Model().RowOf(added); row >= 0) {
            m_pList->SelectOnly(row);
        }
    }
    UpdateTitle();
}

void CMainFrame::OnInsertInto(cTournelDb& container)
{
    SelectDirectory(&container, true, true);
    OnInsertItem();
}

void CMainFrame::OnProperties()
{
    m_doc.BackupIfDue();
    const int row = m_pList->CurrentRow();
    if (cDbItem* item = m_pList->Model().ItemAt(row)) {
        EditItem(*item, row);
    }
}

void CMainFrame::OnDeleteItem()
{
    m_doc.BackupIfDue();
    DeleteSelected();
}

void CMainFrame::OnRemoveSelectedMatches()
{
    if (m_nCurrentDirectory == kDirScheduled) {
        DeleteSelected();
    }
}

void CMainFrame::DeleteSelected()
{
    cTournelDb* container = m_pCurrentContainer;
    if (container == nullptr || container->m_bReadOnly != 0 || m_pList->SelectedRows().empty()) {
        return;
    }
    if (!m_doc.Prompt().AskYesNo(IDS_DELETE_QUESTION)) {
        return;
    }
    // Deleting a played match deletes its result, and so does deleting the
    // court, league or team it belongs to: that is said first.
    std::vector<const cDbItem*> items;
    for (const int row : m_pList->SelectedRows()) {
        if (const cDbItem* item = m_pList->Model().ItemAt(row)) {
            items.push_back(item);
        }
    }
    if (!ConfirmDeletingItems(m_doc, items)) {
        return;
    }
    m_doc.Prompt().BeginWait(GetString(IDS_JUST_A_MOMENT));
    MarkSelected();
    m_pList->StoreCursor();
    cDbItem* item = container->GetFirst();
    while (item != nullptr) {
        cDbItem* next = cTournelDb::GetNext(*item);
        if (item->m_bMarked != 0) {
            item->m_bMarked = 0;
            if (QTreeWidgetItem* node = CTournelView::NodeOf(item)) {
                // The node goes first: afterwards its object would no longer exist.
                m_pTree->DeleteNode(node);
            }
            container->DeleteItem(*item, m_doc);
        }
        item = next;
    }
    m_doc.Prompt().EndWait();
    RefreshList();
    UpdateTitle();
}

void CMainFrame::OnFind()
{
    cTournelDb* container = m_pCurrentContainer;
    if (container == nullptr) {
        return;
    }
    if (container->GetFirst() == nullptr) {
        m_doc.Prompt().ShowMessage(IDS_DIRECTORY_EMPTY);
        return;
    }
    const cDbItem* start = GetCurrentItem();
    const bool hadRow = start != nullptr;
    if (!hadRow) {
        start = container->GetFirst();
    }
    CFindDialog::cValues values;
    values.texts = m_findTexts;
    CFindDialog dialog(values, this);
    if (RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    values = dialog.Values();
    m_findTexts = values.texts;
    if (!hadRow && !values.forward) {
        start = container->GetLast();
    }
    const std::string texts[3] = {values.texts[0], values.texts[1], values.texts[2]};
    const cDbItem* found =
        container->FindItem(texts, start, values.forward, values.fromEnd, values.wholeWord, values.all);
    if (found == nullptr) {
        m_doc.Prompt().ShowMessage(IDS_CANNOT_FIND_ITEM);
        return;
    }
    m_pList->setFocus();
    m_pList->SelectOnly(m_pList->Model().RowOf(found));
    UpdateCommands();
}

void CMainFrame::OnSelectAll()
{
    m_doc.BackupIfDue();
    m_pList->setFocus();
    m_pList->selectAll();
    UpdateCommands();
}

void CMainFrame::OnViewFilter()
{
    m_doc.BackupIfDue();
    CViewFilterDialog dialog(m_doc, this);
    if (RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    m_doc.m_nCourtFilter = dialog.CourtFilter();
    m_doc.m_nLeagueFilter = dialog.LeagueFilter();
    for (cTournelDb* container :
         {&m_doc.Scheduled(), &m_doc.Unscheduled(), &m_doc.Results(), &m_doc.CourtTime()}) {
        container->m_bUpToDate = 0;
    }
    switch (m_nCurrentDirectory) {
    case kDirScheduled:
    case kDirUnscheduled:
    case kDirResults:
    case kDirCourtTime:
        FillList(*m_pCurrentContainer);
        break;
    default:
        break;
    }
}

void CMainFrame::OnPrintFont()
{
    m_doc.BackupIfDue();
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const int dpi = screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : 96;
    QFontDialog dialog(PrintFontToQFont(m_doc.m_lfPrintFont, dpi), this);
    dialog.setWindowTitle(QStringLiteral("Print Font"));
    if (RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    // The colour stays as it was: the font dialog offers none.
    m_doc.m_lfPrintFont = QFontToPrintFont(dialog.currentFont(), dpi, m_doc.m_lfPrintFont);
    m_doc.SetModifiedFlag();
    UpdateTitle();
}

void CMainFrame::OnScheduleAutomatically()
{
    m_doc.BackupIfDue();
    ScheduleAutomatically(m_doc);
    switch (m_nCurrentDirectory) {
    case kDirScheduled:
    case kDirUnscheduled:
    case kDirCourtTime:
    case kDirResults:
        RefreshList();
        break;
    default:
        BringViewsUpToDate();
        break;
    }
    UpdateTitle();
    UpdateCommands();
}

void CMainFrame::OnRepeatTime()
{
    m_doc.BackupIfDue();
    auto* period = dynamic_cast<cUnusedTime*>(GetCurrentItem());
    if (period != nullptr && RunRepeatCourtTime(m_doc, *period, this)) {
        RefreshList();
        UpdateTitle();
    }
}

void CMainFrame::OnDuplicateTime()
{
    m_doc.BackupIfDue();
    auto* period = dynamic_cast<cUnusedTime*>(GetCurrentItem());
    if (period != nullptr && RunDuplicateCourtTime(m_doc, *period, this)) {
        RefreshList();
        UpdateTitle();
    }
}

void CMainFrame::OnTableSettings(bool (*run)(CTournelDoc& doc, QWidget* parent))
{
    m_doc.BackupIfDue();
    if (!run(m_doc, this)) {
        return;
    }
    // Every table is out of date now; results show their set columns anew.
    if (m_nCurrentDirectory == kDirTable || m_nCurrentDirectory == kDirResults) {
        RefreshList();
    }
    UpdateTitle();
}

void CMainFrame::OnRenumberMatches()
{
    m_doc.BackupIfDue();
    if (!RenumberMatches(m_doc)) {
        return;
    }
    if (m_nCurrentDirectory == kDirScheduled || m_nCurrentDirectory == kDirResults) {
        RefreshList();
    }
    UpdateTitle();
}

void CMainFrame::ShowPlacedMatch(cMatch* match)
{
    RefreshList();
    if (match != nullptr && m_nCurrentDirectory == kDirScheduled) {
        const int row = m_pList->Model().RowOf(match);
        if (row >= 0) {
            m_pList->SelectOnly(row);
        }
    }
    UpdateTitle();
    UpdateCommands();
}

void CMainFrame::OnScheduleManually()
{
    auto* match = dynamic_cast<cUnscheduledMatch*>(GetCurrentItem());
    if (m_nCurrentDirectory != kDirUnscheduled || match == nullptr) {
        return;
    }
    m_doc.BackupIfDue();
    const cLeague* league = m_doc.GetLeague(match->GetLeague());
    if (league == nullptr) {
        m_doc.Prompt().ShowMessage(IDS_UNEXPECTED_ERROR);
        return;
    }
    cManualPlacement placement;
    if (!RunManualScheduleDialog(m_doc, match, league->m_nGameDuration, this, placement)) {
        return;
    }
    ScheduleMatch(m_doc, *placement.courtTime, placement.start, placement.end, *match, true);
    ShowPlacedMatch(nullptr);
}

void CMainFrame::OnMoveMatch()
{
    auto* match = dynamic_cast<cMatch*>(GetCurrentItem());
    if (m_nCurrentDirectory != kDirScheduled || match == nullptr) {
        return;
    }
    m_doc.BackupIfDue();
    cMatch* placed = nullptr;
    {
        cMatchMove move(m_doc, *match);
        cManualPlacement placement;
        if (!RunManualScheduleDialog(m_doc, move.Pairing(), move.Duration(), this, placement,
                                     &move.Moving())) {
            return; // the move puts everything back
        }
        placed = move.Commit(placement);
    }
    ShowPlacedMatch(placed);
}

void CMainFrame::OnInsertPlayoff()
{
    m_doc.BackupIfDue();
    if (cPlayoffMatch* placed = RunInsertPlayoffDialog(m_doc, this)) {
        ShowPlacedMatch(placed);
    }
}

void CMainFrame::OnRemoveAutoScheduled()
{
    m_doc.BackupIfDue();
    if (RemoveAutoScheduledMatches(m_doc).removed == 0) {
        return;
    }
    if (m_nCurrentDirectory == kDirScheduled || m_nCurrentDirectory == kDirUnscheduled) {
        RefreshList();
    } else {
        BringViewsUpToDate();
    }
    UpdateTitle();
    UpdateCommands();
}

void CMainFrame::OnOfficialSettings()
{
    m_doc.BackupIfDue();
    if (RunOfficialSettingsDialog(m_doc, this)) {
        UpdateTitle();
        // The number of officials per game decides which slot commands work.
        UpdateCommands();
    }
}

void CMainFrame::RedrawAfterOfficialsChanged()
{
    if (m_nCurrentDirectory == kDirOfficials || m_nCurrentDirectory == kDirScheduled) {
        RefreshList();
    }
    UpdateTitle();
    UpdateCommands();
}

void CMainFrame::OnAssignAutomatically()
{
    m_doc.BackupIfDue();
    cAutoAssignValues chosen;
    if (!RunAutoAssignDialog(m_doc, this, chosen)) {
        return;
    }
    AssignOfficialsAutomatically(m_doc, chosen.EndLimit(), chosen.officials);
    RedrawAfterOfficialsChanged();
}

void CMainFrame::OnAssignManually()
{
    auto* match = dynamic_cast<cMatch*>(GetCurrentItem());
    if (m_nCurrentDirectory != kDirScheduled || match == nullptr) {
        return;
    }
    m_doc.BackupIfDue();
    if (RunManualAssignDialog(m_doc, *match, this)) {
        RedrawAfterOfficialsChanged();
    }
}

void CMainFrame::OnRemoveOfficials(int slot)
{
    if (m_nCurrentDirectory != kDirScheduled) {
        return;
    }
    if (slot >= 0) {
        m_doc.BackupIfDue();
    }
    std::vector<cMatch*> matches;
    for (const int row : m_pList->SelectedRows()) {
        if (auto* match = dynamic_cast<cMatch*>(m_pList->Model().ItemAt(row))) {
            matches.push_back(match);
        }
    }
    if (RemoveOfficials(m_doc, matches, slot)) {
        RedrawAfterOfficialsChanged();
    }
}

void CMainFrame::OnEnterResult()
{
    auto* match = dynamic_cast<cMatch*>(GetCurrentItem());
    if (m_nCurrentDirectory != kDirScheduled || match == nullptr || match->GetResult() == nullptr) {
        return;
    }
    if (RunResultDialog(m_doc, *match->GetResult(), this)) {
        UpdateTitle();
    }
}

void CMainFrame::OnRemoveResults()
{
    if (m_nCurrentDirectory != kDirResults) {
        return;
    }
    std::vector<cResult*> results;
    for (const int row : m_pList->SelectedRows()) {
        if (auto* result = dynamic_cast<cResult*>(m_pList->Model().ItemAt(row))) {
            results.push_back(result);
        }
    }
    if (results.empty()) {
        return;
    }
    RemoveResults(m_doc, results);
    m_pList->ShowItems(*m_pCurrentContainer);
    UpdateTitle();
}

void CMainFrame::OnScheduleSettings()
{
    m_doc.BackupIfDue();
    if (RunScheduleSettings(m_doc, this)) {
        UpdateTitle();
    }
}

void CMainFrame::OnDocumentInfo()
{
    m_doc.BackupIfDue();
    CDocumentInfoDialog dialog(m_doc, this);
    if (RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    // Dates and weekday names appear in their new forms at once.
    RefreshList();
    UpdateTitle();
}

void CMainFrame::OnTipOfTheDay()
{
    CTipDialog dialog(CTipDialog::FindTipsFile(), *m_pProfile, this);
    RunDialog(dialog);
}

void CMainFrame::OnAbout()
{
    CAboutDialog dialog(this);
    RunDialog(dialog);
}

void CMainFrame::ShowHelp(const QString& page, const QString& anchor)
{
    if (m_pHelpWindow == nullptr) {
        m_pHelpWindow = new CHelpWindow(this);
    }
    m_pHelpWindow->ShowHelp(page, anchor);
    m_pHelpWindow->show();
    m_pHelpWindow->raise();
    m_pHelpWindow->activateWindow();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::WhatsThisClicked) {
        return QMainWindow::eventFilter(watched, event);
    }
    QString page;
    QString anchor;
    if (!CHelpWindow::ParseGuideLink(static_cast<QWhatsThisClickedEvent*>(event)->href(), page, anchor)) {
        return false;
    }
    // A modal dialog blocks every window but its own: the guide opened from
    // one is a window of that dialog and closes with it.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != this) {
        auto* help = new CHelpWindow(modal);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->ShowHelp(page, anchor);
        help->show();
    } else {
        ShowHelp(page, anchor);
    }
    return true;
}

// ---- undo ----

namespace {

// Commands that leave the database as it is, or replace it (the file
// commands), or move through the steps themselves: never a step of their own.
bool TakesNoStep(int commandId)
{
    switch (commandId) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_APP_EXIT:
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
    case ID_FILE_PRINT_SETUP:
    case ID_WRITE_TO_FILE:
    case ID_EDIT_FIND:
    case ID_EDIT_SELECT_ALL:
    case ID_TIP_OF_THE_DAY:
    case ID_HELP_FINDER:
    case ID_CONTEXT_HELP:
    case ID_APP_ABOUT:
        return true;
    default:
        return commandId >= ID_FILE_MRU_FILE1 && commandId < ID_FILE_MRU_FILE1 + CMainFrame::kRecentFiles;
    }
}

} // namespace

QString CMainFrame::CommandName(int commandId) const
{
    // Entries whose menu gives the context that their text lacks.
    switch (commandId) {
    case ID_SCHEDULE_AUTO:
        return QStringLiteral("Schedule Automatically");
    case ID_SCHEDULE_MANUAL:
        return QStringLiteral("Schedule Manually");
    case ID_OFFICIALS_AUTO:
        return QStringLiteral("Assign Officials Automatically");
    case ID_OFFICIALS_MANUAL:
        return QStringLiteral("Assign Officials Manually");
    case ID_REMOVE_ALL_OFFICIALS:
        return QStringLiteral("Remove All Officials");
    case ID_SETTINGS_SCHEDULE:
        return QStringLiteral("Schedule Settings");
    case ID_SETTINGS_OFFICIALS:
        return QStringLiteral("Official Assignment Settings");
    default:
        break;
    }
    if (commandId >= ID_REMOVE_OFFICIAL1 && commandId < ID_REMOVE_OFFICIAL1 + 5) {
        return QStringLiteral("Remove %1. Officials").arg(commandId - ID_REMOVE_OFFICIAL1 + 1);
    }
    const QAction* action = Action(commandId);
    if (action == nullptr) {
        return {};
    }
    QString name = action->text();
    if (const qsizetype tab = name.indexOf(QLatin1Char('\t')); tab >= 0) {
        name.truncate(tab);
    }
    return name.remove(QLatin1Char('&')).remove(QStringLiteral("...")).trimmed();
}

void CMainFrame::RunCommand(int commandId, const std::function<void()>& run)
{
    if (m_nCommandDepth > 0 || TakesNoStep(commandId) || !m_doc.HasContainers()) {
        run();
        return;
    }
    // Each step's bytes hold every table counted from its results, so that
    // Undo and Redo bring back tables that are up to date, and counting a
    // table is never taken for a command's change.
    BringTablesUpToDate(m_doc);
    const std::string before = m_doc.Snapshot();
    const TimePoint stamp = m_doc.m_tModified;
    ++m_nCommandDepth;
    run();
    --m_nCommandDepth;
    BringTablesUpToDate(m_doc);
    // A table shown may have been counted afresh in place, its rows in the same order.
    m_pList->viewport()->update();
    std::string after = m_doc.Snapshot();
    if (after != before && m_doc.m_tModified != stamp) {
        // A backup copy written on the way stamps the time: that alone is no change.
        const TimePoint backedUp = m_doc.m_tModified;
        m_doc.m_tModified = stamp;
        after = m_doc.Snapshot();
        m_doc.m_tModified = backedUp;
    }
    // Cancelled, or confirmed unchanged (a dialog's OK still marks the
    // document modified, as it always has): no step.
    if (after != before) {
        m_history.Record(CommandName(commandId).toStdString(), before);
        m_doc.SetModifiedFlag(!m_history.IsAtSaved());
    }
    UpdateTitle();
    UpdateCommands();
}

void CMainFrame::OnUndo()
{
    if (m_nCommandDepth == 0 && m_history.CanUndo()) {
        RestoreSnapshot(m_history.Undo(m_doc.Snapshot()));
    }
}

void CMainFrame::OnRedo()
{
    if (m_nCommandDepth == 0 && m_history.CanRedo()) {
        RestoreSnapshot(m_history.Redo(m_doc.Snapshot()));
    }
}

void CMainFrame::RestoreSnapshot(const std::string& bytes)
{
    const cDirectoryPath shown = cDirectoryPath::Of(
        m_pCurrentContainer != nullptr ? static_cast<const cTournelObject*>(m_pCurrentContainer)
                                       : m_pFolderItem);
    const int row = m_pList->CurrentRow();
    // The views let go of the items when the document announces the new ones.
    if (!m_doc.RestoreSnapshot(bytes)) {
        m_doc.Prompt().ShowMessage(IDS_UNEXPECTED_ERROR);
        return;
    }
    // A step holds its tables up to date; should one not, it is counted
    // before anything shows it.
    BringTablesUpToDate(m_doc);
    m_doc.SetModifiedFlag(!m_history.IsAtSaved());
    m_bRestoring = true;
    UpdateAllViews();
    if (cTournelObject* object = shown.Find(m_doc)) {
        m_pTree->SelectNode(CTournelView::NodeOf(object));
    }
    m_bRestoring = false;
    if (const int rows = m_pList->Model().rowCount(); row >= 0 && rows > 0) {
        m_pList->SelectOnly(std::min(row, rows - 1));
    }
    UpdateTitle();
    UpdateCommands();
}

void CMainFrame::ClearHistory()
{
    m_history.Clear(!m_doc.IsModified());
}

void CMainFrame::UpdateUndoCommands()
{
    const auto name = [this](int id, const char* verb, const std::string& command) {
        const QString text =
            command.empty() ? QString::fromUtf8(verb) : QStringLiteral("%1 %2").arg(verb, ToQString(command));
        QAction* action = Action(id);
        action->setText(text);
        action->setToolTip(QString(text).remove(QLatin1Char('&')));
    };
    name(ID_EDIT_UNDO, "&Undo", m_history.UndoName());
    name(ID_EDIT_REDO, "&Redo", m_history.RedoName());
}

// ---- printing and files ----

QPrinter& CMainFrame::Printer()
{
    if (!m_pPrinter) {
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_pPrinter->setDocName(QStringLiteral("Tournel"));
    }
    return *m_pPrinter;
}

bool CMainFrame::ChoosePrinter(QPrinter& printer)
{
    if (m_fnChoosePrinter) {
        return m_fnChoosePrinter(printer);
    }
    // The platform's dialog offers printing to a PDF file besides the printers.
    QPrintDialog dialog(&printer, this);
    return RunDialog(dialog) == QDialog::Accepted;
}

void CMainFrame::PrintJob(const PageLayout& layout)
{
    QPrinter& printer = Printer();
    if (!ChoosePrinter(printer)) {
        return;
    }
    // A print turned to keep its columns on the page leaves the set-up as the user made it.
    const cKeepOrientation keep(printer);
    if (!PrintPages(printer, m_doc, layout)) {
        m_doc.Prompt().ShowMessage(IDS_UNABLE_TO_OPEN_FILE);
    }
}

QString CMainFrame::AskOutputName(const QString& suggested, const QString& filter, const QString& suffix)
{
    if (m_fnAskFileName) {
        return m_fnAskFileName(true, suggested);
    }
    // Outputs go beside the database unless the user goes elsewhere.
    QString start = suggested;
    if (!m_doc.GetPathName().empty() && QFileInfo(suggested).isRelative()) {
        start = QFileInfo(QString::fromStdString(m_doc.GetPathName())).dir().filePath(suggested);
    }
    QFileDialog dialog(this, QStringLiteral("Save As"), start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    // A name typed without extension gets the one of the chosen file type.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, suffix](const QString& chosen) {
        const qsizetype star = chosen.indexOf(QStringLiteral("*."));
        const qsizetype close = chosen.indexOf(QLatin1Char(')'), star);
        dialog.setDefaultSuffix(star >= 0 && close > star ? chosen.mid(star + 2, close - star - 2) : suffix);
    });
    if (RunDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

QString CMainFrame::AskOutputName(const QString& suggested, int kind, bool spreadsheet)
{
    const std::span<const cFileType> types = OutputFileTypes(kind);
    QString filter = QtFilter(types);
    if (spreadsheet) {
        filter += QStringLiteral(";;Spreadsheet file (*.csv)");
    }
    return AskOutputName(suggested, filter, types.empty() ? QString() : ToQString(types.front().suffix));
}

void CMainFrame::SaveAsPdf(const PageLayout& layout, const QString& suggested)
{
    QString path = AskOutputName(suggested, QStringLiteral("PDF file (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(Printer().pageLayout());
    pdf.setOutputFileName(path);
    if (!PrintPages(pdf, m_doc, layout)) {
        m_doc.Prompt().ShowMessage(IDS_UNABLE_TO_OPEN_FILE);
    }
}

cTournelDb* CMainFrame::DirectoryToPrint()
{
    cTournelDb* directory = m_pCurrentContainer;
    if (directory != nullptr) {
        // A list derived from the rest of the season is printed as it stands now,
        // and as the view filter shows it.
        RegenerateDerivedList(*directory);
        BringViewsUpToDate();
        directory = m_pCurrentContainer;
        if (directory != nullptr) {
            directory->Refresh();
        }
    }
    if (const int refusal = DirectoryPrintRefusal(directory)) {
        m_doc.Prompt().ShowMessage(refusal);
        return nullptr;
    }
    return directory;
}

void CMainFrame::OnFilePrint()
{
    if (cTournelDb* directory = DirectoryToPrint()) {
        PrintJob([directory](const cPrintSizing& sizing) { return DirectoryPages(*directory, sizing); });
    }
}

void CMainFrame::OnPrintPreview()
{
    cTournelDb* directory = DirectoryToPrint();
    if (directory == nullptr) {
        return;
    }
    const PageLayout layout = [directory](const cPrintSizing& sizing) {
        return DirectoryPages(*directory, sizing);
    };
    // The preview turns its page when the print needs it; the set-up stays the user's.
    const cKeepOrientation keep(Printer());
    QPrintPreviewDialog preview(&Printer(), this);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [this, &layout](QPrinter* printer) { PrintPages(*printer, m_doc, layout); });
    if (auto* bar = preview.findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* pdf = bar->addAction(QStringLiteral("Save as PDF..."));
        pdf->setToolTip(QStringLiteral("Save the pages as a PDF file"));
        const QString name = Text(directory->m_nTitleId);
        connect(pdf, &QAction::triggered, &preview, [this, &layout, name] { SaveAsPdf(layout, name); });
    }
    RunDialog(preview);
}

void CMainFrame::OnPrintSetup()
{
    QPageSetupDialog dialog(&Printer(), this);
    RunDialog(dialog);
}

void CMainFrame::OnWriteToFile()
{
    cTournelDb* directory = DirectoryToPrint();
    if (directory == nullptr) {
        return;
    }
    const QString path = AskOutputName(Text(directory->m_nTitleId), 1);
    if (!path.isEmpty()) {
        WriteDirectoryFile(m_doc, *directory, ToStdString(path));
    }
}

void CMainFrame::OnPrintSchedule()
{
    cSchedulePrintValues values;
    if (!RunSchedulePrintDialog(m_doc, this, values)) {
        return;
    }
    UpdateTitle();
    const cScheduleExport job = values.Export();
    if (values.writeToFile) {
        const QString path = AskOutputName(QStringLiteral("Schedule"), -1);
        if (!path.isEmpty()) {
            WriteScheduleFile(m_doc, job, ToStdString(path));
        }
        return;
    }
    if (const int refusal = SchedulePrintRefusal(m_doc, job)) {
        m_doc.Prompt().ShowMessage(refusal);
        return;
    }
    PrintJob([this, &job](const cPrintSizing& sizing) { return SchedulePages(m_doc, job, sizing); });
}

void CMainFrame::OnPrintTables()
{
    cTablePrintValues values;
    if (!RunTablePrintDialog(m_doc, this, values)) {
        return;
    }
    // The tables were brought up to date: a shown table shows its new order.
    BringViewsUpToDate();
    UpdateTitle();
    const cTablesExport job = values.Export();
    if (values.writeToFile) {
        const QString path = AskOutputName(QStringLiteral("Tables"), -1);
        if (!path.isEmpty()) {
            WriteTablesFile(m_doc, job, ToStdString(path));
        }
    } else if (const int refusal = TablePrintRefusal(m_doc, job)) {
        m_doc.Prompt().ShowMessage(refusal);
    } else {
        PrintJob([this, &job](const cPrintSizing& sizing) { return TablePages(m_doc, job, sizing); });
    }
    BringViewsUpToDate();
}

void CMainFrame::OnExportCalendar()
{
    cCalendarExportValues values;
    if (!RunCalendarExportDialog(m_doc, this, values)) {
        return;
    }
    QString path = AskOutputName(QStringLiteral("Schedule"), QStringLiteral("iCalendar file (*.ics)"),
                                 QStringLiteral("ics"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".ics");
    }
    WriteCalendarFile(m_doc, values.Export(), ToStdString(path));
}

void CMainFrame::OnImport()
{
    const auto browse = [this]() -> QString {
        if (m_fnAskFileName) {
            return m_fnAskFileName(false, {});
        }
        const QString folder = m_doc.GetPathName().empty()
                                   ? QString()
                                   : QFileInfo(QString::fromStdString(m_doc.GetPathName())).absolutePath();
        return QFileDialog::getOpenFileName(this, QStringLiteral("Import"), folder,
                                            QStringLiteral("Spreadsheet file (*.csv);;All files (*)"));
    };
    cImportValues values;
    std::string text;
    if (!RunImportDialog(m_doc, this, browse, values, text)) {
        return;
    }
    m_doc.BackupIfDue();
    const cImportReport report = ImportCsv(m_doc, values.kind, values.league, text);
    BringViewsUpToDate();
    RefreshList();
    UpdateTitle();
    UpdateCommands();
    statusBar()->showMessage(QStringLiteral("%1 rows imported.").arg(report.Count(cImportRow::kImported)),
                             5000);
}

void CMainFrame::OnPrintContent()
{
    cContentPrintValues values;
    if (!RunContentPrintDialog(m_doc, this, values)) {
        return;
    }
    // The summary counts the matches still to be played.
    RegenerateDerivedList(m_doc.Unscheduled());
    BringViewsUpToDate();
    const std::string title = m_doc.GetTitle();
    if (values.writeToFile) {
        const QString path = AskOutputName(QStringLiteral("Content"), 1, false);
        if (!path.isEmpty()) {
            WriteContentFile(m_doc, title, values.courts, values.leagues, ToStdString(path));
        }
    } else {
        PrintJob([this, &title, &values](const cPrintSizing& sizing) {
            return ContentPages(m_doc, title, values.courts, values.leagues, sizing);
        });
    }
    UpdateTitle();
    UpdateCommands();
}

void CMainFrame::OnWebTemplates()
{
    if (RunWebTemplatesDialog(m_doc, this)) {
        UpdateTitle();
    }
}
