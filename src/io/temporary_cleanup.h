// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

namespace korvanex {

// Keeps the name of a temporary file while it exists, so that a signal that ends the program (SIGHUP,
// SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGALRM, SIGPIPE) removes it first. The handlers are
// installed with the first registration, for each signal that is not ignored; after removing every
// registered file they restore the action that was there before and raise the signal again, so that
// the program ends as the signal means. SIGXFSZ, where it would end the program, is ignored from
// then on: a write beyond the file-size limit fails with EFBIG instead.
class TemporaryFileRegistration {
  public:
    // Registers the path; a path too long to keep, or more temporary files at once than there are
    // places for, stays unregistered (the program still removes it on every ordinary failure).
    explicit TemporaryFileRegistration(const std::string& path);
    ~TemporaryFileRegistration();
    TemporaryFileRegistration(const TemporaryFileRegistration&) = delete;
    TemporaryFileRegistration& operator=(const TemporaryFileRegistration&) = delete;

  private:
    int slot_;
};

} // namespace korvanex
