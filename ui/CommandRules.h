#pragma once

// When a command may be used, from the current directory of the document and
// whether the list has a current row. Commands without a rule are always
// enabled; whether a command is implemented at all is the frame's business.

class cDatabase;

bool CommandRuleHolds(int commandId, const cDatabase& db, bool hasCurrentRow, bool readProperly);
