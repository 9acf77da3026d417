#include <gtest/gtest.h>

#include "app/program_directory.h"

namespace {

TEST(ProgramDirectory, TakesTheTextBetweenTheFirstCharacterAndTheLastBackslash) {
    struct Case {
        const char* commandLine;
        const char* directory;
    } cases[] = {
        {"\"C:\\ZEV\\ZevStatus.exe\"", "C:\\ZEV"},
        {"\"C:\\Program Files\\BRENLATO\\ZevStatus.exe\" /min", "C:\\Program Files\\BRENLATO"},
        // Without the quote the drive letter is lost: the program looks in the wrong place.
        {"C:\\ZEV\\ZevStatus.exe", ":\\ZEV"},
        // An argument with a backslash moves the end of the folder.
        {"\"C:\\ZEV\\ZevStatus.exe\" C:\\tmp\\x", "C:\\ZEV\\ZevStatus.exe\" C:\\tmp"},
        {"ZevStatus.exe", ""},
        {"", ""},
        {"\\", ""},
        {"\"\\", ""},
        {"\"C:\\", "C:"},
    };
    for (const auto& c : cases) EXPECT_EQ(app::ProgramDirectory(c.commandLine), c.directory) << c.commandLine;
}

}  // namespace
