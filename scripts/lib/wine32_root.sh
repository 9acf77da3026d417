# shellcheck shell=bash
# A 32-bit Debian root with 32-bit Wine, for running the i686 programs: the
# 32-bit Wine packages cannot be installed beside the 64-bit ones on the build
# machines, but they install fine inside a root of their own. Source it; it
# defines functions only.
#
#   wine32_root_ensure        builds the root once, and brings an older one up
#                             to date in place (later calls cost nothing)
#   wine32_root_run CMD...    runs CMD inside the root (with the repository and
#                             the X sockets reachable at their usual paths)
#
# The root lives outside the clone (ZEV_WINE32_ROOT, default
# /var/cache/zev-wine32) so that every clone and worktree shares it. Every
# mount is made in a private mount namespace that ends with the command: no
# mount outlives it or is seen by anyone else, so concurrent users cannot
# unmount each other's, and removing the root never reaches into host folders.

ZEV_WINE32_ROOT=${ZEV_WINE32_ROOT:-/var/cache/zev-wine32}
# The folder bind-mounted at its own path inside the root: the repository, so
# build outputs, Wine prefixes and logs have the same paths inside and out.
ZEV_WINE32_SHARE=${ZEV_WINE32_SHARE:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
ZEV_WINE32_PACKAGES=(wine wine32 xvfb xauth)
ZEV_WINE32_SUITE=bookworm
ZEV_WINE32_MIRROR=http://deb.debian.org/debian

# Wine draws the caption buttons, check marks and scroll arrows with glyphs of
# its own font Marlett. fonts-wine puts it in /usr/share/wine/fonts, but this
# Wine asks for its data fonts at "Z:\usr\share\wine\..\fonts\", a path with
# ".." that the NT layer refuses, so they never load and the buttons show the
# letters "0 1 r". Wine also takes every font fontconfig knows: the font is
# linked into fontconfig's local folder and the cache refreshed. Added in
# place, so that a root built before this (a cached one in CI) gets it too;
# prefixes made before pick it up at their next start.
ZEV_WINE32_FONT_PACKAGES=(fonts-wine fontconfig)
ZEV_WINE32_MARLETT=/usr/local/share/fonts/wine/marlett.ttf

wine32_root_marker() { printf '%s/.zev-root-ready' "$ZEV_WINE32_ROOT"; }
wine32_root_fonts_marker() { printf '%s/.zev-root-fonts' "$ZEV_WINE32_ROOT"; }

# What a finished root's marker holds: a changed package list rebuilds it.
wine32_root_recipe() { printf '%s %s %s\n' "$ZEV_WINE32_SUITE" "$ZEV_WINE32_MIRROR" "${ZEV_WINE32_PACKAGES[*]}"; }

wine32_root_ready() {
  local marker
  marker=$(wine32_root_marker)
  [[ -f $marker && $(cat "$marker") == "$(wine32_root_recipe)" ]]
}

# Builds the root unless a finished one is there. A root without its marker
# (an interrupted build) is removed and built again; the build happens in a
# side folder and is moved into place only when complete. Concurrent callers
# wait for each other on a lock.
wine32_root_ensure() {
  wine32_root_ready && wine32_root_fonts_ready && return 0
  local lock=$ZEV_WINE32_ROOT.lock
  mkdir -p "$(dirname "$ZEV_WINE32_ROOT")"
  (
    flock 9
    wine32_root_ready || wine32_root_adopt || wine32_root_build || exit 1
    wine32_root_fonts_ready || wine32_root_add_fonts
  ) 9>"$lock"
}

wine32_root_fonts_ready() {
  [[ -f $(wine32_root_fonts_marker) && -e $ZEV_WINE32_ROOT$ZEV_WINE32_MARLETT ]]
}

# Installs the font packages that are missing (with fresh package lists only
# when the root's are too old to find them), links Marlett where fontconfig
# looks and rebuilds fontconfig's cache. Running it again changes nothing.
wine32_root_add_fonts() {
  local root=$ZEV_WINE32_ROOT log=$ZEV_WINE32_ROOT.fonts.log p missing=()
  for p in "${ZEV_WINE32_FONT_PACKAGES[@]}"; do
    chroot "$root" dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "wine32 root: adding ${missing[*]} to $root"
    local install=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -q
      --no-install-recommends "${missing[@]}")
    { wine32_root_run_plain "${install[@]}" </dev/null ||
      { wine32_root_run_plain apt-get update -q && wine32_root_run_plain "${install[@]}" </dev/null; }; } >"$log" 2>&1 ||
      { echo "wine32 root: installing ${missing[*]} failed; log $log" >&2; tail -20 "$log" >&2; return 1; }
    wine32_root_run_plain apt-get clean
  fi
  wine32_root_run_plain sh -c 'mkdir -p "$(dirname "$1")" && ln -sfn /usr/share/wine/fonts/marlett.ttf "$1" &&
    fc-cache "$(dirname "$1")" && fc-list : family | grep -qx Marlett' sh "$ZEV_WINE32_MARLETT" >>"$log" 2>&1 ||
    { echo "wine32 root: fontconfig does not list Marlett; log $log" >&2; return 1; }
  : >"$(wine32_root_fonts_marker)"
  rm -f "$log"
}

# A root made by hand with the same recipe, or one whose marker predates it,
# is kept when every package is installed and Wine starts in it.
wine32_root_adopt() {
  local root=$ZEV_WINE32_ROOT p
  [[ -x $root/usr/bin/dpkg-query ]] || return 1
  for p in "${ZEV_WINE32_PACKAGES[@]}"; do
    chroot "$root" dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || return 1
  done
  wine32_root_run_plain wine --version >/dev/null 2>&1 || return 1
  wine32_root_recipe >"$(wine32_root_marker)"
  echo "wine32 root: using the existing root at $root"
}

wine32_root_build() {
  local root=$ZEV_WINE32_ROOT new=$ZEV_WINE32_ROOT.new
  command -v debootstrap >/dev/null || { echo "wine32 root: debootstrap is not installed" >&2; return 1; }
  wine32_root_remove "$new" || return 1
  echo "wine32 root: building $root (once; about a minute)"
  # debootstrap mounts /proc and /sys in the new root itself: in a namespace of
  # its own, those mounts end with it even when it fails half-way.
  unshare --mount --propagation private -- \
    debootstrap --arch=i386 --variant=minbase "$ZEV_WINE32_SUITE" "$new" "$ZEV_WINE32_MIRROR" \
    >"$new.log" 2>&1 || { echo "wine32 root: debootstrap failed; log $new.log" >&2; tail -20 "$new.log" >&2; return 1; }
  ZEV_WINE32_ROOT=$new wine32_root_run_plain env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${ZEV_WINE32_PACKAGES[@]}" </dev/null >>"$new.log" 2>&1 \
    || { echo "wine32 root: package install failed; log $new.log" >&2; tail -20 "$new.log" >&2; return 1; }
  ZEV_WINE32_ROOT=$new wine32_root_run_plain wine --version >>"$new.log" 2>&1 \
    || { echo "wine32 root: wine does not start in the new root; log $new.log" >&2; return 1; }
  ZEV_WINE32_ROOT=$new wine32_root_run_plain apt-get clean
  wine32_root_recipe >"$new/.zev-root-ready"
  wine32_root_remove "$root" || return 1
  mv "$new" "$root"
  rm -f "$new.log"
  echo "wine32 root: ready at $root"
}

# Removes a root folder, refusing when anything is mounted below it (that would
# delete the mounted host files too).
wine32_root_remove() {
  local dir=$1
  [[ $dir == /*/* && $dir != *..* ]] || { echo "wine32 root: refusing to remove '$dir'" >&2; return 1; }
  [[ -e $dir ]] || return 0
  if findmnt -rn -o TARGET | grep -qF -- "$dir/"; then
    echo "wine32 root: something is mounted below $dir; not removing it" >&2
    return 1
  fi
  rm -rf --one-file-system -- "$dir"
}

# Runs CMD inside the root with /proc, /dev (and /dev/pts) and the X socket
# folder mounted, and ZEV_WINE32_SHARE at its own path. The environment is
# kept (WINEPREFIX, DISPLAY, ZEV_*), with a PATH of the root's own. The
# command's process id is the one of the command itself (no extra parent),
# so callers may wait for it or signal it.
wine32_root_run() {
  wine32_root_ensure || return 1
  wine32_root_run_plain "$@"
}

wine32_root_run_plain() {
  local root=$ZEV_WINE32_ROOT share=$ZEV_WINE32_SHARE
  [[ -d $root/proc && -d $share ]] || { echo "wine32 root: no root at $root or no folder $share" >&2; return 1; }
  # Xvfb creates this folder when it starts; it must exist to be mounted.
  [[ -d /tmp/.X11-unix ]] || install -d -m 1777 /tmp/.X11-unix
  # A display of a desktop session may need its authority file; it is mounted
  # at its own path too.
  local xauth=${XAUTHORITY:-${HOME:-/root}/.Xauthority}
  [[ -f $xauth ]] || xauth=
  # The command starts in the caller's folder when that exists inside too.
  XAUTHORITY=${xauth:-${XAUTHORITY:-}} unshare --mount --propagation private -- /bin/bash -c '
    set -e
    root=$1 share=$2 cwd=$3 xauth=$4
    shift 4
    mount --rbind /proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mkdir -p "$root/tmp/.X11-unix" "$root$share"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    mount --rbind "$share" "$root$share"
    if [[ -n $xauth && $xauth != "$share"/* ]]; then
      mkdir -p "$root$(dirname "$xauth")"
      touch "$root$xauth"
      mount --bind "$xauth" "$root$xauth"
    fi
    exec chroot "$root" /usr/bin/env -u XDG_RUNTIME_DIR -u LD_PRELOAD \
      PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin \
      /bin/sh -c '"'"'cd "$0" 2>/dev/null || cd /; exec "$@"'"'"' "$cwd" "$@"
  ' wine32-root "$root" "$share" "$PWD" "$xauth" "$@"
}
