// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace korvanex {

// A JSON document, its members in the order they were set.
using Json = nlohmann::ordered_json;

// A float as a JSON number: the double nearest the float's shortest text, so that the document
// writes the float as the float it is ("243.8", not the double 243.8000030517578).
double jsonFloat(float value);

// The text of a document as every JSON output of the program is written: two blanks of indent per
// level and ": " after a key, each member and element on a line of its own, except that an element of
// an array stands on one line whole ({"row": 1, "status": "ok"}). A number is the shortest text that
// reads back as its double ("650", "8e+05", "0.1"), and one that is not finite null; strings are
// escaped by the library, bytes that are not UTF-8 replaced. The text ends in a line end.
std::string jsonText(const Json& document);

// Sets `key` of an object to a number. Where the number is not finite, the document writes it null
// and the member `key`_text after it holds the words the other outputs show (numberWords: "> 1E+300"),
// so that a null that stands for a number too large for the double range is told from one that
// stands for nothing.
void setNumber(Json& object, const std::string& key, double value);

} // namespace korvanex
