// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/commands.h"
#include "plate/plate_case.h"
#include "studies/sweep.h"

#include <optional>
#include <string>
#include <vector>

namespace korvanex::cli {

// The options of fatigue as given; the command checks their values.
struct FatigueArguments {
    std::optional<std::string> spectrumPath, modulusOfRupture, model, c1, c2, c4, c5, stress, target;
    std::optional<std::string> adtt, growth, years, directional, lane; // the truck traffic
    bool solveThickness = false;
    bool csv = false;
};

// The options of plate, read.
struct PlateArguments {
    std::optional<std::string> shoulderWidth; // a number greater than 0, in the case's unit of W
    PlateMesh mesh = PlateMesh::Default;
    PlateLoad load = PlateLoad::Gear;
    std::optional<std::string> svgPath;
};

// The options of reliability as given; the command checks their values.
struct ReliabilityArguments {
    std::vector<std::string> scatter; // each NAME=COV[:DISTRIBUTION] in the order given
    std::optional<std::string> samples, seed, reliability;
    std::optional<std::string> histogramPath;
};

// What the command line asks for.
struct CliOptions {
    Command command = Command::Report;
    std::optional<std::string> casePath;
    std::optional<std::string> csvPath; // the input of batch
    std::optional<SweepRange> vary;     // the range of sweep
    bool metric = false;
    bool detailed = false;
    std::optional<std::string> transverseSpacing;
    std::optional<bool> tiedShoulder;
    std::optional<bool> widenedLane;
    std::optional<std::string> outputPath;
    std::optional<std::string> designPath;     // the design file read in place of a case file
    std::optional<std::string> saveDesignPath; // the design file written
    std::optional<unsigned> jobs; // the threads of batch and reliability; the machine's cores when not given
    FatigueArguments fatigue;
    PlateArguments plate;
    ReliabilityArguments reliability;
    bool json = false; // fatigue, reliability and plate: everything as JSON
    bool help = false;
};

// Parses the arguments after the program name. Returns an empty string on success, otherwise what
// is wrong with them.
std::string parseArguments(const std::vector<std::string>& arguments, CliOptions& options);

} // namespace korvanex::cli
