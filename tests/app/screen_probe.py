#!/usr/bin/env python3
"""Reads screenshots of the game window for the end-to-end test.

    screen_probe.py screen SHOT            which screen is showing (0 to 9, or "?")
    screen_probe.py verdict SHOT X Y       "green", "red" or "grey" for the button at X, Y
    screen_probe.py levelcolour SHOT       the level button's colour, as for verdict
    screen_probe.py marker SHOT            centre of the model board's red start marker, or "none"
    screen_probe.py differs A B X Y HW HH  "yes" when two shots differ in the box around X, Y
    screen_probe.py shown SHOT             white (stroke) pixels on the model board
    screen_probe.py ink SHOT               dark pixels on the practice board
    screen_probe.py stroke SHOT TEXTS      the model stroke the marker sits on, as window points
                                           on the practice board ("x,y x,y ...")
"""

import re
import subprocess
import sys

MODEL_BOARD = (266, 180)
PRACTICE_BOARD = (266, 420)
BOARD_HALF = 115


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

    def mean(self, x, y, half_w=4, half_h=4):
        total = [0, 0, 0]
        count = 0
        for py in range(y - half_h, y + half_h + 1):
            for px in range(x - half_w, x + half_w + 1):
                for c, v in enumerate(self.pixel(px, py)):
                    total[c] += v
                count += 1
        return [v / count for v in total]

    def dark_share(self, x, y, half):
        dark = total = 0
        for py in range(y - half, y + half + 1):
            for px in range(x - half, x + half + 1):
                dark += max(self.pixel(px, py)) < 90
                total += 1
        return dark / total

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


def screen(shot):
    # Nothing but background right of the menu buttons; a question sign
    # stands there on every other screen.
    if shot.tone(720, 300) == "blue":
        return "0"
    if shot.tone(640, 100, 30, 20) == "blue":  # Continue: cards and practice
        # The dark model board, the grey meaning sign, or background.
        if shot.dark_share(170, 100, 10) > 0.5:
            return "9"
        return {"grey": "7", "blue": "8"}.get(shot.tone(170, 100), "?")
    # The first answer button covers (115, 200) on screens 1 to 5; screen 6
    # shows background there, beside its drawing board.
    return "6" if shot.tone(115, 200) == "blue" else "question"


def red_centre(shot):
    xs = ys = n = 0
    cx, cy = MODEL_BOARD
    for y in range(cy - BOARD_HALF, cy + BOARD_HALF):
        for x in range(cx - BOARD_HALF, cx + BOARD_HALF):
            r, g, b = shot.pixel(x, y)
            if r > 200 and g < 60 and b < 60:
                xs += x
                ys += y
                n += 1
    if n < 50:
        return None
    return xs / n, ys / n


def strokes_from_texts(path):
    """Every stroke of every kanji in the teaching texts, in board coordinates."""
    with open(path, encoding="utf-8") as source:
        text = source.read()
    body = text[text.index("strokeTexts"):]
    lines = re.findall(r'L"([^"]*)\\n"', body)
    kanji = []
    current = None
    for line in lines:
        if line == "#":
            break
        if current is None:
            current = []
        elif line == "":
            kanji.append(current)
            current = None
            continue
        if ";" in line:
            current.append([tuple(int(v) for v in p.split(",")) for p in line.split(";") if p])
    return kanji


def white_share(shot, points):
    hits = 0
    for x, y in points:
        wx, wy = MODEL_BOARD[0] + x, MODEL_BOARD[1] + y
        if any(min(shot.pixel(wx + dx, wy + dy)) > 200 for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
            hits += 1
    return hits / len(points)


def marked_stroke(shot, texts):
    centre = red_centre(shot)
    if centre is None:
        return None
    mx, my = centre[0] - MODEL_BOARD[0], centre[1] - MODEL_BOARD[1]
    best, best_score = None, None
    for strokes in strokes_from_texts(texts):
        for stroke in strokes:
            sx, sy = stroke[0]
            gap = ((sx - mx) ** 2 + (sy - my) ** 2) ** 0.5
            if gap > 6:
                continue
            score = white_share(shot, stroke) - gap / 100
            if best_score is None or score > best_score:
                best, best_score = stroke, score
    return best


def main():
    command, path = sys.argv[1], sys.argv[2]
    shot = Shot(path)
    if command == "screen":
        print(screen(shot))
    elif command == "verdict":
        x, y = int(sys.argv[3]), int(sys.argv[4])
        print(shot.tone(x, y, 30, 15))
    elif command == "levelcolour":
        print(shot.tone(266, 350, 90, 15))
    elif command == "marker":
        centre = red_centre(shot)
        print("none" if centre is None else "%d,%d" % centre)
    elif command == "differs":
        other = Shot(sys.argv[3])
        x, y, hw, hh = (int(v) for v in sys.argv[4:8])
        changed = sum(1 for py in range(y - hh, y + hh + 1) for px in range(x - hw, x + hw + 1)
                      if max(abs(a - b) for a, b in zip(shot.pixel(px, py), other.pixel(px, py))) > 60)
        print("yes" if changed > 20 else "no")
    elif command == "shown":
        cx, cy = MODEL_BOARD
        print(sum(1 for y in range(cy - BOARD_HALF, cy + BOARD_HALF) for x in range(cx - BOARD_HALF, cx + BOARD_HALF)
                  if min(shot.pixel(x, y)) > 200))
    elif command == "ink":
        cx, cy = PRACTICE_BOARD
        print(sum(1 for y in range(cy - 100, cy + 100) for x in range(cx - 100, cx + 100)
                  if max(shot.pixel(x, y)) < 60))
    elif command == "stroke":
        stroke = marked_stroke(shot, sys.argv[3])
        if stroke is None:
            print("none")
        else:
            print(" ".join("%d,%d" % (PRACTICE_BOARD[0] + x, PRACTICE_BOARD[1] + y) for x, y in stroke))


if __name__ == "__main__":
    main()
