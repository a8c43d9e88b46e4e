#!/usr/bin/env python3
"""Generate index/korean_tables.cpp from the data in tools/korean/.

Usage:
  gen_korean_tables.py [-o OUTPUT]
  gen_korean_tables.py --check FILE

--check regenerates in memory and exits 1 with a short diff when FILE
differs, 0 when it matches.

Inputs (each file's header names its sources and the rule it follows):
  tools/korean/surnames.tsv     surnames and the spellings their bearers use
  tools/korean/given_rules.tsv  respellings of the letters of a syllable

What the tables hold
--------------------
KoreanSurnames: one row per surname (one or two Hangul syllables), sorted by
its syllables, pointing into KoreanSurnameSpellings, the spellings in the
order of the data file. The library adds the Revised Romanization after them
when it is missing, so the data need not repeat it.

KoreanInitialChoices and KoreanMedialChoices: for each initial consonant and
each vowel, the spellings besides its Revised Romanization, most used first,
each with the letters it applies with (bit masks over the initials, medials
and finals of HangulJamo). The library composes the choices of any syllable
from them.
"""

import argparse
import os
import sys

import generated_source

INITIALS = "ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ"
MEDIALS = "ㅏㅐㅑㅒㅓㅔㅕㅖㅗㅘㅙㅚㅛㅜㅝㅞㅟㅠㅡㅢㅣ"
FINALS = "ㄱㄲㄳㄴㄵㄶㄷㄹㄺㄻㄼㄽㄾㄿㅀㅁㅂㅄㅅㅆㅇㅈㅊㅋㅌㅍㅎ"  # index 1..27

FIRST_SYLLABLE = 0xAC00
LAST_SYLLABLE = 0xD7A3
MAX_SPELLINGS = 8        # kMaxSpellingChoices in index/korean_spelling.h
MAX_LENGTH = 12          # kMaxChoiceLength
ALL_INITIALS = (1 << len(INITIALS)) - 1
ALL_MEDIALS = (1 << len(MEDIALS)) - 1
ALL_FINALS = (1 << (len(FINALS) + 1)) - 1


class DataError(ValueError):
    pass


def data_lines(path):
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                yield number, line.split("\t")


def check_spelling(spelling, where):
    if not spelling or len(spelling) > MAX_LENGTH or not (
            spelling.isascii() and spelling.isalpha() and spelling.islower()):
        raise DataError("%s: bad spelling %r" % (where, spelling))


def read_surnames(path):
    rows = {}
    for number, fields in data_lines(path):
        where = "%s:%d" % (os.path.basename(path), number)
        if len(fields) != 4:
            raise DataError("%s: expected 4 fields" % where)
        hangul, rank, source, spellings = fields
        if not 1 <= len(hangul) <= 2 or not all(
                FIRST_SYLLABLE <= ord(c) <= LAST_SYLLABLE for c in hangul):
            raise DataError("%s: %r is not one or two Hangul syllables" % (where, hangul))
        if rank != "-" and not (rank.isdigit() and 1 <= int(rank) <= 100):
            raise DataError("%s: bad rank %r" % (where, rank))
        if source not in ("share", "sample", "list", "usage"):
            raise DataError("%s: unknown source %r" % (where, source))
        spellings = spellings.split(",")
        for spelling in spellings:
            check_spelling(spelling, where)
        if len(set(spellings)) != len(spellings) or len(spellings) > MAX_SPELLINGS - 1:
            raise DataError("%s: repeated spellings or more than %d"
                            % (where, MAX_SPELLINGS - 1))
        if hangul in rows:
            raise DataError("%s: %s listed twice" % (where, hangul))
        rows[hangul] = spellings
    return rows


def letter_mask(letters, alphabet, where, offset=0):
    mask = 0
    for letter in letters:
        index = alphabet.find(letter)
        if index < 0:
            raise DataError("%s: %r is not a letter here" % (where, letter))
        mask |= 1 << (index + offset)
    return mask


def read_rules(path):
    choices = {"initial": [[] for _ in INITIALS], "medial": [[] for _ in MEDIALS]}
    for number, fields in data_lines(path):
        where = "%s:%d" % (os.path.basename(path), number)
        if len(fields) < 3 or fields[0] not in choices:
            raise DataError("%s: expected part, letter, spelling" % where)
        part, letter, spelling = fields[:3]
        alphabet = INITIALS if part == "initial" else MEDIALS
        if len(letter) != 1 or letter not in alphabet:
            raise DataError("%s: %r is not a letter of part %s" % (where, letter, part))
        check_spelling(spelling, where)
        initials, medials, finals, drop_y = ALL_INITIALS, ALL_MEDIALS, ALL_FINALS, False
        for condition in fields[3:]:
            if condition == "drop-y":
                drop_y = True
            elif condition.startswith("initial!="):
                initials = ALL_INITIALS & ~letter_mask(condition[9:], INITIALS, where)
            elif condition.startswith("initial="):
                initials = letter_mask(condition[8:], INITIALS, where)
            elif condition.startswith("medial="):
                medials = letter_mask(condition[7:], MEDIALS, where)
            elif condition == "final=none":
                finals = 1
            elif condition.startswith("final="):
                finals = letter_mask(condition[6:], FINALS, where, offset=1)
            else:
                raise DataError("%s: unknown condition %r" % (where, condition))
        choices[part][alphabet.index(letter)].append(
            (spelling, initials, medials, finals, drop_y))
    return choices


def render_choices(name, letters, choices):
    out = ["const KoreanJamoChoice %s[] = {" % name]
    starts = [0]
    for letter, entries in zip(letters, choices):
        for spelling, initials, medials, finals, drop_y in entries:
            out.append('    {"%s", 0x%05X, 0x%06X, 0x%07X, %s},  // %s'
                       % (spelling, initials, medials, finals,
                          "true" if drop_y else "false", letter))
        starts.append(starts[-1] + len(entries))
    if starts[-1] == 0:
        out.append('    {"", 0, 0, 0, false},  // no respellings')
    out.append("};")
    out.append("const uint8_t %sStart[] = {%s};" % (name, ", ".join(map(str, starts))))
    return out


def render(surnames, rules):
    out = [
        "// Generated by tools/gen_korean_tables.py from tools/korean/surnames.tsv and",
        "// tools/korean/given_rules.tsv, whose headers name the sources. Do not",
        "// edit by hand: change the data or the generator and run it again.",
        "",
        '#include "korean_tables.h"',
        "",
        "namespace vostarel {",
        "",
    ]
    order = sorted(surnames, key=lambda h: [ord(c) for c in h] + [0] * (2 - len(h)))
    pool = []
    rows = []
    for hangul in order:
        spellings = surnames[hangul]
        second = "u'\\u%04X'" % ord(hangul[1]) if len(hangul) == 2 else "0"
        rows.append("    {{u'\\u%04X', %s}, %d, %d},  // %s"
                    % (ord(hangul[0]), second, len(pool), len(spellings), hangul))
        pool.extend(spellings)
    out.append("const KoreanSurnameRow KoreanSurnames[] = {")
    out.extend(rows)
    out.append("};")
    out.append("const int KoreanSurnameCount = %d;" % len(rows))
    out.append("")
    out.append("const char* const KoreanSurnameSpellings[] = {")
    line = "   "
    for spelling in pool:
        item = ' "%s",' % spelling
        if len(line) + len(item) > 80:
            out.append(line)
            line = "   "
        line += item
    out.append(line)
    out.append("};")
    out.append("")
    out.extend(render_choices("KoreanInitialChoices", INITIALS, rules["initial"]))
    out.append("")
    out.extend(render_choices("KoreanMedialChoices", MEDIALS, rules["medial"]))
    out.append("")
    out.append("}  // namespace vostarel")
    out.append("")
    return "\n".join(out)


def generate(data_dir):
    surnames = read_surnames(os.path.join(data_dir, "surnames.tsv"))
    rules = read_rules(os.path.join(data_dir, "given_rules.tsv"))
    return render(surnames, rules)


def main(argv):
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n", 1)[0])
    parser.add_argument("--data", default=os.path.join(repo, "tools", "korean"),
                        help="folder of the data files (default: tools/korean)")
    group = parser.add_mutually_exclusive_group()
    group.add_argument("-o", "--output",
                       default=os.path.join(repo, "index", "korean_tables.cpp"),
                       help="file to write (default: index/korean_tables.cpp)")
    group.add_argument("--check", metavar="FILE",
                       help="compare FILE with the regenerated tables instead")
    args = parser.parse_args(argv)
    try:
        text = generate(args.data)
    except (OSError, DataError) as error:
        print("cannot build the tables: %s" % error, file=sys.stderr)
        return 1
    if args.check:
        return generated_source.check(
            text, args.check, "run tools/gen_korean_tables.py to regenerate it")
    generated_source.write(text, args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
