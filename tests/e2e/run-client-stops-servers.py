#!/usr/bin/env python3
"""tools/run-client.sh interrupted with Ctrl+C once both servers run: the client, the
game server and ejabberd end, and the run's temporary directory is gone. Run as root
without the web engine's sandbox switch, the script sets it; the client started by hand
that way ends at once, says why in its log and leaves no lock file. A second client's
folders lie outside the run's temporary directory."""
import atexit
import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

top, build = sys.argv[1], sys.argv[2]
tmp = tempfile.mkdtemp(prefix="run-client-test.")
# The test's own directory (the client's settings and caches) goes after the checks.
atexit.register(shutil.rmtree, tmp, True)
environment = dict(os.environ, SKIP_BUILD="1", BUILD_DIR=build, TMPDIR=tmp, QT_QPA_PLATFORM="offscreen",
                   XDG_CACHE_HOME=os.path.join(tmp, "cache"), XDG_CONFIG_HOME=os.path.join(tmp, "config"))
environment.pop("QTWEBENGINE_DISABLE_SANDBOX", None)
root = os.geteuid() == 0
log_dir = os.path.join(tmp, "cache", "Pellandor", "Pellandor-corvana")

if root:
    client = subprocess.run([os.path.join(build, "src", "app", "mahjong")], env=environment,
                            capture_output=True, text=True, timeout=60)
    with open(os.path.join(log_dir, "mahjong.log")) as log:
        said = "sandbox" in log.read()
    if client.returncode != 1 or not said or os.path.exists(os.path.join(log_dir, "mahjong.lock")):
        sys.exit("as root with the sandbox on, the client did not end saying why, or left its lock:\n"
                 + client.stderr)
# In a process group of its own, as in a terminal: Ctrl+C reaches the whole group.
script = subprocess.Popen([os.path.join(top, "tools", "run-client.sh")], env=environment,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                          preexec_fn=lambda: (signal.signal(signal.SIGINT, signal.SIG_DFL), os.setpgrp()))
output = []
deadline = time.time() + 90
while time.time() < deadline:
    line = script.stdout.readline()
    if not line:
        break
    output.append(line)
    if line.startswith("When this client quits"):
        break
runs = glob.glob(os.path.join(tmp, "mahjong-run.*"))
if not any(l.startswith("Chat server (ejabberd)") for l in output) or len(runs) != 1:
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the run did not start both servers:\n" + "".join(output))
second = [l for l in output if l.strip().startswith("XDG_CONFIG_HOME=")]
if len(second) != 1 or any(v.startswith("XDG_") and runs[0] in v for v in second[0].split()):
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the second client's folders are not its own:\n" + "".join(output))
if root and not any(l.startswith("Running as root") for l in output):
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the script did not say that it switched the sandbox off:\n" + "".join(output))
pids = subprocess.run(["pgrep", "-f", runs[0]], capture_output=True, text=True).stdout.split()
# Up to the login page and the version check after which the web engine starts.
deadline = time.time() + 60
shown = False
while time.time() < deadline and not shown and script.poll() is None:
    try:
        with open(os.path.join(log_dir, "mahjong.log")) as log:
            text = log.read()
            shown = "login page shown" in text and "version check complete" in text
    except OSError:
        pass
    time.sleep(0.2)
time.sleep(1)
if script.poll() is not None or not shown:
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the client ended by itself or showed no login page:\n" + "".join(output) + script.stdout.read())
os.killpg(script.pid, signal.SIGINT)
try:
    script.wait(60)
except subprocess.TimeoutExpired:
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the script did not end on Ctrl+C")
time.sleep(1)


def running(pid):
    # An ended process that nobody reaped yet (state Z) counts as ended.
    try:
        with open("/proc/%s/stat" % pid) as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


left = [pid for pid in pids if running(pid)]
if left:
    subprocess.run(["ps", "-o", "pid,cmd", "-p", ",".join(left)])
    sys.exit("processes of the run are left: " + " ".join(left))
if glob.glob(os.path.join(tmp, "mahjong-run.*")):
    sys.exit("the run's temporary directory is left")
print("run-client.sh stopped everything on Ctrl+C")
