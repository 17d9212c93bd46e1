#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages that building and testing need and that this
# machine lacks. Extra package names given as arguments are installed too (the benchmarks use this).
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev "$@")
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}" >&2
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
