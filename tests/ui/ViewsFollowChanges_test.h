#pragma once

#include <QObject>

// The tree and the list never show an item that a command has removed: each
// directory shown while each command that changes the document runs, painted
// while the command's message is open and right after it.
class tst_ViewsFollowChanges : public QObject
{
    Q_OBJECT

private slots:
    void EveryDirectoryUnderEveryChange_data();
    void EveryDirectoryUnderEveryChange();
    void ScheduleWhileUnscheduledShownKeepsTheRows();
    void TreeFollowsRemovedLeague();
    void RefusedFileKeepsTheSeasonAndItsFile();
    void RefusedFileItselfIsNotWrittenOver();
    void RefusedFileAtStartUpKeepsTheWindow_data();
    void RefusedFileAtStartUpKeepsTheWindow();
    void EnabledCommandsHaveSomethingToDo();
    void AResultEnteredAndRemovedShowsInTheTable();
    void OfficialsAssignedAndRemovedKeepTheGameCounts();
    void MatchPlacedAndMovedByHand();
    void RemovedMatchesKeepTheirNumbersAndPlayedOnesStay();
    void DeletingWhatAPlayedMatchBelongsToNamesItsResult_data();
    void DeletingWhatAPlayedMatchBelongsToNamesItsResult();
    void PlayoffMatchInsertedAndModified();
    void FilterPaneNamesTheFilter();
    void WindowStateIsRemembered();
    void RecentEntryOpensAfterSavingFirst();
};
