#include "app_under_test.h"

#include <fstream>

#include "e2e_options.h"
#include "wide_text.h"
#include "window_finder.h"

namespace e2e {
namespace {

constexpr DWORD kExitTimeoutMs = 15000;

std::optional<long> ReadResult(const std::wstring& path) {
    std::ifstream in(ToUtf8(path));
    long value = 0;
    if (!(in >> value)) return std::nullopt;
    return value;
}

}  // namespace

void AppUnderTest::startAndFindMainWindow() {
    m_resultFile = WorkFile(L"result.txt");
    m_process = ProgramProcess::Start(m_exe, L"--result=\"" + m_resultFile + L"\"");
    ASSERT_NE(m_process, nullptr) << ToUtf8(m_exe) << " could not be started";
    m_main = waitForWindow(m_mainCaption);
    ASSERT_NE(m_main, nullptr) << "no window \"" << m_mainCaption << "\" appeared";
}

HWND AppUnderTest::waitForWindow(const std::string& caption) const {
    return m_process ? WaitForWindow(m_process->id(), caption) : nullptr;
}

std::optional<long> AppUnderTest::resultAfterExit() {
    if (!m_process || !m_process->waitForExit(kExitTimeoutMs)) return std::nullopt;
    return ReadResult(m_resultFile);
}

}  // namespace e2e
