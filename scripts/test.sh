#!/usr/bin/env bash
# Installs what the project needs, builds it and runs every test: in a normal build,
# against the kernel's HID core in a small VM, under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the file loaders under libFuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
jobs=$(nproc)

echo "== format"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== kernel HID path: the simulated mouse behind uhid in a VM"
timeout 900 bash tests/vm/run.sh build

echo "== sanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVRO_SANITIZE=ON
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== fuzz build: file loaders under libFuzzer, ASan and UBSan"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DTAVRO_FUZZ=ON
cmake --build build-fuzz -j "$jobs"
for target in profile macro index; do
    # New inputs go to the build folder; the seeds in the tree stay as they are.
    mkdir -p "build-fuzz/corpus/$target"
    "build-fuzz/tests/fuzz/fuzz_$target" -max_total_time="${TAVRO_FUZZ_SECONDS:-60}" \
        -print_final_stats=1 "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target"
done
