// The program-start dialog shown while the first contact with a ready printer
// is prepared: it names the printer, runs its progress bar once and closes
// itself after half a second. German and English twins differ only in the
// template and in what Enter does.
#pragma once

#include <string>

#include "ui/black_on_white.h"

class StartDialogBase : public ui::BlackOnWhiteDialog {
public:
    static constexpr unsigned kCloseTimer = 10000;
    static constexpr unsigned kCloseDelayMs = 500;

    bool OnInitDialog() override;
    void OnTimer(unsigned id) override;

    std::string m_strPrinter;  // shown in static IDC_PRINTER_TEXT

protected:
    StartDialogBase(int templateId, ui::Dialog* parent);
    // Every position from 0 to 100 in turn, without pause.
    void RunProgress();
};

class CStartDlg : public StartDialogBase {
public:
    explicit CStartDlg(ui::Dialog* parent = nullptr);
    // Enter only runs the progress bar; the dialog stays open.
    void OnOK() override;
};

class CstartEDlg : public StartDialogBase {
public:
    // Enter closes the dialog with IDOK (the default).
    explicit CstartEDlg(ui::Dialog* parent = nullptr);
};
