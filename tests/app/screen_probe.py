#!/usr/bin/env python3
"""Reads screenshots of the game window for the end-to-end test.

    screen_probe.py screen SHOT...         which screen each shot shows: 0, 1-2 (reading questions),
                                           3-5 (meaning and word questions), 6, 7, 8, 9, or "?"
    screen_probe.py verdict SHOT           "green", "red" or "grey" for the first answer button
    screen_probe.py levelcolour SHOT       the level button's colour, as for verdict
    screen_probe.py marker SHOT [X,Y]      centre of the model board's red start marker, or "none";
                                           X,Y itself when the marker sits there
    screen_probe.py differs A B X Y HW HH  "yes" when two shots differ in the box around X, Y
    screen_probe.py ink SHOT               dark pixels on the practice board
    screen_probe.py strokes TEXTS KANJI    one line per model stroke of the kanji: where its start
                                           marker sits, then its points on the practice board
"""

import os
import re
import subprocess
import sys

MODEL_BOARD = (266, 180)
PRACTICE_BOARD = (266, 420)

# Every widget as (centre x, centre y, picture width, picture height). A
# button's bottom picture stays at its place while its face rises up to 10 px
# above it; text never leaves its picture.
BIG, ARROW, SMALL = (240, 160), (90, 60), (80, 70)
SHORT, LONG = (140, 120), (220, 120)
BOARD, SIGN, WIDE_SIGN = (230, 230), (280, 190), (430, 170)
BUTTONS = {
    "level": (266, 400) + BIG, "review": (533, 400) + BIG,
    "left": (191, 520) + ARROW, "right": (341, 520) + ARROW,
    "back": (60, 70) + ARROW, "save": (160, 70) + SMALL, "help": (260, 70) + SMALL,
    "undo": (60, 300) + SMALL, "continue": (640, 100) + SHORT,
}
for i in range(9):
    BUTTONS["short%d" % i] = ((115, 267, 420)[i % 3], (210, 360, 510)[i // 3]) + SHORT
for i in range(6):
    BUTTONS["long%d" % i] = ((150, 385)[i % 2], (210, 360, 510)[i // 2]) + LONG
WIDGETS = dict(BUTTONS, **{
    "title": (400, 150, 560, 150),
    "question": (640, 300, 220, 200), "score": (640, 100) + SIGN, "instruction": (640, 500) + SIGN,
    "meaning": (280, 75, 430, 100), "kunlabel": (155, 185, 180, 80), "onlabel": (405, 185, 180, 80),
    "wordmeaning": (280, 200) + WIDE_SIGN, "wordreading": (280, 400) + WIDE_SIGN,
    "model": MODEL_BOARD + BOARD, "practice": PRACTICE_BOARD + BOARD, "exercise": (266, 300) + BOARD,
})
READING_SIGNS = ["reading%d" % i for i in range(12)]
for i, name in enumerate(READING_SIGNS):
    WIDGETS[name] = (95 + 120 * (i % 2) + 250 * (i // 6), 295 + 110 * (i // 2 % 3), 110, 95)

QUESTION = ["question", "instruction", "score", "back", "save", "help"]
CARD = ["question", "instruction", "continue"]
SCREENS = {  # the widgets each screen draws; those in brackets may be missing
    "0": ["level", "review", "left", "right", ("title",)],
    "1-2": QUESTION + ["short%d" % i for i in range(9)],
    "3-5": QUESTION + ["long%d" % i for i in range(6)],
    "6": QUESTION + ["exercise"],
    "7": CARD + ["meaning", "kunlabel", "onlabel", tuple(READING_SIGNS)],
    "8": CARD + ["wordmeaning", "wordreading"],
    "9": CARD + ["practice", "model", "undo"],
}


def inner_points(name):
    """Points inside the picture near the middle of each side: the picture
    covers them whatever text, ink, marker or colour it shows."""
    x, y, w, h = WIDGETS[name]
    return [(x - w // 2 + 6, y), (x + w // 2 - 7, y), (x, y - h // 2 + 6), (x, y + h // 2 - 8)]


def covers(name, point, margin=6):
    x, y, w, h = WIDGETS[name]
    rise = 10 if name in BUTTONS else 0
    overhang = 4 if name == "model" else 0  # the start marker's edge
    left, top = x - w // 2 - margin - overhang, y - h // 2 - margin - rise - overhang
    return left <= point[0] <= x + w // 2 + margin + overhang and top <= point[1] <= y + h // 2 + margin + overhang


def expectations(screen):
    """(point, drawn) pairs: the screen's own pictures must be drawn at their
    inner points, and every other widget's inner points that none of the
    screen's pictures can reach must show the bare background."""
    shown, maybe = [], []
    for entry in SCREENS[screen]:
        (maybe if isinstance(entry, tuple) else shown).extend([entry] if isinstance(entry, str) else entry)
    drawn = [(p, True) for name in shown for p in inner_points(name)]
    bare = [(p, False) for name in WIDGETS if name not in shown + maybe for p in inner_points(name)
            if not any(covers(other, p) for other in shown + maybe)]
    return drawn + bare


def load(path):
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


class Shot:
    def __init__(self, path):
        self.width, self.height, self.pixels = load(path)

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return self.pixels[i], self.pixels[i + 1], self.pixels[i + 2]

    def mean(self, x, y, half_w, half_h):
        total = [0, 0, 0]
        count = 0
        for py in range(y - half_h, y + half_h + 1):
            for px in range(x - half_w, x + half_w + 1):
                for c, v in enumerate(self.pixel(px, py)):
                    total[c] += v
                count += 1
        return [v / count for v in total]

    def tone(self, x, y, half_w=4, half_h=4):
        r, g, b = self.mean(x, y, half_w, half_h)
        if g - r > 40 and g - b > 40:
            return "green"
        if r - g > 40 and r - b > 40:
            return "red"
        if b - r > 30:
            return "blue"
        if max(r, g, b) < 90:
            return "dark"
        return "grey"


BACKGROUND = None


def bare(shot, point):
    """Whether the window shows its background picture (drawn at twice its
    size) at the point."""
    global BACKGROUND
    if BACKGROUND is None:
        BACKGROUND = Shot(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../sprites/background.png"))
    x, y = point
    return all(abs(a - b) <= 6 for a, b in zip(shot.pixel(x, y), BACKGROUND.pixel(x // 2, y // 2)))


def screen(shot):
    if (shot.width, shot.height) != (800, 600):
        return "?"
    found = [name for name in SCREENS if all(bare(shot, p) != drawn for p, drawn in expectations(name))]
    return found[0] if len(found) == 1 else "?"


def red_pixels(shot):
    cx, cy = MODEL_BOARD
    return [(x, y) for y in range(cy - 120, cy + 120) for x in range(cx - 120, cx + 120)
            if shot.pixel(x, y)[0] > 200 and max(shot.pixel(x, y)[1:]) < 60]


def marker(shot, expected):
    """The start marker (a red disc of radius 15) as "none", as the expected
    "X,Y" when every red pixel lies within the disc around that point (stroke
    lines drawn over the disc cut it, so its centre of mass can stray), or as
    its centre of mass."""
    red = red_pixels(shot)
    if len(red) < 50:
        return "none"
    if expected:
        x, y = (int(v) for v in expected.split(","))
        if all((px - x) ** 2 + (py - y) ** 2 <= 16.5 ** 2 for px, py in red):
            return expected
    return "%d,%d" % (sum(x for x, _ in red) / len(red), sum(y for _, y in red) / len(red))


def strokes_of(path, character):
    """The kanji's strokes in board coordinates, from the teaching texts."""
    with open(path, encoding="utf-8") as source:
        text = source.read()
    lines = re.findall(r'L"([^"]*)\\n"', text[text.index("strokeTexts"):])
    start = lines.index(character)
    strokes = []
    for line in lines[start + 1:]:
        if ";" not in line:
            break
        strokes.append([tuple(int(v) for v in p.split(",")) for p in line.split(";") if p])
    return strokes


def main():
    command, path = sys.argv[1], sys.argv[2]
    if command == "strokes":
        for stroke in strokes_of(path, sys.argv[3]):
            sx, sy = stroke[0]
            print("%d,%d" % (MODEL_BOARD[0] + sx, MODEL_BOARD[1] + sy),
                  " ".join("%d,%d" % (PRACTICE_BOARD[0] + x, PRACTICE_BOARD[1] + y) for x, y in stroke))
        return
    if command == "screen":
        for each in sys.argv[2:]:
            print(screen(Shot(each)))
        return
    shot = Shot(path)
    if command == "verdict":
        # The left rim of the first answer button's face (short or long),
        # where no label reaches.
        print(shot.tone(52, 195, 4, 5))
    elif command == "levelcolour":
        print(shot.tone(155, 390, 5, 5))
    elif command == "marker":
        print(marker(shot, sys.argv[3] if len(sys.argv) > 3 else None))
    elif command == "differs":
        other = Shot(sys.argv[3])
        x, y, hw, hh = (int(v) for v in sys.argv[4:8])
        changed = sum(1 for py in range(y - hh, y + hh + 1) for px in range(x - hw, x + hw + 1)
                      if max(abs(a - b) for a, b in zip(shot.pixel(px, py), other.pixel(px, py))) > 60)
        print("yes" if changed > 20 else "no")
    elif command == "ink":
        cx, cy = PRACTICE_BOARD
        print(sum(1 for y in range(cy - 100, cy + 100) for x in range(cx - 100, cx + 100)
                  if max(shot.pixel(x, y)) < 60))


if __name__ == "__main__":
    main()
