// Runs the real ZevStatus.exe against an emulated printer. Each test gets a
// fresh copy of the program in a folder of its own under the work folder, so
// its data.txt, its emulator log and the files the update leaves behind start
// empty. The program is started with its quoted full path and nothing else on
// the command line: it derives its own folder from that line.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "dialog_probe.h"
#include "program_process.h"

namespace e2e {

inline constexpr const char* kMainCaption = "BRENLATO ZEV USB Status Client Ver. 6.11";

class ZevStatusTest : public testing::Test {
protected:
    void TearDown() override;
    // Puts more files beside the fresh copy of the program before it starts.
    virtual void prepareProgramFolder() {}

    // Use with ASSERT_NO_FATAL_FAILURE. `scenario` is an emulator scenario text;
    // `dataFile` the data.txt to put beside the program, if any. Returns once
    // the start-up pass has read the printer's four settings.
    void startWithScenario(const std::string& scenario, const std::optional<std::string>& dataFile = {});
    // Right-clicks the icons of the taskbar's notification area until the
    // program's menu opens, then clicks its first item, "ZEV Toolbox". With a
    // name, the open menu is saved as a screenshot of that name.
    void openMainWindowFromTrayMenu(const std::string& menuScreenshot = {});
    // Right-clicks the icon slots until the program's menu opens; null when none did.
    HWND openTrayMenu();
    // Where the program's icon was found by openMainWindowFromTrayMenu.
    POINT trayIcon() const { return m_trayIcon; }

    DialogProbe mainWindow() const { return DialogProbe(m_main); }
    DWORD processId() const { return m_process ? m_process->id() : 0; }
    std::wstring programFolder() const { return m_folder; }
    std::wstring programFile(const std::wstring& name) const { return m_folder + L"\\" + name; }

    // The emulator's write log so far.
    std::string emulatorLog() const;

    // A visible top-level window of the program with this caption that shows
    // `text` in one of its controls; null when none appears in time.
    HWND waitForDialog(const std::string& caption, const std::string& text, DWORD timeoutMs) const;

private:
    std::wstring m_folder;
    std::unique_ptr<ProgramProcess> m_process;
    HWND m_main = nullptr;
    POINT m_trayIcon{};
};

// The ZevStatus.exe of the build, with its full path.
std::wstring BuiltProgram();
// The whole file, or nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, const std::string& content);

}  // namespace e2e
