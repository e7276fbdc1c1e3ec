// SPDX-License-Identifier: Apache-2.0
// The one file writer: what it replaces, what it keeps, what it refuses, and that no temporary file
// outlives a write.

#include "io/file_access.h"
#include "io/file_writer.h"

#include "../temporary_folder.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

namespace korvanex {
namespace {

namespace fs = std::filesystem;

mode_t modeOf(const fs::path& path) {
    struct stat status;
    EXPECT_EQ(::lstat(path.c_str(), &status), 0);
    return status.st_mode;
}

class FileWriterTest : public TemporaryFolderTest {
  protected:
    // The names in the folder: a temporary left behind shows here.
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path file(const std::string& name, const std::string& text, mode_t mode) const {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        ::chmod(path.c_str(), mode);
        return path;
    }
};

TEST_F(FileWriterTest, ReplacesARegularFileKeepingItsPermissionBits) {
    for (const mode_t mode : {0600, 0640, 0755}) {
        const fs::path path = file("kept.txt", "old", mode);
        ASSERT_EQ(writeFileAtomically(path, "new"), "");
        EXPECT_EQ(contentsOf(path), "new");
        EXPECT_EQ(modeOf(path) & 07777, mode);
        EXPECT_EQ(entries(), 1u);
    }
    const mode_t mask = ::umask(022);
    ASSERT_EQ(writeFileAtomically(folder / "new.txt", "made"), "");
    ::umask(mask);
    EXPECT_EQ(modeOf(folder / "new.txt") & 07777, 0644u);
}

TEST_F(FileWriterTest, FollowsALinkAndReplacesTheFileItPointsTo) {
    const fs::path target = file("target.txt", "old", 0600);
    fs::create_symlink("target.txt", folder / "link");
    fs::create_symlink("link", folder / "link-to-link");
    ASSERT_EQ(writeFileAtomically(folder / "link-to-link", "new"), "");
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_TRUE(fs::is_symlink(folder / "link-to-link"));
    EXPECT_EQ(contentsOf(target), "new");
    EXPECT_EQ(modeOf(target) & 07777, 0600u);
    EXPECT_EQ(entries(), 3u);
}

TEST_F(FileWriterTest, RefusesWhatItMayNotReplaceAndSaysWhyNamingThePathOnce) {
    const fs::path readOnly = file("read-only.txt", "keep", 0444);
    fs::create_directory(folder / "sub");
    const struct {
        fs::path path;
        std::string reason;
    } refusals[] = {
        {readOnly, "Permission denied (the file is read-only)"},
        {folder / "sub", "Is a directory"},
        {folder / "missing" / "x.txt",
         "no temporary file can be made in its folder: No such file or directory"},
    };
    for (const auto& refusal : refusals) {
        EXPECT_EQ(writeFileAtomically(refusal.path, "new"),
                  refusal.path.string() + " cannot be written: " + refusal.reason);
    }
    EXPECT_EQ(contentsOf(readOnly), "keep");
    EXPECT_EQ(entries(), 2u);
}

// Every temporary is created through createExclusiveFile, so a link or a file planted at its name is
// never followed or overwritten, wherever it points.
TEST_F(FileWriterTest, TheExclusiveCreationNeverOpensAnExistingName) {
    const fs::path victim = file("victim.txt", "precious", 0644);
    fs::create_symlink(victim, folder / "planted-link");
    fs::create_symlink(folder / "nowhere", folder / "dangling-link");
    for (const char* name : {"planted-link", "dangling-link", "victim.txt"}) {
        errno = 0;
        EXPECT_EQ(createExclusiveFile(folder / name), -1) << name;
        EXPECT_EQ(errno, EEXIST) << name;
    }
    EXPECT_EQ(contentsOf(victim), "precious");
    EXPECT_FALSE(fs::exists(folder / "nowhere"));
}

TEST_F(FileWriterTest, AFailedOrAbandonedWriteLeavesTheTargetAndNoTemporary) {
    const fs::path target = file("target.txt", "old", 0644);
    {
        FileWriter abandoned(target);
        abandoned.stream() << "half";
    }
    EXPECT_EQ(contentsOf(target), "old");
    EXPECT_EQ(entries(), 1u);

    // A file size limit makes the write itself fail, as a full disk would: the writer has SIGXFSZ,
    // which would end the program, ignored.
    struct rlimit saved;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const struct rlimit small = {4096, saved.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    const std::string error = writeFileAtomically(target, std::string(1 << 20, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(error, target.string() + " cannot be written: File too large");
    EXPECT_EQ(contentsOf(target), "old");
    EXPECT_EQ(entries(), 1u);
}

// A named pipe is read as its writer writes it, even a writer that comes after the reader; a device is
// refused.
TEST_F(FileWriterTest, TheReadersTakeAPipeWithinTheSizeLimit) {
    const fs::path fifo = folder / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::size_t size : {std::size_t{5}, MaxReadSize + 1}) {
        std::thread writer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            // Opened without waiting for a reader, so that a pipe turned away leaves no writer hanging.
            const int descriptor = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            const std::string bytes(size, 'x');
            EXPECT_EQ(::fcntl(descriptor, F_SETFL, 0), 0);
            EXPECT_EQ(::write(descriptor, bytes.data(), size), static_cast<ssize_t>(size));
            ::close(descriptor);
        });
        std::string contents;
        const std::string error = readSmallFile(fifo, contents);
        writer.join();
        EXPECT_EQ(error, size > MaxReadSize ? fifo.string() + " is larger than 1 MiB" : "");
        EXPECT_EQ(contents, size > MaxReadSize ? "" : "xxxxx");
    }
    std::string ignored;
    EXPECT_EQ(readSmallFile("/dev/zero", ignored), "/dev/zero is not a regular file or a pipe");
}

// As root, a replaced file keeps its owner and group; any user's write keeps them where they are the
// user's own.
TEST_F(FileWriterTest, AReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root may give a file to another user";
    }
    const fs::path path = file("owned.txt", "old", 0640);
    ASSERT_EQ(::chown(path.c_str(), 1234, 2345), 0);
    ASSERT_EQ(writeFileAtomically(path, "new"), "");
    struct stat status;
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 1234u);
    EXPECT_EQ(status.st_gid, 2345u);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

} // namespace
} // namespace korvanex
