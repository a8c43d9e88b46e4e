#!/usr/bin/env bash
# The soak: the stand-in phone with Vostarel in use for a while, with or
# without the platform failing under it, checked after every action.
#
#   tools/soak.sh [--minutes N] [--contacts N] [--seed S] [--faults RATE] [--work DIR]
#
# Builds nothing: it needs the windows preset's build (build/windows/bin) and
# vostarel-search from the native preset's (build/native/tools). It makes a
# device from the seed (default 5,000 contacts with 1-4 numbers, a 250-slot
# SIM with 200 used, a 500-record call log; Latin, Chinese and Korean names),
# registers the address book and Vostarel.dll in a Wine prefix of its own,
# starts cprog.exe --input on an Xvfb display of its own and plays a random
# sequence of user actions drawn from the seed for N minutes (default 60).
# With --faults RATE, that many per mille of the stand-ins' platform calls
# fail (VOSTAREL_FAULTS=SEED:RATE). See the README for what is checked.
#
# Everything it makes stays in DIR (default build/soak/fRATE-sS): the
# device, copies of the call log, the Wine prefix, soak.log with every
# mismatch and crash, cprog.stderr. The last line it prints is
#   soak: A actions, F faults injected, M mismatches, C crashes, L leaked, private KiB X -> Y
# and it exits 0 only when M, C and L are 0 and the memory grew less than 1 MiB.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 2
root=$(pwd)

minutes=60
contacts=5000
seed=1
faults=0
work=""
usage() { echo "usage: tools/soak.sh [--minutes N] [--contacts N] [--seed S] [--faults RATE] [--work DIR]" >&2; exit 2; }
while [[ $# -gt 0 ]]; do
  [[ $# -ge 2 ]] || usage
  case "$1" in
    --minutes) minutes=$2 ;;
    --contacts) contacts=$2 ;;
    --seed) seed=$2 ;;
    --faults) faults=$2 ;;
    --work) work=$2 ;;
    *) usage ;;
  esac
  shift 2
done
for value in "$contacts" "$seed" "$faults"; do
  [[ "$value" =~ ^[0-9]+$ ]] || usage
done
[[ "$minutes" =~ ^[0-9]+([.][0-9]+)?$ ]] || usage
work=${work:-$root/build/soak/f$faults-s$seed}
mkdir -p "$work"
work=$(cd "$work" && pwd)

bin=$root/build/windows/bin
search=$root/build/native/tools/vostarel-search
for needed in "$bin/cprog.exe" "$bin/Vostarel.dll" "$bin/pimstore.dll" "$bin/cellcore.dll" \
              "$bin/phone.dll" "$bin/aygshell.dll" "$search"; do
  if [[ ! -e "$needed" ]]; then
    echo "soak.sh: $needed is missing: build the windows and native presets first" >&2
    exit 2
  fi
done

wine_run=$root/cmake/wine-run.sh
prefix=$work/wineprefix
wine_loader=${VOSTAREL_WINE:-/usr/lib/wine/wine64}
wineserver=$(dirname "$wine_loader")/wineserver
[[ -x "$wineserver" ]] || wineserver=$(command -v wineserver)
windows_path() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }

# The prefix, set up without a display: version 5.2 for the phone and for
# regsvr32 (registration writes the row the phone reads), the phone's windows
# unmanaged (no window manager here), default settings, the address book and
# the extension registered from the build.
(
  unset DISPLAY
  wine() { "$wine_run" --prefix "$prefix" "$@" </dev/null >/dev/null 2>&1; }
  for program in cprog.exe regsvr32.exe; do
    wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$program" /v Version /d win2003 /f
  done
  wine reg add 'HKCU\Software\Wine\AppDefaults\cprog.exe\X11 Driver' /v Managed /d N /f
  wine reg delete 'HKCU\Software\Vostarel' /f
  wine regsvr32 /s "$(windows_path "$bin/pimstore.dll")"
  wine regsvr32 /s "$(windows_path "$bin/Vostarel.dll")"
  WINEPREFIX=$prefix "$wineserver" -w
)

displayfile=$work/xvfb.display
rm -f "$displayfile"
Xvfb -displayfd 3 -screen 0 800x800x24 -nolisten tcp 3>"$displayfile" >"$work/xvfb.log" 2>&1 &
xvfb=$!
stop() {
  WINEPREFIX=$prefix timeout 30 "$wineserver" -w || WINEPREFIX=$prefix "$wineserver" -k
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
}
trap stop EXIT
for _ in $(seq 100); do [[ -s "$displayfile" ]] && break; sleep 0.1; done
if [[ ! -s "$displayfile" ]]; then
  echo "soak.sh: Xvfb did not start" >&2
  exit 2
fi
export DISPLAY=":$(head -n1 "$displayfile")"

# The phone's private memory is measured, so the Unix side of Wine in the
# same process must give back what it frees. glibc raises its mmap threshold
# each time it frees a large mapped block; Wine's font code opens and closes
# font faces of several hundred KiB as its small cache of unused fonts turns
# over, so after the first such turn those faces land in the brk heap, and
# the holes they leave keep the heap over 1 MiB larger than what is in
# use. A fixed threshold (glibc's default, 128 KiB) keeps large
# blocks mapped and returned on free; every block still in use is counted.
export MALLOC_MMAP_THRESHOLD_=131072

python3 "$root/tools/soak/soak.py" --minutes "$minutes" --contacts "$contacts" --seed "$seed" \
  --faults "$faults" --bin "$bin" --search "$search" --wine-run "$wine_run" --prefix "$prefix" \
  --work "$work"
