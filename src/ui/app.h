// The application object: the program's start routine runs in InitInstance.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace ui {

class Dialog;

class WinApp {
public:
    virtual ~WinApp() = default;
    // The program's start; returns false so that no message pump runs afterwards.
    virtual bool InitInstance() = 0;

    Dialog* m_pMainWnd = nullptr;
    int m_nExitCode = 0;       // what the process ends with
    std::string m_pszAppName;  // executable file name without extension
};

// Defined by the program: builds its application object.
std::unique_ptr<WinApp> CreateApplication();

// Defined by the program: its whole run once the platform has started it.
// `runWindow` installs the platform's windows and runs the application object;
// the program decides whether it is wanted at all.
int ProgramEntry(const std::function<int()>& runWindow);

// Runs one application object to its end on the calling thread.
int RunApplication(WinApp& app);

// The running application (nullptr outside RunApplication).
WinApp* AfxGetApp();

// Common controls initialisation (a no-op where nothing needs registering).
void InitCommonControls();

}  // namespace ui
