// Resource IDs of the rig check program, shared by its template and the driver.
#pragma once

#define IDD_RIG_MAIN 100
#define IDD_RIG_MISSING 199  // deliberately absent: creating it must fail

#define IDC_RIG_LABEL 1001
#define IDC_RIG_COUNT 1002
#define IDC_RIG_CHECK 1003
#define IDC_RIG_ASK 1004
#define IDC_RIG_HIDDEN 1005
#define IDC_RIG_DISABLED 1006
