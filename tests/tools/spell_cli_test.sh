#!/usr/bin/env bash
# vostarel-spell prints "full<TAB>initials" per name, spells like the library
# (name cut to the display-name field), reads a dictionary file as the library
# does, and fails with status 2 and one line on bad input.
set -u
spell=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/cli_checks.sh"

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

finish vostarel-spell
