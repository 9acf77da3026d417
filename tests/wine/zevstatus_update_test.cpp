// The driver online update of the real program under Wine: version files and a
// replacement on a loopback HTTP server (started by run-e2e.sh, which names
// its folder in ZEV_E2E_UPDATE_ROOT and its address in the administrator's
// policy value, while ZEV_UPDATE_URL names an address where nothing answers),
// reached through the loopback proxy that run-e2e.sh sets as the user's proxy
// (its log in ZEV_E2E_PROXY_LOG), the six driver files in the
// Wine prefix's system folders with an old date, and the whole chain from
// command 1021 to the success dialog.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "e2e_options.h"
#include "poll.h"
#include "screenshot.h"
#include "wide_text.h"
#include "window_finder.h"
#include "zev_status_fixture.h"

#include "res/resource.h"

namespace e2e {
namespace {

constexpr const char* kUpdateCaption = "BRENLATO ZEV Online Update";
constexpr DWORD kDownloadsTimeoutMs = 60000;
constexpr const char* kInstalledDate = "15032010";
constexpr const char* kNewerDate = "20012011";
constexpr const char* kReplacement = "brmod_f.dll as published on 20 January 2011\n";
// The replacement's SHA-256 as the version file's second line: the platform's hash must agree.
constexpr const char* kReplacementDigest = "f92a761d780231f21c3bc982afde2f4c0e58ea535738bef0d6e3da2b81b128bb\n";
// The manifest of that replacement and its signature by the repository's test
// key (tests/update/test_manifest.cpp), made with
//   openssl dgst -sha256 -sign test-key.pem -out manifest.txt.sig manifest.txt
constexpr const char* kManifest =
    "zev update manifest 1\n"
    "brmod_f.dll 44 f92a761d780231f21c3bc982afde2f4c0e58ea535738bef0d6e3da2b81b128bb 20012011\n";
const std::string kManifestSignature(
    "\x30\x46\x02\x21\x00\x91\x6d\x1d\xdf\x63\x23\xe9\x41\x81\xe6\xea\x6a\x71\xd7\x19\x8c\x72\xe8\x07"
    "\x67\x6f\x43\xe7\x8a\x9b\x45\xd1\xb8\x60\xb8\x94\x44\x02\x21\x00\x94\x78\x1b\x04\xc3\x1b\xf2\x6b"
    "\xfe\xa6\xe7\xa2\x26\x8f\x76\x9e\x03\x1a\xf2\xd6\x3d\x9b\xc8\xd9\xc7\x41\xf1\xe1\x74\x7b\xb7\x09",
    72);

struct DriverFile {
    const wchar_t* name;
    bool inSystemFolder;  // else in the printer-driver folder below it
};

constexpr DriverFile kDriverFiles[] = {
    {L"brmod_a.dll", true},
    {L"brmod_b.dat", false},
    {L"brmod_c.dll", false},
    {L"brmod_d.dll", false},
    {L"brmod_e.dll", false},
    {L"brmod_f.dll", false},
};

std::wstring SystemFolder() {
    wchar_t path[MAX_PATH] = {};
    GetSystemDirectoryW(path, MAX_PATH);
    return path;
}

std::wstring DriverFolder() { return SystemFolder() + L"\\spool\\drivers\\w32x86\\3"; }

std::wstring InstalledPath(const DriverFile& file) {
    return (file.inSystemFolder ? SystemFolder() : DriverFolder()) + L"\\" + file.name;
}

// Every missing folder of the path.
bool CreateFolders(const std::wstring& path) {
    const int error = SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
    return error == ERROR_SUCCESS || error == ERROR_ALREADY_EXISTS;
}

// Noon, so that no time zone moves the file to another day.
bool SetLastWriteDate(const std::wstring& path, WORD day, WORD month, WORD year) {
    SYSTEMTIME local{};
    local.wYear = year;
    local.wMonth = month;
    local.wDay = day;
    local.wHour = 12;
    SYSTEMTIME utc{};
    FILETIME when{};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) || !SystemTimeToFileTime(&utc, &when)) return false;
    HANDLE f =
        CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    const bool set = SetFileTime(f, nullptr, nullptr, &when) != 0;
    CloseHandle(f);
    return set;
}

std::string InstalledContent(const DriverFile& file) { return "installed " + ToUtf8(file.name) + "\n"; }

// Names in `folder` that start with `prefix`.
std::vector<std::wstring> FilesStartingWith(const std::wstring& folder, const std::wstring& prefix) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\" + prefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void RemoveBackups() {
    for (const std::wstring& folder : {SystemFolder(), DriverFolder()}) {
        for (const std::wstring& name : FilesStartingWith(folder, L"brmod_")) {
            if (name.find(L"_OLD") != std::wstring::npos) DeleteFileW((folder + L"\\" + name).c_str());
        }
    }
}

class ZevStatusUpdate : public ZevStatusTest {
protected:
    void SetUp() override {
        const wchar_t* root = _wgetenv(L"ZEV_E2E_UPDATE_ROOT");
        const wchar_t* proxyLog = _wgetenv(L"ZEV_E2E_PROXY_LOG");
        if (!root || !*root || !proxyLog || !*proxyLog) {
            GTEST_SKIP() << "no update server: run-e2e.sh starts one and a proxy, and sets ZEV_E2E_UPDATE_ROOT and "
                            "ZEV_E2E_PROXY_LOG";
        }
        m_proxyLog = proxyLog;
        ASSERT_TRUE(CreateFolders(DriverFolder())) << ToUtf8(DriverFolder());
        RemoveBackups();
        for (const DriverFile& file : kDriverFiles) {
            ASSERT_TRUE(WriteWholeFile(InstalledPath(file), InstalledContent(file))) << ToUtf8(InstalledPath(file));
            ASSERT_TRUE(SetLastWriteDate(InstalledPath(file), 15, 3, 2010)) << ToUtf8(InstalledPath(file));
        }

        // Every version file carries the installed date except brmod_f's.
        const std::wstring update = std::wstring(root) + L"\\zev\\update";
        ASSERT_TRUE(CreateFolders(update + L"\\files"));
        for (const DriverFile& file : kDriverFiles) {
            std::wstring versionFile = file.name;
            versionFile.replace(versionFile.size() - 3, 3, L"txt");
            const std::string content = IsBrmodF(file) ? std::string(kNewerDate) + "\n" + kReplacementDigest
                                                       : std::string(kInstalledDate) + "\n";
            ASSERT_TRUE(WriteWholeFile(update + L"\\" + versionFile, content));
        }
        ASSERT_TRUE(WriteWholeFile(update + L"\\files\\brmod_f.dll", kReplacement));
        ASSERT_TRUE(WriteWholeFile(update + L"\\files\\manifest.txt", kManifest));
        ASSERT_TRUE(WriteWholeFile(update + L"\\files\\manifest.txt.sig", kManifestSignature));
    }

    static bool IsBrmodF(const DriverFile& file) { return std::wstring(file.name) == L"brmod_f.dll"; }

    // Command 1021 and "Ja" in the check dialog; the install dialog, once the check has found brmod_f newer.
    HWND checkForUpdates(HWND& check) {
        mainWindow().command(IDC_ONLINE_UPDATE);  // its button is never shown
        check = waitForDialog(kUpdateCaption, "Möchten Sie nach einer neueren Version suchen ?", kDefaultTimeoutMs);
        if (!check) return nullptr;
        DialogProbe(check).click(IDOK);
        return waitForDialog(kUpdateCaption, "Es wurde eine neuere Version gefunden.", kDownloadsTimeoutMs);
    }

    std::wstring m_proxyLog;
};

TEST_F(ZevStatusUpdate, FindsTheNewerBrmodFAndReplacesItBehindABackup) {
    ASSERT_NO_FATAL_FAILURE(startWithScenario("printer A1 state=0\n"));

    HWND check = nullptr;
    const HWND install = checkForUpdates(check);
    ASSERT_NE(check, nullptr) << "command 1021 opened no check dialog";
    ASSERT_NE(install, nullptr) << "the check found no newer file";
    DialogProbe(install).click(IDOK);

    // The German install names the backup after the moment of the run and says so first.
    const HWND stampBox = WaitForWindow(processId(), "ZevStatus");
    ASSERT_NE(stampBox, nullptr) << "no time-stamp message before the install";
    const std::string stamp = MessageBoxText(stampBox).value_or("");
    EXPECT_EQ(stamp.size(), 14u) << "time stamp '" << stamp << "'";
    DialogProbe(stampBox).click(IDOK);

    const HWND success = waitForDialog(kUpdateCaption, "Das Update war erfolgreich.", kDownloadsTimeoutMs);
    ASSERT_NE(success, nullptr) << "no success dialog after the install";
    EXPECT_EQ(DialogProbe(install).text(IDC_UPDATE_STATUS), std::optional<std::string>("Download complete."));
    EXPECT_TRUE(SaveScreenshot("zevstatus-update-success"));

    EXPECT_EQ(ReadWholeFile(DriverFolder() + L"\\brmod_f.dll"), std::optional<std::string>(kReplacement));
    const std::wstring backup = DriverFolder() + L"\\brmod_f_OLD.dll" + ToWide(stamp);
    EXPECT_EQ(ReadWholeFile(backup), std::optional<std::string>(InstalledContent(kDriverFiles[5]))) << ToUtf8(backup);
    for (const std::wstring& folder : {SystemFolder(), DriverFolder()}) {
        EXPECT_TRUE(FilesStartingWith(folder, L"zevstatus_swap").empty()) << "the swap journal was left behind";
    }
    for (const DriverFile& file : kDriverFiles) {
        if (IsBrmodF(file)) continue;
        EXPECT_EQ(ReadWholeFile(InstalledPath(file)), std::optional<std::string>(InstalledContent(file)))
            << ToUtf8(file.name) << " was touched";
    }
    EXPECT_TRUE(FilesStartingWith(programFolder(), L"brmod_").empty()) << "version files were left behind";
    const std::string proxied = ReadWholeFile(m_proxyLog).value_or("");
    for (const char* path : {"/zev/update/brmod_a.txt", "/zev/update/files/brmod_f.dll"})
        EXPECT_NE(proxied.find(path), std::string::npos) << path << " did not go through the user's proxy";

    DialogProbe(success).click(IDOK);
    EXPECT_TRUE(WaitForWindowGone(success));
    EXPECT_TRUE(WaitForWindowGone(install)) << "the install dialog stayed open";
    EXPECT_TRUE(WaitForWindowGone(check)) << "the check dialog stayed open after the install";
}

// A winhttp.dll planted in the program's folder. run-e2e.sh runs everything
// with winhttp=n,b, so Wine takes a native DLL wherever the search offers one,
// and only the program's own search path keeps it out. Wine names its builtin
// after the exe's folder too, so the planted code's marker tells, not a
// module's path.
class ZevStatusPlantedDll : public ZevStatusUpdate {
protected:
    void prepareProgramFolder() override {
        const std::wstring planted = options().programDir + L"\\planted_winhttp.dll";
        ASSERT_TRUE(CopyFileW(planted.c_str(), programFile(L"winhttp.dll").c_str(), FALSE)) << ToUtf8(planted);
        SetEnvironmentVariableW(L"ZEV_PLANTED_MARKER", marker().c_str());
    }
    std::wstring marker() const { return programFile(L"planted-code-ran"); }
};

TEST_F(ZevStatusPlantedDll, NeverRunsInsideTheProgram) {
    ASSERT_NO_FATAL_FAILURE(startWithScenario("printer A1 state=0\n"));
    HWND check = nullptr;
    // The check's downloads load WinHTTP: the system's, not the planted one.
    const HWND install = checkForUpdates(check);
    EXPECT_NE(install, nullptr) << "the check found no newer file";
    EXPECT_EQ(GetFileAttributesW(marker().c_str()), INVALID_FILE_ATTRIBUTES) << "the planted DLL's code ran";
    if (install) DialogProbe(install).click(IDCANCEL);  // "Nein" ends the check too
    EXPECT_TRUE(WaitForWindowGone(check));
}

}  // namespace
}  // namespace e2e
