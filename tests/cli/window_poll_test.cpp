// The tool beside a running tray window: the window's printer is reported from
// the window's last poll and never written to; the other printers as before.
#include <nlohmann/json.hpp>

#include "cli/cli_fixture.h"
#include "status/status_scenario.h"

namespace {

using namespace std::chrono_literals;
using nlohmann::json;
using BesideTheWindow = statustest::PollingProgram;

TEST_F(BesideTheWindow, TheWindowsPrinterComesFromItsLastPollAndSaysWhenPollsPause) {
    firstPoll("1");
    // Plugged in after the window chose A1: the window keeps watching A1.
    h.addPrinter("B2");
    zevtest::VirtualClock clock(h);
    std::string out;
    const cli::Console console{
        [&](std::string_view text) { out += text; }, [](std::string_view) {}, {}, cli::LastWindowPoll};
    const auto status = [&] {
        out.clear();
        const int code = cli::Run(
            std::vector<std::string>{"--json"}, {"zev-status", false}, cli::InterfacePathCandidates(), clock, console);
        return std::pair(code, json::parse(out));
    };

    const auto [code, records] = status();
    EXPECT_EQ(code, 0);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]["source"], "window");
    EXPECT_EQ(records[0]["polling"], true);
    EXPECT_EQ(records[0]["polled_at"], "2025-12-05T00:00:02Z");
    EXPECT_EQ(records[1]["source"], "device");
    EXPECT_FALSE(records[1]["settings"].is_null());  // B2 is read: the window does not watch it
    EXPECT_TRUE(h.bus.log().writesTo("A1").empty());

    // The cover popup stops the window's polls; its last one saw the open cover.
    printer().cover = 9;
    h.advance(5s);
    ASSERT_FALSE(polling());
    const auto [paused, again] = status();
    EXPECT_EQ(paused, 1);
    EXPECT_EQ(again[0]["cover_open"], true);
    EXPECT_EQ(again[0]["polling"], false);
    EXPECT_TRUE(h.bus.log().writesTo("A1").empty());
    EXPECT_EQ(cli::Run(std::vector<std::string>{"--format", "prometheus"},
                       {"zev-status", false},
                       cli::InterfacePathCandidates(),
                       clock,
                       console),
              1);
    EXPECT_NE(out.find("zev_printer_window_polling{serial=\"A1\"} 0\n"), std::string::npos);
}

}  // namespace
