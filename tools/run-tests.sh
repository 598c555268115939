#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs every test.
# Usage: tools/run-tests.sh [build-dir]
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}

"$top/tools/setup.sh"

export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
# Paths relative to the checkout, so that every clone shares the cache.
export CCACHE_BASEDIR=$top

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"
# A minute of fuzzing the protocol readers, when clang is there. A broken rule fails the
# run and leaves the input in <build>-fuzz/crashes/ (add it to tests/protocol/fuzz-regressions/);
# a compiler that cannot build the fuzzer only warns.
if command -v clang++ >/dev/null 2>&1; then
    fuzz_build="$build-fuzz"
    fuzzer="$fuzz_build/tests/protocol/fuzz_protocol"
    if cmake -S "$top" -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DCMAKE_CXX_COMPILER=clang++ -DMAHJONG_BUILD_FUZZERS=ON >/dev/null \
        && cmake --build "$fuzz_build" --target fuzz_protocol --parallel "$(nproc)" >/dev/null; then
        rm -rf "$fuzz_build/corpus"
        mkdir -p "$fuzz_build/corpus" "$fuzz_build/crashes"
        MAHJONG_FUZZ_WRITE_SEEDS="$fuzz_build/corpus" "$fuzzer"
        cp "$top"/tests/protocol/fuzz-regressions/* "$fuzz_build/corpus/"
        if ! "$fuzzer" -max_total_time=60 -timeout=20 -rss_limit_mb=2048 -max_len=65536 -detect_leaks=0 \
                -artifact_prefix="$fuzz_build/crashes/" "$fuzz_build/corpus" >"$fuzz_build/fuzz.log" 2>&1; then
            tail -n 40 "$fuzz_build/fuzz.log"
            echo "protocol fuzzing found a fault; its input is in $fuzz_build/crashes/" >&2
            exit 1
        fi
        grep -E '^Done|DONE' "$fuzz_build/fuzz.log" || tail -n 2 "$fuzz_build/fuzz.log"
    else
        echo "warning: the protocol fuzz target could not be built with clang; fuzzing skipped" >&2
    fi
fi

# The test run comes last, so that its summary closes the output.
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
