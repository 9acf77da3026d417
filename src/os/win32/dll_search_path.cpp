#include "os/win32/dll_search_path.h"

#include "os/win32/windows_api.h"

namespace os::win32 {

void RestrictDllSearchToSystemFolder() {
    // Looked up, not imported: Windows 7 without KB2533623 lacks it, and an
    // import the system cannot satisfy keeps the exe from starting at all.
    using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    auto* setDefault = kernel ? reinterpret_cast<SetDefaultDllDirectoriesFunction*>(
                                    reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")))
                              : nullptr;
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Such a system can at least drop the current folder from the search.
    ::SetDllDirectoryW(L"");
}

}  // namespace os::win32
