"""Comparing a committed generated source with what its generator makes now,
for the table generators' --check option."""

import difflib
import sys


def check(expected_text, path, generator):
    """Returns 0 when `path` holds exactly `expected_text`, else prints a
    short diff naming `generator` (the script that regenerates it) and
    returns 1."""
    try:
        with open(path, encoding="utf-8") as f:
            actual = f.read()
    except OSError as error:
        print("cannot read %s: %s" % (path, error), file=sys.stderr)
        return 1
    if actual == expected_text:
        return 0
    diff = list(difflib.unified_diff(
        actual.splitlines(), expected_text.splitlines(),
        fromfile=path, tofile="regenerated", lineterm="", n=0))
    changed = sum(1 for line in diff
                  if line[:1] in "+-" and not line.startswith(("+++", "---")))
    print("%s differs from the regenerated tables (%d changed lines):"
          % (path, changed), file=sys.stderr)
    limit = 20
    for line in diff[:limit]:
        print("  " + line, file=sys.stderr)
    if len(diff) > limit:
        print("  ... %d more diff lines" % (len(diff) - limit), file=sys.stderr)
    print("run %s to regenerate it" % generator, file=sys.stderr)
    return 1
