// The about box opened from the main window's system menu: version and the
// support address as a mail link.
#pragma once

#include "ui/dialog.h"

class CAboutDlg : public ui::Dialog {
public:
    explicit CAboutDlg(ui::Dialog* parent = nullptr);

    bool OnInitDialog() override;
    void OnCommand(int id, int code) override;
    ui::CtlColor OnCtlColor(int ctrlId) override;
    int CursorFor(int ctrlId) override;

    // Link blue (blue 200, red and green 0).
    static constexpr ui::Colour kLinkColour = ui::RGB(0, 0, 200);
};
