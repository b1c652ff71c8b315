#pragma once

// File > Import: teams, officials, court time or results from a spreadsheet file.

#include "ui/commands/cCommandHandler.h"

class cImportCommands : public cCommandHandler
{
public:
    using cCommandHandler::cCommandHandler;

    void OnImport();
};
