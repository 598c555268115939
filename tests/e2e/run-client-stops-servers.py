#!/usr/bin/env python3
"""tools/run-client.sh once both servers run: its client ends on a Ctrl+C of its own
while a second client is logged in to the world, as when the second took its session
("Forced logout"); the world runs on for the second, and stops once that one ends. The
client quits cleanly (its log ends with the session, its lock is gone), the game server
and ejabberd end, and the run's temporary directory is gone. Run as root without the web
engine's sandbox switch, the script sets it; the client started by hand that way ends at once,
says why in its log and leaves no lock file. The second client's command, as printed,
has its own folders, made before it runs and kept outside the run's temporary directory;
as root it carries the sandbox switch and, pasted into a shell without it, reaches the
login page. The chat server lives as long as the client: past the test server script's
watchdog time (made short here), it still answers a stream and registers an account, as
a second client's login needs. The test's clients use folders of the test's own: the
folders the command names belong to the user's own second client, which may be open, and
whose log stays."""
import atexit
import ctypes
import glob
import os
import re
import select
import shlex
import shutil
import signal
import socket
import ssl
import subprocess
import sys
import tempfile
import time

top, build = sys.argv[1], sys.argv[2]
tmp = tempfile.mkdtemp(prefix="run-client-test.")
# The test's own directory (the client's settings and caches) goes after the checks.
atexit.register(shutil.rmtree, tmp, True)
environment = dict(os.environ, SKIP_BUILD="1", BUILD_DIR=build, TMPDIR=tmp, QT_QPA_PLATFORM="offscreen",
                   XDG_CACHE_HOME=os.path.join(tmp, "cache"), XDG_CONFIG_HOME=os.path.join(tmp, "config"),
                   XDG_DATA_HOME=os.path.join(tmp, "data"))
environment.pop("QTWEBENGINE_DISABLE_SANDBOX", None)
# The watchdog time of the chat test server script, which the run's chat server must outlive.
lifetime = 20
environment["MAX_LIFETIME"] = str(lifetime)
root = os.geteuid() == 0
log_dir = os.path.join(tmp, "cache", "Pellandor", "Pellandor-corvana")


def reaches_login_page(process, logs):
    """Whether, within a minute and while the process runs, a log matching the pattern
    says that the login page is shown and the version check, after which the web engine
    starts, is complete."""
    deadline = time.time() + 60
    while time.time() < deadline and process.poll() is None:
        for path in glob.glob(logs):
            try:
                with open(path) as log:
                    text = log.read()
            except OSError:
                continue
            if "login page shown" in text and "version check complete" in text:
                return True
        time.sleep(0.2)
    return False


if root:
    client = subprocess.run([os.path.join(build, "src", "app", "mahjong")], env=environment,
                            capture_output=True, text=True, timeout=60)
    with open(os.path.join(log_dir, "mahjong.log")) as log:
        said = "sandbox" in log.read()
    if client.returncode != 1 or not said or os.path.exists(os.path.join(log_dir, "mahjong.lock")):
        sys.exit("as root with the sandbox on, the client did not end saying why, or left its lock:\n"
                 + client.stderr)


def chat_answers(port):
    """Whether the chat server on the port opens a client stream, offering its features."""
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=30) as chat:
            chat.sendall(b"<?xml version='1.0'?><stream:stream to='localhost' xmlns='jabber:client' "
                         b"xmlns:stream='http://etherx.jabber.org/streams' version='1.0'>")
            said = b""
            while b"</stream:features>" not in said:
                part = chat.recv(4096)
                if not part:
                    return False
                said += part
            return True
    except OSError:
        return False


class Lines:
    """A process's output line by line, where no read waits past its deadline: a process
    that says nothing, or whose output stays open in a process it left behind, cannot
    hold the test."""

    def __init__(self, stream):
        self.fd = stream.fileno()
        self.buffer = b""
        self.ended = False

    def next(self, deadline):
        """The next line, or None at the end of the output or at the deadline (of
        time.monotonic())."""
        while b"\n" not in self.buffer and not self.ended:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.fd], [], [], left)[0]:
                return None
            part = os.read(self.fd, 4096)
            self.ended = not part
            self.buffer += part
        if not self.buffer:
            return None
        line, _, self.buffer = self.buffer.partition(b"\n")
        return line.decode(errors="replace") + "\n"

    def until(self, deadline, last=None):
        """The lines up to the one that starts with last, the end of the output or the
        deadline."""
        lines = []
        while True:
            line = self.next(deadline)
            if line is None:
                return lines
            lines.append(line)
            if last and line.startswith(last):
                return lines


def end_with_test(parent=os.getpid()):
    """In a child before its program starts: the kernel sends it SIGTERM once this test
    has ended, however it ends (a check's failure, a crash, a kill at CTest's time-out)."""
    ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG
    if os.getppid() != parent:
        os._exit(1)


# In a process group of its own, as in a terminal: Ctrl+C reaches the whole group.
started = time.monotonic()
script = subprocess.Popen([os.path.join(top, "tools", "run-client.sh")], env=environment,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          preexec_fn=lambda: (signal.signal(signal.SIGINT, signal.SIG_DFL), os.setpgrp()))
# Where this test ends before it stops the run itself, the run gets its Ctrl+C all the
# same, and stops everything it started: a watcher in its group gives it once the pipe
# from this test closes.
watcher = subprocess.Popen(["sh", "-c", "read -r _; kill -INT 0"], stdin=subprocess.PIPE,
                           preexec_fn=lambda: os.setpgid(0, script.pid))
said_by_script = Lines(script.stdout)
output = said_by_script.until(time.monotonic() + 90, "The local world runs while")
runs = glob.glob(os.path.join(tmp, "mahjong-run.*"))
if not any(l.startswith("Chat server (ejabberd)") for l in output) or len(runs) != 1:
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the run did not start both servers:\n" + "".join(output))
second = [output[i + 1] for i, l in enumerate(output[:-1]) if l.startswith("A second client")]
words = shlex.split(second[0]) if len(second) == 1 else []
folders = [w.split("=", 1)[1] for w in words if w.startswith("XDG_")]
if len(folders) != 3 or any(runs[0] in f or not os.path.isdir(f) for f in folders):
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the second client's folders are not its own or not made:\n" + "".join(output))
if ("QTWEBENGINE_DISABLE_SANDBOX=1" in words) != root:
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the second client's sandbox switch is wrong for this user:\n" + "".join(output))
if root and not any(l.startswith("Running as root") for l in output):
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the script did not say that it switched the sandbox off:\n" + "".join(output))
pids = subprocess.run(["pgrep", "-f", runs[0]], capture_output=True, text=True).stdout.split()
shown = reaches_login_page(script, os.path.join(glob.escape(log_dir), "mahjong.log"))
time.sleep(1)
if script.poll() is not None or not shown:
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the client ended by itself or showed no login page:\n" + "".join(output + said_by_script.until(time.monotonic() + 5)))
# Past the watchdog's time, counted from before the script started the chat server.
time.sleep(max(0.0, started + lifetime + 5 - time.monotonic()))
chat_port = int(re.search(r"localhost:(\d+)", next(l for l in output if l.startswith("Chat server"))).group(1))
registered = subprocess.run([os.path.join(top, "tools", "ejabberd", "ejabberd-test-server.sh"), "register",
                             os.path.join(runs[0], "ejabberd"), "late-player", "secret"],
                            capture_output=True, text=True, timeout=180)
if not chat_answers(chat_port) or registered.returncode != 0:
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the chat server did not outlive the watchdog's %d s:\n%s%s" % (lifetime, registered.stdout,
                                                                            registered.stderr))
if root:
    # Pasted into another root shell: up to its login page, with a log of its own. The
    # command as printed, but in fresh folders of the test's own instead of the user's.
    own = {}
    pasted = []
    for word in words:
        name, _, value = word.partition("=")
        if name.startswith("XDG_"):
            own[name] = value = os.path.join(tmp, "second-client", name.lower())
            os.makedirs(value)
        pasted.append(name + "=" + shlex.quote(value) if value else shlex.quote(word))
    pasted = " ".join(pasted)
    second_logs = os.path.join(glob.escape(own["XDG_CACHE_HOME"]), "Pellandor", "*", "mahjong.log")
    client = subprocess.Popen(["bash", "-c", pasted], env=environment, start_new_session=True,
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                              preexec_fn=end_with_test)
    shown = reaches_login_page(client, second_logs)
    ended = client.poll() is not None
    os.killpg(client.pid, signal.SIGTERM)
    client.wait(30)
    if ended or not shown:
        os.killpg(script.pid, signal.SIGKILL)
        sys.exit("the second client as printed did not reach its login page:\n" + pasted + "\n" + client.stderr.read())
# A second client logged in to the world, which a TLS session with the game server
# stands in for.
game_port = int(re.search(r"localhost:(\d+)", next(l for l in output if l.startswith("Game server"))).group(1))
tls = ssl.create_default_context()
tls.check_hostname = False
tls.verify_mode = ssl.CERT_NONE
second_client = tls.wrap_socket(socket.create_connection(("127.0.0.1", game_port), timeout=30))
clients = subprocess.run(["pgrep", "-P", str(script.pid), "-x", "mahjong"], capture_output=True, text=True).stdout.split()
if len(clients) != 1:
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the script's client is not found: %s" % clients)
os.kill(int(clients[0]), signal.SIGINT)
said = said_by_script.until(time.monotonic() + 60, "This client ended")
if not said or not said[-1].startswith("This client ended"):
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the world stopped with the first client, a second one logged in to it:\n" + "".join(said))


def looks_for_clients(times, deadline):
    """Whether the script, while it runs, starts that many more of the one-second pauses
    between its counts of the world's clients before the deadline: one more than the
    counts without a client that stop the world."""
    seen = set()
    while len(seen) < times and time.monotonic() < deadline and script.poll() is None:
        seen.update(subprocess.run(["pgrep", "-P", str(script.pid), "-x", "sleep"], capture_output=True,
                                   text=True).stdout.split())
        time.sleep(0.05)
    return len(seen) >= times


if not looks_for_clients(4, time.monotonic() + 60) or not chat_answers(chat_port):
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the world stopped with the first client, a second one logged in to it:\n"
             + "".join(said + said_by_script.until(time.monotonic() + 5)))
try:
    socket.create_connection(("127.0.0.1", game_port), timeout=30).close()
except OSError:
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the game server stopped with the first client, a second one logged in to it")
second_client.close()
try:
    script.wait(60)
except subprocess.TimeoutExpired:
    os.killpg(script.pid, signal.SIGKILL)
    sys.exit("the world did not stop once its last client ended")


def running(pid):
    # An ended process that nobody reaped yet (state Z) counts as ended.
    try:
        with open("/proc/%s/stat" % pid) as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


# The script waited for what it started; what it did not may take a moment to end.
deadline = time.monotonic() + 30
while any(running(pid) for pid in pids) and time.monotonic() < deadline:
    time.sleep(0.1)
left = [pid for pid in pids if running(pid)]
if left:
    subprocess.run(["ps", "-o", "pid,cmd", "-p", ",".join(left)])
    sys.exit("processes of the run are left: " + " ".join(left))
if glob.glob(os.path.join(tmp, "mahjong-run.*")):
    sys.exit("the run's temporary directory is left")
# The client quit as "Quit" does: its log ends with the session, and the lock is gone.
with open(os.path.join(log_dir, "mahjong.log")) as log:
    lines = log.read().strip().splitlines()
if not any(l.endswith("SIGINT received, quitting") for l in lines) \
        or not lines[-1].endswith("[INFO ] Session ended with exit code 0"):
    sys.exit("the client's log does not end with the session on Ctrl+C:\n" + "\n".join(lines[-5:]))
if os.path.exists(os.path.join(log_dir, "mahjong.lock")):
    sys.exit("the client left its lock on Ctrl+C")
print("run-client.sh kept the world for the second client and stopped everything after it")
