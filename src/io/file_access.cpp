#include "io/file_access.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace korvanex {

namespace {

std::string errorText(int error) {
    return std::generic_category().message(error);
}

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

    // Closes now and reports the result, because a failed close can mean lost data.
    int close() {
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        return result;
    }

  private:
    int descriptor_;
};

// A new file gets the permissions an ordinary created file would get; mkstemp alone makes it
// private to the owner.
mode_t permissionsFor(const std::string& path) {
    struct stat status;
    if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        return status.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string writeAll(int descriptor, const std::string& contents) {
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t count = ::write(descriptor, contents.data() + written, contents.size() - written);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errorText(errno);
        }
        written += static_cast<std::size_t>(count);
    }
    return {};
}

std::string writeTemporaryFile(const std::string& path, const std::string& temporaryPath,
                               FileDescriptor& file, const std::string& contents) {
    if (::fchmod(file.get(), permissionsFor(path)) != 0) {
        return "cannot set the permissions of the temporary file: " + errorText(errno);
    }
    if (std::string error = writeAll(file.get(), contents); !error.empty()) {
        return "writing the temporary file failed: " + error;
    }
    if (::fsync(file.get()) != 0) {
        return "flushing the temporary file failed: " + errorText(errno);
    }
    if (file.close() != 0) {
        return "closing the temporary file failed: " + errorText(errno);
    }
    if (::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        return "renaming the temporary file over it failed: " + errorText(errno);
    }
    return {};
}

} // namespace

std::string readSmallFile(const std::string& path, std::string& contents) {
    // Non-blocking, so that opening a FIFO or a device cannot hang before it is turned away.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) {
        return path + " cannot be read: " + errorText(errno);
    }
    struct stat status;
    if (::fstat(file.get(), &status) != 0) {
        return path + " cannot be read: " + errorText(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return path + " is a directory";
    }
    if (!S_ISREG(status.st_mode)) {
        return path + " is not a regular file";
    }
    if (static_cast<unsigned long long>(status.st_size) > MaxReadSize) {
        return path + " is larger than 1 MiB";
    }

    // The size may change after fstat: read one byte beyond the limit to notice a file that grew.
    std::string data;
    char chunk[16384];
    while (data.size() <= MaxReadSize) {
        const std::size_t wanted = std::min(sizeof chunk, MaxReadSize + 1 - data.size());
        const ssize_t count = ::read(file.get(), chunk, wanted);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return path + " cannot be read: " + errorText(errno);
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

std::string writeFileAtomically(const std::string& path, const std::string& contents) {
    // The temporary file sits beside the target so that the final rename stays within one file system.
    std::string temporaryPath = path + ".XXXXXX";
    FileDescriptor file(::mkstemp(temporaryPath.data()));
    if (file.get() < 0) {
        return path + " cannot be written: cannot create a temporary file in its folder: " + errorText(errno);
    }
    const std::string error = writeTemporaryFile(path, temporaryPath, file, contents);
    if (error.empty()) {
        return {};
    }
    ::unlink(temporaryPath.c_str());
    return path + " cannot be written: " + error;
}

} // namespace korvanex
