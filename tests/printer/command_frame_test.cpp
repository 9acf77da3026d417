// The bytes every frame kind puts on the wire.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printer/command_frame.h"

namespace {

using printer::FrameKind;
using printer::FrameWrites;

const std::string ESC = "\x1b";
// What every frame ending in "udw.quit;" carries after its command.
const std::string kQuit = "udw.quit;" + ESC + "E" + ESC + "%-12345X";

TEST(CommandFrame, AFrameLongerThanItsBufferIsCutAtTheLimit) {
    struct Case {
        FrameKind kind;
        std::size_t longest;   // buffer size less its terminator
        std::size_t overhead;  // opener and trailer around the command in the first write
    };
    const Case cases[] = {
        {FrameKind::Query, 99, 23},
        {FrameKind::Reset, 99, 23},
        {FrameKind::ButtonOneWrite, 99, 12},
        {FrameKind::ButtonTwoWrites, 99, 3},
        {FrameKind::Setting, 279, 23},
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

}  // namespace
