// The main window's ink pictures and the low-ink warning they can raise.
#include <optional>

#include "app/status_client_dlg.h"
#include "printer/decimal_text.h"
#include "status/ink_pictures.h"
#include "status/low_ink_dlg.h"
#include "status/popup_result.h"
#include "status/status_texts.h"

namespace {

constexpr int kActivityPrinting = 15;

}  // namespace

struct CStatusClientDlg::InkSteps {
    static void WarnAboutLowInk(CStatusClientDlg& dlg, status::Language language) {
        dlg.stopStatusTimer();
        const int result = status::RunLowInkWarning(
            language, &dlg, dlg.m_strDevicePath, dlg.GetDlgItemText(IDC_PEN1_LEVEL), dlg.m_strPen1Kind);
        const status::PopupOutcome outcome = status::OutcomeOf(status::PopupKind::LowInk, language, result);
        if (outcome.message) ui::AfxMessageBox(*outcome.message);
        if (outcome.restartStatusTimer) dlg.startStatusTimer();
    }
};

void CStatusClientDlg::updateInkPictures() {
    const int level1 = status::LevelOfText(m_strPen1Level);
    const int level2 = status::LevelOfText(m_strPen2Level);
    const int kind1 = printer::ParseDecimalInt32(m_strPen1Kind);

    if (auto picture = status::Pen1Picture(kind1, level1, status::kMainWindowFirstLevel))
        SetPictureBitmap(IDC_PEN1_PICTURE, *picture);
    const std::optional<status::Language> language = this->language();
    if (status::Pen1IsLow(level1) && printer::ParseDecimalInt32(m_strActivity) == kActivityPrinting && language)
        InkSteps::WarnAboutLowInk(*this, *language);

    if (auto picture = status::Pen2Picture(level2)) SetPictureBitmap(IDC_PEN2_PICTURE, *picture);
}
