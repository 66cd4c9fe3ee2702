#!/usr/bin/env bash
# Builds and runs every test: unit and end-to-end tests, the unit tests again under address and
# undefined-behaviour sanitizers, and a short run of each fuzz target over its seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)

echo "== Build and test (unit and end-to-end)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSETTINGS_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
# A real window manager now and then takes a moment longer than a test waits: one more try.
ctest --test-dir build --output-on-failure -j "$jobs" --repeat until-pass:2

echo "== Unit tests under address and undefined-behaviour sanitizers"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSETTINGS_SANITIZE=ON -DSETTINGS_WITH_QT=OFF \
  -DSETTINGS_BENCH=OFF -DSETTINGS_WERROR=ON >/dev/null
cmake --build build-sanitize -j "$jobs" --target unit_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-sanitize -L unit --output-on-failure -j "$jobs"

echo "== Fuzz targets"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSETTINGS_FUZZ=ON -DSETTINGS_WITH_QT=OFF -DSETTINGS_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$jobs" --target fuzz_targets
ctest --test-dir build-fuzz -L fuzz --output-on-failure
