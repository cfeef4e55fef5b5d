#!/usr/bin/env bash
# Installs the package from a made build (native or windows) into build/install-<build> and builds
# the example against that prefix alone, as another project would, in build/example-<build> (the
# Windows one with the project's toolchain file): bash scripts/example.sh windows
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:?usage: scripts/example.sh native|windows}

prefix=$root/build/install-$build
# A fresh prefix: nothing of an earlier install that the build no longer has.
rm -rf "$prefix"
cmake --build "build/$build" --target zova_package -j "$(nproc)" >/dev/null
cmake --install "build/$build" --prefix "$prefix" >/dev/null
args=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$prefix")
if [ "$build" = windows ]; then
  args+=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake")
fi
cmake -S examples/signup -B "build/example-$build" "${args[@]}" >/dev/null
cmake --build "build/example-$build" -j "$(nproc)"
echo "example: build/example-$build, against the package in $prefix"
