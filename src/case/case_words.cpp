// SPDX-License-Identifier: Apache-2.0
#include "case/case_words.h"

namespace korvanex {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t index = 0; index < a.size(); ++index) {
        if (lower(a[index]) != lower(b[index])) {
            return false;
        }
    }
    return true;
}

std::string withControlsEscaped(std::string_view text) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127) {
            shown += "\\x";
            shown += Digits[byte >> 4];
            shown += Digits[byte & 15];
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace korvanex
