// SPDX-License-Identifier: Apache-2.0
#include "io/file_writer.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace korvanex {

namespace {

constexpr int MaxLinksFollowed = 40;
constexpr int TemporaryNameAttempts = 100;
// Keeps a temporary name within the longest file name the usual file systems take.
constexpr std::size_t MaxNameKept = 200;

// The folder part of a path, with its final slash; empty for a name in the working folder.
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string nameOf(const std::string& path) {
    return path.substr(folderOf(path).size());
}

// Follows the links of the last part of the path, however many, to the file they lead to (which
// need not exist). Returns 0 or the errno value of the failure.
int followLinks(const std::string& path, std::string& target) {
    target = path;
    for (int hop = 0; hop < MaxLinksFollowed; ++hop) {
        struct stat status;
        if (::lstat(target.c_str(), &status) != 0) {
            return errno == ENOENT ? 0 : errno;
        }
        if (!S_ISLNK(status.st_mode)) {
            return 0;
        }
        char destination[PATH_MAX];
        const ssize_t length = ::readlink(target.c_str(), destination, sizeof destination);
        if (length < 0) {
            return errno;
        }
        if (static_cast<std::size_t>(length) == sizeof destination) {
            return ENAMETOOLONG;
        }
        const std::string next(destination, static_cast<std::size_t>(length));
        target = next.starts_with('/') ? next : folderOf(target) + next;
    }
    return ELOOP;
}

std::string randomSuffix() {
    static constexpr char Alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device source;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Alphabet - 2);
    std::string suffix(12, ' ');
    for (char& c : suffix) {
        c = Alphabet[pick(source)];
    }
    return suffix;
}

// The permissions a newly created file gets: everyone may read and write it, less the umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

int createExclusiveFile(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

FileWriter::FileWriter(const std::string& path)
    : path_(path), descriptor_(openTarget()), buffer_(descriptor_), stream_(&buffer_) {}

FileWriter::~FileWriter() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    if (!committed_ && !temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

std::string FileWriter::failure(const std::string& reason) const {
    return path_ + " cannot be written: " + reason;
}

// A path that leads to something other than a regular file is written in place: a folder is refused,
// a path that names a descriptor of the program (/dev/stdout, /dev/fd/N) is written through a copy of
// that descriptor, which also reaches a socket, and anything else (a FIFO, a device) is opened.
int FileWriter::openInPlace(const struct stat& status) {
    if (S_ISDIR(status.st_mode)) {
        openError_ = failure(systemErrorText(EISDIR));
        return -1;
    }
    const int named = namedDescriptor(path_);
    const int descriptor = named >= 0 ? ::fcntl(named, F_DUPFD_CLOEXEC, 0)
                                      : ::open(path_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        openError_ = failure(systemErrorText(errno));
    }
    return descriptor;
}

int FileWriter::openTarget() {
    // What the path leads to as the system follows it: a link under /proc or /dev/fd to a pipe or a
    // socket leads to no file by its name ("pipe:[N]").
    struct stat status;
    if (::stat(path_.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        return openInPlace(status);
    }
    if (const int error = followLinks(path_, target_); error != 0) {
        openError_ = failure(systemErrorText(error));
        return -1;
    }
    if (::stat(target_.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) {
            return openInPlace(status);
        }
        if (::access(target_.c_str(), W_OK) != 0) {
            openError_ = failure(systemErrorText(errno));
            return -1;
        }
        // The system lets a privileged user write anything; the permission bits still mark the
        // file as one that is not to be overwritten.
        if ((status.st_mode & 0222) == 0) {
            openError_ = failure(systemErrorText(EACCES) + " (the file is read-only)");
            return -1;
        }
        existingMode_ = static_cast<int>(status.st_mode & 07777);
        existingOwner_ = status.st_uid;
        existingGroup_ = status.st_gid;
    } else if (errno != ENOENT) {
        openError_ = failure(systemErrorText(errno));
        return -1;
    }

    const std::string stem = folderOf(target_) + "." + nameOf(target_).substr(0, MaxNameKept) + ".";
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        // Registered before it exists, so that no signal can come between its creation and its
        // registration.
        temporary_ = stem + randomSuffix();
        registration_.emplace(temporary_);
        const int descriptor = createExclusiveFile(temporary_);
        if (descriptor >= 0) {
            return descriptor;
        }
        registration_.reset();
        if (errno != EEXIST) {
            break;
        }
    }
    temporary_.clear();
    openError_ = failure("no temporary file can be made in its folder: " + systemErrorText(errno));
    return -1;
}

std::string FileWriter::error() const {
    if (!openError_.empty()) {
        return openError_;
    }
    if (buffer_.error() != 0) {
        return failure(systemErrorText(buffer_.error()));
    }
    return {};
}

std::string FileWriter::commit() {
    stream_.flush();
    if (std::string problem = error(); !problem.empty()) {
        return problem;
    }
    if (temporary_.empty()) {
        const int closed = ::close(descriptor_);
        descriptor_ = -1;
        committed_ = true;
        return closed == 0 ? std::string() : failure(systemErrorText(errno));
    }
    return replaceTarget();
}

// An existing target keeps its owner and group where the user may give them (root may); otherwise the
// new file is the user's, as after any replace by rename. The mode is set after the owner, which may
// clear its set-user-ID bit.
std::string FileWriter::replaceTarget() {
    if (existingMode_ >= 0 && (existingOwner_ != ::geteuid() || existingGroup_ != ::getegid()) &&
        ::fchown(descriptor_, existingOwner_, existingGroup_) != 0 && errno != EPERM) {
        return failure(systemErrorText(errno));
    }
    const mode_t mode = existingMode_ >= 0 ? static_cast<mode_t>(existingMode_) : newFileMode();
    if (::fchmod(descriptor_, mode) != 0 || ::fsync(descriptor_) != 0) {
        return failure(systemErrorText(errno));
    }
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0 || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        return failure(systemErrorText(errno));
    }
    committed_ = true;

    // The rename is durable only once the folder that holds the new entry is on the disk too.
    const std::string folder = folderOf(target_);
    const int folderDescriptor =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderDescriptor < 0) {
        return failure("its folder cannot be flushed to the disk: " + systemErrorText(errno));
    }
    const int synced = ::fsync(folderDescriptor);
    const int error = errno;
    ::close(folderDescriptor);
    if (synced != 0) {
        return failure("its folder cannot be flushed to the disk: " + systemErrorText(error));
    }
    return {};
}

} // namespace korvanex
