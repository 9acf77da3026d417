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

TEST(DecodeStatusField, SplitsThePenWordsIntoTheirFields) {
    struct Case { const char* word; PenStatus pen; };
    const Case cases[] = {
        {"01000050", {PenKind::Black, 80}},
        {"03000064", {PenKind::Photo, 100}},
        {"00000000", {PenKind::None, 0}},
        {"020000FF", {PenKind::Colour, 255}},  // passed on unclamped
        {"3F000000", {static_cast<PenKind>(63), 0}},
        {"FFFFFFFF", {static_cast<PenKind>(63), 255, 3, 3, true, true}},
        {"C0005800", {PenKind::None, 0, 3, 1, true, true}},
        {"81004000", {PenKind::Black, 0, 2, 1, false, false}},
        {"0x010050", {PenKind::None, 0x50}},  // "0x" skipped: 0x00010050
        {"01zz0050", {PenKind::Black, 80}},   // a non-hex character counts as 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        const PrinterStatus s = status::decodeStatusField(idWith(with(19, c.word, with(27, c.word))));
        EXPECT_EQ(s.pen1, c.pen);
        EXPECT_EQ(s.pen2, c.pen);
        EXPECT_EQ(status::decodePenWord(c.word), c.pen);
    }
}

TEST(DecodeStatusField, AnInvalidValueGivesTheEmptyRecord) {
    struct Case { const char* name; std::string id; bool valid; };
    const std::string v = baseValue();
    const Case cases[] = {
        {"version digit second", idWith(with(0, "03")), true},
        {"version digit first", idWith(with(0, "30")), false},
        {"version 4", idWith(with(1, "4")), false},
        {"35 characters", idWith(v.substr(0, 35)), true},
        {"34 characters", idWith(v.substr(0, 34)), false},
        {"63 characters", idWith(v + std::string(20, '0')), true},
        {"100 characters: cut to 63", idWith(v + std::string(57, 'q')), true},
        {"key at the end", "MFG:brenlato;MDL:zev;S:", false},
        {"no key", "MFG:brenlato;MDL:zev;SN:A1;", false},
        {"no closing semicolon", "MFG:brenlato;S:" + v, false},
        {"empty id", "", false},
        {"zero byte inside", idWith(v.substr(0, 20) + std::string(1, '\0') + v.substr(21)), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PrinterStatus s = status::decodeStatusField(c.id);
        EXPECT_EQ(s.valid, c.valid);
        if (!c.valid) {
            EXPECT_EQ(s, PrinterStatus{});
        }
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

TEST(NarrowReaders, ReadOneFieldAndTreatTheEndAsNul) {
    struct Case { const char* name; std::string value; int state, activity, cover; };
    const Case cases[] = {
        {"ready", baseValue(), 0, 0, 8},
        {"jam, busy, open", with(2, "9", with(11, "F", with(16, "0E"))), 14, 15, 9},
        {"cover A is no decimal digit", with(2, "A"), 0, 0, 0},
        {"unknown error", with(16, "FF"), 255, 0, 8},
        {"ends after the state's first digit", baseValue().substr(0, 16) + "7", 7, 0, 8},
        {"ends before the state", baseValue().substr(0, 16), 0, 0, 8},
        {"ends before the activity", "038", 0, 0, 8},
        {"empty", "", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(status::readState(c.value), c.state);
        EXPECT_EQ(status::readActivity(c.value), c.activity);
        EXPECT_EQ(status::readCoverDigit(c.value), c.cover);
    }
}

}  // namespace
