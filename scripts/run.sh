#!/usr/bin/env bash
# Installs what the program needs, builds it and starts it: the TAVRO Config window, on
# the TAVRO when one is plugged in, else on the simulated mouse (its state is kept in
# build/simulated-mouse.state, shared with tavroctl --simulate=build/simulated-mouse.state).
# Without a display it runs the program's main job from the command line instead:
# writing the five profiles into the mouse with tavroctl.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

tavroctl=build/bin/tavroctl
mouse=()
if ! why=$("$tavroctl" list 2>&1 >/dev/null); then
    echo "$why"
    echo "Using the simulated mouse instead."
    mouse=(--simulate="$PWD/build/simulated-mouse.state")
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    echo "Starting TAVRO Config. It stays in the tray when closed; end it with Exit in the"
    echo "tray menu or with: build/bin/tavro --quit"
    exec build/bin/tavro "${mouse[@]}"
fi

echo "No display: writing the profiles with tavroctl instead. On a desktop, start the"
echo "program with: build/bin/tavro ${mouse[*]}"
set -x
"$tavroctl" "${mouse[@]}" list
"$tavroctl" "${mouse[@]}" info
"$tavroctl" "${mouse[@]}" apply --select 0
"$tavroctl" "${mouse[@]}" info
