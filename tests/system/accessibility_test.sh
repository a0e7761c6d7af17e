#!/usr/bin/env bash
# Conwave through a real accessibility client, in English and in German: a private X server, session bus and
# accessibility bus, the program with its accessibility bridge on, and accessibility_client.py reading and
# driving it. Everything started here is stopped by its process id.
set -euo pipefail
conwave=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
source "$here/session.sh"
trap 'end_session; rm -rf "$work"' EXIT

# Debian's own Python holds pyatspi, whichever python3 comes first on the path.
python=/usr/bin/python3
[ -x "$python" ] || python=python3

start_user
start_x
start_buses
status=0
for language in en de; do
    set_language "$language"
    "${language_env[@]}" "$conwave" 2>"$work/conwave-$language.log" &
    program=$!
    "$python" "$here/accessibility_client.py" "$language" || status=1
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
done
exit "$status"
