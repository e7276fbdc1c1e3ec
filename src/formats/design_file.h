// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/design.h"

#include <string>
#include <string_view>

namespace korvanex {

// The design file (".kvx"): one JSON object, written and read here in one place, so that its schema is
// one fact.
//
//   "format": "korvanex-design", "version": 1
//   "case": the units, location, gear and layer in the words of a batch file, "tied_shoulder" and
//       "widened_lane" as true or false, "fields": every one of the twenty field texts under its record
//       name, and "captions" (only when there are any) the captions of the fields that differ from the
//       dialogs', as reading a case file leaves them
//   "spectrum" (optional): "header", the names of its columns, and "rows", the cells of each row
//   "traffic" (optional): "adtt", "growth_percent", "design_life_years", "directional_percent",
//       "lane_percent"
//   "fatigue" (optional): "modulus_of_rupture" (in the case's stress unit), "model", "constants"
//       ({"c1", "c2", "c4", "c5"}), "stress", "target_percent"
//   "reliability" (optional): "scatter", each scattered input under its word ("h1", "E1", "k", "MR",
//       "F", "traffic"; only those scattered) as {"cov", "distribution"}, "samples", "seed" and
//       "reliability_percent" (optional)
//
// Every member of an object is required unless said otherwise. A later study adds its settings as one
// more optional object.
inline constexpr std::string_view DesignFormat = "korvanex-design";
inline constexpr int DesignVersion = 1;

// The text of the design file, written as every JSON of the program (jsonText).
std::string designFileText(const Design& design);

// Reads the text of a design file into the design. Returns an empty string, or why the text is refused:
// not JSON, a key repeated in an object, a key that is missing or unknown, a value of the wrong type, a
// wrong format or version, or a value out of its range; the message names the key by its path
// ("case.fields.h1", "spectrum.rows[2]"). The design changes only when the whole text is read.
std::string parseDesignFile(std::string_view text, Design& design);

// Reads a design file from disk (at most 1 MiB) as parseDesignFile does; a message names the path.
std::string readDesignFile(const std::string& path, Design& design);

// Writes the design file through the one writer; a design larger than a design file may be is
// refused, so that every design written can be read back. Returns an empty string or what failed.
std::string writeDesignFile(const std::string& path, const Design& design);

} // namespace korvanex
