# Shared by scripts/run.sh and the Wine test scripts: a private X server, a Wine
# prefix of our own (64-bit Wine on this machine, or 32-bit Wine in the root of
# wine32_root.sh), and tidying both away again. Source it; it defines functions
# only.

XVFB_PID=

# Starts Xvfb on a free display and exports DISPLAY. $1: WIDTHxHEIGHT.
xvfb_start() {
  local geometry=$1 numfile
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${geometry}x24" -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [[ -s $numfile ]] && break
    if ! kill -0 "$XVFB_PID" 2>/dev/null; then
      rm -f "$numfile"
      echo "Xvfb did not start" >&2
      return 1
    fi
    sleep 0.1
  done
  [[ -s $numfile ]] || { rm -f "$numfile"; echo "Xvfb gave no display number" >&2; return 1; }
  export DISPLAY=":$(head -1 "$numfile")"
  rm -f "$numfile"
}

xvfb_stop() {
  if [[ -n $XVFB_PID ]]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# How Wine commands are run: directly (64-bit Wine on this machine) or inside
# the 32-bit root. Set by wine_env_init; used through wine_exec.
WINE_RUN=()

# wine_exec CMD...: runs wine, wineboot or wineserver for the current prefix.
wine_exec() { "${WINE_RUN[@]}" "$@"; }

# The Wine a Windows program needs: win32 for an i686 program, win64 otherwise
# (read from the machine field of its PE header).
wine_arch_of() {
  local exe=$1 pe machine
  pe=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
  machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$exe" | tr -d ' ')
  if [[ $machine == 014c ]]; then echo win32; else echo win64; fi
}

# Quiet, no prompts for the .NET and HTML engines (there is no network).
# $1: the prefix; $2: win64 (default, the machine's Wine) or win32 (the
# 32-bit root's Wine; the root is built first if it is missing).
wine_env_init() {
  export WINEPREFIX=$1
  export WINEARCH=${2:-win64}
  WINE_RUN=()
  if [[ $WINEARCH == win32 ]]; then
    source "$(dirname "${BASH_SOURCE[0]}")/wine32_root.sh"
    wine32_root_ensure || return 1
    WINE_RUN=(wine32_root_run_plain)
  fi
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$(dirname "$WINEPREFIX")"
}

# Creates the prefix once and gives the named virtual desktop a taskbar with a
# notification area. Later calls find the marker and return at once.
wine_warm_prefix() {
  local desktop=$1 marker=$WINEPREFIX/.zev-warm-$1
  [[ -f $marker ]] && return 0
  echo "wine: preparing prefix $WINEPREFIX (once)"
  wine_exec wineboot -u >/dev/null 2>&1 || true
  wine_exec wineserver -w
  wine_exec wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$desktop" /d 1024x768 /f >/dev/null 2>&1
  wine_exec wine reg add "HKCU\\Software\\Wine\\Explorer\\Desktops\\$desktop" /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
  wine_exec wineserver -w
  [[ -f $WINEPREFIX/system.reg ]] || { echo "wine: prefix $WINEPREFIX was not created" >&2; return 1; }
  touch "$marker"
}

# Sets the prefix's screen DPI ($1, Windows' LogPixels: 96 is 100 %, 144 is
# 150 %) and visual style ($2: "light", Wine's own theme, or "classic", none).
# Programs started afterwards see both.
wine_set_look() {
  local dpi=$1 theme=$2 tm='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
  wine_exec wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wine_exec wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  if [[ $theme == light ]]; then
    wine_exec wine reg add "$tm" /v ThemeActive /d 1 /f >/dev/null 2>&1
    wine_exec wine reg add "$tm" /v DllName /d 'C:\windows\resources\themes\light\light.msstyles' /f >/dev/null 2>&1
    wine_exec wine reg add "$tm" /v ColorName /d Blue /f >/dev/null 2>&1
    wine_exec wine reg add "$tm" /v SizeName /d NormalSize /f >/dev/null 2>&1
  else
    wine_exec wine reg add "$tm" /v ThemeActive /d 0 /f >/dev/null 2>&1
  fi
  wine_exec wineserver -w
}

# Ends every Wine process of our prefix (and only of our prefix).
wine_stop() {
  [[ -n ${WINEPREFIX:-} && -d $WINEPREFIX ]] || return 0
  wine_exec wineserver -k >/dev/null 2>&1 || true
  wine_exec timeout 30 wineserver -w >/dev/null 2>&1 || true
}

# The Windows path of a Unix path: Wine maps the Unix root to drive Z:.
unix_to_wine() {
  local p=$1
  printf 'Z:%s' "${p//\//\\}"
}

# wait_for SECONDS COMMAND...: polls the command until it succeeds.
wait_for() {
  local until=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < until)) || return 1
    sleep 0.25
  done
}

# wine_find_pid PATTERN: the process id of this prefix's process whose program
# name (argv[0]) matches the shell pattern; other Wine sessions on the machine
# are not ours.
wine_find_pid() {
  local dir pid name
  for dir in /proc/[0-9]*; do
    pid=${dir#/proc/}
    name=$( { head -z -n1 "$dir/cmdline" | tr -d '\0'; } 2>/dev/null) || continue
    # shellcheck disable=SC2053  # $1 is a pattern on purpose
    [[ $name == $1 ]] || continue
    tr '\0' '\n' <"$dir/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return 0; }
  done
  return 1
}
