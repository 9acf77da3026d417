// The self-closing error popups, one German and one English class per printer
// condition. Their shared behaviour is ErrorPopup, driven by the family's rows;
// the twins only name their row and add what sets them apart.
#pragma once

#include <string>
#include <string_view>

#include "status/popup_result.h"
#include "status/status_texts.h"
#include "status/watching_dialog.h"

namespace status {

enum class WatchedField {
    CoverDigit,  // position 2, decimal
    StateCode,   // positions 16-17, hexadecimal
};

struct ErrorPopupRow {
    PopupKind kind;
    int templateDe;
    int templateEn;
    WatchedField field;
    bool clearsWhenPrinting;  // state 2 ends the condition as well as state 0
    int numberDe;             // control showing the value read; 0: none
    int numberEn;
};

// The row of a self-closing popup of the family (the incomplete-job window,
// which never closes by itself, has none).
const ErrorPopupRow& ErrorPopupRowOf(PopupKind kind);

// The number a refresh reads from the status value, and whether the condition
// the popup shows has cleared with it.
int WatchedValue(const ErrorPopupRow& row, std::string_view statusValue);
bool ConditionCleared(const ErrorPopupRow& row, int watchedValue);

class ErrorPopup : public WatchingDialog {
public:
    ErrorPopup(PopupKind kind, Language language, ui::Dialog* parent);

protected:
    void onStatusValue(std::string_view value) override;

private:
    const ErrorPopupRow& m_row;
    int m_numberControl;
};

class LidDlg : public ErrorPopup {
public:
    explicit LidDlg(ui::Dialog* parent = nullptr) : ErrorPopup(PopupKind::Cover, Language::German, parent) {}
    void OnOK() override {}  // only the printer, Esc or the close box end it
};
class LidEDlg : public ErrorPopup {
public:
    explicit LidEDlg(ui::Dialog* parent = nullptr) : ErrorPopup(PopupKind::Cover, Language::English, parent) {}
    void OnOK() override {}
};

class OutofPaperDlg : public ErrorPopup {
public:
    explicit OutofPaperDlg(ui::Dialog* parent = nullptr)
        : ErrorPopup(PopupKind::OutOfPaper, Language::German, parent) {}
    // Esc or the close box cancel the print job instead; the window stays
    // open but no longer closes by itself.
    void OnCancel() override;
};
class OutofPaperEDlg : public ErrorPopup {
public:
    explicit OutofPaperEDlg(ui::Dialog* parent = nullptr)
        : ErrorPopup(PopupKind::OutOfPaper, Language::English, parent) {}
};

class PaperJamDlg : public ErrorPopup {
public:
    explicit PaperJamDlg(ui::Dialog* parent = nullptr) : ErrorPopup(PopupKind::PaperJam, Language::German, parent) {}
};
class PaperJamEDlg : public ErrorPopup {
public:
    explicit PaperJamEDlg(ui::Dialog* parent = nullptr) : ErrorPopup(PopupKind::PaperJam, Language::English, parent) {}
};

class CarriageStallDlg : public ErrorPopup {
public:
    explicit CarriageStallDlg(ui::Dialog* parent = nullptr)
        : ErrorPopup(PopupKind::CarriageStall, Language::German, parent) {}
    void OnOK() override { closeWith(ui::IDOK); }
};
class CarriageStallEDlg : public ErrorPopup {
public:
    explicit CarriageStallEDlg(ui::Dialog* parent = nullptr)
        : ErrorPopup(PopupKind::CarriageStall, Language::English, parent) {}
};

class PaperMotorStallDlg : public ErrorPopup {
public:
    explicit PaperMotorStallDlg(ui::Dialog* parent = nullptr)
        : ErrorPopup(PopupKind::PaperMotorStall, Language::German, parent) {}
};
class PaperMotorStallEDlg : public ErrorPopup {
public:
    explicit PaperMotorStallEDlg(ui::Dialog* parent = nullptr)
        : ErrorPopup(PopupKind::PaperMotorStall, Language::English, parent) {}
};

class PenFailureDlg : public ErrorPopup {
public:
    explicit PenFailureDlg(ui::Dialog* parent = nullptr)
        : ErrorPopup(PopupKind::PenFailure, Language::German, parent) {}
};
class PenFailureEDlg : public ErrorPopup {
public:
    explicit PenFailureEDlg(ui::Dialog* parent = nullptr)
        : ErrorPopup(PopupKind::PenFailure, Language::English, parent) {}
};

class SevereHardErrorDlg : public ErrorPopup {
public:
    explicit SevereHardErrorDlg(ui::Dialog* parent = nullptr)
        : ErrorPopup(PopupKind::SevereHardError, Language::German, parent) {}
};
class SevereHardErrorEDlg : public ErrorPopup {
public:
    explicit SevereHardErrorEDlg(ui::Dialog* parent = nullptr)
        : ErrorPopup(PopupKind::SevereHardError, Language::English, parent) {}
};

class UnknownErrorDlg : public ErrorPopup {
public:
    explicit UnknownErrorDlg(ui::Dialog* parent = nullptr)
        : ErrorPopup(PopupKind::UnknownError, Language::German, parent) {}
};
class UnknownErrorEDlg : public ErrorPopup {
public:
    explicit UnknownErrorEDlg(ui::Dialog* parent = nullptr)
        : ErrorPopup(PopupKind::UnknownError, Language::English, parent) {}
};

// The incomplete-job window: no timer and no handlers of its own; it waits
// for the user and keeps the platform's colours.
class FormFeedneededDlg : public ui::Dialog {
public:
    explicit FormFeedneededDlg(ui::Dialog* parent = nullptr);
    std::string m_strDevicePath;
};
class FormFeedneededEDlg : public ui::Dialog {
public:
    explicit FormFeedneededEDlg(ui::Dialog* parent = nullptr);
    std::string m_strDevicePath;
};

// Runs the twin of `kind` in `language` modally on `devicePath`; the modal
// result (-1 when the window cannot be created).
int RunErrorPopup(PopupKind kind, Language language, ui::Dialog* parent, const std::string& devicePath);

}  // namespace status
