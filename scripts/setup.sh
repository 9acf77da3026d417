#!/usr/bin/env bash
# Installs everything the builds and tests need on Debian 12. Safe to run again:
# packages already present are not touched, and the package lists are only
# refreshed when something is missing.
set -euo pipefail

packages=(
  # native build and headless tests
  cmake ninja-build g++ git libgtest-dev libgmock-dev googletest libbenchmark-dev
  libcurl4-openssl-dev libssl-dev python3
  # fuzzers (libFuzzer comes with clang's runtime)
  clang libclang-rt-14-dev
  # Windows builds
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  # running the Windows program: wine, a virtual X server, screenshots, clicks
  wine wine64 xvfb xauth x11-utils xdotool imagemagick
  # the release: setup builder, Authenticode signing, the test certificate
  nsis osslsigncode openssl
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
  exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "setup: need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q "${missing[@]}" </dev/null
