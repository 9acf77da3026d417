// The status monitor's pure tables: texts by state and language, the popup a
// state opens, what the poller does with a popup's result, and when a popup's
// condition has cleared.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "status/error_popup.h"
#include "status/popup_result.h"
#include "status/status_texts.h"
#include "ui/win_types.h"

namespace {

using status::Language;
using status::PopupKind;

TEST(StatusTexts, OnlyTheCodesZeroAndOneSelectALanguage) {
    EXPECT_EQ(status::LanguageOf("0"), Language::German);
    EXPECT_EQ(status::LanguageOf("1"), Language::English);
    for (const char* other : {"", "2", "00", "01", "10", " 0", "0 "})
        EXPECT_EQ(status::LanguageOf(other), std::nullopt) << other;
}

TEST(ErrorPopupRow, WhenEachPopupsConditionClears) {
    // A status value with the cover digit at 2 and the state at 16-17.
    auto value = [](char cover, const char* state) {
        std::string v = "03" + std::string(1, cover) + "0000000000000" + state + "0";
        return v + std::string(43 - v.size(), '0');
    };
    struct Row {
        PopupKind kind;
        std::string statusValue;
        int watched;
        bool cleared;
    };
    const Row rows[] = {
        {PopupKind::Cover, value('9', "09"), 9, false},
        {PopupKind::Cover, value('1', "00"), 1, false},  // the cover popup ignores the state
        {PopupKind::Cover, value('8', "0E"), 8, true},
        {PopupKind::Cover, "03", 0, false},  // nothing at position 2
        {PopupKind::PaperJam, value('8', "0E"), 14, false},
        {PopupKind::CarriageStall, value('8', "0F"), 15, false},
        {PopupKind::PenFailure, value('8', "05"), 5, false},
        {PopupKind::SevereHardError, value('8', "12"), 18, false},
        {PopupKind::UnknownError, value('8', "FF"), 255, false},
        {PopupKind::UnknownError, value('8', "ff"), 255, false},
        {PopupKind::UnknownError, "0380000000000000F", 15, false},  // one state digit, then the end
        {PopupKind::UnknownError, "03800000000", 0, true},          // a value that ends before the state
    };
    for (const Row& row : rows) {
        const status::ErrorPopupRow& popup = status::ErrorPopupRowOf(row.kind);
        const int watched = status::WatchedValue(popup, row.statusValue);
        EXPECT_EQ(watched, row.watched) << row.statusValue;
        EXPECT_EQ(status::ConditionCleared(popup, watched), row.cleared) << row.statusValue;
    }
}

TEST(ErrorPopupRowDeathTest, AKindWithoutARowIsAProgrammingError) {
    EXPECT_DEATH(status::ErrorPopupRowOf(PopupKind::InkLevel), "a kind without a row");
}

TEST(PopupOutcome, TheGermanCarriageStallOpenerNamesResultsNoPopupGives) {
    for (const auto& [result, message] : {std::pair{ui::IDABORT, "IDABORT!"}, {0, "default!"}, {7, "default!"}}) {
        const status::PopupOutcome outcome = status::OutcomeOf(PopupKind::CarriageStall, Language::German, result);
        EXPECT_EQ(outcome.message, message) << result;
        EXPECT_FALSE(outcome.restartStatusTimer) << result;
    }
}

}  // namespace
