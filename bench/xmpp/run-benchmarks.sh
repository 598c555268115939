#!/usr/bin/env bash
# Builds and runs the chat stream parse benchmark, and, when Debian's libqxmpp-dev is
# installed (or --install-qxmpp is given), the same benchmark for QXmpp as a peer. Each
# figure is the median of five repetitions (REPETITIONS overrides the count).
# Usage: bench/xmpp/run-benchmarks.sh [--install-qxmpp] [build-dir]
set -euo pipefail

install_qxmpp=0
if [ "${1:-}" = "--install-qxmpp" ]; then
    install_qxmpp=1
    shift
fi
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build-bench}
data=$top/tests/chat/data/ejabberd-session-1.xml
repeat=(--benchmark_repetitions="${REPETITIONS:-5}" --benchmark_report_aggregates_only=true)

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMAHJONG_BUILD_BENCHMARKS=ON -DMAHJONG_BUILD_TESTS=OFF -DMAHJONG_BUILD_TOOLS=OFF >/dev/null
cmake --build "$build" --target bench_xmppparser
"$build/bench/bench_xmppparser" "${repeat[@]}"

if ! dpkg-query -W -f='${Status}' libqxmpp-dev 2>/dev/null | grep -q "install ok installed"; then
    if [ $install_qxmpp -eq 0 ]; then
        echo "libqxmpp-dev is not installed: skipping the QXmpp peer (use --install-qxmpp)"
        exit 0
    fi
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends libqxmpp-dev >/dev/null
fi
cmake -S "$top/bench/xmpp/qxmpp" -B "$build-qxmpp" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build-qxmpp"
XMPP_BENCH_DATA=$data "$build-qxmpp/bench_qxmppparser" "${repeat[@]}"
