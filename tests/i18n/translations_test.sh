#!/usr/bin/env bash
# The translations are current: lupdate, run over the sources as the build's update_translations runs it, finds an
# entry for every marked text in each translation file, and every entry finished. It updates copies: the files in
# i18n/ stay as they are.
#   translations_test.sh LUPDATE TS_FILE... -- LUPDATE_OPTIONS_AND_SOURCES...
set -euo pipefail
lupdate=$1
shift
ts_files=()
while [ "$1" != -- ]; do
    ts_files+=("$1")
    shift
done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in "${ts_files[@]}"; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -silent "$@" -ts "$copy"
    # A text that had no entry comes in unfinished, like an entry nobody translated: name their source texts.
    unfinished=$(awk '/<source>/ { source = $0 } /<translation type="unfinished"/ { print source }' "$copy" |
        sed -E 's/ *<\/?source>//g')
    if [ -n "$unfinished" ]; then
        echo "FAIL: $(basename "$ts") has no finished translation of:"
        sed 's/^/  /' <<<"$unfinished"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "${#ts_files[@]} translation files: every marked text has a finished translation"
exit "$status"
