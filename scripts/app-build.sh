#!/usr/bin/env bash
# Sourced by the scripts that open the uninstaller (from the project root, with root set): installs
# what is missing, builds the uninstaller with the UI driver and the sample installer, and names
# the three programs in exe, driver and sample.
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target uninstzova uidriver sampleinstall
exe=$root/build/windows/app/uninstzova.exe
driver=$root/build/windows/tools/uidriver/uidriver.exe
sample=$root/build/windows/tools/sampleinstall/sampleinstall.exe
