"""Shared by the table generators: compare a regenerated source with the
committed file, or write it."""

import difflib
import sys

# A check that cannot get at its source data exits with this, so that ctest
# reports it as skipped rather than passed or failed.
EXIT_SKIP = 77


def check(expected_text, path, regenerate_hint):
    """0 when the file at `path` holds exactly `expected_text`; otherwise
    print a short diff and `regenerate_hint` to stderr and return 1."""
    try:
        with open(path, encoding="utf-8", newline="") as f:
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
    print("%s differs from the regenerated source (%d changed lines):"
          % (path, changed), file=sys.stderr)
    limit = 20
    for line in diff[:limit]:
        print("  " + line, file=sys.stderr)
    if len(diff) > limit:
        print("  ... %d more diff lines" % (len(diff) - limit), file=sys.stderr)
    if not diff:
        print("  (the texts differ only in line endings)", file=sys.stderr)
    print(regenerate_hint, file=sys.stderr)
    return 1


def write(text, path):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
