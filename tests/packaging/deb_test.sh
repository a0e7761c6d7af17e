#!/usr/bin/env bash
# CPack builds conwave_1.0.0_amd64.deb into a temporary folder: the expected files under /usr owned by root, the
# control fields, a Depends line computed from the binaries (the Qt 6 runtime and the C library, with the versions
# dpkg-shlibdeps found), stripped binaries, a frame driver from the package that runs, and lintian's approval.
set -euo pipefail
cpack=$1 build=$2
here=$(dirname "$0")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
deb=$out/conwave_1.0.0_amd64.deb
[ -f "$deb" ] || { cat "$out/cpack.log"; echo "FAIL: no $deb"; ls "$out"; exit 1; }

status=0
fail() { echo "FAIL: $*"; status=1; }

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = conwave ] || fail "Package: $(field Package)"
[ "$(field Version)" = 1.0.0 ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
echo "Depends: $depends"
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6; do
    # Computed entries carry the lowest version that has every symbol the binaries use: "libqt6core6 (>= 6.4.0)".
    grep -qE "(^|, )$package \(>= [^)]+\)(,|$)" <<<"$depends" || fail "Depends lacks a computed entry for $package"
done

recommends=$(field Recommends)
for package in qt6-wayland qt6-translations-l10n; do
    grep -qE "(^|, )$package(,|$)" <<<"$recommends" || fail "Recommends lacks $package: $recommends"
done

# Contents: exactly the installed files under /usr, owned by root; programs executable, data read-only.
listing=$(dpkg-deb -c "$deb")
if ! diff -u <(sed 's|^|usr/|' "$here/installed_files.txt") \
    <(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' <<<"$listing" | LC_ALL=C sort); then
    fail "the packaged files differ from installed_files.txt under /usr (- expected, + packaged)"
fi
awk '$2 != "root/root" { print "not owned by root: " $0; bad = 1 } END { exit bad }' <<<"$listing" || status=1
awk '$1 ~ /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" { print "program mode: " $0; bad = 1 }
     $1 ~ /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--" { print "data file mode: " $0; bad = 1 }
     $1 ~ /^d/ && $1 != "drwxr-xr-x" { print "folder mode: " $0; bad = 1 }
     END { exit bad }' <<<"$listing" || status=1

# The packaged programs: stripped, no run path of their own, and the frame driver runs and prints its frames.
dpkg-deb -x "$deb" "$out/root"
for program in conwave conwave-frames; do
    # Read whole before grep: with pipefail, grep -q leaving early could fail readelf and hide the match.
    sections=$(readelf -S "$out/root/usr/bin/$program")
    dynamic=$(readelf -d "$out/root/usr/bin/$program")
    grep -q '\.debug_info' <<<"$sections" && fail "usr/bin/$program is not stripped"
    grep -qE 'RPATH|RUNPATH' <<<"$dynamic" && fail "usr/bin/$program has a run path"
done
# Debian's long description: every line under 80 columns.
dpkg-deb -f "$deb" Description | awk 'length > 79 { print "too long: " $0; bad = 1 } END { exit bad }' || status=1
frames=$("$out/root/usr/bin/conwave-frames" --ticks 1 1.2 4 1) || fail "the packaged conwave-frames exited non-zero"
[ "$(head -n 1 <<<"$frames")" = "tick,tNow,wave,x,y,radius,colour" ] || fail "the packaged conwave-frames printed: $frames"
[ "$(wc -l <<<"$frames")" -eq 6 ] || fail "the packaged conwave-frames printed $(wc -l <<<"$frames") lines, expected 6"

# Debian's package checker: no error and no warning (the changelog and the manual pages among them).
lintian_status=0
report=$(lintian --fail-on error,warning "$deb" 2>&1) || lintian_status=$?
grep -v '^running with root privileges' <<<"$report" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings"
[ "$status" -eq 0 ] && echo "$(basename "$deb"): $(wc -l <"$here/installed_files.txt") files, control fields as expected"
exit "$status"
