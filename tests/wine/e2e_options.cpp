#include "e2e_options.h"

#include <windows.h>

#include <shellapi.h>

#include <string_view>

namespace e2e {
namespace {

std::wstring ModuleDirectory() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring full = path;
    return full.substr(0, full.find_last_of(L'\\'));
}

Options ParseOptions() {
    Options o;
    o.programDir = ModuleDirectory();
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; argv && i < argc; ++i) {
        const std::wstring_view arg = argv[i];
        auto take = [&](std::wstring_view name, std::wstring& into) {
            if (arg.substr(0, name.size()) == name) into = arg.substr(name.size());
        };
        take(L"--results=", o.resultsFile);
        take(L"--shots=", o.screenshotDir);
        take(L"--work=", o.workDir);
    }
    LocalFree(argv);
    if (o.workDir.empty()) o.workDir = o.programDir;
    return o;
}

}  // namespace

const Options& options() {
    static const Options parsed = ParseOptions();
    return parsed;
}

std::wstring WorkFile(const std::wstring& name) {
    const std::wstring path = options().workDir + L"\\" + name;
    DeleteFileW(path.c_str());
    return path;
}

}  // namespace e2e
