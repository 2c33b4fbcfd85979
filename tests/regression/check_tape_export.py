#!/usr/bin/env python3
"""Calculates a few entries on two shapes' tapes with each decimal separator, exports each
tape as CSV and PDF through polymetra-scenario, and checks that Python's csv module reads
back the tape's own numbers and given marks, and that the PDF's text (pdftotext) holds
every value. Without pdftotext the PDF half is skipped, saying so.

    check_tape_export.py SCENARIO_TOOL
"""
import csv
import json
import os
import shutil
import subprocess
import sys
import tempfile

SHAPES = {
    "Circle": ["radiusTextField=2{s}5", "diameterTextField=7{s}25", "areaTextField=100"],
    "Cylinder": ["radiusTextField=1{s}5 heightTextField=2", "volumeTextField=30 radiusTextField=1"],
}


def scenario(tool, shape, separator, entries, folder):
    first, *rest = entries
    args = [tool, "--separator", separator, shape] + first.format(s=separator).split()
    steps = ["calculate"]
    for entry in rest:
        steps.append("clear")
        steps += ["paste:" + a for a in entry.format(s=separator).split()]
        steps.append("calculate")
    csv_path = os.path.join(folder, f"{shape}{ord(separator)}.csv")
    pdf_path = os.path.join(folder, f"{shape}{ord(separator)}.pdf")
    steps += [f"export-tape:csv:{csv_path}", f"export-tape:pdf:{pdf_path}"]
    for step in steps:
        args += ["--step", step]
    # English and the C locale's numbers, whatever the machine's language.
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LANG="C.UTF-8", LC_ALL="C.UTF-8")
    env.pop("LANGUAGE", None)
    done = subprocess.run(args, capture_output=True, text=True, env=env, check=True)
    return json.loads(done.stdout), csv_path, pdf_path


def tape_entries(report):
    """The tape's entries from the report's coloured runs: [(values, given labels)]."""
    entries, values, given = [], {}, set()
    text, blue = "", []
    for run in report["tape"]:
        for ch in run["text"]:
            if ch in "\u2028\u2029\n":
                if ": " in text:
                    label, value = text.split(": ", 1)
                    values[label.strip()] = value.strip()
                    if any(blue):
                        given.add(label.strip())
                elif text.strip() and values:
                    entries.append((values, given))
                    values, given = {}, set()
                text, blue = "", []
            else:
                text += ch
                blue.append(run.get("colour") == "blue")
    if ": " in text:
        label, value = text.split(": ", 1)
        values[label.strip()] = value.strip()
        if any(blue):
            given.add(label.strip())
    if values:
        entries.append((values, given))
    return entries


def number(text, separator):
    return float(text.replace(separator, "."))


def main():
    tool = sys.argv[1]
    failures = []
    pdftotext = shutil.which("pdftotext")
    with tempfile.TemporaryDirectory() as folder:
        for separator in ".,":
            for shape, entries in SHAPES.items():
                report, csv_path, pdf_path = scenario(tool, shape, separator, entries, folder)
                expected = tape_entries(report)
                delimiter = ";" if separator == "," else ","
                with open(csv_path, newline="", encoding="utf-8") as f:
                    rows = list(csv.reader(f, delimiter=delimiter))
                header, body = rows[0], rows[1:]
                where = f"{shape} with '{separator}'"
                if len(body) != len(entries) or len(expected) != len(entries):
                    failures.append(f"{where}: {len(body)} rows, {len(expected)} entries")
                    continue
                for row, (values, given) in zip(body, expected):
                    for label, value in values.items():
                        cell = row[header.index(label)]
                        if number(cell, separator) != number(value, separator):
                            failures.append(f"{where}: {label} {cell!r} != {value!r}")
                    if set(filter(None, row[-1].split(" + "))) != given:
                        failures.append(f"{where}: given {row[-1]!r} != {sorted(given)}")
                if pdftotext:
                    text = subprocess.run([pdftotext, pdf_path, "-"], capture_output=True,
                                          text=True, check=True).stdout
                    for values, _ in expected:
                        for label, value in values.items():
                            if value not in text:
                                failures.append(f"{where}: PDF lacks {label} {value}")
    for failure in failures:
        print(failure)
    if not pdftotext:
        print("SKIPPED the PDF checks: pdftotext (poppler-utils) is not installed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
