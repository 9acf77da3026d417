// The main window: hidden behind the notification-area icon, it owns every piece
// of state that outlives one dialog (the current printer, the printer list, the
// language and ink-popup option, the printer's settings, the last status) and
// drives all printer work from its three timers.
//
// One class, several files: each subsystem implements its members in its own
// file (see the comments on each group below).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "os/process.h"
#include "res/resource.h"
#include "settings/settings_file.h"
#include "settings/settings_words.h"
#include "ui/black_on_white.h"
#include "ui/language.h"

namespace app {

// The main window's timers, 1000 ms each. Their IDs are what the platform
// reports, so tests can see which of them run.
inline constexpr unsigned kLocateTimer = 1;
inline constexpr unsigned kReadyWaitTimer = 2;
inline constexpr unsigned kStatusTimer = 3;
// The message the notification-area icon sends to the main window.
inline constexpr unsigned kTrayNotifyMessage = ui::WM_USER + 100;

}  // namespace app

class CStatusClientDlg : public ui::BlackOnWhiteDialog {
public:
    CStatusClientDlg();
    ~CStatusClientDlg() override;

    // ---- Framework overrides and message dispatch (status_client_dlg.cpp) ----
    void OnCommand(int id, int code) override;
    void OnTimer(unsigned id) override;
    void OnScroll(int ctrlId, int code, int pos, bool horizontal) override;
    bool OnMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override;
    void DoDataExchange(ui::DataExchange& dx) override;
    int IconResource() const override { return IDI_APP; }
    bool OnInitDialog() override;  // main_window_startup.cpp
    // main_window_frame.cpp
    bool OnSysCommand(unsigned cmd) override;
    int CursorFor(int ctrlId) override;
    void OnCancel() override;
    void OnOK() override;
    void OnWindowPosChanging(unsigned& flags) override;  // main_window_tray.cpp

    // The single-instance mutex, for whoever outlives the window (the application).
    std::unique_ptr<os::NamedMutex> TakeInstanceMutex() { return std::move(m_instanceMutex); }

private:
    // The helpers of the member files, each kept in that file. Being nested,
    // they share the window's state without widening its interface.
    struct DiscoverySteps;
    struct PollSteps;
    struct InkSteps;
    struct SettingsSteps;
    struct MaintenanceSteps;

    static constexpr unsigned kLocateTimer = app::kLocateTimer;
    static constexpr unsigned kReadyWaitTimer = app::kReadyWaitTimer;
    static constexpr unsigned kStatusTimer = app::kStatusTimer;
    static constexpr unsigned kTimerInterval = 1000;

    // Starts a main-window timer (restarting a running one) and remembers that it runs.
    void StartTimer(unsigned id);
    void StopTimer(unsigned id);
    bool IsTimerRunning(unsigned id) const;

    // ---- Start-up (main_window_startup.cpp) ----
    void LoadStartValues();
    void PrepareSettingsControls();
    // The start dialog for a ready printer; reads the settings when it closes by itself.
    void ShowStartDialog();
    // Program directory + "\" + name.
    std::string ProgramFile(const std::string& name) const;

    // ---- Window frame, language and links (main_window_frame.cpp) ----
    void SwitchLanguage(const std::string& code);  // ui::kGermanCode or ui::kEnglishCode
    // The language of m_strLanguage; none for any other code.
    std::optional<ui::Language> language() const { return ui::LanguageOf(m_strLanguage); }
    void OnHelp();
    void OnManual();
    void OnHomepage();
    void ShowAboutBox();

    // ---- Notification-area icon (main_window_tray.cpp) ----
    void AddTrayIcon();
    void DeleteTrayIcon();
    std::intptr_t OnTrayNotify(std::uintptr_t wParam, std::intptr_t lParam);
    void OnTaskbarCreated();
    void OnTrayToolbox();
    void OnTrayExit();

    // ---- Printer discovery (main_window_discovery.cpp) ----
    void StartupPass();
    void LocatePass();
    void ReadyWaitPass();
    void OnPrinterListChanged();
    void OnSelectPrinter();
    void ShowNotFoundText();
    void ResetInkDisplays();
    // Starts the locate and ready-wait timers unless they already run. Restarting
    // a running timer resets its countdown, so the status timer's once-a-second
    // failures would otherwise keep pushing discovery back and it would never run.
    void KeepLookingForPrinter();

    // ---- Status poller and display (main_window_poll.cpp) ----
    void pollStatus();
    void updateStatusDisplay();
    void startStatusTimer();
    void stopStatusTimer();

    // ---- Ink pictures and the low-ink warning (main_window_ink.cpp) ----
    void updateInkPictures();

    // ---- Printer settings (main_window_settings.cpp) ----
    void ReadPaperHandling();
    void ReadPrintOptions();
    void ReadLeftMargin();
    void ReadTopMargin();
    void RefreshSettingsDisplay();
    void ShowLeftMargin();
    void ShowTopMargin();
    void ApplySettings();
    void SetDefaultSettings();
    void OnSettingsCommand(int id, int code);  // the settings controls' clicks and changes
    void OnSettingsScroll(int ctrlId, int pos);

    // ---- Settings file (main_window_settings_file.cpp) ----
    void SettingsFileStep();   // last step of RefreshSettingsDisplay
    void WriteSettingsFile();  // m_strInkPopup, " ", m_strLanguage; silently skipped on failure
    void OnInkPopupOption();   // check box IDC_INKPOPUP_ENABLE

    // ---- Maintenance (main_window_maintenance.cpp) ----
    // IDC_CLEAN_NORMAL, IDC_CLEAN_MEDIUM, IDC_CLEAN_SUPER, IDC_CALIBRATE_START, IDC_CALIBRATE_RESET
    void OnMaintenance(int buttonId);

    // ---- Driver online update (main_window_update.cpp) ----
    void OnOnlineUpdate();  // command IDC_ONLINE_UPDATE

    // ---- State owned by the main window ----
    // Settings file values.
    std::string m_strInkPopup{settings::kInkPopupOn};
    std::string m_strLanguage{ui::kGermanCode};
    // Whether the window may become visible (set by "ZEV Toolbox").
    std::int32_t m_bShowAllowed = 0;
    // Current printer.
    std::string m_strDevicePath;   // at most 199 characters
    std::string m_strDeviceId;     // the last device ID read
    std::string m_strPrinterText;  // the printer list's text (exchanged with IDC_PRINTER_LIST)
    std::string m_strPathLog;      // every accepted printer's path, in order
    // Printer settings.
    std::uint16_t m_wPaperHandling = settings::kDefaultPaperHandling;
    std::uint16_t m_wPrintOptions = 0;
    std::int32_t m_nTopMargin = 0;
    std::int32_t m_nLeftMargin = 0;
    // Last poll.
    int m_nState = 0;
    std::string m_strActivity;
    std::string m_strPen1Kind;
    std::string m_strPen2Kind;
    std::string m_strPen1Level;
    std::string m_strPen2Level;

    std::unique_ptr<os::NamedMutex> m_instanceMutex;
    unsigned m_runningTimers = 0;  // bit n: timer n runs
};

// The "TaskbarCreated" message, registered once when the application starts.
unsigned TaskbarCreatedMessage();
void RegisterTaskbarCreatedMessage();
