// The ink-level popup: shows both pens while the printer prints and closes
// itself when the job ends or an error takes over. Its check box switches the
// popup off for good (until the user switches it on in the main window).
#pragma once

#include <functional>
#include <string>

#include "status/status_texts.h"
#include "status/watching_dialog.h"

namespace status {

// Handed over by the opener: the pen texts as the previous poll kept them
// (empty on the very first poll) and this poll's activity code.
struct InkLevelHandOver {
    std::string devicePath;
    std::string pen1Kind;
    std::string pen1Level;
    std::string pen2Level;
    std::string activity;
};

// Whether the popup closes itself on `state`: the job is over, cancelled, or
// an error popup has to take over.
bool InkPopupClosesOn(int state);

class InkLevelPopup : public WatchingDialog {
public:
    InkLevelPopup(Language language, ui::Dialog* parent);

    InkLevelHandOver m_handOver;
    // Switches the option off and writes it to the settings file; runs on
    // every click of the check box, whichever state the box ends in.
    std::function<void()> m_onDontShowAgain;

    bool OnInitDialog() override;
    void OnCommand(int id, int code) override;

protected:
    void onIdentified() override;
    void onStatusValue(std::string_view value) override;

private:
    void showPrinting();
    Language m_language;
};

class CInkLevelPopupDlg : public InkLevelPopup {
public:
    explicit CInkLevelPopupDlg(ui::Dialog* parent = nullptr) : InkLevelPopup(Language::German, parent) {}
};
class CInkLevelPopupEDlg : public InkLevelPopup {
public:
    explicit CInkLevelPopupEDlg(ui::Dialog* parent = nullptr) : InkLevelPopup(Language::English, parent) {}
};

int RunInkLevelPopup(Language language, ui::Dialog* parent, const InkLevelHandOver& handOver,
                     std::function<void()> onDontShowAgain);

}  // namespace status
