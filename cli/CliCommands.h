#pragma once

// The subcommands of tournel-cli, kept as a table: a command is one row with
// its usage, its operands, the options it takes and its handler. The command
// line is parsed by CLI11 from these rows, which also give the help texts.

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CTournelDoc;

namespace CLI {
class App;
}

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
    // The options of export and import by name ("--sorting"); a flag maps to "".
    std::map<std::string, std::string> options;
    bool yes = false; // --yes: every question answered Yes, an import confirmed
};

// What the command line gave, as texts; the parser fills it, the command
// reads it through its cCliContext.
struct cCliArguments
{
    bool yes = false;
    std::string seed;      // empty when not given
    std::string output;    // -o, --output
    std::string league;    // --league
    std::string until;     // --until
    std::string officials; // --officials K of assign
    bool literal = false;
    std::map<std::string, std::string> options;
    std::vector<std::string> operands; // one slot per operand of the command run
};

// Adds the option `name` ("--sorting") taking a value shown as `value`
// ("0-4"), kept in arguments.options by its name.
void AddValueOption(CLI::App& command, cCliArguments& arguments, const std::string& name,
                    const std::string& value, const std::string& description);
// Adds the flag `name`, kept in arguments.options as "" when given.
void AddFlagOption(CLI::App& command, cCliArguments& arguments, const std::string& name,
                   const std::string& description);

struct cCliOperand
{
    std::string_view name; // as the usage shows it, e.g. "IN.tnd"
    std::string_view description;
};

struct cCliCommand
{
    std::string_view name;
    std::string_view usage; // after the name, e.g. "IN.tnd -o OUT.tnd [--literal]"
    std::string_view summary;
    std::vector<cCliOperand> operands;
    // Adds the command's own options; null when it has none.
    void (*addOptions)(CLI::App&, cCliArguments&) = nullptr;
    std::function<int(cCliContext&, std::span<const std::string>)> run;
};

// Every subcommand, in the order --help lists them.
const std::vector<cCliCommand>& CliCommands();

// "tournel-cli: <what>" and the hint to --help on `err`; answers kExitUsage.
int UsageError(std::ostream& err, std::string_view what);

// The whole tool: parses the global options and runs one subcommand.
// Returns the exit status.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);
