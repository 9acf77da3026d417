// Decoding the ";S:" field.
#include <gtest/gtest.h>

#include <string>

#include "status/status_field.h"
#include "status/status_readers.h"

namespace {

using status::PenKind;
using status::PenStatus;
using status::PrinterStatus;

// A ready printer: cover reported and closed, black pen at 80 %, colour pen at 64 %.
std::string baseValue() {
    return std::string("0") + "3" + "8" + "000000" + "0" + "0" + "0" + "0000" + "00" + "0" + "01000050" + "02000040" +
           "00000000";
}

std::string with(std::size_t pos, const std::string& text, std::string value = baseValue()) {
    return value.replace(pos, text.size(), text);
}

std::string idWith(const std::string& value) { return "MFG:brenlato;MDL:zev;SN:A1;S:" + value + ";"; }

TEST(DecodeStatusField, ReadsEveryInterpretedPosition) {
    struct Case {
        const char* name;
        std::string value;
        bool coverReported, coverOpen, incompleteJob;
        int activity, state;
    };
    const Case cases[] = {
        {"ready", baseValue(), true, false, false, 0, 0},
        {"cover 9 is open", with(2, "9"), true, true, false, 0, 0},
        {"cover 1 is not reported", with(2, "1"), false, false, false, 0, 0},
        {"cover F", with(2, "F"), true, true, false, 0, 0},
        {"cover not hex", with(2, "z"), false, false, false, 0, 0},
        {"job 1", with(9, "1"), true, false, true, 0, 0},
        {"job 6 has bit 0 clear", with(9, "6"), true, false, false, 0, 0},
        {"job b", with(9, "b"), true, false, true, 0, 0},
        {"busy", with(11, "F"), true, false, false, 15, 0},
        {"activity lower case", with(11, "a"), true, false, false, 10, 0},
        {"state FF", with(16, "FF"), true, false, false, 0, 255},
        {"state 1A", with(16, "1A"), true, false, false, 0, 26},
        {"state 0e", with(16, "0e"), true, false, false, 0, 14},
        {"state stops at a non-digit", with(16, "2g"), true, false, false, 0, 2},
        {"state without digits", with(16, "g2"), true, false, false, 0, 0},
        {"first character is free", with(0, "Z"), true, false, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PrinterStatus s = status::decodeStatusField(idWith(c.value));
        EXPECT_TRUE(s.valid);
        EXPECT_EQ(s.coverReported, c.coverReported);
        EXPECT_EQ(s.coverOpen, c.coverOpen);
        EXPECT_EQ(s.incompleteJob, c.incompleteJob);
        EXPECT_EQ(s.activity, c.activity);
        EXPECT_EQ(s.state, c.state);
    }
}

TEST(StatusValue, IsTheRawValueCutToItsBuffer) {
    const std::string v = baseValue();
    EXPECT_EQ(status::statusValue(idWith(v)), v);
    EXPECT_EQ(status::statusValue(idWith("")), "");
    EXPECT_EQ(status::statusValue(idWith(std::string(100, 'x'))), std::string(63, 'x'));
    EXPECT_EQ(status::statusValue("MFG:a;S:"), std::nullopt);
    EXPECT_EQ(status::statusValue("MFG:a;S:123"), std::nullopt);
}

}  // namespace
