#include "program_process.h"

namespace e2e {

std::unique_ptr<ProgramProcess> ProgramProcess::Start(const std::wstring& exe, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));

    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(
            exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
        return nullptr;
    }
    CloseHandle(pi.hThread);
    return std::unique_ptr<ProgramProcess>(new ProgramProcess(pi.hProcess, pi.dwProcessId));
}

ProgramProcess::~ProgramProcess() {
    if (running()) {
        TerminateProcess(m_process, 1);
        WaitForSingleObject(m_process, 5000);
    }
    CloseHandle(m_process);
}

bool ProgramProcess::waitForExit(DWORD timeoutMs) { return WaitForSingleObject(m_process, timeoutMs) == WAIT_OBJECT_0; }

std::optional<DWORD> ProgramProcess::exitCode() const {
    DWORD code = 0;
    if (running() || !GetExitCodeProcess(m_process, &code)) return std::nullopt;
    return code;
}

bool ProgramProcess::running() const { return WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT; }

}  // namespace e2e
