// The download and hash services of the POSIX build, over a real loopback server.
#include <gtest/gtest.h>

#include "harness/harness.h"
#include "os/download.h"
#include "os/hash.h"
#include "update/loopback_http_server.h"

namespace {

using zevtest::Harness;
using zevtest::LoopbackHttpServer;

TEST(Download, TheBodyLandsInTheFileAndAFailureLeavesAnOlderFileAlone) {
    LoopbackHttpServer server;
    Harness h;
    const std::string body("line 1\r\nbinary \0 byte", 21);
    server.publish("/files/a.bin", body);
    EXPECT_TRUE(os::DownloadToFile(server.baseUrl() + "/files/a.bin", "C:\\ZEV\\a.bin"));
    EXPECT_EQ(h.readFile("C:\\ZEV\\a.bin"), body);

    EXPECT_FALSE(os::DownloadToFile(server.baseUrl() + "/files/missing.bin", "C:\\ZEV\\a.bin"));
    EXPECT_EQ(h.readFile("C:\\ZEV\\a.bin"), body);
    EXPECT_FALSE(h.readFile("C:\\ZEV\\a.bin.partial").has_value());

    EXPECT_FALSE(os::DownloadToFile(server.baseUrl() + "/files/a.bin", "C:\\NoSuchFolder\\a.bin"));
    EXPECT_EQ(server.requests(), (std::vector<std::string>{"/files/a.bin", "/files/missing.bin"}));
}

TEST(Download, NothingListeningIsAFailure) {
    Harness h;
    std::string unreachable;
    {
        LoopbackHttpServer gone;
        unreachable = gone.baseUrl();
    }
    EXPECT_FALSE(os::DownloadToFile(unreachable + "/x", "C:\\ZEV\\x"));
    EXPECT_FALSE(h.readFile("C:\\ZEV\\x").has_value());
}

TEST(Hash, Sha256OfFilesMatchesTheStandardVectors) {
    Harness h;
    h.writeFile("C:\\ZEV\\abc", "abc");
    h.writeFile("C:\\ZEV\\empty", "");
    EXPECT_EQ(os::Sha256OfFile("C:\\ZEV\\abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(os::Sha256OfFile("C:\\ZEV\\empty"), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(os::Sha256OfFile("C:\\ZEV\\none"), std::nullopt);
}

}  // namespace
