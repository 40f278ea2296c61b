#!/usr/bin/env bash
# Installs what the program needs, builds it and runs its main job: writing the five
# profiles into the mouse. Without a TAVRO plugged in, the simulated mouse stands in
# (its state is kept in build/simulated-mouse.state).
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
set -x
"$tavroctl" "${mouse[@]}" list
"$tavroctl" "${mouse[@]}" info
"$tavroctl" "${mouse[@]}" apply --select 0
"$tavroctl" "${mouse[@]}" info
