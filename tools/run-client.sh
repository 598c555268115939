#!/usr/bin/env bash
# Sets up a machine, builds the client and runs it against the local test servers.
# Usage: tools/run-client.sh [client options...]
# The build directory is $BUILD_DIR (default: build/ at the top of the tree).
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}

"$top/tools/setup.sh"
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

client=$build/src/app/mahjong
server=$(find "$build/tools" -type f -name mahjong-testserver -perm -u+x 2>/dev/null | head -n 1)
if [ -z "$server" ]; then
    echo "No game test server is built; the client starts without servers." >&2
    exec "$client" "$@"
fi

run=$(mktemp -d "${TMPDIR:-/tmp}/mahjong-run.XXXXXX")
server_pid=""
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$run"
}
trap cleanup EXIT

# The client trusts exactly the test CA: a search-path directory holding it.
certs=$build/testcerts
[ -f "$certs/ca.pem" ] || "$top/tools/testserver/make-test-certs.sh" "$certs"
mkdir -p "$run/resources/ca-certs"
cp "$certs/ca.pem" "$run/resources/ca-certs/test-ca.pem"

version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
cat >"$run/client_versions.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<clientversions>
  <client version="$version" url="https://localhost/downloads/client-$version.tar.gz"/>
</clientversions>
XML
scenario=$run/scenario.json
cat >"$scenario" <<JSON
{
  "http": {
    "/client/server_info.xml": "server_info.xml",
    "/client/linux/client_versions.xml": "client_versions.xml"
  }
}
JSON
: >"$run/server_info.xml" # written below, once the game port is known

"$server" --scenario "$scenario" --cert "$certs/server.pem" --key "$certs/server.key" \
    >"$run/testserver.log" 2>&1 &
server_pid=$!
for _ in $(seq 100); do
    grep -q '^LISTENING' "$run/testserver.log" 2>/dev/null && break
    kill -0 "$server_pid" 2>/dev/null || { cat "$run/testserver.log" >&2; exit 1; }
    sleep 0.1
done
read -r game_port http_port < <(sed -n 's/^LISTENING game=\([0-9]*\) http=\([0-9]*\).*/\1 \2/p' \
    "$run/testserver.log")
echo "Game test server on localhost:$game_port, documents on https://localhost:$http_port"

# The server-info document names the game server; the server reads it on request.
cat >"$run/server_info.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<serverinfo>
  <gameserver host="localhost" port="$game_port"/>
  <versioncheck url="https://{host}/client/{sku}/client_versions.xml"/>
</serverinfo>
XML

"$client" --searchpath "$run/resources" --serverinfo "localhost:$http_port" "$@"
