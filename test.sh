#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test three ways, each through ctest:
#   build/       the normal build;
#   build-asan/  the same with AddressSanitizer and UndefinedBehaviorSanitizer (halt on the first report);
#   build-fuzz/  the libFuzzer targets (clang), each for CONWAVE_FUZZ_SECONDS (default 60) on its seed corpus.
# Exits non-zero on any failure. CI (CI set) turns compiler warnings into errors.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh --test
werror=OFF
[ -n "${CI:-}" ] && werror=ON

for preset in default asan; do
    folder=build
    [ "$preset" = default ] || folder=build-$preset
    cmake --preset "$preset" -DCONWAVE_WERROR="$werror"
    cmake --build --preset "$preset"
    # The page tests' npm packages, as package-lock.json pins them, into the build folder.
    tests/web/install.sh "$folder/tests/web"
    ctest --preset "$preset" --output-on-failure -j 2
done

cmake --preset fuzz -DCONWAVE_WERROR="$werror" -DCONWAVE_FUZZ_SECONDS="${CONWAVE_FUZZ_SECONDS:-60}"
cmake --build --preset fuzz
ctest --preset fuzz --output-on-failure
