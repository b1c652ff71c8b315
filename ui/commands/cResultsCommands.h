#pragma once

// The commands on results: Enter Result of a scheduled match and Edit >
// Remove Results. Editing a result from the results list is Properties.

#include "ui/commands/cCommandHandler.h"

class cResultsCommands : public cCommandHandler
{
public:
    using cCommandHandler::cCommandHandler;

    void OnEnterResult();
    void OnRemoveResults();
};
