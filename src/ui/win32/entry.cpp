// The program's entry point on Windows: hands the program a way to run its
// window on the real backend, and reports what escapes it.
#include <exception>
#include <string>
#include <vector>

#include "os/win32/dll_search_path.h"
#include "os/win32/wide.h"
#include "os/win32/windows_api.h"
#include "ui/app.h"
#include "ui/win32/win32_backend.h"

#include <objbase.h>

namespace {

// The executable's file name without directory and extension ("ZevStatus").
std::string ExecutableBaseName() {
    std::vector<wchar_t> path(MAX_PATH);
    DWORD n = 0;
    while ((n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size() &&
           path.size() < 32768)
        path.resize(path.size() * 2);
    std::wstring name(path.data(), n);
    if (const auto slash = name.find_last_of(L"\\/"); slash != std::wstring::npos) name.erase(0, slash + 1);
    if (const auto dot = name.rfind(L'.'); dot != std::wstring::npos) name.erase(dot);
    return os::win32::ToUtf8(name);
}

// The shell's handlers behind ShellExecute may use COM on this thread.
class ComApartment {
public:
    ComApartment() : m_ok(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (m_ok) ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_ok;
};

// Keeps the backend installed exactly as long as it exists.
class InstalledBackend {
public:
    explicit InstalledBackend(HINSTANCE instance) : m_backend(instance) { ui::setBackend(&m_backend); }
    ~InstalledBackend() { ui::setBackend(nullptr); }
    InstalledBackend(const InstalledBackend&) = delete;
    InstalledBackend& operator=(const InstalledBackend&) = delete;

private:
    ui::win32::Win32Backend m_backend;
};

int Run(HINSTANCE instance) {
    ComApartment com;
    InstalledBackend backend(instance);
    ui::InitCommonControls();
    std::unique_ptr<ui::WinApp> app = ui::CreateApplication();
    if (!app) return 1;
    app->m_pszAppName = ExecutableBaseName();
    return ui::RunApplication(*app);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    os::win32::RestrictDllSearchToSystemFolder();
    try {
        return ui::ProgramEntry([instance] { return Run(instance); });
    } catch (const std::exception& e) {
        // Nothing above us could report it; say what happened instead of vanishing.
        ::MessageBoxW(nullptr, os::win32::ToWide(e.what()).c_str(), L"Error", MB_OK | MB_ICONSTOP);
    } catch (...) {
        ::MessageBoxW(nullptr, L"Unexpected error", L"Error", MB_OK | MB_ICONSTOP);
    }
    return 1;
}
