// The bytes every frame kind puts on the wire.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "printer/command_frame.h"
#include "printer/commands.h"
#include "printer/setting_commands.h"

namespace {

using printer::FrameKind;
using printer::FrameWrites;

const std::string ESC = "\x1b";
// What every frame ending in "udw.quit;" carries after its command.
const std::string kQuit = "udw.quit;" + ESC + "E" + ESC + "%-12345X";

TEST(CommandFrame, EveryKindWritesItsExactBytes) {
    struct Case {
        const char* name;
        FrameKind kind;
        std::string command;
        std::vector<std::string> writes;
        std::vector<std::size_t> sizes;
    };
    const Case cases[] = {
        {"query 70016", FrameKind::Query, "ds2.get 70016;", {ESC + "%Pds2.get 70016;" + kQuit}, {37}},
        {"stops at a zero byte", FrameKind::Query, std::string("ds2.get 70016;\0junk", 19),
         {ESC + "%Pds2.get 70016;" + kQuit}, {37}},
        {"alignment", FrameKind::ButtonOneWrite, "uifp.multi_button_push 3;Exit;",
         {ESC + "%Puifp.multi_button_push 3;Exit;" + ESC + "%-12345X"}, {42}},
        {"calibration reset", FrameKind::Reset, "pen_align.reset;", {ESC + "%Ppen_align.reset;" + kQuit}, {39}},
        {"cleaning", FrameKind::ButtonTwoWrites, "uifp.multi_button_push 20;Exit;",
         {ESC + "%Puifp.multi_button_push 20;Exit;", ESC + "%-12345X"}, {34, 9}},
        {"word setting", FrameKind::Setting, "ds2.set 70016,16384;", {ESC + "%Pds2.set 70016,16384;" + kQuit}, {43}},
        {"margin query", FrameKind::Query, "fm.push_value 49;fm.execute_keyword 10;fm.query_stack;fm.pop;",
         {ESC + "%Pfm.push_value 49;fm.execute_keyword 10;fm.query_stack;fm.pop;" + kQuit}, {84}},
        {"margins top 12.3 left 5.0", FrameKind::Setting,
         printer::MarginFlowCommand(printer::TopMarginPrinterValue(12.3), printer::LeftMarginPrinterValue(5.0)),
         {ESC + "%Pfm.push_value 1280;fm.push_value 500;fm.push_value 1;fm.flow 225;fm.pop;" + kQuit}, {95}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto writes = FrameWrites(c.kind, c.command);
        ASSERT_EQ(writes.size(), c.writes.size());
        for (std::size_t i = 0; i < writes.size(); ++i) {
            EXPECT_EQ(writes[i], c.writes[i]);
            EXPECT_EQ(writes[i].size(), c.sizes[i]);
        }
    }
}

TEST(CommandFrame, AFrameLongerThanItsBufferIsCutAtTheLimit) {
    struct Case {
        FrameKind kind;
        std::size_t longest;   // buffer size less its terminator
        std::size_t overhead;  // opener and trailer around the command in the first write
    };
    const Case cases[] = {
        {FrameKind::Query, 99, 23},          {FrameKind::Reset, 99, 23}, {FrameKind::ButtonOneWrite, 99, 12},
        {FrameKind::ButtonTwoWrites, 99, 3}, {FrameKind::Setting, 279, 23},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        const auto cut = FrameWrites(c.kind, std::string(400, 'x'));
        EXPECT_EQ(cut.front().size(), c.longest);
        EXPECT_EQ(cut.front().substr(0, 4), ESC + "%Px");

        const auto whole = FrameWrites(c.kind, std::string(c.longest - c.overhead, 'x'));
        EXPECT_EQ(whole.front().size(), c.longest);
        EXPECT_EQ(whole.front().back(), c.overhead > 3 ? 'X' : 'x') << "the trailer is still complete";
    }
}

TEST(SettingCommands, WordsAndMarginsAreWrittenAsSignedDecimals) {
    EXPECT_EQ(printer::WordSettingCommand(printer::kSetPaperHandling, 16384), "ds2.set 70016,16384;");
    EXPECT_EQ(printer::WordSettingCommand(printer::kSetPrintOptions, 0), "ds2.set 70017,0;");
    EXPECT_EQ(printer::WordSettingCommand(printer::kSetPrintOptions, 65535), "ds2.set 70017,65535;");
    EXPECT_EQ(printer::MarginFlowCommand(50, 0),
              "fm.push_value 50;fm.push_value 0;fm.push_value 1;fm.flow 225;fm.pop;");
    EXPECT_EQ(printer::MarginFlowCommand(-7, 2147483647),
              "fm.push_value -7;fm.push_value 2147483647;fm.push_value 1;fm.flow 225;fm.pop;");
}

TEST(SettingCommands, MarginValuesTruncateTowardZero) {
    struct Case { double mm; std::int32_t top, left; };
    const Case cases[] = {
        {12.3, 1280, 1230}, {0.0, 50, 0}, {0.29, 79, 28},  // 0.29 × 100 is just below 29, but not + 50
        {5.0, 550, 500},    {-0.005, 49, 0},               // -0.5 truncates to 0
        {1e12, 2147483647, 2147483647}, {-1e12, -2147483647 - 1, -2147483647 - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mm);
        EXPECT_EQ(printer::TopMarginPrinterValue(c.mm), c.top);
        EXPECT_EQ(printer::LeftMarginPrinterValue(c.mm), c.left);
    }
    EXPECT_EQ(printer::LeftMarginPrinterValue(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
