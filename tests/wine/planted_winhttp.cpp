// Stands in for a winhttp.dll that another program planted beside
// ZevStatus.exe. If its code runs at all, it leaves the marker file named by
// ZEV_PLANTED_MARKER, which the test looks for.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t marker[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"ZEV_PLANTED_MARKER", marker, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return TRUE;
    HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return TRUE;
}
