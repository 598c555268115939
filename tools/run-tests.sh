#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs every test.
# Usage: tools/run-tests.sh [build-dir]
# $JOBS is the number of parallel jobs of every build, test run and fuzzing step
# (default: one a core).
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
jobs=${JOBS:-$(nproc)}
mkdir -p "$build"
# Whole, as some steps run in folders of their own.
build=$(cd "$build" && pwd)

"$top/tools/setup.sh"

export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
# Paths relative to the checkout, and the build directory's path left out of the hash
# (it is in the debug information), so that every clone shares the cache.
export CCACHE_BASEDIR=$top
export CCACHE_NOHASHDIR=1

# Every step that cannot do its work fails the run, with a line that says which and why;
# the lines are repeated at the end.
failures=()
fail() {
    echo "run-tests: $*" >&2
    failures+=("$*")
}

# step NAME LOG COMMAND...: runs the command with its output in the log, and says when it
# starts and how long it took. With --shown before NAME the output is also shown.
step() {
    local shown=0
    [ "$1" = --shown ] && { shown=1; shift; }
    local name=$1 log=$2 started=$SECONDS status=0
    shift 2
    echo "run-tests: $name: started (log: $log)"
    if [ "$shown" = 1 ]; then
        "$@" 2>&1 | tee "$log" || status=$?
    else
        "$@" >"$log" 2>&1 || status=$?
    fi
    local took=$((SECONDS - started))
    if [ "$status" = 0 ]; then
        printf 'run-tests: %s: done in %d:%02d\n' "$name" $((took / 60)) $((took % 60))
    else
        printf 'run-tests: %s: failed after %d:%02d (log: %s)\n' "$name" $((took / 60)) $((took % 60)) "$log"
    fi
    return "$status"
}

# The tree's own configuration (CMakeLists.txt), the one tools/run-client.sh builds too.
configure_and_build() {
    cmake -S "$top" -B "$build" -G Ninja && cmake --build "$build" --parallel "$jobs"
}
step --shown "the build in $build" "$build.log" configure_and_build

# With clang, under AddressSanitizer (with its leak checker) and UndefinedBehaviorSanitizer:
# the whole tree with its tests, the benchmarks and the fuzz targets, so that it keeps
# building with both compilers; its tests all run (below), the benchmarks are compiled and
# linked only (running them is bench/'s own scripts' job), and the fuzz targets fuzz. The
# window tests' Qt headers are precompiled (the build above, without them, still finds a
# test's missing include). -O1, the sanitizers' usual level: their reports stay exact, and
# it compiles much faster than -O2. The run fails when clang is missing or refuses any of
# it; the build goes on past a refused file, so that every test that builds still runs.
san_build="$build-sanitize"
san_configured=0
if ! command -v clang++ >/dev/null 2>&1; then
    fail "clang++ is missing: the tree is not compiled with clang, nor tested under the sanitizers, nor fuzzed"
elif ! cmake -S "$top" -B "$san_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DCMAKE_CXX_COMPILER=clang++ \
        -DMAHJONG_SANITIZE=ON -DMAHJONG_BUILD_FUZZERS=ON -DMAHJONG_BUILD_BENCHMARKS=ON -DMAHJONG_TEST_PCH=ON \
        >"$san_build.configure.log" 2>&1 \
    || ! ninja -C "$san_build" -t targets all >"$san_build.targets"; then
    tail -n 20 "$san_build.configure.log" >&2
    fail "the sanitizer build could not be configured with clang: the tree is not compiled with clang, nor tested under the sanitizers, nor fuzzed; see $san_build.configure.log"
else
    san_configured=1
    if ! grep -qE '^bench/[^:]*: CXX_EXECUTABLE_LINKER__' "$san_build.targets"; then
        fail "the sanitizer build has no benchmarks: bench/ is not compiled"
    fi
    if ! step "the tree, its tests, the benchmarks and the fuzz targets with clang under the sanitizers, built" \
            "$san_build.log" ninja -C "$san_build" -k 0 -j "$jobs"; then
        grep -E 'error|undefined reference' "$san_build.log" | head -n 20 || true
        fail "the tree, its tests, the benchmarks or the fuzz targets do not build with clang under the sanitizers; see $san_build.log"
    fi
fi

# The tests get a temporary folder of their own, which they must leave empty, and, where
# the session has none, a runtime folder of their own (Qt makes one in the temporary
# folder otherwise).
test_tmp=$build/test-tmp
test_runtime=$build/test-runtime
fresh_test_folders() {
    rm -rf "$test_tmp" "$test_runtime"
    mkdir -p "$test_tmp"
    mkdir -m 700 "$test_runtime"
}
left_in_test_tmp() {
    local left
    left=$(cd "$test_tmp" && find . -mindepth 1 -maxdepth 1 | cut -c3- | sort | head -n 10)
    [ -z "$left" ] || fail "the tests left in their temporary folder $test_tmp: $(echo $left)"
}
run_tests() {
    fresh_test_folders
    (
        export TMPDIR=$test_tmp
        [ -n "${XDG_RUNTIME_DIR:-}" ] || export XDG_RUNTIME_DIR=$test_runtime
        cd "$1" && shift && ctest --output-on-failure --parallel "$jobs" --timeout 300 "$@"
    )
}

# Every test under the sanitizers, and a minute of fuzzing each of the protocol readers, the
# chat client (on a server the fuzzer plays) and a chat room's line book with the clock
# steps. A fault fails the run, as do fuzz targets that do not build and a test run that
# finds no test; a fuzzer's input is left in <build>-sanitize/crashes/ (add it to
# tests/protocol/fuzz-regressions/, tests/chat/fuzz-regressions/ or
# tests/chat/room-lines-fuzz-regressions/). A leak fails a test, and fuzzing, as any
# other fault. Each fuzzer prints how many inputs it ran.
# Runs a fuzzer in a fresh folder of its own, where its processes write their logs.
fuzz_in() {
    rm -rf "$1" && mkdir -p "$1" && (cd "$1" && shift && "$@")
}
# How many inputs a fuzzing step's processes ran, in all and a second.
fuzz_runs() {
    grep -E '^Done [0-9]+ runs in [0-9]+ second' "$1" | awk '
        { runs += $2; if ($5 > seconds) seconds = $5; processes++ }
        END {
            if (!processes) { print "no process ended its run"; exit }
            printf "%d runs in %d s by %d process(es), %d a second\n", runs, seconds, processes, seconds ? runs / seconds : runs
        }'
}
if [ "$san_configured" = 1 ]; then
    # Chromium, inside Qt WebEngine, deletes some of its objects with the size of another
    # type: the check is off (its usual cause in our code, a delete through a base without
    # a virtual destructor, is a warning of both compilers, which fails the run). The leaks of the
    # libraries the client uses are named in tests/leak-suppressions.txt.
    if ! ASAN_OPTIONS=detect_leaks=1:new_delete_type_mismatch=0 UBSAN_OPTIONS=print_stacktrace=1 \
            LSAN_OPTIONS=suppressions="$top/tests/leak-suppressions.txt" \
            step --shown "the tests under the sanitizers" "$san_build.ctest.log" \
            run_tests "$san_build" --no-tests=error; then
        fail "the tests under the sanitizers failed, or none was found"
    fi
    left_in_test_tmp
    export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
    if ! step "the fuzz targets, built" "$san_build.fuzz.log" \
            cmake --build "$san_build" --target fuzz_protocol fuzz_chat fuzz_room_lines --parallel "$jobs"; then
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
            # The chat client's commands, whole, for the mutator to put in.
            dict=()
            [ "$target" = chat ] && dict=(-dict="$top/tests/chat/chat-fuzz.dict")
            # AddressSanitizer holds back 256 MB of freed memory by default, and its
            # allocator grows around it: a fuzzer's memory then climbs for minutes
            # although neither the target nor the code under test keeps anything. It
            # also keeps every allocation's stack for good, and its fast unwinder reads
            # on through the frames of libraries built without frame pointers into what
            # the stack happens to hold: deep stacks differ from run to run, and the chat
            # client's grew by some 70 kB a run, with nothing kept by the code. Two frames
            # (where and from where) stay the same; a crash's input replayed under its
            # regression test shows the whole stacks.
            # The chat client's target, far the slowest, runs one fuzzing process a job, on
            # one corpus: each writes its log into its folder, and the log of this step
            # takes each one's in turn as it ends.
            processes=1
            [ "$target" = chat ] && processes=$jobs
            if ! ASAN_OPTIONS="$ASAN_OPTIONS:quarantine_size_mb=64:malloc_context_size=2" step "a minute of $target fuzzing" \
                    "$san_build/fuzz-$target.log" fuzz_in "$san_build/fuzz-$target" "$fuzzer" -jobs="$processes" \
                    -workers="$processes" -max_total_time=60 -timeout=20 -rss_limit_mb=2048 -max_len=65536 "${dict[@]}" \
                    -artifact_prefix="$san_build/crashes/$target-" "$san_build/corpus/$target"; then
                grep -E -B 5 -A 30 'exited with exit code [1-9]|ERROR|rule broken' "$san_build/fuzz-$target.log" | head -n 60 \
                    || tail -n 40 "$san_build/fuzz-$target.log"
                fail "$target fuzzing found a fault; its input is in $san_build/crashes/"
            fi
            echo "fuzz_$target: $(fuzz_runs "$san_build/fuzz-$target.log")"
        done
    fi
    unset ASAN_OPTIONS UBSAN_OPTIONS
fi

# The tree builds without a warning from either compiler (-Wall -Wextra): a warning that
# any build's log holds fails the run. A compiler cache hit repeats its warnings; a file
# not compiled again in a later run of the same build directory is not seen again.
warned=$(cat "$build.log" "$san_build.log" "$san_build.fuzz.log" 2>/dev/null | grep -E ': warning: ' | sort -u || true)
if [ -n "$warned" ]; then
    echo "$warned" | head -n 20
    fail "the compilers warned $(echo "$warned" | wc -l) times; see the build logs $build.log, $san_build.log and $san_build.fuzz.log"
fi

# The test run comes last, so that its summary closes the output: repeated after the
# step's closing line.
step --shown "the tests" "$build.ctest.log" run_tests "$build" || fail "the tests failed"
left_in_test_tmp
grep -E '^[0-9]+% tests passed' "$build.ctest.log" || true
if [ ${#failures[@]} -gt 0 ]; then
    echo "run-tests: FAILED" >&2
    printf 'run-tests:   %s\n' "${failures[@]}" >&2
    exit 1
fi
