#!/usr/bin/env bash
# `cmake --install` into a fresh prefix: exactly the expected files, a desktop entry and a metainfo file that
# Debian's validators accept, and names that agree (metainfo id, desktop entry, Exec, Icon, icon sizes).
set -euo pipefail
cmake=$1 build=$2
here=$(dirname "$0")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

status=0
fail() { echo "FAIL: $*"; status=1; }

# Exactly these files, nothing missing and nothing stray.
if ! diff -u "$here/installed_files.txt" <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
then
    fail "the installed files differ from installed_files.txt (- expected, + installed)"
fi

id=org.example.conwave
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml

# desktop-file-validate exits 0 on warnings too; only its hints may pass.
if report=$(desktop-file-validate "$desktop" 2>&1); then :; else fail "desktop-file-validate exited non-zero"; fi
[ -n "$report" ] && echo "$report"
grep -qE ': (error|warning):' <<<"$report" && fail "desktop-file-validate found errors or warnings"

# --strict fails on every issue above the pedantic ones; validate-tree also looks for the launchable desktop entry.
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"

# The names must agree, or a menu or software centre shows no icon or cannot start the program.
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Icon)" = "$id" ] || fail "desktop entry Icon=$(key Icon), expected $id"
[ -x "$prefix/bin/$(key Exec)" ] || fail "desktop entry Exec=$(key Exec) is not an installed program"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launchable"

# Each bitmap icon has the size its folder claims: width and height are bytes 16..23 of a PNG, big-endian.
for size in 16 32 48; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || continue # reported above
    signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [ "$width $height" = "$size $size" ] || fail "$png is $width x $height, expected $size x $size"
done
svg=$prefix/share/icons/hicolor/scalable/apps/$id.svg
[ -f "$svg" ] && { grep -q '<svg[^>]*viewBox=' "$svg" || fail "$svg has no <svg viewBox=...>"; }

[ "$status" -eq 0 ] && echo "installed $(wc -l <"$here/installed_files.txt") files; desktop entry and metainfo valid"
exit "$status"
