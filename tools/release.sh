#!/usr/bin/env bash
# Makes the release a phone user installs: one archive per Windows build.
#
#   tools/release.sh [x86_64] [i686]        (default: both)
#
# For each architecture it configures its own optimised build tree afresh
# (build/release/<preset>, RelWithDebInfo: -O2 with debug information),
# builds only Vostarel.dll and vostarel-dict.exe, moves their debug
# information into .debug files linked to them (gnu-debuglink), and writes
#
#   dist/vostarel-<version>-<arch>.zip         what a user installs
#   dist/vostarel-<version>-<arch>-debug.zip   the .debug files, to read a crash
#   dist/SHA256SUMS                            every archive in dist/
#
# <version> comes from the version header CMake writes from the project()
# line. An archive holds one folder, vostarel-<version>-<arch>/, with the
# stripped Vostarel.dll, the Revised Romanization dictionary as Vostarel.txt,
# all three dictionaries under dictionaries/, tools/vostarel-dict.exe, the
# install guide INSTALL.txt (Korean and English) and LICENSE.txt. Fails when
# a stripped Vostarel.dll is over 400 KB. Prints what takes the space.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)

readonly size_budget=$((400 * 1024))
arches=("$@")
[[ ${#arches[@]} -gt 0 ]] || arches=(x86_64 i686)
for arch in "${arches[@]}"; do
  case "$arch" in
    x86_64|i686) ;;
    *) echo "usage: tools/release.sh [x86_64] [i686]" >&2; exit 2 ;;
  esac
done

dist=$root/dist
mkdir -p "$dist"
# Every file in an archive carries the time of the commit it was built from,
# so the same commit gives the same archives.
stamp=$(git log -1 --format=%ct 2>/dev/null || date +%s)

preset_of() { [[ $1 == x86_64 ]] && echo windows || echo windows32; }
triple_of() { [[ $1 == x86_64 ]] && echo x86_64-w64-mingw32 || echo i686-w64-mingw32; }

# Text for a person on Windows: UTF-8 with a byte-order mark, CR LF lines.
windows_text() {
  printf '\xEF\xBB\xBF'
  sed -e 's/\r$//' -e 's/$/\r/' "$1"
}

# Moves the debug information of a built program into NAME.debug beside the
# stripped copy, linked to it by name and checksum.
strip_into() {
  local triple=$1 built=$2 out_dir=$3 debug_dir=$4 name
  name=$(basename "$built")
  "$triple-objcopy" --only-keep-debug "$built" "$debug_dir/$name.debug"
  "$triple-objcopy" --strip-all "$built" "$out_dir/$name"
  (cd "$debug_dir" && "$triple-objcopy" --add-gnu-debuglink="$name.debug" "$out_dir/$name")
}

# What takes the space in a stripped DLL: its sections, largest first.
report_sections() {
  local triple=$1 dll=$2 index name size rest
  "$triple-objdump" -h "$dll" | while read -r index name size rest; do
    if [[ $index =~ ^[0-9]+$ ]]; then printf '  %-8s %7d bytes\n' "$name" "$((16#$size))"; fi
  done | sort -k2 -n -r
}

archives=()
for arch in "${arches[@]}"; do
  preset=$(preset_of "$arch")
  triple=$(triple_of "$arch")
  tree=$root/build/release/$preset
  echo "release: $arch: configure and build ($tree)"
  # A release is built from nothing: a tree configured before carries the
  # flags it was first configured with.
  rm -rf "$tree"
  cmake --preset "$preset" -B "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$dist/.configure-$arch.log" ||
    { cat "$dist/.configure-$arch.log" >&2; exit 1; }
  cmake --build "$tree" --target Vostarel vostarel-dict -j 2

  version=$(sed -n 's/^#define VOSTAREL_VERSION_TEXT "\(.*\)"$/\1/p' "$tree/resources/vostarel_version.h")
  [[ $version =~ ^[0-9]+(\.[0-9]+){3}$ ]] || { echo "release: no version in $tree" >&2; exit 1; }
  name=vostarel-$version-$arch
  stage=$tree/stage
  rm -rf "$stage"
  mkdir -p "$stage/$name/dictionaries" "$stage/$name/tools" "$stage/debug/$name"

  strip_into "$triple" "$tree/bin/Vostarel.dll" "$stage/$name" "$stage/debug/$name"
  strip_into "$triple" "$tree/bin/vostarel-dict.exe" "$stage/$name/tools" "$stage/debug/$name"
  cp resources/dictionaries/hangul-rr.txt "$stage/$name/Vostarel.txt"
  cp resources/dictionaries/hangul-{rr,cheonjiin,naratgeul}.txt "$stage/$name/dictionaries/"
  sed -e "s/@VERSION@/$version/g" -e "s/@ARCH@/$arch/g" release/INSTALL.txt >"$stage/INSTALL.tmp"
  windows_text "$stage/INSTALL.tmp" >"$stage/$name/INSTALL.txt"
  rm "$stage/INSTALL.tmp"
  windows_text release/LICENSE.txt >"$stage/$name/LICENSE.txt"

  size=$(stat -c %s "$stage/$name/Vostarel.dll")
  echo "release: $arch: Vostarel.dll $size bytes stripped ($(stat -c %s "$tree/bin/Vostarel.dll") with debug information); sections:"
  report_sections "$triple" "$stage/$name/Vostarel.dll"
  if (( size > size_budget )); then
    echo "release: $arch: Vostarel.dll is $size bytes, over the budget of $size_budget" >&2
    exit 1
  fi

  find "$stage" -exec touch -h -d "@$stamp" {} +
  rm -f "$dist/$name.zip" "$dist/$name-debug.zip"
  (cd "$stage" && find "$name" | LC_ALL=C sort | zip -X -q -D "$dist/$name.zip" -@)
  (cd "$stage/debug" && find "$name" | LC_ALL=C sort | zip -X -q -D "$dist/$name-debug.zip" -@)
  archives+=("$name.zip" "$name-debug.zip")
  rm -f "$dist/.configure-$arch.log"
done

(cd "$dist" && ls vostarel-*.zip | LC_ALL=C sort | xargs sha256sum >SHA256SUMS)
echo "release: wrote ${archives[*]} and SHA256SUMS in $dist"
