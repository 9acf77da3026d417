// A test that starts one program, finds its main window and reads the result
// the program writes when it ends (--result=FILE).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "dialog_probe.h"
#include "program_process.h"

namespace e2e {

class AppUnderTest : public testing::Test {
protected:
    AppUnderTest(std::wstring exe, std::string mainCaption)
        : m_exe(std::move(exe)), m_mainCaption(std::move(mainCaption)) {}

    // Use with ASSERT_NO_FATAL_FAILURE.
    void startAndFindMainWindow();

    // A visible top-level window of the program with this caption, or null.
    HWND waitForWindow(const std::string& caption) const;
    // The program's result once it has ended; nullopt if it did not end or wrote none.
    std::optional<long> resultAfterExit();

    DialogProbe mainWindow() const { return DialogProbe(m_main); }

private:
    std::wstring m_exe;
    std::string m_mainCaption;
    std::unique_ptr<ProgramProcess> m_process;
    std::wstring m_resultFile;
    HWND m_main = nullptr;
};

}  // namespace e2e
