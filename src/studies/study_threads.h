// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace korvanex {

// How a long study runs: on how many threads, telling its progress, and stopping when asked, so that a
// window can run it off its user-interface thread with a progress bar and a Cancel button.
struct StudyControl {
    unsigned jobs = 1; // threads, the calling thread among them
    // Told the work done of the whole (samples, or grid points), from any of the study's threads, one
    // call at a time.
    std::function<void(std::uint64_t done, std::uint64_t whole)> progress;
    // Read between blocks of work; once it is true the study stops and returns nothing.
    const std::atomic<bool>* cancel = nullptr;

    bool cancelled() const { return cancel != nullptr && cancel->load(); }
};

// Work on the items [begin, end) of a block, on the thread numbered `thread` (from 0 to jobs - 1, so
// that each thread keeps its own scratch); it returns false to stop the other blocks.
using BlockWork = std::function<bool(unsigned thread, std::uint64_t begin, std::uint64_t end)>;

// Hands the items [0, count) out in blocks of `blockSize`, in order, to the control's threads until
// every block has run, the work stops them or the study is cancelled (false, then). Rethrows what
// stopped a thread.
bool runBlocks(std::uint64_t count, std::uint64_t blockSize, const StudyControl& control,
               const BlockWork& work);

} // namespace korvanex
