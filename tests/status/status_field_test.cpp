// Decoding the ";S:" field.
#include <gtest/gtest.h>

#include <string>

#include "status/status_field.h"

namespace {

std::string idWith(const std::string& value) { return "MFG:brenlato;MDL:zev;SN:A1;S:" + value + ";"; }

TEST(StatusValue, IsTheRawValueCutToItsBuffer) {
    const std::string v = "0380000000000000000001000050020000004000000000";
    EXPECT_EQ(status::statusValue(idWith(v)), v);
    EXPECT_EQ(status::statusValue(idWith("")), "");
    EXPECT_EQ(status::statusValue(idWith(std::string(100, 'x'))), std::string(63, 'x'));
    EXPECT_EQ(status::statusValue("MFG:a;S:"), std::nullopt);
    EXPECT_EQ(status::statusValue("MFG:a;S:123"), std::nullopt);
}

}  // namespace
