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

std::string idWith(const std::string& value) { return "MFG:brenlato;MDL:zev;SN:A1;S:" + value + ";"; }

TEST(StatusValue, IsTheRawValueCutToItsBuffer) {
    const std::string v = baseValue();
    EXPECT_EQ(status::statusValue(idWith(v)), v);
    EXPECT_EQ(status::statusValue(idWith("")), "");
    EXPECT_EQ(status::statusValue(idWith(std::string(100, 'x'))), std::string(63, 'x'));
    EXPECT_EQ(status::statusValue("MFG:a;S:"), std::nullopt);
    EXPECT_EQ(status::statusValue("MFG:a;S:123"), std::nullopt);
}

}  // namespace
