// A tiny stand-alone Win32 program that proves the end-to-end rig itself: the
// driver must find its window, read its texts, click, type Esc and Enter, and
// watch a timer keep counting while a message box is open.
//
//   rig_app.exe --result=FILE [--missing-template]
//
// The dialog's result is written to FILE, since wine's exit codes are not
// reliable enough to test with.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "rig_app_resource.h"

namespace {

constexpr UINT_PTR kCountTimer = 1;
constexpr UINT kCountIntervalMs = 50;

struct RigState {
    int count = 0;
};

INT_PTR CALLBACK RigDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<RigState*>(GetWindowLongPtrW(dlg, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dlg, DWLP_USER, lParam);
        SetTimer(dlg, kCountTimer, kCountIntervalMs, nullptr);
        return TRUE;
    case WM_TIMER:
        if (wParam == kCountTimer && state) {
            SetDlgItemInt(dlg, IDC_RIG_COUNT, static_cast<UINT>(++state->count), FALSE);
        }
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_RIG_ASK:
            MessageBoxW(dlg, L"Weiterzählen?", L"Rig-Frage", MB_OK | MB_ICONQUESTION);
            return TRUE;
        case IDOK:
        case IDCANCEL:
            KillTimer(dlg, kCountTimer);
            EndDialog(dlg, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

std::wstring OptionValue(int argc, wchar_t** argv, const std::wstring& name) {
    const std::wstring prefix = L"--" + name + L"=";
    for (int i = 1; i < argc; ++i) {
        std::wstring arg = argv[i];
        if (arg.rfind(prefix, 0) == 0) return arg.substr(prefix.size());
    }
    return {};
}

bool HasFlag(int argc, wchar_t** argv, const std::wstring& name) {
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == L"--" + name) return true;
    }
    return false;
}

void WriteResult(const std::wstring& path, INT_PTR result) {
    if (path.empty()) return;
    FILE* f = _wfopen(path.c_str(), L"w");
    if (!f) return;
    std::fprintf(f, "%lld\n", static_cast<long long>(result));
    std::fclose(f);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv) return 1;
    const int templateId = HasFlag(argc, argv, L"missing-template") ? IDD_RIG_MISSING : IDD_RIG_MAIN;
    RigState state;
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), nullptr, RigDialogProc,
                                           reinterpret_cast<LPARAM>(&state));
    WriteResult(OptionValue(argc, argv, L"result"), result);
    LocalFree(argv);
    return 0;
}
