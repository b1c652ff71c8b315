#pragma once

// The commands of the Assign Officials menu.

#include "ui/commands/cCommandHandler.h"

class cOfficialsCommands : public cCommandHandler
{
public:
    using cCommandHandler::cCommandHandler;

    void OnAssignAutomatically();
    void OnAssignManually();
    // Clears slot `slot` (0-4), or with -1 every slot, of the selected matches.
    void OnRemoveOfficials(int slot);

private:
    void RedrawAfterOfficialsChanged();
};
