#!/usr/bin/env python3
"""The README's set-up, run and test commands, with stand-ins for what would take long.

- tools/setup.sh, run by a user without sudo, or whom sudo refuses, who lacks packages,
  names them and the command to run as root, which, run so, installs them and stops the
  system service that the chat server's package starts; the run command asks only for
  the packages of the client and the local world, not the test command's.
- tools/run-client.sh without a display says at once that the client needs a graphical
  session and how to give it one, and starts nothing.
- One build after a form's edit compiles the changed form, built as the tree builds
  its forms.
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
    # --- Set-up that cannot install: an ordinary user (id says so) on a PATH without sudo,
    # or with a sudo that refuses, lacking the chat server, a test compiler and a Qt package.
    bare = os.path.join(tmp, "bare")
    os.makedirs(bare)
    for tool in ("bash", "grep", "env", "cat", "dirname"):
        os.symlink(shutil.which(tool), os.path.join(bare, tool))
    write_program(bare, "id", "#!/bin/sh\necho 1000\n")
    lacking = ["ejabberd", "clang", "lld", "libbenchmark-dev", "qt6-base-dev"]
    write_program(bare, "dpkg-query", '#!/bin/sh\n'
                  'for p; do :; done\n'
                  'case " %s " in *" $p "*) exit 1 ;; esac\n'
                  'printf "install ok installed"\n' % " ".join(lacking))
    refusing = os.path.join(tmp, "refusing-sudo")
    os.makedirs(refusing)
    write_program(refusing, "sudo", '#!/bin/sh\necho "tester is not in the sudoers file." >&2\nexit 1\n')
    # What the printed command does when run as root: each command it runs, recorded.
    as_root = os.path.join(tmp, "as-root")
    os.makedirs(as_root)
    root_log = os.path.join(tmp, "as-root.log")
    for tool in ("apt-get", "systemctl", "service", "update-rc.d"):
        write_program(as_root, tool, '#!/bin/sh\necho "%s $*" >>"%s"\n' % (tool, root_log))
    for name, command, path, asked in (
            ("setup without sudo", ["setup.sh"], bare, lacking),
            ("setup refused by sudo", ["setup.sh"], bare + os.pathsep + refusing, lacking),
            ("the run command's setup", ["run-client.sh"], bare, ["ejabberd", "qt6-base-dev"])):
        command = [os.path.join(top, "tools", command[0])] + command[1:]
        setup = subprocess.run(command, env=dict(os.environ, PATH=path, SKIP_BUILD="0", QT_QPA_PLATFORM="offscreen"),
                               stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=60)
        said = setup.stdout + setup.stderr
        named = re.search(r"these packages are missing: (.*)", said)
        printed = re.search(r"as root, run:\n\s*(apt-get .*)", said)
        check(setup.returncode != 0 and named is not None and sorted(named.group(1).split()) == sorted(asked)
              and printed is not None and "command not found" not in said,
              "%s did not name exactly the missing packages %s and the command to run as root:" % (name, asked),
              said)
        if printed:
            if os.path.exists(root_log):
                os.remove(root_log)
            subprocess.run(["bash", "-c", printed.group(1)], env=dict(os.environ, PATH=as_root + os.pathsep + bare),
                           timeout=60)
            with open(root_log) as log:
                ran = log.read()
            check(re.search(r"^apt-get install .*\bejabberd\b.*\n(systemctl disable --now ejabberd|service ejabberd stop)",
                            ran, re.M) is not None,
                  "%s: the command to run as root does not stop the chat server's system service after installing"
                  " it:" % name, printed.group(1) + "\nran:\n" + ran)

    # --- The run command without a display: nothing starts, neither the servers nor the
    # client (stand-ins here that leave a mark), nor the run's temporary directory.
    no_display = os.path.join(tmp, "no-display")
    marks = os.path.join(no_display, "marks")
    run_tmp = os.path.join(no_display, "tmp")
    os.makedirs(marks)
    os.makedirs(run_tmp)
    for program in ("src/app/mahjong", "tools/testserver/mahjong-testserver"):
        folder, name = os.path.split(os.path.join(no_display, "build", program))
        os.makedirs(folder)
        write_program(folder, name, '#!/bin/sh\ntouch "%s/%s"\n' % (marks, name))
    environment = dict(os.environ, SKIP_BUILD="1", BUILD_DIR=os.path.join(no_display, "build"), TMPDIR=run_tmp)
    for variable in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        environment.pop(variable, None)
    run = subprocess.run([os.path.join(top, "tools", "run-client.sh")], env=environment, stdin=subprocess.DEVNULL,
                         capture_output=True, text=True, timeout=120)
    check(run.returncode == 1 and "graphical session" in run.stderr and "xvfb-run" in run.stderr
          and not os.listdir(marks) and not os.listdir(run_tmp),
          "the run command without a display did not end at once saying that it needs a graphical session "
          "(exit %d; started: %s):" % (run.returncode, os.listdir(marks) + os.listdir(run_tmp)),
          run.stdout + run.stderr)

    # --- A form's edit and one build: a library of the tree's kind (cmake/MahjongHelpers.cmake)
    # with a form in a folder of its own, as the tree's are, in a build directory that
    # built the form before as AUTOUIC does, whose headers must not stand for the form.
    forms = os.path.join(tmp, "forms")
    os.makedirs(os.path.join(forms, "panel"))

    def write_forms_project(library):
        with open(os.path.join(forms, "CMakeLists.txt"), "w") as text:
            text.write("cmake_minimum_required(VERSION 3.25)\n"
                       "project(Forms LANGUAGES CXX)\n"
                       "find_package(Qt6 REQUIRED COMPONENTS Widgets)\n"
                       "qt_standard_project_setup()\n"
                       "include(%s/cmake/MahjongHelpers.cmake)\n"
                       "%s\n"
                       "add_subdirectory(panel)\n" % (top, library))

    def write_form(words):
        with open(os.path.join(forms, "panel", "Panel.ui"), "w") as text:
            text.write('<?xml version="1.0" encoding="UTF-8"?>\n<ui version="4.0">\n <class>Panel</class>\n'
                       ' <widget class="QWidget" name="Panel">\n  <layout class="QVBoxLayout" name="layout">\n'
                       '   <item>\n    <widget class="QLabel" name="label">\n'
                       '     <property name="text"><string>%s</string></property>\n'
                       '    </widget>\n   </item>\n  </layout>\n </widget>\n <resources/>\n <connections/>\n'
                       '</ui>\n' % words)

    with open(os.path.join(forms, "panel", "CMakeLists.txt"), "w") as text:
        text.write("target_sources(forms PRIVATE Panel.ui panel.cpp)\n")
    with open(os.path.join(forms, "panel", "panel.cpp"), "w") as text:
        text.write('#include "ui_Panel.h"\n'
                   "void setUpPanel(QWidget *panel) { Ui::Panel form; form.setupUi(panel); }\n")
    forms_build = os.path.join(forms, "build")
    write_forms_project("add_library(forms STATIC)\ntarget_link_libraries(forms PUBLIC Qt6::Widgets)")
    write_form("The form as first built")
    built = subprocess.run(["cmake", "-S", forms, "-B", forms_build, "-G", "Ninja",
                            "-DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON"], capture_output=True, text=True, timeout=120)
    for library in (None, "mahjong_add_library(forms LIBS Qt6::Widgets)"):
        if built.returncode == 0:
            if library:
                write_forms_project(library)
            built = subprocess.run(["cmake", "--build", forms_build], capture_output=True, text=True, timeout=300)
    check(built.returncode == 0, "the library with a form does not build:", built.stdout + built.stderr)
    if built.returncode == 0:
        write_form("The form as edited")
        rebuilt = subprocess.run(["cmake", "--build", forms_build], capture_output=True, text=True, timeout=300)
        with open(os.path.join(forms_build, "CMakeFiles", "forms.dir", "panel", "panel.cpp.o"), "rb") as compiled:
            holds = compiled.read()
        check(rebuilt.returncode == 0 and b"The form as edited" in holds,
              "one build after a form's edit did not compile the edited form (the object holds the %s one):"
              % ("first" if b"The form as first built" in holds else "no"), rebuilt.stdout + rebuilt.stderr)

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
        run = subprocess.run(command, env=dict(os.environ, PATH=path, BUILD_DIR=tree, RECORD=record,
                                               QT_QPA_PLATFORM="offscreen"),
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
