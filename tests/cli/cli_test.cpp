// The status tool against emulated printers: every state of the table, the
// whole record, exit codes, watch mode and bad options.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <tuple>

#include "cli/cli_fixture.h"

namespace {

using nlohmann::json;
using zevtest::CliTest;

struct StateRow {
    std::uint8_t state, cover;
    const char* english;
    const char* german;
    bool ready;
    int exitCode;
};

// clang-format off
const StateRow kStateRows[] = {
    {0, 8, "Ready", "Bereit", true, 0},
    {0, 9, "Ready", "Bereit", false, 1},  // cover open
    {2, 8, "Printing", "drucken", false, 0},
    {3, 8, "Turning OFF", "Ausgeschaltet", false, 0},
    {4, 8, "Printing internal print job", "Druckt internen Druck Job.", false, 0},
    {5, 8, "Cancelling Print Job.", "Druck Job wird gelöscht.", false, 0},
    {6, 8, "", "", false, 0},
    {7, 8, "Dry Time Wait.", "warten, Trocknungszeit", false, 0},
    {9, 8, "Out of Paper", "Kein Papier", false, 1},
    {14, 8, "Paper Jam", "Papierstau", false, 1},
    {15, 8, "Carriage Stall", "Druckkopfschlitten blockiert", false, 1},
    {16, 8, "Paper Motor Stall", "Papier Motor blockiert", false, 1},
    {17, 8, "Pen Failure", "Druckkopffehler", false, 1},
    {18, 8, "Severe Hard Error", "Schwerwiegender Fehler", false, 1},
    {21, 8, "Clean Out Tray is missing", "Auswurf Tray fehlt", false, 1},
    {255, 8, "Unknown Error", "Unbekannter Fehler", false, 1},
};
// clang-format on

TEST_F(CliTest, EveryStateOfTheTableInBothLanguages) {
    auto& a1 = bus->addPrinter("A1");
    for (const StateRow& row : kStateRows) {
        SCOPED_TRACE(int(row.state));
        a1.condition.state = row.state;
        a1.condition.cover = row.cover;
        for (const auto& [lang, text, colourPen] :
             {std::tuple{"en", row.english, "(CMY)Colour"}, std::tuple{"de", row.german, "Farbe"}}) {
            EXPECT_EQ(run({"--status", "--json", "--lang", lang}), row.exitCode);
            const json records = json::parse(out);
            ASSERT_EQ(records.size(), 1u);
            const json& r = records[0];
            EXPECT_EQ(r["state"], row.state);
            EXPECT_EQ(r["state_text"], text);
            EXPECT_EQ(r["cover_open"], row.cover == 9);
            EXPECT_EQ(r["ready"], row.ready);
            EXPECT_EQ(r["error"], row.exitCode == 1);
            EXPECT_EQ(r["pens"][1]["label"], colourPen);
            // Only a ready printer is asked for its settings.
            EXPECT_EQ(r["settings"].is_null(), !row.ready);
        }
    }
}

TEST_F(CliTest, JsonRecordHoldsEveryField) {
    auto& a1 = bus->addPrinter("A1");
    a1.condition = {.state = 0, .activity = 0, .cover = 8, .job = 1, .pen1 = {3, 7}, .pen2 = {0, 0}};
    a1.settings = {.paperHandling = 0x2005, .printOptions = 8, .topMargin = 1280, .leftMargin = 595};
    EXPECT_EQ(run({"--json", "--lang", "en"}), 0);
    const json expected = json::parse(R"([{
        "name": "BRENLATO ZEV SERIAL NUMBER: A1 ;", "serial": "A1",
        "path": "\\\\?\\usb#vid_7a51&pid_6004#A1#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}",
        "connected": true, "valid": true, "state": 0, "state_text": "Ready", "ready": true, "error": false,
        "cover_open": false, "incomplete_job": true, "activity": 0,
        "pens": [{"kind": 3, "kind_name": "photo", "label": "(KCM)Photo", "level": 7},
                 {"kind": 0, "kind_name": "none", "label": "- - No Pen", "level": 0}],
        "settings": {"paper_handling": 8197, "print_options": 8, "top_margin_mm": 12.3, "left_margin_mm": 5.95}}])");
    EXPECT_EQ(json::parse(out), expected);
}

TEST_F(CliTest, TextLineNamesEveryFieldInTheChosenLanguage) {
    auto& a1 = bus->addPrinter("A1");
    a1.condition = {.state = 14, .activity = 15, .cover = 9};
    EXPECT_EQ(run({"--status", "--lang=de"}), 1);
    EXPECT_EQ(out,
              "name=\"BRENLATO ZEV SERIAL NUMBER: A1 ;\" serial=\"A1\" "
              "path=\"\\\\\\\\?\\\\usb#vid_7a51&pid_6004#A1#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}\" state=14 "
              "text=\"Papierstau\" cover=open incomplete_job=no activity=15 pen1=\"Schwarz\" pen1_level=80% "
              "pen2=\"Farbe\" pen2_level=60%\n");
}

TEST_F(CliTest, ExitCodeIsTheWorstPrinterAndTwoWithoutOne) {
    struct Row {
        const char* scenario;
        int exitCode;
        std::size_t records;
    };
    // clang-format off
    const Row rows[] = {
        {"", 2, 0},
        {"printer A1 mfg=other", 2, 0},
        {"printer A1 id-fails", 2, 0},
        {"printer A1 path=\\\\?\\usb#vid_7a51&PID_6004#A1#{x}", 2, 0},
        {"printer A1\nprinter B2 state=2", 0, 2},
        {"printer A1\nprinter B2 state=9", 1, 2},
        {"printer A1 status=\"03\"", 1, 1},  // a status value too short to read
        {"printer A1 open-fails\nprinter B2", 0, 1},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.scenario);
        play(row.scenario);
        EXPECT_EQ(run({"--json"}), row.exitCode);
        EXPECT_EQ(json::parse(out).size(), row.records);
    }
    play("");
    EXPECT_EQ(run({"--lang", "de"}), 2);
    EXPECT_EQ(out, "KEIN BRENLATO ZEV GEFUNDEN !!!\n");
}

TEST_F(CliTest, SettingsAreNotReadFromAPrinterThatAnswersNoNumber) {
    for (const auto& [scenario, read] : {std::pair{"printer A1", true},
                                         std::pair{"printer A1 no-answer", false},
                                         std::pair{"printer A1 garbage-answers", false},
                                         std::pair{"printer A1 takes-no-bytes", false}}) {
        SCOPED_TRACE(scenario);
        play(scenario);
        EXPECT_EQ(run({"--json"}), 0);
        EXPECT_EQ(json::parse(out)[0]["settings"].is_null(), !read);
    }
}

TEST_F(CliTest, WatchReportsEachChangeOnceUntilStopped) {
    play(
        "printer A1\nprinter B2 state=2 activity=15\n"
        "at 3 A1 pen1=1:50\nat 4.5 A1 state=14\nat 8 A1 state=0\nat 9 B2 unplug");
    clock.stopAtMs = h.now() + 12000;
    EXPECT_EQ(run({"--status", "--watch", "--json"}), 0);

    std::vector<std::tuple<std::string, int, bool, bool>> events;  // serial, state, connected, settings read
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const json r = json::parse(line);
        events.emplace_back(r["serial"], r["state"], r["connected"], !r["settings"].is_null());
    }
    const decltype(events) expected = {{"A1", 0, true, true},
                                       {"B2", 2, true, false},  // the first check reports everything
                                       {"A1", 14, true, false},
                                       {"A1", 0, true, true},
                                       {"B2", 0, false, false}};
    EXPECT_EQ(events, expected);
    EXPECT_GE(h.now(), clock.stopAtMs);
    EXPECT_LT(h.now(), clock.stopAtMs + cli::kWatchIntervalMs);
}

TEST_F(CliTest, BadOptionsGetOneLineAndTheUsage) {
    struct Row {
        std::vector<std::string> arguments;
        const char* message;
    };
    // clang-format off
    const Row rows[] = {
        {{"--jsn"}, "unknown option '--jsn'"},
        {{"--lang"}, "--lang needs a value: de or en"},
        {{"--lang", "fr"}, "unknown language 'fr' (use de or en)"},
        {{"--lang=DE"}, "unknown language 'DE' (use de or en)"},
        {{"--json", "--json"}, "option '--json' given twice"},
        {{"--lang", "de", "--lang=en"}, "option '--lang=en' given twice"},
        {{"status"}, "unknown option 'status'"},
        {{"--\x1b[2J"}, "unknown option '--?[2J'"},
        {{std::string(60, 'x')}, "unknown option 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...'"},
    };
    // clang-format on
    bus->addPrinter("A1");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        EXPECT_EQ(run(row.arguments), cli::kExitBadUsage);
        EXPECT_EQ(out, "");
        EXPECT_EQ(err, std::string("zev-status: ") + row.message + "\n" + cli::UsageText({"zev-status", false}));
    }
}

}  // namespace
