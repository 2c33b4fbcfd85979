#!/usr/bin/env python3
"""The window in German, French and Spanish, as LANG chooses: names, labels, tape, tape
file, numbers and a refusal.

    check_languages.py SCENARIO_TOOL
"""
import json
import os
import subprocess
import sys

CASES = [
    # (LANG, arguments, {dotted path in the report: expected value or list of parts})
    ("de_DE.UTF-8", ["Circle", "radiusTextField=3,5", "--view", "400x300", "--steps", "calculate,texts"],
     {"title": "Kreis",
      "info": "Kreis",
      "fields.radiusTextField.text": "3,5",
      "fields.areaTextField.text": "38,48",
      "texts.labels.areaTextField": "Flächeninhalt",
      "texts.menus": ["&Datei", "&Bearbeiten", "&Ansicht", "&Form", "&Protokoll", "&Hilfe"],
      "texts.tapeFile": "Kreis Protokoll",
      "texts.tapeFileExists": True,
      "tape": ["\nRadius: 3,5", "\nFlächeninhalt: 38,48", "\nUmfang: 21,99"],
      "view2d.label": "Maßstab 1:1",
      "working.1.substituted": "π·3,5²"}),
    ("de_DE.UTF-8", ["Triangle", "sideATextField=1", "sideBTextField=2,5", "sideCTextField=3,5"],
     {"alerts.0.title": "Berechnung nicht möglich!",
      "alerts.0.message": ["Summe von Seite a und Seite b größer als Seite c", "(> 3,5 Einheiten)"]}),
    ("fr_FR.UTF-8", ["Square", "sideATextField=2,5", "--steps", "calculate,texts"],
     {"title": "Carré",
      "texts.labels.areaTextField": "Aire",
      "texts.tapeFile": "Carré Bande",
      "tape": ["\nCôté : 2,5", "\nAire : 6,25", "\nPérimètre : 10"]}),
    ("es_ES.UTF-8", ["Cone", "radiusTextField=1,5", "HeigthHTextField=2", "--steps", "calculate,texts"],
     {"title": "Cono",
      "texts.tapeFile": "Cono Cinta",
      "texts.labels.slantHeightTextField": "Generatriz",
      "tape": ["\nRadio: 1,5", "\nGeneratriz: 2,5"]}),
]


def lookup(report, path):
    value = report
    for part in path.split("."):
        if isinstance(value, list):
            value = value[int(part)] if part.isdigit() and int(part) < len(value) else None
        else:
            value = value.get(part) if isinstance(value, dict) else None
    return value


def main():
    tool = sys.argv[1]
    failures = []
    for lang, arguments, expected in CASES:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LANG=lang, LC_ALL=lang)
        env.pop("LANGUAGE", None)
        run = subprocess.run([tool, *arguments], capture_output=True, text=True, env=env)
        if run.returncode != 0:
            failures.append(f"{lang} {arguments}: exit {run.returncode}: {run.stderr}")
            continue
        report = json.loads(run.stdout)
        for path, want in expected.items():
            got = lookup(report, path)
            if path == "tape":
                got = "".join(run_["text"] for run_ in report["tape"])
            if isinstance(want, list) and isinstance(got, str):
                ok = all(part in got for part in want)
            else:
                ok = got == want
            if not ok:
                failures.append(f"{lang} {' '.join(arguments)}: {path}: want {want!r}, got {got!r}")
    for failure in failures:
        print(failure)
    print(f"{len(CASES)} cases, {len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
