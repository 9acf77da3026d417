#!/usr/bin/env bash
# Makes the Authenticode cases of the signature tests, with keys made afresh on
# every run (nothing private is kept in the repository):
#
#   tests/win32/sign-test-files.sh OUT_DIR PE_FILE CRL_URL
#
# A throwaway test CA issues code-signing certificates for the name the test
# build pins (ZEV Test Driver Signer), for another name, and for the pinned name
# again but revoked in the CA's CRL, which the certificates say is at CRL_URL.
# A second CA, which nothing trusts, issues one more for the pinned name. A
# copy of PE_FILE is signed with each, and one signed copy is altered after
# signing. OUT_DIR then holds:
#
#   pinned.exe other.exe revoked.exe untrusted.exe tampered.exe
#   test-ca.crl   the CRL (DER), to serve at CRL_URL
#   test-ca.reg   the test CA as a trusted root of the current user, for
#                 `wine reg import` into the test prefix only
set -euo pipefail

out=$1 pe=$(realpath "$2") crl_url=$3
pinned_name="ZEV Test Driver Signer"
rm -rf "$out"
mkdir -p "$out"
cd "$out"

# The minimum `openssl ca` needs to record a revocation and issue a CRL.
touch index.txt
echo 01 >crlnumber
cat >ca.cnf <<EOF
[ca]
default_ca = test_ca
[test_ca]
database = index.txt
crlnumber = crlnumber
certificate = ca.pem
private_key = ca.key
default_md = sha256
default_crl_days = 2
EOF
cat >leaf.ext <<EOF
basicConstraints = critical, CA:FALSE
keyUsage = critical, digitalSignature
extendedKeyUsage = codeSigning
crlDistributionPoints = URI:$crl_url
EOF

new_ca() {  # $1: file stem, $2: common name
  openssl req -x509 -newkey rsa:2048 -nodes -keyout "$1.key" -out "$1.pem" -days 2 -subj "/CN=$2" \
    -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
}

# $1: file stem, $2: common name, $3: issuing CA's stem. Serial numbers are
# random: a verdict cached by serial in an earlier run must not apply.
new_signer() {
  openssl req -new -newkey rsa:2048 -nodes -keyout "$1.key" -out "$1.csr" -subj "/CN=$2" 2>/dev/null
  openssl x509 -req -in "$1.csr" -CA "$3.pem" -CAkey "$3.key" -set_serial "0x$(openssl rand -hex 12)" -days 2 -sha256 \
    -extfile leaf.ext -out "$1.pem" 2>/dev/null
  cat "$1.pem" "$3.pem" >"$1.chain.pem"
}

sign() {  # $1: signer's stem, the signed copy is $1.exe
  osslsigncode sign -certs "$1.chain.pem" -key "$1.key" -h sha256 -n "ZEV test driver" \
    -in "$pe" -out "$1.exe" >/dev/null
  [[ -s $1.exe ]]
}

new_ca ca "ZEV Test CA"
new_ca stranger-ca "ZEV Untrusted CA"
new_signer pinned "$pinned_name" ca
new_signer other "ZEV Other Signer" ca
new_signer revoked "$pinned_name" ca
new_signer untrusted "$pinned_name" stranger-ca
for signer in pinned other revoked untrusted; do sign "$signer"; done

# One byte of the code changed after signing: the digest no longer matches.
cp pinned.exe tampered.exe
printf '\x5a' | dd of=tampered.exe bs=1 seek=1100 conv=notrunc status=none

openssl ca -config ca.cnf -revoke revoked.pem -crl_reason keyCompromise 2>/dev/null
openssl ca -config ca.cnf -gencrl 2>/dev/null | openssl crl -outform DER -out test-ca.crl

# The root as the registry keeps it: the certificate as a serialized property
# (id 0x20, the encoded certificate) under its SHA-1 thumbprint. The last
# run's test CA goes first.
thumbprint=$(openssl x509 -in ca.pem -noout -fingerprint -sha1 | sed 's/.*=//; s/://g')
openssl x509 -in ca.pem -outform DER -out ca.der
size=$(stat -c %s ca.der)
{
  key='HKEY_CURRENT_USER\Software\Microsoft\SystemCertificates\Root\Certificates'
  printf 'REGEDIT4\n\n[-%s]\n\n[%s\\%s]\n' "$key" "$key" "$thumbprint"
  printf '"Blob"=hex:20,00,00,00,01,00,00,00,%02x,%02x,%02x,%02x' \
    $((size & 255)) $((size >> 8 & 255)) $((size >> 16 & 255)) $((size >> 24 & 255))
  od -An -v -tx1 ca.der | tr -s ' \n' ',' | sed 's/,$//'
  printf '\n'
} >test-ca.reg
