#!/usr/bin/env bash
# Runs the tests of a build directory beside one busy loop per core, as on a CI machine
# that other work keeps busy, and stops the loops at the end, also on Ctrl+C. A check of
# the tests themselves, not part of CI: their verdict must not depend on the load.
# Usage: tools/run-tests-under-load.sh [build-dir] [ctest argument ...]
#   PARALLEL=N   tests at once (4 by default)
#   LOOPS=N      busy loops (one per core by default)
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
[ $# -gt 0 ] && shift
[ -f "$build/CTestTestfile.cmake" ] || { echo "no tests in $build; build it first" >&2; exit 2; }

loops=()
stop_loops() {
    for pid in "${loops[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap stop_loops EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

for _ in $(seq "${LOOPS:-$(nproc)}"); do
    (while :; do :; done) &
    loops+=($!)
done
echo "${#loops[@]} busy loops beside the tests"

export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
cd "$build"
ctest --output-on-failure --parallel "${PARALLEL:-4}" --timeout 300 "$@"
