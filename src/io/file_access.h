// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <iosfwd>
#include <string>

namespace korvanex {

// The largest file the program reads: case files are a few hundred bytes.
inline constexpr std::size_t MaxReadSize = 1024 * 1024;

// Reads a whole regular file or pipe (a FIFO, /dev/stdin, a process substitution's /dev/fd/N) of at
// most MaxReadSize bytes; a pipe waits for its writer and its data. Returns an empty string on
// success, otherwise what failed (missing, a directory, neither a file nor a pipe, unreadable, too
// large).
std::string readSmallFile(const std::string& path, std::string& contents);

// Opens a regular file or a pipe of any size to be read as a stream. Returns an empty string on
// success, otherwise what failed, as readSmallFile tells it.
std::string openInputFile(const std::string& path, std::ifstream& in);

// Writes a whole file through FileWriter: a failure never leaves a half-written file. Returns an
// empty string on success, otherwise what failed ("PATH cannot be written: REASON").
std::string writeFileAtomically(const std::string& path, const std::string& contents);

} // namespace korvanex
