// The download and hash services of the POSIX build, over a real loopback server.
#include <gtest/gtest.h>

#include "harness/harness.h"
#include "os/download.h"
#include "update/loopback_http_server.h"

namespace {

using zevtest::Harness;
using zevtest::LoopbackHttpServer;
using Fault = LoopbackHttpServer::Fault;

constexpr os::DownloadLimits kLimits{2000, 1000, 64};

// Each one fails, and leaves neither a file nor a part of one behind.
TEST(Download, TransfersThatGoWrongLeaveNoFile) {
    struct Case {
        const char* name;
        std::string body;
        Fault fault;
        std::string url;
    };
    const Case cases[] = {
        {"cut after half", std::string(40, 'c'), Fault::CutAfterHalf, ""},
        {"stalls after half (1 s stall limit)", std::string(40, 's'), Fault::StallAfterHalf, ""},
        {"over the cap, length announced", std::string(65, 'o'), Fault::None, ""},
        {"over the cap, no length", std::string(65, 'n'), Fault::NoLength, ""},
        {"a file: address", "x", Fault::None, "file:///etc/hostname"},
        {"an ftp: address", "x", Fault::None, "ftp://127.0.0.1/x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackHttpServer server;
        Harness h;
        server.publish("/f", c.body);
        server.misbehave("/f", c.fault);
        EXPECT_FALSE(os::DownloadToFile(c.url.empty() ? server.baseUrl() + "/f" : c.url, "C:\\ZEV\\f", kLimits));
        EXPECT_FALSE(h.readFile("C:\\ZEV\\f").has_value());
        EXPECT_FALSE(h.readFile("C:\\ZEV\\f.partial").has_value());
    }
}

TEST(Download, ABodyOfExactlyTheCapWithoutALengthArrives) {
    LoopbackHttpServer server;
    Harness h;
    server.publish("/f", std::string(64, 'x'));
    server.misbehave("/f", Fault::NoLength);
    EXPECT_TRUE(os::DownloadToFile(server.baseUrl() + "/f", "C:\\ZEV\\f", kLimits));
    EXPECT_EQ(h.readFile("C:\\ZEV\\f"), std::string(64, 'x'));
}

}  // namespace
