// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <span>
#include <string>
#include <vector>

namespace korvanex {

// A worked example from the engineering literature that the program reproduces: the quantity, the
// case it is worked for, the value its source gives and the agreement that value's precision allows.
struct WorkedExample {
    const char* quantity;
    const char* inputs;
    const char* source;
    double published;
    int publishedDecimals;    // the digits the source gives after the decimal point
    double relativeTolerance; // the allowed difference, as a fraction of the published value
    double (*compute)();      // the program's value, through the engine's own routines
};

// The worked examples `korvanex-cli verify` runs.
std::span<const WorkedExample> workedExamples();

// One example computed and compared: a worked example, or a check of the plate model against a
// closed form of the literature, the applied load or its own mirror image.
struct ExampleCheck {
    std::string quantity;
    std::string inputs;
    std::string source;
    double published;
    int publishedDecimals;
    double relativeTolerance;
    double computed;
    double difference; // computed - published
    bool passes;
};

std::vector<ExampleCheck> checkExamples(std::span<const WorkedExample> examples);

// The plate model's checks (plateChecks) on the default mesh, each reference value shown to four
// significant figures.
std::vector<ExampleCheck> checkPlateModel();

// What `korvanex-cli verify` shows: the worked examples, then the plate model's checks.
std::vector<ExampleCheck> verificationChecks();

bool allPass(const std::vector<ExampleCheck>& checks);

} // namespace korvanex
