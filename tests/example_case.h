// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "temporary_folder.h"

#include <cstddef>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>

namespace korvanex {

// The example case file, written by hand: the English defaults with the default options, CR LF line
// ends.
inline const std::string& exampleCaseText() {
    static const std::string text = contentsOf(KORVANEX_TEST_DATA "/cases/example.DEF");
    return text;
}

// The example case file with some of its lines replaced (counted from 1).
inline std::string exampleCaseWith(std::initializer_list<std::pair<std::size_t, std::string>> replaced) {
    std::istringstream example(exampleCaseText());
    std::string text;
    std::size_t number = 0;
    for (std::string line; std::getline(example, line);) {
        ++number;
        for (const auto& [at, replacement] : replaced) {
            line = at == number ? replacement + "\r" : line;
        }
        text += line + "\n";
    }
    return text;
}

} // namespace korvanex
