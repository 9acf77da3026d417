// Splitting written bytes into what the emulated printer acts on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/input_parser.h"

namespace {

using emulator::InputParser;
using emulator::PrinterInput;
using K = PrinterInput::Kind;
using Inputs = std::vector<PrinterInput>;

TEST(InputParser, RecognisesFramesEscapesAndTheRest) {
    struct Case {
        const char* name;
        std::vector<std::string> writes;
        Inputs expected;  // everything the writes yield together
    };
    const Case cases[] = {
        {"query frame",
         {"\x1b%Pds2.get 70016;udw.quit;\x1b" "E" "\x1b%-12345X"},
         {{K::Command, "ds2.get 70016"}, {K::Command, "udw.quit"}, {K::Reset, ""}, {K::Uel, ""}}},
        {"two-write button",
         {"\x1b%Puifp.multi_button_push 20;Exit;", "\x1b%-12345X"},
         {{K::Command, "uifp.multi_button_push 20"}, {K::Command, "Exit"}, {K::Uel, ""}}},
        {"escape split across writes",
         {"\x1b%", "Pfm.pop;udw.", "quit;\x1b", "E"},
         {{K::Command, "fm.pop"}, {K::Command, "udw.quit"}, {K::Reset, ""}}},
        {"text outside the command language", {"hello\x1b%Pfm.pop;"}, {{K::Ignored, "hello"}, {K::Command, "fm.pop"}}},
        {"commands after udw.quit are not commands", {"\x1b%Pudw.quit;fm.pop;"}, {{K::Command, "udw.quit"}, {K::Ignored, "fm.pop;"}}},
        {"unknown escape", {"\x1b" "Z" "\x1b%Pfm.pop;"}, {{K::Ignored, "\x1b" "Z"}, {K::Command, "fm.pop"}}},
        {"command cut by an escape", {"\x1b%Pfm.po\x1b%-12345X"}, {{K::Ignored, "fm.po"}, {K::Uel, ""}}},
        {"blank and empty commands", {"\x1b%P ;;  fm.pop ;"}, {{K::Command, "fm.pop"}}},
        {"cancel print with padding",
         {std::string("\x1b*o5W\xC0\x00\x00\x7C\x0A\x00", 11)},
         {{K::CancelPrint, std::string("\x1b*o5W\xC0\x00\x00\x7C\x0A", 10)}}},
        {"cancel print data in a later write",
         {"\x1b*o5W\xC0", std::string("\x00\x00\x7C\x0A", 4)},
         {{K::CancelPrint, std::string("\x1b*o5W\xC0\x00\x00\x7C\x0A", 10)}}},
        {"nothing", {""}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputParser parser;
        Inputs got;
        for (const std::string& w : c.writes) {
            for (auto& in : parser.feed(w)) got.push_back(std::move(in));
        }
        EXPECT_EQ(got, c.expected);
    }
}

TEST(InputParser, AnEndlessCommandIsGivenUpRatherThanKeptForever) {
    InputParser parser;
    parser.feed("\x1b%P");
    const Inputs got = parser.feed(std::string(5000, 'a'));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].kind, K::Ignored);
    EXPECT_EQ(parser.feed("fm.pop;"), (Inputs{{K::Command, "fm.pop"}}));
}

}  // namespace
