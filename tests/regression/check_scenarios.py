#!/usr/bin/env python3
"""Runs scenarios.jsonl through polymetra-scenario's batch mode and compares each report
with expected.jsonl, line by line. Dates on the tape and temporary folders in messages
differ from run to run and are replaced by placeholders first.

    check_scenarios.py SCENARIO_TOOL            compare (exit 1 on any difference)
    check_scenarios.py SCENARIO_TOOL --update   write expected.jsonl afresh
"""
import json
import os
import pathlib
import re
import subprocess
import sys

HERE = pathlib.Path(__file__).parent
TEMPORARY = re.compile(r"(?:/tmp|/dev/shm)/[^/\s]+")


def normalised(report):
    for run in report.get("tape", []):
        if run.get("colour") == "grey":
            run["text"] = "<date>"
    report["messages"] = [TEMPORARY.sub("<tmp>", m) for m in report.get("messages", [])]
    return json.dumps(report, sort_keys=True, ensure_ascii=False)


def main():
    tool, update = sys.argv[1], "--update" in sys.argv[2:]
    scenarios = (HERE / "scenarios.jsonl").read_text()
    # English and the C locale's numbers, whatever the machine's language.
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LANG="C.UTF-8", LC_ALL="C.UTF-8")
    env.pop("LANGUAGE", None)
    done = subprocess.run([tool, "--batch"], input=scenarios, capture_output=True, text=True,
                          env=env, check=True)
    reports = [normalised(json.loads(line)) for line in done.stdout.splitlines()]
    expected_path = HERE / "expected.jsonl"
    if update:
        expected_path.write_text("\n".join(reports) + "\n")
        print(f"{expected_path}: {len(reports)} reports")
        return 0
    expected = expected_path.read_text().splitlines()
    inputs = scenarios.splitlines()
    differences = [i for i in range(max(len(expected), len(reports)))
                   if i >= len(expected) or i >= len(reports) or expected[i] != reports[i]]
    for i in differences[:5]:
        print(f"scenario {i + 1}: {inputs[i] if i < len(inputs) else '?'}")
        print(f"  expected: {expected[i] if i < len(expected) else '(none)'}")
        print(f"  got:      {reports[i] if i < len(reports) else '(none)'}")
    print(f"{len(reports)} scenarios, {len(differences)} differ")
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
