// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <streambuf>
#include <string>
#include <string_view>

namespace korvanex {

// The system's text for an errno value ("No space left on device").
std::string systemErrorText(int error);

// The descriptor a path names by number: 0, 1 and 2 for /dev/stdin, /dev/stdout and /dev/stderr, N for
// /dev/fd/N and /proc/self/fd/N; -1 for any other path. Such a path is a link that the system
// resolves to the open file, which may be a pipe or a socket that no name leads to ("pipe:[N]").
int namedDescriptor(std::string_view path);

// A stream buffer that writes to an open file descriptor and remembers the first failure: a write
// that fails, or one that the system cuts short and then refuses to finish. After a failure every
// further write fails at once, so that the stream goes bad and its writer can stop.
class DescriptorOutputBuffer : public std::streambuf {
  public:
    explicit DescriptorOutputBuffer(int descriptor);
    DescriptorOutputBuffer(const DescriptorOutputBuffer&) = delete;
    DescriptorOutputBuffer& operator=(const DescriptorOutputBuffer&) = delete;

    // The errno value of the first failure, 0 while every byte has gone out.
    int error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

  private:
    bool writeOut(const char* bytes, std::size_t count);
    bool flushBuffer();

    int descriptor_;
    int error_ = 0;
    std::array<char, 65536> buffer_{};
};

} // namespace korvanex
