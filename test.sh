#!/usr/bin/env bash
# Installs what is missing, builds everything in build/ and runs every test; non-zero exit on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh
preset=default
[ -n "${CI:-}" ] && preset=ci # CI turns warnings into errors
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" --output-on-failure -j 2
