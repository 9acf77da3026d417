// What the cleaning, alignment and reset dialogs share: the printer they name,
// their own copy of its device path, START, and the red/black blink of their
// progress texts.
#pragma once

#include <span>
#include <string>

#include "ui/dialog.h"

namespace maintenance {

class MaintenanceDialog : public ui::Dialog {
public:
    MaintenanceDialog(int templateId, ui::Dialog* parent) : ui::Dialog(templateId, parent) {}

    // Set by the opener before the modal run.
    std::string m_strPrinterText;
    std::string m_strDevicePath;
    bool m_bBlink = false;

    void DoDataExchange(ui::DataExchange& dx) override;
    // START is the dialog's OK button; it works once.
    void OnOK() final;
    void OnTimer(unsigned id) override;
    // White background, transparent text background; the progress texts red
    // while the blink flag is set, every other text black.
    ui::CtlColor OnCtlColor(int ctrlId) override;

protected:
    virtual void OnStart() = 0;
    virtual void OnCloseTimer() {}
    // The statics that blink.
    virtual std::span<const int> progressStatics() const;

    void showPrinterText();
    void startBlinking();
    // Instruction out, progress texts in, START disabled, controls read.
    void switchToProgress();

private:
    bool m_bStarted = false;
};

}  // namespace maintenance
