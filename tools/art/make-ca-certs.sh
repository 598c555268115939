#!/usr/bin/env bash
# Writes the three CA certificates that the client trusts, into ca-certs/ of the default
# skin. These are test roots made here (their private keys are thrown away at once), so
# no real server can present a certificate they sign: a production build replaces the
# three files with the service's real root certificates. Tests that need a trusted
# server make their own CA and pass its directory through the search path.
#
# New keys are made on every run, so the output differs from the committed files.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
out=$top/resources/default/ca-certs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$out"
for i in 1 2 3; do
    openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
        -keyout "$work/key.pem" -out "$out/pellandor-test-root-$i.pem" \
        -days 7300 -sha256 \
        -subj "/O=Pellandor/OU=Test roots/CN=Pellandor Test Root CA $i" \
        -addext "basicConstraints=critical,CA:TRUE" \
        -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
done
echo "wrote $(ls "$out" | wc -l) certificates to $out"
