#!/usr/bin/env bash
# Runs one Windows program under Wine and exits with the program's exit code.
#
#   wine-run.sh [--prefix DIR] [--arch win64|win32] PROGRAM.exe [ARGS...]
#
# DIR is the Wine prefix to use; without --prefix, $VOSTAREL_WINEPREFIX is used.
# CMake passes --prefix <build>/wineprefix through CMAKE_CROSSCOMPILING_EMULATOR,
# so every build tree has its own prefix and nothing touches ~/.wine.
#
# --arch: win64 (default) runs the x86_64 build with Debian's 64-bit loader in
# a 64-bit prefix; win32 runs the i686 build with the 32-bit loader (package
# wine32:i386) in a 32-bit-only prefix, as on a 32-bit system: one registry
# view, one system folder, the 32-bit regsvr32.
#
# The prefix is created on first use with `wineboot -i`.  ctest runs tests in
# parallel, so creation is serialised with flock on DIR.lock; a prefix only
# counts as ready once the marker file exists, so an interrupted creation is
# redone rather than used half-made.
#
# Programs that make windows need an X server: the caller exports DISPLAY
# (tools/test.sh starts one Xvfb for the whole run).
#
# Environment:
#   VOSTAREL_WINE        the wine loader (default Debian's: /usr/lib/wine/wine64,
#                        or /usr/lib/wine/wine with --arch win32)
#   VOSTAREL_WINEDEBUG   WINEDEBUG for the program (default -all)
set -euo pipefail

prefix="${VOSTAREL_WINEPREFIX:-}"
arch=win64
while [[ $# -ge 2 ]]; do
  case "$1" in
    --prefix) prefix="$2"; shift 2 ;;
    --arch)
      arch="$2"; shift 2
      [[ "$arch" == win64 || "$arch" == win32 ]] \
        || { echo "wine-run.sh: --arch is win64 or win32, not '$arch'" >&2; exit 2; } ;;
    *) break ;;
  esac
done
if [[ $# -lt 1 ]]; then
  echo "usage: wine-run.sh [--prefix DIR] [--arch win64|win32] PROGRAM.exe [ARGS...]" >&2
  exit 2
fi
if [[ -z "$prefix" ]]; then
  echo "wine-run.sh: no Wine prefix given (--prefix DIR or VOSTAREL_WINEPREFIX)" >&2
  exit 2
fi

find_tool() {
  # $1: preferred absolute path; the rest: names to look up on PATH.
  local preferred="$1"; shift
  if [[ -x "$preferred" ]]; then echo "$preferred"; return 0; fi
  local name
  for name in "$@"; do
    if command -v "$name" >/dev/null 2>&1; then command -v "$name"; return 0; fi
  done
  return 1
}

wine="${VOSTAREL_WINE:-}"
if [[ -z "$wine" && "$arch" == win32 ]]; then
  wine="$(find_tool /usr/lib/wine/wine wine)" \
    || { echo "wine-run.sh: no 32-bit wine found (install wine32:i386)" >&2; exit 2; }
elif [[ -z "$wine" ]]; then
  wine="$(find_tool /usr/lib/wine/wine64 wine64 wine)" \
    || { echo "wine-run.sh: no wine64 found (install wine64)" >&2; exit 2; }
fi
wineserver="$(find_tool "$(dirname "$wine")/wineserver" wineserver)" \
  || { echo "wine-run.sh: no wineserver found next to $wine or on PATH" >&2; exit 2; }

mkdir -p "$(dirname "$prefix")"
prefix="$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")"
export WINEPREFIX="$prefix"
# Only read when the prefix is made; a prefix keeps the architecture it has.
[[ "$arch" == win32 ]] && export WINEARCH=win32
ready_marker="$prefix/.vostarel-prefix-ready"

if [[ ! -f "$ready_marker" ]]; then
  exec 9>"$prefix.lock"
  flock 9
  if [[ ! -f "$ready_marker" ]]; then
    rm -rf "$prefix"
    if ! "$wine" --version >/dev/null 2>&1; then
      echo "wine-run.sh: $wine does not run on this machine" \
        "(the 32-bit loader needs a kernel that runs 32-bit x86 programs)" >&2
      exit 2
    fi
    started=$SECONDS
    echo "wine-run.sh: creating Wine prefix $prefix" >&2
    # No mono/gecko installer dialogs, no desktop menu entries in $HOME, and no
    # window on the display (the prefix needs none).
    (
      # A step that fails ends the set-up; say which, or the test that
      # started it fails with nothing to go on.
      trap 'echo "wine-run.sh: setting up $prefix failed at: $BASH_COMMAND (status $?)" >&2' ERR
      unset DISPLAY WAYLAND_DISPLAY
      export WINEDEBUG=-all
      export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
      "$wine" wineboot -i </dev/null >/dev/null 2>&1 || true
      # A crashing program must end with a backtrace on stderr, not wait for
      # someone to close Wine's crash dialog (it shows whenever DISPLAY is set).
      "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
        /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
      # wineboot returns before wineserver has written the registry files;
      # wait for it to finish so the prefix is complete on disk.
      "$wineserver" -w
      # One more program through the finished prefix: without it, a program
      # that makes windows in the first seconds after creation was given
      # Wine's null display driver (seen every time on a fresh prefix).
      "$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
      "$wineserver" -w
    )
    if ! grep -q ShowCrashDialog "$prefix/user.reg" 2>/dev/null; then
      echo "wine-run.sh: wineboot did not set up $prefix" >&2
      exit 2
    fi
    touch "$ready_marker"
    echo "wine-run.sh: prefix ready after $((SECONDS - started)) s" >&2
  fi
  flock -u 9
  exec 9>&-
fi

# Runs a set-up step (a shell function) once per prefix, for prefixes made
# before the step existed too: under the prefix lock, with no display (Wine
# would start its desktop process on it for reg.exe), then waits for the
# prefix's wineserver to end so that a program showing windows starts its
# own desktop process with the display.
once_per_prefix() {
  local marker="$prefix/.vostarel-$1" step="$2"
  [[ -f "$marker" ]] && return
  exec 9>"$prefix.lock"
  flock 9
  if [[ ! -f "$marker" ]]; then
    (
      unset DISPLAY WAYLAND_DISPLAY
      export WINEDEBUG=-all
      "$step"
      "$wineserver" -w
    )
    touch "$marker"
  fi
  flock -u 9
  exec 9>&-
}

# Hangul in the UI fonts: Wine's Tahoma and MS Shell Dlg have no Hangul
# glyphs. Windows links its UI fonts to a Korean font (FontLink\SystemLink);
# link them to Noto Sans CJK KR (Debian's fonts-noto-cjk) the same way.
link_ui_fonts_to_hangul() {
  for face in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2"; do
    "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK KR' /f \
      </dev/null >/dev/null 2>&1
  done
}
once_per_prefix fontlink-v1 link_ui_fonts_to_hangul

# Test programs that open and close many top-level windows run them
# unmanaged: with no window manager on the test display, Wine otherwise
# waits two seconds for each hidden window to be withdrawn.
run_window_heavy_tests_unmanaged() {
  for program in vostarel_settings_tests.exe; do
    "$wine" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" \
      /v Managed /d N /f </dev/null >/dev/null 2>&1
  done
}
once_per_prefix unmanaged-v1 run_window_heavy_tests_unmanaged

export WINEDEBUG="${VOSTAREL_WINEDEBUG:--all}"
# Desktop menu entries for anything the program installs stay out of $HOME.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
# Wine returns the Windows process exit code (its low 8 bits) as its own.
exec "$wine" "$@"
