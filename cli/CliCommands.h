#pragma once

// The subcommands of tournel-cli, kept as a table so that later commands
// (schedule, assign, export) are one more row each.

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CTournelDoc;

enum : int
{
    kExitOk = 0,
    kExitFailed = 1, // refused or failed
    kExitUsage = 2,
};

struct cCliContext
{
    CTournelDoc& doc;
    std::ostream& out;
    std::ostream& err;
    std::string output;           // -o FILE, empty when not given
    std::string league;           // --league SHORT, empty when not given
    std::string until;            // --until YYYY-MM-DD, empty when not given
    std::optional<int> officials; // --officials K, none when not given
    bool literal = false;         // --literal: the rules walk the whole schedule for every candidate
    // The options of export by name ("--sorting"); a flag maps to "".
    std::map<std::string, std::string> options;
    bool yes = false; // --yes: every question answered Yes, an import confirmed
};

struct cCliCommand
{
    std::string_view name;
    std::string_view operands; // as shown in the usage, e.g. "IN.tnd OUT.tnd"
    std::string_view summary;
    int operandCount;
    std::function<int(cCliContext&, std::span<const std::string>)> run;
};

// Every subcommand, in the order --help lists them.
const std::vector<cCliCommand>& CliCommands();

// "tournel-cli: <what>" and the hint to --help on `err`; answers kExitUsage.
int UsageError(std::ostream& err, std::string_view what);

// The whole tool: parses the global options and runs one subcommand.
// Returns the exit status.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);
