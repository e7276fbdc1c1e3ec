// SPDX-License-Identifier: Apache-2.0
#include "cli/help_text.h"

#include "cli/commands.h"
#include "cli/option_table.h"

#include <algorithm>
#include <string_view>

namespace korvanex::cli {

namespace {

constexpr std::size_t CommandColumn = 13;
constexpr std::size_t OptionColumn = 28;

const char* const inputAndExitRules =
    "Batch input: a header row naming the columns, in any order and any case: units (english,\n"
    "metric), location (interior, edge, corner), gear (single-single, single-tandem,\n"
    "single-tridem, dual-single, dual-tandem, dual-tridem), layer (one, bonded, unbonded), tied\n"
    "and widened (yes, no), and the numeric fields above. A missing column or an empty cell takes\n"
    "the default of the row's unit system. The output repeats the input cells, then a status\n"
    "(ok, fault: ROUTINE, error: WHAT), the warnings and the results in the row's units. A plate\n"
    "column (yes, no) adds the plate model's columns, filled in the rows that say yes.\n"
    "\n"
    "A field whose text is not a number of 0 or more (dT may be negative) is refused; a value\n"
    "outside its typical range is computed and named in a warning on standard error (in the\n"
    "warnings column of batch and sweep).\n"
    "\n"
    "--output replaces a regular file only when the new one is complete, keeping its permissions;\n"
    "a link is followed, and a device or a FIFO is written in place.\n"
    "\n"
    "Exit status: 0 success, 1 the computation stopped on a floating-point fault (report, json,\n"
    "plate), 2 bad usage, a case file that cannot be read or holds a refused field, a batch file\n"
    "or spectrum that is not CSV or has an unknown column, or output that cannot be written\n"
    "(standard output, --output or --svg). Rows of batch, sweep and fatigue that fault or are refused\n"
    "are reported in the output. verify: 0 every worked example agrees with its published value,\n"
    "1 one does not.\n";

// "  TERM  HELP", each further line of the help under the first; a term too wide for the column is
// set apart from its help by three blanks.
void addEntry(std::string& text, std::string_view term, std::size_t column, std::string_view help) {
    const std::size_t indent = term.size() + 2 <= column ? column : term.size() + 3;
    text += "  ";
    text += term;
    text.append(indent - term.size(), ' ');
    for (std::size_t start = 0; start < help.size();) {
        const std::size_t end = std::min(help.find('\n', start), help.size());
        if (start > 0) {
            text.append(2 + indent, ' ');
        }
        text += help.substr(start, end - start);
        text += '\n';
        start = end + 1;
    }
}

void addCommands(std::string& text) {
    text += "Usage: korvanex-cli COMMAND [CASE.DEF] [options]\n";
    for (const CommandRow& command : commandTable()) {
        if (!command.usage.empty()) {
            text += "       korvanex-cli ";
            text += command.usage;
            text += '\n';
        }
    }
    text += "\nCommands:\n";
    for (const CommandRow& command : commandTable()) {
        addEntry(text, command.name, CommandColumn, command.help);
    }
}

void addOptions(std::string& text) {
    for (const OptionRow& option : optionTable()) {
        if (!option.heading.empty()) {
            text += '\n';
            text += option.heading;
            text += '\n';
        }
        if (option.help.empty()) {
            continue;
        }
        std::string synopsis(option.synopsis);
        if (synopsis.empty()) {
            synopsis = option.name;
            synopsis += option.value.empty() ? "" : " " + std::string(option.value);
        }
        addEntry(text, synopsis, OptionColumn, option.help);
    }
}

} // namespace

std::string helpText() {
    std::string text;
    addCommands(text);
    text += "\nWithout CASE.DEF the built-in default case is used.\n";
    addOptions(text);
    text += '\n';
    text += inputAndExitRules;
    return text;
}

} // namespace korvanex::cli
