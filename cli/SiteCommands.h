#pragma once

// tournel-cli site: the season as a small static website, as the window's
// File > Publish Website... writes it.

#include "cli/CliCommands.h"

int Site(cCliContext& context, std::span<const std::string> operands);

// --title TEXT and --now "YYYY-MM-DD HH:MM", kept in arguments.options by name.
void AddSiteOptions(CLI::App& command, cCliArguments& arguments);
