// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace korvanex {

// Compares a text with its reference file and returns what differs (empty when they agree). With
// KORVANEX_UPDATE_GOLDEN set in the environment it writes the reference instead, says so on the error
// stream and returns empty; review the diff of the reference files before committing them. A missing
// reference is a difference.
inline std::string goldenDifference(const std::string& path, const std::string& actual) {
    if (std::getenv("KORVANEX_UPDATE_GOLDEN") != nullptr) {
        std::ofstream file(path, std::ios::binary);
        file << actual;
        std::cerr << (file.flush() ? "updated " : "could not write ") << path << '\n';
        return file ? std::string() : "could not write " + path;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return "missing reference " + path + " (write it with KORVANEX_UPDATE_GOLDEN=1)";
    }
    std::ostringstream contents;
    contents << file.rdbuf();
    if (contents.str() == actual) {
        return {};
    }
    std::istringstream expectedLines(contents.str());
    std::istringstream actualLines(actual);
    for (int line = 1;; ++line) {
        std::string expected;
        std::string got;
        const bool more = static_cast<bool>(std::getline(expectedLines, expected));
        if (static_cast<bool>(std::getline(actualLines, got)) != more || expected != got) {
            return path + " line " + std::to_string(line) + ": expected \"" + expected + "\", got \"" + got +
                   '"';
        }
        if (!more) {
            return path + ": the line ends differ";
        }
    }
}
} // namespace korvanex
