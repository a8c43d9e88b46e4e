# What the command-line tools' tests share (sourced): counting failed checks
# and comparing what a command prints with what it should. Set
# EXPECT_STDERR=1 before sourcing to compare standard error too.
failures=0
fail() { printf 'FAIL %s\n' "$*"; failures=$((failures + 1)); }

expect() {  # expect DESCRIPTION EXPECTED COMMAND...
  local what=$1 want=$2
  shift 2
  local got
  if [ -n "${EXPECT_STDERR:-}" ]; then got=$("$@" 2>&1); else got=$("$@" 2>/dev/null); fi
  [ "$got" == "$want" ] || fail "$what"$'\n  want: '"$(printf %q "$want")"$'\n  got:  '"$(printf %q "$got")"
}

# expect_status DESCRIPTION STATUS COMMAND...: the command ends with STATUS
# and writes exactly one line on standard error.
expect_status() {
  local what=$1 want=$2
  shift 2
  local err got
  err=$("$@" 2>&1 >/dev/null)
  got=$?
  [ "$got" == "$want" ] && [ "$(printf '%s\n' "$err" | wc -l)" == 1 ] ||
    fail "$what: status $got (want $want), message $(printf %q "$err")"
}

# The closing line: how many checks failed, or that all of NAME's passed.
finish() {  # finish NAME
  [ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
  echo "all $1 checks passed"
}
