// Writes each test's outcome to a plain file as soon as it is known. run-e2e.sh
// reads this file rather than wine's exit code, and a crash part-way still
// leaves the lines of the tests that ran.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace e2e {

class ResultFileListener : public testing::EmptyTestEventListener {
public:
    explicit ResultFileListener(const std::wstring& path);
    ~ResultFileListener() override;
    ResultFileListener(const ResultFileListener&) = delete;
    ResultFileListener& operator=(const ResultFileListener&) = delete;

    bool isOpen() const { return m_file != nullptr; }

    void OnTestStart(const testing::TestInfo& test) override;
    void OnTestPartResult(const testing::TestPartResult& result) override;
    void OnTestEnd(const testing::TestInfo& test) override;
    void OnTestProgramEnd(const testing::UnitTest& unit) override;

private:
    void line(const std::string& text);
    std::FILE* m_file = nullptr;
};

}  // namespace e2e
