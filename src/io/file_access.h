// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <iosfwd>
#include <string>

namespace korvanex {

// The largest file the program reads: case files are a few hundred bytes.
inline constexpr std::size_t MaxReadSize = 1024 * 1024;

// Reads a whole regular file of at most MaxReadSize bytes. Returns an empty string on success,
// otherwise what failed (missing, a directory, unreadable, too large).
std::string readSmallFile(const std::string& path, std::string& contents);

// Opens a regular file of any size to be read as a stream. Returns an empty string on success,
// otherwise what failed, as readSmallFile tells it.
std::string openInputFile(const std::string& path, std::ifstream& in);

// Writes a whole file through FileWriter: a failure never leaves a half-written file. Returns an
// empty string on success, otherwise what failed ("PATH cannot be written: REASON").
std::string writeFileAtomically(const std::string& path, const std::string& contents);

} // namespace korvanex
