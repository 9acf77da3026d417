#include <gtest/gtest.h>

#include <optional>

#include "status/ink_pictures.h"

namespace {

using status::kMainWindowFirstLevel;
using status::kPopupFirstLevel;

TEST(InkPictures, PenOneBuckets) {
    struct Row {
        int kind;
        int level;
        int firstLevel;
        std::optional<int> picture;  // nullopt: unchanged, 0: cleared
    };
    const int main = kMainWindowFirstLevel, popup = kPopupFirstLevel;
    const auto same = std::nullopt;
    // One row per line: the formatter would set these short rows in columns.
    // clang-format off
    const Row rows[] = {
        {1, 0, main, 189},
        {1, 0, popup, same},
        {3, 0, main, 167},
        {3, 0, popup, same},
        {1, 1, popup, 189},
        {1, 10, main, 189},
        {1, 11, main, 190},
        {1, 40, main, 192},
        {1, 41, main, 194},  // 193 is never shown
        {1, 50, main, 194},
        {1, 51, main, 195},
        {1, 80, main, 197},
        {1, 100, main, 199},
        {1, 101, main, same},
        {1, 255, main, same},
        {1, -1, main, same},
        {3, 45, popup, 172},  // 171 is never shown
        {3, 100, popup, 177},
        {0, 0, main, 0},  // no pen: cleared
        {0, 50, main, 0},
        {2, 50, main, 0},
        {0, 0, popup, same},
        {0, 101, main, same},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(status::Pen1Picture(row.kind, row.level, row.firstLevel), row.picture)
            << "kind " << row.kind << " level " << row.level << " first " << row.firstLevel;
    }
}

TEST(InkPictures, PenTwoBuckets) {
    struct Row {
        int level;
        std::optional<int> picture;
    };
    const Row rows[] = {
        {0, std::nullopt},
        {1, 178},
        {10, 178},
        {11, 179},
        {40, 181},
        {41, 183},  // 182 is never shown
        {60, 184},
        {91, 188},
        {100, 188},
        {101, std::nullopt},
        {255, std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(status::Pen2Picture(row.level), row.picture) << row.level;
}

}  // namespace
