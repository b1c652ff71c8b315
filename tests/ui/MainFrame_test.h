#pragma once

#include <QObject>

// The main frame driven headless: tree, list, enabling, item commands, find,
// view filter, recent files and dropped files.
class tst_MainFrame : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void MenusStandInTheirOrder();
    void BarsCanBeHidden();
    void TreeShowsDirectoriesAndItemNodes();
    void EditRenamesAndSortsTheNode();
    void InsertTeamRebuildsItsBranch();
    void RecentEntryOpensItsFile();
    void ListShowsColumnsOfTheDirectory();
    void ItemNodeListsItsDirectories();
    void DoubleClickOnLeagueMovesIntoItsNode();
    void EnablingFollowsDirectoryAndRow();
    void EnablingRules_data();
    void EnablingRules();
    void ContextMenuFitsTheDirectory();
    void DeleteAnsweredYesDeletesSelectedInContainerOrder();
    void DeleteAnsweredNoChangesNothing();
    void DeleteLeagueRemovesItsBranch();
    void RememberedRowIsClamped();
    void WaitWindowAboveHundredRows();
    void FindSelectsTheMatchingRow();
    void FindReportsEmptyAndMissing();
    void ViewFilterHidesOtherCourts();
    void InsertAndPropertiesUseTheRegistry();
    void ToolbarInsertSwitchesDirectory();
    void SelectAllSelectsEveryRow();
    void PrintFontStoresPoints();
    void RecentFilesKeepFourInTheProfile();
    void DroppedDatabaseIsOpened();
    void CloseAsksToSaveChanges();
    void NewDocumentRebuildsTheTree();
    void NewSeasonTakesThePlaceOfTheSeason();
    void OpenAndSaveRoundTrip();
    void ScheduleAutomaticallyPlansTheExampleSeason();
    void RefusedFileLeavesTheSeasonAsItWas_data();
    void RefusedFileLeavesTheSeasonAsItWas();
    void RecentFileThatVanishedIsNamedAndDropped();
};
