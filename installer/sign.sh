#!/usr/bin/env bash
# Signs one Windows executable in place with Authenticode (osslsigncode).
#
#   ZEV_SIGN_CERT=cert.pem ZEV_SIGN_KEY=key.pem bash installer/sign.sh FILE.exe
#
# ZEV_SIGN_CERT: the certificate chain (PEM or DER); ZEV_SIGN_KEY: its private
# key. Optional: ZEV_SIGN_PASS_FILE, a file holding the key's password;
# ZEV_SIGN_TIMESTAMP_URL, an RFC 3161 time-stamp server (needs network). Without
# a time-stamp server the signing time is SOURCE_DATE_EPOCH, so that a signed
# build stays reproducible. makensis calls this for the setup and its
# uninstaller; scripts/release.sh for ZevStatus.exe.
set -euo pipefail

file=${1:?usage: sign.sh FILE}
: "${ZEV_SIGN_CERT:?ZEV_SIGN_CERT names no certificate}" "${ZEV_SIGN_KEY:?ZEV_SIGN_KEY names no key}"

args=(sign -certs "$ZEV_SIGN_CERT" -key "$ZEV_SIGN_KEY" -h sha256
      -n "ZEV Status" -i "https://www.brenlato.example")
[[ -n ${ZEV_SIGN_PASS_FILE:-} ]] && args+=(-readpass "$ZEV_SIGN_PASS_FILE")
if [[ -n ${ZEV_SIGN_TIMESTAMP_URL:-} ]]; then
  args+=(-ts "$ZEV_SIGN_TIMESTAMP_URL")
elif [[ -n ${SOURCE_DATE_EPOCH:-} ]]; then
  args+=(-time "$SOURCE_DATE_EPOCH")
fi

signed=$file.signed
rm -f "$signed"
osslsigncode "${args[@]}" -in "$file" -out "$signed" >/dev/null
mv -f "$signed" "$file"
