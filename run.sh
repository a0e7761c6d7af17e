#!/usr/bin/env bash
# Installs what is missing, builds in build/ and runs Conwave.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh
cmake --preset default >/dev/null
cmake --build --preset default --target conwave
exec build/bin/conwave
