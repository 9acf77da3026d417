#!/usr/bin/env bash
# Builds ZevStatus.exe (i686, in the 32-bit Wine root) and runs it under Wine with the built-in
# printer emulator (ZEV_EMULATOR=demo), in a Wine virtual desktop that has a
# taskbar with a notification area.
#
#   bash scripts/run.sh            # the program
#   bash scripts/run.sh docs       # the tour below, always on a private Xvfb, and
#                                  # docs/main-window.png (the README's picture) remade
#
# With a display the program runs until you end it ("Beenden" in the tray
# icon's menu). Without one, an Xvfb server is started and the script tours the
# program as a user would (tray icon, its menu, "ZEV Toolbox"), saving
# screenshots in build/screenshots/, and then ends it.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
what=${1:-program}
docs=0
[[ $what == docs ]] && docs=1 what=program
geometry=${ZEV_GEOMETRY:-1024x768}
width=${geometry%x*} height=${geometry#*x}
desktop=ZEV
shots=$root/build/screenshots

bash scripts/setup.sh
mkdir -p build
# The i686 program, the one users get, runs in the 32-bit Wine root; building
# and entering that root needs root, so anyone else gets the x86_64 build.
preset=win32
[[ $(id -u) -eq 0 ]] || preset=win64
cmake --preset $preset >build/run-configure.log 2>&1 || { cat build/run-configure.log; exit 1; }
cmake --build --preset $preset --target ZevStatus -j2
exe=$root/build/$preset/ZevStatus.exe
main_caption='^BRENLATO ZEV USB Status Client'
[[ -f $exe ]] || { echo "run: $exe was not built" >&2; exit 1; }

# ZEV_DPI (96 = 100 %, 144 = 150 %) and ZEV_THEME (classic or light) choose
# the look; each look has a prefix of its own, prepared once.
dpi=${ZEV_DPI:-96} theme=${ZEV_THEME:-classic}
look=
[[ $dpi == 96 && $theme == classic ]] || look=-$dpi-$theme
shots=$shots$look
source scripts/lib/wine_env.sh
wine_env_init "$root/build/$preset/wineprefix-run$look" "$(wine_arch_of "$exe")"
export ZEV_EMULATOR=${ZEV_EMULATOR:-demo}

tour=0
if [[ -z ${DISPLAY:-} ]] || ((docs)); then
  tour=1
  xvfb_start "$geometry"
fi
trap 'wine_stop; xvfb_stop' EXIT
wine_warm_prefix "$desktop"
if [[ -n $look && ! -f $WINEPREFIX/.zev-look ]]; then
  wine_set_look "$dpi" "$theme"
  touch "$WINEPREFIX/.zev-look"
fi

echo "run: $(basename "$exe") with ZEV_EMULATOR=$ZEV_EMULATOR on DISPLAY=$DISPLAY"
# Started from its own folder through "start", which hands the program its quoted
# full path as Explorer would (the program finds its folder, and data.txt, from it).
(cd "$(dirname "$exe")" && wine_exec wine explorer "/desktop=$desktop,$geometry" start /unix "$exe") \
  >"$root/build/run-wine.log" 2>&1 &
wine_pid=$!

if ((!tour)); then
  wait "$wine_pid" || true
  exit 0
fi

# --- Tour without a display ---------------------------------------------------
mkdir -p "$shots"
rm -f "$shots"/run-*.png
shot() { import -display "$DISPLAY" -window root "$shots/run-$1.png" && echo "run: saved $shots/run-$1.png"; }
window_exists() { xdotool search --name "$main_caption"; }
window_visible() { xdotool search --onlyvisible --name "$main_caption"; }
wm_class=$(basename "$exe" | tr '[:upper:]' '[:lower:]')   # Wine names the X windows' class so
menu_appeared() {
  menu=$(diff <(echo "$before") <(program_windows) | sed -n 's/^> //p' | head -1)
  [[ -n $menu ]]
}

if ! wait_for 90 window_exists; then
  shot 1-no-window || true
  echo "run: no window of $(basename "$exe") appeared; wine log: build/run-wine.log" >&2
  exit 1
fi

# A ready printer is greeted by the start dialog, which closes by itself.
start_dialog_gone() { ! xdotool search --onlyvisible --name '^BRENLATO ZEV Programmstart' >/dev/null 2>&1; }
sleep 3   # the start-up pass has no outward sign to poll for before the first picture
shot 1-started
wait_for 15 start_dialog_gone || echo "run: the start dialog is still open" >&2

# The tray icon is the first one at the right end of the taskbar. Its menu is
# a new window of the program; "ZEV Toolbox" is the upper of its two items.
# (Keys typed with xdotool do not reach Wine's menus, so the item is clicked.)
program_windows() { xwininfo -root -tree | grep -F "(\"$wm_class\" " | grep -v ' 1x1+' || true; }
before=$(program_windows)
xdotool mousemove $((width - 11)) $((height - 10)) click 3
menu=
wait_for 10 menu_appeared || true
shot 2-tray-menu
if [[ -z $menu ]]; then
  echo "run: the tray icon's menu did not open" >&2
  exit 1
fi
read -r mw mh mx my < <(sed -E 's/.* ([0-9]+)x([0-9]+)\+(-?[0-9]+)\+(-?[0-9]+) .*/\1 \2 \3 \4/' <<<"$menu")
xdotool mousemove $((mx + mw / 2)) $((my + mh / 4)) click 1
if wait_for 15 window_visible; then
  sleep 1   # let the first status poll fill the window
  shot 3-main-window
  echo "run: the main window is open (screenshots in $shots)"
  if ((docs)); then
    # The window alone; without time chunks, so an unchanged window gives an unchanged file.
    import -display "$DISPLAY" -window "$(window_visible | head -1)" -strip -define png:exclude-chunks=date,time \
      "$root/docs/main-window.png"
    echo "run: saved docs/main-window.png"
  fi
else
  shot 3-no-main-window || true
  echo "run: the main window did not open from the tray menu" >&2
  exit 1
fi
