// Queries and settings writes through the emulated bus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/emulated_bus_fixture.h"
#include "printer/command_channel.h"
#include "printer/commands.h"

namespace {

using printer::QueryKind;
using printer::SendQuery;

class CommandChannel : public zevtest::EmulatedBusTest {};

TEST_F(CommandChannel, AnAnswerLongerThanOneReadLeavesTheLastChunkInFront) {
    struct Case {
        const char* name;
        QueryKind kind;
        std::string answer;
        std::int32_t value;
    };
    const Case cases[] = {
        // 13 + 2 bytes: "7 55555555555" is left, the blank ends the number.
        {"word",
         QueryKind::Word,
         "5555555555555"
         "7 ",
         7},
        // 11 + 3 bytes: "-12" over "99999999999" leaves "-1299999999", 10 of them parsed.
        {"number",
         QueryKind::Number,
         "99999999999"
         "-12",
         -129999999},
        // Two full chunks and one byte: only the last read's byte is new.
        {"three reads",
         QueryKind::Number,
         "00000000000"
         "11111111111"
         "2",
         2111111111},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        a1.faults.nextAnswer = c.answer;
        EXPECT_EQ(SendQuery(path(), printer::kQueryLeftMargin, c.kind), c.value);
        EXPECT_EQ(a1.pendingAnswerBytes(), 0u);
    }
}

TEST_F(CommandChannel, AQueryWithoutTheDeviceWritesNothingAndDoesNotWait) {
    a1.faults.unplugged = true;
    const auto before = h.now();
    EXPECT_EQ(SendQuery(path(), printer::kQueryPaperHandling, QueryKind::Word), std::nullopt);
    EXPECT_EQ(h.now(), before);
    EXPECT_TRUE(bus.log().entries().empty());
}

TEST_F(CommandChannel, AQueryWritesOneFrameWaits400msAndClosesTheDevice) {
    a1.settings.printOptions = 12;
    const auto before = h.now();
    EXPECT_EQ(SendQuery(path(), printer::kQueryPrintOptions, QueryKind::Word), 12);
    EXPECT_EQ(h.now() - before, 400u);
    EXPECT_EQ(bus.log().writesTo("A1"),
              std::vector<std::string>{"\x1b%Pds2.get 70017;udw.quit;\x1b"
                                       "E"
                                       "\x1b%-12345X"});
    EXPECT_EQ(bus.openHandles(), 0u);
}

}  // namespace
