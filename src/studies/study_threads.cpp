// SPDX-License-Identifier: Apache-2.0
#include "studies/study_threads.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace korvanex {

bool runBlocks(std::uint64_t count, std::uint64_t blockSize, const StudyControl& control,
               const BlockWork& work) {
    std::atomic<std::uint64_t> next{0};
    std::atomic<bool> stopped{false};
    std::mutex failureMutex;
    std::exception_ptr failure;
    const auto run = [&](unsigned thread) {
        try {
            while (!stopped.load() && !control.cancelled()) {
                const std::uint64_t begin = next.fetch_add(blockSize);
                if (begin >= count) {
                    return;
                }
                if (!work(thread, begin, std::min(count, begin + blockSize))) {
                    stopped.store(true);
                }
            }
        } catch (...) {
            const std::lock_guard lock(failureMutex);
            failure = failure ? failure : std::current_exception();
            stopped.store(true);
        }
    };
    std::vector<std::thread> threads;
    for (unsigned thread = 1; thread < std::max(1u, control.jobs); ++thread) {
        threads.emplace_back(run, thread);
    }
    run(0);
    for (std::thread& thread : threads) {
        thread.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    return !control.cancelled();
}

} // namespace korvanex
