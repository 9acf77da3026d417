; Setup of ZEV Status: a per-user install that needs no administrator.
;
; The program keeps its settings (data.txt) next to its exe, so it must live in
; a folder the user can write: %LOCALAPPDATA%\Programs, not Program Files.
;
; Built by scripts/release.sh:
;   makensis -INPUTCHARSET UTF8 -DZEV_EXE=ZevStatus.exe -DZEV_HELP_DE=zev_help_de.chm -DZEV_HELP_EN=zev_help_en.chm
;            -DZEV_VERSION=6.11 -DZEV_OUT=setup.exe installer/zevstatus.nsi
; The help files come from docs/help through installer/make_chm.py.
; With -DZEV_SIGN="COMMAND", makensis runs COMMAND "FILE" on the uninstaller and
; on the finished setup, to sign them (installer/sign.sh).
;
; A running copy is closed the way its own tray menu's "Beenden" closes it: its
; main window is found by class and caption and gets the menu's exit command.
; Processes are never killed by name, which could hit someone else's program.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!ifndef ZEV_EXE
  !error "define ZEV_EXE, the path of the i686 ZevStatus.exe"
!endif
!ifndef ZEV_HELP_DE
  !error "define ZEV_HELP_DE, the compiled German help file (installer/make_chm.py)"
!endif
!ifndef ZEV_HELP_EN
  !error "define ZEV_HELP_EN, the compiled English help file (installer/make_chm.py)"
!endif
!ifndef ZEV_VERSION
  !error "define ZEV_VERSION, the program's version (major.minor)"
!endif
!ifndef ZEV_OUT
  !define ZEV_OUT "ZevStatus-${ZEV_VERSION}-setup.exe"
!endif
!ifdef ZEV_SIGN
  !uninstfinalize '${ZEV_SIGN} "%1"' = 0
  !finalize '${ZEV_SIGN} "%1"' = 0
!endif

!define PRODUCT_NAME   "ZEV Status"
!define PRODUCT_VER    "${ZEV_VERSION}"
!define PUBLISHER      "BRENLATO"
!define EXE_NAME       "ZevStatus.exe"
!define UNINSTALLER    "uninstall.exe"
!define SHORTCUT       "$SMPROGRAMS\${PRODUCT_NAME}.lnk"
!define UNINST_KEY     "Software\Microsoft\Windows\CurrentVersion\Uninstall\BRENLATO ZEV Status"
!define RUN_KEY        "Software\Microsoft\Windows\CurrentVersion\Run"
; Where Windows records that the user switched a Run entry off (Task Manager, Settings).
!define RUN_OFF_KEY    "Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
!define RUN_VALUE      "ZEV Status"
; The main window: a dialog (window class #32770) whose caption starts with this
; text in every language and version; the tray menu's "Beenden" command.
!define MAIN_CLASS     "#32770"
!define MAIN_CAPTION   "BRENLATO ZEV USB Status Client"
!define ID_TRAY_EXIT   32772
!define CLOSE_WAIT_MS  20000

Name "${PRODUCT_NAME} ${PRODUCT_VER}"
OutFile "${ZEV_OUT}"
InstallDir "$LOCALAPPDATA\Programs\${PUBLISHER}\${PRODUCT_NAME}"
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
BrandingText "${PUBLISHER} ${PRODUCT_NAME} ${PRODUCT_VER}"
VIProductVersion "${ZEV_VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT_NAME} ${PRODUCT_VER} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${PRODUCT_VER}"
VIAddVersionKey /LANG=0 "ProductVersion" "${PRODUCT_VER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define MUI_ICON   "..\src\res\art\app.ico"
!define MUI_UNICON "..\src\res\art\app.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the fallback for a Windows in neither language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

LangString SecProgram  ${LANG_ENGLISH} "${PRODUCT_NAME} (program)"
LangString SecProgram  ${LANG_GERMAN}  "${PRODUCT_NAME} (Programm)"
LangString SecAutorun  ${LANG_ENGLISH} "Start at log-on"
LangString SecAutorun  ${LANG_GERMAN}  "Bei der Anmeldung starten"
LangString Closing     ${LANG_ENGLISH} "Closing the running ${PRODUCT_NAME}..."
LangString Closing     ${LANG_GERMAN}  "Das laufende ${PRODUCT_NAME} wird beendet..."
; A copy showing a printer message (a paper jam, say) ends only once that message closes.
LangString StillRuns   ${LANG_ENGLISH} "${PRODUCT_NAME} is still running. If it shows a printer message, deal with it or close it; then choose Retry."
LangString StillRuns   ${LANG_GERMAN}  "${PRODUCT_NAME} läuft noch. Zeigt es eine Druckermeldung, beheben oder schließen Sie sie und wählen Sie dann Wiederholen."

LangString NotReplaced ${LANG_ENGLISH} "$INSTDIR\${EXE_NAME} could not be replaced or removed."
LangString NotReplaced ${LANG_GERMAN}  "$INSTDIR\${EXE_NAME} konnte nicht ersetzt oder entfernt werden."

; ---- Closing a running copy --------------------------------------------------
; Shared by the installer and the uninstaller (NSIS wants the latter's
; functions to start with "un.").
!macro CLOSE_RUNNING_COPY prefix
; Sends "Beenden" to every main window of ours and waits until its process has
; ended, so that its exe can be replaced or deleted. Sets the error flag when a
; copy is still running after the wait.
Function ${prefix}CloseRunningCopies
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  StrCpy $4 ""  ; "stays" once a copy outlives the wait
  StrCpy $0 0
  ${Do}
    FindWindow $0 "${MAIN_CLASS}" "" 0 $0
    ${IfThen} $0 == 0 ${|} ${ExitDo} ${|}
    System::Call 'user32::GetWindowTextW(p r0, w .r1, i 64) i'
    StrLen $2 "${MAIN_CAPTION}"
    StrCpy $1 $1 $2
    ${If} $1 == "${MAIN_CAPTION}"
      DetailPrint "$(Closing)"
      ; Opened before the command is sent, so that the process id cannot be
      ; reused in between.
      System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r2) i'
      System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r2) p .r3'
      SendMessage $0 ${WM_COMMAND} ${ID_TRAY_EXIT} 0 /TIMEOUT=${CLOSE_WAIT_MS}
      ${If} $3 P<> 0
        System::Call 'kernel32::WaitForSingleObject(p r3, i ${CLOSE_WAIT_MS}) i .r2'
        System::Call 'kernel32::CloseHandle(p r3)'
        ${IfThen} $2 != 0 ${|} StrCpy $4 stays ${|}
      ${Else}
        ; No handle on the process: the window's end is the best sign left.
        StrCpy $2 0
        ${Do}
          System::Call 'user32::IsWindow(p r0) i .r1'
          ${IfThen} $1 == 0 ${|} ${ExitDo} ${|}
          ${If} $2 >= ${CLOSE_WAIT_MS}
            StrCpy $4 stays
            ${ExitDo}
          ${EndIf}
          Sleep 100
          IntOp $2 $2 + 100
        ${Loop}
      ${EndIf}
      ; Asking again would only wait again: the caller decides.
      ${IfThen} $4 == stays ${|} ${ExitDo} ${|}
      StrCpy $0 0  ; the window list changed: start over
    ${EndIf}
  ${Loop}
  ClearErrors
  ${IfThen} $4 == stays ${|} SetErrors ${|}
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; Closes every running copy; if one stays, asks the user to end it (Retry) or
; gives up (Cancel, and always when silent).
Function ${prefix}CloseOrAbort
  ${Do}
    Call ${prefix}CloseRunningCopies
    ${IfNot} ${Errors}
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRuns)" /SD IDCANCEL IDRETRY retry
    Abort "$(StillRuns)"
    retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_COPY ""
!insertmacro CLOSE_RUNNING_COPY "un."

Function StartProgram
  ; The program finds its folder, and data.txt, from its own quoted path at
  ; the start of the command line.
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\${EXE_NAME}"'
FunctionEnd

; ---- Install -----------------------------------------------------------------
Section "$(SecProgram)" SecProgram
  SectionIn RO
  SetShellVarContext current
  Call CloseOrAbort

  SetOutPath "$INSTDIR"
  SetOverwrite on
  ; data.txt is the user's: it is not part of the setup, so an existing one is kept.
  ClearErrors
  File "/oname=${EXE_NAME}" "${ZEV_EXE}"
  ; A silent setup would otherwise carry on with the old exe in place.
  ${If} ${Errors}
    Abort "$(NotReplaced)"
  ${EndIf}
  ; The names F1 opens in the program's folder, after the language.
  File "/oname=zev_help_de.chm" "${ZEV_HELP_DE}"
  File "/oname=zev_help_en.chm" "${ZEV_HELP_EN}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE_NAME}" "" "$INSTDIR\${EXE_NAME}" 0

  ; The log-on entry is written by its own section when chosen; cleared here so
  ; that leaving it unticked on an update switches it off.
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"

  WriteRegStr   HKCU "${UNINST_KEY}" "DisplayName"          "${PRODUCT_NAME}"
  WriteRegStr   HKCU "${UNINST_KEY}" "DisplayVersion"       "${PRODUCT_VER}"
  WriteRegStr   HKCU "${UNINST_KEY}" "Publisher"            "${PUBLISHER}"
  WriteRegStr   HKCU "${UNINST_KEY}" "DisplayIcon"          "$INSTDIR\${EXE_NAME},0"
  WriteRegStr   HKCU "${UNINST_KEY}" "InstallLocation"      "$INSTDIR"
  WriteRegStr   HKCU "${UNINST_KEY}" "UninstallString"      '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr   HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(SecAutorun)" SecAutorun
  ; The full path in quotes: the program derives its folder from it.
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${EXE_NAME}"'
  ; Ticked again in the setup: undo a switch-off made in Windows' start-up list.
  DeleteRegValue HKCU "${RUN_OFF_KEY}" "${RUN_VALUE}"
SectionEnd

; ---- Uninstall ---------------------------------------------------------------
Section "Uninstall"
  SetShellVarContext current
  Call un.CloseOrAbort

  ; The exe goes first: while it cannot be deleted, the entries that lead to it stay.
  ClearErrors
  Delete "$INSTDIR\${EXE_NAME}"
  ${If} ${Errors}
    Abort "$(NotReplaced)"
  ${EndIf}
  Delete "${SHORTCUT}"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegValue HKCU "${RUN_OFF_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINST_KEY}"

  Delete "$INSTDIR\data.txt"
  Delete "$INSTDIR\zev_help_de.chm"
  Delete "$INSTDIR\zev_help_en.chm"
  ; Not shipped, but the program links to them when placed in its folder.
  Delete "$INSTDIR\Manual_ZEV_aktuell.pdf"
  Delete "$INSTDIR\Manual_ZEV_aktuell_Englisch.pdf"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Without /r: anything else the user put there stays, and so does its folder.
  RMDir "$INSTDIR"
  RMDir "$LOCALAPPDATA\Programs\${PUBLISHER}"
SectionEnd
