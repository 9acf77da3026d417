/*
 * Window styles shared by the dialog templates of both languages, so that
 * twin windows cannot drift apart. Resource scripts only (uses the platform's
 * style constants from winresrc.h).
 */
#ifndef ZEV_RES_DIALOG_STYLES_H
#define ZEV_RES_DIALOG_STYLES_H

/* Error popups and the ink warnings: they must be seen at once, even while
 * another program has the focus. */
#define POPUP_STYLE \
    DS_SETFONT | DS_MODALFRAME | DS_SYSMODAL | DS_SETFOREGROUND | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU

/* The low-ink warning's OK minimises it, so it needs a way back. */
#define LOWINK_STYLE POPUP_STYLE | WS_MINIMIZEBOX

/* Everything the user opened himself: notices, maintenance, update. */
#define NOTICE_STYLE DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU

/* The program-start dialog comes up while the program is still hidden. */
#define START_STYLE NOTICE_STYLE | DS_SETFOREGROUND

#define MAIN_STYLE \
    DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX

/* Picture controls: a bitmap resource drawn at its own size. */
#define PICTURE_STYLE SS_BITMAP
#define FLAG_STYLE    SS_BITMAP | SS_NOTIFY

/* Spin buttons take the edit before them as buddy for the arrow keys but
 * never write into it: the program formats the value itself. */
#define SPIN_STYLE  UDS_ARROWKEYS | UDS_AUTOBUDDY | UDS_NOTHOUSANDS
#define HSPIN_STYLE SPIN_STYLE | UDS_HORZ

#endif /* ZEV_RES_DIALOG_STYLES_H */
