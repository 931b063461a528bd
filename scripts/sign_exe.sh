#!/bin/sh
# Signs a Windows executable in place: Authenticode, SHA-256, with
# osslsigncode. The key and certificate are PEM files (or anything
# osslsigncode takes for -certs and -key); the timestamp server, when given,
# keeps the signature valid after the certificate expires.
# Usage: sign_exe.sh EXE CERT KEY [TIMESTAMP_URL]
set -eu
[ $# -ge 3 ] || { echo "usage: sign_exe.sh EXE CERT KEY [TIMESTAMP_URL]" >&2; exit 2; }
exe=$1
signed="$exe.signed"
rm -f "$signed"
set -- sign -h sha256 -n discmenu -certs "$2" -key "$3" ${4:+-ts "$4"} -in "$exe" -out "$signed"
if ! osslsigncode "$@" >"$signed.log" 2>&1; then
  cat "$signed.log" >&2
  rm -f "$signed" "$signed.log"
  echo "sign_exe: could not sign $exe" >&2
  exit 1
fi
rm -f "$signed.log"
mv "$signed" "$exe"
