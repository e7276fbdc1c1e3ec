// SPDX-License-Identifier: Apache-2.0
#include "formats/json_text.h"

#include "case/field_value.h"
#include "case/number_text.h"

#include <cmath>

namespace korvanex {

namespace {

constexpr std::size_t IndentPerLevel = 2;

void appendScalar(std::string& text, const Json& value) {
    if (!value.is_number_float()) {
        text += value.dump(-1, ' ', false, Json::error_handler_t::replace);
        return;
    }
    const double number = value.get<double>();
    if (std::isfinite(number)) {
        appendDoubleText(text, number);
    } else {
        text += "null";
    }
}

// An object or an array at the given depth, its members on lines of their own unless `oneLine`.
void appendValue(std::string& text, const Json& value, std::size_t depth, bool oneLine) {
    if (!value.is_structured()) {
        appendScalar(text, value);
        return;
    }
    const bool object = value.is_object();
    text += object ? '{' : '[';
    const char* separator = "";
    for (auto member = value.begin(); member != value.end(); ++member) {
        text += separator;
        if (!oneLine) {
            text += '\n';
            text.append(IndentPerLevel * (depth + 1), ' ');
        }
        if (object) {
            appendScalar(text, Json(member.key()));
            text += ": ";
        }
        appendValue(text, *member, depth + 1, oneLine || !object);
        separator = oneLine ? ", " : ",";
    }
    if (!oneLine && !value.empty()) {
        text += '\n';
        text.append(IndentPerLevel * depth, ' ');
    }
    text += object ? '}' : ']';
}

} // namespace

double jsonFloat(float value) {
    return std::isfinite(value) ? parseDecimal(floatText(value)) : value;
}

void setNumber(Json& object, const std::string& key, double value) {
    object[key] = value;
    if (!std::isfinite(value)) {
        object[key + "_text"] = numberWords(value);
    }
}

std::string jsonText(const Json& document) {
    std::string text;
    appendValue(text, document, 0, false);
    text += '\n';
    return text;
}

} // namespace korvanex
