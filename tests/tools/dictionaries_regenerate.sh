#!/usr/bin/env bash
# The committed Hangul dictionaries are exactly what vostarel-dict writes.
set -u
dict=$1
folder=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for scheme in rr cheonjiin naratgeul; do
  "$dict" --scheme "$scheme" -o "$work/$scheme.txt" || { echo "vostarel-dict failed for $scheme"; status=1; continue; }
  if ! cmp "$work/$scheme.txt" "$folder/hangul-$scheme.txt"; then
    echo "$folder/hangul-$scheme.txt differs; regenerate it with:"
    echo "  vostarel-dict --scheme $scheme -o $folder/hangul-$scheme.txt"
    status=1
  fi
done
exit $status
