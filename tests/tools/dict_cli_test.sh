#!/usr/bin/env bash
# vostarel-dict writes the dictionary of a scheme, puts a user's own lines
# first so they win, and on bad input exits 2 with one line and leaves the
# output as it was.
set -u
dict=$1
spell=$2
# The spelled forms only: vostarel-spell prints the alternate spellings after them.
spelled() { "$spell" "$@" | cut -f1,2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
EXPECT_STDERR=1
. "$(dirname "$0")/cli_checks.sh"

"$dict" -o "$work/rr.txt" || fail "default scheme"
head -c 2 "$work/rr.txt" | cmp -s - <(printf '\xff\xfe') || fail "no byte-order mark"
expect "rr spells names" $'gimminji\tgmji\nchoejeong\tcjeong' spelled --dict "$work/rr.txt" 김민지 최정
"$dict" --scheme cheonjiin -o "$work/cj.txt" || fail "cheonjiin"
expect "cheonjiin keys" $'409\t409' spelled --dict "$work/cj.txt" 김민지
"$dict" --scheme naratgeul -o "$work/ng.txt" || fail "naratgeul"
expect "naratgeul keys" $'157\t157' spelled --dict "$work/ng.txt" 김민지

# The user's lines win; a last line without a line end does not run into the
# first generated line (가 stays "ga").
printf 'lee\t\xec\x9d\xb4\r\npark\t\xeb\xb0\x95' > "$work/mine-utf8.txt"
"$dict" --prepend "$work/mine-utf8.txt" -o "$work/both.txt" || fail "prepend UTF-8"
expect "user spellings first" $'leepark\tlpark\nga\tga' spelled --dict "$work/both.txt" 이박 가
iconv -f UTF-8 -t UTF-16LE "$work/mine-utf8.txt" > "$work/mine-utf16.txt"
"$dict" --scheme cheonjiin --prepend "$work/mine-utf16.txt" -o "$work/both16.txt" || fail "prepend UTF-16"
expect "user spellings first, UTF-16 without mark" $'lee0\tl0' spelled --dict "$work/both16.txt" 이마

expect_failure() {  # expect_failure DESCRIPTION COMMAND...
  local what=$1
  shift
  printf 'old' > "$work/out.txt"
  local err status
  err=$("$@" 2>&1 >/dev/null)
  status=$?
  [ "$status" == 2 ] && [ "$(printf '%s\n' "$err" | wc -l)" == 1 ] ||
    fail "$what: status $status, message $(printf %q "$err")"
  [ "$(cat "$work/out.txt")" == old ] || fail "$what: output changed"
}
printf 'lee\t\xec\x9d\n' > "$work/broken.txt"
expect_failure "unknown scheme" "$dict" --scheme hanja -o "$work/out.txt"
expect_failure "unknown option" "$dict" --bogus -o "$work/out.txt"
expect_failure "no output" "$dict" --scheme rr
expect_failure "missing value" "$dict" -o
expect_failure "unreadable prepend" "$dict" --prepend "$work/none.txt" -o "$work/out.txt"
expect_failure "undecodable prepend" "$dict" --prepend "$work/broken.txt" -o "$work/out.txt"
expect_failure "unwritable output" "$dict" -o "$work/no/such/folder/out.txt"
[ -z "$(find "$work" -name 'out.txt.*')" ] || fail "temporary files left behind"

finish vostarel-dict
