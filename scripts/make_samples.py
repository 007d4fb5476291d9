#!/usr/bin/env python3
"""Writes the sample stroke files in samples/strokes/, in the game's format
exactly as the editor saves it (CR LF lines, numbers in plain decimal).

Directions are in 750000 units per degree, 0 straight up the ground and
growing to the left (the leg side here); heights in 1000000 units per step of
the side view. Run from anywhere: python3 scripts/make_samples.py
"""
import os

DEG = 750000
HEIGHT = 1000000
FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "samples", "strokes")


def number(value):
    """The editor's number text for the plain values used here."""
    if float(value).is_integer():
        return str(int(value))
    text = repr(float(value))
    assert "e" not in text and len(text.replace("-", "").replace(".", "").lstrip("0")) <= 15
    return text


def key_frame(mode_line, frame, height, angle, angle_range, power, power_range):
    return [
        mode_line,
        " Frame " + number(frame),
        " Vertical " + number(height * HEIGHT),
        " Direction " + number(round(angle * DEG)) + " Range " + number(round(angle_range * DEG)),
        " Power " + number(power) + " Range " + number(power_range),
        "",
    ]


def stroke_lines(s):
    lines = [
        "StrokeAttr",
        "",
        "Type " + s["type"],
        "Faceing " + s["faceing"],
        "Difficulty %s Reward %s" % s["normal"],
        "Difficulty6 %s Reward6 %s" % s["six"],
        "Difficulty3 %s Reward3 %s" % s["three"],
        "EdgeProb %s EdgeProb6 %s EdgeProb3 %s" % s["edges"],
        "BowlerTypes " + number(s["bowlers"]),
        "StumpPosition " + number(s["positions"][0]),
        "BatsmanPosition " + number(s["positions"][1]),
        "PitchPosition " + number(s["positions"][2]),
        "Name %s Variation %s" % (s["name"], s["variation"]),
        "",
    ]
    # Timings 0 "Very Late" to 4 "Very Early": the later the shot, the further
    # it goes to the off side (right), the earlier, the further to the leg side.
    angle, spread, height, power = s["angle"], s["spread"], s["height"], s["power"]
    for k in range(5):
        lines += key_frame("Mode Normal KeyFrame %d" % k, s["frame"] + 3 * k, height + k,
                           angle + (k - 2) * spread, s["range"], power - abs(k - 2) * 5, s["power_range"])
    for tag in s.get("six_hits", []):
        t = int(tag)
        lines += key_frame("Mode 6Hit KeyFrame " + tag, s["frame"] + 2 + 3 * t, 90 + 8 * t,
                           angle + (t - 2) * spread, s["range"], 120 - abs(t - 2) * 4, 5 + t)
    trailing = s.get("trailing", [])
    # The editor ends the trailing lines with four empty ones, three when there are none.
    lines += trailing + [""] * (4 if trailing else 3)
    return lines


def stroke(file, type_, angle, height, power, bowlers=15, **extra):
    base = {
        "type": type_, "faceing": "0", "normal": (2, 1), "six": (5, 3), "three": (3, 2),
        "edges": ("0.1", "0.05", "0.02"), "bowlers": bowlers, "positions": (0, 20, 45),
        "name": file[:-4], "variation": "0", "frame": 8, "angle": angle, "spread": 7.5,
        "range": 10, "height": height, "power": power, "power_range": 10,
    }
    base.update(extra)
    return file, base


ALL_SIX = ["0", "1", "2", "3", "4"]
STROKES = [
    stroke("a-Cc017c.atr", "Defensive", 0, 0, 50, normal=(1, 0), edges=("0.05", "0.02", "0.02"), spread=2, range=5,
           power_range=5),
    stroke("a-Cc018.atr", "Defensive", -5, 0, 50, normal=(1, 0), faceing="1", spread=2, range=5, power_range=5),
    stroke("a-Cc019.atr", "Defensive", 5, 1, 50, normal=(1, 0), positions=(0, -10, 40), spread=3, range=6),
    stroke("a-Cc020.atr", "Defensive", -10, 1, 50, normal=(2, 0), positions=(0, -12, 40), faceing="1", spread=3,
           range=6, trailing=["43"]),
    stroke("a-Cc021.atr", "Aggressive", -45, 15, 95, edges=("0.1", "0.1", "0.05"), range=15, power_range=15),
    stroke("a-Cc022.atr", "Moderate", -35, 5, 85, normal=(3, 2), range=8),
    stroke("a-Cc023b.atr", "Aggressive", 0, 30, 100, normal=(5, 4), six=(7, 6), spread=3, range=5,
           six_hits=ALL_SIX, trailing=["43", "43"]),
    stroke("a-Cc024.atr", "Moderate", 0, 5, 85, spread=4, range=7.5, trailing=["43"]),
    stroke("a-Cc025.atr", "Aggressive", 20, 30, 100, normal=(5, 4), six=(7, 6), six_hits=["4", "3", "2", "1", "0"]),
    stroke("a-Cc026.atr", "Moderate", 18, 5, 85, range=8),
    stroke("a-Cc027.atr", "Aggressive", 55, 35, 105, normal=(6, 4), six=(8, 6), bowlers=6,
           positions=(1, 30, 50), six_hits=ALL_SIX),
    stroke("a-Cc028.atr", "Moderate", 25, 3, 80, positions=(0, -15, 40), faceing="1"),
    stroke("a-Cc029.atr", "Aggressive", 135, 2, 60, bowlers=6, positions=(1, 35, 55), range=20, power_range=8,
           edges=("0.1", "0.1", "0.05")),
    stroke("a-Cc030.atr", "Moderate", 85, 4, 75, bowlers=6, positions=(1, 30, 50), range=12),
    stroke("a-Cc031.atr", "Aggressive", 75, 12, 95, bowlers=1, positions=(0, -15, 30), range=15,
           trailing=["43", "pull tuned for fast bowlers"]),
    stroke("a-Cc032.atr", "Aggressive", 105, 25, 100, bowlers=1, positions=(0, -20, 25), range=15),
    stroke("a-Cc033.atr", "Aggressive", 120, 40, 90, bowlers=1, positions=(0, -25, 20), range=20, power_range=20,
           edges=("0.1", "0.1", "0.1")),
    stroke("a-Cc034a.atr", "Moderate", -80, 6, 90, bowlers=9, range=10),
    stroke("a-Cc035.atr", "Aggressive", -90, 8, 95, bowlers=9, positions=(0, -10, 35), range=12),
    stroke("a-Cc036.atr", "Moderate", -110, 5, 80, bowlers=9, positions=(0, -12, 35), range=15),
    stroke("a-Cc037.atr", "Moderate", 140, 2, 60, positions=(0, 15, 45), range=10, power_range=8),
    stroke("a-Cc038.atr", "Moderate", 150, 1, 55, range=10, power_range=8),
    stroke("a-Cc039.atr", "Defensive", 155, 2, 50, positions=(0, -20, 35), range=10, power_range=5),
    stroke("a-Cc053.atr", "Moderate", 22, 4, 88, variation="1", range=8),
    stroke("a-Cc061.atr", "Aggressive", 50, 45, 110, normal=(7, 5), six=(9, 6), power_range=20,
           six_hits=["0", "2"], trailing=["43"]),
    stroke("a-Cc066.atr", "Moderate", 145, 1, 55, range=12, power_range=6, trailing=["tuned in nets"]),
    # Not in the editor's catalogue: counted in a folder, not listed by name.
    stroke("practice-drive.atr", "Moderate", -20, 5, 80, name="practice", variation="2"),
    stroke("A-CC018.ATR", "Defensive", -5, 0, 50, normal=(1, 0), name="A-CC018", spread=2, range=5, power_range=5),
]


def main():
    os.makedirs(FOLDER, exist_ok=True)
    for file, s in STROKES:
        with open(os.path.join(FOLDER, file), "wb") as out:
            out.write(("\r\n".join(stroke_lines(s)) + "\r\n").encode("ascii"))
    with open(os.path.join(FOLDER, "notes.txt"), "wb") as out:
        out.write(b"Sample stroke files for the Orvik stroke editor.\r\n"
                  b"practice-drive.atr and A-CC018.ATR are not among the game's strokes.\r\n")


if __name__ == "__main__":
    main()
