#!/usr/bin/env bash
# Installs the page tests' npm packages, exactly as the lockfile pins them, into the given folder (./test.sh gives each
# build folder's tests/web before it runs ctest); nothing when that folder already holds them. No install script
# runs, so nothing downloads a browser: the tests use Debian's.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")" && pwd)
target=$1
mkdir -p "$target"
if cmp -s "$source_dir/package-lock.json" "$target/package-lock.json" && [ -d "$target/node_modules/puppeteer-core" ]
then
    exit 0
fi
cp "$source_dir/package.json" "$source_dir/package-lock.json" "$source_dir/.npmrc" "$target/"
cd "$target"
npm ci --ignore-scripts --no-audit --no-fund
