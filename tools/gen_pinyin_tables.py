#!/usr/bin/env python3
"""Generate index/pinyin_tables.cpp from the Unicode Han database (Unihan).

Usage:
  gen_pinyin_tables.py [UNIHAN_READINGS] [-o OUTPUT]
  gen_pinyin_tables.py [UNIHAN_READINGS] --check FILE

UNIHAN_READINGS is Unihan_Readings.txt, plain or bz2-compressed. Without it the
Debian location /usr/share/unicode/Unihan_Readings.txt.bz2 (or the unpacked
.txt next to it) is used. --check regenerates in memory and exits 1 with a
short diff summary when FILE differs, 0 when it matches, and 77 when the Unihan
file is missing (so a test harness can report the check as skipped).

What the tables hold
--------------------
SyllableTables holds three tables of 410 rows. Table 0: row 0 "*" (no known
reading), rows 1..407 the toneless syllables in byte order, row 408 "#", row
409 empty. Tables 1 and 2 respell each row of table 0 (see the end). IdeographIndex
gives, for each code point U+4E00..U+9FA5, the row of one reading (0 if none).
The syllable rows are exactly the readings the index uses, so the inventory is
an output of the rules below, not an input.

How one reading is chosen for an ideograph
------------------------------------------
1. Spelling of a reading. Tone marks are removed (Unicode decomposition, then
   dropping combining marks). u with diaeresis (u-umlaut, with or without a
   tone) becomes "v". e with circumflex becomes plain "e". The syllabic nasals
   keep their letters: m with acute or grave becomes "m", n with acute, caron
   or grave becomes "n", so "ng" stays "ng" and "hm"/"hng" stay as written.
   Any result that is not lower-case ASCII letters is discarded.

2. Ideographs left without a reading (row 0):
   - those with no value in any of the five reading fields listed below;
   - Japanese-coined ideographs: Unihan gives a Japanese kun reading but no on
     reading (the character was made in Japan and has no Sino-Japanese
     sound; the test also catches radical shapes that Japanese only names).
     Their Mandarin values are mostly readings by analogy with the phonetic
     part, which Chinese name data do not use. The exception is an
     ideograph listed in the 2013 General Standard Chinese Characters table
     (kTGHZ2013): that one is in current Chinese use and keeps its reading;
   - ideographs whose readings all fall outside the syllable inventory (see 4).

3. Candidate readings, in priority order (duplicates dropped, order kept):
   kMandarin (Unihan's customary reading, the primary source), kXHC1983,
   kTGHZ2013, kHanyuPinlu, kHanyuPinyin.
   The 3,755 ideographs of level 1 of GB 2312 are arranged there by
   pronunciation, so the position of each one tells which of its readings is
   its principal one (that is how polyphonic characters such as the ones for
   liao/le, huan/hai, zhong/chong, chang/zhang and xing/hang are resolved).
   For those ideographs only candidates consistent with the GB 2312 order are
   kept: a candidate is consistent when some choice of readings for all level
   1 characters runs in non-decreasing pinyin order through it. The order used
   there is the dictionary one (u-umlaut sorts as u, just after it when the
   rest is equal: lu < lv < luan < lve < lun). The handful of characters at a
   boundary between two syllables keep both and the priority order decides.

4. The syllable inventory. The reading of an ideograph is its first candidate
   that is not one of the syllables the product does not spell:
     kei  colloquial reading of the character for "to scold" (ke stays);
     rua  colloquial reading of the character for "to rub" (ruo stays);
     n, ng  vowel-less nasal interjections (the character for "um-hm");
     nun  reading of a single obsolete character.
   The product's keypad inventory keeps m (the characters for "um", "not")
   and hm. The inventory is the set of readings so chosen; it must come out
   as 407 syllables or generation fails.

Tables 1 and 2
--------------
Both have the rows of table 0 with the same row meaning, each syllable
respelled by a rule (rows 0, 408 and 409 stay "*", "#" and ""):

Table 1 is Wade-Giles as Taiwanese names are written in Latin letters:
toneless, without apostrophes or diacritics (ch'ang and chang are both
"chang", hsu stands for hsu-umlaut). A syllable is split into its initial
(zh ch sh b p m f d t n l g k h j q x r z c s y w, or none) and its final.
WG_SYLLABLES respells whole syllables first (zi ci -> tzu, si -> ssu,
zhi chi -> chih, shi -> shih, ri -> jih, er -> erh, e -> o, yi -> i,
ye -> yeh, you -> yu, yan -> yen). Otherwise the initial becomes
WG_INITIALS[initial] (b -> p, d -> t, g -> k, j q zh -> ch, x -> hs, r -> j,
z c -> ts) and the final is respelled by the first rule of WG_FINALS whose
final and initial set fit (ong -> ung, iong -> iung, ian -> ien, ie -> ieh,
ue ve -> ueh, v -> u, e -> o after g k h, uo -> o after all but g k h sh,
ui -> uei after g k); a final no rule names stays as it is. So zhang ->
chang, xiao -> hsiao, qing -> ching, cong -> tsung, jiong -> chiung,
lve -> lueh.

Table 2 is Hanyu Pinyin as passports write it: u-umlaut is "yu" instead of
"v" (lv -> lyu, lve -> lyue, nv -> nyu, nve -> nyue); every other row is
table 0's.

The output is deterministic: it depends only on the Unihan file.
"""

import argparse
import bz2
import io
import os
import sys
import unicodedata
from collections import defaultdict

import generated_source

FIRST_IDEOGRAPH = 0x4E00
LAST_IDEOGRAPH = 0x9FA5
IDEOGRAPH_COUNT = LAST_IDEOGRAPH - FIRST_IDEOGRAPH + 1  # 20,902
SYLLABLE_COUNT = 407           # rows 1..407
ROW_COUNT = 410                # plus "*" at 0, "#" at 408 and "" at 409
ROW_UNITS = 7                  # six letters and the terminating zero

DEFAULT_SOURCES = (
    "/usr/share/unicode/Unihan_Readings.txt.bz2",
    "/usr/share/unicode/Unihan_Readings.txt",
)

# Reading fields, most trusted first.
READING_FIELDS = ("kMandarin", "kXHC1983", "kTGHZ2013", "kHanyuPinlu",
                  "kHanyuPinyin")
OTHER_FIELDS = ("kJapaneseKun", "kJapaneseOn")

NOT_SPELLED = frozenset({"kei", "rua", "n", "ng", "nun"})

EXIT_SKIP = generated_source.EXIT_SKIP

# Tables 1 and 2: respelling rules (see the module documentation).
PINYIN_INITIALS = ("zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l",
                   "g", "k", "h", "j", "q", "x", "r", "z", "c", "s", "y", "w")
WG_SYLLABLES = {
    "zi": "tzu", "ci": "tzu", "si": "ssu",
    "zhi": "chih", "chi": "chih", "shi": "shih", "ri": "jih",
    "er": "erh", "e": "o", "yi": "i", "ye": "yeh", "you": "yu", "yan": "yen",
}
WG_INITIALS = {
    "b": "p", "p": "p", "m": "m", "f": "f", "d": "t", "t": "t", "n": "n",
    "l": "l", "g": "k", "k": "k", "h": "h", "j": "ch", "q": "ch", "x": "hs",
    "zh": "ch", "ch": "ch", "sh": "sh", "r": "j", "z": "ts", "c": "ts",
    "s": "s", "y": "y", "w": "w", "": "",
}
ALL_INITIALS = frozenset(PINYIN_INITIALS) | {""}
# (final, initials it applies after, respelled final); the first fit wins.
WG_FINALS = (
    ("ong", ALL_INITIALS, "ung"),
    ("iong", ALL_INITIALS, "iung"),
    ("ian", ALL_INITIALS, "ien"),
    ("ie", ALL_INITIALS, "ieh"),
    ("ue", ALL_INITIALS, "ueh"),
    ("ve", ALL_INITIALS, "ueh"),
    ("v", ALL_INITIALS, "u"),
    ("e", frozenset({"g", "k", "h"}), "o"),
    ("uo", ALL_INITIALS - {"g", "k", "h", "sh"}, "o"),
    ("ui", frozenset({"g", "k"}), "uei"),
)
PASSPORT_FINALS = {"v": "yu", "ve": "yue"}


class SourceMissing(Exception):
    pass


def find_source(path):
    if path:
        if not os.path.isfile(path):
            raise SourceMissing(path)
        return path
    for candidate in DEFAULT_SOURCES:
        if os.path.isfile(candidate):
            return candidate
    raise SourceMissing(" or ".join(DEFAULT_SOURCES))


def open_text(path):
    with open(path, "rb") as f:
        magic = f.read(3)
    if magic == b"BZh":
        return io.TextIOWrapper(bz2.open(path, "rb"), encoding="utf-8")
    return open(path, encoding="utf-8")


def read_unihan(path):
    """Return ({field: {code point: raw value}}, unicode version string)."""
    wanted = set(READING_FIELDS) | set(OTHER_FIELDS)
    fields = {name: {} for name in wanted}
    version = "unknown"
    with open_text(path) as f:
        for line in f:
            if line.startswith("#"):
                if line.startswith("# Unicode version:"):
                    version = line.split(":", 1)[1].strip()
                continue
            parts = line.rstrip("\n").split("\t")
            if len(parts) != 3 or not parts[0].startswith("U+"):
                continue
            code = int(parts[0][2:], 16)
            if FIRST_IDEOGRAPH <= code <= LAST_IDEOGRAPH and parts[1] in wanted:
                fields[parts[1]][code] = parts[2]
    return fields, version


def toneless(reading):
    """Spell one pinyin reading in ASCII without tone; None if impossible."""
    text = unicodedata.normalize("NFD", reading.strip().lower())
    text = text.replace("u\u0308", "v")   # u-umlaut, any tone
    out = "".join(ch for ch in text if not unicodedata.combining(ch))
    if out and out.isascii() and out.isalpha():
        return out
    return None


def raw_readings(field, value):
    """Split one field value into its readings, in the order given."""
    out = []
    for item in value.split():
        if field == "kHanyuPinlu":
            item = item.split("(", 1)[0]          # "le(30101)"
            out.append(item)
        elif field == "kMandarin":
            out.append(item)
        else:                                      # "0684.060:le", "10048.060:liǎo,le"
            out.extend(item.rsplit(":", 1)[-1].split(","))
    return out


def candidates(fields, code):
    seen = []
    for field in READING_FIELDS:
        value = fields[field].get(code)
        if value is None:
            continue
        for reading in raw_readings(field, value):
            syllable = toneless(reading)
            if syllable and syllable not in seen:
                seen.append(syllable)
    return seen


def is_japanese_coinage(fields, code):
    return (code in fields["kJapaneseKun"] and code not in fields["kJapaneseOn"]
            and code not in fields["kTGHZ2013"])


def gb2312_level1():
    """Code points of GB 2312 level 1 (rows 16-55) in code order."""
    chars = []
    for row in range(0xB0, 0xD8):
        for cell in range(0xA1, 0xFF):
            try:
                ch = bytes((row, cell)).decode("gb2312")
            except UnicodeDecodeError:
                continue
            chars.append(ord(ch))
    return chars


def collation_key(syllable):
    # Dictionary order: u-umlaut sorts with u, after it on a tie.
    return (syllable.replace("v", "u"), "v" in syllable)


def ordered_readings(fields):
    """For each GB 2312 level 1 ideograph, the candidates its position allows.

    Forward pass: the lowest reading each character can take given everything
    before it; backward pass: the highest given everything after it. A reading
    is consistent when it lies between the previous character's lowest and the
    next character's highest. A character whose readings cannot fit the
    sequence at all is left unconstrained.
    """
    sequence = gb2312_level1()
    cands = {code: candidates(fields, code) for code in sequence}
    low_before = {}
    low = ("", False)
    for code in sequence:
        low_before[code] = low
        fit = [collation_key(s) for s in cands[code] if collation_key(s) >= low]
        if fit:
            low = min(fit)
    high_after = {}
    high = ("\x7f", True)
    for code in reversed(sequence):
        high_after[code] = high
        fit = [collation_key(s) for s in cands[code] if collation_key(s) <= high]
        if fit:
            high = max(fit)
    allowed = {}
    for code in sequence:
        keep = [s for s in cands[code]
                if low_before[code] <= collation_key(s) <= high_after[code]]
        if keep:
            allowed[code] = keep
    return allowed


def build_tables(fields):
    """Return (syllables in row order 1..407, index list of 20,902 rows)."""
    ordered = ordered_readings(fields)
    chosen = {}
    for code in range(FIRST_IDEOGRAPH, LAST_IDEOGRAPH + 1):
        if is_japanese_coinage(fields, code):
            continue
        cands = ordered.get(code) or candidates(fields, code)
        for syllable in cands:
            if syllable not in NOT_SPELLED:
                chosen[code] = syllable
                break
    syllables = sorted(set(chosen.values()))
    if len(syllables) != SYLLABLE_COUNT:
        raise ValueError("the readings give %d syllables, the tables need %d"
                         % (len(syllables), SYLLABLE_COUNT))
    too_long = [s for s in syllables if len(s) >= ROW_UNITS]
    if too_long:
        raise ValueError("syllables too long for a row: %s" % ", ".join(too_long))
    row_of = {s: i + 1 for i, s in enumerate(syllables)}
    index = [row_of.get(chosen.get(code), 0)
             for code in range(FIRST_IDEOGRAPH, LAST_IDEOGRAPH + 1)]
    return syllables, index


def split_syllable(syllable):
    for initial in PINYIN_INITIALS:
        if syllable.startswith(initial) and len(syllable) > len(initial):
            return initial, syllable[len(initial):]
    return "", syllable


def wade_giles(syllable):
    """Table 1: the toneless Wade-Giles spelling of a pinyin syllable."""
    if syllable in WG_SYLLABLES:
        return WG_SYLLABLES[syllable]
    initial, final = split_syllable(syllable)
    for rule_final, after, respelled in WG_FINALS:
        if final == rule_final and initial in after:
            final = respelled
            break
    return WG_INITIALS[initial] + final


def passport_pinyin(syllable):
    """Table 2: pinyin with u-umlaut written "yu"."""
    initial, final = split_syllable(syllable)
    return initial + PASSPORT_FINALS.get(final, final)


def table_rows(syllables):
    """The rows of tables 0, 1 and 2."""
    tables = []
    for respell in (lambda s: s, wade_giles, passport_pinyin):
        rows = ["*"] + [respell(s) for s in syllables] + ["#", ""]
        too_long = [r for r in rows if len(r) >= ROW_UNITS]
        if too_long:
            raise ValueError("rows too long: %s" % ", ".join(too_long))
        tables.append(rows)
    return tables


def render(syllables, index, version):
    tables = table_rows(syllables)
    assert all(len(rows) == ROW_COUNT for rows in tables)
    assert len(index) == IDEOGRAPH_COUNT
    out = []
    out.append("// Generated by tools/gen_pinyin_tables.py from Unihan_Readings.txt")
    out.append("// (Unicode %s). Do not edit by hand: change the generator and" % version)
    out.append("// run it again.")
    out.append("")
    out.append('#include "pinyin_tables.h"')
    out.append("")
    out.append("namespace vostarel {")
    out.append("")
    out.append("const char16_t SyllableTables[kSyllableTableCount][kSyllableRowsPerTable]"
               "[kSyllableRowUnits] = {")
    titles = ("Table 0: Hanyu Pinyin, u-umlaut as \"v\".",
              "Table 1: Wade-Giles without apostrophes or diacritics.",
              "Table 2: Hanyu Pinyin as passports write it, u-umlaut as \"yu\".")
    for title, rows in zip(titles, tables):
        out.append("    // " + title)
        out.append("    {")
        for number, text in enumerate(rows):
            literal = 'u"%s",' % text
            out.append("        %-10s // %d" % (literal, number))
        out.append("    },")
    out.append("};")
    out.append("")
    out.append("// Row in the syllable tables for U+4E00 + i; 0 where no reading is known.")
    out.append("const uint16_t IdeographIndex[kIdeographCount] = {")
    per_line = 16
    for start in range(0, len(index), per_line):
        chunk = index[start:start + per_line]
        numbers = ", ".join("%3d" % v for v in chunk)
        out.append("    /* U+%04X */ %s," % (FIRST_IDEOGRAPH + start, numbers))
    out.append("};")
    out.append("")
    out.append("}  // namespace vostarel")
    out.append("")
    return "\n".join(out)


def generate(source):
    fields, version = read_unihan(source)
    syllables, index = build_tables(fields)
    return render(syllables, index, version)


def main(argv):
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n", 1)[0])
    parser.add_argument("unihan", nargs="?",
                        help="Unihan_Readings.txt or .txt.bz2 (default: %s)"
                        % DEFAULT_SOURCES[0])
    group = parser.add_mutually_exclusive_group()
    group.add_argument("-o", "--output",
                       default=os.path.join(repo, "index", "pinyin_tables.cpp"),
                       help="file to write (default: index/pinyin_tables.cpp)")
    group.add_argument("--check", metavar="FILE",
                       help="compare FILE with the regenerated tables instead")
    args = parser.parse_args(argv)

    try:
        source = find_source(args.unihan)
    except SourceMissing as missing:
        print("Unihan readings not found: %s" % missing, file=sys.stderr)
        return EXIT_SKIP if args.check else 2
    try:
        text = generate(source)
    except ValueError as error:
        print("cannot build the tables: %s" % error, file=sys.stderr)
        return 1
    if args.check:
        return generated_source.check(
            text, args.check, "run tools/gen_pinyin_tables.py to regenerate it")
    generated_source.write(text, args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
