/*
 * Numeric resource IDs shared by the resource scripts and the program.
 *
 * Read by windres and by C++ alike, so only plain #defines live here. The
 * numbers are the interface between templates and code: never renumber.
 * IDOK (1) and IDCANCEL (2) come from the platform (ui::IDOK in portable code)
 * and are deliberately not redefined. Several control numbers are reused by
 * different windows with a different meaning; each meaning gets its own name.
 */
#ifndef ZEV_RES_RESOURCE_H
#define ZEV_RES_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

/* ---- Dialog templates: German window first, English twin second ---------- */
#define IDD_ABOUTBOX 100
#define IDD_MAIN     102

/* Error popups */
#define IDD_LID_DE             154
#define IDD_FORMFEED_DE        155
#define IDD_OUTOFPAPER_DE      156
#define IDD_CARRIAGESTALL_DE   157
#define IDD_PAPERJAM_DE        159
#define IDD_PAPERMOTORSTALL_DE 160
#define IDD_PENFAILURE_DE      161
#define IDD_SEVEREERROR_DE     162
#define IDD_UNKNOWNERROR_DE    163
#define IDD_LID_EN             164
#define IDD_FORMFEED_EN        165
#define IDD_OUTOFPAPER_EN      166
#define IDD_PAPERJAM_EN        167
#define IDD_CARRIAGESTALL_EN   168
#define IDD_PAPERMOTORSTALL_EN 169
#define IDD_PENFAILURE_EN      170
#define IDD_SEVEREERROR_EN     171
#define IDD_UNKNOWNERROR_EN    172

/* Maintenance */
#define IDD_CLEAN_NORMAL_DE 200
#define IDD_CLEAN_NORMAL_EN 201
#define IDD_CLEAN_MEDIUM_DE 202
#define IDD_CLEAN_MEDIUM_EN 203
#define IDD_CLEAN_SUPER_DE  204
#define IDD_CLEAN_SUPER_EN  205
#define IDD_CALIBRATE_DE    210
#define IDD_CALIBRATE_EN    211
#define IDD_RESETCAL_EN     212
#define IDD_RESETCAL_DE     215

/* Ink warnings */
#define IDD_LOWINK_DE   206
#define IDD_LOWINK_EN   207
#define IDD_INKLEVEL_DE 208
#define IDD_INKLEVEL_EN 209

/* Program start */
#define IDD_START_DE 213
#define IDD_START_EN 214

/* Notices after a settings apply. The not-ready pair is named by the language
 * of its text: the German program runs CNotreadyEDlg on IDD_NOTREADY_DE (220),
 * the English one CNotreadyDlg on IDD_NOTREADY_EN (221). */
#define IDD_TRANSFER_DE 218
#define IDD_TRANSFER_EN 219
#define IDD_NOTREADY_DE 220
#define IDD_NOTREADY_EN 221

/* Driver online update */
#define IDD_UPDATE_DE      222
#define IDD_UPDATE_EN      223
#define IDD_UPDFOUND_DE    224
#define IDD_UPDFOUND_EN    225
#define IDD_NOUPDFOUND_EN  226
#define IDD_NOUPDFOUND_DE  227
#define IDD_UPDSUCCESS_DE  228
#define IDD_UPDSUCCESS_EN  229
#define IDD_UPDERROR_DE    231
#define IDD_UPDERROR_EN    232
#define IDD_UPDONLERROR_DE 233
#define IDD_UPDONLERROR_EN 234

/* ---- Main window (IDD_MAIN) --------------------------------------------- */
/* Printer choice */
#define IDC_SELECT_PRINTER 1020
#define IDC_PRINTER_LIST   1022
#define IDC_ONLINE_UPDATE  1021
/* Status */
#define IDC_STATUS_GROUP 1073
#define IDC_STATUS_LINE  1072
#define IDC_RAW_STATUS   1090
#define IDC_STATE_CODE   1092
#define IDC_STATE_CHARS  1096
/* Paper feed */
#define IDC_PAPERFEED_GROUP 1061
#define IDC_SECURE_FEED     1002
#define IDC_TOLERANCE_LABEL 1127
#define IDC_TOLERANCE       1003
#define IDC_TOLERANCE_SPIN  1004
#define IDC_TOLERANCE_MM    1123
/* Paper output */
#define IDC_PAPERDUMP_GROUP 1062
#define IDC_EJECTION_GROUP  1065
#define IDC_OUTPUT_BACK     1007
#define IDC_OUTPUT_FRONT    1008
#define IDC_DRYTIME_GROUP   1063
#define IDC_DRYTIME         1005
#define IDC_DRYTIME_SPIN    1006
#define IDC_SECONDS_LABEL   1064
/* Margins */
#define IDC_MARGINS_GROUP    1070
#define IDC_TOP_LABEL        1066
#define IDC_TOP_MARGIN       1009
#define IDC_TOP_MARGIN_SPIN  1010
#define IDC_TOP_MM           1124
#define IDC_LEFT_LABEL       1067
#define IDC_LEFT_MARGIN      1011
#define IDC_LEFT_MARGIN_SPIN 1012
#define IDC_LEFT_MM          1125
/* Print options and the ink-level popup option */
#define IDC_SENSOR_GROUP    1068
#define IDC_SENSOR_OFF      1013
#define IDC_INKBACKUP_GROUP 1069
#define IDC_INKBACKUP_ON    1014
#define IDC_INKPOPUP_GROUP  1126
#define IDC_INKPOPUP_ENABLE 1015
/* Ink levels (pen 1: black or photo; pen 2: colour) */
#define IDC_INK_GROUP    1081
#define IDC_PEN1_PICTURE 1079
#define IDC_PEN2_PICTURE 1080
#define IDC_PEN2_LABEL   1075
#define IDC_PEN1_LABEL   1076
#define IDC_PEN2_LEVEL   1077
#define IDC_PEN1_LEVEL   1078
/* Maintenance */
#define IDC_CLEANING_GROUP    1082
#define IDC_CLEAN_NORMAL      1042
#define IDC_CLEAN_MEDIUM      1054
#define IDC_CLEAN_SUPER       1083
#define IDC_CALIBRATION_GROUP 1117
#define IDC_CALIBRATE_START   1116
#define IDC_CALIBRATE_RESET   1118
/* Buttons, links and language flags (Cancel is IDCANCEL) */
#define IDC_SETTINGS_OK    1016
#define IDC_APPLY          1017
#define IDC_DEFAULTS       1019
#define ID_HELP            57670
#define IDC_MANUAL         1027
#define IDC_HOMEPAGE       1052
#define IDC_FLAG_DE        1059
#define IDC_FLAG_EN        1060
#define IDC_REFRESH        1048
#define IDC_TRAYICON_QUERY 1047

/* ---- About box (IDD_ABOUTBOX) ------------------------------------------- */
#define IDC_SUPPORT_LINK 1122

/* ---- Start dialogs and maintenance dialogs ------------------------------- */
#define IDC_PRINTER_TEXT   1084
#define IDC_START_PROGRESS 1085
#define IDC_WAIT_TEXT      1086
#define IDC_AUTOCLOSE_TEXT 1087
#define IDC_INSTRUCTION    1110
#define IDC_MAINT_STATE    1118

/* ---- Error popups: the number read by the last refresh ------------------- */
#define IDC_LID_VALUE             1094
#define IDC_OUTOFPAPER_VALUE      1095
#define IDC_PAPERJAM_VALUE        1097
#define IDC_CARRIAGESTALL_VALUE   1098
#define IDC_PAPERMOTORSTALL_VALUE 1099
#define IDC_PENFAILURE_VALUE      1100
#define IDC_SEVEREERROR_VALUE     1101
#define IDC_UNKNOWNERROR_VALUE    1102

/* ---- Low-ink warning (IDD_LOWINK_*): picture IDC_PEN1_PICTURE, label IDC_PEN1_LABEL */
#define IDC_LOWINK_LEVEL    1089
#define IDC_LOWINK_ACTIVITY 1092

/* ---- Ink-level popup (IDD_INKLEVEL_*): pen-1 level text is IDC_PEN1_LEVEL */
#define IDC_INKPOP_PEN1_PICTURE 1103
#define IDC_INKPOP_PEN2_PICTURE 1104
#define IDC_INKPOP_PEN2_LEVEL   1079
#define IDC_INKPOP_STATUS       1105
#define IDC_INKPOP_DONT_SHOW    1002
#define IDC_INKPOP_STATE        1106

/* ---- Driver update install (IDD_UPDFOUND_*) ------------------------------ */
#define IDC_UPDATE_STATUS 1119

/* ---- Bitmaps ------------------------------------------------------------- */
/* Decoration of the main window */
#define IDB_BANNER              131
#define IDB_PRINTER_PICTURE     132
#define IDB_PAPER_PICTURE       133
#define IDB_EMBLEM              138
#define IDB_CLEANING_PICTURE    145
#define IDB_CALIBRATION_PICTURE 146
/* Language flags */
#define IDB_FLAG_DE 150
#define IDB_FLAG_EN 151
/* Ink gauges, 70 x 70 at 8 bits per pixel, one per ten-percent bucket.
 * 166, 171, 182 and 193 belong to the set but are never shown. */
#define IDB_INK_UNUSED    166
#define IDB_PHOTO_10      167
#define IDB_PHOTO_20      168
#define IDB_PHOTO_30      169
#define IDB_PHOTO_40      170
#define IDB_PHOTO_UNUSED  171
#define IDB_PHOTO_50      172
#define IDB_PHOTO_60      173
#define IDB_PHOTO_70      174
#define IDB_PHOTO_80      175
#define IDB_PHOTO_90      176
#define IDB_PHOTO_100     177
#define IDB_COLOUR_10     178
#define IDB_COLOUR_20     179
#define IDB_COLOUR_30     180
#define IDB_COLOUR_40     181
#define IDB_COLOUR_UNUSED 182
#define IDB_COLOUR_50     183
#define IDB_COLOUR_60     184
#define IDB_COLOUR_70     185
#define IDB_COLOUR_80     186
#define IDB_COLOUR_90     187
#define IDB_COLOUR_100    188
#define IDB_BLACK_10      189
#define IDB_BLACK_20      190
#define IDB_BLACK_30      191
#define IDB_BLACK_40      192
#define IDB_BLACK_UNUSED  193
#define IDB_BLACK_50      194
#define IDB_BLACK_60      195
#define IDB_BLACK_70      196
#define IDB_BLACK_80      197
#define IDB_BLACK_90      198
#define IDB_BLACK_100     199
/* Pictures of the error popups */
#define IDB_CARRIAGE_STALL    209
#define IDB_COVER_OPEN        210
#define IDB_PAPER_JAM         211
#define IDB_PEN_FAILURE       212
#define IDB_PRINTER_ERROR     213
#define IDB_OUT_OF_PAPER      214
#define IDB_FORMFEED_PRINTER  215
#define IDB_FORMFEED_BUTTON   216
#define IDB_PAPER_MOTOR_STALL 217
/* Update search, and the ink picture when no printer is found */
#define IDB_UPDATE_SEARCH 235
#define IDB_NO_PRINTER    240

/* ---- Icons and cursor ---------------------------------------------------- */
#define IDI_APP                128
#define IDI_UPDATE_DONE        229
#define IDI_UPDATE_FAILED      230
#define IDI_UPDATE_UNAVAILABLE 234
#define IDC_CURSOR_HAND        236

/* ---- Menu, strings and commands ------------------------------------------ */
#define IDR_TRAY_MENU 239
#define IDS_ABOUTBOX  101
/* System-menu item "&Info über ZEV..." (the low four bits are ignored) */
#define ID_SYSCMD_ABOUT 16
/* Tray menu */
#define ID_TRAY_EXIT    32772
#define ID_TRAY_TOOLBOX 32773

#endif /* ZEV_RES_RESOURCE_H */
