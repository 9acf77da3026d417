// Candidate paths, display names and the path rebuilt from the path log.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "printer/device_path.h"
#include "printer/display_name.h"

namespace {

const std::string kClass = "{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";

TEST(IsCandidatePath, NeedsTheLowerCaseProductPartAndAPathThatFitsItsField) {
    struct Case {
        std::string path;
        bool candidate;
    };
    const Case cases[] = {
        {"\\\\?\\usb#vid_7a51&pid_6004#A1#" + kClass, true},
        {"\\\\?\\USB#VID_7A51&PID_6004#A1#" + kClass, false},
        {"\\\\?\\usb#vid_7a51&pid_6005#A1#" + kClass, false},
        {"pid_6004", true},
        {"", false},
        {std::string(91, 'a') + "pid_6004", true},   // 99 characters
        {std::string(92, 'a') + "pid_6004", false},  // 100 characters do not fit with the terminator
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(printer::IsCandidatePath(c.path), c.candidate);
    }
}

TEST(RebuildPathFromLog, JoinsTheFirstLoggedPathsPartsWithTheUpperCaseSerial) {
    const std::string a1 = "\\\\?\\usb#vid_7a51&pid_6004#A1#" + kClass;
    const std::string b2 = "\\\\?\\usb#vid_7a51&pid_6004#b2#" + kClass;
    struct Case {
        const char* name;
        std::string log;
        const char* serial;
        const char* path;  // nullptr: not rebuilt
        int missing;
    };
    const Case cases[] = {
        {"two logged printers",
         a1 + b2,
         "b2",
         "\\\\?\\usb#vid_7a51&pid_6004#B2#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}",
         0},
        {"other vendor first",
         "\\\\?\\usb#vid_0001&pid_6004#Z9#{abc}" + a1,
         "A1",
         "\\\\?\\usb#vid_0001&pid_6004#A1#{abc}",
         0},
        {"empty log", "", "A1", nullptr, 2},
        {"no class part", "\\\\?\\usb#vid_7a51&pid_6004#A1#", "A1", nullptr, 1},
        {"no usb part", "\\\\?\\hid#x#{abc}", "A1", nullptr, 1},
        {"empty serial", a1, "", nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rebuilt = printer::RebuildPathFromLog(c.log, c.serial);
        EXPECT_EQ(rebuilt.path, c.path ? std::optional<std::string>(c.path) : std::nullopt);
        EXPECT_EQ(rebuilt.missingParts, c.missing);
    }
}

TEST(RebuildPathFromLog, NeverExceedsTheDevicePathField) {
    const std::string log = "\\\\?\\usb#" + std::string(300, 'v') + "#S#{" + std::string(300, 'c') + "}";
    const auto rebuilt = printer::RebuildPathFromLog(log, std::string(300, 's'));
    ASSERT_TRUE(rebuilt.path);
    EXPECT_EQ(rebuilt.path->size(), printer::kMaxDevicePathChars);
}

TEST(PathLog, GrowsOnlyByPathsItDoesNotHoldAndStopsAtItsBound) {
    std::string log;
    for (int second = 0; second < 86400; ++second) printer::AppendToPathLog(log, "\\\\?\\usb#vid_1#A1#{c}");
    printer::AppendToPathLog(log, "\\\\?\\usb#vid_1#B2#{c}");
    printer::AppendToPathLog(log, "\\\\?\\usb#vid_1#A1#{c}");
    EXPECT_EQ(log, "\\\\?\\usb#vid_1#A1#{c}\\\\?\\usb#vid_1#B2#{c}");
    for (int i = 0; i < 1000; ++i) printer::AppendToPathLog(log, "\\\\?\\usb#vid_1#" + std::to_string(i) + "#{c}");
    EXPECT_LE(log.size(), printer::kMaxPathLogChars);
    EXPECT_EQ(printer::RebuildPathFromLog(log, "z9").path, "\\\\?\\usb#vid_1#Z9#{c}");
}

}  // namespace
