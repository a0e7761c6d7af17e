#!/usr/bin/env bash
# Conwave through a real accessibility client, in English and in German: a private X server, session bus and
# accessibility bus, the program with its accessibility bridge on, and accessibility_client.py reading and
# driving it. Everything started here is stopped by its process id.
set -euo pipefail
conwave=$1
source "$(dirname "$0")/session.sh"

start_desktop
status=0
for language in en de; do
    start_in_language "$language" "$conwave" 2>"$work/conwave-$language.log"
    program=$!
    "$python" "$here/accessibility_client.py" "$language" || status=1
    stop "$program"
done
exit "$status"
