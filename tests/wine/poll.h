// Waiting for something another process does: poll with a deadline instead of
// sleeping a fixed time, so a fast machine is fast and a slow one still passes.
#pragma once

#include <windows.h>

namespace e2e {

inline constexpr DWORD kDefaultTimeoutMs = 15000;
inline constexpr DWORD kPollIntervalMs = 20;

// Calls `done` until it returns true or `timeoutMs` has passed; true when it did.
template <class Condition>
bool PollUntil(Condition done, DWORD timeoutMs = kDefaultTimeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(kPollIntervalMs);
    }
}

}  // namespace e2e
