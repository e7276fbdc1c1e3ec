#pragma once

#include <string>

namespace korvanex {

// The largest file the program reads: case files are a few hundred bytes.
inline constexpr std::size_t MaxReadSize = 1024 * 1024;

// Reads a whole regular file of at most MaxReadSize bytes. Returns an empty string on success,
// otherwise what failed (missing, a directory, unreadable, too large).
std::string readSmallFile(const std::string& path, std::string& contents);

// Writes a file through a temporary file in the same folder, renamed over the target only when
// complete, so that a failure never leaves a half-written file. Returns an empty string on success,
// otherwise what failed.
std::string writeFileAtomically(const std::string& path, const std::string& contents);

} // namespace korvanex
