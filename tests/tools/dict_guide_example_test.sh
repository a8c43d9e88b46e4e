#!/usr/bin/env bash
# The install guide's own example of keeping one's dictionary lines, with the
# Korean file name it shows, run as a user runs it: the command line taken
# from the guide's Korean part, typed into the Windows command prompt (Wine's
# cmd) in a folder laid out as the release is (tools\vostarel-dict.exe), with
# the user's file saved as UTF-8 as PC editors save it.
#
#   dict_guide_example_test.sh INSTALL.txt VOSTAREL_DICT.exe RUNNER [ARGS...]
set -u
guide=$1
exe=$2
shift 2
runner=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { printf 'FAIL %s\n' "$*"; failures=$((failures + 1)); }

# Wine hands the command line and file names between Linux and Windows
# through the locale's character set: make it UTF-8 whatever the caller's.
export LC_ALL=C.UTF-8

command=$(sed -n '/^\[한국어\]/,/^\[English\]/p' "$guide" | grep -m1 'vostarel-dict\.exe .*--prepend')
command=$(sed 's/^ *//' <<<"$command")
mine=$(sed -E 's/.*--prepend ([^ ]+).*/\1/' <<<"$command")
output=$(sed -E 's/.*-o ([^ ]+).*/\1/' <<<"$command")
if [[ $mine != *[가-힣]* || -z $output ]]; then
  echo "FAIL the guide's Korean example with a Korean file name was not found: '$command'"
  exit 1
fi

mkdir "$work/tools"
cp "$exe" "$work/tools/vostarel-dict.exe"
printf 'lee\t이\npark\t박\n' > "$work/$mine"

run() {  # run COMMAND-LINE: through cmd in $work; prints stdout and stderr
  (cd "$work" && "${runner[@]}" cmd /c "$1" 2>&1)
}

got=$(run "$command")
status=$?
[[ $status == 0 ]] || fail "'$command' exited $status: $got"
if [[ -f "$work/$output" ]]; then
  head -c 2 "$work/$output" | cmp -s - <(printf '\xff\xfe') || fail "$output has no UTF-16LE mark"
  # The user's lines come first, then the generated ones (가 is "ga").
  lines=$(tail -c +3 "$work/$output" | iconv -f UTF-16LE -t UTF-8 | head -n 3 | tr -d '\r')
  [[ $lines == $'lee\t이\npark\t박\nga\t가' ]] || fail "$output begins with: $(printf %q "$lines")"
else
  fail "'$command' wrote no $output"
fi

# A Korean name the program cannot read is named as it was typed.
missing="${command/$mine/없는$mine}"
got=$(run "$missing")
status=$?
got=${got%$'\r'}  # the C runtime ends a line with CR LF
[[ $status == 2 && $got == "vostarel-dict: cannot read '없는$mine'" ]] ||
  fail "'$missing' exited $status with: $(printf %q "$got")"

[[ $failures -eq 0 ]] || { echo "$failures check(s) failed"; exit 1; }
echo "the guide's example ran: $command"
