#include "status/low_ink_dlg.h"

#include "res/resource.h"
#include "status/status_readers.h"

namespace status {

namespace {

constexpr int kActivityIdle = 0;

template <class Warning>
int RunWarning(ui::Dialog* parent, const std::string& devicePath, const std::string& levelText,
               const std::string& penKind) {
    Warning warning(parent);
    warning.m_strDevicePath = devicePath;
    warning.m_strLevel = levelText;
    warning.m_strPenKind = penKind;
    return warning.DoModal();
}

}  // namespace

LowInkWarning::LowInkWarning(Language language, ui::Dialog* parent)
    : WatchingDialog(language == Language::German ? IDD_LOWINK_DE : IDD_LOWINK_EN, parent), m_language(language) {}

bool LowInkWarning::OnInitDialog() {
    // Only the two named pens get a label and a picture; an absent pen keeps
    // the template's.
    if (m_strPenKind == "1") {
        SetDlgItemText(IDC_PEN1_LABEL, kLowInkBlackLabel.in(m_language));
        SetPictureBitmap(IDC_PEN1_PICTURE, IDB_BLACK_10);
    } else if (m_strPenKind == "3") {
        SetDlgItemText(IDC_PEN1_LABEL, kLowInkPhotoLabel.in(m_language));
        SetPictureBitmap(IDC_PEN1_PICTURE, IDB_PHOTO_10);
    }
    return WatchingDialog::OnInitDialog();
}

void LowInkWarning::OnTimer(unsigned id) {
    WatchingDialog::OnTimer(id);
    SetDlgItemText(IDC_LOWINK_LEVEL, m_strLevel);
}

void LowInkWarning::OnOK() { ShowWindow(ui::SW_SHOWMINNOACTIVE); }

void LowInkWarning::onStatusValue(std::string_view value) {
    const int activity = readActivity(value);
    SetDlgItemInt(IDC_LOWINK_ACTIVITY, activity);
    if (activity == kActivityIdle) closeWith(ui::IDOK);
}

int RunLowInkWarning(Language language, ui::Dialog* parent, const std::string& devicePath, const std::string& levelText,
                     const std::string& penKind) {
    return language == Language::German ? RunWarning<BlackWarning1Dlg>(parent, devicePath, levelText, penKind)
                                        : RunWarning<BlackWarning1EDlg>(parent, devicePath, levelText, penKind);
}

}  // namespace status
