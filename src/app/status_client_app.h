// The application object: runs the main window modally and ends with it.
#pragma once

#include <memory>

#include "os/process.h"
#include "ui/app.h"

class CStatusClientApp : public ui::WinApp {
public:
    bool InitInstance() override;

private:
    // Taken over from the main window when it ends, so the next start is
    // refused until this process is really gone.
    std::unique_ptr<os::NamedMutex> m_instanceMutex;
};
