#include "result_file_listener.h"

#include <windows.h>

namespace e2e {
namespace {

std::string FullName(const testing::TestInfo& test) { return std::string(test.test_suite_name()) + "." + test.name(); }

}  // namespace

ResultFileListener::ResultFileListener(const std::wstring& path) {
    if (!path.empty()) m_file = _wfopen(path.c_str(), L"wb");  // plain \n: read by a shell script
}

ResultFileListener::~ResultFileListener() {
    if (m_file) std::fclose(m_file);
}

void ResultFileListener::line(const std::string& text) {
    if (!m_file) return;
    std::fputs(text.c_str(), m_file);
    std::fputc('\n', m_file);
    std::fflush(m_file);
}

void ResultFileListener::OnTestStart(const testing::TestInfo& test) { line("RUN  " + FullName(test)); }

void ResultFileListener::OnTestPartResult(const testing::TestPartResult& result) {
    if (result.skipped()) {
        line(std::string("     skipped: ") + result.message());
        return;
    }
    if (!result.failed()) return;
    std::string where = result.file_name() ? result.file_name() : "?";
    line("     " + where + ":" + std::to_string(result.line_number()) + ": " + result.message());
}

void ResultFileListener::OnTestEnd(const testing::TestInfo& test) {
    const testing::TestResult& r = *test.result();
    const char* verdict = r.Failed() ? "FAIL " : r.Skipped() ? "SKIP " : "PASS ";
    line(verdict + FullName(test) + " (" + std::to_string(r.elapsed_time()) + " ms)");
}

void ResultFileListener::OnTestProgramEnd(const testing::UnitTest& unit) {
    line("SUMMARY " + std::to_string(unit.successful_test_count()) + " passed, " +
         std::to_string(unit.failed_test_count()) + " failed, " + std::to_string(unit.skipped_test_count()) +
         " skipped");
    line("DONE");
}

}  // namespace e2e
