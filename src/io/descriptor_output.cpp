// SPDX-License-Identifier: Apache-2.0
#include "io/descriptor_output.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <system_error>
#include <unistd.h>

namespace korvanex {

std::string systemErrorText(int error) {
    return std::generic_category().message(error);
}

int namedDescriptor(std::string_view path) {
    constexpr std::string_view Standard[] = {"/dev/stdin", "/dev/stdout", "/dev/stderr"};
    for (int descriptor = 0; descriptor < 3; ++descriptor) {
        if (path == Standard[descriptor]) {
            return descriptor;
        }
    }
    for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/"}) {
        if (!path.starts_with(folder)) {
            continue;
        }
        const std::string_view number = path.substr(folder.size());
        int descriptor = -1;
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), descriptor);
        return !number.empty() && error == std::errc() && end == number.data() + number.size() ? descriptor
                                                                                               : -1;
    }
    return -1;
}

DescriptorOutputBuffer::DescriptorOutputBuffer(int descriptor) : descriptor_(descriptor) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool DescriptorOutputBuffer::writeOut(const char* bytes, std::size_t count) {
    while (count > 0 && error_ == 0) {
        const ssize_t written = ::write(descriptor_, bytes, count);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            error_ = errno;
        } else if (written == 0) {
            error_ = EIO;
        } else {
            bytes += written;
            count -= static_cast<std::size_t>(written);
        }
    }
    return error_ == 0;
}

bool DescriptorOutputBuffer::flushBuffer() {
    const bool written = writeOut(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return written;
}

DescriptorOutputBuffer::int_type DescriptorOutputBuffer::overflow(int_type c) {
    if (!flushBuffer()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize DescriptorOutputBuffer::xsputn(const char* bytes, std::streamsize count) {
    const auto size = static_cast<std::size_t>(count);
    if (size <= static_cast<std::size_t>(epptr() - pptr())) {
        std::memcpy(pptr(), bytes, size);
        pbump(static_cast<int>(count));
        return count;
    }
    if (!flushBuffer()) {
        return 0;
    }
    if (size < buffer_.size()) {
        std::memcpy(pptr(), bytes, size);
        pbump(static_cast<int>(count));
        return count;
    }
    return writeOut(bytes, size) ? count : 0;
}

int DescriptorOutputBuffer::sync() {
    return flushBuffer() ? 0 : -1;
}

} // namespace korvanex
