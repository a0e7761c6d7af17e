#!/usr/bin/env bash
# Installs what building and running Conwave need and is missing (not the test tools: ./test.sh adds those),
# builds in build/ and runs Conwave.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh
cmake --preset default >/dev/null
cmake --build --preset default --target conwave
exec build/bin/conwave
