// The application object: runs the main window modally and ends with it.
#pragma once

#include "ui/app.h"

class CStatusClientApp : public ui::WinApp {
public:
    bool InitInstance() override;
};
