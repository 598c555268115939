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
# Paths relative to the checkout, and the build directory's path left out of the hash
# (it is in the debug information), so that every clone shares the cache.
export CCACHE_BASEDIR=$top
export CCACHE_NOHASHDIR=1

# lld links the hundred test executables in about a third of the default linker's time.
# Line tables only (-g1) are enough for a crash's backtrace and compile a sixth faster
# than full debug information.
lld=-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$lld" \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
# Every step that cannot do its work fails the run, with a line that says which and why;
# the lines are repeated at the end.
failures=()
fail() {
    echo "run-tests: $*" >&2
    failures+=("$*")
}

# With clang, two builds: the whole tree with its tests and the benchmarks compiled without
# optimisation or debug information, so that it keeps building with both compilers, and the
# widget-free libraries and their tests and the fuzz targets under the sanitizers (below).
# The first links the libraries, the client, the tools and the benchmarks, and compiles the
# tests only (the build above links and runs them), with the window tests' Qt headers
# precompiled; the tests that the sanitizer build compiles are left to it, unless that build
# cannot be configured. The run fails when clang is missing or refuses any of it.
clang_build="$build-clang"
san_build="$build-sanitize"
san_configured=0
if ! command -v clang++ >/dev/null 2>&1; then
    fail "clang++ is missing: the tree is not compiled with clang, nor under the sanitizers"
else
    # -O1, the sanitizers' usual level: their reports stay exact, and it compiles much
    # faster than -O2.
    if cmake -S "$top" -B "$san_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$lld" \
            -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DCMAKE_CXX_COMPILER=clang++ \
            -DMAHJONG_SANITIZE=ON -DMAHJONG_BUILD_FUZZERS=ON >"$san_build.configure.log" 2>&1; then
        san_configured=1
        # Paths inside a build tree, the same in both.
        ninja -C "$san_build" -t inputs sanitizer_tests | grep -E '^tests/.*\.o$' >"$clang_build.left" || true
    else
        tail -n 20 "$san_build.configure.log" >&2
        fail "the sanitizer build could not be configured with clang: no tests under the sanitizers, no fuzzing; see $san_build.configure.log"
        : >"$clang_build.left"
    fi
    if ! cmake -S "$top" -B "$clang_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ "$lld" \
            -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g0" -DMAHJONG_BUILD_TESTS=ON -DMAHJONG_TEST_PCH=ON \
            -DMAHJONG_BUILD_BENCHMARKS=ON >"$clang_build.log" 2>&1 \
        || ! ninja -C "$clang_build" -t targets all >"$clang_build.targets"; then
        tail -n 20 "$clang_build.log" >&2
        fail "the clang build could not be configured: neither the tree nor the benchmarks are compiled with clang; see $clang_build.log"
    else
        if ! awk -F': ' '
                FILENAME == ARGV[1] { left[$0] = 1; next }
                $1 ~ /^bench\// { next }
                $2 ~ /^CXX_COMPILER__/ && !($1 in left) { print $1 }
                $2 ~ /^CXX_(EXECUTABLE|STATIC_LIBRARY)_LINKER__/ && $1 !~ /^tests\// { print $1 }
            ' "$clang_build.left" "$clang_build.targets" | xargs ninja -C "$clang_build" -j "$(nproc)" >>"$clang_build.log" 2>&1; then
            grep -E 'error|undefined reference' "$clang_build.log" | head -n 20 || true
            fail "the tree with its tests does not compile with clang; see $clang_build.log"
        fi
        # Nothing else builds the benchmarks: compiled and linked here, so that a change
        # that breaks one fails the run (running them is bench/'s own scripts' job).
        awk -F': ' '$1 ~ /^bench\// && $2 ~ /^CXX_EXECUTABLE_LINKER__/ { print $1 }' \
            "$clang_build.targets" >"$clang_build.bench"
        if [ ! -s "$clang_build.bench" ]; then
            fail "the clang build has no benchmarks: bench/ is not compiled"
        elif ! xargs ninja -C "$clang_build" -j "$(nproc)" <"$clang_build.bench" >"$clang_build.bench.log" 2>&1; then
            grep -E 'error|undefined reference' "$clang_build.bench.log" | head -n 20 || true
            fail "the benchmarks in bench/ do not compile with clang; see $clang_build.bench.log"
        fi
    fi
fi
# Under AddressSanitizer (with its leak checker) and UndefinedBehaviorSanitizer: the
# widget-free libraries and their tests, and a minute of fuzzing each of the protocol
# readers, the chat client (on a server the fuzzer plays) and a chat room's line book with
# the clock steps in the same build. A fault fails the run, as do tests or fuzz targets
# that do not build, and a test run that finds no test; a fuzzer's input is left in
# <build>-sanitize/crashes/ (add it to tests/protocol/fuzz-regressions/,
# tests/chat/fuzz-regressions/ or tests/chat/room-lines-fuzz-regressions/). A leak fails a
# test, and fuzzing, as any other fault. Each fuzzer prints how many inputs it ran.
if [ "$san_configured" = 1 ]; then
    export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
    if ! cmake --build "$san_build" --target sanitizer_tests --parallel "$(nproc)" >"$san_build.log" 2>&1; then
        grep -E 'error|undefined reference' "$san_build.log" | head -n 20 || true
        fail "the tests could not be built under the sanitizers; see $san_build.log"
    elif ! (cd "$san_build" && ctest -L sanitize --no-tests=error --output-on-failure --parallel "$(nproc)" --timeout 300); then
        fail "the tests under the sanitizers failed, or none was found"
    fi
    if ! cmake --build "$san_build" --target fuzz_protocol fuzz_chat fuzz_room_lines --parallel "$(nproc)" >"$san_build.fuzz.log" 2>&1; then
        grep -E 'error|undefined reference' "$san_build.fuzz.log" | head -n 20 || true
        fail "the fuzz targets do not build with clang, nothing was fuzzed; see $san_build.fuzz.log"
    else
        rm -rf "$san_build/corpus" "$san_build/crashes"
        mkdir -p "$san_build/corpus/protocol" "$san_build/corpus/chat" "$san_build/corpus/room_lines" "$san_build/crashes"
        MAHJONG_FUZZ_WRITE_SEEDS="$san_build/corpus/protocol" "$san_build/tests/protocol/fuzz_protocol"
        cp "$top"/tests/protocol/fuzz-regressions/* "$san_build/corpus/protocol/"
        cp "$top"/tests/chat/data/* "$top"/tests/chat/fuzz-regressions/* "$san_build/corpus/chat/"
        cp "$top"/tests/chat/room-lines-seeds/* "$top"/tests/chat/room-lines-fuzz-regressions/* "$san_build/corpus/room_lines/"
        for target in protocol chat room_lines; do
            fuzzer=$(find "$san_build/tests" -name "fuzz_$target" -type f -perm -u+x | head -n 1)
            # AddressSanitizer holds back 256 MB of freed memory by default, and its
            # allocator grows around it: a fuzzer's memory then climbs for minutes
            # although neither the target nor the code under test keeps anything. It
            # also keeps every allocation's stack for good, and its fast unwinder reads
            # on through the frames of libraries built without frame pointers into what
            # the stack happens to hold: deep stacks differ from run to run, and the chat
            # client's grew by some 70 kB a run, with nothing kept by the code. Two frames
            # (where and from where) stay the same; a crash's input replayed under its
            # regression test shows the whole stacks.
            if ! ASAN_OPTIONS="$ASAN_OPTIONS:quarantine_size_mb=64:malloc_context_size=2" "$fuzzer" -max_total_time=60 -timeout=20 -rss_limit_mb=2048 -max_len=65536 \
                    -artifact_prefix="$san_build/crashes/$target-" "$san_build/corpus/$target" \
                    >"$san_build/fuzz-$target.log" 2>&1; then
                tail -n 40 "$san_build/fuzz-$target.log"
                fail "$target fuzzing found a fault; its input is in $san_build/crashes/"
            fi
            echo "fuzz_$target: $(grep -E '^Done' "$san_build/fuzz-$target.log" || tail -n 2 "$san_build/fuzz-$target.log")"
        done
    fi
    unset ASAN_OPTIONS UBSAN_OPTIONS
fi

# The test run comes last, so that its summary closes the output.
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300 || fail "the tests failed"
if [ ${#failures[@]} -gt 0 ]; then
    echo "run-tests: FAILED" >&2
    printf 'run-tests:   %s\n' "${failures[@]}" >&2
    exit 1
fi
