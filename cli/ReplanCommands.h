#pragma once

// tournel-cli close and replan: closing court time (a hall closed for a day
// or a week) and placing conflicting matches again, as the window's Edit >
// Close Courts and Schedule > Re-plan Conflicts do.

#include "cli/CliCommands.h"

int Close(cCliContext& context, std::span<const std::string> operands);
int Replan(cCliContext& context, std::span<const std::string> operands);

// The options of close and replan, kept in arguments.options by name (-o in arguments.output).
void AddCloseOptions(CLI::App& command, cCliArguments& arguments);
void AddReplanOptions(CLI::App& command, cCliArguments& arguments);
