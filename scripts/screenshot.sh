#!/usr/bin/env bash
# Renders the main window offscreen, as it opens with the simulated mouse on a first
# start, into docs/main-window.png for the README. The other tabs and the open Language
# menu go to build/screenshots/ for review; QT_SCALE_FACTOR=2 renders them at 2x.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target tavro-screenshot
QT_QPA_PLATFORM=offscreen build/bin/tavro-screenshot build/screenshots
if [ "${QT_SCALE_FACTOR:-1}" = 1 ]; then
    cp build/screenshots/main-window.png docs/main-window.png
    echo "docs/main-window.png"
fi
