// IDs of the Win32 backend tests' own windows and resources.
#pragma once

#define IDD_BT_CONTROLS 7001
#define IDD_BT_SMALL    7002
#define IDD_BT_MISSING  7003

#define IDC_BT_EDIT       7101
#define IDC_BT_COMBO      7102
#define IDC_BT_SPIN       7103
#define IDC_BT_SPIN_BUDDY 7104
#define IDC_BT_PROGRESS   7105
#define IDC_BT_PICTURE    7106
#define IDC_BT_UMLAUT     7107
#define IDC_BT_HIDDEN     7108
#define IDC_BT_DISABLED   7109
#define IDC_BT_CHECK      7110
#define IDC_BT_LINK       7111

#define IDB_BT_RED    7201
#define IDI_BT_ICON   7202
#define IDC_BT_CURSOR 7203
#define IDR_BT_MENU   7204
#define IDS_BT_UMLAUT 7205

#define ID_BT_FIRST  7301
#define ID_BT_SECOND 7302
