#!/usr/bin/env bash
# The teacher's guide's figures as committed are what the tool draws now: draws them afresh in a scratch folder
# and compares, file for file and byte for byte.
set -euo pipefail
frames=$1
source_dir=$2
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT

bash "$source_dir/scripts/make-teaching-figures.sh" "$frames" "$fresh"
if ! diff -r "$source_dir/docs/figures" "$fresh" >/dev/null; then
    echo "docs/figures differs from what conwave-frames draws now:"
    diff -rq "$source_dir/docs/figures" "$fresh" || true
    echo "Run scripts/make-teaching-figures.sh and commit docs/figures."
    exit 1
fi
echo "docs/figures: $(ls "$fresh" | wc -l) figures as the tool draws them"
