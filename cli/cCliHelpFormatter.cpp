#include "cli/cCliHelpFormatter.h"

#include "cli/CliCommands.h"

#include <algorithm>

namespace {

constexpr std::size_t kWidth = 80;
constexpr std::size_t kNameColumn = 32;

// `text` wrapped at blanks to kWidth, each line but the first indented by
// `indent`; a line break in the text starts a new line.
std::string Wrapped(std::string_view text, std::size_t indent, std::size_t column)
{
    std::string out;
    while (!text.empty()) {
        const std::size_t room = kWidth > column ? kWidth - column : 1;
        std::size_t end = std::min(text.find('\n'), text.size());
        if (end > room) {
            const std::size_t blank = text.rfind(' ', room);
            end =
                blank == std::string_view::npos || blank == 0 ? std::min(text.find(' '), text.size()) : blank;
        }
        out.append(text.substr(0, end));
        text.remove_prefix(end);
        if (!text.empty() && (text.front() == ' ' || text.front() == '\n')) {
            text.remove_prefix(1);
        }
        if (!text.empty()) {
            out.append("\n").append(indent, ' ');
            column = indent;
        }
    }
    return out;
}

// One entry of a list: the name, and its description beside it (below it
// when the name fills the column).
std::string Entry(const std::string& name, std::string_view description)
{
    std::string line = "  " + name;
    if (description.empty()) {
        return line + "\n";
    }
    if (line.size() + 2 > kNameColumn) {
        line.append("\n").append(kNameColumn, ' ');
    } else {
        line.resize(kNameColumn, ' ');
    }
    return line + Wrapped(description, kNameColumn, kNameColumn) + "\n";
}

// "-o, --output OUT.tnd" for an option, its name for an operand.
std::string OptionName(const CLI::Option& option)
{
    if (option.get_positional()) {
        return option.get_name();
    }
    std::string name;
    for (const std::string& letter : option.get_snames()) {
        name += (name.empty() ? "-" : ", -") + letter;
    }
    for (const std::string& word : option.get_lnames()) {
        name += (name.empty() ? "--" : ", --") + word;
    }
    if (!option.get_option_text().empty()) {
        name += " " + option.get_option_text();
    }
    return name;
}

// The entries of the operands or of the named options of `app`, in the order
// they were added; the help flag last, and only when `withHelp`.
std::string Options(const CLI::App& app, bool positional, bool withHelp)
{
    std::string out;
    for (const CLI::Option* option : app.get_options()) {
        if (option->get_positional() == positional && !option->get_group().empty() &&
            option != app.get_help_ptr()) {
            out += Entry(OptionName(*option), option->get_description());
        }
    }
    if (withHelp && !positional && app.get_help_ptr() != nullptr) {
        out += Entry(OptionName(*app.get_help_ptr()), app.get_help_ptr()->get_description());
    }
    return out;
}

const cCliCommand* Command(const CLI::App& app)
{
    for (const cCliCommand& command : CliCommands()) {
        if (command.name == app.get_name()) {
            return &command;
        }
    }
    return nullptr;
}

std::string MainHelp(const CLI::App& app)
{
    std::string out = "Usage: tournel-cli [--yes] [--seed N] COMMAND ARGUMENTS...\n\n" +
                      Wrapped(app.get_description(), 0, 0) + "\n\nCommands:\n";
    for (const cCliCommand& command : CliCommands()) {
        out += Entry(std::string(command.name) + " " + std::string(command.usage), command.summary);
    }
    out += "\nOptions:\n" + Options(app, false, true);
    for (const CLI::App* sub : app.get_subcommands({})) {
        if (const std::string options = Options(*sub, false, false); !options.empty()) {
            out += "\nOptions of " + sub->get_name() + ":\n" + options;
        }
    }
    return out + "\n" + app.get_footer();
}

std::string CommandHelp(const CLI::App& app)
{
    const cCliCommand* command = Command(app);
    std::string out = "Usage: tournel-cli " + app.get_name();
    if (command != nullptr) {
        out += " " + std::string(command->usage);
    }
    out += "\n\n" + Wrapped(app.get_description(), 0, 0) + "\n";
    if (const std::string operands = Options(app, true, false); !operands.empty()) {
        out += "\nOperands:\n" + operands;
    }
    out += "\nOptions:\n" + Options(app, false, true);
    return out + "\nThe options --yes and --seed N of every command: see 'tournel-cli --help'.\n";
}

} // namespace

std::string cCliHelpFormatter::make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const
{
    return app->get_parent() == nullptr ? MainHelp(*app) : CommandHelp(*app);
}
