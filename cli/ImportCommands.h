#pragma once

// tournel-cli import: teams, officials, court time or results from a
// spreadsheet (CSV) file into a season, written as a new database file.

#include "cli/CliCommands.h"

int Import(cCliContext& context, std::span<const std::string> operands);

// The options of import, kept in arguments.options by name (-o in arguments.output).
void AddImportOptions(CLI::App& command, cCliArguments& arguments);
