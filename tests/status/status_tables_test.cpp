// The status monitor's pure tables: texts by state and language, the popup a
// state opens, what the poller does with a popup's result, and when a popup's
// condition has cleared.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "status/error_popup.h"
#include "status/popup_result.h"
#include "status/status_texts.h"

namespace {

using status::Language;
using status::PopupKind;

TEST(StatusTexts, OnlyTheCodesZeroAndOneSelectALanguage) {
    EXPECT_EQ(status::LanguageOf("0"), Language::German);
    EXPECT_EQ(status::LanguageOf("1"), Language::English);
    for (const char* other : {"", "2", "00", "01", "10", " 0", "0 "}) EXPECT_EQ(status::LanguageOf(other), std::nullopt) << other;
}

TEST(StatusTexts, EveryStateCodeHasTheRightLineAndPopup) {
    struct Row {
        int state;
        const char* german;  // nullptr: the line keeps its text
        const char* english;
        std::optional<PopupKind> popup;
    };
    const Row rows[] = {
        {0, nullptr, nullptr, std::nullopt},   {1, nullptr, nullptr, std::nullopt},  {6, nullptr, nullptr, std::nullopt},
        {10, nullptr, nullptr, std::nullopt},  {12, nullptr, nullptr, std::nullopt}, {26, nullptr, nullptr, std::nullopt},
        {254, nullptr, nullptr, std::nullopt},
        {2, "drucken", "Printing", std::nullopt},
        {3, "Ausgeschaltet", "Turning OFF", std::nullopt},
        {4, "Druckt internen Druck Job.", "Printing internal print job", std::nullopt},
        {5, "Druck Job wird gelöscht.", "Cancelling Print Job.", std::nullopt},
        {7, "warten, Trocknungszeit", "Dry Time Wait.", std::nullopt},
        {9, "Kein Papier", "Out of Paper", PopupKind::OutOfPaper},
        {14, "Papierstau", "Paper Jam", PopupKind::PaperJam},
        {15, "Druckkopfschlitten blockiert", "Carriage Stall", PopupKind::CarriageStall},
        {16, "Papier Motor blockiert", "Paper Motor Stall", PopupKind::PaperMotorStall},
        {17, "Druckkopffehler", "Pen Failure", PopupKind::PenFailure},
        {18, "Schwerwiegender Fehler", "Severe Hard Error", PopupKind::SevereHardError},
        {21, "Auswurf Tray fehlt", "Clean Out Tray is missing", std::nullopt},
        {255, "Unbekannter Fehler", "Unknown Error", PopupKind::UnknownError},
    };
    for (const Row& row : rows) {
        const auto code = static_cast<std::uint8_t>(row.state);
        const std::optional<status::Texts> text = status::StateLineText(code);
        const auto in = [&](Language l) { return text ? std::string(text->in(l)) : std::string("<keeps>"); };
        EXPECT_EQ(in(Language::German), row.german ? row.german : "<keeps>") << row.state;
        EXPECT_EQ(in(Language::English), row.english ? row.english : "<keeps>") << row.state;
        EXPECT_EQ(status::PopupForState(code), row.popup) << row.state;
    }
}

TEST(PopupResult, WhatThePollerDoesAfterEachPopup) {
    struct Row {
        PopupKind kind;
        Language language;
        int result;
        bool restart;
        bool reread;
        const char* message;  // nullptr: none
    };
    const Row rows[] = {
        {PopupKind::PaperJam, Language::German, 1, true, false, nullptr},
        {PopupKind::PaperJam, Language::German, 2, false, false, nullptr},
        {PopupKind::PaperJam, Language::German, -1, false, false, "Dialogbox kann nicht erstellt werden!"},
        {PopupKind::PaperJam, Language::English, -1, false, false, "Dialog box could not be created!"},
        {PopupKind::Cover, Language::German, 2, true, false, nullptr},
        {PopupKind::Cover, Language::English, 2, true, false, nullptr},
        {PopupKind::Cover, Language::German, -1, false, false, "Dialogbox kann nicht erstellt werden!"},
        {PopupKind::IncompleteJob, Language::German, -1, false, false, "Dialogbox kann nicht erstellt werden !"},
        {PopupKind::IncompleteJob, Language::English, -1, false, false, "Dialog box could not be created !"},
        {PopupKind::IncompleteJob, Language::English, 2, false, false, nullptr},
        {PopupKind::OutOfPaper, Language::German, -1, false, false, "Dialogbox kann nicht erstellt werden !"},
        {PopupKind::OutOfPaper, Language::English, -1, false, false, "Dialog box could not be created!"},
        {PopupKind::InkLevel, Language::German, 1, true, true, nullptr},
        {PopupKind::InkLevel, Language::English, -1, false, false, "Dialogbox kann nicht erstellt werden !"},
        {PopupKind::InkLevel, Language::English, 2, false, false, nullptr},
        {PopupKind::LowInk, Language::English, -1, false, false, "Dialogbox kann nicht erstellt werden!"},
        {PopupKind::LowInk, Language::German, 1, true, false, nullptr},
        {PopupKind::LowInk, Language::German, 2, false, false, nullptr},
        // The German carriage-stall popup's opener names every result.
        {PopupKind::CarriageStall, Language::German, -1, false, false, "Dialog box kann nicht erstellt werden!"},
        {PopupKind::CarriageStall, Language::German, 1, true, false, nullptr},
        {PopupKind::CarriageStall, Language::German, 2, false, false, "IDCANCEL!"},
        {PopupKind::CarriageStall, Language::German, 3, false, false, "IDABORT!"},
        {PopupKind::CarriageStall, Language::German, 0, false, false, "default!"},
        {PopupKind::CarriageStall, Language::German, 7, false, false, "default!"},
        {PopupKind::CarriageStall, Language::English, 2, false, false, nullptr},
        {PopupKind::CarriageStall, Language::English, -1, false, false, "Dialog box could not be created!"},
    };
    for (const Row& row : rows) {
        const status::PopupOutcome outcome = status::OutcomeOf(row.kind, row.language, row.result);
        const std::string where = std::to_string(static_cast<int>(row.kind)) + "/" +
                                  std::to_string(static_cast<int>(row.language)) + "/" + std::to_string(row.result);
        EXPECT_EQ(outcome.restartStatusTimer, row.restart) << where;
        EXPECT_EQ(outcome.rereadSettings, row.reread) << where;
        EXPECT_EQ(outcome.message ? std::string(*outcome.message) : std::string("<none>"),
                  row.message ? row.message : "<none>")
            << where;
    }
}

TEST(ErrorPopupRow, WhenEachPopupsConditionClears) {
    // A status value with the cover digit at 2 and the state at 16-17.
    auto value = [](char cover, const char* state) {
        std::string v = "03" + std::string(1, cover) + "0000000000000" + state + "0";
        return v + std::string(43 - v.size(), '0');
    };
    struct Row { PopupKind kind; std::string statusValue; int watched; bool cleared; };
    const Row rows[] = {
        {PopupKind::Cover, value('9', "09"), 9, false},
        {PopupKind::Cover, value('1', "00"), 1, false},  // the cover popup ignores the state
        {PopupKind::Cover, value('8', "0E"), 8, true},
        {PopupKind::Cover, "03", 0, false},  // nothing at position 2
        {PopupKind::PaperJam, value('8', "0E"), 14, false},
        {PopupKind::PaperJam, value('8', "02"), 2, false},  // waits for ready
        {PopupKind::PaperJam, value('8', "00"), 0, true},   {PopupKind::CarriageStall, value('8', "0F"), 15, false},
        {PopupKind::CarriageStall, value('8', "02"), 2, true}, {PopupKind::OutOfPaper, value('8', "02"), 2, true},
        {PopupKind::PaperMotorStall, value('8', "00"), 0, true}, {PopupKind::PenFailure, value('8', "05"), 5, false},
        {PopupKind::SevereHardError, value('8', "12"), 18, false},
        {PopupKind::UnknownError, value('8', "FF"), 255, false}, {PopupKind::UnknownError, value('8', "ff"), 255, false},
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

}  // namespace
