#pragma once

// File > Import: teams, officials, court time or results from a spreadsheet
// file; File > Compare with File: what changed since another version of the
// season's file. Both read a file besides the document's own.

#include "ui/commands/cCommandHandler.h"

class cImportCommands : public cCommandHandler
{
public:
    using cCommandHandler::cCommandHandler;

    void OnImport();
    // Reads the other (older) file as File > Open would, without taking it
    // in, and shows what changed since; the document stays as it is.
    void OnCompareWithFile();
};
