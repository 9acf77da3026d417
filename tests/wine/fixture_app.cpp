// The fixture windows as a real Windows program, on the Win32 backend and the
// backend's own entry point, for the end-to-end driver.
//
//   fixture_app.exe --result=FILE
//
// The parent window's DoModal result is written to FILE (wine's exit codes are
// not reliable enough to test with).
#include <memory>
#include <string>

#include "fixture/fixture_dialogs.h"
#include "os/files.h"
#include "os/process.h"
#include "ui/app.h"

namespace {

// The value of --result=, quoted or not, from the raw command line.
std::string ResultPath() {
    const std::string line = os::GetCommandLine();
    const std::string key = "--result=";
    const auto at = line.find(key);
    if (at == std::string::npos) return {};
    std::size_t begin = at + key.size();
    char end = ' ';
    if (begin < line.size() && line[begin] == '"') {
        end = '"';
        ++begin;
    }
    return line.substr(begin, line.find(end, begin) - begin);
}

class FixtureApp : public ui::WinApp {
public:
    bool InitInstance() override {
        const int result = fixture::RunFixture();
        if (const std::string path = ResultPath(); !path.empty())
            os::WriteTextFile(path, std::to_string(result) + "\n");
        return false;
    }
};

}  // namespace

std::unique_ptr<ui::WinApp> ui::CreateApplication() { return std::make_unique<FixtureApp>(); }
