// The update's verdict windows. They only show their template and paint it;
// the German and English twins differ in nothing but the template.
#pragma once

#include "res/resource.h"
#include "ui/twin_dialog.h"
#include "update/update_dialog.h"

// No newer driver files on the server.
class CNoUpdFoundDlg : public update::UpdateDialog {
public:
    explicit CNoUpdFoundDlg(ui::Dialog* parent = nullptr)
        : UpdateDialog(IDD_NOUPDFOUND_DE, update::Language::German, parent) {}
};
class CNoUpdFoundEDlg : public update::UpdateDialog {
public:
    explicit CNoUpdFoundEDlg(ui::Dialog* parent = nullptr)
        : UpdateDialog(IDD_NOUPDFOUND_EN, update::Language::English, parent) {}
};

// The version files could not be had: the check cannot be carried out.
class CUpdOnlErrorDlg : public update::UpdateDialog {
public:
    explicit CUpdOnlErrorDlg(ui::Dialog* parent = nullptr)
        : UpdateDialog(IDD_UPDONLERROR_DE, update::Language::German, parent) {}
};
class CUpdOnlErrorEDlg : public update::UpdateDialog {
public:
    explicit CUpdOnlErrorEDlg(ui::Dialog* parent = nullptr)
        : UpdateDialog(IDD_UPDONLERROR_EN, update::Language::English, parent) {}
};

// Every outdated file was replaced.
class CUpdSuccess : public update::UpdateDialog {
public:
    explicit CUpdSuccess(ui::Dialog* parent = nullptr)
        : UpdateDialog(IDD_UPDSUCCESS_DE, update::Language::German, parent) {}
};
class CUpdSuccessEDlg : public update::UpdateDialog {
public:
    explicit CUpdSuccessEDlg(ui::Dialog* parent = nullptr)
        : UpdateDialog(IDD_UPDSUCCESS_EN, update::Language::English, parent) {}
};

// At least one file could not be replaced; IDOK asks for another run.
class CUpdErrorDlg : public update::UpdateDialog {
public:
    explicit CUpdErrorDlg(ui::Dialog* parent = nullptr)
        : UpdateDialog(IDD_UPDERROR_DE, update::Language::German, parent) {}
};
class CUpdErrorEDlg : public update::UpdateDialog {
public:
    explicit CUpdErrorEDlg(ui::Dialog* parent = nullptr)
        : UpdateDialog(IDD_UPDERROR_EN, update::Language::English, parent) {}
};
