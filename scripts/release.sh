#!/usr/bin/env bash
# Builds the release files from the i686 product (preset win32) into dist/:
#
#   dist/ZevStatus-VERSION-setup.exe     the per-user setup (installer/zevstatus.nsi)
#   dist/ZevStatus-VERSION-portable.zip  ZevStatus.exe, the help files and a short text on portable use
#   dist/SHA256SUMS
#
#   bash scripts/release.sh               # unsigned
#   bash scripts/release.sh --sign-test   # signed with a throwaway self-signed certificate
#   ZEV_SIGN_CERT=... ZEV_SIGN_KEY=... bash scripts/release.sh   # signed with a real one
#
# The exe trusts driver updates signed with the key whose public point
# ZEV_UPDATE_PUBLIC_KEY holds (docs/update-server.md). Without it the release
# stops, unless --test-key asks for the repository's test key, whose private
# half is public: such an exe says "Test build" in its version resource.
# ZEV_DRIVER_SIGNER names the certificate (common name) that signs the driver
# files; a signed driver file is then only replaced by one it signed.
#
# The same sources give the same bytes: every time stamp that lands in the files
# (the exe's file time in the setup and the zip, the Authenticode signing time,
# the build time chmcmd writes into the help files) is SOURCE_DATE_EPOCH, by
# default the time of the last commit; the exe carries no link time. See
# installer/sign.sh for the signing variables. ZEV_DIST_DIR names another
# output folder than dist/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

sign_test=0
test_key=0
for arg in "$@"; do
  case $arg in
    --sign-test) sign_test=1 ;;
    --test-key) test_key=1 ;;
    *) echo "usage: release.sh [--sign-test] [--test-key]" >&2; exit 2 ;;
  esac
done
if [[ -z ${ZEV_UPDATE_PUBLIC_KEY:-} ]] && ((!test_key)); then
  echo "release: ZEV_UPDATE_PUBLIC_KEY is not set; --test-key builds with the repository's test key" >&2
  exit 1
fi

version=$(sed -nE 's/^project\(ZevStatus VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
[[ -n $version ]] || { echo "release: no version in CMakeLists.txt" >&2; exit 1; }
if [[ -z ${SOURCE_DATE_EPOCH:-} ]]; then
  # A tree without history (an unpacked archive) falls back to 1980-01-01, the
  # earliest time a zip entry can hold.
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 315532800)
fi
export SOURCE_DATE_EPOCH

bash scripts/setup.sh >/dev/null
# Two runs at once would stage and pack each other's half-written files.
mkdir -p build
exec 9>build/release.lock
flock 9
cmake --preset win32 "-DZEV_UPDATE_PUBLIC_KEY=${ZEV_UPDATE_PUBLIC_KEY:-}" "-DZEV_DRIVER_SIGNER=${ZEV_DRIVER_SIGNER:-}" >/dev/null
cmake --build --preset win32 --target ZevStatus -j2

stage=$root/build/release
dist=${ZEV_DIST_DIR:-$root/dist}
rm -rf "$stage/files"
mkdir -p "$stage/files" "$dist"
setup=$dist/ZevStatus-$version-setup.exe
portable=$dist/ZevStatus-$version-portable.zip
rm -f "$setup" "$portable" "$dist/SHA256SUMS"

if ((sign_test)); then
  # Trusted by nobody; it only proves that the signing steps work. A real
  # certificate replaces it through ZEV_SIGN_CERT and ZEV_SIGN_KEY.
  certs=$stage/test-signing
  if [[ ! -f $certs/cert.pem ]]; then
    mkdir -p "$certs"
    openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -subj "/CN=ZEV Status test signing/O=BRENLATO (untrusted)" \
      -addext extendedKeyUsage=codeSigning -keyout "$certs/key.pem" -out "$certs/cert.pem" 2>/dev/null
  fi
  export ZEV_SIGN_CERT=$certs/cert.pem ZEV_SIGN_KEY=$certs/key.pem
fi
sign=()
if [[ -n ${ZEV_SIGN_CERT:-} ]]; then
  sign=("-DZEV_SIGN=bash $root/installer/sign.sh")
  echo "release: signing with $ZEV_SIGN_CERT"
fi

exe=$stage/files/ZevStatus.exe
cp build/win32/ZevStatus.exe "$exe"
# The key stays in build/win32's cache; the developers' builds and the tests
# that use that folder go on with the test key.
if [[ -n ${ZEV_UPDATE_PUBLIC_KEY:-}${ZEV_DRIVER_SIGNER:-} ]]; then
  cmake --preset win32 -DZEV_UPDATE_PUBLIC_KEY= -DZEV_DRIVER_SIGNER= >/dev/null
fi
((${#sign[@]})) && bash installer/sign.sh "$exe"
touch -d "@$SOURCE_DATE_EPOCH" "$exe"
sed "s/@VERSION@/$version/g; s/\$/\r/" installer/portable.txt >"$stage/files/Portable.txt"
touch -d "@$SOURCE_DATE_EPOCH" "$stage/files/Portable.txt"
help=()
for lang in de en; do
  chm=$stage/files/zev_help_$lang.chm
  python3 installer/make_chm.py docs/help "$lang" "$chm" "$SOURCE_DATE_EPOCH"
  touch -d "@$SOURCE_DATE_EPOCH" "$chm"
  help+=("$chm")
done

(cd installer && makensis -V2 -INPUTCHARSET UTF8 "-DZEV_EXE=$exe" "-DZEV_VERSION=$version" \
  "-DZEV_HELP_DE=${help[0]}" "-DZEV_HELP_EN=${help[1]}" "-DZEV_OUT=$setup" "${sign[@]}" zevstatus.nsi)

python3 installer/make_zip.py "$portable" "$SOURCE_DATE_EPOCH" "$exe" "${help[@]}" "$stage/files/Portable.txt"

(cd "$dist" && sha256sum "$(basename "$setup")" "$(basename "$portable")" >SHA256SUMS)
echo "release: files in $dist"
cat "$dist/SHA256SUMS"
