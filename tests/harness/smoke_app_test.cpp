#include <gtest/gtest.h>

#include "harness/app_harness.h"

namespace {

TEST(AppHarness, TheProgramStartsWithItsMainWindow) {
    zevtest::AppHarness h;
    h.addPrinter("A1");
    h.startApp();
    EXPECT_FALSE(h.primary().finished());
    EXPECT_EQ(h.main().templateId(), 102);
}

}  // namespace
