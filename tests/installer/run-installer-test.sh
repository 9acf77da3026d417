#!/usr/bin/env bash
# End-to-end test of the setup (installer/zevstatus.nsi) in 32-bit Wine, with
# the i686 product:
#
#   bash tests/installer/run-installer-test.sh [ZevStatus.exe]   (default build/win32/ZevStatus.exe)
#
# 1. A silent install writes every file (the help files too), the shortcut and
#    every registry value.
# 2. The Run value is started as at log-on: wineboot's log-on pass hands it to
#    CreateProcess, as Explorer does. The tray icon appears (its menu is the
#    program's) and data.txt is created in the install folder. F1 in the main
#    window opens the German help file there.
# 3. A second setup, of a different exe, installs over the running copy: the
#    copy is closed, data.txt is kept and the exe is replaced. Over a copy that
#    does not end (it shows a printer message), the setup fails and changes
#    nothing.
# 4. F1 in the English window opens the English help file. A silent
#    uninstall, with the program running again, leaves nothing of ours: the
#    files and HKCU are listed before and after.
#
# Wine has no HTML engine offline here (Debian ships no Gecko for it), so it
# cannot show a help page: the test gives .chm files a handler that writes down
# the file it was asked to open, and checks that file.
#
# Everything runs in a private Xvfb and a Wine prefix of its own under
# build/installer-test/, made afresh each run. Logs and a screenshot on failure
# go there too.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
exe=$(realpath "${1:-build/win32/ZevStatus.exe}")
work=$root/build/installer-test
geometry=1024x768
width=${geometry%x*} height=${geometry#*x}
desktop=SETUPTEST
[[ -f $exe ]] || { echo "installer-test: no exe at $exe (build the win32 preset)" >&2; exit 2; }

source scripts/lib/wine_env.sh
wine_env_init "$work/prefix" win32   # the 32-bit root's Wine
# No desktop menu entries written into the shared root for our shortcut.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
# One ready, idle printer. (The demo prints and jams: a copy showing a printer
# message ends, on "Beenden" as on the setup's request, only when the message
# closes itself, which would make the timing of steps 3 and 4 matter.)
export ZEV_EMULATOR
ZEV_EMULATOR=$(unix_to_wine "$work/idle-printer.txt")

w() { wine_exec "$@"; }
log() { echo "installer-test: $*"; }
failures=0
check() {  # check WHAT COMMAND...: one verdict line per check
  local what=$1; shift
  if "$@"; then echo "  ok    $what"; else echo "  FAIL  $what"; failures=$((failures + 1)); fi
}
cleanup() {
  wine_stop
  xvfb_stop
}
trap cleanup EXIT

# ---- Two setups: the product, and a copy that differs by one trailing byte ---
# (an overlay the loader ignores), so that an update can be told from the old exe.
version=$(sed -nE 's/^project\(ZevStatus VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
wine_stop   # a run that was cut short
rm -rf "$work"
mkdir -p "$work/v2"
echo 'printer A1 state=0 activity=0 pen1=1:80 pen2=2:60' >"$work/idle-printer.txt"
echo 'printer A1 state=14 activity=0 pen1=1:80 pen2=2:60' >"$work/jammed-printer.txt"
cp "$exe" "$work/v2/ZevStatus.exe"
printf '\n' >>"$work/v2/ZevStatus.exe"
for lang in de en; do
  python3 installer/make_chm.py docs/help "$lang" "$work/zev_help_$lang.chm" 315532800
done
for v in 1 2; do
  src=$exe; ((v == 2)) && src=$work/v2/ZevStatus.exe
  (cd installer && makensis -V2 -INPUTCHARSET UTF8 "-DZEV_EXE=$src" "-DZEV_VERSION=$version" \
    "-DZEV_HELP_DE=$work/zev_help_de.chm" "-DZEV_HELP_EN=$work/zev_help_en.chm" \
    "-DZEV_OUT=$work/setup-$v.exe" zevstatus.nsi) >"$work/makensis-$v.log"
done

# ---- The prefix: every program in one virtual desktop with a taskbar ---------
xvfb_start "$geometry"
log "prefix $WINEPREFIX on DISPLAY=$DISPLAY"
w wineboot -i >"$work/wineboot.log" 2>&1
{
  w wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d "$desktop" /f
  w wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$desktop" /d "$geometry" /f
  w wine reg add "HKCU\\Software\\Wine\\Explorer\\Desktops\\$desktop" /v EnableShell /t REG_DWORD /d 1 /f
  # What the shell's "open" on a .chm starts: a note of the file instead of a viewer.
  w wine reg add 'HKCR\.chm' /ve /d ZevTest.HelpFile /f
  w wine reg add 'HKCR\ZevTest.HelpFile\shell\open\command' /ve /d 'cmd.exe /c echo %1>C:\help-opened.txt' /f
} >>"$work/wineboot.log" 2>&1
help_note=$WINEPREFIX/drive_c/help-opened.txt

user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)
user=$(basename "$user_dir")
inst=$user_dir/AppData/Local/Programs/BRENLATO/ZEV\ Status
inst_w="C:\\users\\$user\\AppData\\Local\\Programs\\BRENLATO\\ZEV Status"
shortcut=$user_dir/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/ZEV\ Status.lnk
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninst_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\BRENLATO ZEV Status'

# reg_value KEY NAME: the value's data as "reg query" prints it (REG_DWORD as 0x...).
reg_value() {
  w wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    sed -nE "s/^ +$(sed 's/[][\.*^$/]/\\&/g' <<<"$2") +REG_[A-Z_]+ +//p"
}
# Listings of the prefix's files (the user's folders and the Start menu) and of HKCU.
snapshot() {
  (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -print | sort) >"$work/files-$1.txt"
  w wine reg query HKCU /s 2>/dev/null | tr -d '\r' >"$work/hkcu-$1.txt"
}
ours() { grep -hiE 'zev ?status|brenlato' "$@"; }
main_window() { xdotool search --name '^BRENLATO ZEV USB Status Client' >/dev/null; }
no_main_window() { ! main_window >/dev/null 2>&1; }
shot() { import -display "$DISPLAY" -window root "$work/$1.png" 2>/dev/null || true; }
logon() { w wine wineboot >>"$work/logon.log" 2>&1; }

snapshot 0-fresh

# ---- 1. Silent install ---------------------------------------------------------
log "1. silent install"
rc=0; w wine "$work/setup-1.exe" /S >"$work/install-1.log" 2>&1 || rc=$?
check "the setup ends with exit code 0 ($rc)" test $rc = 0
check "the install folder holds exactly the exe, the uninstaller and the help files" \
  test "$(cd "$inst" && LC_ALL=C ls -A | tr '\n' ' ')" = "ZevStatus.exe uninstall.exe zev_help_de.chm zev_help_en.chm "
check "the installed exe is the product" cmp -s "$inst/ZevStatus.exe" "$exe"
for lang in de en; do
  check "zev_help_$lang.chm is the compiled help" cmp -s "$inst/zev_help_$lang.chm" "$work/zev_help_$lang.chm"
done
check "a Start-menu shortcut exists" test -s "$shortcut"
q='"'
while IFS='|' read -r key name want; do
  got=$(reg_value "$key" "$name")
  check "$name = $want" test "$got" = "$want"
done <<EOF
$run_key|ZEV Status|$q$inst_w\\ZevStatus.exe$q
$uninst_key|DisplayName|ZEV Status
$uninst_key|DisplayVersion|$version
$uninst_key|Publisher|BRENLATO
$uninst_key|DisplayIcon|$inst_w\\ZevStatus.exe,0
$uninst_key|InstallLocation|$inst_w
$uninst_key|UninstallString|$q$inst_w\\uninstall.exe$q
$uninst_key|QuietUninstallString|$q$inst_w\\uninstall.exe$q /S
$uninst_key|NoModify|0x1
$uninst_key|NoRepair|0x1
EOF
size_kb=$(($(reg_value "$uninst_key" EstimatedSize)))
files_kb=$(du -sk --apparent-size "$inst" | cut -f1)
check "EstimatedSize ($size_kb KB) is the folder's size ($files_kb KB)" test $((size_kb - files_kb)) -ge -8 -a $((size_kb - files_kb)) -le 8

# ---- 2. Start at log-on --------------------------------------------------------
log "2. the Run value started as at log-on"
logon
check "the program's main window exists" wait_for 60 main_window
check "data.txt is created in the install folder" wait_for 30 test -s "$inst/data.txt"
# The start dialog closes by itself; then no window of the program is visible.
# The icon is the only one in the notification area; its menu opens on a
# right-button press and is a window of the program.
program_visible() { xdotool search --onlyvisible --classname zevstatus.exe; }
nothing_visible() { ! program_visible >/dev/null 2>&1; }
tray_menu() { xdotool mousemove $((width - 11)) $((height - 10)) click 3; wait_for 5 program_visible; }
check "the start dialog closes" wait_for 30 nothing_visible
check "the tray icon opens the program's menu" wait_for 30 tray_menu
shot 2-tray-menu
xdotool mousemove $((width / 2)) $((height / 3)) click 1   # closes the menu
check "the menu closes again" wait_for 10 nothing_visible

# help_opens LANG: "ZEV Toolbox" opens the main window (the menu's upper item;
# Wine's menus take no keys from xdotool, so it is clicked); F1 there must open
# the language's help file, and that file must be installed.
# geometry WINDOW: its left, top, width and height on the screen. (xwininfo,
# not xdotool: inside Wine's desktop window xdotool reports twice the offset.)
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
# open_toolbox: one try at "ZEV Toolbox" from the icon's menu.
open_toolbox() {
  local before menu
  wait_for 30 nothing_visible || { echo "    a window of the program stays open"; return 1; }
  before=$(program_visible || true)
  # Right after a start the icon may not take clicks yet: asked again, as above.
  wait_for 30 tray_menu || { echo "    the tray menu did not open"; return 1; }
  menu=$(comm -13 <(sort <<<"$before") <(program_visible | sort) | head -1)
  [[ -n $menu ]] || { echo "    no new window for the menu"; return 1; }
  read -r X Y WIDTH HEIGHT < <(geometry "$menu")
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 4)) click 1
  wait_for 15 main_window_visible
}
help_opens() {
  local opened try
  # Right after a log-on start the start dialog may come up only after the
  # program looked idle, and the "menu" clicked is then that dialog: the
  # click goes elsewhere, so whatever opened is closed and the menu asked again.
  for try in 1 2 3; do
    open_toolbox && break
    echo "    try $try: the main window did not open"
    xdotool mousemove $((width / 2)) $((height / 3)) click 1
  done
  main_window_visible >/dev/null || { echo "    the main window did not open"; return 1; }
  # There is no window manager to activate it: a click on its caption does.
  read -r X Y WIDTH HEIGHT < <(geometry "$(main_window_visible | head -1)")
  rm -f "$help_note"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 8)) click 1 sleep 0.5 key F1
  wait_for 15 test -s "$help_note" || { echo "    F1 opened nothing"; return 1; }
  opened=$(tr -d '\r' <"$help_note" | sed 's/ *$//')
  echo "    F1 opened $opened"
  [[ $opened == "$inst_w\\zev_help_$1.chm" && -s $inst/zev_help_$1.chm ]]
}
main_window_visible() { xdotool search --onlyvisible --name '^BRENLATO ZEV USB Status Client'; }
check "F1 in the German window opens the installed zev_help_de.chm" help_opens de
shot 2-help

# ---- 3. Install over the running copy --------------------------------------------
log "3. install over the running copy"
printf '0 1' >"$inst/data.txt"   # the user's choice: no ink-level popup, English
rc=0; w wine "$work/setup-2.exe" /S >"$work/install-2.log" 2>&1 || rc=$?
check "the second setup ends with exit code 0 ($rc)" test $rc = 0
check "the running copy was closed" wait_for 10 no_main_window
check "data.txt is kept" test "$(cat "$inst/data.txt")" = "0 1"
check "the exe is replaced" cmp -s "$inst/ZevStatus.exe" "$work/v2/ZevStatus.exe"

# ---- 3b. A copy that does not end ------------------------------------------------
# Showing a paper jam that never clears, the program ends only when that message
# does. The setup must give up, change nothing and leave the program running.
log "3b. install over a copy that does not end"
check "the silent install did not start the program" no_main_window
jam_popup() { xdotool search --onlyvisible --name '^(Papierstau|Paper Jam)$'; }
ZEV_EMULATOR=$(unix_to_wine "$work/jammed-printer.txt") logon
check "the program shows its paper jam message" wait_for 60 jam_popup
rc=0; w wine "$work/setup-1.exe" /S >"$work/install-3.log" 2>&1 || rc=$?
check "the setup fails ($rc)" test $rc != 0
check "the program still runs" main_window
check "the exe is not replaced" cmp -s "$inst/ZevStatus.exe" "$work/v2/ZevStatus.exe"
check "data.txt is untouched" test "$(cat "$inst/data.txt")" = "0 1"
wine_stop   # the test ends it; a setup never would

# ---- 4. Silent uninstall ---------------------------------------------------------
log "4. silent uninstall, with the program running"
logon
check "the program runs again" wait_for 60 main_window
check "F1 in the English window opens the installed zev_help_en.chm" help_opens en
snapshot 1-installed
w wine "$inst_w\\uninstall.exe" /S >"$work/uninstall.log" 2>&1
# The uninstaller runs on from a copy in the temp folder and returns at once.
check "the install folder is removed" wait_for 60 test ! -e "$inst"
check "the running copy was closed" wait_for 10 no_main_window
wine_stop   # HKCU is read back only once the uninstaller has finished
snapshot 2-uninstalled
echo "  files and HKCU keys of ours before the uninstall:"
ours "$work/files-1-installed.txt" "$work/hkcu-1-installed.txt" | sed 's/^/    /' || true
none_of_ours() { ! ours "$1" >/dev/null; }
check "nothing of ours is left in the files" none_of_ours "$work/files-2-uninstalled.txt"
check "nothing of ours is left in HKCU" none_of_ours "$work/hkcu-2-uninstalled.txt"
check "the BRENLATO folder is removed" test ! -e "$(dirname "$inst")"
# Expected here: the Programs folder the setup created, and the copy of the
# uninstaller it ran from in the temp folder (it cannot delete itself).
echo "  new since the fresh prefix, after the uninstall:"
comm -13 "$work/files-0-fresh.txt" "$work/files-2-uninstalled.txt" | sed 's/^/    /' | head -20

if ((failures)); then
  shot failure
  log "FAILED ($failures checks; logs in $work)"
  exit 1
fi
log "ok"
