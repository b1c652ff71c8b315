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

private:
    // After a match was placed: the list anew, the match selected when the schedule is shown.
    void ShowPlacedMatch(cMatch* match);
};
