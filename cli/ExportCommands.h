#pragma once

// The publishing commands of tournel-cli: export (schedule, tables, content
// summary), write-dir (Write to File of a top-level directory) and ical
// (the calendar of the scheduled matches). They read
// the season and never write it back.

#include "cli/CliCommands.h"

int Export(cCliContext& context, std::span<const std::string> operands);
int WriteDir(cCliContext& context, std::span<const std::string> operands);
int Ical(cCliContext& context, std::span<const std::string> operands);

// The options of export and of ical, kept in arguments.options by name
// (--league in arguments.league).
void AddExportOptions(CLI::App& command, cCliArguments& arguments);
void AddIcalOptions(CLI::App& command, cCliArguments& arguments);
