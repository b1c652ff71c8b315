#pragma once

// tournel-cli import: teams, officials, court time or results from a
// spreadsheet (CSV) file into a season, written as a new database file.

#include "cli/CliCommands.h"

int Import(cCliContext& context, std::span<const std::string> operands);

// Whether `option` is one of import's; `takesValue` tells whether a value follows it.
bool IsImportOption(std::string_view option, bool& takesValue);
