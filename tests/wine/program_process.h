// A program started by the driver. The program is started with its quoted full
// path as the first token of its command line (as the shell does), and is ended
// when this object goes away, so a failed test leaves nothing running.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace e2e {

class ProgramProcess {
public:
    // `exe` is a full path. Null when the process cannot be created.
    static std::unique_ptr<ProgramProcess> Start(const std::wstring& exe, const std::wstring& arguments = {});

    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    DWORD id() const { return m_id; }
    bool waitForExit(DWORD timeoutMs);
    bool running() const;
    // The exit code once the process has ended.
    std::optional<DWORD> exitCode() const;

private:
    ProgramProcess(HANDLE process, DWORD id) : m_process(process), m_id(id) {}
    HANDLE m_process;
    DWORD m_id;
};

}  // namespace e2e
