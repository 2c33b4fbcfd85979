"""Times polymetra-cli: a CSV batch of 100,000 rows and the start-up of one call.

Usage: cli_bench.py PATH/TO/polymetra-cli [ROWS]

Runs on a home of its own (no settings, no tapes) and prints the best and the median wall
time of several runs, so that other load on the machine shows as spread, not as the figure.
"""

import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

cli = sys.argv[1]
rows = int(sys.argv[2]) if len(sys.argv) > 2 else 100_000
home = tempfile.mkdtemp(prefix="polymetra-cli-bench-")
env = dict(os.environ, HOME=home, XDG_DATA_HOME=home + "/data",
           XDG_CONFIG_HOME=home + "/config", LC_ALL="C")


def timed(args, stdin_bytes, repeats):
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        run = subprocess.run([cli, *args], input=stdin_bytes, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, env=env)
        times.append(time.perf_counter() - start)
        if run.returncode not in (0, 1):
            sys.exit(f"{args} failed with {run.returncode}")
    return min(times), statistics.median(times)


random.seed(1)
sphere = "radius\n" + "".join(f"{random.uniform(0.01, 1000):.4f}\n" for _ in range(rows))
triangle = "a,b,c\n" + "".join(
    f"{a:.3f},{b:.3f},{random.uniform(abs(a - b) + 0.01, a + b - 0.01):.3f}\n"
    for a, b in ((random.uniform(1, 100), random.uniform(1, 100)) for _ in range(rows)))

for name, args, data in [("sphere", ["--csv", "sphere"], sphere),
                         ("triangle", ["--csv", "triangle"], triangle)]:
    best, median = timed(args, data.encode(), 5)
    print(f"{rows} CSV rows, {name}: best {best * 1000:.0f} ms, median {median * 1000:.0f} ms")

best, median = timed(["circle", "r=1"], None, 50)
print(f"one call (circle r=1): best {best * 1000:.1f} ms, median {median * 1000:.1f} ms")
