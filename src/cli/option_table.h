// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_options.h"
#include "cli/commands.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace korvanex::cli {

// How a command refuses an option that does not apply to it.
enum class Refusal {
    NotForCommand,       // "OPTION does not apply to COMMAND"
    EachRowGivesTheCase, // the same, and why: each row of the batch file gives the whole case
    CsvHoldsEveryFactor, // the same, and why: the CSV holds every factor
    TakesNothing,        // "COMMAND takes no case file and no options"
};

// The commands that refuse an option in a way of their own.
struct RefusalFor {
    CommandSet commands;
    Refusal refusal = Refusal::NotForCommand;
};

// Reads an option's value (none for a flag) into the options; returns what is wrong with it.
using ReadValue = std::string (*)(std::string_view option, const std::string& value, CliOptions& options);

// An option of the table: how it is spelt and read, the commands it applies to, and its help.
struct OptionRow {
    std::string_view name = {};
    std::string_view alias = {}; // another spelling, or empty
    std::string_view value = {}; // its value as the help names it; empty for a flag
    ReadValue read = nullptr;
    CommandSet commands = {};                // the commands it applies to
    CommandSet requiredBy = {};              // the commands that cannot do without it
    std::array<RefusalFor, 2> refusals = {}; // where a refusal is not NotForCommand
    bool inDesign = false;                   // a design file holds it and may stand in for it
    std::string_view heading = {};           // the help's heading over the group the option opens
    std::string_view synopsis = {};          // the help's left column, where it is not NAME VALUE
    std::string_view help = {};              // its help lines; empty when it shares the line above
};

// Every option, in the order of the help, which is also the order in which they are checked.
std::span<const OptionRow> optionTable();

// The option an argument spells, or nullptr.
const OptionRow* optionNamed(std::string_view argument);

// What a command says when it lacks an option it cannot do without: "fatigue needs --spectrum FILE.csv".
std::string neededText(const OptionRow& option, Command command);

// Why the command refuses the option.
std::string refusalOf(const OptionRow& option, Command command);
std::string refusalText(Refusal refusal, std::string_view option, std::string_view command);

} // namespace korvanex::cli
