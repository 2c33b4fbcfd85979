#!/usr/bin/env python3
"""Writes scenarios.jsonl: a fixed batch of scenarios over all fifteen shapes (single
values, pairs, triples, refusals, both clears, formats, views and navigation), one JSON
array of polymetra-scenario arguments per line."""
import itertools
import json
import pathlib

SHAPES = {
    "Circle": ["radiusTextField", "diameterTextField", "areaTextField", "circumferenceTextField"],
    "Square": ["sideATextField", "areaTextField", "circumferenceTextField"],
    "Rectangle": ["sideATextField", "sideBTextField", "areaTextField", "circumferenceTextField"],
    "Ellipse": ["RadiusATextField", "RadiusBTextField", "areaTextField"],
    "Triangle": ["sideATextField", "sideBTextField", "sideCTextField", "angleATextField",
                 "angleBTextField", "angleCTextField", "areaTextField"],
    "Trapezium": ["sideATextField", "sideBTextField", "sideCTextField", "sideDTextField",
                  "angleATextField", "angleBTextField", "angleCTextField", "angleDTextField",
                  "heightHTextField"],
    "Parallelogram": ["sideATextField", "sideBTextField", "angleATextField", "angleBTextField",
                      "yHeightTextField", "areaTextField", "circumferenceTextField"],
    "Regular Polygon": ["xsidesNTextField", "xsideTextField", "xradiusATextField",
                        "xareaTextField", "sideTextField", "radiusATextField"],
    "Rectangular Prism": ["sideATextField", "sideBTextField", "heightTextField",
                          "volumeTextField", "surfaceTextField"],
    "Cylinder": ["radiusTextField", "heightTextField", "volumeTextField", "surfaceTextField"],
    "Cone": ["radiusTextField", "HeigthHTextField", "slantHeightTextField", "volumeTextField"],
    "Pyramid": ["sideATextField", "sideBTextField", "heightHTextField", "volumeTextField"],
    "Sphere": ["radiusTextField", "diameterTextField", "volumeTextField", "surfaceTextField"],
    "Triangular Prism": ["sideATextField", "sideBTextField", "sideCTextField", "heightTextField",
                         "volumeTextField"],
    "Trapezoidal Prism": ["sideATextField", "sideBTextField", "sideCTextField", "angleBTextField",
                          "heightTextField", "volumeTextField"],
}
VALUES = ["3", "4", "5", "60", "70", "110"]
ANGLES = {"angle": ["60", "70", "110", "120"]}


def value(outlet, index):
    if outlet.lower().startswith(("angle", "xangle")):
        return ANGLES["angle"][index % 4]
    if outlet == "xsidesNTextField":
        return ["6", "5", "12"][index % 3]
    return VALUES[index % 3]


def scenarios():
    for shape, outlets in SHAPES.items():
        for size in (1, 2, 3):
            for combo in list(itertools.combinations(outlets, size))[:8]:
                yield [shape] + [f"{o}={value(o, i)}" for i, o in enumerate(combo)]
        first = outlets[0]
        yield ["--steps", "calculate,clear-shift", shape, f"{first}=3.5"]
        yield ["--steps", "calculate,clear", shape, f"{first}=2"]
        yield ["--decimals", "0", shape, f"{first}=7"]
        yield ["--decimals", "6", "--separator", ",", shape, f"{first}=1,25"]
        yield [shape]  # nothing entered
        yield ["--steps", "calculate,calculate", shape, f"{first}=0"]
    for shape in ("Circle", "Triangle", "Trapezium", "Regular Polygon"):
        outlets = SHAPES[shape]
        yield ["--view", "440x240", shape] + [f"{o}={value(o, i)}" for i, o in
                                               enumerate(outlets[:3 if shape != "Circle" else 1])]
    yield ["--steps", "select:Cone,calculate", "Circle", "radiusTextField=3"]
    yield ["--steps", "calculate,clear-tape", "Sphere", "radiusTextField=2"]
    yield ["--steps", "calculate,clear-all-tapes:cancel", "Square", "sideATextField=2"]
    yield ["--steps", "calculate,clear-all-tapes:ok", "Square", "sideATextField=2"]
    yield ["--steps", "calculate,relaunch,tab:2D", "Cone", "radiusTextField=3",
           "HeigthHTextField=4"]
    yield ["--steps", "calculate,relaunch,tab:3D", "Circle", "radiusTextField=3"]
    yield ["--steps", "paste:radiusTextField=-5,paste:areaTextField=1e308,calculate", "Circle"]
    yield ["--steps", "paste:radiusTextField=12abc,calculate", "Circle"]
    yield ["--steps", "calculate", "Sphere", "radiusTextField=1e200"]
    yield ["--steps", "calculate", "Regular Polygon", "xsidesNTextField=9999999999999999",
           "xsideTextField=1"]
    yield ["--steps", "preferences:open,key:Return,preferences:ok", "Circle", "radiusTextField=2"]


def main():
    lines = [json.dumps(s) for s in scenarios()]
    out = pathlib.Path(__file__).with_name("scenarios.jsonl")
    out.write_text("\n".join(lines) + "\n")
    print(f"{out}: {len(lines)} scenarios")


if __name__ == "__main__":
    main()
