#!/usr/bin/python3
"""Checks the teaching data against Debian's edict and kanjidic-xml.

Rule for kanji records: a reading belongs in a record if and only if common
words (EDICT entries marked (P)) use it, or a word of our own word text needs
it; words read as a whole (jukujikun) prove nothing. Rule for word records:
two words whose first senses are alike share a label, and two words whose
labels are each other's glosses are told apart.

  check_readings.py            check the rules, exit 1 on a breach
  check_readings.py --walk     count right readings that the reading
                               question offers as wrong options
  check_readings.py --words    list each word with its first EDICT sense
  check_readings.py --kanji K  show the evidence for kanji K

Needs `apt-get install edict kanjidic-xml`; CI does not run it.
"""

import argparse
import gzip
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "tools", "data")
EDICT = "/usr/share/edict/edict"
KANJIDIC = "/usr/share/edict/kanjidic2.xml.gz"

# Written forms read only as a whole; a split of their reading is no
# evidence for the reading of one kanji (今日 きょう, 上手 じょうず).
WHOLE_WORD_READINGS = {
    ("今日", "きょう"), ("明日", "あした"), ("昨日", "きのう"), ("一日", "ついたち"),
    ("二日", "ふつか"), ("二十日", "はつか"), ("二十歳", "はたち"), ("一人", "ひとり"),
    ("二人", "ふたり"), ("大人", "おとな"), ("上手", "じょうず"), ("下手", "へた"),
    ("今年", "ことし"), ("今朝", "けさ"), ("七夕", "たなばた"), ("八百屋", "やおや"),
    ("時計", "とけい"), ("時雨", "しぐれ"), ("五月雨", "さみだれ"), ("梅雨", "つゆ"),
    ("果物", "くだもの"), ("田舎", "いなか"), ("眼鏡", "めがね"), ("部屋", "へや"),
    ("景色", "けしき"), ("二十", "はたち"), ("一昨日", "おととい"), ("一昨年", "おととし"),
    ("百合", "ゆり"), ("小豆", "あずき"), ("土産", "みやげ"), ("お土産", "おみやげ"),
    ("木綿", "もめん"), ("行方", "ゆくえ"), ("日和", "ひより"), ("大和", "やまと"),
    ("心地", "ここち"), ("十八番", "おはこ"), ("上手い", "うまい"), ("下手くそ", "へたくそ"),
    ("生憎", "あいにく"), ("素人", "しろうと"), ("玄人", "くろうと"), ("仲人", "なこうど"),
    ("若人", "わこうど"), ("今際", "いまわ"), ("乙女", "おとめ"), ("海女", "あま"),
    ("手伝う", "てつだう"), ("迷子", "まいご"), ("竹刀", "しない"), ("息子", "むすこ"),
    ("雪崩", "なだれ"), ("土筆", "つくし"), ("山車", "だし"), ("河原", "かわら"),
    ("川原", "かわら"), ("清水", "しみず"), ("為替", "かわせ"), ("白髪", "しらが"),
    ("足袋", "たび"), ("三味線", "しゃみせん"), ("一寸", "ちょっと"), ("風邪", "かぜ"),
    ("名残", "なごり"), ("東風", "こち"), ("五月", "さつき"), ("七日", "なのか"),
    ("明後日", "あさって"), ("白湯", "さゆ"), ("何故", "なぜ"), ("何時", "いつ"),
    ("何処", "どこ"), ("何方", "どなた"), ("何方", "どちら"), ("何れ", "いずれ"),
    ("今更", "いまさら"), ("真面目", "まじめ"), ("二日酔い", "ふつかよい"),
    ("数寄屋", "すきや"), ("相撲", "すもう"), ("太刀", "たち"), ("三十日", "みそか"),
    ("芝生", "しばふ"), ("日本", "にほん"), ("母さん", "かあさん"), ("父さん", "とうさん"),
    ("助っ人", "すけっと"), ("意気地", "いくじ"), ("弥生", "やよい"), ("北京", "ぺきん"),
    ("西瓜", "すいか"), ("今宵", "こよい"), ("親父", "おやじ"), ("唯一", "ゆいつ"),
    ("狩人", "かりゅうど"), ("天辺", "てっぺん"), ("水俣", "みなまた"), ("高麗", "こうらい"),
    ("出来", "しゅったい"), ("面子", "めんつ"), ("小雨", "こさめ"), ("霧雨", "きりさめ"),
    ("小路", "こうじ"), ("浮気", "うわき"), ("明日", "あす"), ("時計", "どけい"),
    ("七日", "なぬか"), ("言う", "ゆう"),
}

# Common entries a teacher does not count, with the reason.
NOT_EVIDENCE = {
    ("聴聞", "ちょうもん"): "a legal term, the only word but an idiom to read 聞 モン",
    ("子", "ね"): "a zodiac sign, learnt with the calendar",
    ("午", "うま"): "a zodiac sign, learnt with the calendar",
    ("酒店", "さかだな"): "an old merchant-house word",
    ("大店", "おおだな"): "an old merchant-house word",
    ("古", "いにしえ"): "a literary word",
}

# Inflected forms of common words, which have no entry of their own: 来る
# reads 来 as き and こ in 来ます and 来ない.
INFLECTIONS = {("来る", "くる"): [("来ます", "きます"), ("来ない", "こない")]}

HIRAGANA = set(chr(c) for c in range(0x3041, 0x3097)) | {"ー"}
# Voicing at the start of a later part of a compound (rendaku); じ and ず for
# ち and つ are spelt apart and stay readings of their own (中 じゅう).
RENDAKU = list(zip("かきくけこさしすせそたちつてとはひふへほはひふへほ",
                   "がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ"))
SOKUON_ENDS = set("つちくき")
ROWS = ["あいうえお", "かきくけこ", "がぎぐげご", "さしすせそ", "ざじずぜぞ", "たちつてと",
        "だぢづでど", "なにぬねの", "はひふへほ", "ばびぶべぼ", "ぱぴぷぺぽ", "まみむめも",
        "やゆよ", "らりるれろ", "わを"]


def fail(message):
    sys.exit("check_readings: " + message)


def hiragana(text):
    return "".join(chr(ord(c) - 0x60) if 0x30A1 <= ord(c) <= 0x30F6 else c for c in text)


def katakana(text):
    return "".join(chr(ord(c) + 0x60) if 0x3041 <= ord(c) <= 0x3096 else c for c in text)


def is_kanji(c):
    return 0x4E00 <= ord(c) <= 0x9FFF or c == "々"


# --- sources ---------------------------------------------------------------

def read_records(path):
    records = []
    with open(path, encoding="utf-8") as source:
        for line in source:
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                character, meaning, on, kun = line.split("|")
                records.append((character, meaning, [r for r in on.split(",") if r],
                                [r for r in kun.split(",") if r]))
    return records


def read_words(path):
    with open(path, encoding="utf-8") as source:
        return [tuple(line.rstrip("\n").split("|")) for line in source
                if line.strip() and not line.startswith("#")]


def read_kanjidic():
    """kanji -> list of (kind, stem, okurigana, affix), readings in hiragana;
    affix is true for KANJIDIC's forms used only with another word (-び)."""
    readings = {}
    literal = None
    pattern = re.compile(r'<literal>(.)</literal>|<reading r_type="ja_(on|kun)">([^<]*)</reading>')
    with gzip.open(KANJIDIC, "rt", encoding="utf-8") as source:
        for match in pattern.finditer(source.read()):
            if match.group(1):
                literal = match.group(1)
                readings[literal] = []
                continue
            kind, text = match.group(2), hiragana(match.group(3))
            stem, _, okurigana = text.replace("-", "").partition(".")
            readings[literal].append((kind, stem, okurigana, "-" in text))
    return readings


def read_edict():
    """(written form, reading, senses, common, text) per entry; each sense a
    list of glosses, common for the entries marked (P)."""
    entries = []
    with open(EDICT, encoding="euc-jp", errors="replace") as source:
        next(source)
        for line in source:
            head, _, body = line.partition(" /")
            written, _, reading = head.partition(" [")
            reading = reading.rstrip("]") or written
            parts = [p for p in body.rstrip("/\n").split("/") if p]
            common = "(P)" in parts
            senses, gloss = [], []
            for part in parts:
                if part == "(P)":
                    continue
                numbered = re.match(r"^((?:\([^)]*\) )*)\((\d+)\) ", part)
                if numbered and numbered.group(2) != "1":
                    senses.append(gloss)
                    gloss = []
                gloss.append(re.sub(r"^(\([^)]*\) ?)+", "", part).strip())
            senses.append(gloss)
            entries.append((written, hiragana(reading), senses, common, body))
    return entries


# --- splitting a word's reading over its characters ------------------------

def same_row(a, b):
    return any(a in row and b in row for row in ROWS)


def variants(text):
    """(form, extra cost) of a reading as compounds change it."""
    forms = [(text, 0)]
    for plain, voiced in RENDAKU:
        if text[0] == plain:
            forms.append((voiced + text[1:], 1))
    if text[-1] in SOKUON_ENDS:
        forms += [(form[:-1] + "っ", cost + 1) for form, cost in list(forms)]
    return forms


def base_readings(character, kanjidic, own):
    """(kind, stem, okurigana) of a character, the record's first.

    KANJIDIC's voiced and doubled forms (-び, やっ.つ) are dropped: they are
    forms of another of its readings, which variants() rebuilds.
    """
    record = [(kind, stem, "", False) for kind, stem, _ in own.get(character, [])]
    listed = record + kanjidic.get(character, [])
    stems = {(kind, stem) for kind, stem, _, _ in listed}
    kept = []
    for kind, stem, okurigana, affix in listed:
        voiced = affix and any((kind, p + stem[1:]) in stems for p, v in RENDAKU if stem[0] == v)
        doubled = stem.endswith("っ") and (kind, stem[:-1]) in stems
        # KANJIDIC's たて- beside た.てる is the okurigana left out.
        shortened = (kind, stem, okurigana, affix) not in record and any(
            k == kind and o and stem.startswith(s) and 0 < len(stem) - len(s) <= 2
            and same_row(stem[len(s)], o[0]) for k, s, o, _ in listed)
        if not (voiced or doubled or shortened) and (kind, stem, okurigana) not in kept:
            kept.append((kind, stem, okurigana))
    return kept


def candidates(character, kanjidic, own):
    """(pattern, kind, stem, okurigana, cost) a character may stand for; a *
    in the pattern is okurigana left out of the written form."""
    found = {}
    record = {(kind, stem) for kind, stem, _ in own.get(character, [])}
    for kind, stem, okurigana in base_readings(character, kanjidic, own):
        # Readings the record lacks cost a little more, so that a split
        # using the record wins a tie (気 is キ, not KANJIDIC's kun き).
        extra = 0 if (kind, stem) in record else 0.1
        forms = [(form, cost) for form, cost in variants(stem)]
        if kind == "kun":
            forms += [(form + "っ", cost + 1) for form, cost in variants(stem)]  # 三つ みっつ
        if okurigana:
            # Okurigana left out of the written form (入口 いりぐち): the
            # character covers the stem and the first okurigana, in any
            # inflection of its row.
            forms += [(form + "*", cost + 1) for form, cost in variants(stem)]
            forms += [(form + okurigana[0] + "*", cost + 1) for form, cost in variants(stem)
                      if len(okurigana) > 1]
        for form, cost in forms:
            key = (form, kind, stem, okurigana[:2])
            found[key] = min(found.get(key, 99), cost + extra)
    return [(form, kind, stem, okurigana, cost) for (form, kind, stem, okurigana), cost in found.items()]


def fits(pattern, okurigana, text):
    if len(pattern) != len(text):
        return False
    for i, (p, t) in enumerate(zip(pattern, text)):
        if p == "*":
            wanted = okurigana[1] if i == len(pattern) - 1 and pattern.endswith(okurigana[0] + "*") \
                and len(okurigana) > 1 else okurigana[0]
            if not same_row(wanted, t):
                return False
        elif p != t:
            return False
    return True


def alignments(written, reading, kanjidic, own, free=None):
    """The cheapest splits of the reading over the characters.

    Returns (cost, splits), each split a list of (character, kind, stem).
    Whole-word readings inside a word take their part of it and prove
    nothing. A character named in free may also take any 1 to 4 kana at a
    high cost: that finds readings no dictionary lists (中 in 世界中).
    """
    best, cache = {}, {}

    def options(c):
        if c not in cache:
            cache[c] = candidates(c, kanjidic, own)
        return cache[c]

    def walk(i, j, cost, parts):
        if cost > 12:
            return
        if i == len(written):
            if j == len(reading):
                best.setdefault(round(cost, 3), []).append(parts)
            return
        for form, whole in WHOLE_WORD_READINGS:
            if written.startswith(form, i) and reading.startswith(whole, j) and form != written:
                walk(i + len(form), j + len(whole), cost, parts)
        c = written[i]
        if not is_kanji(c):
            if j < len(reading) and hiragana(c) == reading[j]:
                walk(i + 1, j + 1, cost, parts)
            return
        source = written[i - 1] if c == "々" and i > 0 else c
        for pattern, kind, stem, okurigana, extra in options(source):
            if fits(pattern, okurigana, reading[j:j + len(pattern)]):
                walk(i + 1, j + len(pattern), cost + extra, parts + [(source, kind, stem)])
        if source == free:
            for length in range(1, 5):
                walk(i + 1, j + length, cost + 10, parts + [(source, "?", reading[j:j + length])])

    walk(0, 0, 0, [])
    if not best:
        return None, []
    cost = min(best)
    unique = []
    for split in best[cost]:
        if split not in unique:
            unique.append(split)
    return cost, unique


# --- evidence --------------------------------------------------------------

def own_readings(records):
    return {character: [("on", hiragana(r), "") for r in on] + [("kun", r, "") for r in kun]
            for character, _, on, kun in records}


def common_entries(entries, ours):
    for written, reading, senses, common, body in entries:
        if not common or (written, reading) in WHOLE_WORD_READINGS or (written, reading) in NOT_EVIDENCE:
            continue
        if not any(c in ours for c in written) or not all(is_kanji(c) or c in HIRAGANA for c in written):
            continue
        # Katakana readings are loans; a word usually written in kana in
        # every sense shows no reading of its kanji; four-character idioms
        # (前代未聞) are learnt whole.
        if not all(c in HIRAGANA for c in reading) or body.count("(uk)") >= len(senses) \
                or "(yoji)" in body:
            continue
        yield written, reading
        yield from INFLECTIONS.get((written, reading), [])


def evidence(records, words, kanjidic, entries):
    """Per kanji: {(kind, stem): common words}, unexplained splits, and
    {(kind, stem): words of our word text}."""
    ours = {r[0] for r in records}
    own = own_readings(records)
    used = {k: {} for k in ours}
    unexplained = {k: {} for k in ours}
    for written, reading in common_entries(entries, ours):
        _, splits = alignments(written, reading, kanjidic, own)
        if not splits:
            for c in set(written) & ours:
                for split in alignments(written, reading, kanjidic, own, free=c)[1]:
                    for character, kind, stem in split:
                        if kind == "?":
                            unexplained[character].setdefault(stem, []).append(written + " " + reading)
            continue
        for split in splits:
            for character, kind, stem in split:
                if character in ours and written not in used[character].setdefault((kind, stem), []):
                    used[character][(kind, stem)].append(written)
    needed = {k: {} for k in ours}
    for written, reading, _ in words:
        for split in alignments(written, reading, kanjidic, own)[1]:
            for character, kind, stem in split:
                if character in ours:
                    needed[character].setdefault((kind, stem), []).append(written)
    return used, unexplained, needed


def is_voiced_form(stem, kind, record, words):
    """A voiced reading only ever met inside compounds is rendaku of a
    record reading (百 in 三百 さんびゃく)."""
    return any((kind, p + stem[1:]) in record for p, v in RENDAKU if stem[0] == v) and \
        all(not word.startswith(character) for character, word in words)


def breaches(records, used, unexplained, needed):
    """Lines naming every reading that breaks the rule."""
    lines = []
    for character, _, on, kun in records:
        record = {("on", hiragana(r)) for r in on} | {("kun", r) for r in kun}
        for (kind, stem), words in sorted(used[character].items()):
            if (kind, stem) not in record and not is_voiced_form(
                    stem, kind, record, [(character, w) for w in words]):
                reading = katakana(stem) if kind == "on" else stem
                lines.append("%s lacks %s %s, used by %s" % (character, kind, reading, " ".join(words[:3])))
        for stem, words in sorted(unexplained[character].items()):
            lines.append("%s: no reading of it splits %s (%s?)" % (character, words[0], stem))
        for kind, stem in sorted(record - set(used[character]) - set(needed[character])):
            reading = katakana(stem) if kind == "on" else stem
            lines.append("%s has %s %s, which no common word uses" % (character, kind, reading))
    return lines


# --- the reading question --------------------------------------------------

def wrong_right_options(records, used, unexplained):
    """(kanji, option) pairs where a reading question offers as wrong a
    reading that common words use for the asked kanji.

    The question starts its options with the kanji's own readings and fills
    them to 9 with the readings of the kanji of a list, walked from a random
    start. Every start over the text-order list is tried; the lists are
    shuffled in play, so any other kanji's reading may come up as well,
    which the second count covers.
    """
    def right(character, kind, option):
        text, record = hiragana(option), {(k, s) for k, s, _ in own[character]}
        if text in unexplained[character]:
            return True
        return (kind, text) in used[character] and not is_voiced_form(
            text, kind, record, [(character, w) for w in used[character][(kind, text)]])

    own = own_readings(records)

    walked, possible = set(), set()
    for character, _, on, kun in records:
        for kind, index in (("on", 2), ("kun", 3)):
            asked = set(on if index == 2 else kun)
            if not asked:
                continue
            for start in range(len(records)):
                options, i = set(asked), start
                for _ in range(len(records)):
                    if len(options) >= 9:
                        break
                    for reading in sorted(records[i][index]):
                        if reading not in options and len(options) < 9:
                            options.add(reading)
                    i = (i + 1) % len(records)
                walked |= {(character, o) for o in options - asked if right(character, kind, o)}
            for other in records:
                possible |= {(character, o) for o in set(other[index]) - asked if right(character, kind, o)}
    return sorted(walked), sorted(possible)


# --- word labels -----------------------------------------------------------

def senses_of(entries, word, reading):
    for written, entry_reading, senses, _, _ in entries:
        if written == word and entry_reading == reading:
            return senses
    return [[]]


def gloss_key(text):
    return re.sub(r"\([^)]*\)", "", text).strip().lower().removeprefix("to ").strip()


def label_breaches(words, entries):
    """Words that share a first sense but not a label, and words whose
    labels are each other's glosses."""
    senses = {w: senses_of(entries, w, r) for w, r, _ in words}
    lines = []
    for a, (word_a, _, label_a) in enumerate(words):
        for word_b, _, label_b in words[a + 1:]:
            if label_a == label_b:
                continue
            first_a = {gloss_key(g) for g in senses[word_a][0]}
            glosses_a = {gloss_key(g) for sense in senses[word_a] for g in sense}
            glosses_b = {gloss_key(g) for sense in senses[word_b] for g in sense}
            if first_a and first_a == {gloss_key(g) for g in senses[word_b][0]}:
                lines.append("%s and %s mean the same but read %r and %r" % (word_a, word_b, label_a, label_b))
            elif gloss_key(label_a) in glosses_b and gloss_key(label_b) in glosses_a:
                lines.append("%s %r and %s %r are each other's glosses" % (word_a, label_a, word_b, label_b))
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--walk", action="store_true", help="count right readings offered as wrong")
    parser.add_argument("--words", action="store_true", help="list words with their first sense")
    parser.add_argument("--kanji", help="show the evidence for one kanji")
    parser.add_argument("--records", default=os.path.join(DATA, "kanji.txt"), help="kanji data to check")
    options = parser.parse_args()
    for path in (EDICT, KANJIDIC):
        if not os.path.exists(path):
            fail("%s is missing: apt-get install edict kanjidic-xml" % path)
    records = read_records(options.records)
    words = read_words(os.path.join(DATA, "words.txt"))
    entries = read_edict()
    if options.words:
        for word, reading, label in words:
            print("%s|%s|%s|%s" % (word, reading, label, "/".join(senses_of(entries, word, reading)[0])))
        return 0
    used, unexplained, needed = evidence(records, words, read_kanjidic(), entries)
    if options.kanji:
        for (kind, stem), found in sorted(used[options.kanji].items()):
            print(kind, stem, len(found), " ".join(found[:10]))
        for (kind, stem), found in sorted(needed[options.kanji].items()):
            print("needed", kind, stem, " ".join(found))
        return 0
    if options.walk:
        walked, possible = wrong_right_options(records, used, unexplained)
        for character, option in possible:
            print("%s: %s offered as wrong%s" % (character, option,
                                                 "" if (character, option) in walked else " (shuffled lists only)"))
        print("%d right readings offered as wrong in the walk, %d with any list order"
              % (len(walked), len(possible)))
        return 1 if possible else 0
    problems = breaches(records, used, unexplained, needed) + label_breaches(words, entries)
    for line in problems:
        print(line)
    print("%d kanji, %d words: %s" % (len(records), len(words),
                                      "%d breaches" % len(problems) if problems else "every rule holds"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
