// The forms monitoring engines read: the plugin line against the Monitoring
// Plugins grammar, the metrics text, and the metrics file a watch keeps.
#include <gtest/gtest.h>

#include <regex>

#include "cli/cli_fixture.h"
#include "cli/textfile.h"

namespace {

using zevtest::CliTest;

// "SERVICE STATUS - text | 'label'=value[UOM];[warn];[crit];[min];[max] ..."
const std::regex kPluginLine(
    R"(ZEV (OK|WARNING|CRITICAL|UNKNOWN) - [^|\n]+?(?: \|((?: '[^'=]+'=\d+%;[\d:]*;[\d:]*;\d*;\d*)+))?\n)");
const std::regex kPerfLabel(R"('([^'=]+)'=)");

TEST_F(CliTest, CheckFollowsThePluginGrammarAndJudgesEachPrinter) {
    struct Row {
        const char* scenario;
        std::vector<std::string> extra;
        int exitCode;
        std::vector<std::string> labels;
    };
    const std::vector<std::string> both = {"ink_black_A1", "ink_colour_A1"};
    // clang-format off
    const Row rows[] = {
        {"printer A1 pen1=1:20", {}, 0, both},  // at the warning level, not below it
        {"printer A1 pen1=1:19", {}, 1, both},
        {"printer A1 pen2=2:4", {}, 2, both},
        {"printer A1 pen1=1:50", {"--warning", "51", "--critical=50"}, 1, both},
        {"printer A1 state=2 activity=15", {}, 0, both},
        {"printer A1 state=14", {}, 2, both},
        {"printer A1 cover=9", {}, 2, both},
        {"printer A1 pen2=0:0", {}, 0, {"ink_black_A1"}},
        {"printer A1 pen1=3:70 pen2=9:70", {}, 0, {"ink_photo_A1", "ink_pen2_A1"}},
        {"printer A1 status=\"03\"", {}, 3, {}},
        {"printer A1 status=\"03\"\nprinter B2 pen1=1:10", {}, 1, {"ink_black_B2", "ink_colour_B2"}},
        {"printer A1 status=\"03\"\nprinter B2 state=9", {}, 2, {"ink_black_B2", "ink_colour_B2"}},
        {"printer A1 sn=x'=|y", {}, 0, {"ink_black_x___y", "ink_colour_x___y"}},
        {"", {}, 2, {}},
    };
    // clang-format on
    const char* const kStates[] = {"OK", "WARNING", "CRITICAL", "UNKNOWN"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.scenario);
        play(row.scenario);
        std::vector<std::string> arguments = {"--check"};
        arguments.insert(arguments.end(), row.extra.begin(), row.extra.end());
        EXPECT_EQ(run(arguments), row.exitCode);
        std::smatch line;
        ASSERT_TRUE(std::regex_match(out, line, kPluginLine)) << out;
        EXPECT_EQ(line[1], kStates[row.exitCode]);
        std::vector<std::string> labels;
        const std::string perf = line[2];
        for (std::sregex_iterator it(perf.begin(), perf.end(), kPerfLabel), end; it != end; ++it)
            labels.push_back((*it)[1]);
        EXPECT_EQ(labels, row.labels);
    }
    play("printer A1 pen1=1:4");
    run({"--check", "--warning", "30"});
    EXPECT_EQ(out,
              "ZEV CRITICAL - A1: Ready, black 4% | 'ink_black_A1'=4%;30:;5:;0;100 'ink_colour_A1'=60%;30:;5:;0;100\n");
}

TEST_F(CliTest, MetricsEscapeLabelsAndLeaveOutWhatCannotBeRead) {
    play("printer A1 pen2=0:0\nprinter B2 status=\"03\"");
    bus->printer("A1")->identity.serial = "a\\\"b\xC3";
    EXPECT_EQ(run({"--format", "prometheus"}), 1);
    std::string samples;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with("#")) samples += line + "\n";
    EXPECT_EQ(samples,
              "zev_printers 2\n"
              "zev_printer_up{serial=\"a\\\\\\\"b?\"} 1\nzev_printer_up{serial=\"B2\"} 1\n"
              "zev_printer_state{serial=\"a\\\\\\\"b?\"} 0\n"
              "zev_printer_error{serial=\"a\\\\\\\"b?\"} 0\nzev_printer_error{serial=\"B2\"} 1\n"
              "zev_printer_cover_open{serial=\"a\\\\\\\"b?\"} 0\n"
              "zev_ink_level_percent{serial=\"a\\\\\\\"b?\",slot=\"1\",pen=\"black\"} 80\n"
              "zev_printer_info{serial=\"a\\\\\\\"b?\",name=\"BRENLATO ZEV SERIAL NUMBER: A\\\\\\\"B? ;\"} 1\n"
              "zev_printer_info{serial=\"B2\",name=\"BRENLATO ZEV SERIAL NUMBER: B2 ;\"} 1\n");
}

TEST_F(CliTest, WatchKeepsTheMetricsFileOnEachChangeAndEveryMinute) {
    play("printer A1\nat 5 A1 state=14\nat 6.5 A1 state=0");
    std::vector<std::pair<std::uint64_t, std::string>> writes;
    const cli::Console console{[](std::string_view) {},
                               [](std::string_view) {},
                               [&](const std::string& path, std::string_view content) {
                                   EXPECT_EQ(path, cli::TextfilePath("dir"));
                                   writes.emplace_back(h.now(), content);
                                   return true;
                               }};
    const std::uint64_t start = h.now();
    clock.stopAtMs = start + 150000;
    EXPECT_EQ(cli::Run(std::vector<std::string>{"--watch", "--textfile", "dir"},
                       {"zev-status", false},
                       cli::InterfacePathCandidates(),
                       clock,
                       console),
              0);
    std::vector<std::pair<std::uint64_t, bool>> seen;  // seconds, jammed
    for (const auto& [at, content] : writes)
        seen.emplace_back((at - start) / 1000,
                          content.find("zev_printer_state{serial=\"A1\"} 14") != std::string::npos);
    // A ready printer's settings take 1.6 s to read; without a change, a write a minute.
    const decltype(seen) expected = {{1, false}, {5, true}, {8, false}, {68, false}, {128, false}};
    EXPECT_EQ(seen, expected);
}

}  // namespace
