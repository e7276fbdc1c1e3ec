// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvanex::cli {

// The commands of korvanex-cli, in the order the help lists them.
enum class Command { Report, Json, Batch, Sweep, Plan, Fatigue, Reliability, Plate, Verify };

// Some of the commands.
class CommandSet {
  public:
    constexpr CommandSet() = default;
    constexpr CommandSet(std::initializer_list<Command> commands) {
        for (const Command command : commands) {
            bits_ |= bitOf(command);
        }
    }
    constexpr bool contains(Command command) const { return (bits_ & bitOf(command)) != 0; }

  private:
    static constexpr unsigned bitOf(Command command) { return 1u << static_cast<unsigned>(command); }
    unsigned bits_ = 0;
};

// What a command does with the file named on the command line after it.
enum class FileUse {
    Optional, // the case file; without it the default case
    Required, // the command's input
    Refused,  // the command takes no file
};

struct CliOptions;

// A command of the table: its word, its file, and its lines in the help.
struct CommandRow {
    Command command;
    std::string_view name;
    FileUse fileUse;
    std::optional<std::string> CliOptions::*file; // where the file named goes
    std::string_view fileNoun;                    // "case file", "CSV file"
    std::string_view usage;                       // its line of the usage synopsis, if it has one
    std::string_view help;                        // what it does, its help lines
};

// Every command, in the order of the enum.
std::span<const CommandRow> commandTable();

const CommandRow& commandRow(Command command);

// The command a word names, if it names one.
std::optional<Command> commandNamed(std::string_view word);

} // namespace korvanex::cli
