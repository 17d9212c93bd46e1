#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/test.sh             the normal build (build/)
#   scripts/test.sh --sanitize  the AddressSanitizer + UndefinedBehaviorSanitizer build (build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh "$@"
build_dir=build
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-asan
fi
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
