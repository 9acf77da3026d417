// `ZevStatus.exe --status` under Wine, started by cmd as a script would, with
// its output redirected into a file: the records of the demo printer, and the
// exit codes; and beside a running window, the window's printer as it last polled it.
#include <windows.h>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "e2e_options.h"
#include "poll.h"
#include "program_process.h"
#include "res/resource.h"
#include "zev_status_fixture.h"

namespace e2e {
namespace {

struct CommandResult {
    std::optional<DWORD> exitCode;
    std::string out, err;
};

// `cmd /c` runs the window program to its end and hands on its exit code.
CommandResult RunThroughCmd(const std::wstring& arguments, const std::wstring& emulatorLog = {}) {
    const std::wstring out = WorkFile(L"cli-out.txt"), err = WorkFile(L"cli-err.txt");
    SetEnvironmentVariableW(L"ZEV_EMULATOR", L"demo");
    SetEnvironmentVariableW(L"ZEV_EMULATOR_LOG", emulatorLog.empty() ? nullptr : emulatorLog.c_str());
    const std::wstring command =
        L"/c \"\"" + BuiltProgram() + L"\" " + arguments + L" >\"" + out + L"\" 2>\"" + err + L"\"\"";
    const auto cmd = ProgramProcess::Start(L"C:\\windows\\system32\\cmd.exe", command);
    CommandResult result;
    if (cmd && cmd->waitForExit(60000)) result.exitCode = cmd->exitCode();
    SetEnvironmentVariableW(L"ZEV_EMULATOR", nullptr);
    result.out = ReadWholeFile(out).value_or("");
    result.err = ReadWholeFile(err).value_or("");
    return result;
}

TEST(ZevStatusCommandLine, StatusJsonOfTheDemoPrinter) {
    const CommandResult result = RunThroughCmd(L"--status --json --lang de");
    ASSERT_EQ(result.exitCode, 0u) << result.err;
    const nlohmann::json records = nlohmann::json::parse(result.out, nullptr, false);
    ASSERT_TRUE(records.is_array()) << result.out;
    ASSERT_EQ(records.size(), 1u) << result.out;
    const nlohmann::json& a1 = records[0];
    EXPECT_EQ(a1["serial"], "A1");
    EXPECT_EQ(a1["state_text"], "Bereit");
    EXPECT_EQ(a1["pens"][0]["label"], "Schwarz");
    EXPECT_EQ(result.err, "");
}

TEST(ZevStatusCommandLine, BadOptionIsRefusedOnStderr) {
    const CommandResult result = RunThroughCmd(L"--status --lang fr");
    EXPECT_EQ(result.exitCode, 3u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.substr(0, result.err.find('\n')), "ZevStatus.exe: unknown language 'fr' (use de or en)");
}

using ZevStatusBesideTheWindow = ZevStatusTest;

// Each process has an emulated printer of its own here: the command line's is
// the demo printer (black pen 80 %), the window's has its black pen at 42 %.
TEST_F(ZevStatusBesideTheWindow, StatusComesFromTheWindowAndLeavesThePrinterAlone) {
    ASSERT_NO_FATAL_FAILURE(startWithScenario("printer A1 pen1=1:42\n"));
    ASSERT_TRUE(PollUntil([&] { return !mainWindow().text(IDC_RAW_STATUS).value_or("").empty(); }, 10000))
        << "the window never polled";

    const std::wstring cliLog = programFile(L"cli-emulator.log");
    const CommandResult result = RunThroughCmd(L"--status --json", cliLog);
    ASSERT_EQ(result.exitCode, 0u) << result.err;
    const nlohmann::json records = nlohmann::json::parse(result.out, nullptr, false);
    ASSERT_TRUE(records.is_array() && records.size() == 1u) << result.out;
    EXPECT_EQ(records[0]["source"], "window");
    EXPECT_EQ(records[0]["pens"][0]["level"], 42);
    EXPECT_EQ(records[0]["polling"], true);
    // The tool's own printer would have been sent the settings queries.
    EXPECT_EQ(ReadWholeFile(cliLog).value_or(""), "");
}

}  // namespace
}  // namespace e2e
