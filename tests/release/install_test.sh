#!/usr/bin/env bash
# A release archive installed as its guide says, on a fresh phone:
#
#   tests/release/install_test.sh ARCHIVE.zip PLATFORM_BIN WORK_DIR
#
# PLATFORM_BIN is a Windows build's bin folder of the same architecture: only
# the stand-in phone platform is taken from it (cprog.exe and the platform
# DLLs, which go where a phone keeps them, C:\Windows). Everything of
# Vostarel comes from the archive. In a fresh Wine prefix under WORK_DIR the
# test
#   1. registers another dial-pad extension, as a phone that has one;
#   2. unpacks the archive into C:\Program Files\Vostarel and installs it with
#      regsvr32: the row names Vostarel, the other extension is backed up;
#   3. starts cprog.exe on a small device (Korean, Chinese and English
#      contacts) and types 44664654: 김민지 is listed, found through the
#      archive's Vostarel.txt (gimminji);
#   4. keeps a user's own line with the archive's vostarel-dict.exe
#      --prepend, as the guide shows (김 spelled kim), and finds 김민지 by
#      54664654 (kimminji);
#   5. uninstalls with regsvr32 /u: the other extension is back, the backup
#      values and the settings key are gone.
# Prints one line per check and exits non-zero when any fails.
set -uo pipefail
archive=$(realpath "$1")
platform_bin=$(realpath "$2")
work=$(realpath -m "$3")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

case "$(basename "$archive")" in
  *-x86_64.zip) arch=win64 ;;
  *-i686.zip) arch=win32 ;;
  *) echo "install_test: cannot tell the architecture of $archive" >&2; exit 2 ;;
esac

rm -rf "$work"
mkdir -p "$work/unpacked" "$work/device"
prefix=$work/wineprefix
wine() { "$root/cmake/wine-run.sh" --prefix "$prefix" --arch "$arch" "$@"; }
windows_path() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok    $what"; else echo "FAIL  $what"; failures=$((failures + 1)); fi
}
reg_value() {  # reg_value KEY NAME: prints the value's data, or nothing
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}

# The phone: its platform in C:\Windows, its version 5.2, the address book
# registered, a device to show.
wine cmd.exe /c exit >/dev/null 2>&1
windows_dir=$prefix/drive_c/windows
for file in "$platform_bin"/*.dll "$platform_bin/cprog.exe"; do
  case "$(basename "$file")" in
    Vostarel.dll|chain_*|*_tests.exe) ;;
    *) cp "$file" "$windows_dir/" ;;
  esac
done
for program in cprog.exe regsvr32.exe; do
  wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$program" /v Version /d win2003 /f >/dev/null
done
wine reg add 'HKCU\Software\Wine\AppDefaults\cprog.exe\X11 Driver' /v Managed /d N /f >/dev/null
wine regsvr32 /s 'C:\windows\pimstore.dll'
cp "$root"/tools/demo/device/* "$work/device/"
export DEVICE_DATA_DIR
DEVICE_DATA_DIR=$(windows_path "$work/device")

# 1. Another extension is registered.
skin='HKLM\Security\Phone\Skin'
other='\Windows\OtherDialpad.dll'
wine reg add "$skin" /v Ext /d "$other" /f >/dev/null
wine reg add "$skin" /v Enabled /t REG_DWORD /d 1 /f >/dev/null

# 2. Unpack and install.
if ! unzip -q "$archive" -d "$work/unpacked"; then
  echo "FAIL  unzip $archive"; exit 1
fi
folder=$(find "$work/unpacked" -mindepth 1 -maxdepth 1 -type d | head -n1)
install_dir="$prefix/drive_c/Program Files/Vostarel"
mkdir -p "$install_dir"
cp "$folder/Vostarel.dll" "$folder/Vostarel.txt" "$install_dir/"
dll='C:\Program Files\Vostarel\Vostarel.dll'
check "regsvr32 installs $(basename "$archive")" wine regsvr32 /s "$dll"
check "the phone's row names the installed library" test "$(reg_value "$skin" Ext)" = "$dll"
check "the other extension is backed up" test "$(reg_value "$skin" VostarelPathBak)" = "$other"

# 3. A Korean contact by the keys of its romanized name. The set-up ran
# without a display: Wine's desktop process from then ends before the phone
# starts on the X server.
WINEPREFIX=$prefix "$(dirname "${VOSTAREL_WINE:-/usr/lib/wine/wine64}")/wineserver" -w
phone_finds() {  # phone_finds KEYS NAME
  local out=$work/phone-$1.txt
  wine 'C:\windows\cprog.exe' --keys "$1" --print --exit-after 4000 >"$out" 2>&1
  if ! grep -q "$2" "$out"; then
    echo "      cprog.exe printed for keys $1:"; sed 's/^/      /' "$out"
    return 1
  fi
}
check "cprog.exe lists 김민지 for 44664654 (gimminji)" phone_finds 44664654 김민지

# 4. The user's own line first, with the archive's vostarel-dict.exe.
printf 'kim\t김\n' >"$work/my-dictionary.txt"
check "vostarel-dict.exe --prepend writes Vostarel.txt" \
  wine "$(windows_path "$folder/tools/vostarel-dict.exe")" --scheme rr \
  --prepend "$(windows_path "$work/my-dictionary.txt")" -o "$(windows_path "$install_dir/Vostarel.txt")"
check "cprog.exe lists 김민지 for 54664654 (kimminji)" phone_finds 54664654 김민지

# 5. Uninstall.
check "regsvr32 /u uninstalls" wine regsvr32 /s /u "$dll"
check "the other extension is back" test "$(reg_value "$skin" Ext)" = "$other"
check "its flag is back" test "$(reg_value "$skin" Enabled)" = 0x1
check "no backup is left" test -z "$(reg_value "$skin" VostarelPathBak)"
check "the settings key is gone" bash -c "! '$root/cmake/wine-run.sh' --prefix '$prefix' --arch $arch reg query 'HKCU\\Software\\Vostarel' >/dev/null 2>&1"

WINEPREFIX=$prefix "$(dirname "${VOSTAREL_WINE:-/usr/lib/wine/wine64}")/wineserver" -w
if [[ $failures -ne 0 ]]; then
  echo "install_test: $failures check(s) failed for $(basename "$archive")"
  exit 1
fi
echo "install_test: $(basename "$archive") installs, finds, keeps the user's line and uninstalls"
