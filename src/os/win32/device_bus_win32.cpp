// The real device bus: SetupAPI for the interface walk, CreateFile,
// DeviceIoControl, WriteFile and ReadFile for the device itself.
#include <cstddef>
#include <vector>

#include "os/device_bus.h"
#include "os/win32/unique_handle.h"
#include "os/win32/windows_api.h"

#include <setupapi.h>

namespace os {

namespace {

// {28D78FAD-5A12-11D1-AE5B-0000F803A8C2}, the USB printer interface class.
constexpr GUID kUsbPrinterInterfaceClass = {
    0x28D78FAD, 0x5A12, 0x11D1, {0xAE, 0x5B, 0x00, 0x00, 0xF8, 0x03, 0xA8, 0xC2}};
constexpr DWORD kIoctlQueryDeviceId = 0x0016000C;
// Far beyond what a printer that works needs for a device ID, a frame or a read.
constexpr DWORD kIoDeadlineMs = 1000;

// The walk's detail record holds a path of at most 256 characters, the room a
// 260-byte ANSI record leaves after its size field.
constexpr DWORD kMaxDetailPathChars = 256;

std::wstring widen(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

std::string narrow(const wchar_t* wide) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), n, nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(n - 1));
    return utf8;
}

class InterfaceSet {
public:
    InterfaceSet()
        : m_set(SetupDiGetClassDevsW(&kUsbPrinterInterfaceClass, nullptr, nullptr,
                                     DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)) {}
    ~InterfaceSet() {
        if (valid()) SetupDiDestroyDeviceInfoList(m_set);
    }
    InterfaceSet(const InterfaceSet&) = delete;
    InterfaceSet& operator=(const InterfaceSet&) = delete;

    bool valid() const { return m_set != INVALID_HANDLE_VALUE; }
    HDEVINFO get() const { return m_set; }

private:
    HDEVINFO m_set;
};

bool interfaceAt(const InterfaceSet& set, DWORD index, SP_DEVICE_INTERFACE_DATA& data) {
    data = {};
    data.cbSize = sizeof(data);
    return SetupDiEnumDeviceInterfaces(set.get(), nullptr, &kUsbPrinterInterfaceClass, index, &data) != FALSE;
}

PrinterInterface describe(const InterfaceSet& set, SP_DEVICE_INTERFACE_DATA& data) {
    DWORD required = 0;
    SetupDiGetDeviceInterfaceDetailW(set.get(), &data, nullptr, 0, &required, nullptr);
    constexpr DWORD kPathOffset = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath);
    const DWORD limit = kPathOffset + kMaxDetailPathChars * sizeof(WCHAR);
    if (required == 0 || required > limit) return {PrinterInterface::Kind::DetailTooLarge, {}};

    // Backed by 8-byte words so the record is aligned for the structure.
    std::vector<std::uint64_t> storage((limit + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t) + 1, 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    SP_DEVINFO_DATA info = {};
    info.cbSize = sizeof(info);
    if (!SetupDiGetDeviceInterfaceDetailW(set.get(), &data, detail, limit, nullptr, &info))
        return {PrinterInterface::Kind::DetailUnavailable, {}};
    return {PrinterInterface::Kind::Path, narrow(detail->DevicePath)};
}

// A busy printer may never complete a synchronous write or read on usbprint,
// which would hold the window's thread for good. The handle stays synchronous;
// for the length of one call a timer stands by to cancel the calling thread's
// pending I/O at the deadline, and the call then fails.
class IoDeadline {
public:
    IoDeadline() {
        HANDLE thread = nullptr;
        if (!DuplicateHandle(
                GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &thread, THREAD_TERMINATE, FALSE, 0))
            return;
        m_thread.reset(thread);
        if (!CreateTimerQueueTimer(
                &m_timer, nullptr, &IoDeadline::expire, thread, kIoDeadlineMs, 0, WT_EXECUTEONLYONCE))
            m_timer = nullptr;
    }
    // Waits for a cancel that is under way, so none reaches a later call.
    ~IoDeadline() {
        if (m_timer) DeleteTimerQueueTimer(nullptr, m_timer, INVALID_HANDLE_VALUE);
    }
    IoDeadline(const IoDeadline&) = delete;
    IoDeadline& operator=(const IoDeadline&) = delete;

private:
    static VOID CALLBACK expire(PVOID thread, BOOLEAN) { CancelSynchronousIo(static_cast<HANDLE>(thread)); }

    win32::Unique<HANDLE, win32::CloseKernelHandle> m_thread;
    HANDLE m_timer = nullptr;
};

class Win32Device final : public DeviceHandle {
public:
    explicit Win32Device(HANDLE h) : m_handle(h) {}
    ~Win32Device() override { CloseHandle(m_handle); }
    Win32Device(const Win32Device&) = delete;
    Win32Device& operator=(const Win32Device&) = delete;

    bool requestDeviceId(std::span<std::uint8_t> out, std::size_t& returned) override {
        DWORD got = 0;
        const IoDeadline deadline;
        const BOOL ok = DeviceIoControl(
            m_handle, kIoctlQueryDeviceId, nullptr, 0, out.data(), static_cast<DWORD>(out.size()), &got, nullptr);
        returned = got <= out.size() ? got : out.size();
        return ok != FALSE;
    }

    std::size_t write(std::span<const std::uint8_t> bytes) override {
        DWORD written = 0;
        const IoDeadline deadline;
        if (!WriteFile(m_handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return 0;
        return written;
    }

    std::size_t read(std::span<std::uint8_t> into) override {
        DWORD got = 0;
        const IoDeadline deadline;
        if (!ReadFile(m_handle, into.data(), static_cast<DWORD>(into.size()), &got, nullptr)) return 0;
        return got <= into.size() ? got : into.size();
    }

private:
    HANDLE m_handle;
};

class Win32DeviceBus final : public DeviceBus {
public:
    PrinterInterfaceList listPrinterInterfaces() override {
        PrinterInterfaceList list;
        InterfaceSet set;
        if (!set.valid()) {
            list.status = PrinterInterfaceList::SetStatus::Invalid;
            return list;
        }
        SP_DEVICE_INTERFACE_DATA data;
        if (!interfaceAt(set, 0, data)) {
            list.status = PrinterInterfaceList::SetStatus::NoInterface;
            return list;
        }
        list.status = PrinterInterfaceList::SetStatus::Listed;
        for (DWORD index = 0; interfaceAt(set, index, data); ++index) {
            list.interfaces.push_back(describe(set, data));
            if (list.interfaces.back().kind == PrinterInterface::Kind::DetailUnavailable) break;
        }
        return list;
    }

    std::unique_ptr<DeviceHandle> open(const std::string& path, OpenMode mode) override {
        const std::wstring wide = widen(path);
        HANDLE h = INVALID_HANDLE_VALUE;
        if (mode == OpenMode::ExclusiveReadWrite) {
            h = CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        } else {
            h = CreateFileW(wide.c_str(),
                            GENERIC_WRITE,
                            FILE_SHARE_READ,
                            nullptr,
                            OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                            nullptr);
        }
        if (h == INVALID_HANDLE_VALUE) return nullptr;
        return std::make_unique<Win32Device>(h);
    }
};

}  // namespace

DeviceBus& platformDeviceBus() {
    static Win32DeviceBus bus;
    return bus;
}

}  // namespace os
