#pragma once

// When a command may be used, from the current directory of the document and
// whether the list has a current row. Commands without a rule are always
// enabled; whether a command is implemented at all is the frame's business.

class cDatabase;
class cTournelDb;

struct cCommandContext
{
    const cDatabase& db;
    int directory;               // the directory the list shows
    const cTournelDb* container; // its container; null for the root and an item's folder
    bool hasCurrentRow;
    bool canUndo = false;
    bool canRedo = false;
};

bool CommandRuleHolds(int commandId, const cCommandContext& context);
