#!/usr/bin/env bash
# Installs everything the builds and tests need on Debian 12, and the 32-bit
# Wine root. Safe to run again: packages already present are not touched, the
# package lists are only refreshed when something is missing, and a finished
# root is kept.
set -euo pipefail

packages=(
  # native build and headless tests
  cmake ninja-build g++ git libgtest-dev libgmock-dev googletest libbenchmark-dev
  libcurl4-openssl-dev libssl-dev python3
  # the command-line status tool's JSON output
  nlohmann-json3-dev
  # fuzzers (libFuzzer comes with clang's runtime); the formatting check
  clang libclang-rt-14-dev clang-format-14
  # Windows builds
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  # running the Windows program: wine, a virtual X server, screenshots, clicks
  wine wine64 xvfb xauth x11-utils xdotool imagemagick
  # the 32-bit Wine root for the i686 product (scripts/lib/wine32_root.sh)
  debootstrap util-linux
  # the release: setup builder, Authenticode signing, the test certificate
  nsis osslsigncode openssl
  # the help files: CHM compiler (chmcmd) and unpacker for their check
  fp-utils libchm-bin
  # the usb stage: Debian's kernel in QEMU with a busybox initramfs (tests/usb/)
  qemu-system-x86 busybox-static kmod cpio
)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  echo "setup: all ${#packages[@]} packages present"
else
  sudo=()
  if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "setup: need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
  fi
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -q
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -q "${missing[@]}" </dev/null
fi

# The 32-bit Wine root, built once outside the clone (it needs root: chroot).
if [[ $(id -u) -eq 0 ]]; then
  source "$(dirname "${BASH_SOURCE[0]}")/lib/wine32_root.sh"
  wine32_root_ensure
  echo "setup: 32-bit Wine root ready at $ZEV_WINE32_ROOT"
else
  echo "setup: not root: the 32-bit Wine root (for the i686 Wine tests) is not built" >&2
fi
