// Pen cleaning at three strengths: START sends the front-panel button for the
// cleaning, and the dialog closes itself after the cleaning's fixed time.
#pragma once

#include <memory>

#include "maintenance/maintenance_dialog.h"
#include "maintenance/maintenance_task.h"
#include "os/device_bus.h"

namespace maintenance {

class CleaningDialog : public MaintenanceDialog {
public:
    CleaningDialog(int templateId, const MaintenanceTask& task, ui::Dialog* parent)
        : MaintenanceDialog(templateId, parent), m_task(task) {}

    // Opens the device already, and keeps it until START or the end.
    bool OnInitDialog() override;

protected:
    void OnStart() override;
    void OnCloseTimer() override;

private:
    const MaintenanceTask& m_task;
    std::unique_ptr<os::DeviceHandle> m_device;
};

}  // namespace maintenance

class CleanNormalDlg : public maintenance::CleaningDialog {
public:
    explicit CleanNormalDlg(ui::Dialog* parent = nullptr)
        : CleaningDialog(IDD_CLEAN_NORMAL_DE, maintenance::kCleanNormalTask, parent) {}
};
class CleanNormalEDlg : public maintenance::CleaningDialog {
public:
    explicit CleanNormalEDlg(ui::Dialog* parent = nullptr)
        : CleaningDialog(IDD_CLEAN_NORMAL_EN, maintenance::kCleanNormalTask, parent) {}
};
class CleanMediumDlg : public maintenance::CleaningDialog {
public:
    explicit CleanMediumDlg(ui::Dialog* parent = nullptr)
        : CleaningDialog(IDD_CLEAN_MEDIUM_DE, maintenance::kCleanMediumTask, parent) {}
};
class CleanMediumEDlg : public maintenance::CleaningDialog {
public:
    explicit CleanMediumEDlg(ui::Dialog* parent = nullptr)
        : CleaningDialog(IDD_CLEAN_MEDIUM_EN, maintenance::kCleanMediumTask, parent) {}
};
class CleanSuperDlg : public maintenance::CleaningDialog {
public:
    explicit CleanSuperDlg(ui::Dialog* parent = nullptr)
        : CleaningDialog(IDD_CLEAN_SUPER_DE, maintenance::kCleanSuperTask, parent) {}
};
class CleanSuperEDlg : public maintenance::CleaningDialog {
public:
    explicit CleanSuperEDlg(ui::Dialog* parent = nullptr)
        : CleaningDialog(IDD_CLEAN_SUPER_EN, maintenance::kCleanSuperTask, parent) {}
};
