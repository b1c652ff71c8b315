#pragma once

// The help texts of tournel-cli, laid out from the command table and the
// options each command adds: `tournel-cli --help` describes every command
// and every option, `tournel-cli COMMAND --help` one command with its
// operands. Descriptions are wrapped to 80 columns beside a 32-column name.

#include <CLI/CLI.hpp>
#include <string>

class cCliHelpFormatter : public CLI::Formatter
{
public:
    std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override;
};
