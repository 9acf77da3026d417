// A file name in the temp folder that no other test, and no other process
// running the suite at the same time, can be using.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

namespace zevtest {

inline std::filesystem::path UniqueTempPath(const std::string& stem, const std::string& extension = ".txt") {
    static std::atomic<int> counter{0};
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string owner = test ? std::string(test->test_suite_name()) + "." + test->name() : "outside-a-test";
    return std::filesystem::temp_directory_path() /
           (stem + "-" + std::to_string(::getpid()) + "-" + owner + "-" + std::to_string(counter++) + extension);
}

}  // namespace zevtest
