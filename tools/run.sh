#!/usr/bin/env bash
# Sets up, builds and starts the program on the sample slab.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target vilmor
exec ./build/vilmor "$PWD/samples/solaio1/SOL1.QVR"
