#include "status/ink_level_popup.h"

#include <algorithm>
#include <array>
#include <utility>

#include "printer/decimal_text.h"
#include "res/resource.h"
#include "status/ink_pictures.h"
#include "status/status_readers.h"

namespace status {

namespace {

constexpr int kActivityPrinting = 15;
constexpr std::uint8_t kStatePrinting = 0x02;

template <class Popup>
int RunPopup(ui::Dialog* parent, const InkLevelHandOver& handOver, std::function<void()> onDontShowAgain) {
    Popup popup(parent);
    popup.m_strDevicePath = handOver.devicePath;
    popup.m_handOver = handOver;
    popup.m_onDontShowAgain = std::move(onDontShowAgain);
    return popup.DoModal();
}

}  // namespace

bool InkPopupClosesOn(int state) {
    static constexpr std::array<int, 10> kClosing = {0, 5, 6, 9, 10, 11, 12, 14, 15, 255};
    return std::find(kClosing.begin(), kClosing.end(), state) != kClosing.end();
}

InkLevelPopup::InkLevelPopup(Language language, ui::Dialog* parent)
    : WatchingDialog(language == Language::German ? IDD_INKLEVEL_DE : IDD_INKLEVEL_EN, parent), m_language(language) {}

bool InkLevelPopup::OnInitDialog() {
    SetDlgItemText(IDC_PEN1_LEVEL, m_handOver.pen1Level);
    SetDlgItemText(IDC_INKPOP_PEN2_LEVEL, m_handOver.pen2Level);
    const int kind1 = printer::ParseDecimalInt32(m_handOver.pen1Kind);
    if (auto picture = Pen1Picture(kind1, LevelOfText(m_handOver.pen1Level), kPopupFirstLevel))
        SetPictureBitmap(IDC_INKPOP_PEN1_PICTURE, *picture);
    if (auto picture = Pen2Picture(LevelOfText(m_handOver.pen2Level)))
        SetPictureBitmap(IDC_INKPOP_PEN2_PICTURE, *picture);
    refresh();
    showPrinting();
    return true;
}

void InkLevelPopup::OnCommand(int id, int code) {
    if (id == IDC_INKPOP_DONT_SHOW && code == ui::BN_CLICKED) {
        if (m_onDontShowAgain) m_onDontShowAgain();
        return;
    }
    WatchingDialog::OnCommand(id, code);
}

void InkLevelPopup::onIdentified() { showPrinting(); }

void InkLevelPopup::onStatusValue(std::string_view value) {
    const int state = readState(value);
    if (m_language == Language::German) SetDlgItemInt(IDC_INKPOP_STATE, state);
    if (InkPopupClosesOn(state)) closeWith(ui::IDOK);
}

void InkLevelPopup::showPrinting() {
    if (printer::ParseDecimalInt32(m_handOver.activity) != kActivityPrinting) return;
    const std::optional<Texts> printing = StateLineText(kStatePrinting);
    if (printing) SetDlgItemText(IDC_INKPOP_STATUS, printing->in(m_language));
}

int RunInkLevelPopup(Language language, ui::Dialog* parent, const InkLevelHandOver& handOver,
                     std::function<void()> onDontShowAgain) {
    return language == Language::German ? RunPopup<CInkLevelPopupDlg>(parent, handOver, std::move(onDontShowAgain))
                                        : RunPopup<CInkLevelPopupEDlg>(parent, handOver, std::move(onDontShowAgain));
}

}  // namespace status
