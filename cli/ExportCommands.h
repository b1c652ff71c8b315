#pragma once

// The publishing commands of tournel-cli: export (schedule, tables, content
// summary), write-dir (Write to File of a top-level directory), ical
// (the calendar of the scheduled matches) and changes (between two versions). They read
// the season and never write it back.

#include "cli/CliCommands.h"

int Export(cCliContext& context, std::span<const std::string> operands);
int WriteDir(cCliContext& context, std::span<const std::string> operands);
int Ical(cCliContext& context, std::span<const std::string> operands);
// What changed between two versions of a season, by team and official.
int Changes(cCliContext& context, std::span<const std::string> operands);

// The options of export and of ical, kept in arguments.options by name
// (--league in arguments.league).
void AddExportOptions(CLI::App& command, cCliArguments& arguments);
void AddIcalOptions(CLI::App& command, cCliArguments& arguments);
void AddChangesOptions(CLI::App& command, cCliArguments& arguments);
