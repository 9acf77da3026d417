// The update's pure pieces: dates, version files, the mask and the server address.
#include <gtest/gtest.h>

#include <cstdlib>

#include "update/update_mask.h"
#include "update/update_server.h"
#include "update/version_date.h"
#include "update/version_file.h"

namespace {

using update::VersionDate;

TEST(UpdateDates, VersionTextsAreReadFieldByFieldAsAtoiReadsThem) {
    struct Case {
        const char* text;
        VersionDate date;
    };
    const Case cases[] = {
        {"15032010", {15, 3, 2010}},
        {"01012010 and more", {1, 1, 2010}},
        {"150320109", {15, 3, 2010}},  // only eight characters count
        {"0103", {1, 3, 0}},
        {"", {0, 0, 0}},
        {"xx03ab10", {0, 3, 0}},
        {" 1-2+201", {1, -2, 201}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(update::ParseDateText(c.text), c.date);
    }
}

TEST(UpdateVersionFile, TheSecondLineMayCarryTheReplacementsDigest) {
    using Kind = update::ExpectedDigest::Kind;
    const std::string hex(64, 'c');
    struct Case {
        const char* name;
        std::string content;
        VersionDate date;
        Kind kind;
    };
    const Case cases[] = {
        {"date only", "15032010", {15, 3, 2010}, Kind::None},
        {"date and line end", "15032010\r\n", {15, 3, 2010}, Kind::None},
        {"digest", "15032010\n" + hex, {15, 3, 2010}, Kind::Sha256},
        {"long first line", "15032010 released\r\n" + hex + "\r\n", {15, 3, 2010}, Kind::Sha256},
        {"short digest", "15032010\n" + hex.substr(1), {15, 3, 2010}, Kind::Unusable},
        {"zero byte ends the text", std::string("15032010\n\0", 10) + hex, {15, 3, 2010}, Kind::None},
        {"short first line", "1503\n" + hex, {15, 3, 0}, Kind::Sha256},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const update::VersionFile file = update::ParseVersionFile(c.content);
        EXPECT_EQ(file.date, c.date);
        EXPECT_EQ(file.digest.kind, c.kind);
        if (c.kind == Kind::Sha256) {
            EXPECT_EQ(file.digest.hex, hex);
        }
    }
}

}  // namespace
