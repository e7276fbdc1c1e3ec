// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "io/descriptor_output.h"
#include "io/temporary_cleanup.h"

#include <optional>
#include <ostream>
#include <string>
#include <sys/stat.h>

namespace korvanex {

// Creates a new file for writing and never opens anything that is already there: an existing file
// or link at the path, even a link that points nowhere, makes it fail with EEXIST. Returns the
// descriptor, or -1 with errno set.
int createExclusiveFile(const std::string& path);

// The one way the program writes a file, as a whole text or streamed as it is produced.
//
// A regular file (new or existing) is written under a temporary name in the target's folder,
// created by createExclusiveFile under a random name, then flushed to the disk and renamed over the
// target, and the folder flushed: a failure at any point, or a signal that ends the program
// (temporary_cleanup.h), leaves the target as it was and removes the temporary. An existing target
// keeps its permission bits, and its owner and group where the user may give them (as root). A link
// is followed: the file it points to is replaced and the link stays. An existing target that is not a
// regular file (a device, a FIFO, and through /dev/stdout or /dev/fd/N a pipe, a socket or a terminal)
// is written in place and never replaced; a folder is refused. A target that the user may not write,
// or whose permission bits let no one write it, is refused before anything is created.
//
// Every failure is told as "PATH cannot be written: REASON", with the path as given and the
// system's error text.
class FileWriter {
  public:
    explicit FileWriter(const std::string& path);
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // The bytes of the file. After a failure the stream is bad and takes nothing more.
    std::ostream& stream() { return stream_; }

    // The failure so far, empty while all is well.
    std::string error() const;

    // Finishes the file: writes what is buffered, flushes it to the disk and puts it in place.
    // Returns an empty string, or the failure. Without a commit nothing replaces the target.
    std::string commit();

  private:
    int openTarget();
    int openInPlace(const struct stat& status);
    std::string failure(const std::string& reason) const;
    std::string replaceTarget();

    std::string path_;
    std::string target_;    // the path with its links followed
    std::string temporary_; // empty when the target is written in place
    std::optional<TemporaryFileRegistration> registration_;
    int existingMode_ = -1; // the permission bits of an existing target
    uid_t existingOwner_ = 0;
    gid_t existingGroup_ = 0;
    std::string openError_;
    int descriptor_;
    bool committed_ = false;
    DescriptorOutputBuffer buffer_;
    std::ostream stream_;
};

} // namespace korvanex
