#pragma once

// tournel-cli improve: placing the matches the scheduler left behind by moving
// the matches it placed, as the window's Schedule > Improve Schedule does.

#include "cli/CliCommands.h"

int Improve(cCliContext& context, std::span<const std::string> operands);

// The options of improve: -o and --effort (kept in arguments.options by name).
void AddImproveOptions(CLI::App& command, cCliArguments& arguments);
