#!/usr/bin/env bash
# Screenshots of the main window (after START) and of the About window in German, French and Spanish, on a private
# X server: OUT/conwave-<language>.png and OUT/about-<language>.png, for looking at the translations in place.
# Usage: scripts/screenshots.sh OUT [PROGRAM]   (PROGRAM: build/bin/conwave by default)
set -euo pipefail
out=$1
conwave=${2:-build/bin/conwave}
mkdir -p "$out"
work=$(mktemp -d)
source "$(dirname "$0")/../tests/system/session.sh"
trap 'end_session; rm -rf "$work"' EXIT
start_user
start_x

for language in de fr es; do
    case $language in
    de) locale=de_DE.UTF-8 ;;
    fr) locale=fr_FR.UTF-8 ;;
    es) locale=es_ES.UTF-8 ;;
    esac
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=$locale "$conwave" 2>/dev/null &
    program=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$program" --name '^Conwave$' | head -n 1)
    # START lies 24 to 73 px below the menu bar (see tests/system/window_no_files_test.sh); then the Mach scroll
    # bar's right arrow, twice, for a Mach cone.
    xdotool mousemove --window "$window" 48 65 click 1
    xdotool mousemove --window "$window" 388 45 click --repeat 20 --delay 20 1
    sleep 1
    import -window "$window" "$out/conwave-$language.png"
    xdotool mousemove --window "$window" 20 8 click 1 # the menu item About
    about=$(timeout 20 xdotool search --sync --onlyvisible --pid "$program" --classname conwave |
        grep -vx "$window" | head -n 1)
    sleep 0.5
    import -window "$about" "$out/about-$language.png"
    kill "$program"
    wait "$program" 2>/dev/null || true
done
ls "$out"
