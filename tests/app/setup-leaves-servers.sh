#!/usr/bin/env bash
# tools/setup.sh on a machine that has everything must leave a running ejabberd alone,
# whoever started it.
set -euo pipefail
top=$1
# To pgrep -f this looks like the Erlang VM of a system ejabberd.
bash -c 'exec -a "beam.smp -- -name ejabberd@localhost -s ejabberd" sleep 120' &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
sleep 0.2
"$top/tools/setup.sh" >/dev/null
if ! kill -0 "$server" 2>/dev/null; then
    echo "tools/setup.sh stopped a server it did not start" >&2
    exit 1
fi
