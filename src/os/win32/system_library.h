// A DLL that is not one of Windows' KnownDLLs, loaded from the system folder
// only. An import of such a DLL is looked for in the exe's own folder first,
// and that folder belongs to the user in a per-user install: a planted copy
// would run inside every process of the program, the elevated one included.
// So these DLLs are never imported; their functions are looked up here.
#pragma once

#include "os/win32/windows_api.h"

#include <string>

namespace os::win32 {

class SystemLibrary {
public:
    // `name` is a bare file name such as L"winhttp.dll".
    explicit SystemLibrary(const wchar_t* name) : m_module(LoadFromSystemFolder(name)) {}
    ~SystemLibrary() {
        if (m_module) ::FreeLibrary(m_module);
    }
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    explicit operator bool() const { return m_module != nullptr; }

    // The exported function `name` as a pointer of type `Function*`, or
    // nullptr when the library or the export is missing.
    template <class Function>
    Function* Find(const char* name) const {
        if (!m_module) return nullptr;
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(m_module, name)));
    }

    // As Find, and clears `complete` when the export is missing: a table of
    // entry points then knows at once whether it is whole.
    template <class Function>
    Function* FindRequired(const char* name, bool& complete) const {
        Function* found = Find<Function>(name);
        complete = complete && found != nullptr;
        return found;
    }

private:
    static HMODULE LoadFromSystemFolder(const wchar_t* name) {
        // LOAD_LIBRARY_SEARCH_SYSTEM32 needs KB2533623 on Windows 7; without it
        // the flag is refused, and the full path does the same job, with the
        // DLL's own dependencies then looked for beside it first.
        if (HMODULE module = ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
        wchar_t path[MAX_PATH];
        const UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        std::wstring full(path, length);
        full += L'\\';
        full += name;
        return ::LoadLibraryExW(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }

    HMODULE m_module;
};

}  // namespace os::win32

// A member of an entry-point table: the system library's export `name`, typed
// as the platform header declares it.
#define ZEV_SYSTEM_ENTRY(library, complete, name) \
    decltype(&::name) name = (library).FindRequired<decltype(::name)>(#name, complete)
