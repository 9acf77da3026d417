#include "os/win32/console.h"

#include <atomic>

#include "os/win32/unique_handle.h"
#include "os/win32/wide.h"
#include "os/win32/windows_api.h"

namespace os::win32 {

namespace {

std::atomic<bool> g_stop{false};

BOOL WINAPI onConsoleControl(DWORD) {
    g_stop = true;
    return TRUE;
}

// One output stream: the handle the caller redirected it to, else the console.
class Stream {
public:
    explicit Stream(DWORD which) {
        m_handle = ::GetStdHandle(which);
        if (m_handle && m_handle != INVALID_HANDLE_VALUE) return;
        // Nothing was handed over: write to the console attached to, if any.
        const HANDLE console = ::CreateFileW(L"CONOUT$",
                                             GENERIC_READ | GENERIC_WRITE,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE,
                                             nullptr,
                                             OPEN_EXISTING,
                                             0,
                                             nullptr);
        if (console == INVALID_HANDLE_VALUE) return;
        m_console.reset(console);
        m_handle = console;
    }

    void write(std::string_view utf8) {
        if (!m_handle || m_handle == INVALID_HANDLE_VALUE || utf8.empty()) return;
        DWORD mode = 0;
        if (::GetConsoleMode(m_handle, &mode)) {
            // A console shows UTF-16 whatever its code page; files and pipes get UTF-8.
            const std::wstring wide = ToWide(utf8);
            DWORD written = 0;
            ::WriteConsoleW(m_handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
            return;
        }
        std::size_t done = 0;
        while (done < utf8.size()) {
            DWORD written = 0;
            if (!::WriteFile(m_handle, utf8.data() + done, static_cast<DWORD>(utf8.size() - done), &written, nullptr) ||
                written == 0)
                return;
            done += written;
        }
    }

private:
    HANDLE m_handle = nullptr;
    UniqueHandle m_console;
};

}  // namespace

struct ParentConsole::Streams {
    Stream out{STD_OUTPUT_HANDLE};
    Stream err{STD_ERROR_HANDLE};
};

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    if (!wide) return arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(ToUtf8(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

ParentConsole::ParentConsole() {
    // Fails when the caller has no console (started from Explorer, or with its
    // output redirected by a service); redirected handles work all the same.
    ::AttachConsole(ATTACH_PARENT_PROCESS);
    ::SetConsoleCtrlHandler(onConsoleControl, TRUE);
    m_streams = std::make_unique<Streams>();
}

ParentConsole::~ParentConsole() { ::SetConsoleCtrlHandler(onConsoleControl, FALSE); }

void ParentConsole::out(std::string_view utf8) { m_streams->out.write(utf8); }
void ParentConsole::err(std::string_view utf8) { m_streams->err.write(utf8); }
bool ParentConsole::stopRequested() { return g_stop; }

}  // namespace os::win32
