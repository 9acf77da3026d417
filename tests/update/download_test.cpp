// The download and hash services of the POSIX build, over a real loopback server.
#include <gtest/gtest.h>

#include "harness/harness.h"
#include "os/download.h"
#include "update/loopback_http_server.h"

namespace {

using zevtest::Harness;
using zevtest::LoopbackHttpServer;
using Fault = LoopbackHttpServer::Fault;

constexpr os::DownloadLimits kLimits{2000, 1000, 64, 1500};

// A transfer that goes wrong leaves neither a file nor a part of one behind.
TEST(Download, OnlyAWholeBodyWithinTheCapArrives) {
    struct Case {
        const char* name;
        std::string body;
        Fault fault;
        std::string url;
        bool arrives = false;
    };
    const Case cases[] = {
        {"cut after half", std::string(40, 'c'), Fault::CutAfterHalf, ""},
        {"stalls after half (1 s stall limit)", std::string(40, 's'), Fault::StallAfterHalf, ""},
        {"drips for 6 s, past the 1.5 s deadline", std::string(60, 'd'), Fault::Drip, ""},
        {"over the cap, length announced", std::string(65, 'o'), Fault::None, ""},
        {"over the cap, no length", std::string(65, 'n'), Fault::NoLength, ""},
        {"exactly the cap, no length", std::string(64, 'x'), Fault::NoLength, "", true},
        {"a file: address", "x", Fault::None, "file:///etc/hostname"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackHttpServer server;
        Harness h;
        server.publish("/f", c.body);
        server.misbehave("/f", c.fault);
        EXPECT_EQ(os::DownloadToFile(c.url.empty() ? server.baseUrl() + "/f" : c.url, "C:\\ZEV\\f", kLimits),
                  c.arrives);
        EXPECT_EQ(h.readFile("C:\\ZEV\\f"), c.arrives ? std::optional(c.body) : std::nullopt);
        EXPECT_FALSE(h.readFile("C:\\ZEV\\f.partial").has_value());
    }
}

}  // namespace
