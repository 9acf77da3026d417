// The Win32 OS services and their conversions.
#include <gtest/gtest.h>

#include <cstdlib>

#include <ctime>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "os/clock.h"
#include "os/device_bus.h"
#include "os/download.h"
#include "os/files.h"
#include "os/process.h"
#include "os/service.h"
#include "os/signature.h"
#include "os/win32/wide.h"
#include "os/win32/windows_api.h"

namespace w32test {
namespace {

using os::win32::ToUtf8;
using os::win32::ToWide;

struct WideCase {
    const char* utf8;
    const wchar_t* wide;
};

TEST(Wide, ConvertsBothWays) {
    const WideCase cases[] = {
        {"", L""},
        {"Papierränder €", L"Papierr\u00e4nder \u20ac"},
        {"\xF0\x9F\x98\x80", L"\xD83D\xDE00"},  // outside the BMP: a surrogate pair
    };
    for (const WideCase& c : cases) {
        EXPECT_EQ(ToWide(c.utf8), c.wide) << c.utf8;
        EXPECT_EQ(ToUtf8(c.wide), c.utf8) << c.utf8;
    }
}

TEST(Wide, BrokenInputBecomesReplacementCharacters) {
    EXPECT_EQ(ToWide("a\xC3"), L"a\uFFFD");  // cut in the middle of a character
    EXPECT_EQ(ToWide("\xFF"
                     "b"),
              L"\uFFFD"
              L"b");
    EXPECT_EQ(ToUtf8(std::wstring(1, L'\xD800')), "\xEF\xBF\xBD");  // unpaired surrogate
}

// A fresh folder under the temporary directory with a non-ASCII name.
class Files : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1];
        ASSERT_GT(::GetTempPathW(MAX_PATH + 1, temp), 0u);
        m_dir = ToUtf8(temp) + "zev_größe_" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryW(ToWide(m_dir).c_str(), nullptr);
    }
    void TearDown() override {
        for (const char* name :
             {"\\data.txt", "\\moved.txt", "\\other.txt", "\\data.txt.new", "\\copy.txt", "\\data.txt.partial"}) {
            os::DeleteFile(m_dir + name);
        }
        ::RemoveDirectoryW(ToWide(m_dir).c_str());
    }
    std::string path(const char* name) const { return m_dir + "\\" + name; }
    std::string m_dir;
};

TEST_F(Files, WriteReadStatusRenameDelete) {
    EXPECT_FALSE(os::ReadTextFile(path("data.txt")).has_value());
    ASSERT_TRUE(os::WriteTextFile(path("data.txt"), "1 0\n"));
    EXPECT_EQ(os::ReadTextFile(path("data.txt")), "1 0\n");
    ASSERT_TRUE(os::WriteTextFile(path("data.txt"), "0 1"));  // truncates
    EXPECT_EQ(os::ReadTextFile(path("data.txt")), "0 1");

    const auto status = os::GetFileStatus(path("data.txt"));
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(status->size, 3u);
    EXPECT_LT(std::llabs(status->lastWriteUtc - static_cast<std::int64_t>(std::time(nullptr))), 3600);

    ASSERT_TRUE(os::WriteTextFile(path("other.txt"), "x"));
    EXPECT_FALSE(os::RenameFile(path("data.txt"), path("other.txt")));  // the target exists
    EXPECT_TRUE(os::RenameFile(path("data.txt"), path("moved.txt")));
    EXPECT_FALSE(os::FileExists(path("data.txt")));
    EXPECT_TRUE(os::FileExists(path("moved.txt")));
    EXPECT_FALSE(os::FileExists(m_dir));  // a folder is not a file
    EXPECT_TRUE(os::DeleteFile(path("moved.txt")));
    EXPECT_FALSE(os::DeleteFile(path("moved.txt")));
    EXPECT_FALSE(os::GetFileStatus(path("moved.txt")).has_value());
    EXPECT_FALSE(os::WriteTextFile(path("no folder\\data.txt"), "1 0"));
}

// The calls the driver swap and data.txt rely on, on the real file system.
TEST_F(Files, MoveReplacingCopyToNewFileAndTheWholeFileWrite) {
    ASSERT_TRUE(os::WriteTextFile(path("data.txt"), "old"));
    ASSERT_TRUE(os::WriteTextFile(path("other.txt"), "new"));
    EXPECT_TRUE(os::MoveReplacing(path("other.txt"), path("data.txt")));
    EXPECT_EQ(os::ReadTextFile(path("data.txt")), "new");
    EXPECT_FALSE(os::FileExists(path("other.txt")));
    EXPECT_FALSE(os::MoveReplacing(path("other.txt"), path("data.txt")));  // nothing to move: the target stays
    EXPECT_EQ(os::ReadTextFile(path("data.txt")), "new");

    EXPECT_TRUE(os::CopyToNewFile(path("data.txt"), path("copy.txt")));
    EXPECT_FALSE(os::CopyToNewFile(path("data.txt"), path("copy.txt")));  // never over a file
    EXPECT_EQ(os::ReadTextFile(path("copy.txt")), "new");

    EXPECT_TRUE(os::WriteTextFileAtomically(path("data.txt"), "0 1"));
    EXPECT_EQ(os::ReadTextFile(path("data.txt")), "0 1");
    EXPECT_FALSE(os::FileExists(path("data.txt.new")));
    // Held open without sharing by another program: the old file stays whole.
    HANDLE held = ::CreateFileW(ToWide(path("data.txt")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(os::WriteTextFileAtomically(path("data.txt"), "1 1"));
    ::CloseHandle(held);
    EXPECT_EQ(os::ReadTextFile(path("data.txt")), "0 1");
    EXPECT_FALSE(os::FileExists(path("data.txt.new")));
}

// run-win32-tests.sh plants a Unix symbolic link to a folder there, which
// Wine shows as a reparse point. (Wine 8 shows a link to a file as the file
// itself; the headless suite covers that case.)
TEST_F(Files, TheElevatedStepsCopyFollowsNoLinkAndItsFolderIsItsOwn) {
    const char* links = std::getenv("ZEV_LINKS_DIR");
    ASSERT_NE(links, nullptr) << "run-win32-tests.sh sets ZEV_LINKS_DIR";
    EXPECT_TRUE(os::CopyToNewFile(std::string(links) + "\\real\\genuine.txt", path("copy.txt")));
    EXPECT_FALSE(os::CopyToNewFile(std::string(links) + "\\folder-link\\genuine.txt", path("other.txt")));
    EXPECT_TRUE(os::CreateAdminOnlyFolder(path("sealed")));
    EXPECT_FALSE(os::CreateAdminOnlyFolder(path("sealed")));  // never one that is there already
    EXPECT_TRUE(os::RemovePrivateFolder(path("sealed")));
}

TEST(PrivateFolder, IsNewEachTimeAndGoesWithItsFiles) {
    const auto first = os::CreatePrivateFolder("zev-test");
    const auto second = os::CreatePrivateFolder("zev-test");
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    ASSERT_TRUE(os::WriteTextFile(*first + "\\brmod_a.txt", "01012010"));
    EXPECT_TRUE(os::RemovePrivateFolder(*first));
    EXPECT_TRUE(os::RemovePrivateFolder(*second));
    EXPECT_FALSE(os::FileExists(*first + "\\brmod_a.txt"));
    EXPECT_EQ(::GetFileAttributesW(ToWide(*first).c_str()), INVALID_FILE_ATTRIBUTES);
}

// WinHTTP's limits against a server that misbehaves on purpose (run-win32-tests.sh starts it).
TEST_F(Files, DownloadsThatGoWrongLeaveNothing) {
    wchar_t base[256] = {};
    if (::GetEnvironmentVariableW(L"ZEV_FAULTY_HTTP_URL", base, 256) == 0) GTEST_SKIP() << "no test server";
    const std::string server = ToUtf8(base);
    const os::DownloadLimits limits{5000, 2000, 64, 3000};
    struct Case {
        const char* path;
        bool arrives;
    };
    const Case cases[] = {
        {"/whole", true},
        {"/cut", false},
        {"/stall", false},
        {"/drip", false},  // 64 s of one byte a second, never a 2 s stall
        {"/big", false},
        {"/none", false},
    };
    for (const Case& c : cases) {
        os::DeleteFile(path("data.txt"));
        const ULONGLONG started = ::GetTickCount64();
        EXPECT_EQ(os::DownloadToFile(server + c.path, path("data.txt"), limits), c.arrives) << c.path;
        // The deadline, give or take the one wait already under way when it passed.
        EXPECT_LT(::GetTickCount64() - started, limits.deadlineMs + limits.stallTimeoutMs) << c.path;
        EXPECT_EQ(os::FileExists(path("data.txt")), c.arrives) << c.path;
        EXPECT_FALSE(os::FileExists(path("data.txt.partial"))) << c.path;
    }
    EXPECT_FALSE(os::DownloadToFile("file:///C:/windows/win.ini", path("data.txt"), limits));
}

TEST(Signature, AnUnsignedFileAndATextFileCarryNone) {
    wchar_t self[MAX_PATH + 1] = {};
    ASSERT_GT(::GetModuleFileNameW(nullptr, self, MAX_PATH + 1), 0u);
    EXPECT_EQ(os::FileSignature(ToUtf8(self)), os::Signature::None);  // the test program is not signed
}

// Copies of this program signed by run-win32-tests.sh (sign-test-files.sh)
// under a test CA trusted in this prefix only; the build pins the first name.
TEST(Signature, OnlyThePinnedSignerUnderATrustedRootIsValid) {
    const char* folder = std::getenv("ZEV_SIGNED_DIR");
    ASSERT_NE(folder, nullptr) << "run through run-win32-tests.sh, which signs the files";
    const std::pair<const char*, os::Signature> cases[] = {
        {"pinned.exe", os::Signature::Valid},
        {"other.exe", os::Signature::Invalid},      // same trusted CA, another signer
        {"untrusted.exe", os::Signature::Invalid},  // the pinned name, from a CA nobody trusts
        {"tampered.exe", os::Signature::Invalid},   // changed after signing
        {"revoked.exe", os::Signature::Invalid},    // the pinned name, in the CA's CRL
    };
    for (const auto& [file, expected] : cases) {
        EXPECT_EQ(os::FileSignature(std::string(folder) + "\\" + file), expected) << file;
    }
}

TEST(Service, AnUnknownServiceIsNeverConfirmed) {
    EXPECT_FALSE(os::StopServiceConfirmed("NoSuchServiceZev", 1000));
    EXPECT_FALSE(os::StartServiceConfirmed("NoSuchServiceZev", 1000));
}

TEST(Process, SecondOwnerOfTheMutexLearnsThatItExisted) {
    const std::string name = "ZevBackendTestMutex" + std::to_string(::GetCurrentProcessId());
    {
        auto first = os::CreateOwnedMutex(name);
        auto second = os::CreateOwnedMutex(name);
        EXPECT_FALSE(first->alreadyExisted());
        EXPECT_TRUE(second->alreadyExisted());
    }
    EXPECT_FALSE(os::CreateOwnedMutex(name)->alreadyExisted());  // released with its last holder
}

// Wine has no USB printer class: the real bus must take the walk's "no
// interface" branch rather than report an invalid set or a broken detail.
TEST(DeviceBus, WithoutUsbPrintersTheRealBusListsNoInterface) {
    const os::PrinterInterfaceList list = os::platformDeviceBus().listPrinterInterfaces();
    EXPECT_EQ(list.status, os::PrinterInterfaceList::SetStatus::NoInterface);
    EXPECT_TRUE(list.interfaces.empty());
    EXPECT_EQ(os::platformDeviceBus().open("\\\\?\\usb#vid_7a51&pid_6004#A1#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}",
                                           os::OpenMode::SharedWrite),
              nullptr);
}

// A named pipe that nobody serves stands in for a printer that never completes
// a call: neither a read nor a write may hold the thread past its deadline.
TEST(DeviceBus, ACallThatNeverCompletesEndsAtItsDeadline) {
    const std::wstring name = L"\\\\.\\pipe\\zev-stalled-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE server = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 16, 16, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    const auto device = os::platformDeviceBus().open(ToUtf8(name), os::OpenMode::ExclusiveReadWrite);
    ASSERT_TRUE(device);
    std::vector<std::uint8_t> bytes(1 << 20, 'x');
    for (const bool reading : {true, false}) {
        const DWORD started = GetTickCount();
        reading ? device->read(std::span(bytes).first(13)) : device->write(bytes);
        EXPECT_LT(GetTickCount() - started, 5000u) << (reading ? "read" : "write");
    }
    CloseHandle(server);
}

}  // namespace
}  // namespace w32test
