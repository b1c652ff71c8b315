#pragma once

// The commands of the Schedule menu.

#include "ui/commands/cCommandHandler.h"

class cMatch;

class cScheduleCommands : public cCommandHandler
{
public:
    using cCommandHandler::cCommandHandler;

    void OnScheduleAutomatically();
    void OnScheduleManually();
    void OnInsertPlayoff();
    void OnRemoveAutoScheduled();
    void OnRemoveSelectedMatches();
    void OnMoveMatch();
    void OnRenumberMatches();
    // Shows the Conflicts panel checked afresh and tells how many conflicts it lists.
    void OnCheckSchedule();
    void OnReplanConflicts();
    void OnImproveSchedule();

    // After matches left the schedule or came into it (and court time with
    // them): the list anew when it shows one of those, else the views.
    void ShowScheduleChanged();

private:
    // After a match was placed: the list anew, the match selected when the schedule is shown.
    void ShowPlacedMatch(cMatch* match);
};
