#include "user_input.h"

#include <vector>

namespace e2e {
namespace {

// SendInput wants absolute positions on a 0..65535 scale of the primary screen.
LONG Normalised(LONG pixel, int extent) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65535 + extent / 2) / (extent > 1 ? extent - 1 : 1));
}

}  // namespace

bool ClickAt(POINT screen, MouseButton button, int clicks) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const bool left = button == MouseButton::Left;
    std::vector<INPUT> inputs(1 + 2 * static_cast<std::size_t>(clicks));
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        INPUT& input = inputs[i];
        input.type = INPUT_MOUSE;
        input.mi.dx = Normalised(screen.x, width);
        input.mi.dy = Normalised(screen.y, height);
        const bool press = i % 2 == 1;
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | (i == 0  ? MOUSEEVENTF_MOVE
                                                   : press ? (left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN)
                                                           : (left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP));
    }
    const UINT count = static_cast<UINT>(inputs.size());
    return SendInput(count, inputs.data(), sizeof(INPUT)) == count;
}

}  // namespace e2e
