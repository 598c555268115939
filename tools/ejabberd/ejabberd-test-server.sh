#!/usr/bin/env bash
# Starts and stops a throw-away ejabberd on loopback for the chat tests.
#
#   ejabberd-test-server.sh start DIR [USER:PASSWORD ...]   start, register the accounts
#                                                           and open the persistent room "lobby"
#   ejabberd-test-server.sh register DIR USER PASSWORD
#   ejabberd-test-server.sh ctl DIR COMMAND [ARGUMENT ...]  run a control command, e.g.
#                                                           set_room_affiliation ROOM conference.localhost JID outcast
#   ejabberd-test-server.sh restart DIR                     restart the server as its administrator
#                                                           would and wait until it runs again (the
#                                                           search service does not come back)
#   ejabberd-test-server.sh stop DIR
#
# Everything lives in DIR: configuration, a fresh test CA and server certificate,
# the database, the logs and the file "env" with the chosen ports (XMPP_PORT) and the
# CA file (XMPP_CA). A user search service at "search.localhost" (search-component.py,
# an external component on SEARCH_PORT) finds the accounts listed in the file
# SEARCH_DIRECTORY ("JID<TAB>NAME" lines; the accounts given to "start" are there as
# "player-<id>"); it stops with the server. Each run picks free ports and its own node name, so several
# runs can go at once; the Erlang VM runs without epmd and its distribution listens
# on 127.0.0.1 only. A watchdog stops the server after MAX_LIFETIME seconds should
# nobody call "stop"; with OWNER_PID set, it stops the server when that process ends
# instead, however long it runs (a server for a player's session rather than a test's).
# A control command ("register", "ctl" and those of "start") is run again while the node
# does not answer, for up to CTL_PATIENCE seconds (120). The ports come from outside the
# system's range of ephemeral ports, and a start whose VM could not bind one is tried
# again with others. A server it did not start (a system ejabberd) is left alone: the
# test server's ports and node name are its own.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
erl=${ERL:-/usr/bin/erl}
erl_libs=${EJABBERD_ERL_LIBS:-/usr/lib/x86_64-linux-gnu}
max_lifetime=${MAX_LIFETIME:-1800}
ctl_patience=${CTL_PATIENCE:-120}
domain=localhost

die() { echo "ejabberd-test-server: $*" >&2; exit 1; }

# As many ports as asked for, all different and free on loopback now. They come from
# outside the system's range of ephemeral ports, from which it gives a port to every
# program that listens on port 0 and to every outgoing connection: a port chosen there
# and let go until the VM binds it, or while a restart binds it again, may be taken by
# another test meanwhile (the VM then ends, "eaddrinuse"). Outside it, only a program
# that names the port can take it.
free_ports() {
    python3 - "$1" <<'PY'
import random, socket, sys
count = int(sys.argv[1])
with open("/proc/sys/net/ipv4/ip_local_port_range") as ports:
    low, high = map(int, ports.read().split())
candidates = [port for port in range(10000, 65536) if not low <= port <= high]
random.shuffle(candidates)
chosen = []
for port in candidates:
    s = socket.socket()
    # As the VM binds its listeners: a connection of an earlier server that waits out
    # its close on the port is no hindrance.
    s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    try:
        s.bind(("127.0.0.1", port))
        s.listen()
        chosen.append(port)
    except OSError:
        pass
    finally:
        s.close()
    if len(chosen) == count:
        print(*chosen)
        sys.exit(0)
sys.exit("no %d free ports outside the ephemeral range %d-%d" % (count, low, high))
PY
}

port_busy() {
    python3 - "$1" <<'PY'
import socket, sys
s = socket.socket()
try:
    s.connect(("127.0.0.1", int(sys.argv[1])))
except OSError:
    sys.exit(1)
sys.exit(0)
PY
}

# Valid for years, as the game server's: a player's session (run-client.sh) may run for
# days, and every start makes a fresh CA.
make_certificates() {
    local dir=$1
    openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -subj "/CN=Mahjong Test CA" \
        -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" \
        -keyout "$dir/ca.key" -out "$dir/ca.pem" 2>/dev/null
    openssl req -newkey rsa:2048 -nodes -subj "/CN=$domain" \
        -keyout "$dir/server.key" -out "$dir/server.csr" 2>/dev/null
    printf 'subjectAltName=DNS:%s,DNS:*.%s\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n' \
        "$domain" "$domain" >"$dir/server.ext"
    openssl x509 -req -in "$dir/server.csr" -CA "$dir/ca.pem" -CAkey "$dir/ca.key" \
        -CAcreateserial -days 3650 -extfile "$dir/server.ext" -out "$dir/server.crt" 2>/dev/null
    cat "$dir/server.crt" "$dir/server.key" >"$dir/server.pem"
    chmod 600 "$dir/server.pem" "$dir/server.key" "$dir/ca.key"
}

# One run of a control command. Its VM has one scheduler that sleeps when idle rather
# than spinning for work, so that many of them at once do not load the machine, and
# it waits for the node's connection as long as a busy machine may need.
ctl_once() {
    local dir=$1; shift
    ERL_LIBS=$erl_libs EJABBERD_CONFIG_PATH="$dir/ejabberd.yml" EJABBERD_LOG_PATH="$dir/ctl.log" \
        "$erl" +S 1 +sbwt none +sbwtdcpu none +sbwtdio none -kernel net_setuptime 30 \
        -name "ctl-$$-$BASHPID@127.0.0.1" -setcookie "$XMPP_COOKIE" -hidden -noinput \
        -start_epmd false -erl_epmd_port "$XMPP_DIST_PORT" -dist_listen false \
        -s ejabberd_ctl -extra "$XMPP_NODE" "$@"
}

# A control command, run again while the node does not answer (ejabberd_ctl's status 3,
# the connection to the node failed, so the command did not run) and the server is up,
# for up to CTL_PATIENCE seconds. Any other status is the command's own answer; only the
# output of the last run is printed.
ctl() {
    local dir=$1; shift
    # shellcheck source=/dev/null
    . "$dir/env"
    local out="$dir/ctl-$BASHPID.out" deadline=$((SECONDS + ctl_patience)) status
    while :; do
        status=0
        ctl_once "$dir" "$@" >"$out" || status=$?
        if [ $status -ne 3 ] || [ $SECONDS -ge $deadline ] || ! kill -0 "$XMPP_PID" 2>/dev/null; then
            break
        fi
        echo "ejabberd-test-server: the node did not answer \"$1\"; asking again" >&2
        sleep 1
    done
    cat "$out"
    rm -f "$out"
    return $status
}

# Until ejabberd runs in the node of DIR's env (status answered: its listeners are open
# and its modules started), for up to SECONDS; false when the VM ended or the time is up.
# With a marker, ejabberd must also have started more than COUNT times (the starts its
# log tells of), as after a restart.
wait_running() {
    local dir=$1 deadline=$((SECONDS + $2)) starts=${3:-0}
    # shellcheck source=/dev/null
    . "$dir/env"
    while kill -0 "$XMPP_PID" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
        if port_busy "$XMPP_PORT" && [ "$(start_count "$dir")" -gt "$starts" ] \
                && ctl_once "$dir" status >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# How often ejabberd has started in the VM, by its log: each start reads the
# configuration first.
start_count() {
    local count
    count=$(grep -c "Loading configuration from" "$1/ejabberd.log" 2>/dev/null) || true
    echo "${count:-0}"
}

# Starts the VM with ports of its own, its watchdog waiting for the command given, and
# writes the env file; true once ejabberd runs. Where it does not, stops what it started.
launch() {
    local dir=$1; shift
    rm -rf "$dir/db" "$dir"/*.log

    local ports port dist_port search_port node cookie search_secret
    ports=$(free_ports 3) || return 1
    read -r port dist_port search_port <<<"$ports"
    node="mahjongtest-$$-$RANDOM@127.0.0.1"
    cookie=$(openssl rand -hex 16)
    search_secret=$(openssl rand -hex 16)
    sed -e "s|@DIR@|$dir|g" -e "s|@PORT@|$port|g" -e "s|@SEARCH_PORT@|$search_port|g" \
        -e "s|@SEARCH_SECRET@|$search_secret|g" "$here/ejabberd.yml.in" >"$dir/ejabberd.yml"

    (
        cd "$dir"
        export ERL_LIBS=$erl_libs EJABBERD_CONFIG_PATH="$dir/ejabberd.yml" EJABBERD_LOG_PATH="$dir/ejabberd.log"
        # Schedulers that sleep when idle rather than spinning for work: beside a busy
        # machine's other work, and beside the other servers of a test run.
        exec setsid "$erl" +sbwt none +sbwtdcpu none +sbwtdio none \
            -name "$node" -setcookie "$cookie" -noinput \
            -start_epmd false -erl_epmd_port "$dist_port" \
            -kernel inet_dist_use_interface '{127,0,0,1}' -kernel inetrc "\"$dir/inetrc\"" \
            -mnesia dir "\"$dir/db\"" -s ejabberd </dev/null >"$dir/erl.out" 2>&1
    ) &
    local pid=$!
    # In a session of its own, so that "stop" ends it together with its wait.
    setsid bash -c '"${@:3}"; grep -qa "$2" /proc/"$1"/cmdline 2>/dev/null && kill "$1"' \
        watchdog "$pid" "$node" "$@" \
        </dev/null >/dev/null 2>&1 &
    local watchdog=$!

    unset SEARCH_PID
    cat >"$dir/env" <<ENV
XMPP_PORT=$port
XMPP_DIST_PORT=$dist_port
XMPP_NODE=$node
XMPP_COOKIE=$cookie
XMPP_PID=$pid
XMPP_WATCHDOG=$watchdog
XMPP_CA=$dir/ca.pem
XMPP_DOMAIN=$domain
SEARCH_PORT=$search_port
SEARCH_SECRET=$search_secret
SEARCH_DIRECTORY=$dir/search-directory
ENV

    # Seconds where the machine is idle, many more where it is busy.
    if ! wait_running "$dir" 120; then
        cat "$dir/erl.out" >&2 || true
        stop "$dir"
        return 1
    fi
}

start() {
    local dir=$1; shift
    # What the watchdog waits for before it stops the server.
    local wait=(sleep "$max_lifetime")
    if [ -n "${OWNER_PID:-}" ]; then
        [[ $OWNER_PID =~ ^[1-9][0-9]*$ ]] && kill -0 "$OWNER_PID" 2>/dev/null \
            || die "OWNER_PID $OWNER_PID is no running process"
        wait=(tail --pid="$OWNER_PID" -f /dev/null)
    fi
    # A run that was killed before it could stop its server leaves it behind.
    [ -e "$dir/env" ] && stop "$dir"
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)

    make_certificates "$dir"
    # Names are looked up here alone, never through a name server: "localhost" is
    # this machine, and any other domain (another chat server) does not exist.
    cat >"$dir/inetrc" <<'INETRC'
{lookup, [file]}.
{resolv_conf, ""}.
{hosts_file, ""}.
{host, {127,0,0,1}, ["localhost"]}.
INETRC

    # Another program can still name one of the ports before the VM binds it: then
    # again, with other ports.
    local attempt=1
    until launch "$dir" "${wait[@]}"; do
        [ $attempt -lt 3 ] || die "ejabberd did not start"
        echo "ejabberd-test-server: ejabberd did not start; trying again with other ports" >&2
        attempt=$((attempt + 1))
    done
    # shellcheck source=/dev/null
    . "$dir/env"

    local jobs=() failed=0
    for account in "$@"; do
        ctl "$dir" register "${account%%:*}" "$domain" "${account#*:}" >/dev/null &
        jobs+=($!)
    done
    # Persistent, so that it outlives its last occupant like the real lobby.
    ctl "$dir" create_room_with_opts lobby "conference.$domain" "$domain" \
        '[{"name":"persistent","value":"true"},{"name":"public","value":"true"}]' >/dev/null &
    jobs+=($!)
    for job in "${jobs[@]}"; do
        wait "$job" || failed=1
    done
    [ $failed -eq 0 ] || { stop "$dir"; die "could not register the accounts or open the lobby"; }

    # The user search service at "search.$domain": the accounts under their player
    # names, and whatever the tests add to the directory file.
    : >"$dir/search-directory"
    for account in "$@"; do
        printf '%s@%s\tplayer-%s\n' "${account%%:*}" "$domain" "${account%%:*}" >>"$dir/search-directory"
    done
    rm -f "$dir/search-ready"
    setsid python3 "$here/search-component.py" 127.0.0.1 "$SEARCH_PORT" "search.$domain" "$SEARCH_SECRET" \
        "$dir/search-directory" "$dir/search-ready" </dev/null >"$dir/search.log" 2>&1 &
    echo "SEARCH_PID=$!" >>"$dir/env"
    local deadline=$((SECONDS + 60))
    until [ -e "$dir/search-ready" ]; do
        if [ $SECONDS -ge $deadline ]; then
            cat "$dir/search.log" >&2 || true
            stop "$dir"
            die "the search service did not connect within 60 s"
        fi
        sleep 0.1
    done
    echo "ejabberd-test-server: listening on 127.0.0.1:$XMPP_PORT (node $XMPP_NODE)"
}

# Every connection ends, and the listeners open again on the same ports. The command
# goes out once, to a node that answers: one that ends the connection as it restarts
# answers as one never reached would, and asked again it would restart twice.
restart() {
    local dir=$1 starts
    [ -e "$dir/env" ] || die "no server in $dir"
    wait_running "$dir" "$ctl_patience" || die "the server in $dir does not run"
    starts=$(start_count "$dir")
    ctl_once "$dir" restart >/dev/null || true
    wait_running "$dir" 120 "$starts" || die "ejabberd did not run again within 120 s"
}

stop() {
    local dir=$1
    [ -e "$dir/env" ] || return 0
    # shellcheck source=/dev/null
    . "$dir/env"
    # The env file may be left over from a run that was killed: its process id may
    # belong to somebody else by now, so only a VM running our node is stopped.
    if grep -qa "$XMPP_NODE" /proc/"$XMPP_PID"/cmdline 2>/dev/null; then
        kill -TERM "$XMPP_PID" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$XMPP_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$XMPP_PID" 2>/dev/null || true
        # The VM leads its own session; nothing of it may outlive it.
        kill -KILL -- -"$XMPP_PID" 2>/dev/null || true
    fi
    if [ -n "${SEARCH_PID:-}" ] && grep -qa search-component /proc/"$SEARCH_PID"/cmdline 2>/dev/null; then
        kill -TERM "$SEARCH_PID" 2>/dev/null || true
    fi
    if grep -qa "$XMPP_NODE" /proc/"$XMPP_WATCHDOG"/cmdline 2>/dev/null; then
        kill -- -"$XMPP_WATCHDOG" 2>/dev/null || true
    fi
    rm -f "$dir/env"
}

command=${1:-}
[ $# -ge 2 ] || die "usage: $0 start|register|ctl|restart|stop DIR ..."
case $command in
    start) shift; start "$@" ;;
    register) [ $# -eq 4 ] || die "usage: $0 register DIR USER PASSWORD"; ctl "$2" register "$3" "$domain" "$4" ;;
    ctl) [ $# -ge 3 ] || die "usage: $0 ctl DIR COMMAND [ARGUMENT ...]"; shift; ctl "$@" ;;
    restart) restart "$2" ;;
    stop) stop "$2" ;;
    *) die "unknown command $command" ;;
esac
