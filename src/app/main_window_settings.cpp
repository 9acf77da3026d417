// The paper-handling settings block of the main window: reading the settings
// from the printer, showing and validating them, the defaults, and writing them
// back on OK or Apply.
#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "app/status_client_dlg.h"
#include "os/clock.h"
#include "printer/command_channel.h"
#include "printer/commands.h"
#include "printer/decimal_text.h"
#include "printer/setting_commands.h"
#include "settings/notready_dlg.h"
#include "settings/settings_words.h"
#include "settings/transfer_dlg.h"
#include "ui/creation_failure_texts.h"
#include "ui/twin_dialog.h"

namespace {

using settings::TenthsText;

// The dry-time edit is read back with a text buffer of this size.
constexpr std::size_t kDryTimeTextChars = 100;
constexpr unsigned kAfterTransferWaitMs = 300;

}  // namespace

struct CStatusClientDlg::SettingsSteps {
    // The German or the English text; nullopt for an unknown language.
    static std::optional<std::string_view> inLanguage(const CStatusClientDlg& dlg, std::string_view german,
                                                      std::string_view english) {
        const std::optional<ui::Language> language = dlg.language();
        if (!language) return std::nullopt;
        return *language == ui::Language::German ? german : english;
    }

    // A message in the active language, with the program's name as caption. An
    // unknown language shows nothing.
    static void tellInLanguage(const CStatusClientDlg& dlg, std::string_view german, std::string_view english) {
        if (const auto text = inLanguage(dlg, german, english)) ui::AfxMessageBox(*text, ui::MB_OK);
    }

    static void enableItems(CStatusClientDlg& dlg, std::initializer_list<int> ids, bool enable) {
        for (int id : ids) dlg.EnableItem(id, enable);
    }

    static bool isChecked(const CStatusClientDlg& dlg, int id) { return dlg.IsDlgButtonChecked(id) == ui::BST_CHECKED; }

    static void check(CStatusClientDlg& dlg, int id, bool on) {
        dlg.CheckDlgButton(id, on ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    }

    // Runs a notice of the active language modally. Its result, or nullopt when the
    // language is unknown and no notice was shown.
    template <class German, class English>
    static std::optional<int> runNotice(CStatusClientDlg& dlg) {
        const std::optional<ui::Language> language = dlg.language();
        if (!language) return std::nullopt;
        return ui::RunTwin<German, English>(*language, &dlg);
    }

    // ---- Change handlers of the edits ----

    // The tenths typed into `edit`, which its spin then follows. A value from
    // `limit` up is refused with the message and reset to 0.0.
    static int checkedTenths(CStatusClientDlg& dlg, int edit, int spin, int limit, std::string_view german,
                             std::string_view english) {
        int tenths = settings::TenthsFromText(dlg.GetDlgItemText(edit));
        if (tenths < 0 || tenths >= limit) {
            tellInLanguage(dlg, german, english);
            tenths = 0;
            dlg.SetDlgItemText(edit, "0.0");
        }
        dlg.SpinSetPos(spin, tenths);
        return tenths;
    }

    static void onToleranceChanged(CStatusClientDlg& dlg) {
        const int tenths = checkedTenths(dlg,
                                         IDC_TOLERANCE,
                                         IDC_TOLERANCE_SPIN,
                                         settings::kToleranceLimitTenths,
                                         "Nur Zahlen von 0.0 - 3.1 erlaubt! Wert wird auf 0.0 zurück gesetzt",
                                         "Only numbers between 0.0 and 3.1 allowed ! Value will be set to 0.0");
        dlg.m_wPaperHandling = settings::WithTolerance(dlg.m_wPaperHandling, tenths);
    }

    static void onDryTimeChanged(CStatusClientDlg& dlg) {
        const std::int32_t seconds = printer::ParseDecimalInt32(dlg.GetDlgItemText(IDC_DRYTIME));
        if (seconds >= 0 && seconds <= settings::kDryTimeMaxSeconds) {
            dlg.SpinSetPos(IDC_DRYTIME_SPIN, seconds);
        } else {
            // There has only ever been a German text for this one, and the
            // manuals quote it as it is. deliberate(D8)
            ui::AfxMessageBox("Nur Zahlen von 0 - 120 erlaubt! Wert wird auf 0 zurück gesetzt", ui::MB_OK);
            dlg.SetDlgItemText(IDC_DRYTIME, "0");
            dlg.SpinSetPos(IDC_DRYTIME_SPIN, 0);
        }
        // The word takes what the edit holds now, which a reset above has changed.
        const std::string text = dlg.GetDlgItemText(IDC_DRYTIME).substr(0, kDryTimeTextChars);
        dlg.m_wPaperHandling = settings::WithDryTime(dlg.m_wPaperHandling, printer::ParseDecimalInt32(text));
    }

    static void onTopMarginChanged(CStatusClientDlg& dlg) {
        checkedTenths(dlg,
                      IDC_TOP_MARGIN,
                      IDC_TOP_MARGIN_SPIN,
                      settings::kTopMarginLimitTenths,
                      "Nur Zahlen von 0.0 - 34.5 erlaubt! Wert wird auf 0.0 zurück gesetzt",
                      "Only numbers between 0.0 and 34.5 allowed! Value will be set to 0.0");
    }

    // Any width is accepted; the spin simply stops at its end.
    static void onLeftMarginChanged(CStatusClientDlg& dlg) {
        dlg.SpinSetPos(IDC_LEFT_MARGIN_SPIN, settings::TenthsFromText(dlg.GetDlgItemText(IDC_LEFT_MARGIN)));
    }

    // ---- Click handlers ----

    static void onSecureFeedClicked(CStatusClientDlg& dlg) {
        const bool on = isChecked(dlg, IDC_SECURE_FEED);
        dlg.m_wPaperHandling = settings::WithBit(dlg.m_wPaperHandling, settings::kSecureFeedBit, on);
        enableItems(dlg, {IDC_TOLERANCE, IDC_TOLERANCE_SPIN}, on);
        dlg.SetDlgItemText(IDC_TOLERANCE, on ? "1.0" : "0.0");
    }

    static void onOutputFrontClicked(CStatusClientDlg& dlg) {
        enableItems(dlg, {IDC_DRYTIME, IDC_DRYTIME_SPIN}, true);
        dlg.SetDlgItemText(IDC_DRYTIME, "3");
        dlg.m_wPaperHandling = settings::WithBit(dlg.m_wPaperHandling, settings::kOutputBackBit, false);
        dlg.m_wPaperHandling = settings::WithBit(dlg.m_wPaperHandling, settings::kOutputFrontBit, true);
    }

    static void onOutputBackClicked(CStatusClientDlg& dlg) {
        enableItems(dlg, {IDC_DRYTIME, IDC_DRYTIME_SPIN}, false);
        dlg.SetDlgItemText(IDC_DRYTIME, "0");
        dlg.m_wPaperHandling = settings::WithBit(dlg.m_wPaperHandling, settings::kOutputFrontBit, false);
        dlg.m_wPaperHandling = settings::WithBit(dlg.m_wPaperHandling, settings::kOutputBackBit, true);
    }

    // With the sensor off the printer cannot feed securely, so secure feed goes with it.
    static void onSensorOffClicked(CStatusClientDlg& dlg) {
        if (isChecked(dlg, IDC_SENSOR_OFF)) {
            enableItems(dlg, {IDC_SECURE_FEED, IDC_TOLERANCE, IDC_TOLERANCE_SPIN}, false);
            dlg.SetDlgItemText(IDC_TOLERANCE, "0.0");
            dlg.m_wPaperHandling = settings::WithBit(dlg.m_wPaperHandling, settings::kSecureFeedBit, false);
            dlg.m_wPrintOptions = settings::WithBit(dlg.m_wPrintOptions, settings::kSensorOffBit, true);
            dlg.RefreshSettingsDisplay();
        } else {
            enableItems(dlg, {IDC_SECURE_FEED, IDC_TOLERANCE, IDC_TOLERANCE_SPIN}, true);
            dlg.m_wPrintOptions = settings::WithBit(dlg.m_wPrintOptions, settings::kSensorOffBit, false);
        }
    }

    static void onInkBackupClicked(CStatusClientDlg& dlg) {
        const bool on = isChecked(dlg, IDC_INKBACKUP_ON);
        dlg.m_wPrintOptions = settings::WithBit(dlg.m_wPrintOptions, settings::kInkBackupBit, on);
        const auto text =
            on ? inLanguage(
                     dlg,
                     "ACHTUNG !!! Schwarz wird aus der Farbe gemischt. Die Ausdrucke sind nicht maschinenlesbar !!!",
                     "ATTENTION !!! Black will be mixed out of the colours. The print outs will be not machine readable !!!")
               : inLanguage(
                     dlg, "Die Ausdrucke sind wieder maschinenlesbar !", "The print outs are machine readable again !");
        const auto caption =
            on ? inLanguage(dlg, "WICHTIGER HINWEIS", "IMPORTANT ADVICE") : inLanguage(dlg, "HINWEIS", "ADVICE");
        if (text && caption) ui::MessageBox(*text, *caption, ui::MB_OK);
    }

    // ---- Apply ----

    // The not-ready notice; polling goes on afterwards whatever the notice did.
    // The German language runs the class with the E. deliberate(D9)
    static void refuseApplyNotReady(CStatusClientDlg& dlg) {
        if (runNotice<CNotreadyEDlg, CNotreadyDlg>(dlg) == -1)
            tellInLanguage(dlg, ui::kCannotCreateDe, ui::kCannotCreateEn);
        dlg.StartTimer(CStatusClientDlg::kStatusTimer);
    }

    static std::array<std::string, 3> settingCommands(const CStatusClientDlg& dlg) {
        // The margins go out as typed, not as last read from the printer.
        const double top = settings::DecimalTextValue(dlg.GetDlgItemText(IDC_TOP_MARGIN));
        const double left = settings::DecimalTextValue(dlg.GetDlgItemText(IDC_LEFT_MARGIN));
        return {
            printer::WordSettingCommand(printer::kSetPaperHandling, dlg.m_wPaperHandling),
            printer::WordSettingCommand(printer::kSetPrintOptions, dlg.m_wPrintOptions),
            printer::MarginFlowCommand(printer::TopMarginPrinterValue(top), printer::LeftMarginPrinterValue(left)),
        };
    }

    // The confirmation after a successful write. Polling resumes once it is
    // closed; when it could not even be created, polling stays stopped until
    // another operation starts it again.
    static void confirmTransfer(CStatusClientDlg& dlg) {
        const std::optional<int> result = runNotice<CTransferDlg, CTransferEDlg>(dlg);
        if (result == -1) {
            tellInLanguage(dlg, ui::kCannotCreateDe, ui::kCannotCreateEn);
            return;
        }
        dlg.StartTimer(CStatusClientDlg::kStatusTimer);
    }

    static void sendSettings(CStatusClientDlg& dlg) {
        dlg.StopTimer(CStatusClientDlg::kStatusTimer);
        const std::array<std::string, 3> commands = settingCommands(dlg);
        if (!printer::WriteSettings(dlg.m_strDevicePath, commands)) {
            // Nothing was sent and nothing is said: the window hides and the
            // poller, which must not stay stopped, shows the printer's state.
            // deliberate(D12)
            dlg.StartTimer(CStatusClientDlg::kStatusTimer);
            return;
        }
        confirmTransfer(dlg);
        os::Sleep(kAfterTransferWaitMs);
    }
};

// ---- Reading the settings from the printer ----

void CStatusClientDlg::ReadPaperHandling() {
    const auto word = printer::SendQuery(m_strDevicePath, printer::kQueryPaperHandling, printer::QueryKind::Word);
    if (!word) return;
    m_wPaperHandling = static_cast<std::uint16_t>(*word);
    RefreshSettingsDisplay();
}

void CStatusClientDlg::ReadPrintOptions() {
    const auto word = printer::SendQuery(m_strDevicePath, printer::kQueryPrintOptions, printer::QueryKind::Word);
    if (!word) return;
    m_wPrintOptions = static_cast<std::uint16_t>(*word);
    RefreshSettingsDisplay();
}

void CStatusClientDlg::ReadLeftMargin() {
    const auto value = printer::SendQuery(m_strDevicePath, printer::kQueryLeftMargin, printer::QueryKind::Number);
    if (!value) return;
    m_nLeftMargin = *value;
    ShowLeftMargin();
}

void CStatusClientDlg::ReadTopMargin() {
    const auto value = printer::SendQuery(m_strDevicePath, printer::kQueryTopMargin, printer::QueryKind::Number);
    if (!value) return;
    m_nTopMargin = *value;
    ShowTopMargin();
}

// ---- Display ----

// Writing the edits raises their change handlers, which validate the values and
// store them back into the word.
void CStatusClientDlg::RefreshSettingsDisplay() {
    SettingsSteps::check(*this, IDC_SENSOR_OFF, (m_wPrintOptions & settings::kSensorOffBit) != 0);
    SettingsSteps::check(*this, IDC_INKBACKUP_ON, (m_wPrintOptions & settings::kInkBackupBit) != 0);

    if (m_wPaperHandling & settings::kSecureFeedBit) {
        SettingsSteps::check(*this, IDC_SECURE_FEED, true);
        SettingsSteps::enableItems(*this, {IDC_TOLERANCE, IDC_TOLERANCE_SPIN}, true);
    } else {
        SettingsSteps::check(*this, IDC_SECURE_FEED, false);
    }

    const bool front = (m_wPaperHandling & settings::kOutputFrontBit) != 0;
    SettingsSteps::check(*this, IDC_OUTPUT_FRONT, front);
    SettingsSteps::check(*this, IDC_OUTPUT_BACK, !front);
    SettingsSteps::enableItems(*this, {IDC_DRYTIME, IDC_DRYTIME_SPIN}, front);

    SetDlgItemText(IDC_TOLERANCE, TenthsText(settings::ToleranceTenths(m_wPaperHandling)));
    SetDlgItemText(IDC_DRYTIME, std::to_string(settings::DryTimeSeconds(m_wPaperHandling)));
    SettingsFileStep();
}

void CStatusClientDlg::ShowLeftMargin() { SetDlgItemText(IDC_LEFT_MARGIN, settings::LeftMarginText(m_nLeftMargin)); }

void CStatusClientDlg::ShowTopMargin() { SetDlgItemText(IDC_TOP_MARGIN, settings::TopMarginText(m_nTopMargin)); }

// ---- Defaults and apply ----

// Only the window changes; the printer gets the defaults with the next apply.
void CStatusClientDlg::SetDefaultSettings() {
    m_nTopMargin = settings::kTopMarginOffset;
    m_nLeftMargin = 0;
    m_wPaperHandling = settings::kDefaultPaperHandling;
    m_wPrintOptions = 0;
    SetDlgItemText(IDC_TOLERANCE, "0.0");
    SettingsSteps::enableItems(*this, {IDC_TOLERANCE, IDC_TOLERANCE_SPIN, IDC_DRYTIME, IDC_DRYTIME_SPIN}, false);
    RefreshSettingsDisplay();
    ShowLeftMargin();
    ShowTopMargin();
}

void CStatusClientDlg::ApplySettings() {
    if (m_nState != 0)
        SettingsSteps::refuseApplyNotReady(*this);
    else
        SettingsSteps::sendSettings(*this);
    ShowWindow(ui::SW_HIDE);
}

// ---- Message routing of the settings controls ----

void CStatusClientDlg::OnSettingsCommand(int id, int code) {
    const bool edited = code == ui::EN_CHANGE;
    const bool clicked = code == ui::BN_CLICKED;
    switch (id) {
        case IDC_TOLERANCE:
            if (edited) SettingsSteps::onToleranceChanged(*this);
            return;
        case IDC_DRYTIME:
            if (edited) SettingsSteps::onDryTimeChanged(*this);
            return;
        case IDC_TOP_MARGIN:
            if (edited) SettingsSteps::onTopMarginChanged(*this);
            return;
        case IDC_LEFT_MARGIN:
            if (edited) SettingsSteps::onLeftMarginChanged(*this);
            return;
        case IDC_SECURE_FEED:
            if (clicked) SettingsSteps::onSecureFeedClicked(*this);
            return;
        case IDC_OUTPUT_FRONT:
            if (clicked) SettingsSteps::onOutputFrontClicked(*this);
            return;
        case IDC_OUTPUT_BACK:
            if (clicked) SettingsSteps::onOutputBackClicked(*this);
            return;
        case IDC_SENSOR_OFF:
            if (clicked) SettingsSteps::onSensorOffClicked(*this);
            return;
        case IDC_INKBACKUP_ON:
            if (clicked) SettingsSteps::onInkBackupClicked(*this);
            return;
        case IDC_SETTINGS_OK:
        case IDC_APPLY:
            if (clicked) ApplySettings();
            return;
        case IDC_DEFAULTS:
            if (clicked) SetDefaultSettings();
            return;
        case IDC_TRAYICON_QUERY:
            if (clicked) ReadLeftMargin();
            return;
        case IDC_INKBACKUP_GROUP: return;  // a click on the frame itself means nothing
        default: return;
    }
}

// A spin reports its new position with every scroll code; the edit follows it
// (and its change handler then validates and stores the value).
void CStatusClientDlg::OnSettingsScroll(int ctrlId, int pos) {
    switch (ctrlId) {
        case IDC_TOLERANCE_SPIN: SetDlgItemText(IDC_TOLERANCE, TenthsText(pos)); return;
        case IDC_DRYTIME_SPIN: SetDlgItemText(IDC_DRYTIME, std::to_string(pos)); return;
        case IDC_TOP_MARGIN_SPIN: SetDlgItemText(IDC_TOP_MARGIN, TenthsText(pos)); return;
        case IDC_LEFT_MARGIN_SPIN: SetDlgItemText(IDC_LEFT_MARGIN, TenthsText(pos)); return;
        default: return;
    }
}
