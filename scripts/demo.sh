#!/usr/bin/env bash
# The main job on the shipped samples. For now: installs what is missing and builds everything.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
