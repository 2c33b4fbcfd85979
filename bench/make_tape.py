#!/usr/bin/env python3
"""Writes a circle tape of about SIZE bytes in the program's own RTF form.

    make_tape.py SIZE PATH      (SIZE in bytes, e.g. 1048576; suffixes k and M accepted)

Each entry is what one calculation leaves: a grey date line, the given radius in blue and
the three computed values, one blank line between entries.
"""
import math
import sys


def size_of(text):
    units = {"k": 1024, "M": 1024 * 1024}
    return int(float(text[:-1]) * units[text[-1]]) if text[-1] in units else int(text)


def entry(number):
    radius = 1 + number % 997 / 10
    first = number == 0
    lines = [
        ("{\\cf1 7 Dec 2026 01:%02d:%02d}" % (number // 60 % 60, number % 60)) + "{\\cf2\\par}",
        "{\\cf2 Radius: %g}\\par" % radius,
        "{Diameter: %.2f}\\par" % (2 * radius),
        "{Area: %.2f}\\par" % (math.pi * radius * radius),
        "{Circumference: %.2f}" % (2 * math.pi * radius),
    ]
    return ("" if first else "\\par\n\\par\n") + "\n".join(lines)


def main():
    target, path = size_of(sys.argv[1]), sys.argv[2]
    header = ("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl\\f0\\fswiss Helvetica;}\n"
              "{\\colortbl;\\red120\\green120\\blue120;\\red43\\green136\\blue230;}\n\\f0 ")
    parts, size, number = [header], len(header) + 2, 0
    while size < target:
        piece = entry(number)
        parts.append(piece)
        size += len(piece)
        number += 1
    parts.append("}\n")
    with open(path, "w", encoding="ascii") as out:
        out.write("".join(parts))
    print(f"{path}: {number} entries, {size} bytes")


if __name__ == "__main__":
    main()
