#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine; does nothing when all is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev libbenchmark-dev   # native build, tests, benchmarks
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64        # Windows build (windres included)
  wine64 xvfb xdotool imagemagick                       # Windows tests, screenshots
  fonts-wine                                            # "MS Sans Serif" and the dialog font
  clang-14 libclang-rt-14-dev                           # fuzz targets (libFuzzer, sanitizers)
  libgettextpo-dev gettext                              # translator tool's PO files and their checks
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
