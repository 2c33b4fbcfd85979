#!/usr/bin/env python3
"""Times start-up: Polymetra on a plane figure and on a solid, beside the two floors (a Qt
window with a line edit, and one with an OpenGL widget), interleaved, after a warm-up.

    xvfb-run -a -s "-screen 0 1600x1000x24" python3 bench/startup.py [--runs N] BUILD_DIR...

With several build folders (say, before and after a change) each is timed in the same
interleaved rounds; the floors come from the first.

Each program prints "startup mapped KIB", "startup painted KIB" and, with OpenGL,
"startup painted-gl KIB" (POLYMETRA_STARTUP_TRACE); this script times the lines as they
arrive from the moment it starts the process, and reports medians in seconds and MiB.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time


def launch(command, home, quit_after):
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local/share"),
               XDG_RUNTIME_DIR=home, POLYMETRA_STARTUP_TRACE=quit_after,
               QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "xcb"))
    started = time.perf_counter()
    process = subprocess.Popen(command, env=env, stderr=subprocess.PIPE, stdout=subprocess.DEVNULL,
                               text=True)
    seen = {}
    # A program that never reports is stopped rather than waited for.
    watchdog = threading.Timer(20, process.kill)
    watchdog.start()
    for line in process.stderr:
        words = line.split()
        if len(words) == 3 and words[0] == "startup":
            seen[words[1]] = (time.perf_counter() - started, int(words[2]) / 1024)
    process.wait()
    watchdog.cancel()
    return seen


def seeded_home(app, top_tab):
    home = tempfile.mkdtemp(prefix="polymetra-startup-")
    launch([app], home, "quit-plane")  # the first run writes the tapes and settings
    conf = os.path.join(home, ".config", "Polymetra", "Polymetra.conf")
    with open(conf) as f:
        lines = [l for l in f.read().splitlines() if not l.startswith("TopTab=")]
    lines.insert(lines.index("[General]") + 1 if "[General]" in lines else 0, "TopTab=" + top_tab)
    with open(conf, "w") as f:
        f.write("\n".join(lines) + "\n")
    return home


def main():
    arguments = sys.argv[1:]
    runs = 7
    if arguments[:1] == ["--runs"]:
        runs, arguments = int(arguments[1]), arguments[2:]
    builds = arguments
    floors = os.path.join(builds[0], "bench")
    empty_home = tempfile.mkdtemp(prefix="polymetra-floor-")
    homes = [empty_home]
    subjects = [("Qt 6 window with a line edit (floor)",
                 [os.path.join(floors, "polymetra-floor-lineedit")], empty_home, "quit-plane",
                 "painted")]
    for build in builds:
        app = os.path.join(build, "app", "polymetra")
        label = f" ({build})" if len(builds) > 1 else ""
        plane_home, solid_home = seeded_home(app, "2D"), seeded_home(app, "3D")
        homes += [plane_home, solid_home]
        subjects.append((f"Polymetra on a plane figure{label}", [app], plane_home, "quit-plane",
                         "painted"))
    subjects.append(("Qt 6 window with an OpenGL widget (floor)",
                     [os.path.join(floors, "polymetra-floor-glwidget")], empty_home, "quit-solid",
                     "painted-gl"))
    for build, home in zip(builds, homes[2::2]):
        label = f" ({build})" if len(builds) > 1 else ""
        subjects.append((f"Polymetra on a solid{label}", [os.path.join(build, "app", "polymetra")],
                         home, "quit-solid", "painted-gl"))
    results = {name: [] for name, *_ in subjects}
    for run in range(runs + 1):  # the first round warms the caches and is not counted
        for name, command, home, quit_after, painted in subjects:
            seen = launch(command, home, quit_after)
            if run and "mapped" in seen and painted in seen:
                results[name].append((seen["mapped"][0], seen[painted][0], seen[painted][1]))
    load = os.getloadavg()[0]
    print(f"{runs} runs after a warm-up, medians; load average {load:.1f}")
    print("| | window mapped | first paint | memory (RSS) |")
    print("|---|---|---|---|")
    for name, rows in results.items():
        if not rows:
            print(f"| {name} | no result | | |")
            continue
        mapped, painted, rss = (statistics.median(column) for column in zip(*rows))
        print(f"| {name} | {mapped:.3f} s | {painted:.3f} s | {rss:.1f} MiB |")
    for home in homes:
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
