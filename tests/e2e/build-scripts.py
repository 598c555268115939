#!/usr/bin/env python3
"""The README's set-up, run and test commands, with stand-ins for what would take long.

- tools/setup.sh, run by a user without sudo who lacks a package, names the package and
  the command to run as root.
- tools/run-client.sh, then tools/run-tests.sh, then cmake alone configure a fresh build
  directory to the same compile and link commands: none rebuilds what another built.
- tools/run-tests.sh, its compilers, tests and fuzzers stand-ins that end at once, says as
  each step starts, with its log, and as it ends; every build and test run takes the
  number of jobs asked for, one a core by default; its last line is the tests' summary. A
  compiler's warning in any build's log, and a file that the tests leave in their
  temporary folder, fail the run, which names them."""
import os
import re
import shutil
import subprocess
import sys
import tempfile

top, build = sys.argv[1], sys.argv[2]
tmp = tempfile.mkdtemp(prefix="build-scripts-test.")
failures = []


def check(ok, what, output=""):
    if not ok:
        failures.append(what + ("\n" + output if output else ""))


def write_program(folder, name, text):
    path = os.path.join(folder, name)
    with open(path, "w") as program:
        program.write(text)
    os.chmod(path, 0o755)
    return path


try:
    # --- Set-up without sudo: an ordinary user (id says so) on a PATH without sudo.
    bare = os.path.join(tmp, "bare")
    os.makedirs(bare)
    for tool in ("bash", "grep", "env", "cat"):
        os.symlink(shutil.which(tool), os.path.join(bare, tool))
    write_program(bare, "id", "#!/bin/sh\necho 1000\n")
    write_program(bare, "dpkg-query", '#!/bin/sh\n'
                  'for p; do :; done\n'
                  '[ "$p" = ejabberd ] && exit 1\n'
                  'printf "install ok installed"\n')
    setup = subprocess.run([os.path.join(top, "tools", "setup.sh")], env=dict(os.environ, PATH=bare),
                           capture_output=True, text=True, timeout=60)
    said = setup.stdout + setup.stderr
    check(setup.returncode != 0 and "ejabberd" in said and "apt-get install" in said and "as root" in said
          and "command not found" not in said,
          "setup without sudo did not name the missing package and the command to run as root:", said)

    # --- One configuration: each command stops where it would build, recording the
    # build's commands.
    standins = os.path.join(tmp, "configure-only")
    os.makedirs(standins)
    write_program(standins, "cmake", '#!/bin/sh\n'
                  'if [ "$1" = --build ]; then\n'
                  '    ninja -C "$2" -t commands >"$RECORD"; exit 3\n'
                  'fi\n'
                  'exec %s "$@"\n' % shutil.which("cmake"))
    tree = os.path.join(tmp, "tree", "build")
    path = standins + os.pathsep + os.environ["PATH"]
    records = []
    for name, command in (("run-client", [os.path.join(top, "tools", "run-client.sh")]),
                          ("run-tests", [os.path.join(top, "tools", "run-tests.sh"), tree])):
        record = os.path.join(tmp, name + ".commands")
        run = subprocess.run(command, env=dict(os.environ, PATH=path, BUILD_DIR=tree, RECORD=record),
                             stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=300)
        check(os.path.exists(record), name + " did not reach its build:", run.stdout + run.stderr)
        records.append((name, record))
    subprocess.run(["cmake", "-S", top, "-B", tree, "-G", "Ninja"], check=True, capture_output=True, timeout=300)
    record = os.path.join(tmp, "cmake.commands")
    with open(record, "w") as out:
        subprocess.run(["ninja", "-C", tree, "-t", "commands"], check=True, stdout=out, timeout=60)
    records.append(("cmake alone", record))
    commands = {}
    for name, record in records:
        if os.path.exists(record):
            with open(record) as text:
                commands[name] = text.read()
    first = commands.get("run-client", "")
    for name, text in commands.items():
        differing = [line for line in text.splitlines() if line not in first][:2]
        check(text == first and "-fuse-ld=lld" in text,
              "%s configures the build otherwise than run-client, or links without lld: %d commands, first differing:"
              % (name, len(text.splitlines())), "\n".join(differing))

    # --- The test command's steps, everything it runs a stand-in that ends at once.
    quick = os.path.join(tmp, "quick")
    os.makedirs(quick)
    log = os.path.join(tmp, "jobs.log")
    write_program(quick, "cmake", r'''#!/bin/bash
if [ "$1" = -S ]; then
    while [ "$1" != -B ]; do shift; done
    mkdir -p "$2"; exit 0
fi
dir=$2
echo "cmake ${*: -1}" >>"$JOBS_LOG"
# Every fuzz target asked for, as the test command finds it.
for arg in "$@"; do
    case "$arg" in
    fuzz_*)
        target=${arg#fuzz_}
        mkdir -p "$dir/tests/$target"
        printf '#!/bin/sh\necho "Done 1 runs in 1 second(s)"\n' >"$dir/tests/$target/fuzz_$target"
        chmod +x "$dir/tests/$target/fuzz_$target" ;;
    esac
done
echo "[1/1] Linking CXX executable done"
''')
    write_program(quick, "ninja", r'''#!/bin/bash
case "$*" in
*"-t targets"*) echo "src/a.cpp.o: CXX_COMPILER__a_Debug"; echo "bench/bench_a: CXX_EXECUTABLE_LINKER__bench_a_Debug" ;;
*) jobs=; previous=; for a; do [ "$previous" = -j ] && jobs=$a; previous=$a; done
   echo "ninja $jobs" >>"$JOBS_LOG"
   echo "[1/1] Building CXX object src/a.cpp.o"
   [ -n "${FAULTS:-}" ] && echo "src/a.cpp:3:9: warning: unused variable 'x' [-Wunused-variable]"
   ;;
esac
exit 0
''')
    write_program(quick, "ctest", r'''#!/bin/bash
while [ "$1" != --parallel ]; do shift; done
echo "ctest $2" >>"$JOBS_LOG"
[ -n "${FAULTS:-}" ] && mkdir -p "${TMPDIR:-/tmp}/tst_left-behind"
echo "100% tests passed, 0 tests failed out of 1"
''')
    write_program(quick, "clang++", "#!/bin/sh\nexit 0\n")
    path = quick + os.pathsep + os.environ["PATH"]
    cores = str(len(os.sched_getaffinity(0)))
    for jobs, faults in ((None, False), ("3", True)):
        # Where the tests would leave their files without a folder of their own.
        outer = os.path.join(tmp, "outer-tmp")
        os.makedirs(outer, exist_ok=True)
        environment = dict(os.environ, PATH=path, JOBS_LOG=log, TMPDIR=outer)
        environment.pop("JOBS", None)
        if jobs:
            environment["JOBS"] = jobs
        if faults:
            environment["FAULTS"] = "1"
        if os.path.exists(log):
            os.remove(log)
        quick_tree = os.path.join(tmp, "quick-tree-" + (jobs or "all"), "build")
        run = subprocess.run([os.path.join(top, "tools", "run-tests.sh"), quick_tree], env=environment,
                             stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                             text=True, timeout=300)
        lines = run.stdout.splitlines()
        started = {m.group(1): m.group(2) for m in (re.match(r"run-tests: (.*): started \(log: (.*)\)$", l)
                                                    for l in lines) if m}
        ended = {m.group(1) for m in (re.match(r"run-tests: (.*): (done|failed) ", l) for l in lines) if m}
        named = " ".join(started)
        check(len(started) >= 8 and set(started) == ended and all(map(os.path.isfile, started.values()))
              and all(w in named for w in ("clang", "benchmarks", "sanitizers", "fuzz", "protocol", "chat")),
              "the test command did not say as each step starts, with its log, and ends:", run.stdout)
        with open(log) as counts:
            asked = [l.split()[-1] for l in counts.read().splitlines()]
        check(len(asked) >= 5 and set(asked) == {jobs or cores},
              "the builds and test runs took other job counts than %s: %s" % (jobs or cores, asked))
        if not faults:
            check(run.returncode == 0 and lines and lines[-1].startswith("100% tests passed"),
                  "the test command failed or did not close with the tests' summary:", run.stdout)
        else:
            check(run.returncode != 0 and "unused variable 'x'" in run.stdout and "tst_left-behind" in run.stdout,
                  "the test command let a warning or a file left in the temporary folder pass:", run.stdout)
finally:
    shutil.rmtree(tmp, True)

if failures:
    sys.exit("\n\n".join(failures))
print("the set-up, run and test commands agree and say what they do")
