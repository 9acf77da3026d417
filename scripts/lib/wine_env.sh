# Shared by scripts/run.sh and tests/wine/run-e2e.sh: a private X server, a Wine
# prefix of our own, and tidying both away again. Source it; it defines functions
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

# Quiet, 64-bit, no prompts for the .NET and HTML engines (there is no network).
wine_env_init() {
  export WINEPREFIX=$1
  export WINEARCH=win64
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
  wineboot -u >/dev/null 2>&1 || true
  wineserver -w
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$desktop" /d 1024x768 /f >/dev/null 2>&1
  wine reg add "HKCU\\Software\\Wine\\Explorer\\Desktops\\$desktop" /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
  wineserver -w
  [[ -f $WINEPREFIX/system.reg ]] || { echo "wine: prefix $WINEPREFIX was not created" >&2; return 1; }
  touch "$marker"
}

# Ends every Wine process of our prefix (and only of our prefix).
wine_stop() {
  [[ -n ${WINEPREFIX:-} && -d $WINEPREFIX ]] || return 0
  wineserver -k >/dev/null 2>&1 || true
  timeout 30 wineserver -w >/dev/null 2>&1 || true
}

# The Windows path of a Unix path: Wine maps the Unix root to drive Z:.
unix_to_wine() {
  local p=$1
  printf 'Z:%s' "${p//\//\\}"
}
