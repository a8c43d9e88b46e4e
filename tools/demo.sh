#!/usr/bin/env bash
# The demo: the stand-in phone with Vostarel registered as its dial-pad
# extension and a sample device (Korean, Chinese and English contacts, a SIM,
# a call log), with the Hangul dictionary the build puts beside the library.
#
#   tools/demo.sh              a window for a person when a display exists,
#                              otherwise the headless run below
#   tools/demo.sh --headless   types sample key sequences under Xvfb, prints
#                              each list state and saves a screenshot of each
#                              (the last one with the Cheonjiin dictionary in
#                              place), then one of each settings page
#   tools/demo.sh --32 [--headless]
#                              the same with the 32-bit build (windows32)
#                              under the 32-bit Wine
#
# Installs what is missing, builds the Windows preset (windows, or windows32
# with --32), and keeps everything it makes under build/demo/ (build/demo32/
# with --32): its own Wine prefix, a copy of the binaries, the device
# folder, the screenshots.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)

headless=0
preset=windows
arch=win64
demo=$root/build/demo
for argument in "$@"; do
  case "$argument" in
    --headless) headless=1 ;;
    --32) preset=windows32 arch=win32 demo=$root/build/demo32 ;;
    *) echo "usage: tools/demo.sh [--32] [--headless]" >&2; exit 2 ;;
  esac
done
[[ -z "${DISPLAY:-}" ]] && headless=1

tools/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"

rm -rf "$demo/bin" "$demo/device" "$demo/shots"
mkdir -p "$demo/bin" "$demo/device" "$demo/shots"
# The user dictionary lies beside the library, named like it: the build's
# Revised Romanization dictionary; the others wait in dictionaries/.
cp -r "build/$preset"/bin/*.dll "build/$preset/bin/cprog.exe" "build/$preset/bin/Vostarel.txt" \
  "build/$preset/bin/dictionaries" "$demo/bin/"
cp tools/demo/device/* "$demo/device/"

prefix=$demo/wineprefix
wine() { "$root/cmake/wine-run.sh" --prefix "$prefix" --arch "$arch" "$@"; }
windows_path() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }

# Version 5.2 for the phone and for regsvr32, so registration writes the row
# the phone reads; no window manager needed for the phone's windows.
for program in cprog.exe regsvr32.exe; do
  wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$program" /v Version /d win2003 /f >/dev/null
done
wine reg add 'HKCU\Software\Wine\AppDefaults\cprog.exe\X11 Driver' /v Managed /d N /f >/dev/null
wine regsvr32 /s "$(windows_path "$demo/bin/pimstore.dll")"
wine regsvr32 /s "$(windows_path "$demo/bin/Vostarel.dll")"
export DEVICE_DATA_DIR
DEVICE_DATA_DIR=$(windows_path "$demo/device")
# The set-up above ran without a display; Wine's desktop process from then
# must end before the phone starts, or the phone gets no display driver.
WINEPREFIX=$prefix /usr/lib/wine/wineserver -w

if [[ $headless == 0 ]]; then
  echo "demo: the phone is open; type digits on the keypad (close the window to end)"
  exec "$root/cmake/wine-run.sh" --prefix "$prefix" --arch "$arch" "$demo/bin/cprog.exe"
fi

displayfile=$demo/xvfb.display
Xvfb -displayfd 3 -screen 0 560x760x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [[ -s "$displayfile" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$displayfile")"

# Each run types one sequence, stays up long enough for the screenshot, then
# prints what is on screen: the number, the list and its rows, the soft key.
# 926: 王小明 and others by pinyin; 44664654: 김민지 by its romanized name
# (gimminji); 597: 정예린 by its romanized initials (j-y-rin); 546: 김민준 and
# the other Kims by "kim", as they write it; 409: 김민준 by the Cheonjiin keys
# of its initial consonants (ㄱ 4, ㅁ 0, ㅈ 9); 7426: 单雪梅 by "shan", her
# surname's reading; 0102345: the contact kept as +82 10-2345-6789 by the
# number as it is dialled in Korea.
sequences=("926" "44664654" "597" "546" "409" "7426" "0102345" "010" "#" "26{DOWN}{DOWN}"
           "2{SOFTKEY}")
n=0
for keys in "${sequences[@]}"; do
  n=$((n + 1))
  shot=$(printf '%s/shots/%02d.png' "$demo" "$n")
  dictionary=rr
  if [[ $keys == *:* ]]; then dictionary=${keys%%:*}; keys=${keys#*:}; fi
  cp "$demo/bin/dictionaries/hangul-$dictionary.txt" "$demo/bin/Vostarel.txt"
  wine "$demo/bin/cprog.exe" --keys "$keys" --print --exit-after 7000 >"${shot%.png}.txt" 2>&1 &
  phone=$!
  sleep 5
  import -window root "$shot"
  wait "$phone" || true
  printf '\n== keys %s, %s dictionary (screenshot %s)\n' "$keys" "$dictionary" "$shot"
  cat "${shot%.png}.txt"
done
cp "$demo/bin/dictionaries/hangul-rr.txt" "$demo/bin/Vostarel.txt"

# The highlighted list on a 480 x 640 phone at 192 dpi (cprog reads the
# resolution when it starts): 김민준 and the other Kims by "kim", 王小明 by
# its pinyin initials (w-x-m), the +82 contact by its national number.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
for keys in 546 996 0102345; do
  shot=$demo/shots/large-$keys.png
  wine "$demo/bin/cprog.exe" --keys "{RESIZE:480,640}$keys" --print --exit-after 9000 \
    >"${shot%.png}.txt" 2>&1 &
  phone=$!
  sleep 7
  import -window root "$shot"
  wait "$phone" || true
  printf '\n== keys %s at 480 x 640, 192 dpi (screenshot %s)\n' "$keys" "$shot"
  cat "${shot%.png}.txt"
done
wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null

# The settings sheet, one page per run, opened from the overlay menu (a
# tap-and-hold on the number field); the Spelling-table page has no menu
# item of its own and is reached by a tap on its tab.
pages=(general position spelling commands about)
page_keys=("{PICK:20103}{HOLD}" "{PICK:20104}{HOLD}" "{PICK:20103}{SHEETTAB:2}{HOLD}"
           "{PICK:20105}{HOLD}" "{PICK:20106}{HOLD}")
for i in "${!pages[@]}"; do
  shot=$(printf '%s/shots/settings-%d-%s.png' "$demo" "$((i + 1))" "${pages[$i]}")
  wine "$demo/bin/cprog.exe" --keys "${page_keys[$i]}" --exit-after 7000 >/dev/null 2>&1 &
  phone=$!
  sleep 5
  import -window root "$shot"
  wait "$phone" || true
  printf '\n== settings page %s (screenshot %s)\n' "${pages[$i]}" "$shot"
done
echo
echo "demo: screenshots and printed states are in $demo/shots"
