#!/usr/bin/env bash
# Installs what is missing, builds in build/ and runs Conwave.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh
cmake --preset default >/dev/null
cmake --build --preset default --target conwave-frames
# Until the window exists: the frames of the worked example, M 1.2 with 4 wavefronts in 1 s.
[ $# -eq 0 ] && set -- 1.2 4 1
exec build/bin/conwave-frames "$@"
