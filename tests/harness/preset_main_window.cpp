#include "harness/preset_main_window.h"

#include "app/status_client_dlg.h"
#include "ui/app.h"

namespace zevtest {

namespace {

class PresetMainWindow final : public CStatusClientDlg {
public:
    explicit PresetMainWindow(MainWindowPreset preset) : m_preset(std::move(preset)) {}

    bool OnInitDialog() override {
        m_strLanguage = m_preset.language;
        m_strDevicePath = m_preset.devicePath;
        ComboAddString(IDC_PRINTER_LIST, m_preset.printerText);
        ComboSelectString(IDC_PRINTER_LIST, -1, m_preset.printerText);
        StartTimer(kStatusTimer);
        return true;
    }

private:
    MainWindowPreset m_preset;
};

class PresetApp final : public ui::WinApp {
public:
    explicit PresetApp(MainWindowPreset preset) : m_preset(std::move(preset)) { m_pszAppName = "ZevStatus"; }

    bool InitInstance() override {
        PresetMainWindow window(m_preset);
        m_pMainWnd = &window;
        window.DoModal();
        m_pMainWnd = nullptr;
        return false;
    }

private:
    MainWindowPreset m_preset;
};

}  // namespace

Instance& startPresetMainWindow(Harness& h, MainWindowPreset preset) {
    return h.start([preset] {
        PresetApp app(preset);
        ui::RunApplication(app);
    });
}

void sendCommand(WindowView window, int commandId) {
    constexpr unsigned kWmCommand = 0x0111;
    window.send(kWmCommand, static_cast<std::uintptr_t>(commandId));
}

}  // namespace zevtest
