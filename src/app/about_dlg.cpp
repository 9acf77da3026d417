#include "app/about_dlg.h"

#include <string>

#include "app/maker_links.h"
#include "os/shell.h"
#include "res/resource.h"
#include "ui/black_on_white.h"

namespace {

// Underlined, so the address reads as a link.
ui::FontSpec LinkFont() {
    ui::FontSpec font;
    font.height = 8;
    font.weight = 400;
    font.italic = false;
    font.underline = true;
    font.strikeOut = false;
    font.charSet = 1;
    font.outPrecision = 2;
    font.clipPrecision = 1;
    font.face = "Ms Sans Serif";
    return font;
}

}  // namespace

CAboutDlg::CAboutDlg(ui::Dialog* parent) : ui::Dialog(IDD_ABOUTBOX, parent) {}

bool CAboutDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetItemFont(IDC_SUPPORT_LINK, LinkFont());
    SetDlgItemText(IDC_SUPPORT_LINK, app::kSupportAddress);
    return true;
}

void CAboutDlg::OnCommand(int id, int code) {
    if (id == IDC_SUPPORT_LINK) {
        if (code == ui::STN_CLICKED)
            os::ShellOpen("open", "mailto:" + std::string(app::kSupportAddress), "", "", ui::SW_SHOWNORMAL);
        return;
    }
    ui::Dialog::OnCommand(id, code);
}

ui::CtlColor CAboutDlg::OnCtlColor(int ctrlId) {
    return ui::BlackOnWhite(ctrlId == IDC_SUPPORT_LINK ? kLinkColour : ui::kBlack);
}

int CAboutDlg::CursorFor(int ctrlId) {
    return (ctrlId == IDC_SUPPORT_LINK || ctrlId == ui::IDOK) ? IDC_CURSOR_HAND : 0;
}
