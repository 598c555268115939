#!/usr/bin/env bash
# Sets up a machine, builds the client and the test game server (nothing else) and runs
# the client against local servers: the demo world of the test game server (tables,
# tournaments and computer players) and a throw-away ejabberd for the chat. Both servers
# run as long as a client is logged in to the world (this one, or a second one, which may
# have taken this one's session) and stop when the last one ends, or on Ctrl+C: the
# client quits as its "Quit" does, and the clean-up waits for it.
# Usage: tools/run-client.sh [client options...]
# The build directory is $BUILD_DIR (default: build/ at the top of the tree); $SEED seeds
# the demo world's walls (default 1); SKIP_BUILD=1 uses the build as it is; $JOBS is the
# number of parallel build jobs (default: one a core).
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}

# The client's windows need a graphical session: without one Qt aborts the client once
# both servers run. Said before anything starts. A platform of Qt's that needs no display
# (QT_QPA_PLATFORM=offscreen, vnc) is the user's choice.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] \
        && [[ -z "${QT_QPA_PLATFORM:-}" || "$QT_QPA_PLATFORM" == xcb* || "$QT_QPA_PLATFORM" == wayland* ]]; then
    echo "run-client: the client needs a graphical session, and there is none (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "run-client: run it from a terminal of a desktop session, over ssh -X, with DISPLAY naming a running X server, or under a virtual one that nobody sees (package xvfb): xvfb-run -a $0" >&2
    exit 1
fi

if [ "${SKIP_BUILD:-0}" != 1 ]; then
    # What the client and the local world need; the tests' packages are the test command's.
    "$top/tools/setup.sh" run
    # Configured as tools/run-tests.sh configures it (the tree's own configuration), so
    # that neither rebuilds what the other built, and the compiler cache shared with
    # every clone (paths relative to the checkout, the build directory not hashed).
    export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache} CCACHE_BASEDIR=$top CCACHE_NOHASHDIR=1
    cmake -S "$top" -B "$build" -G Ninja >/dev/null
    cmake --build "$build" --parallel "${JOBS:-$(nproc)}" --target mahjong mahjong-testserver test_certificates
fi

client=$build/src/app/mahjong
server=$build/tools/testserver/mahjong-testserver
chat=$top/tools/ejabberd/ejabberd-test-server.sh
[ -x "$client" ] && [ -x "$server" ] || { echo "run-client: build first (no $client or $server)" >&2; exit 1; }

# The web engine refuses to run as root with its sandbox on.
if [ "$(id -u)" = 0 ] && [ -z "${QTWEBENGINE_DISABLE_SANDBOX:-}" ]; then
    echo "Running as root: the web engine's sandbox is off for this run (QTWEBENGINE_DISABLE_SANDBOX=1)."
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi

run=$(mktemp -d "${TMPDIR:-/tmp}/mahjong-run.XXXXXX")
server_pid=""
chat_dir=""
cleanup() {
    # A second Ctrl+C must not cut the clean-up short.
    trap '' INT TERM
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    [ -n "$chat_dir" ] && "$chat" stop "$chat_dir" >/dev/null 2>&1 || true
    rm -rf "$run"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The chat server. Accounts are created by the game server: every login is registered
# with the script's "register" command (the ejabberd control command) before it is
# answered, the player id as user name and the login's chat secret as password. It lives
# as long as this script, however long the session: the script's watchdog, which stops a
# test's server after half an hour, waits for this script to end instead.
if OWNER_PID=$$ "$chat" start "$run/ejabberd" >"$run/ejabberd-start.log" 2>&1; then
    chat_dir=$run/ejabberd
    # shellcheck source=/dev/null
    xmpp_port=$(. "$chat_dir/env" && echo "$XMPP_PORT")
else
    echo "run-client: ejabberd did not start; playing without chat:" >&2
    cat "$run/ejabberd-start.log" >&2
fi

# The client trusts exactly the test CAs: a search-path directory holding them.
certs=$build/testcerts
[ -f "$certs/ca.pem" ] || "$top/tools/testserver/make-test-certs.sh" "$certs"
mkdir -p "$run/resources/ca-certs"
cp "$certs/ca.pem" "$run/resources/ca-certs/test-ca.pem"
[ -n "$chat_dir" ] && cp "$chat_dir/ca.pem" "$run/resources/ca-certs/chat-ca.pem"

version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
cat >"$run/client_versions.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<clientversions>
  <client version="$version" url="https://localhost/downloads/client-$version.tar.gz"/>
</clientversions>
XML
cat >"$run/scenario.json" <<JSON
{
  "http": {
    "/client/server_info.xml": "server_info.xml",
    "/client/linux/client_versions.xml": "client_versions.xml"
  }
}
JSON
: >"$run/server_info.xml" # written below, once the game port is known

demo_args=(--demo --seed "${SEED:-1}" --scenario "$run/scenario.json" --cert "$certs/server.pem" --key "$certs/server.key")
[ -n "$chat_dir" ] && demo_args+=(--ejabberd "$chat_dir")
"$server" "${demo_args[@]}" >"$run/testserver.log" 2>&1 &
server_pid=$!
for _ in $(seq 100); do
    grep -q '^LISTENING' "$run/testserver.log" 2>/dev/null && break
    kill -0 "$server_pid" 2>/dev/null || { cat "$run/testserver.log" >&2; exit 1; }
    sleep 0.1
done
read -r game_port http_port < <(sed -n 's/^LISTENING game=\([0-9]*\) http=\([0-9]*\).*/\1 \2/p' \
    "$run/testserver.log")

# The server-info document names the game server; the server reads it on request.
cat >"$run/server_info.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<serverinfo>
  <gameserver host="localhost" port="$game_port"/>
  <versioncheck url="https://{host}/client/{sku}/client_versions.xml"/>
</serverinfo>
XML

skin=$(sed -n 's/^MAHJONG_SKIN:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null)
echo "Game server (demo world): localhost:$game_port, documents on https://localhost:$http_port"
if [ -n "$chat_dir" ]; then
    echo "Chat server (ejabberd): localhost:$xmpp_port, lobby room lobby@conference.localhost"
    echo "The world's manager, Kaede: find and add her on the Friends tab, and she greets you in the manager chat."
fi
echo "Game server log: $run/testserver.log (removed at the end)"
echo "Client log: ${XDG_CACHE_HOME:-$HOME/.cache}/Pellandor/Pellandor-${skin:-corvana}/mahjong.log"
echo "Log in with any name and a password: the first login creates the account with it (a name starting \"player-\" is asked for a screen name; six wrong passwords in a row lock an account for ten minutes)."
# One client runs per user settings directory: a second one gets its own, kept in the
# build directory so that its log outlives this run. Its folders are made here: the
# graphics drivers' shader cache does not create a missing cache folder. As root it
# needs the sandbox switch whatever the other terminal's environment holds.
second=$build/second-client
mkdir -p "$second/config" "$second/cache" "$second/data"
second_command=$(printf 'XDG_CONFIG_HOME=%q XDG_CACHE_HOME=%q XDG_DATA_HOME=%q %q --searchpath %q --serverinfo localhost:%s' \
    "$second/config" "$second/cache" "$second/data" "$client" "$run/resources" "$http_port")
if [ "$(id -u)" = 0 ]; then
    second_command="QTWEBENGINE_DISABLE_SANDBOX=1 $second_command"
fi
echo "A second client, with settings of its own, from another terminal while this one runs:"
echo "  $second_command"
echo "The local world runs while a client is logged in to it and stops when the last one ends, or on Ctrl+C; the second client's log stays in $second/cache."

# The clients logged in to the world: the game server's ends of connections to its port.
clients() {
    awk -v port="$(printf ':%04X' "$game_port")" '$4 == "01" && substr($2, length($2) - 4) == port' \
        /proc/net/tcp /proc/net/tcp6 2>/dev/null | wc -l
}

status=0
"$client" --searchpath "$run/resources" --serverinfo "localhost:$http_port" "$@" || status=$?
# A second client keeps the world (one that took this client's session, too); a moment
# without any, as while one logs in again, does not end it.
if [ "$(clients)" -gt 0 ]; then
    echo "This client ended; the local world runs on for the clients logged in to it, and stops when the last one ends (Ctrl+C stops it now)."
    idle=0
    while [ "$idle" -lt 3 ]; do
        sleep 1
        if [ "$(clients)" -gt 0 ]; then idle=0; else idle=$((idle + 1)); fi
    done
    echo "The last client ended: the local world stops."
fi
exit "$status"
