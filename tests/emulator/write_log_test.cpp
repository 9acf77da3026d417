// The emulator's log of writes, in memory and in the ZEV_EMULATOR_LOG file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "emulator/write_log.h"
#include "harness/temp_path.h"

namespace {

TEST(EscapeBytes, ShowsPrintableBytesAndEscapesTheRest) {
    struct Case {
        std::string bytes;
        const char* shown;
    };
    const Case cases[] = {
        {"ds2.get 70016;", "ds2.get 70016;"},
        {"\x1b%P", "\\e%P"},
        {"a\\b", "a\\\\b"},
        {std::string("\xC0\x00\x7C\x0A\x7F", 5), "\\xC0\\x00|\\x0A\\x7F"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(emulator::EscapeBytes(c.bytes), c.shown);
    }
}

TEST(WriteLog, OneLinePerWriteAlsoAppendedToItsFile) {
    const auto file = zevtest::UniqueTempPath("zev_write_log");
    std::ofstream(file) << "earlier run\n";
    emulator::WriteLog log(file.string());
    log.recordWrite(12345, "A1", "\x1b%Pfm.pop;\n");
    log.recordNote(60000, "B2", "ignored command x");
    log.recordWrite(60001, "B2", "abc");

    const std::vector<std::string> lines = {
        "12.345 A1 > \\e%Pfm.pop;\\x0A", "60.000 B2 ! ignored command x", "60.001 B2 > abc"};
    EXPECT_EQ(log.lines(), lines);
    EXPECT_EQ(log.writesTo("B2"), std::vector<std::string>{"abc"});

    std::ifstream in(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "earlier run\n" + lines[0] + "\n" + lines[1] + "\n" + lines[2] + "\n");
    std::filesystem::remove(file);
}

}  // namespace
