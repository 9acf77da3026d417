// The five maintenance functions: the main-window button that starts each, its
// pair of dialog templates, the command it sends and how long its dialog stays.
#pragma once

#include <string_view>

#include "printer/commands.h"
#include "res/resource.h"

namespace maintenance {

struct MaintenanceTask {
    int buttonId;
    int germanTemplate;
    int englishTemplate;
    std::string_view command;
    unsigned closeTimerMs;  // cleaning: when the dialog closes; alignment: its check interval; reset: none
};

inline constexpr MaintenanceTask kCleanNormalTask{
    IDC_CLEAN_NORMAL, IDD_CLEAN_NORMAL_DE, IDD_CLEAN_NORMAL_EN, printer::kCleanNormal, 30000};
inline constexpr MaintenanceTask kCleanMediumTask{
    IDC_CLEAN_MEDIUM, IDD_CLEAN_MEDIUM_DE, IDD_CLEAN_MEDIUM_EN, printer::kCleanMedium, 60000};
inline constexpr MaintenanceTask kCleanSuperTask{
    IDC_CLEAN_SUPER, IDD_CLEAN_SUPER_DE, IDD_CLEAN_SUPER_EN, printer::kCleanSuper, 65000};
inline constexpr MaintenanceTask kAlignTask{
    IDC_CALIBRATE_START, IDD_CALIBRATE_DE, IDD_CALIBRATE_EN, printer::kAlignPens, 1000};
inline constexpr MaintenanceTask kResetCalibrationTask{
    IDC_CALIBRATE_RESET, IDD_RESETCAL_DE, IDD_RESETCAL_EN, printer::kResetCalibration, 0};

// Timers of every maintenance dialog.
inline constexpr unsigned kBlinkTimer = 500;
inline constexpr unsigned kBlinkIntervalMs = 500;
inline constexpr unsigned kCloseTimer = 10000;

}  // namespace maintenance
