// SPDX-License-Identifier: Apache-2.0
#include "cli/command_output.h"

#include "case/case_words.h"
#include "io/descriptor_output.h"
#include "io/file_writer.h"

#include <iostream>
#include <unistd.h>

namespace korvanex::cli {

namespace {

int writeToStandardOutput(const OutputProducer& produce) {
    DescriptorOutputBuffer buffer(STDOUT_FILENO);
    std::ostream out(&buffer);
    const std::string problem = produce(out);
    out.flush();
    int status = ExitSuccess;
    if (!problem.empty()) {
        status = fail(problem);
    }
    if (buffer.error() != 0) {
        status = fail("standard output cannot be written: " + systemErrorText(buffer.error()));
    }
    return status;
}

int writeToFile(const std::string& path, const OutputProducer& produce) {
    FileWriter writer(path);
    if (std::string error = writer.error(); !error.empty()) {
        return fail(error);
    }
    if (std::string problem = produce(writer.stream()); !problem.empty()) {
        return fail(problem);
    }
    if (std::string error = writer.commit(); !error.empty()) {
        return fail(error);
    }
    return ExitSuccess;
}

} // namespace

int fail(std::string_view message) {
    std::cerr << "korvanex-cli: " << withControlsEscaped(message) << "\n";
    return ExitFailure;
}

int failUsage(std::string_view message) {
    std::cerr << "korvanex-cli: " << withControlsEscaped(message) << "\n"
              << "Try 'korvanex-cli --help'.\n";
    return ExitFailure;
}

void warn(std::string_view message) {
    std::cerr << "korvanex-cli: warning: " << withControlsEscaped(message) << "\n";
}

int writeCommandOutput(const CliOptions& options, const OutputProducer& produce) {
    return options.outputPath ? writeToFile(*options.outputPath, produce) : writeToStandardOutput(produce);
}

int writeCommandOutput(const CliOptions& options, std::string_view text) {
    return writeCommandOutput(options, [text](std::ostream& out) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        return std::string();
    });
}

int writeOutputFile(const std::string& path, std::string_view text) {
    return writeToFile(path, [text](std::ostream& out) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        return std::string();
    });
}

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

int failOnFault(const FloatingPointFault& fault) {
    fail(faultMessage(fault));
    return ExitFault;
}

} // namespace korvanex::cli
