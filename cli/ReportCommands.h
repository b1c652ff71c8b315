#pragma once

// tournel-cli report: how fair the schedule is, in numbers (output/ScheduleReport.h),
// as the window's View > Schedule Report shows it.

#include "cli/CliCommands.h"

int Report(cCliContext& context, std::span<const std::string> operands);

// --json and --csv, kept in arguments.options by name.
void AddReportOptions(CLI::App& command, cCliArguments& arguments);
