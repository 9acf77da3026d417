#include "zev_status_fixture.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "e2e_options.h"
#include "poll.h"
#include "screenshot.h"
#include "tray_area.h"
#include "user_input.h"
#include "wide_text.h"
#include "window_finder.h"

#include "res/resource.h"

namespace e2e {
namespace {

constexpr DWORD kStartTimeoutMs = 30000;  // Wine's first start of a program can be slow
constexpr DWORD kMenuAnswerMs = 1500;     // per icon tried
constexpr DWORD kEndTimeoutMs = 10000;
constexpr int kIconSlotsTried = 6;

// A folder of its own for the running test, emptied of an earlier run's files.
std::wstring FreshTestFolder() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::wstring name = ToWide(std::string(test->test_suite_name()) + "." + test->name());
    for (wchar_t& c : name) {
        if (c == L'/' || c == L'\\' || c == L':') c = L'_';
    }
    const std::wstring folder = options().workDir + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return folder;
}

struct TextSearch {
    const std::string* text;
    bool found;
};

// A named callback: a lambda has the wrong calling convention on i686.
BOOL CALLBACK MatchChildText(HWND child, LPARAM param) {
    auto* s = reinterpret_cast<TextSearch*>(param);
    if (WindowText(child) == *s->text) s->found = true;
    return s->found ? FALSE : TRUE;
}

bool ShowsText(HWND dialog, const std::string& text) {
    TextSearch search{&text, false};
    EnumChildWindows(dialog, MatchChildText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The process's visible popup menu, or null.
HWND PopupMenu(DWORD processId) {
    for (const WindowInfo& w : TopLevelWindows(processId)) {
        if (w.visible && w.className == "#32768") return w.hwnd;
    }
    return nullptr;
}

}  // namespace

std::wstring BuiltProgram() {
    const std::wstring relative = options().programDir + L"\\..\\ZevStatus.exe";
    wchar_t full[MAX_PATH] = {};
    const DWORD n = GetFullPathNameW(relative.c_str(), MAX_PATH, full, nullptr);
    return n > 0 && n < MAX_PATH ? std::wstring(full) : relative;
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    std::ifstream in(ToUtf8(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool WriteWholeFile(const std::wstring& path, const std::string& content) {
    std::ofstream out(ToUtf8(path), std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out.flush());
}

void ZevStatusTest::TearDown() {
    if (m_process && m_process->running()) {  // through the tray menu's "Beenden"
        PostMessageW(m_main, WM_COMMAND, MAKEWPARAM(ID_TRAY_EXIT, 0), 0);
        EXPECT_TRUE(m_process->waitForExit(kEndTimeoutMs)) << "\"Beenden\" did not end the program";
    }
    m_process.reset();  // ends it the hard way if "Beenden" did not
    SetEnvironmentVariableW(L"ZEV_EMULATOR", nullptr);
    SetEnvironmentVariableW(L"ZEV_EMULATOR_LOG", nullptr);
}

void ZevStatusTest::startWithScenario(const std::string& scenario, const std::optional<std::string>& dataFile) {
    m_folder = FreshTestFolder();
    const std::wstring exe = programFile(L"ZevStatus.exe");
    ASSERT_TRUE(CopyFileW(BuiltProgram().c_str(), exe.c_str(), FALSE))
        << "cannot copy " << ToUtf8(BuiltProgram()) << " into the test folder";
    ASSERT_TRUE(WriteWholeFile(programFile(L"scenario.txt"), scenario));
    if (dataFile) {
        ASSERT_TRUE(WriteWholeFile(programFile(L"data.txt"), *dataFile));
    }
    // The program inherits the driver's environment.
    SetEnvironmentVariableW(L"ZEV_EMULATOR", programFile(L"scenario.txt").c_str());
    SetEnvironmentVariableW(L"ZEV_EMULATOR_LOG", programFile(L"emulator.log").c_str());
    ASSERT_NO_FATAL_FAILURE(prepareProgramFolder());

    m_process = ProgramProcess::Start(exe);
    ASSERT_NE(m_process, nullptr) << "ZevStatus.exe could not be started";

    // The main window exists hidden from the start; it must not show by itself.
    ASSERT_TRUE(PollUntil(
        [&] {
            for (const WindowInfo& w : TopLevelWindows(m_process->id())) {
                if (w.caption == kMainCaption) m_main = w.hwnd;
            }
            return m_main != nullptr;
        },
        kStartTimeoutMs))
        << "no main window \"" << kMainCaption << "\" was created";
    // The last of the four settings queries that follow the start dialog.
    ASSERT_TRUE(
        PollUntil([&] { return emulatorLog().find("fm.push_value 48;fm.execute_keyword 10;") != std::string::npos; },
                  kStartTimeoutMs))
        << "the start-up pass did not read the printer's settings; log:\n"
        << emulatorLog();
}

namespace {

// The menu's window may be shown before it has its final place (under load
// Wine moves it after showing it): a click aimed from an early rectangle misses.
RECT SettledRect(HWND window) {
    RECT last{};
    GetWindowRect(window, &last);
    PollUntil(
        [&] {
            Sleep(100);
            RECT now{};
            GetWindowRect(window, &now);
            const bool settled = EqualRect(&now, &last);
            last = now;
            return settled;
        },
        kMenuAnswerMs);
    return last;
}

}  // namespace

HWND ZevStatusTest::openTrayMenu() {
    HWND menu = nullptr;
    PollUntil([&] {
        for (POINT icon : NotificationIconPoints(kIconSlotsTried)) {
            ClickAt(icon, MouseButton::Right);
            if (PollUntil([&] { return (menu = PopupMenu(processId())) != nullptr; }, kMenuAnswerMs)) {
                m_trayIcon = icon;
                return true;
            }
        }
        return false;
    });
    return menu;
}

void ZevStatusTest::openMainWindowFromTrayMenu(const std::string& menuScreenshot) {
    ASSERT_NE(Taskbar(), nullptr) << DescribeTaskbar();
    constexpr int kTries = 3;
    constexpr DWORD kShowMs = 5000;
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        const HWND menu = openTrayMenu();
        ASSERT_NE(menu, nullptr) << "no icon in the notification area opened the program's menu; " << DescribeTaskbar();
        if (attempt == 1 && !menuScreenshot.empty()) SaveScreenshot(menuScreenshot);
        // Two items, "ZEV Toolbox" above "Beenden": the upper quarter is the first.
        const RECT r = SettledRect(menu);
        ClickAt({(r.left + r.right) / 2, r.top + (r.bottom - r.top) / 4}, MouseButton::Left);
        if (PollUntil([&] { return mainWindow().visible(); }, kShowMs)) return;
        // A click that missed the item may leave the menu open; a click beside it closes it.
        if (const HWND open = PopupMenu(processId())) {
            RECT missed{};
            GetWindowRect(open, &missed);
            ClickAt({missed.left - 20, missed.top - 20}, MouseButton::Left);
        }
    }
    FAIL() << "\"ZEV Toolbox\" did not show the main window in " << kTries << " tries";
}

std::string ZevStatusTest::emulatorLog() const { return ReadWholeFile(programFile(L"emulator.log")).value_or(""); }

HWND ZevStatusTest::waitForDialog(const std::string& caption, const std::string& text, DWORD timeoutMs) const {
    return WaitForWindow(processId(), caption, timeoutMs, [&](HWND w) { return ShowsText(w, text); });
}

}  // namespace e2e
