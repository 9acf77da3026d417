#include "os/process.h"

#include <vector>

#include "os/win32/unique_handle.h"
#include "os/win32/wide.h"
#include "os/win32/windows_api.h"

namespace os {

namespace {

class Win32NamedMutex final : public NamedMutex {
public:
    explicit Win32NamedMutex(const std::string& name)
        : m_handle(::CreateMutexW(nullptr, TRUE, win32::ToWide(name).c_str())),
          m_existed(::GetLastError() == ERROR_ALREADY_EXISTS) {}
    ~Win32NamedMutex() override {
        // Initial ownership is granted only to the creator; an opener of an
        // existing mutex holds a handle but not the mutex.
        if (m_handle && !m_existed) ::ReleaseMutex(m_handle.get());
    }
    bool alreadyExisted() const override { return m_existed; }

private:
    win32::UniqueHandle m_handle;
    bool m_existed;
};

class Win32Process final : public ProcessHandle {
public:
    explicit Win32Process(HANDLE process) : m_process(process) {}
    bool wait(unsigned ms) override { return ::WaitForSingleObject(m_process.get(), ms) == WAIT_OBJECT_0; }

private:
    win32::UniqueHandle m_process;
};

}  // namespace

std::string GetCommandLine() { return win32::ToUtf8(::GetCommandLineW()); }

std::unique_ptr<NamedMutex> CreateOwnedMutex(const std::string& name) {
    return std::make_unique<Win32NamedMutex>(name);
}

std::unique_ptr<ProcessHandle> LaunchHidden(const std::string& commandLine) {
    // CreateProcessW may write into the command line, so it gets its own buffer.
    const std::wstring wide = win32::ToWide(commandLine);
    std::vector<wchar_t> buffer(wide.begin(), wide.end());
    buffer.push_back(L'\0');

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return nullptr;
    ::CloseHandle(info.hThread);
    return std::make_unique<Win32Process>(info.hProcess);
}

}  // namespace os
