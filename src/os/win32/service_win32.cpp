// Services through the Service Control Manager: a control request, then the
// state the manager reports, polled until it is the one asked for.
#include "os/service.h"

#include <optional>

#include "os/clock.h"
#include "os/win32/unique_handle.h"
#include "os/win32/wide.h"
#include "os/win32/windows_api.h"

namespace os {

namespace {

struct CloseService {
    void operator()(SC_HANDLE h) const { ::CloseServiceHandle(h); }
};
using UniqueService = win32::Unique<SC_HANDLE, CloseService>;

constexpr unsigned kPollMs = 250;

UniqueService OpenService(const std::string& name, DWORD access) {
    UniqueService manager(::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager) return UniqueService();
    return UniqueService(::OpenServiceW(manager.get(), win32::ToWide(name).c_str(), access));
}

std::optional<DWORD> StateOf(SC_HANDLE service) {
    SERVICE_STATUS_PROCESS status{};
    DWORD needed = 0;
    if (!::QueryServiceStatusEx(
            service, SC_STATUS_PROCESS_INFO, reinterpret_cast<LPBYTE>(&status), sizeof status, &needed))
        return std::nullopt;
    return status.dwCurrentState;
}

// Polls until the service is in `wanted`, for at most `waitMs`.
bool WaitForState(SC_HANDLE service, DWORD wanted, unsigned waitMs) {
    const std::uint64_t start = TickCount();
    for (;;) {
        const std::optional<DWORD> state = StateOf(service);
        if (!state) return false;
        if (*state == wanted) return true;
        if (TickCount() - start >= waitMs) return false;
        Sleep(kPollMs);
    }
}

}  // namespace

bool StopServiceConfirmed(const std::string& name, unsigned waitMs) {
    const UniqueService service = OpenService(name, SERVICE_STOP | SERVICE_QUERY_STATUS);
    if (!service) return false;
    SERVICE_STATUS status{};
    // Refused while it is stopping already, or when it is not running: the state decides.
    ::ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
    return WaitForState(service.get(), SERVICE_STOPPED, waitMs);
}

bool StartServiceConfirmed(const std::string& name, unsigned waitMs) {
    const UniqueService service = OpenService(name, SERVICE_START | SERVICE_QUERY_STATUS);
    if (!service) return false;
    ::StartServiceW(service.get(), 0, nullptr);
    return WaitForState(service.get(), SERVICE_RUNNING, waitMs);
}

}  // namespace os
