#include "os/shell.h"

#include "os/win32/wide.h"
#include "os/win32/windows_api.h"

namespace os {

namespace {
// An empty text means "not given": the shell then uses its default verb and
// the current directory.
const wchar_t* OrNull(const std::wstring& s) { return s.empty() ? nullptr : s.c_str(); }
}  // namespace

void ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
               const std::string& directory, int showCmd) {
    const std::wstring wVerb = win32::ToWide(verb);
    const std::wstring wFile = win32::ToWide(file);
    const std::wstring wParameters = win32::ToWide(parameters);
    const std::wstring wDirectory = win32::ToWide(directory);
    ::ShellExecuteW(nullptr, OrNull(wVerb), wFile.c_str(), OrNull(wParameters), OrNull(wDirectory), showCmd);
}

}  // namespace os
