// IDs of the Win32 backend tests' own windows and resources.
#pragma once

#define IDD_BT_CONTROLS 7001
#define IDD_BT_SMALL    7002

#define IDC_BT_EDIT   7101
#define IDC_BT_SPIN   7103
#define IDC_BT_UMLAUT 7107
#define IDC_BT_LINK   7111
#define IDC_BT_COMBO  7112

#define IDC_BT_CURSOR 7203
