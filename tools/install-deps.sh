#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Vostarel needs.
# Asks apt only when a package is missing, so a prepared machine is not touched
# (and needs neither root nor the network).
#
# The 32-bit Wine is installed apart from the rest: its i386 libraries must
# match the machine's amd64 ones version for version, which a mirror caught
# mid-sync cannot always offer. When it cannot be installed the script says so
# and still succeeds; tools/test.sh then builds windows32 and reports its
# tests as not run (never as passed).
set -euo pipefail

packages=(
  cmake ninja-build g++
  clang libclang-rt-14-dev              # fuzz preset: clang++ and libFuzzer
  googletest libgtest-dev               # GoogleTest: sources (mingw build) and native libs
  libbenchmark-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  g++-mingw-w64-i686-posix              # the 32-bit Windows build (windows32)
  wine64 xvfb xauth                     # running the Windows build
  unicode-data python3                  # table generation
  libphonenumber-dev                    # the calling-code table's generator
  imagemagick fonts-noto-cjk zip        # screenshots and their glyphs; release archives
)
wine32_packages=(wine32:i386)           # running the 32-bit Windows build
# The surname table's generator fetches its sources with npm. Machines that
# come with Node.js from elsewhere have npm already (and Debian's npm package
# would conflict with it); the others get Debian's.
if ! command -v npm >/dev/null 2>&1; then
  packages+=(npm)
fi

is_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}
missing_of() {
  local pkg
  for pkg in "$@"; do
    is_installed "$pkg" || echo "$pkg"
  done
}

mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing32 < <(missing_of "${wine32_packages[@]}")
if [[ ${#missing[@]} -eq 0 && ${#missing32[@]} -eq 0 ]]; then
  echo "install-deps: all $(( ${#packages[@]} + ${#wine32_packages[@]} )) packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]} ${missing32[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
  else
    echo "install-deps: missing packages and not root: ${missing[*]} ${missing32[*]}" >&2
    exit 1
  fi
fi

export DEBIAN_FRONTEND=noninteractive
# The 32-bit Wine is an i386 package: apt offers it only once dpkg knows that
# architecture (the update below then fetches its package lists).
if [[ ${#missing32[@]} -ne 0 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "install-deps: adding the i386 architecture"
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
# A mirror caught mid-sync fails one index now and then ("File has unexpected
# size"); try again, and go on with the lists that did arrive after the last try.
for try in 1 2 3; do
  "${sudo_cmd[@]}" apt-get update && break
  echo "install-deps: apt-get update failed (try $try of 3)" >&2
  [[ $try -lt 3 ]] && sleep $(( try * 10 ))
done

if [[ ${#missing[@]} -ne 0 ]]; then
  "${sudo_cmd[@]}" apt-get install -y "${missing[@]}" </dev/null
  mapfile -t still_missing < <(missing_of "${missing[@]}")
  if [[ ${#still_missing[@]} -ne 0 ]]; then
    echo "install-deps: still missing after apt-get: ${still_missing[*]}" >&2
    exit 1
  fi
fi
if [[ ${#missing32[@]} -ne 0 ]]; then
  if ! "${sudo_cmd[@]}" apt-get install -y "${missing32[@]}" </dev/null; then
    echo "install-deps: WARNING: ${missing32[*]} could not be installed from this mirror;" \
         "the 32-bit Windows tests will not run" >&2
  fi
fi
echo "install-deps: done"
