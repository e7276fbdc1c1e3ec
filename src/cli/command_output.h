// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/fault.h"
#include "cli/cli_options.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace korvanex::cli {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFault = 1;
inline constexpr int ExitFailure = 2;

// The messages below show the control characters of a message escaped, for it may quote an input.

// Writes "korvanex-cli: MESSAGE" on standard error and returns ExitFailure.
int fail(std::string_view message);

// Writes "korvanex-cli: MESSAGE" and a pointer to the help on standard error and returns ExitFailure.
int failUsage(std::string_view message);

// Writes "korvanex-cli: warning: MESSAGE" on standard error.
void warn(std::string_view message);

// Writes a command's output into the stream as it is produced. Returns an empty string, or the
// problem that stopped it (naming its path where it has one).
using OutputProducer = std::function<std::string(std::ostream&)>;

// Writes what a command produces: with --output, to that file through the core's FileWriter, so that
// a failure leaves the target as it was; otherwise to standard output, every write checked (a full
// disk, a closed pipe or a closed descriptor is a failure). Returns ExitSuccess, or ExitFailure after
// telling on standard error what failed: the producer's problem, the output's, or both.
int writeCommandOutput(const CliOptions& options, const OutputProducer& produce);
int writeCommandOutput(const CliOptions& options, std::string_view text);

// Writes a text to a file through the core's FileWriter, as --output does. Returns ExitSuccess, or
// ExitFailure after telling what failed.
int writeOutputFile(const std::string& path, std::string_view text);

// The lines as one text, each ended by a line end.
std::string joinedLines(const std::vector<std::string>& lines);

// Tells on standard error where the computation stopped and that the inputs are degenerate; returns
// ExitFault.
int failOnFault(const FloatingPointFault& fault);

} // namespace korvanex::cli
