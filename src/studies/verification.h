// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <span>
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

// One example computed and compared.
struct ExampleCheck {
    const WorkedExample* example;
    double computed;
    double difference; // computed - published
    bool passes;
};

std::vector<ExampleCheck> checkExamples(std::span<const WorkedExample> examples);

bool allPass(const std::vector<ExampleCheck>& checks);

} // namespace korvanex
