#!/usr/bin/env bash
# vostarel-spell prints "full<TAB>initials" per name, spells like the library
# (name cut to the display-name field), reads a dictionary file as the library
# does, and fails with status 2 and one line on bad input.
set -u
spell=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() {  # expect DESCRIPTION EXPECTED_OUTPUT COMMAND...
  local what=$1 want=$2
  shift 2
  local got
  got=$("$@" 2>/dev/null)
  if [ "$got" != "$want" ]; then
    printf 'FAIL %s\n  want: %q\n  got:  %q\n' "$what" "$want" "$got"
    failures=$((failures + 1))
  fi
}

expect_status() {  # expect_status DESCRIPTION STATUS COMMAND...
  local what=$1 want=$2
  shift 2
  local err
  err=$("$@" 2>&1 >/dev/null)
  local got=$?
  if [ "$got" != "$want" ] || [ "$(printf '%s\n' "$err" | wc -l)" != 1 ]; then
    printf 'FAIL %s: status %s (want %s), message %q\n' "$what" "$got" "$want" "$err"
    failures=$((failures + 1))
  fi
}

expect "names" $'wangxiaoming\twxming\njohnsmith\tjs\nbob2\tb' \
  "$spell" "王小明" "John Smith" "Bob2"
expect "Wade-Giles table" $'changsan\tcsan' "$spell" --table 1 "张三"
expect "passport pinyin table" $'lyu\tlyu' "$spell" --table 2 "吕"
# 40 letters: the display name keeps 31 of them.
expect "name cut to the display-name field" "$(printf 'a%.0s' {1..31})"$'\t'"a" \
  "$spell" "$(printf 'a%.0s' {1..40})"

# UTF-16LE with a byte-order mark: "kim<TAB>김<CR><LF>".
printf '\xff\xfek\x00i\x00m\x00\t\x00\x40\xae\r\x00\n\x00' > "$work/dict.txt"
# The alternates follow: the consonant keys, the initials and the full name
# with their choices; the dictionary's spelling comes first in a choice.
expect "dictionary" $'kimlee\tkl\tkeypad 4lee\tinitials {k|g}l\tname {kim|gim}lee' \
  "$spell" --dict "$work/dict.txt" "김 Lee"
expect "no dictionary" $'lee\tl\tkeypad 4lee\tinitials {k|g}l\tname {kim|gim}lee' "$spell" "김 Lee"
expect "a surname's own reading, Naratgeul keys, no keypad" \
  $'danxuemei\tdxmei\tinitials {d|s}xmei\tname {dan|shan}xuemei\n\t\tkeypad 1\tinitials {kim|gim}\tname {kim|gim}\n\t\tinitials {kim|gim}\tname {kim|gim}' \
  bash -c '"$0" --keypad naratgeul 单雪梅 김 && "$0" --keypad off 김' "$spell"
expect_status "unknown keypad" 2 "$spell" --keypad qwerty x

expect_status "unreadable dictionary" 2 "$spell" --dict "$work/missing.txt" x
expect_status "bad table" 2 "$spell" --table 3 x
expect_status "unknown option" 2 "$spell" --frobnicate x
expect_status "no names" 2 "$spell"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all vostarel-spell checks passed"
