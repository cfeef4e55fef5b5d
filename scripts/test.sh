#!/usr/bin/env bash
# Runs every test: installs what is missing, builds both builds, runs the native unit tests (plain
# and under AddressSanitizer + UBSan) and the fuzz targets, installs the package from each build
# and builds the example against it, then runs the example's check, the Windows tests and the
# end-to-end tests under Wine and Xvfb. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/setup.sh

jobs=$(nproc)

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native

echo "== the package installed from the native build; the example built against it, and its check"
bash scripts/example.sh native
ctest --test-dir build/example-native --output-on-failure

echo "== native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset native-asan

echo "== fuzz targets (libFuzzer with ASan and UBSan), 30 seconds each"
bash scripts/fuzz.sh 30

echo "== Windows build; Windows and end-to-end tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
echo "== the package installed from the Windows build; the example built against it"
bash scripts/example.sh windows

. scripts/wine-env.sh
. scripts/window-font.sh
trap zova_wine_cleanup EXIT
zova_start_xvfb
zova_wine_prefix "$root/build/wine-test"
driver=$root/build/windows/tools/uidriver/uidriver.exe zova_window_font test
ctest --test-dir build/example-windows --output-on-failure
ctest --preset windows
