// zev-gadget's command line: what it accepts and the one line it refuses with.
#include "gadget/gadget_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(GadgetOptions, CountsAndControllers) {
    struct Row {
        std::vector<std::string> arguments;
        int count;                      // 0: refused
        std::vector<std::string> udcs;  // when accepted
    };
    // clang-format off
    const Row rows[] = {
        {{}, 1, {}},
        {{"--count", "4"}, 4, {}},
        {{"--udc", "dummy_udc.1"}, 1, {"dummy_udc.1"}},
        {{"--udc", "a,b"}, 2, {"a", "b"}},
        {{"--count", "2", "--udc", "a,b"}, 2, {"a", "b"}},
        {{"--count", "3", "--udc", "a,b"}, 0, {}},
        {{"--count", "5"}, 0, {}},
        {{"--count", "0"}, 0, {}},
        {{"--count", "2x"}, 0, {}},
        {{"--count"}, 0, {}},
        {{"--udc", "a,,b"}, 0, {}},
        {{"--udc", "../x"}, 0, {}},
        {{"--udc", "a,b,c,d,e"}, 0, {}},
        {{"--json"}, 0, {}},
    };
    // clang-format on
    for (const Row& row : rows) {
        const gadget::ParsedGadgetOptions parsed = gadget::ParseGadgetOptions(row.arguments);
        SCOPED_TRACE(parsed.error);
        ASSERT_EQ(parsed.options.has_value(), row.count > 0);
        if (!parsed.options) continue;
        EXPECT_EQ(parsed.options->count, row.count);
        EXPECT_EQ(parsed.options->udcs, row.udcs);
    }
}

}  // namespace
