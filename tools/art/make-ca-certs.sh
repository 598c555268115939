#!/usr/bin/env bash
# Copies the three public root certificates that the client trusts into ca-certs/ of the
# default skin, from Debian's ca-certificates package (public data). The service's
# servers present chains ending in one of these roots. Tests that need a trusted server
# make their own CA and pass its directory through the search path.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
out=$top/resources/default/ca-certs
src=/usr/share/ca-certificates/mozilla

roots=(ISRG_Root_X1 DigiCert_Global_Root_G2 USERTrust_RSA_Certification_Authority)

mkdir -p "$out"
rm -f "$out"/*.pem
for name in "${roots[@]}"; do
    [ -f "$src/$name.crt" ] || { echo "missing $src/$name.crt (install ca-certificates)" >&2; exit 1; }
    lower=$(echo "$name" | tr 'A-Z_' 'a-z-')
    openssl x509 -in "$src/$name.crt" -out "$out/$lower.pem"
done
echo "wrote $(ls "$out" | wc -l) certificates to $out"
