#include "harness/preset_main_window.h"

#include "app/status_client_dlg.h"
#include "ui/app.h"

namespace zevtest {

namespace {

class PresetMainWindow final : public CStatusClientDlg {
public:
    explicit PresetMainWindow(std::string printerText) : m_printerText(std::move(printerText)) {}

    bool OnInitDialog() override {
        ComboAddString(IDC_PRINTER_LIST, m_printerText);
        ComboSelectString(IDC_PRINTER_LIST, -1, m_printerText);
        SetTimer(app::kLocateTimer, 1000);
        return true;
    }

private:
    std::string m_printerText;
};

class PresetApp final : public ui::WinApp {
public:
    explicit PresetApp(std::string printerText) : m_printerText(std::move(printerText)) { m_pszAppName = "ZevStatus"; }

    bool InitInstance() override {
        PresetMainWindow window(m_printerText);
        m_pMainWnd = &window;
        window.DoModal();
        m_pMainWnd = nullptr;
        return false;
    }

private:
    std::string m_printerText;
};

}  // namespace

Instance& startPresetMainWindow(Harness& h, const MainWindowPreset& preset) {
    Instance& instance = h.start([printerText = preset.printerText] {
        PresetApp app(printerText);
        ui::RunApplication(app);
    });
    // What the user did before: the flag of the language, and a click that
    // left the ink-level popup box unticked (no settings refresh ticked it yet).
    WindowView main = h.window(IDD_MAIN);
    sendCommand(main, preset.language == "1" ? IDC_FLAG_EN : IDC_FLAG_DE);
    if (preset.inkPopup != "1") sendCommand(main, IDC_INKPOPUP_ENABLE);
    return instance;
}

void sendCommand(WindowView window, int commandId) {
    constexpr unsigned kWmCommand = 0x0111;
    window.send(kWmCommand, static_cast<std::uintptr_t>(commandId));
}

}  // namespace zevtest
