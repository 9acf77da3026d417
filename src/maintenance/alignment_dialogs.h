// Pen alignment: START sends the alignment button; the dialog then looks at the
// printer every second and closes when it reports state code 0 again.
#pragma once

#include "maintenance/maintenance_dialog.h"
#include "res/resource.h"

namespace maintenance {

class AlignmentDialog : public MaintenanceDialog {
public:
    AlignmentDialog(int templateId, ui::Dialog* parent) : MaintenanceDialog(templateId, parent) {}

    bool OnInitDialog() override;

protected:
    void OnStart() override;
    // The status check; the state code read goes into the hidden static IDC_MAINT_STATE.
    void OnCloseTimer() override;
};

}  // namespace maintenance

class CCalibrateDlg : public maintenance::AlignmentDialog {
public:
    explicit CCalibrateDlg(ui::Dialog* parent = nullptr) : AlignmentDialog(IDD_CALIBRATE_DE, parent) {}
};
class CCalibrateEDlg : public maintenance::AlignmentDialog {
public:
    explicit CCalibrateEDlg(ui::Dialog* parent = nullptr) : AlignmentDialog(IDD_CALIBRATE_EN, parent) {}
};
