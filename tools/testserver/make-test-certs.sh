#!/usr/bin/env bash
# Makes the certificates of the test servers: a test CA with a server certificate for
# localhost and 127.0.0.1, and a second, untrusted CA with a server certificate of the
# same names. Usage: make-test-certs.sh OUTDIR
set -euo pipefail

out=${1:?usage: make-test-certs.sh OUTDIR}
mkdir -p "$out"
cd "$out"

ext=$(mktemp)
trap 'rm -f "$ext" ./*.csr ./*.srl' EXIT
printf '%s\n' \
    'subjectAltName=DNS:localhost,IP:127.0.0.1' \
    'basicConstraints=critical,CA:FALSE' \
    'keyUsage=critical,digitalSignature,keyEncipherment' \
    'extendedKeyUsage=serverAuth' >"$ext"

make_pair() {
    local prefix=$1 cn=$2
    openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
        -keyout "${prefix}ca.key" -out "${prefix}ca.pem" -days 3650 -subj "/CN=$cn" \
        -addext 'basicConstraints=critical,CA:TRUE' \
        -addext 'keyUsage=critical,keyCertSign,cRLSign' 2>/dev/null
    openssl req -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
        -keyout "${prefix}server.key" -out "${prefix}server.csr" -subj '/CN=localhost' 2>/dev/null
    openssl x509 -req -in "${prefix}server.csr" -CA "${prefix}ca.pem" -CAkey "${prefix}ca.key" \
        -CAcreateserial -out "${prefix}server.pem" -days 3650 -extfile "$ext" 2>/dev/null
}

make_pair "" "Mahjong Test CA"
make_pair "untrusted-" "Untrusted Test CA"
