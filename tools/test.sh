#!/usr/bin/env bash
# Sets up, builds and runs every test: once as built for use (each benchmark runs once there,
# untimed), once with the address, leak and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
j=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$j"
ctest --test-dir build --output-on-failure -j"$j"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVILMOR_SANITIZE=ON -DVILMOR_BENCH=OFF
cmake --build build-asan -j"$j"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$j"
