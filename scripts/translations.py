#!/usr/bin/env python3
"""Keeps translations/*.ts in step with the texts in the code.

    translations.py update   lupdate the .ts files in place (new texts come in unfinished)
    translations.py check    lupdate temporary copies; fail when a text in the code is
                             missing from a .ts file or any entry is unfinished, empty,
                             no longer used or loses a placeholder, a leading line break,
                             a trailing blank or its accelerator (exit 77 without lupdate)

Every text is looked up in the one context "Polymetra" (core/Localization.h), mostly
through localized(), which lupdate does not know. lupdate reads a copy of the sources in
which each localized( is written as QT_TRANSLATE_NOOP("Polymetra", , so the texts land in
that context wherever they sit (free functions included). A message in any other context
would never be found at run time and fails the check.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE_DIRS = ["app", "core", "shapes2d", "shapes3d", "render", "drawing"]
LANGUAGES = ["de", "fr", "es"]
CONTEXT = "Polymetra"
# localized( and the solvers' TR( (a macro lupdate cannot see through) mark texts.
LOOKUP = re.compile(r"\b(?:localized|TR)\(")


def find_lupdate():
    for candidate in [os.environ.get("LUPDATE", ""), "/usr/lib/qt6/bin/lupdate", shutil.which("lupdate6") or "",
                      shutil.which("lupdate") or ""]:
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    return None


def ts_path(language, folder=None):
    return os.path.join(folder or os.path.join(ROOT, "translations"), f"polymetra_{language}.ts")


def rewritten_sources(target):
    for folder in SOURCE_DIRS:
        for directory, _, files in os.walk(os.path.join(ROOT, folder)):
            for name in files:
                if not name.endswith((".cpp", ".h")):
                    continue
                source = os.path.join(directory, name)
                copy = os.path.join(target, os.path.relpath(source, ROOT))
                os.makedirs(os.path.dirname(copy), exist_ok=True)
                with open(source, encoding="utf-8") as f:
                    text = f.read()
                with open(copy, "w", encoding="utf-8") as f:
                    f.write(LOOKUP.sub(f'QT_TRANSLATE_NOOP("{CONTEXT}", ', text))
    return [os.path.join(target, folder) for folder in SOURCE_DIRS]


def run_lupdate(lupdate, sources, ts_files):
    result = subprocess.run([lupdate, "-silent", "-locations", "none", "-no-ui-lines", *sources, "-ts", *ts_files],
                            capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"lupdate failed:\n{result.stdout}{result.stderr}")


def text_of(element):
    """An element's text with lupdate's <byte value="xd"/> characters put back."""
    if element is None:
        return None
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value").lstrip("x"), 16))
        text += child.tail or ""
    return text


PLACEHOLDER = re.compile(r"%\d|%@|\{\w+\}")


def form_problem(source, text):
    """What a translation changed that the code relies on: the placeholders (%1, %@ and a
    formula's {names}), a leading line break (tape labels), a trailing blank ("Scale "), a
    menu's one accelerator."""
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
        return "placeholders differ"
    if source.startswith("\n") != text.startswith("\n"):
        return "leading line break differs"
    if source.endswith(" ") != text.endswith(" "):
        return "trailing blank differs"
    if ("&" in source.replace("&&", "")) != (text.replace("&&", "").count("&") == 1):
        return "accelerator differs"
    return None


def problems_in(ts_file, committed):
    """What is wrong with ts_file after lupdate merged the code into it; committed is
    the same file before the merge (None when checking in place)."""
    found = []
    known = set()
    if committed is not None:
        for context in ET.parse(committed).getroot().iter("context"):
            for message in context.iter("message"):
                known.add((context.findtext("name"), text_of(message.find("source"))))
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            text = text_of(translation)
            where = f"{os.path.basename(ts_file)}: {source!r}"
            if name != CONTEXT:
                found.append(f"{where}: in context {name!r}, which the program never looks up")
            elif kind in ("obsolete", "vanished"):
                found.append(f"{where}: no longer in the code (remove it)")
            elif committed is not None and (name, source) not in known:
                found.append(f"{where}: in the code but not in the committed file")
            elif kind == "unfinished":
                found.append(f"{where}: unfinished")
            elif not text:
                found.append(f"{where}: empty translation")
            elif form_problem(source, text):
                found.append(f"{where}: {form_problem(source, text)}: {text!r}")
    return found


def main():
    if len(sys.argv) != 2 or sys.argv[1] not in ("update", "check"):
        sys.exit(__doc__)
    lupdate = find_lupdate()
    if lupdate is None:
        print("SKIP: lupdate not found (Debian: qt6-l10n-tools)")
        return 77
    with tempfile.TemporaryDirectory() as scratch:
        sources = rewritten_sources(os.path.join(scratch, "src"))
        if sys.argv[1] == "update":
            run_lupdate(lupdate, sources, [ts_path(language) for language in LANGUAGES])
            return 0
        copies = []
        for language in LANGUAGES:
            if not os.path.exists(ts_path(language)):
                print(f"missing: {ts_path(language)}")
                return 1
            copies.append(shutil.copy(ts_path(language), scratch))
        run_lupdate(lupdate, sources, copies)
        found = []
        for language, copy in zip(LANGUAGES, copies):
            found += problems_in(copy, ts_path(language))
        for problem in found:
            print(problem)
        print(f"{len(found)} problem(s) in {len(copies)} translation files")
        return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
