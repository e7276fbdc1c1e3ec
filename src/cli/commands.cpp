// SPDX-License-Identifier: Apache-2.0
#include "cli/commands.h"

#include "cli/cli_options.h"

#include <algorithm>

namespace korvanex::cli {

namespace {

constexpr const char* caseFile = "case file";

constexpr CommandRow commands[] = {
    {Command::Report, "report", FileUse::Optional, &CliOptions::casePath, caseFile, "",
     "print the stress report of the case"},
    {Command::Json, "json", FileUse::Optional, &CliOptions::casePath, caseFile, "",
     "print the results of the case as one JSON object (psi, inches)"},
    {Command::Batch, "batch", FileUse::Required, &CliOptions::csvPath, "CSV file",
     "batch IN.csv [--jobs N] [--output OUT.csv]",
     "compute one case per row of a CSV file and write the results as CSV"},
    {Command::Sweep, "sweep", FileUse::Optional, &CliOptions::casePath, caseFile,
     "sweep [CASE.DEF] --vary FIELD=FROM:TO:STEPS [options]",
     "compute the case with one numeric field stepped over a range, as CSV"},
    {Command::Plan, "plan", FileUse::Optional, &CliOptions::casePath, caseFile,
     "plan [CASE.DEF] [options] [--output FILE.svg]",
     "draw the slab with the wheels of the case to scale, as SVG"},
    {Command::Fatigue, "fatigue", FileUse::Optional, &CliOptions::casePath, caseFile,
     "fatigue [CASE.DEF] --spectrum FILE.csv --modulus-of-rupture MR [options]",
     "the fatigue damage of a traffic spectrum on the case (Miner's sum), and\n"
     "the slab thickness that carries it"},
    {Command::Reliability, "reliability", FileUse::Optional, &CliOptions::casePath, caseFile,
     "reliability [CASE.DEF] --spectrum FILE.csv --modulus-of-rupture MR\n"
     "           --scatter NAME=COV[:lognormal|normal]... [options]",
     "the probability that the slab fails under the spectrum, by simulating the\n"
     "scatter of its inputs, and the slab thickness at a reliability"},
    {Command::Plate, "plate", FileUse::Optional, &CliOptions::casePath, caseFile,
     "plate [CASE.DEF] [options] [--shoulder-width X] [--mesh coarse|default|fine]\n"
     "           [--load gear|single] [--json] [--svg FILE] [--output FILE]",
     "solve the case with the plate finite-element model and set its stresses\n"
     "beside the analysis's, with its deflections and the ratios the fitted\n"
     "models clamped"},
    {Command::Verify, "verify", FileUse::Refused, &CliOptions::casePath, caseFile, "verify",
     "compute the built-in worked examples and compare them with their published\n"
     "values, and the plate model with the closed forms it must reproduce"},
};

constexpr bool rowsInCommandOrder() {
    for (std::size_t index = 0; index < std::size(commands); ++index) {
        if (static_cast<std::size_t>(commands[index].command) != index) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInCommandOrder(), "commandRow finds a command's row by its value");

} // namespace

std::span<const CommandRow> commandTable() {
    return commands;
}

const CommandRow& commandRow(Command command) {
    return commands[static_cast<std::size_t>(command)];
}

std::optional<Command> commandNamed(std::string_view word) {
    const auto row = std::ranges::find(commands, word, &CommandRow::name);
    if (row == std::end(commands)) {
        return std::nullopt;
    }
    return row->command;
}

} // namespace korvanex::cli
