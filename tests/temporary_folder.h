// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace korvanex {

// The bytes of a file; empty when it cannot be read.
inline std::string contentsOf(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A test with an empty folder of its own, removed with everything in it when the test ends.
class TemporaryFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() / ("korvanex-" + std::to_string(::getpid()) + "-" +
                                                           test.test_suite_name() + "-" + test.name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
};

} // namespace korvanex
