#!/usr/bin/python3
"""Writes study/TeachingTexts.cpp: the grade-5 kanji, word and stroke texts.

Reads tools/data/kanji.txt and tools/data/words.txt (hand-written, checked
against EDICT and KANJIDIC2 by tools/check_readings.py) and the KanjiVG
stroke files in tools/data/kanjivg/. Run from anywhere; paths are
taken from this file. --output writes elsewhere (the tests compare).
"""

import argparse
import math
import os
import re
import sys
import xml.etree.ElementTree as ElementTree

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "tools", "data")
OUTPUT = os.path.join(ROOT, "study", "TeachingTexts.cpp")
SVG_DIR = os.path.join(DATA, "kanjivg")

SEPARATOR = "\u30fc" * 4
END = "#"

# KanjiVG draws in a 109 x 109 box; the board frame has its origin at the
# board centre and is 2.25 times larger.
SVG_CENTRE = 54.5
SCALE = 2.25
TOLERANCE = 0.9  # board pixels a simplified stroke may stray from the curve
MIN_POINTS, MAX_POINTS = 2, 23
COORDINATE_LIMIT = 105

# The horizontal stroke of 一 comes from a hand-recorded drawing, not from
# the KanjiVG outline; it is the reference stroke the other data must match.
ONE_STROKE = ("-92,6;-80,4;-71,3;-57,0;-42,-2;-29,-2;-16,-3;-7,-4;1,-4;12,-5;"
              "23,-6;33,-6;41,-6;52,-5;63,-6;72,-5;81,-4;87,-3;89,-1;")

KATAKANA = re.compile(r"^[\u30a1-\u30fa\u30fc]+$")
HIRAGANA = re.compile(r"^[\u3041-\u3096\u30fc]+$")


def fail(message):
    sys.exit("make_teaching_texts: " + message)


def check(condition, message):
    if not condition:
        fail(message)


def data_lines(name):
    with open(os.path.join(DATA, name), encoding="utf-8") as source:
        for line in source:
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                yield line


def utf16_units(text):
    return len(text.encode("utf-16-le")) // 2


def hash_string(text):
    """The program's key: sum of UTF-16 unit * (1 + 10000 * index), mod 2^64."""
    data = text.encode("utf-16-le")
    units = [int.from_bytes(data[i:i + 2], "little") for i in range(0, len(data), 2)]
    return sum(unit * (1 + 10000 * i) for i, unit in enumerate(units)) % (1 << 64)


def split_readings(field):
    return [reading for reading in field.split(",") if reading]


# --- kanji -----------------------------------------------------------------

def read_kanji():
    records = []
    for line in data_lines("kanji.txt"):
        fields = line.split("|")
        check(len(fields) == 4, "kanji line needs 4 fields: " + line)
        character, meaning = fields[0], fields[1]
        on, kun = split_readings(fields[2]), split_readings(fields[3])
        check(len(character) == 1, "one character per kanji: " + line)
        check(meaning[:1].isupper() and len(meaning) <= 20, "meaning: " + line)
        check(1 <= len(on) <= 3 and all(KATAKANA.match(r) for r in on), "on readings: " + line)
        check(len(kun) <= 6 and all(HIRAGANA.match(r) for r in kun), "kun readings: " + line)
        records.append((character, meaning, on, kun))
    check(len(records) == 103, "expected 103 kanji, got %d" % len(records))
    check(len({r[0] for r in records}) == 103, "repeated kanji")
    check(len({r[1] for r in records}) == 103, "repeated kanji meaning")
    check(records[0] == ("一", "One", ["イチ", "イツ"], ["ひと"]), "first kanji record")
    telling = {
        "下": ("Below", ["カ", "ゲ"], ["お", "くだ", "さ", "した", "しも", "もと"]),
        "万": ("Ten thousand", ["マン", "バン"], []),
        "分": ("Part, minute of time", ["ブン", "ブ", "フン"], ["わ"]),
    }
    for character, meaning, on, kun in records:
        if character in telling:
            check(telling[character] == (meaning, on, kun), "record of " + character)
    return records


def kanji_text(records):
    lines = []
    for character, meaning, on, kun in records:
        lines += [character, meaning] + on + [""] + kun + [SEPARATOR]
    return "\n".join(lines + [END])


# --- words -----------------------------------------------------------------

REPEATED_MEANINGS = {
    "Sky": ["上空", "天", "空中", "空"],
    "Master": ["名人", "名手"],
    "To rise": ["上がる", "高まる"],
    "To descend": ["下る", "下りる"],
    "Money": ["金子", "金"],
    "Boy": ["少年", "一男"],
    "Space": ["空間", "間"],
    "To talk": ["話す", "語らう"],
    "New": ["新しい", "新た"],
    "Atmosphere": ["大気", "空気"],
    "To be enough": ["足りる", "足る"],
    "To eat": ["食う", "食べる"],
    "To raise": ["上げる", "高める"],
}


def read_words():
    records = []
    for line in data_lines("words.txt"):
        fields = line.split("|")
        check(len(fields) == 3, "word line needs 3 fields: " + line)
        word, reading, meaning = fields
        check(1 <= utf16_units(word) <= 4, "written form length: " + line)
        check(HIRAGANA.match(reading) is not None, "reading not hiragana: " + line)
        check(meaning and not meaning[0].islower(), "meaning: " + line)
        records.append((word, reading, meaning))
    check(len(records) == 294, "expected 294 words, got %d" % len(records))
    check(len({r[0] for r in records}) == 294, "repeated written form")
    readings = [r[1] for r in records]
    clashes = sorted({r for r in readings if readings.count(r) > 1})
    check(not clashes, "repeated readings: " + ", ".join(clashes))
    check(len({hash_string(r[0]) for r in records}) == 294, "word key collision")

    by_meaning = {}
    for word, _, meaning in records:
        by_meaning.setdefault(meaning, []).append(word)
    repeated = {m: ws for m, ws in by_meaning.items() if len(ws) > 1}
    check(repeated == REPEATED_MEANINGS, "repeated meanings: %r" % repeated)

    check(records[0] == ("十一月", "じゅういちがつ", "November"), "first word record")
    check(records[-1] == ("聞こえる", "きこえる", "To be heard"), "last word record")
    for telling in [("十一", "じゅういち", "11"), ("上", "うえ", "Up"),
                    ("四六時中", "しろくじちゅう", "Around the clock"),
                    ("右中間", "うちゅうかん", "Between right and center fielders")]:
        check(telling in records, "record of " + telling[0])
    return records


def word_text(records):
    lines = []
    for word, reading, meaning in records:
        lines += [word, reading, meaning, SEPARATOR]
    return "\n".join(lines + [END])


# --- strokes ---------------------------------------------------------------

PATH_TOKEN = re.compile(r"[MCSmcs]|[-+]?(?:\d+\.?\d*|\.\d+)")


def path_segments(d):
    """The cubic segments of one KanjiVG path as lists of four (x, y) points."""
    tokens = PATH_TOKEN.findall(d)
    check("".join(tokens).replace("+", "") == re.sub(r"[\s,+]", "", d), "path syntax: " + d)
    segments, position, last_control = [], None, None
    command, i = None, 0
    while i < len(tokens):
        if tokens[i].isalpha():
            command = tokens[i]
            i += 1
        count = {"M": 2, "C": 6, "S": 4}[command.upper()]
        arguments = tokens[i:i + count]
        check(len(arguments) == count and not any(t.isalpha() for t in arguments),
              "path arguments: " + d)
        numbers = [float(t) for t in arguments]
        i += count
        base = (0.0, 0.0) if command.isupper() or position is None else position
        points = [(base[0] + numbers[k], base[1] + numbers[k + 1]) for k in range(0, count, 2)]
        if command.upper() == "M":
            check(position is None, "one subpath per stroke: " + d)
            position, last_control = points[0], None
            continue
        check(position is not None, "path must start with a moveto: " + d)
        if command.upper() == "S":
            if last_control is None:
                first = position
            else:
                first = (2 * position[0] - last_control[0], 2 * position[1] - last_control[1])
            points = [first] + points
        segments.append([position] + points)
        position, last_control = points[2], points[1]
    check(segments, "stroke without curve: " + d)
    return segments


def flatten(segments, steps=64):
    polyline = [segments[0][0]]
    for p0, p1, p2, p3 in segments:
        for k in range(1, steps + 1):
            t = k / steps
            u = 1 - t
            a, b, c, e = u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t
            polyline.append((a * p0[0] + b * p1[0] + c * p2[0] + e * p3[0],
                             a * p0[1] + b * p1[1] + c * p2[1] + e * p3[1]))
    return polyline


def point_line_distance(point, start, end):
    (px, py), (ax, ay), (bx, by) = point, start, end
    dx, dy = bx - ax, by - ay
    length = math.hypot(dx, dy)
    if length == 0:
        return math.hypot(px - ax, py - ay)
    return abs(dx * (py - ay) - dy * (px - ax)) / length


def douglas_peucker(points, tolerance):
    """The fewest points that stay within tolerance of the polyline."""
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    spans = [(0, len(points) - 1)]
    while spans:
        first, last = spans.pop()
        worst, index = 0.0, None
        for k in range(first + 1, last):
            d = point_line_distance(points[k], points[first], points[last])
            if d > worst:
                worst, index = d, k
        if index is not None and worst > tolerance:
            keep[index] = True
            spans += [(first, index), (index, last)]
    return [p for p, kept in zip(points, keep) if kept]


def simplify(polyline):
    """Board points of the stroke: corners and curves kept, straight runs dropped."""
    board = [((x - SVG_CENTRE) * SCALE, (y - SVG_CENTRE) * SCALE) for x, y in polyline]
    tolerance = TOLERANCE
    while True:
        points = []
        for x, y in douglas_peucker(board, tolerance):
            point = (round_half_away(x), round_half_away(y))
            if not points or point != points[-1]:
                points.append(point)
        if len(points) <= MAX_POINTS:
            break
        tolerance *= 1.25
    check(len(points) >= MIN_POINTS, "stroke shorter than a pixel")
    return points


def round_half_away(value):
    # Python's round() rounds halves to even; the board rounds them away from zero.
    return int(math.floor(abs(value) + 0.5)) * (1 if value >= 0 else -1)


def stroke_line(d):
    board = simplify(flatten(path_segments(d)))
    for x, y in board:
        check(abs(x) <= COORDINATE_LIMIT and abs(y) <= COORDINATE_LIMIT,
              "point (%d, %d) off the board" % (x, y))
    return "".join("%d,%d;" % point for point in board)


def svg_strokes(svg_dir, character):
    path = os.path.join(svg_dir, "%05x.svg" % ord(character))
    prefix = "kvg:%05x-s" % ord(character)
    strokes = {}
    for element in ElementTree.parse(path).iter("{http://www.w3.org/2000/svg}path"):
        ident = element.get("id", "")
        check(ident.startswith(prefix), "unexpected path %s in %s" % (ident, path))
        strokes[int(ident[len(prefix):])] = element.get("d")
    check(sorted(strokes) == list(range(1, len(strokes) + 1)), "stroke numbers in " + path)
    return [strokes[n] for n in sorted(strokes)]


def stroke_text(svg_dir, characters):
    lines, total = [], 0
    for character in characters:
        paths = svg_strokes(svg_dir, character)
        strokes = [ONE_STROKE] if character == "一" else [stroke_line(d) for d in paths]
        check(len(strokes) == len(paths), "stroke count of " + character)
        total += len(strokes)
        lines += [character] + strokes + [""]
    check(total == 638, "expected 638 strokes, got %d" % total)
    return "\n".join(lines + [END])


# --- output ----------------------------------------------------------------

def literal(text):
    """The text as adjacent wide literals, one source line per text line."""
    escaped = text.replace("\\", "\\\\").replace('"', '\\"')
    lines = escaped.split("\n")
    parts = ['    L"%s\\n"' % line for line in lines[:-1]] + ['    L"%s"' % lines[-1]]
    return "\n".join(parts)


def map_definition(name, text):
    entries = ["  {5,\n%s},\n" % literal(text)]
    entries += ['  {%d, L"#"},\n' % grade for grade in (4, 3, 2, 1)]
    return "std::map<int, std::wstring> %s = {\n%s};\n" % (name, "".join(entries))


HEADER = """\
// Stroke data derived from KanjiVG (copyright Ulrich Apel, http://kanjivg.tagaini.net), CC BY-SA 3.0
// (licence text: licenses/KanjiVG-COPYING.txt); the teaching texts below are shared under the same licence.
// This file is generated by tools/make_teaching_texts.py from tools/data/;
// edit those and run the script instead of editing this file.

#include "study/TeachingTexts.hpp"

"""


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", default=OUTPUT, help="file to write (default %(default)s)")
    options = parser.parse_args()
    kanji = read_kanji()
    words = read_words()
    texts = [("kanjiTexts", kanji_text(kanji)),
             ("wordTexts", word_text(words)),
             ("strokeTexts", stroke_text(SVG_DIR, [k[0] for k in kanji]))]
    with open(options.output, "w", encoding="utf-8", newline="\n") as out:
        out.write(HEADER)
        out.write("\n".join(map_definition(name, text) for name, text in texts))
    for name, text in texts:
        print("%s: %d UTF-16 code units" % (name, utf16_units(text)))


if __name__ == "__main__":
    main()
