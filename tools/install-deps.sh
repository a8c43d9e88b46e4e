#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Vostarel needs.
# Asks apt only when a package is missing, so a prepared machine is not touched
# (and needs neither root nor the network).
set -euo pipefail

packages=(
  cmake ninja-build g++
  clang libclang-rt-14-dev              # fuzz preset: clang++ and libFuzzer
  googletest libgtest-dev               # GoogleTest: sources (mingw build) and native libs
  libbenchmark-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  g++-mingw-w64-i686-posix              # the 32-bit Windows build (windows32)
  wine64 xvfb xauth                     # running the Windows build
  wine32:i386                           # running the 32-bit Windows build
  unicode-data python3                  # table generation
  imagemagick fonts-noto-cjk            # screenshots and the glyphs they show
)

is_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for pkg in "${packages[@]}"; do
  is_installed "$pkg" || missing+=("$pkg")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  echo "install-deps: all ${#packages[@]} packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
  else
    echo "install-deps: missing packages and not root: ${missing[*]}" >&2
    exit 1
  fi
fi

export DEBIAN_FRONTEND=noninteractive
# The 32-bit Wine is an i386 package: apt offers it only once dpkg knows that
# architecture (the update below then fetches its package lists).
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "install-deps: adding the i386 architecture"
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y "${missing[@]}" </dev/null

still_missing=()
for pkg in "${missing[@]}"; do
  is_installed "$pkg" || still_missing+=("$pkg")
done
if [[ ${#still_missing[@]} -ne 0 ]]; then
  echo "install-deps: still missing after apt-get: ${still_missing[*]}" >&2
  exit 1
fi
echo "install-deps: done"
