#include "ui/window/CommandTable.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "ui/commands/cEditCommands.h"
#include "ui/commands/cHelpCommands.h"
#include "ui/commands/cImportCommands.h"
#include "ui/commands/cOfficialsCommands.h"
#include "ui/commands/cPrintCommands.h"
#include "ui/commands/cResultsCommands.h"
#include "ui/commands/cScheduleCommands.h"
#include "ui/commands/cSettingsCommands.h"
#include "ui/dialogs/CCriteriaDialog.h"
#include "ui/dialogs/CResultSettingsDialog.h"
#include "ui/dialogs/cItemDialogRegistry.h"
#include "ui/window/CMainFrame.h"
#include "ui/window/CommandIds.h"
#include "ui/window/cDocumentController.h"
#include "ui/window/cTournelListView.h"
#include "ui/window/cViewSync.h"

#include <QWhatsThis>

#include <algorithm>

namespace {

bool Writable(const cCommandContext& c)
{
    return c.container != nullptr && c.container->m_bReadOnly == 0;
}

bool HasScheduled(const cCommandContext& c)
{
    return c.db.HasContainers() && c.db.Scheduled().GetCount() > 0;
}

bool OnScheduledRow(const cCommandContext& c)
{
    return c.directory == kDirScheduled && c.hasCurrentRow;
}

bool HasContainer(const cCommandContext& c)
{
    return c.container != nullptr;
}

// The `slot`th officials (1-5) of the current scheduled match can be removed
// when a game has that many.
template <int slot> bool OfficialSlotRule(const cCommandContext& c)
{
    return OnScheduledRow(c) && c.db.m_nOfficialsPerGame >= slot;
}

template <int slot> void RemoveOfficialSlot(CMainFrame& f)
{
    f.Officials().OnRemoveOfficials(slot - 1);
}

template <int index> void OpenRecent(CMainFrame& f)
{
    f.Documents().OpenRecentFile(index);
}

// The rows of the lists except the table's, and beside the rows of every list.
std::vector<cContextEntry> Everywhere(int position, const char* text)
{
    return {{kListEvery & ~kListTable, eClick::kBoth, position, text},
            {kListTable, eClick::kBesideRows, position, text}};
}

std::vector<cCommandRow> MakeTable()
{
    constexpr unsigned kLists = kListItems | kListCourtTime;
    const auto recent = [](int index, void (*run)(CMainFrame&)) {
        return cCommandRow{.id = ID_FILE_MRU_FILE1 + index,
                           .text = nullptr,
                           .prompt = "Open this document",
                           .menu = eMenu::kFile,
                           .separatorBefore = index == 0,
                           .makesStep = false,
                           .run = run};
    };
    const auto removeSlot = [](int slot, const char* text, const char* keys, const char* prompt,
                               const char* contextText, const char* undoName,
                               bool (*rule)(const cCommandContext&), void (*run)(CMainFrame&)) {
        return cCommandRow{
            .id = ID_REMOVE_OFFICIAL1 + slot - 1,
            .text = text,
            .keys = keys,
            .prompt = prompt,
            .menu = eMenu::kRemoveOfficials,
            .separatorBefore = slot == 1,
            .contexts = {{kListScheduled, eClick::kOnRow, 7 + slot, contextText, "Remove officials"}},
            .enabled = rule,
            .undoName = undoName,
            .run = run};
    };

    std::vector<cCommandRow> rows = {
        // File
        {.id = ID_FILE_NEW,
         .text = "&New",
         .keys = "Ctrl+N",
         .prompt = "Create a new document",
         .tip = "New",
         .menu = eMenu::kFile,
         .toolbarGroup = 1,
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Documents().OnFileNew(); }},
        {.id = ID_FILE_NEW_SEASON,
         .text = "New S&eason from This...",
         .prompt =
             "Start the next season with this one's courts, leagues, teams and officials, its dates moved "
             "on by whole weeks",
         .menu = eMenu::kFile,
         .enabled = [](const cCommandContext& c) { return c.db.HasContainers(); },
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Documents().OnNewSeason(); }},
        {.id = ID_FILE_OPEN,
         .text = "&Open...",
         .keys = "Ctrl+O",
         .prompt = "Open an existing document",
         .tip = "Open",
         .menu = eMenu::kFile,
         .toolbarGroup = 1,
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Documents().OnFileOpen(); }},
        {.id = ID_FILE_SAVE,
         .text = "&Save",
         .keys = "Ctrl+S",
         .prompt = "Save the active document",
         .tip = "Save",
         .menu = eMenu::kFile,
         .toolbarGroup = 1,
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Documents().OnFileSave(); }},
        {.id = ID_FILE_SAVE_AS,
         .text = "Save &As...",
         .prompt = "Save the active document with a new name",
         .menu = eMenu::kFile,
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Documents().OnFileSaveAs(); }},
        {.id = ID_FILE_PRINT,
         .text = "&Print...",
         .keys = "Ctrl+P",
         .prompt = "Print the shown directory",
         .tip = "Print",
         .menu = eMenu::kFile,
         .separatorBefore = true,
         .makesStep = false,
         .output = true,
         .run = [](CMainFrame& f) { f.Print().OnFilePrint(); }},
        {.id = ID_FILE_PRINT_PREVIEW,
         .text = "Print Pre&view...",
         .prompt = "Display full pages",
         .menu = eMenu::kFile,
         .makesStep = false,
         .output = true,
         .run = [](CMainFrame& f) { f.Print().OnPrintPreview(); }},
        {.id = ID_FILE_PRINT_SETUP,
         .text = "P&rint Setup...",
         .prompt = "Change the printer and printing options",
         .menu = eMenu::kFile,
         .makesStep = false,
         .output = true,
         .run = [](CMainFrame& f) { f.Print().OnPrintSetup(); }},
        {.id = ID_WRITE_TO_FILE,
         .text = "&Write to File...",
         .keys = "Ctrl+W",
         .prompt = "Write the shown directory to a text file",
         .menu = eMenu::kFile,
         .makesStep = false,
         .output = true,
         .run = [](CMainFrame& f) { f.Print().OnWriteToFile(); }},
        // The print dialogs keep their choices in the document: steps of their own.
        {.id = ID_PRINT_SCHEDULE,
         .text = "Print &Schedule...",
         .prompt = "Print the schedule, or write it to a file",
         .menu = eMenu::kPrintSpecial,
         .enabled = HasScheduled,
         .output = true,
         .run = [](CMainFrame& f) { f.Print().OnPrintSchedule(); }},
        {.id = ID_PRINT_TABLES,
         .text = "Print &Tables",
         .prompt = "Print the tables and results, or write them to a file",
         .menu = eMenu::kPrintSpecial,
         .enabled =
             [](const cCommandContext& c) { return c.db.HasContainers() && c.db.Results().GetCount() > 0; },
         .output = true,
         .run = [](CMainFrame& f) { f.Print().OnPrintTables(); }},
        {.id = ID_PRINT_CONTENT,
         .text = "Print &Content",
         .prompt = "Print a summary of the database content",
         .menu = eMenu::kPrintSpecial,
         .output = true,
         .run = [](CMainFrame& f) { f.Print().OnPrintContent(); }},
        {.id = ID_EXPORT_CALENDAR,
         .text = "Export Ca&lendar...",
         .prompt = "Write the scheduled matches as a calendar file for calendar programs and phones",
         .menu = eMenu::kFile,
         .enabled = HasScheduled,
         .output = true,
         .run = [](CMainFrame& f) { f.Print().OnExportCalendar(); }},
        // It writes a folder of files the monkey has no safe place for.
        {.id = ID_PUBLISH_WEBSITE,
         .text = "Publish &Website...",
         .prompt =
             "Write the season as a small website: schedules, tables, results and calendars to subscribe to",
         .menu = eMenu::kFile,
         .enabled = [](const cCommandContext& c) { return c.db.HasContainers(); },
         .makesStep = false,
         .output = true,
         .random = false,
         .run = [](CMainFrame& f) { f.Print().OnPublishWebsite(); }},
        {.id = ID_FILE_IMPORT,
         .text = "&Import...",
         .prompt = "Read teams, officials, court time or results from a spreadsheet (CSV) file",
         .menu = eMenu::kFile,
         .enabled = [](const cCommandContext& c) { return c.db.HasContainers(); },
         .run = [](CMainFrame& f) { f.Import().OnImport(); }},
        {.id = ID_FILE_COMPARE,
         .text = "Co&mpare with File...",
         .prompt = "Show what changed in the schedule since another (older) version of this season's file",
         .menu = eMenu::kFile,
         .enabled = [](const cCommandContext& c) { return c.db.HasContainers(); },
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Import().OnCompareWithFile(); }},
        recent(0, OpenRecent<0>),
        recent(1, OpenRecent<1>),
        recent(2, OpenRecent<2>),
        recent(3, OpenRecent<3>),
        {.id = ID_APP_EXIT,
         .text = "E&xit",
         .keys = "Alt+F4",
         .prompt = "Quit the application; prompts to save documents",
         .menu = eMenu::kFile,
         .separatorBefore = true,
         .makesStep = false,
         .random = false,
         .run = [](CMainFrame& f) { f.close(); }},

        // Edit
        {.id = ID_EDIT_UNDO,
         .text = "&Undo",
         .keys = "Ctrl+Z",
         .prompt = "Undo the last change",
         .menu = eMenu::kEdit,
         .toolbarGroup = 2,
         .enabled = [](const cCommandContext& c) { return c.canUndo; },
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Documents().OnUndo(); }},
        {.id = ID_EDIT_REDO,
         .text = "&Redo",
         .keys = "Ctrl+Shift+Z; Ctrl+Y",
         .prompt = "Redo the change undone last",
         .menu = eMenu::kEdit,
         .toolbarGroup = 2,
         .enabled = [](const cCommandContext& c) { return c.canRedo; },
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Documents().OnRedo(); }},
        {.id = ID_INSERT_ITEM,
         .text = "&Insert New Item...",
         .keys = "Ctrl+I",
         .prompt = "Insert a new item in the list",
         .tip = "Insert item",
         .menu = eMenu::kEdit,
         .separatorBefore = true,
         .toolbarGroup = 3,
         .contexts = {{kLists, eClick::kOnRow, 1, "Insert new item..."},
                      {kLists, eClick::kBesideRows, 1, "Insert new item"}},
         .enabled = Writable,
         .windowAllows =
             [](const CMainFrame& f) {
                 // Inserting needs a dialog for the directory; into the
                 // schedule it makes a playoff match, which needs free court time.
                 const cItemDialogRegistry::cEntry* dialogs =
                     cItemDialogRegistry::Instance().Find(f.CurrentDirectory());
                 return dialogs != nullptr && dialogs->create &&
                        (f.CurrentDirectory() != kDirScheduled || f.Document().CourtTime().GetCount() > 0);
             },
         .run = [](CMainFrame& f) { f.Edit().OnInsertItem(); }},
        {.id = ID_DELETE_ITEM,
         .text = "&Delete Item",
         .keys = "Del",
         .prompt = "Delete the selected item(s)",
         .tip = "Delete item(s)",
         .menu = eMenu::kEdit,
         .toolbarGroup = 3,
         .contexts = {{kLists, eClick::kOnRow, 2, "Delete item"},
                      {kListScheduled, eClick::kOnRow, 4, "Remove Match"}},
         .enabled = [](const cCommandContext& c) { return Writable(c) && c.hasCurrentRow; },
         .run = [](CMainFrame& f) { f.Edit().OnDeleteItem(); }},
        // The keypad's Enter first, so that the menu shows "Alt+Enter"; both keys work.
        {.id = ID_PROPERTIES,
         .text = "&Properties...",
         .keys = "Alt+Enter; Alt+Return",
         .prompt = "Edit the item properties",
         .tip = "Edit properties",
         .menu = eMenu::kEdit,
         .toolbarGroup = 3,
         .contexts = {{kLists, eClick::kOnRow, 3, "Properties..."},
                      {kListResults, eClick::kOnRow, 1, "&Properties (Enter Result)..."}},
         .enabled =
             [](const cCommandContext& c) {
                 return c.container != nullptr && c.hasCurrentRow &&
                        (Writable(c) || c.directory == kDirResults);
             },
         .windowAllows =
             [](const CMainFrame& f) {
                 // Editing needs a dialog; of the scheduled matches only playoff matches have one.
                 const cItemDialogRegistry::cEntry* dialogs =
                     cItemDialogRegistry::Instance().Find(f.CurrentDirectory());
                 if (dialogs == nullptr || !dialogs->edit) {
                     return false;
                 }
                 const auto* match = dynamic_cast<const cMatch*>(f.Views().GetCurrentItem());
                 return f.CurrentDirectory() != kDirScheduled || (match != nullptr && match->IsPlayoff());
             },
         .run = [](CMainFrame& f) { f.Edit().OnProperties(); }},
        // Not in a menu: the toolbar's shortcuts into the directories.
        {.id = ID_INSERT_COURT,
         .text = "Insert court",
         .prompt = "Insert a new court in the database",
         .tip = "Insert court",
         .toolbarGroup = 4,
         .run = [](CMainFrame& f) { f.Edit().OnInsertInto(f.Document().Courts()); }},
        {.id = ID_INSERT_TIME,
         .text = "Insert time",
         .prompt = "Insert more available time on some court",
         .tip = "Insert time",
         .toolbarGroup = 4,
         .run = [](CMainFrame& f) { f.Edit().OnInsertInto(f.Document().CourtTime()); }},
        {.id = ID_INSERT_LEAGUE,
         .text = "Insert league",
         .prompt = "Insert a new league in the database",
         .tip = "Insert league",
         .toolbarGroup = 4,
         .run = [](CMainFrame& f) { f.Edit().OnInsertInto(f.Document().Leagues()); }},
        {.id = ID_INSERT_OFFICIAL,
         .text = "Insert official",
         .prompt = "Insert a new official in the database",
         .tip = "Insert official",
         .toolbarGroup = 4,
         .run = [](CMainFrame& f) { f.Edit().OnInsertInto(f.Document().Officials()); }},
        {.id = ID_DUPLICATE_TIME,
         .text = "D&uplicate Time...",
         .keys = "Ctrl+D",
         .prompt = "Copy the selected court time to another court",
         .menu = eMenu::kEdit,
         .separatorBefore = true,
         .contexts = {{kListCourtTime, eClick::kOnRow, 4, "Duplicate time..."}},
         .enabled = [](const cCommandContext& c) { return c.directory == kDirCourtTime && c.hasCurrentRow; },
         .run = [](CMainFrame& f) { f.Edit().OnDuplicateTime(); }},
        {.id = ID_EDIT_REPEAT,
         .text = "&Repeat Time...",
         .keys = "Ctrl+R",
         .prompt = "Repeat the selected court time for later weeks",
         .menu = eMenu::kEdit,
         .contexts = {{kListCourtTime, eClick::kOnRow, 5, "Repeat time..."}},
         .enabled = [](const cCommandContext& c) { return c.directory == kDirCourtTime && c.hasCurrentRow; },
         .run = [](CMainFrame& f) { f.Edit().OnRepeatTime(); }},
        {.id = ID_CLOSE_COURTS,
         .text = "C&lose Courts...",
         .prompt = "Close a court or every court for a time: its free time goes, its matches are re-planned",
         .menu = eMenu::kEdit,
         .enabled =
             [](const cCommandContext& c) { return c.db.HasContainers() && c.db.Courts().GetCount() > 0; },
         .run = [](CMainFrame& f) { f.Edit().OnCloseCourts(); }},
        {.id = ID_REMOVE_RESULTS,
         .text = "Re&move Results",
         .prompt = "Remove the results of the selected matches",
         .menu = eMenu::kEdit,
         .separatorBefore = true,
         .contexts = {{kListResults, eClick::kOnRow, 2, "Re&move results"}},
         .enabled = [](const cCommandContext& c) { return c.directory == kDirResults && c.hasCurrentRow; },
         .run = [](CMainFrame& f) { f.Results().OnRemoveResults(); }},
        // Only in the schedule's context menu.
        {.id = ID_ENTER_RESULT,
         .text = "Enter &Result...",
         .prompt = "Enter the result of the selected match",
         .contexts = {{kListScheduled, eClick::kOnRow, 1}},
         .enabled = OnScheduledRow,
         .run = [](CMainFrame& f) { f.Results().OnEnterResult(); }},
        {.id = ID_EDIT_FIND,
         .text = "&Find Item...",
         .keys = "Ctrl+F",
         .prompt = "Find an item in the current directory",
         .tip = "Find item",
         .menu = eMenu::kEdit,
         .separatorBefore = true,
         .contexts = Everywhere(90, "Find item..."),
         .enabled = HasContainer,
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Edit().OnFind(); }},
        {.id = ID_EDIT_SELECT_ALL,
         .text = "&Select All",
         .keys = "Ctrl+A",
         .prompt = "Select all the items of the current directory",
         .menu = eMenu::kEdit,
         .contexts = Everywhere(91, nullptr),
         .enabled = HasContainer,
         .windowAllows = [](const CMainFrame& f) { return f.List().Model().rowCount() > 0; },
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Edit().OnSelectAll(); }},

        // View
        {.id = ID_VIEW_TOOLBAR,
         .text = "&Toolbar",
         .prompt = "Show or hide the toolbar",
         .menu = eMenu::kView,
         .makesStep = false,
         .checkable = true},
        {.id = ID_VIEW_STATUS_BAR,
         .text = "&Status Bar",
         .prompt = "Show or hide the status bar",
         .menu = eMenu::kView,
         .makesStep = false,
         .checkable = true},
        {.id = ID_VIEW_FILTER,
         .text = "&View Filter...",
         .prompt = "Show only the court time of one court and the matches of one league",
         .menu = eMenu::kView,
         .separatorBefore = true,
         .run = [](CMainFrame& f) { f.Edit().OnViewFilter(); }},
        // Shown or hidden by the window, as the toolbar is.
        {.id = ID_VIEW_CONFLICTS,
         .text = "&Conflicts",
         .prompt = "Show or hide the scheduled matches that break a rule as the season now stands",
         .menu = eMenu::kView,
         .makesStep = false,
         .checkable = true},
        // Shows the numbers it counted when opened; the unscheduled matches
        // are brought up to date first, as their directory is when shown.
        {.id = ID_SCHEDULE_REPORT,
         .text = "Schedule &Report...",
         .prompt = "Show how fair the schedule is: each team's matches, rest, weekdays and start hours, and "
                   "the use of each court per week",
         .menu = eMenu::kView,
         .enabled = [](const cCommandContext& c) { return c.db.HasContainers(); },
         .output = true,
         .run = [](CMainFrame& f) { f.Print().OnScheduleReport(); }},

        // Schedule
        {.id = ID_SCHEDULE_AUTO,
         .text = "&Automatically...",
         .keys = "F2",
         .prompt = "Schedule the unscheduled matches automatically",
         .menu = eMenu::kSchedule,
         .enabled =
             [](const cCommandContext& c) {
                 return c.db.HasContainers() &&
                        (c.db.Unscheduled().GetCount() > 0 || c.db.Unscheduled().m_bUpToDate == 0);
             },
         .undoName = "Schedule Automatically",
         .run = [](CMainFrame& f) { f.Schedule().OnScheduleAutomatically(); }},
        {.id = ID_SCHEDULE_MANUAL,
         .text = "&Manually...",
         .keys = "F3",
         .prompt = "Schedule the selected match manually.",
         .tip = "Schedule match",
         .menu = eMenu::kSchedule,
         .contexts = {{kListUnscheduled, eClick::kOnRow, 1, "Schedule Manually..."}},
         .enabled =
             [](const cCommandContext& c) { return c.directory == kDirUnscheduled && c.hasCurrentRow; },
         .undoName = "Schedule Manually",
         .run = [](CMainFrame& f) { f.Schedule().OnScheduleManually(); }},
        {.id = ID_IMPROVE_SCHEDULE,
         .text = "Impro&ve Schedule",
         .prompt =
             "Place unscheduled matches by moving the matches the scheduler placed, then make the schedule "
             "fairer to the teams",
         .menu = eMenu::kSchedule,
         .enabled = HasScheduled,
         .run = [](CMainFrame& f) { f.Schedule().OnImproveSchedule(); }},
        {.id = ID_CHECK_SCHEDULE,
         .text = "&Check Schedule",
         .prompt = "List the scheduled matches that break a placement or assignment rule",
         .menu = eMenu::kSchedule,
         .enabled = HasScheduled,
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Schedule().OnCheckSchedule(); }},
        {.id = ID_INSERT_PLAYOFF,
         .text = "&Insert Playoff Match",
         .prompt = "Insert a playoff match",
         .tip = "Insert a playoff match, i.e. a match outside the defined league system.",
         .menu = eMenu::kSchedule,
         .separatorBefore = true,
         .contexts = {{kListScheduled, eClick::kOnRow, 3}},
         .enabled =
             [](const cCommandContext& c) { return c.db.HasContainers() && c.db.CourtTime().GetCount() > 0; },
         .run = [](CMainFrame& f) { f.Schedule().OnInsertPlayoff(); }},
        {.id = ID_REMOVE_AUTO_SCHEDULED,
         .text = "&Remove Automatically Scheduled Matches",
         .prompt = "Remove matches that are scheduled automatically.",
         .tip = "Remove matches",
         .menu = eMenu::kSchedule,
         .contexts = {{kListScheduled, eClick::kOnRow, 5, "Remove Automatically Scheduled Matches"}},
         .enabled = HasScheduled,
         .run = [](CMainFrame& f) { f.Schedule().OnRemoveAutoScheduled(); }},
        {.id = ID_REMOVE_SELECTED_MATCHES,
         .text = "Remove &Selected Matches",
         .prompt = "Remove the selected matches from the schedule.",
         .tip = "Remove matches",
         .menu = eMenu::kSchedule,
         .enabled =
             [](const cCommandContext& c) {
                 return c.container != nullptr && c.hasCurrentRow && c.directory == kDirScheduled;
             },
         .keysOf = ID_DELETE_ITEM,
         .run = [](CMainFrame& f) { f.Schedule().OnRemoveSelectedMatches(); }},
        {.id = ID_MOVE_MATCH,
         .text = "M&ove Match",
         .prompt = "Reschedule a match.",
         .tip = "Move match",
         .menu = eMenu::kSchedule,
         .contexts = {{kListScheduled, eClick::kOnRow, 2, "Move match"}},
         .enabled = OnScheduledRow,
         .run = [](CMainFrame& f) { f.Schedule().OnMoveMatch(); }},
        {.id = ID_REPLAN_CONFLICTS,
         .text = "Re-&plan Conflicts...",
         .prompt = "Place the matches that break a placement rule again, nothing else moving",
         .menu = eMenu::kSchedule,
         .enabled = HasScheduled,
         .run = [](CMainFrame& f) { f.Schedule().OnReplanConflicts(); }},
        {.id = ID_SCHEDULE_RENUMBER,
         .text = "R&enumber Matches...",
         .keys = "F8",
         .prompt = "Renumber all matches with unique number in chronological order",
         .tip = "Renumber",
         .menu = eMenu::kSchedule,
         .separatorBefore = true,
         .enabled = HasScheduled,
         .run = [](CMainFrame& f) { f.Schedule().OnRenumberMatches(); }},

        // Assign Officials
        {.id = ID_OFFICIALS_AUTO,
         .text = "&Automatically ...",
         .keys = "F4",
         .prompt = "Assign officials to the matches automatically",
         .menu = eMenu::kOfficials,
         .enabled =
             [](const cCommandContext& c) { return HasScheduled(c) && c.db.Officials().GetCount() > 0; },
         .undoName = "Assign Officials Automatically",
         .run = [](CMainFrame& f) { f.Officials().OnAssignAutomatically(); }},
        {.id = ID_OFFICIALS_MANUAL,
         .text = "Manually...",
         .keys = "F5",
         .prompt = "Assign officials to the selected match by hand",
         .menu = eMenu::kOfficials,
         .contexts = {{kListScheduled, eClick::kOnRow, 6, "Assign officials manually..."}},
         .enabled = OnScheduledRow,
         .undoName = "Assign Officials Manually",
         .run = [](CMainFrame& f) { f.Officials().OnAssignManually(); }},
        {.id = ID_REMOVE_ALL_OFFICIALS,
         .text = "&All Officials",
         .keys = "F7",
         .prompt = "Remove all officials from the selected matches",
         .menu = eMenu::kRemoveOfficials,
         .contexts = {{kListScheduled, eClick::kOnRow, 7, "Remove all officials", "Remove officials"}},
         .enabled = OnScheduledRow,
         .undoName = "Remove All Officials",
         .run = [](CMainFrame& f) { f.Officials().OnRemoveOfficials(-1); }},
        removeSlot(1, "&1. Officials", "Ctrl+1", "Remove the 1. officials from the selected matches",
                   "Remove 1. officials", "Remove 1. Officials", OfficialSlotRule<1>, RemoveOfficialSlot<1>),
        removeSlot(2, "&2. Officials", "Ctrl+2", "Remove the 2. officials from the selected matches",
                   "Remove 2. officials", "Remove 2. Officials", OfficialSlotRule<2>, RemoveOfficialSlot<2>),
        removeSlot(3, "&3. Officials", "Ctrl+3", "Remove the 3. officials from the selected matches",
                   "Remove 3. officials", "Remove 3. Officials", OfficialSlotRule<3>, RemoveOfficialSlot<3>),
        removeSlot(4, "&4. Officials", "Ctrl+4", "Remove the 4. officials from the selected matches",
                   "Remove 4. officials", "Remove 4. Officials", OfficialSlotRule<4>, RemoveOfficialSlot<4>),
        removeSlot(5, "&5. Officials", "Ctrl+5", "Remove the 5. officials from the selected matches",
                   "Remove 5. officials", "Remove 5. Officials", OfficialSlotRule<5>, RemoveOfficialSlot<5>),

        // Settings
        {.id = ID_SETTINGS_SCHEDULE,
         .text = "&Schedule...",
         .prompt = "Choose the rules the scheduling may ignore",
         .menu = eMenu::kSettings,
         .undoName = "Schedule Settings",
         .run = [](CMainFrame& f) { f.Settings().OnScheduleSettings(); }},
        {.id = ID_SETTINGS_OFFICIALS,
         .text = "&Official Assignments...",
         .prompt = "Choose the rules of the official assignment",
         .menu = eMenu::kSettings,
         .undoName = "Official Assignment Settings",
         .run = [](CMainFrame& f) { f.Settings().OnOfficialSettings(); }},
        {.id = ID_SETTINGS_TEAM_RATING,
         .text = "&Team Rating...",
         .prompt = "Choose the ranking criteria of the tables",
         .menu = eMenu::kTables,
         .run = [](CMainFrame& f) { f.Settings().OnTableSettings(RunCriteriaDialog); }},
        {.id = ID_SETTINGS_RESULTS,
         .text = "&Results and Point Awards...",
         .prompt = "Choose how results are entered and points awarded",
         .menu = eMenu::kTables,
         .run = [](CMainFrame& f) { f.Settings().OnTableSettings(RunResultSettingsDialog); }},
        {.id = ID_SETTINGS_WEB_TEMPLATES,
         .text = "&Web Templates...",
         .prompt = "Choose the templates of the web pages",
         .menu = eMenu::kSettings,
         .run = [](CMainFrame& f) { f.Settings().OnWebTemplates(); }},
        {.id = ID_PRINT_FONT,
         .text = "&Print Font...",
         .prompt = "Select the font to be used during printing.",
         .tip = "Select print font",
         .menu = eMenu::kSettings,
         .separatorBefore = true,
         .run = [](CMainFrame& f) { f.Settings().OnPrintFont(); }},
        {.id = ID_DOCUMENT_INFO,
         .text = "&Document Info...",
         .prompt = "Show and edit the document information",
         .menu = eMenu::kSettings,
         .run = [](CMainFrame& f) { f.Settings().OnDocumentInfo(); }},

        // Help, beginning with the tip of the day.
        {.id = ID_TIP_OF_THE_DAY,
         .text = GetString(IDS_TIP_OF_THE_DAY_MENU),
         .prompt = "Display a tip about the program",
         .menu = eMenu::kHelp,
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Help().OnTipOfTheDay(); }},
        {.id = ID_HELP_FINDER,
         .text = "&Contents and Index",
         .keys = "F1",
         .prompt = "List the help topics",
         .menu = eMenu::kHelp,
         .separatorBefore = true,
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Help().ShowHelp(QStringLiteral("index.html")); }},
        {.id = ID_CONTEXT_HELP,
         .text = "What's &This?",
         .keys = "Shift+F1",
         .prompt = "Display help for clicked on buttons, menus and windows",
         .menu = eMenu::kHelp,
         .makesStep = false,
         .random = false,
         .run = [](CMainFrame&) { QWhatsThis::enterWhatsThisMode(); }},
        {.id = ID_APP_ABOUT,
         .text = GetString(IDS_ABOUT),
         .prompt = "Display program information, version number and copyright",
         .tip = "About",
         .menu = eMenu::kHelp,
         .separatorBefore = true,
         .toolbarGroup = 5,
         .makesStep = false,
         .run = [](CMainFrame& f) { f.Help().OnAbout(); }},
    };
    return rows;
}

} // namespace

const std::vector<cCommandRow>& CommandTable()
{
    static const std::vector<cCommandRow> rows = MakeTable();
    return rows;
}

const cCommandRow* FindCommand(int commandId)
{
    const std::vector<cCommandRow>& rows = CommandTable();
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [commandId](const cCommandRow& row) { return row.id == commandId; });
    return it != rows.end() ? &*it : nullptr;
}

std::vector<int> CommandIds(bool (*keep)(const cCommandRow& row))
{
    std::vector<int> ids;
    for (const cCommandRow& row : CommandTable()) {
        if (keep(row)) {
            ids.push_back(row.id);
        }
    }
    return ids;
}

bool CommandRuleHolds(int commandId, const cCommandContext& context)
{
    const cCommandRow* row = FindCommand(commandId);
    return row == nullptr || row->enabled == nullptr || row->enabled(context);
}

QString CommandName(int commandId)
{
    const cCommandRow* row = FindCommand(commandId);
    if (row == nullptr) {
        return {};
    }
    if (row->undoName != nullptr) {
        return QString::fromUtf8(row->undoName);
    }
    return QString::fromUtf8(row->text).remove(QLatin1Char('&')).remove(QStringLiteral("...")).trimmed();
}

unsigned ContextListOf(int directory)
{
    switch (directory) {
    case kDirCourtTime:
        return kListCourtTime;
    case kDirScheduled:
        return kListScheduled;
    case kDirUnscheduled:
        return kListUnscheduled;
    case kDirResults:
        return kListResults;
    case kDirTable:
        return kListTable;
    default:
        return kListItems;
    }
}
