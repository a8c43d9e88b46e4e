#!/usr/bin/env bash
# The committed Hangul dictionaries are exactly what vostarel-dict writes.
#
#   dictionaries_regenerate.sh FOLDER [--windows-paths] VOSTAREL_DICT [RUNNER ARGS...]
#
# With --windows-paths the program is a Windows build run through a runner
# (Wine), so the output path it is given names the same file as Z:...
set -u
folder=$1
shift
windows_paths=0
if [[ ${1:-} == --windows-paths ]]; then windows_paths=1; shift; fi
dict=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for scheme in rr cheonjiin naratgeul; do
  out="$work/$scheme.txt"
  [[ $windows_paths == 1 ]] && out="Z:$out"
  # Written twice: the second run replaces the file the first one left.
  for run in 1 2; do
    "${dict[@]}" --scheme "$scheme" -o "$out" || { echo "vostarel-dict failed for $scheme (run $run)"; status=1; }
  done
  if ! cmp "$work/$scheme.txt" "$folder/hangul-$scheme.txt"; then
    echo "$folder/hangul-$scheme.txt differs; regenerate it with:"
    echo "  vostarel-dict --scheme $scheme -o $folder/hangul-$scheme.txt"
    status=1
  fi
done
leftovers=$(find "$work" -type f ! -name '*.txt' | wc -l)
if [[ $leftovers -ne 0 ]]; then
  echo "temporary files left behind:"; ls -la "$work"; status=1
fi
exit $status
