#pragma once

// Every command of the main window, one row each: what the menus, the
// toolbar and the context menus show, when it is enabled, whether it makes
// an undo step and what it runs. The window builds its actions, menus,
// toolbar and context menus from the rows; nothing else types a command's
// text or keys. A row's handler lives in the commands class named after
// its menu (File > Open in the file commands, Schedule > Manually in the
// schedule commands).

#include <QString>

#include <vector>

class CMainFrame;
class cDatabase;
class cTournelDb;

// What a command's enabling rule looks at.
struct cCommandContext
{
    const cDatabase& db;
    int directory;               // the directory the list shows
    const cTournelDb* container; // its container; null for the root and an item's folder
    bool hasCurrentRow;
    bool canUndo = false;
    bool canRedo = false;
};

// The menus of the menu bar and the submenus inside them.
enum class eMenu
{
    kNone,
    kFile,
    kPrintSpecial, // in File
    kEdit,
    kView,
    kSchedule,
    kOfficials,
    kRemoveOfficials, // in Assign Officials
    kSettings,
    kTables, // in Settings
    kHelp,
};

// The kinds of list a context menu is offered for, as bits.
enum eContextList : unsigned
{
    kListItems = 1, // courts, leagues, officials, teams and the lists of a league or team
    kListCourtTime = 2,
    kListScheduled = 4,
    kListUnscheduled = 8,
    kListResults = 16,
    kListTable = 32,
    kListEvery = 63,
};

// Where a click opens the context menu: on a row, or beside the rows.
enum class eClick
{
    kOnRow,
    kBesideRows,
    kBoth,
};

// One entry of a command in the context menus of some lists.
struct cContextEntry
{
    unsigned lists; // eContextList bits
    eClick click;
    int position; // the entry's place in the menu, lowest first
    // Null: the command's own action, as the menu bar shows it. Otherwise
    // this text, followed by the keys the command's action has.
    const char* text = nullptr;
    const char* submenu = nullptr; // the submenu the entry stands in; null: none
};

struct cCommandRow
{
    int id;
    const char* text;             // the menu text, "&" before the access key; null: set by the window
    const char* keys = nullptr;   // the shortcuts, "; " between them; the first is the one shown
    const char* prompt = nullptr; // the status bar text
    const char* tip = nullptr;    // the tool tip; null: the text without "&" and "..."
    eMenu menu = eMenu::kNone;
    bool separatorBefore = false; // a separator before it in its menu
    int toolbarGroup = 0;         // 0: not on the toolbar; a separator stands between groups
    std::vector<cContextEntry> contexts;
    // When the command may be used; null: always.
    bool (*enabled)(const cCommandContext& context) = nullptr;
    // What the window's list and item dialogs must allow besides; null: nothing.
    bool (*windowAllows)(const CMainFrame& frame) = nullptr;
    // A command that may change the database is one undo step; one that
    // leaves it alone, replaces it (the file commands) or moves through
    // the steps itself is none.
    bool makesStep = true;
    const char* undoName = nullptr; // "Undo <name>"; null: the menu text without "&", "..." and keys
    bool output = false;            // it prints, previews or writes a file of the season
    // Another command whose keys the menu shows beside this one, unbound
    // here so that the keys stay unambiguous (that command does the same
    // where this one is enabled).
    int keysOf = 0;
    bool checkable = false; // checked from the start
    bool random = true;     // random runs may use it: it neither ends the program nor waits for a click
    void (*run)(CMainFrame& frame) = nullptr; // null: the window wires the action itself
};

// The rows in menu order.
const std::vector<cCommandRow>& CommandTable();
// The row of a command id, or null.
const cCommandRow* FindCommand(int commandId);
// The ids of the rows `keep` accepts, in table order.
std::vector<int> CommandIds(bool (*keep)(const cCommandRow& row));

// Whether the command's rule lets it be used; commands without a rule always may.
bool CommandRuleHolds(int commandId, const cCommandContext& context);
// The name a command goes by in "Undo <name>": its menu text without "&",
// "..." and keys, or a longer name where the menu alone tells it.
QString CommandName(int commandId);
// The context list kind of a directory id.
unsigned ContextListOf(int directory);
