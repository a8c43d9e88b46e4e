#!/usr/bin/env python3
"""Generate index/surname_readings.cpp: Chinese surnames read differently as a
surname than the ideograph table reads them.

Usage:
  gen_surname_readings.py [-o OUTPUT] [--cache DIR] [--report]
  gen_surname_readings.py --check FILE [--cache DIR]

The sources are three packages of the npm registry, pinned by version and
checksum below and fetched with `npm pack` into the cache folder (default
$XDG_CACHE_HOME/vostarel/npm, else ~/.cache/vostarel/npm); nothing is run
from them.
  pinyin-pro 3.29.4 (MIT), dist/esm/data/surname.mjs: its surname dictionary,
    the single and compound surnames of the Hundred Family Surnames and a few
    more, each with its reading as a surname. This is the main source.
  pinyin 4.0.0 (MIT), lib/esm/pinyin.js: its surname and compound surname
    dictionaries. They add the surnames pinyin-pro lacks; where both list a
    surname, pinyin-pro's reading is kept.
  cc-cedict 1.1.1 (the package MIT; the CC-CEDICT data CC BY-SA 4.0, snapshot
    of 2026-01-04), data/all.js: gives the traditional forms. A traditional
    form T of surname S read R is taken from an entry "T S [R]" whose reading
    is R; for a single ideograph the entry must also be a proper name (a
    capitalised reading) that a definition calls a surname ("單 单 [Shan4]
    /surname Shan/"). A traditional form that CC-CEDICT also gives as the
    form of a different simplified surname is left out (乾 is the form of
    干 Gan there, and a surname Qian of its own), and so is one that the
    surname dictionaries list themselves.

What is kept: the index of the library reads an ideograph with the one
reading of index/pinyin_tables.cpp, which this script reads back. A single
surname is kept when its surname reading differs from that reading; a
compound surname when either of its readings differs, or when its first
ideograph is a kept single surname (so that the single surname's reading is
not applied inside the compound). Every reading must be one of the 407
syllables of table 0, or generation fails.

--check regenerates in memory and exits 1 with a short diff when FILE
differs, 0 when it matches, and 77 when the packages cannot be fetched (no
npm, no registry), so a test harness can report the check as skipped.
--report prints, to stderr, how the surnames kept compare with CC-CEDICT's
surname entries and where the two surname dictionaries disagree.

The output depends only on the pinned packages and index/pinyin_tables.cpp.
"""

import argparse
import base64
import hashlib
import json
import os
import re
import subprocess
import sys
import tarfile

import generated_source
from gen_pinyin_tables import toneless

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PINYIN_TABLES = os.path.join(REPO, "index", "pinyin_tables.cpp")
FIRST_IDEOGRAPH = 0x4E00
LAST_IDEOGRAPH = 0x9FA5
IDEOGRAPH_COUNT = LAST_IDEOGRAPH - FIRST_IDEOGRAPH + 1
ROW_COUNT = 410
FIRST_SYLLABLE_ROW, LAST_SYLLABLE_ROW = 1, 407

# name, version, npm's sha512 integrity of the tarball, file read from it.
PINYIN_PRO = ("pinyin-pro", "3.29.4",
              "SPXpDT2cHEy+d26V1RXYMlVzXN42hotFAak1fzyWPi4o2dKXb61UqD4pzxDJHwk6gbv8vQ6EfErd+hYX0Qhzug==",
              "package/dist/esm/data/surname.mjs")
PINYIN = ("pinyin", "4.0.0",
          "vHpV5K+vpp6XUUpZNGRDuHoN+1xcmieM3EWlH4QjSX2kkpG/gVOwpqwV9EOJ9x9c9UERFKeLml5XVSukE/PLgQ==",
          "package/lib/esm/pinyin.js")
CC_CEDICT = ("cc-cedict", "1.1.1",
             "GNlNYzd2YtYN3WmC0SUwZsiZs++IS3G1jogodeD8cxiiUfq3mmU8bUn3BAhSsPmVlOlL0loRI7Gin92V+/uM9g==",
             "package/data/all.js")
PACKAGES = (PINYIN_PRO, PINYIN, CC_CEDICT)


class SourceMissing(Exception):
    pass


# --- fetching -------------------------------------------------------------

def default_cache():
    base = os.environ.get("XDG_CACHE_HOME") or os.path.join(
        os.path.expanduser("~"), ".cache")
    return os.path.join(base, "vostarel", "npm")


def integrity_of(path):
    with open(path, "rb") as f:
        digest = hashlib.sha512(f.read()).digest()
    return base64.b64encode(digest).decode("ascii")


def fetch(package, cache):
    """The text of the package's one file we read, from its pinned tarball."""
    name, version, integrity, member = package
    tarball = os.path.join(cache, "%s-%s.tgz" % (name, version))
    if not os.path.exists(tarball):
        os.makedirs(cache, exist_ok=True)
        try:
            subprocess.run(["npm", "pack", "--silent", "--pack-destination", cache,
                            "%s@%s" % (name, version)],
                           check=True, stdout=subprocess.DEVNULL)
        except (OSError, subprocess.CalledProcessError) as error:
            raise SourceMissing("npm pack %s@%s: %s" % (name, version, error))
        if not os.path.exists(tarball):
            raise SourceMissing("npm pack %s@%s wrote no %s" % (name, version, tarball))
    actual = integrity_of(tarball)
    if actual != integrity:
        raise ValueError("%s has checksum sha512-%s, expected sha512-%s (delete it to"
                         " fetch it again)" % (tarball, actual, integrity))
    with tarfile.open(tarball, "r:gz") as archive:
        text = archive.extractfile(member).read().decode("utf-8")
    return text.replace("\r\n", "\n")


# --- reading the sources --------------------------------------------------

def object_literal(text, opening, where):
    """The lines between `opening` (ending in "{") and the next line "};"."""
    start = text.find(opening)
    if start < 0:
        raise ValueError("%s: no %r" % (where, opening))
    body_start = text.index("\n", start) + 1
    body_end = text.find("\n};", body_start)
    if body_end < 0:
        raise ValueError("%s: %r is not closed" % (where, opening))
    return [line for line in text[body_start:body_end].split("\n")
            if line.strip() and not line.strip().startswith("//")]


def parse_pinyin_pro(text):
    """{surname: [tone-marked reading of each ideograph]}."""
    lines = object_literal(text, "const Surnames = {", "pinyin-pro")
    entry = re.compile(r"^\s+(\S+): '([^']+)',$")
    out = {}
    for line in lines:
        match = entry.match(line)
        if not match:
            raise ValueError("pinyin-pro: unexpected line %r" % line)
        out[match.group(1)] = match.group(2).split()
    return out


def parse_pinyin(text):
    out = {}
    for opening in ("var SurnamePinyinData = {", "var CompoundSurnamePinyinData = {"):
        lines = object_literal(text, opening, "pinyin")
        entry = re.compile(r'^\s+"(\S+)": (\[.*\]),$')
        for line in lines:
            match = entry.match(line)
            if not match:
                raise ValueError("pinyin: unexpected line %r" % line)
            # One list of readings per ideograph; the first is the surname's.
            out[match.group(1)] = [readings[0] for readings in json.loads(match.group(2))]
    return out


def parse_cc_cedict(text):
    """Entries (traditional, simplified, numbered pinyin, [definitions])."""
    data = json.loads(text[text.index("{"):])
    entries = []
    for entry in data["all"]:
        traditional, simplified, pinyin, definitions = entry[:4]
        if isinstance(definitions, str):
            definitions = [definitions]
        entries.append((traditional, simplified, pinyin, definitions))
    return entries


def read_pinyin_tables(path):
    """(syllable rows of table 0, reading row of each ideograph)."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    table0 = text.split("// Table 1", 1)[0]
    rows = [row for row, _ in re.findall(r'u"([^"]*)",\s*// (\d+)', table0)]
    body = text.split("IdeographIndex[kIdeographCount] = {", 1)[1].split("};", 1)[0]
    index = [int(v) for v in re.sub(r"/\*.*?\*/", "", body).replace(",", " ").split()]
    if len(rows) != ROW_COUNT or len(index) != IDEOGRAPH_COUNT:
        raise ValueError("%s: read %d rows and %d index entries" % (path, len(rows), len(index)))
    return rows, index


# --- choosing -------------------------------------------------------------

def cedict_syllables(pinyin):
    return [re.sub(r"[1-5]$", "", s.lower()).replace("u:", "v") for s in pinyin.split()]


def surname_syllables(surname, readings, where):
    if len(readings) != len(surname):
        raise ValueError("%s: %s has %d readings" % (where, surname, len(readings)))
    out = []
    for reading in readings:
        syllable = toneless(reading)
        if syllable is None:
            raise ValueError("%s: %s reading %r is not pinyin" % (where, surname, reading))
        out.append(syllable)
    return out


def is_ideograph(ch):
    return FIRST_IDEOGRAPH <= ord(ch) <= LAST_IDEOGRAPH


def traditional_forms(surnames, entries):
    """{traditional form: simplified surname} from CC-CEDICT (see above)."""
    forms_of = {}          # traditional -> simplified surnames it writes
    for traditional, simplified, pinyin, definitions in entries:
        if (len(traditional) == 1 and pinyin[:1].isupper()
                and any("surname" in d for d in definitions)):
            forms_of.setdefault(traditional, set()).add(simplified)
    out = {}
    for traditional, simplified, pinyin, definitions in entries:
        if simplified not in surnames or traditional == simplified:
            continue
        if traditional in surnames or cedict_syllables(pinyin) != surnames[simplified]:
            continue
        if len(simplified) == 1:
            if traditional not in forms_of or forms_of[traditional] != {simplified}:
                continue
        out[traditional] = simplified
    return out


def choose(pro, other, entries, rows, index):
    """The surnames to write, sorted: [(surname, [row, ...], [syllable, ...],
    [the table's syllable, ...])]."""
    row_of = {syllable: number for number, syllable in enumerate(rows)
              if FIRST_SYLLABLE_ROW <= number <= LAST_SYLLABLE_ROW}
    surnames = {}
    for where, source in (("pinyin-pro", pro), ("pinyin", other)):
        for surname, readings in source.items():
            if surname in surnames:
                continue
            if len(surname) not in (1, 2) or not all(is_ideograph(c) for c in surname):
                raise ValueError("%s: %r is not one or two ideographs of the table"
                                 % (where, surname))
            surnames[surname] = surname_syllables(surname, readings, where)
    for traditional, simplified in traditional_forms(surnames, entries).items():
        surnames[traditional] = surnames[simplified]

    def table_reading(surname):
        return [rows[index[ord(c) - FIRST_IDEOGRAPH]] for c in surname]

    for surname, syllables in surnames.items():
        unknown = [s for s in syllables if s not in row_of]
        if unknown:
            raise ValueError("%s reads %s, which is not a syllable of table 0"
                             % (surname, " ".join(unknown)))
    singles = {s for s, syllables in surnames.items()
               if len(s) == 1 and syllables != table_reading(s)}
    kept = []
    for surname in sorted(surnames):
        syllables = surnames[surname]
        differs = syllables != table_reading(surname)
        if surname in singles or (len(surname) == 2 and (differs or surname[0] in singles)):
            kept.append((surname, [row_of[s] for s in syllables], syllables,
                         table_reading(surname)))
    return kept


# --- writing --------------------------------------------------------------

def render(kept, sources):
    singles = [k for k in kept if len(k[0]) == 1]
    compounds = [k for k in kept if len(k[0]) == 2]
    out = [
        "// Generated by tools/gen_surname_readings.py from the surname dictionaries",
        "// of %s and the traditional forms of %s" % (", ".join(sources[:-1]), sources[-1]),
        "// (npm packages), against the readings of pinyin_tables.cpp. Do not edit by",
        "// hand: change the generator and run it again.",
        "",
        '#include "surname_readings.h"',
        "",
        "namespace vostarel {",
        "",
        "namespace {",
        "",
        "// Sorted by ideograph.",
        "constexpr SingleSurname kSingleSurnames[] = {",
    ]
    for surname, row_numbers, syllables, table in singles:
        out.append("    {u'\\u%04X', %3d},  // %s %s (table: %s)"
                   % (ord(surname), row_numbers[0], surname, syllables[0], table[0]))
    out += [
        "};",
        "",
        "// Sorted by first ideograph, then second.",
        "constexpr CompoundSurname kCompoundSurnames[] = {",
    ]
    for surname, row_numbers, syllables, table in compounds:
        out.append("    {u'\\u%04X', u'\\u%04X', {%3d, %3d}},  // %s %s (table: %s)"
                   % (ord(surname[0]), ord(surname[1]), row_numbers[0], row_numbers[1],
                      surname, " ".join(syllables), " ".join(table)))
    out += [
        "};",
        "",
        "}  // namespace",
        "",
        "const std::span<const SingleSurname> SingleSurnames(kSingleSurnames);",
        "const std::span<const CompoundSurname> CompoundSurnames(kCompoundSurnames);",
        "",
        "}  // namespace vostarel",
        "",
    ]
    return "\n".join(out), len(singles), len(compounds)


def report(kept, pro, other, entries):
    cedict = {}
    for traditional, simplified, pinyin, definitions in entries:
        if any("surname" in d for d in definitions):
            for form in (traditional, simplified):
                cedict.setdefault(form, set()).add(" ".join(cedict_syllables(pinyin)))
    confirmed, other_reading, absent = [], [], []
    for surname, _, syllables, _ in kept:
        reading = " ".join(syllables)
        readings = cedict.get(surname, set())
        if reading in readings:
            confirmed.append(surname)
        elif readings:
            other_reading.append("%s %s (CC-CEDICT: %s)" % (surname, reading,
                                                           ", ".join(sorted(readings))))
        else:
            absent.append("%s %s" % (surname, reading))
    print("%d surnames kept; CC-CEDICT names the same reading as a surname for %d"
          % (len(kept), len(confirmed)), file=sys.stderr)
    print("  another reading only: %s" % ("; ".join(other_reading) or "none"), file=sys.stderr)
    print("  no surname entry: %s" % ("; ".join(absent) or "none"), file=sys.stderr)
    disagree = ["%s %s (pinyin: %s)" % (s, " ".join(toneless(r) for r in pro[s]),
                                         " ".join(toneless(r) for r in other[s]))
                for s in sorted(pro) if s in other
                and [toneless(r) for r in pro[s]] != [toneless(r) for r in other[s]]]
    print("  pinyin-pro and pinyin disagree on: %s" % ("; ".join(disagree) or "none"),
          file=sys.stderr)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n", 1)[0])
    group = parser.add_mutually_exclusive_group()
    group.add_argument("-o", "--output",
                       default=os.path.join(REPO, "index", "surname_readings.cpp"),
                       help="file to write (default: index/surname_readings.cpp)")
    group.add_argument("--check", metavar="FILE",
                       help="compare FILE with the regenerated table instead")
    parser.add_argument("--cache", default=default_cache(),
                        help="folder for the npm tarballs (default: %(default)s)")
    parser.add_argument("--report", action="store_true",
                        help="print the cross-check with CC-CEDICT to stderr")
    args = parser.parse_args(argv)

    try:
        texts = [fetch(package, args.cache) for package in PACKAGES]
        pro = parse_pinyin_pro(texts[0])
        other = parse_pinyin(texts[1])
        entries = parse_cc_cedict(texts[2])
        rows, index = read_pinyin_tables(PINYIN_TABLES)
        kept = choose(pro, other, entries, rows, index)
    except SourceMissing as missing:
        print("surname sources not available: %s" % missing, file=sys.stderr)
        return generated_source.EXIT_SKIP if args.check else 2
    except ValueError as error:
        print("cannot build the surname table: %s" % error, file=sys.stderr)
        return 1
    sources = ["%s %s" % (name, version) for name, version, _, _ in PACKAGES]
    text, singles, compounds = render(kept, sources)
    if args.report:
        report(kept, pro, other, entries)
    if args.check:
        return generated_source.check(
            text, args.check, "run tools/gen_surname_readings.py to regenerate it")
    generated_source.write(text, args.output)
    print("%s: %d single and %d compound surnames" % (args.output, singles, compounds),
          file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
