// Runs the Win32 backend tests with the real backend installed.
#include <gtest/gtest.h>

#include "ui/app.h"
#include "ui/win32/win32_backend.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::win32::Win32Backend backend(::GetModuleHandleW(nullptr));
    ui::setBackend(&backend);
    ui::InitCommonControls();
    const int result = RUN_ALL_TESTS();
    ui::setBackend(nullptr);
    return result;
}
