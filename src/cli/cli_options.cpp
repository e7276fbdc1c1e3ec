// SPDX-License-Identifier: Apache-2.0
#include "cli/cli_options.h"

#include "cli/option_table.h"

#include <set>

namespace korvanex::cli {

namespace {

using GivenOptions = std::set<const OptionRow*>;

// Reads the option at `index`, and its value after it, moving `index` to the last argument read.
std::string readOption(const OptionRow& option, const std::vector<std::string>& arguments, std::size_t& index,
                       CliOptions& options) {
    if (option.value.empty()) {
        return option.read(option.name, {}, options);
    }
    if (index + 1 >= arguments.size()) {
        return arguments[index] + " needs a value";
    }
    return option.read(option.name, arguments[++index], options);
}

// A word that is not an option: first the command, then the file the command takes.
std::string readWord(const std::string& word, std::optional<Command>& command, CliOptions& options) {
    if (!command) {
        command = commandNamed(word);
        return command ? std::string() : "unknown command \"" + word + "\"";
    }
    const CommandRow& row = commandRow(*command);
    std::optional<std::string>& file = options.*row.file;
    if (file) {
        return "more than one " + std::string(row.fileNoun) + " given";
    }
    file = word;
    return {};
}

std::string checkFile(const CommandRow& command, const CliOptions& options) {
    const bool given = (options.*command.file).has_value();
    if (command.fileUse == FileUse::Required && !given) {
        return std::string(command.name) + " needs a " + std::string(command.fileNoun);
    }
    if (command.fileUse == FileUse::Refused && given) {
        return refusalText(Refusal::TakesNothing, {}, command.name);
    }
    return {};
}

// A design file stands in for the case file and the unit system.
std::string checkDesign(const CliOptions& options) {
    if (options.designPath && options.casePath) {
        return "a case file and --design cannot be given together";
    }
    if (options.designPath && options.metric) {
        return "--metric does not apply with --design: the design file holds the units";
    }
    return {};
}

// The file and the options against what the command takes, the options in the order of the table.
std::string checkCommand(const CliOptions& options, const GivenOptions& given) {
    const CommandRow& command = commandRow(options.command);
    if (std::string error = checkFile(command, options); !error.empty()) {
        return error;
    }
    for (const OptionRow& option : optionTable()) {
        const bool isGiven = given.contains(&option);
        if (isGiven && !option.commands.contains(command.command)) {
            return refusalOf(option, command.command);
        }
        const bool givenByDesign = option.inDesign && options.designPath;
        if (!isGiven && !givenByDesign && option.requiredBy.contains(command.command)) {
            return neededText(option, command.command);
        }
    }
    return checkDesign(options);
}

} // namespace

std::string parseArguments(const std::vector<std::string>& arguments, CliOptions& options) {
    std::optional<Command> command;
    GivenOptions given;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        std::string error;
        if (const OptionRow* option = optionNamed(argument)) {
            given.insert(option);
            error = readOption(*option, arguments, index, options);
        } else if (argument.starts_with("--")) {
            error = "unknown option " + argument;
        } else {
            error = readWord(argument, command, options);
        }
        if (!error.empty()) {
            return error;
        }
    }
    if (options.help) {
        return {};
    }
    if (!command) {
        return "no command given";
    }
    options.command = *command;
    return checkCommand(options, given);
}

} // namespace korvanex::cli
