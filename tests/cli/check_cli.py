"""Drives the built polymetra-cli: the window's recorded reports give the same numbers and
refusals, names and aliases resolve, exit statuses hold, CSV reads back what it writes with
either separator, and a --tape entry is shown by the app.

Usage: check_cli.py CLI SCENARIO_TOOL SCENARIOS EXPECTED
"""

import csv
import io
import json
import os
import subprocess
import sys
import tempfile

CLI, SCENARIO, SCENARIOS, EXPECTED = sys.argv[1:5]
failures = []


def home_env(home):
    env = dict(os.environ, HOME=home, XDG_DATA_HOME=home + "/.local/share",
               XDG_CONFIG_HOME=home + "/.config", LC_ALL="C", LANG="C")
    env.pop("LANGUAGE", None)
    return env


HOME = tempfile.mkdtemp(prefix="polymetra-cli-")
ENV = home_env(HOME)


def cli(*args, stdin=None, env=ENV):
    return subprocess.run([CLI, *args], input=stdin, capture_output=True, text=True, env=env)


def check(condition, what):
    if not condition:
        failures.append(what)


def one_line(message):
    return message.replace("\r", " ").replace("\n", " ")


# The window's reports for a batch of cases over every shape: the same texts, marks and
# refusal messages through --json. Cases with steps or views test the window, not numbers.
with open(SCENARIOS) as s, open(EXPECTED) as e:
    cases = [(json.loads(a), json.loads(b)) for a, b in zip(s, e)]
shapes_seen = set()
for args, report in cases:
    if any(a in ("--steps", "--step", "--view") for a in args) or "fields" not in report:
        continue
    run = cli(*args, "--json")
    if report["alerts"]:
        wanted = one_line(report["alerts"][0]["message"])
        reason = [s["formula"] for s in report.get("working", [])]
        refused = json.loads(run.stdout) if run.stdout.strip() else {}
        check(reason == ([refused["reason"]] if "reason" in refused else []),
              f"{args}: the reason {run.stdout!r}, the window shows {reason}")
        check(run.returncode == 1 and json.loads(run.stdout).get("error") == wanted
              and run.stderr.strip() == "polymetra-cli: " + wanted,
              f"{args}: refusal {run.returncode} {run.stdout!r} {run.stderr!r}")
        continue
    check(run.returncode == 0, f"{args}: exit {run.returncode} {run.stderr}")
    if run.returncode:
        continue
    got = json.loads(run.stdout)
    shapes_seen.add(got["shape"])
    for outlet, field in report["fields"].items():
        mine = got["fields"].get(outlet)
        check(mine == {"text": field["text"], "given": field["given"]},
              f"{args}: {outlet} is {mine}, the window shows {field}")
    logged = [{"line": piece, "given": run_["colour"] == "blue"}
              for run_ in report["tape"][1:] for piece in run_["text"].split("\n")[1:]]
    check(got["tape"] == logged, f"{args}: tape {got['tape']}, the window logs {logged}")
    # The working the window shows, step by step (targets are named differently).
    steps = [[s["formula"], s["substituted"], s["result"]] for s in got["steps"]]
    shown = [[s["formula"], s["substituted"], s["result"]] for s in report.get("working", [])]
    check(steps == shown, f"{args}: steps {steps}, the window shows {shown}")


def texts(*args):
    run = cli(*args, "--json")
    if run.returncode:
        return run.returncode, run.stderr
    report = json.loads(run.stdout)
    shapes_seen.add(report["shape"])
    return 0, {q["name"]: q["text"] for q in report["quantities"]}


# Names: short names as written, then any case when unambiguous; shape aliases.
for args, name, text in [
    (("triangle", "a=3", "b=4", "c=5"), "angle-c", "90"),
    (("triangle", "a=3", "B=30", "C=60"), "side-b", "1.5"),
    (("Triangle", "SIDE-A=3", "side_b=4", "sidec=5"), "area", "6"),
    (("circle", "r=1"), "area", "3.14"),
    (("circle", "perimeter=6.283185307"), "radius", "1"),
    (("circle", "areaTextField=3.14159265"), "radius", "1"),
    (("polygon", "n=4", "side=2"), "area", "4"),
    (("rectangular prism", "a=1", "b=2", "h=3"), "volume", "6"),
    (("cone", "r=3", "H=4"), "slant-height", "5"),
    (("sphere", "V=4.18879"), "radius", "1"),
    (("trapezium", "a=6", "c=3", "h=2", "A=60"), "area", "9"),
    (("triangular-prism", "a=3", "b=4", "c=5", "h=2"), "volume", "12"),
    (("trapezoidal prism", "a=6", "b=4", "c=3", "B=60", "h=2"), "volume", "31.18"),
]:
    status, got = texts(*args)
    check(status == 0 and got.get(name) == text, f"{args}: {name} = {got}")

check(len(shapes_seen) == 15, f"solved shapes: {sorted(shapes_seen)}")

# Exit statuses and where messages go.
for args, status, stream in [
    (("--help",), 0, "stdout"),
    (("--version",), 0, "stdout"),
    (("--list",), 0, "stdout"),
    (("cone", "--help"), 0, "stdout"),
    (("circle",), 1, "stderr"),
    (("circle", "r=-1"), 1, "stderr"),
    (("circle", "r=1e400"), 1, "stderr"),
    (("polygon", "n=2", "side=1"), 1, "stderr"),
    (("circle", "r=3", "--quiet"), 0, None),
    (("hexagon", "r=1"), 2, "stderr"),
    (("circle", "x=1"), 2, "stderr"),
    (("circle", "r=1", "r=2"), 2, "stderr"),
    (("triangle", "a=3", "b=4", "c=5", "height=9"), 0, "stderr"),
    (("parallelogram", "ANGLE=60"), 2, "stderr"),
    (("circle", "r"), 2, "stderr"),
    (("circle", "r=1", "--decimals", "12"), 2, "stderr"),
    (("circle", "r=1", "--frobnicate"), 2, "stderr"),
    (("circle",) + ("r=1",) * 70, 2, "stderr"),
    (("circle", "r=" + "1" * 5000), 2, "stderr"),
]:
    run = cli(*args)
    printed = {"stdout": run.stdout, "stderr": run.stderr}
    check(run.returncode == status and (stream is None and not run.stdout or
                                        stream and printed[stream]),
          f"{args}: exit {run.returncode}, out {run.stdout!r}, err {run.stderr!r}")
    check(run.returncode == 0 or not run.stdout, f"{args}: failure printed to stdout")
check('"4"' in cli("triangle", "a=3", "b=4", "c=5", "height=9", "--json").stdout,
      "a value given for a calculated quantity is not used")

# The configured decimals and the locale's separator are the defaults.
os.makedirs(HOME + "/.config/Polymetra", exist_ok=True)
with open(HOME + "/.config/Polymetra/Polymetra.conf", "w") as conf:
    conf.write("[General]\nDecimalPlaces=4\n")
german = dict(ENV, LC_ALL="de_DE.UTF-8", LANG="de_DE.UTF-8")
status, got = texts("circle", "r=1")
check(got.get("area") == "3.1416", f"decimals from the settings: {got}")
run = cli("circle", "r=1", "--json", env=german)
if "de_DE" in subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout:
    check(run.returncode == 0 and json.loads(run.stdout)["separator"] == ",",
          f"separator from the locale: {run.stdout}")
os.remove(HOME + "/.config/Polymetra/Polymetra.conf")

# CSV: refused rows carry their reason and the batch goes on; the output reads back to
# itself with either separator.
rows = "\ufeffradius,diameter\r\n3,\r\n,7\r\n-1,\r\n\r\n\"2\",0\r\n1,2,3\r\n"
run = cli("--csv", "circle", stdin=rows)
out = list(csv.reader(io.StringIO(run.stdout)))
check(run.returncode == 1 and out[0] == ["radius", "diameter", "area", "circumference", "error"]
      and len(out) == 6, f"csv batch: {run.returncode} {out}")
if len(out) == 6:
    check(out[1][:4] == ["3", "6", "28.27", "18.85"] and out[1][4] == "", f"csv row: {out[1]}")
    check(out[3][4].startswith("The value of Radius"), f"csv refusal: {out[3]}")
    check(out[4][0] == "2" and out[5][4] != "", f"csv rows after refusal: {out[4:]}")
for separator in (".", ","):
    source = 'a,b,c\n3,4,5\n5,5,8\n2,2,"3{}5"\n'.format(separator)
    first = cli("--csv", "triangle", "--separator", separator, stdin=source)
    second = cli("--csv", "triangle", "--separator", separator, stdin=first.stdout)
    check(first.returncode == 0 and second.stdout == first.stdout,
          f"csv round trip with {separator!r}: {first.stdout!r} then {second.stdout!r}")
    check(separator == "." or '"1,76"' in first.stdout or '"3,5"' in first.stdout,
          f"csv quoting with ',': {first.stdout!r}")
check(cli("--csv", "circle", stdin="radius,volume\n1\n").returncode == 2, "csv bad header")
run = cli("--csv", "circle", stdin="\x1b]0;owned\x07" + "x" * 5000 + "\n1\n")
check(run.returncode == 2 and "\x1b" not in run.stderr and len(run.stderr) < 300,
      f"a hostile header shown as it is: {run.stderr!r}")
check(cli("--csv", "circle", stdin="radius\n" + "1" * 70000 + "\n2\n").returncode == 1,
      "csv over-long row")

# --tape: the entry is the window's (the polygon logs only the set entered in), the app
# shows it, and an unreadable tape is never written over.
tape_home = tempfile.mkdtemp(prefix="polymetra-cli-tape-")
tape_env = home_env(tape_home)
check(cli("polygon", "n=6", "side=1", "--tape", env=tape_env).returncode == 0, "tape write")
check(cli("circle", "r=2", "--tape", env=tape_env).returncode == 0, "tape write")
check(cli("circle", "d=5", "--tape", env=tape_env).returncode == 0, "tape write")
for shape, lines in [
    ("Circle", "Radius: 2\nDiameter: 4\nArea: 12.57\nCircumference: 12.57"),
    ("Regular Polygon", "Number of Sides: 6\nSide: 1\nRadius a: 1\nRadius b: 0.87\nAngle: 120"
                        "\nArea: 2.6\nPerimeter: 6\nName: Hexagon"),
]:
    run = subprocess.run([SCENARIO, "--home", tape_home, "--steps", "select:" + shape, shape],
                         capture_output=True, text=True, env=tape_env)
    runs = json.loads(run.stdout)["tape"] if run.returncode == 0 else []
    shown = "".join(r["text"] for r in runs)
    check(lines in shown, f"{shape} tape shown by the app: {shown!r} {run.stderr}")
    entries = len([r for r in runs if r["colour"] == "grey"])
    check(entries == (2 if shape == "Circle" else 1), f"{shape}: {entries} entries")
circle_tape = tape_home + "/.local/share/Polymetra/Tapes/Circle Tape"
with open(circle_tape, "wb") as broken:
    broken.write(b"not a tape")
run = cli("circle", "r=1", "--tape", env=tape_env)
with open(circle_tape, "rb") as kept:
    check(run.returncode == 1 and kept.read() == b"not a tape" and "Circle Tape" in run.stderr,
          f"unreadable tape: {run.returncode} {run.stderr}")

# The app's tape in the app's language: the sphere's English tape is taken over under its
# German name and the entry is labelled in German, as the German app shows it.
sphere_home = tempfile.mkdtemp(prefix="polymetra-cli-de-")
tapes = sphere_home + "/.local/share/Polymetra/Tapes/"
os.makedirs(tapes)
os.makedirs(sphere_home + "/.config/Polymetra")
with open(sphere_home + "/.config/Polymetra/Polymetra.conf", "w") as conf:
    conf.write("[General]\nLanguage=de\n")
check(cli("sphere", "r=2", "--tape", env=home_env(sphere_home)).returncode == 0, "tape write")
check(cli("sphere", "r=3", "--tape", env=home_env(sphere_home)).returncode == 0, "tape write")
os.rename(tapes + "Kugel Protokoll", tapes + "Sphere Tape")
check(cli("sphere", "r=4", "--tape", env=home_env(sphere_home)).returncode == 0, "tape write")
with open(tapes + "Kugel Protokoll", "rb") as german:
    text = german.read().decode("latin-1")
check(os.listdir(tapes) == ["Kugel Protokoll"] and text.count("Radius: ") == 3
      and "Oberfl" in text, f"German tape: {os.listdir(tapes)} {text[-300:]!r}")

# Every shape's help shows an example that solves.
for line in cli("--list").stdout.splitlines():
    example = cli(line.split()[0], "--help").stdout.split("polymetra-cli ")[-1].split()
    check(cli(*example).returncode == 0, f"the help's example {example} does not solve")

with open("/dev/full", "w") as full:
    run = subprocess.run([CLI, "circle", "r=1"], stdout=full, stderr=subprocess.PIPE, env=ENV)
check(run.returncode == 1 and run.stderr, f"output lost on a full disk: {run.returncode}")

# The program runs on the model alone.
linked = subprocess.run(["ldd", CLI], capture_output=True, text=True).stdout
check("Qt6Widgets" not in linked and "Qt6OpenGL" not in linked and "Qt6Core" in linked,
      f"linked libraries: {linked}")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
