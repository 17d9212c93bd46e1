#!/usr/bin/env bash
# Configures and builds the project.
#   scripts/build.sh            release build with debug info in build/
#   scripts/build.sh --sanitize AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-asan
  cmake_args=(-DCMAKE_BUILD_TYPE=Debug -DINDEXER_SANITIZE=ON -DINDEXER_BUILD_BENCHMARKS=OFF)
fi

scripts/setup.sh
cmake -S . -B "$build_dir" -G Ninja "${cmake_args[@]}" >/dev/null
cmake --build "$build_dir" --parallel
