// Reset of the pen calibration: the instruction blinks from the start; START
// sends the reset and tells the user to switch the printer off and on.
#pragma once

#include <span>

#include "maintenance/maintenance_dialog.h"
#include "res/resource.h"

namespace maintenance {

// The confirmation is German in both dialogs.
inline constexpr const char* kResetDoneText =
    "Die Druckkopfkalibrierung wurde erfolgreich zurückgesetzt.\n"
    "Bitte schalten Sie den Drucker aus und wieder ein.\n"
    "Betätigen Sie zwei mal die Einschalttaste.";
inline constexpr const char* kResetDoneCaption = "Hinweis";

class ResetCalibrationDialog : public MaintenanceDialog {
public:
    ResetCalibrationDialog(int templateId, ui::Dialog* parent) : MaintenanceDialog(templateId, parent) {}

    bool OnInitDialog() override;

protected:
    void OnStart() override;
    std::span<const int> progressStatics() const override;
};

}  // namespace maintenance

class CResetcalDlg : public maintenance::ResetCalibrationDialog {
public:
    explicit CResetcalDlg(ui::Dialog* parent = nullptr) : ResetCalibrationDialog(IDD_RESETCAL_DE, parent) {}
};
class CResetcalEDlg : public maintenance::ResetCalibrationDialog {
public:
    explicit CResetcalEDlg(ui::Dialog* parent = nullptr) : ResetCalibrationDialog(IDD_RESETCAL_EN, parent) {}
};
