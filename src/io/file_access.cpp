// SPDX-License-Identifier: Apache-2.0
#include "io/file_access.h"

#include "io/descriptor_output.h"
#include "io/file_writer.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace korvanex {

namespace {

// Closes the descriptor it holds when it goes out of scope, so that every early return releases it.
class FileDescriptor {
  public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }

    int get() const { return descriptor_; }

  private:
    int descriptor_;
};

// Opened non-blocking, so that opening a FIFO or a device cannot hang before it is turned away. A path
// that names a descriptor of the program (/dev/stdin, /dev/fd/N) is read through a copy of it.
int openForReading(const std::string& path) {
    const int named = namedDescriptor(path);
    return named >= 0 ? ::fcntl(named, F_DUPFD_CLOEXEC, 0)
                      : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

// Makes sure that the file opened for reading is a regular file or a pipe (a FIFO, named or not).
std::string checkReadableFile(const std::string& path, const FileDescriptor& file, struct stat& status) {
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        return path + " cannot be read: " + systemErrorText(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return path + " is a directory";
    }
    if (!S_ISREG(status.st_mode) && !S_ISFIFO(status.st_mode)) {
        return path + " is not a regular file or a pipe";
    }
    return {};
}

// The path by which a pipe is opened again to be read blocking: through the descriptor that holds
// it, so that the open waits for a writer as any reader of a FIFO does, and the pipe never lacks a
// reader meanwhile.
std::string pathOfDescriptor(const FileDescriptor& file) {
    return "/proc/self/fd/" + std::to_string(file.get());
}

} // namespace

std::string readSmallFile(const std::string& path, std::string& contents) {
    const FileDescriptor file(openForReading(path));
    struct stat status;
    if (std::string error = checkReadableFile(path, file, status); !error.empty()) {
        return error;
    }
    if (static_cast<unsigned long long>(status.st_size) > MaxReadSize) {
        return path + " is larger than 1 MiB";
    }
    const bool pipe = S_ISFIFO(status.st_mode);
    const FileDescriptor reopened(pipe ? ::open(pathOfDescriptor(file).c_str(), O_RDONLY | O_CLOEXEC) : -1);
    const int source = pipe ? reopened.get() : file.get();
    if (source < 0) {
        return path + " cannot be read: " + systemErrorText(errno);
    }

    // The size may change after fstat, and a pipe has none: read one byte beyond the limit to notice
    // a file that is larger.
    std::string data;
    char chunk[16384];
    while (data.size() <= MaxReadSize) {
        const std::size_t wanted = std::min(sizeof chunk, MaxReadSize + 1 - data.size());
        const ssize_t count = ::read(source, chunk, wanted);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return path + " cannot be read: " + systemErrorText(errno);
        }
        if (count == 0) {
            break;
        }
        data.append(chunk, static_cast<std::size_t>(count));
    }
    if (data.size() > MaxReadSize) {
        return path + " is larger than 1 MiB";
    }
    contents = std::move(data);
    return {};
}

std::string openInputFile(const std::string& path, std::ifstream& in) {
    const FileDescriptor file(openForReading(path));
    struct stat status;
    if (std::string error = checkReadableFile(path, file, status); !error.empty()) {
        return error;
    }
    in.open(S_ISFIFO(status.st_mode) ? pathOfDescriptor(file) : path, std::ios::binary);
    return in ? std::string() : path + " cannot be read: " + systemErrorText(errno);
}

std::string writeFileAtomically(const std::string& path, const std::string& contents) {
    FileWriter writer(path);
    writer.stream().write(contents.data(), static_cast<std::streamsize>(contents.size()));
    return writer.commit();
}

} // namespace korvanex
