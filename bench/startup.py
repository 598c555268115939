#!/usr/bin/env python3
"""Start-up to the login page, offscreen, against the local test game server.

Runs the client and the floor (bench_startup_floor, a bare Qt widgets program showing one
window) in turns, ten times each, and prints the medians:

  T_client   process start to the log line " [INFO ] login page shown"
  T_floor    process start to the floor's first paint
  hand-over  the log line "start-up finished" to "login page shown"

The goal: T_client - 750 ms (the minimum splash time) <= 5 x T_floor.

Usage: bench/startup.py [BUILD_DIR] [RUNS]   (a build with -DMAHJONG_BUILD_BENCHMARKS=ON)
"""

import datetime
import json
import os
import re
import signal
import statistics
import subprocess
import sys
import tempfile
import time

MINIMUM_SPLASH_MS = 750


def project_version(top):
    with open(os.path.join(top, "CMakeLists.txt")) as cmake:
        return re.search(r"project\(\w+ VERSION ([0-9.]+)", cmake.read()).group(1)


def start_server(server, work, version):
    with open(os.path.join(work, "server_info.xml"), "w") as info:
        info.write('<serverinfo><versioncheck url="http://{host}/client/{sku}/client_versions.xml"/>'
                   "</serverinfo>\n")
    with open(os.path.join(work, "client_versions.xml"), "w") as versions:
        versions.write('<clientversions><client version="%s" url="http://localhost/c"/>'
                       "</clientversions>\n" % version)
    scenario = os.path.join(work, "startup.json")
    with open(scenario, "w") as out:
        json.dump({"http": {"/client/server_info.xml": "server_info.xml",
                            "/client/linux/client_versions.xml": "client_versions.xml"}}, out)
    process = subprocess.Popen([server, "--scenario", scenario], stdout=subprocess.PIPE, text=True)
    ports = re.match(r"LISTENING game=(\d+) http=(\d+)", process.stdout.readline())
    if not ports:
        process.kill()
        sys.exit("the test server did not start")
    return process, ports.group(1), ports.group(2)


def log_time(line, day):
    clock = datetime.datetime.strptime(line[:12], "%H:%M:%S.%f").time()
    return datetime.datetime.combine(day, clock).timestamp()


def run_client(client, home, game_port, http_port):
    log = os.path.join(home, "cache", "Pellandor", "Pellandor-corvana", "mahjong.log")
    environment = dict(os.environ, HOME=home, XDG_CACHE_HOME=os.path.join(home, "cache"),
                       XDG_CONFIG_HOME=os.path.join(home, "config"), QT_QPA_PLATFORM="offscreen")
    started = time.time()
    process = subprocess.Popen([client, "--nossl", "-S", "127.0.0.1:" + http_port,
                                "127.0.0.1:" + game_port], env=environment,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    shown = handed_over = None
    deadline = started + 30
    while shown is None and time.time() < deadline:
        time.sleep(0.02)
        if not os.path.exists(log):
            continue
        with open(log, encoding="utf-8", errors="replace") as text:
            for line in text:
                if "start-up finished" in line:
                    handed_over = log_time(line, datetime.date.fromtimestamp(started))
                elif "login page shown" in line:
                    shown = log_time(line, datetime.date.fromtimestamp(started))
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
    if shown is None or handed_over is None:
        sys.exit("the client did not show its login page; see " + log)
    os.remove(log)
    return (shown - started) * 1000, (shown - handed_over) * 1000


def run_floor(floor):
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    started = time.time()
    output = subprocess.run([floor], env=environment, capture_output=True, text=True, timeout=30).stdout
    painted = re.search(r"painted (\d+)", output)
    if not painted:
        sys.exit("the floor did not paint")
    return int(painted.group(1)) - started * 1000


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    build = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else os.path.join(top, "build")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    client = os.path.join(build, "src", "app", "mahjong")
    floor = os.path.join(build, "bench", "bench_startup_floor")
    server = os.path.join(build, "tools", "testserver", "mahjong-testserver")
    for program in (client, floor, server):
        if not os.access(program, os.X_OK):
            sys.exit(program + " is not built (configure with -DMAHJONG_BUILD_BENCHMARKS=ON)")

    with tempfile.TemporaryDirectory(prefix="mahjong-startup-") as work:
        server_process, game_port, http_port = start_server(server, work, project_version(top))
        try:
            clients, handovers, floors = [], [], []
            for _ in range(runs):
                total, handover = run_client(client, os.path.join(work, "home"), game_port, http_port)
                clients.append(total)
                handovers.append(handover)
                floors.append(run_floor(floor))
        finally:
            server_process.terminate()
            server_process.wait()

    t_client = statistics.median(clients)
    t_floor = statistics.median(floors)
    print("runs: %d each, alternating" % runs)
    print("T_client  median %7.1f ms  (min %.1f, max %.1f)" % (t_client, min(clients), max(clients)))
    print("hand-over median %7.1f ms  (min %.1f, max %.1f)" % (statistics.median(handovers),
                                                            min(handovers), max(handovers)))
    print("T_floor   median %7.1f ms  (min %.1f, max %.1f)" % (t_floor, min(floors), max(floors)))
    print("T_client - %d ms = %.1f ms; 5 x T_floor = %.1f ms: %s"
          % (MINIMUM_SPLASH_MS, t_client - MINIMUM_SPLASH_MS, 5 * t_floor,
             "met" if t_client - MINIMUM_SPLASH_MS <= 5 * t_floor else "missed"))


if __name__ == "__main__":
    main()
