#!/bin/sh
# Signs one Windows file in place (a program, a DLL, an installer or an MSI)
# the way the maintainer chose:
#   THORNAX_SIGN_COMMAND        a whole command, for a token or a signing
#                               service: it is given the file's path as its
#                               last argument and signs the file in place;
#   THORNAX_SIGN_PKCS12 and     a PKCS#12 certificate file and a file that
#   THORNAX_SIGN_PASSWORD_FILE  holds its password, used with osslsigncode;
#   THORNAX_SIGN_TIMESTAMP_URL  a time-stamp server, only when given.
#   sign-file.sh FILE DESCRIPTION [WHAT]
# WHAT names the file in messages when FILE is a temporary one.
# A signature that fails stops the packaging, naming the file.
set -eu
file=$1
description=$2
what=${3:-$file}
failed() {
    echo "Signing $what failed: nothing is shipped unsigned." >&2
    exit 1
}
if [ -n "${THORNAX_SIGN_COMMAND:-}" ]; then
    sh -c "$THORNAX_SIGN_COMMAND \"\$1\"" sign "$file" || failed
    exit 0
fi
: "${THORNAX_SIGN_PKCS12:?names no certificate}"
if [ ! -r "${THORNAX_SIGN_PASSWORD_FILE:-}" ]; then
    echo "THORNAX_SIGN_PASSWORD_FILE must name a readable file with the certificate's password." >&2
    exit 1
fi
set -- -pkcs12 "$THORNAX_SIGN_PKCS12" -readpass "$THORNAX_SIGN_PASSWORD_FILE" -h sha256 -n "$description"
if [ -n "${THORNAX_SIGN_TIMESTAMP_URL:-}" ]; then
    set -- "$@" -ts "$THORNAX_SIGN_TIMESTAMP_URL"
fi
rm -f "$file.signed"
osslsigncode sign "$@" -in "$file" -out "$file.signed" >/dev/null || failed
mv -f "$file.signed" "$file"
