#!/usr/bin/env python3
"""tools/run-client.sh interrupted with Ctrl+C once both servers run: the client, the
game server and ejabberd end, and the run's temporary directory is gone."""
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
                   QTWEBENGINE_DISABLE_SANDBOX="1",
                   XDG_CACHE_HOME=os.path.join(tmp, "cache"), XDG_CONFIG_HOME=os.path.join(tmp, "config"))
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
    if line.startswith("Log in with"):
        break
runs = glob.glob(os.path.join(tmp, "mahjong-run.*"))
if not any(l.startswith("Chat server (ejabberd)") for l in output) or len(runs) != 1:
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the run did not start both servers:\n" + "".join(output))
pids = subprocess.run(["pgrep", "-f", runs[0]], capture_output=True, text=True).stdout.split()
time.sleep(1)
if script.poll() is not None:
    sys.exit("the client ended by itself:\n" + "".join(output) + script.stdout.read())
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
