#!/usr/bin/env bash
# Draws the application icon with ImageMagick: a Mach cone (M 2) of red wavefronts on light cyan, its source on
# the left. Writes conwave-16/32/48.png here and the Windows icon group ../../app/conwave.ico from them.
set -euo pipefail
cd "$(dirname "$0")"

for size in 16 32 48; do
    # Drawn at 8x and scaled down, so the small sizes keep smooth outlines.
    big=$((size * 8))
    stroke=$(awk -v s="$size" 'BEGIN { printf "%.1f", (s <= 16 ? 1.0 : 1.3) * 8 }')
    ages="0.18 0.36 0.54 0.72"
    [ "$size" -le 16 ] && ages="0.3 0.6" # two wavefronts stay apart at 16 px
    source_x=$(awk -v b="$big" 'BEGIN { printf "%.1f", b * 0.16 }')
    middle=$(awk -v b="$big" 'BEGIN { printf "%.1f", b / 2 }')
    draw=()
    for age in $ages; do
        # radius = a t, centre = source + M a t with M = 2: every circle touches the cone at +-30 degrees.
        radius=$(awk -v b="$big" -v t="$age" 'BEGIN { printf "%.1f", b * t * 0.62 }')
        centre=$(awk -v x="$source_x" -v r="$radius" 'BEGIN { printf "%.1f", x + 2 * r }')
        edge=$(awk -v c="$centre" -v r="$radius" 'BEGIN { printf "%.1f", c + r }')
        draw+=(-draw "circle $centre,$middle $edge,$middle")
    done
    convert -size "${big}x${big}" xc:'rgb(128,255,255)' -fill none -stroke 'rgb(255,0,0)' -strokewidth "$stroke" \
        "${draw[@]}" -fill 'rgb(160,0,0)' -stroke none \
        -draw "circle $source_x,$middle $(awk -v x="$source_x" -v b="$big" 'BEGIN { printf "%.1f", x + b / 24 }'),$middle" \
        -filter Lanczos -resize "${size}x${size}" -strip -define png:exclude-chunks=date,time "PNG24:conwave-${size}.png"
done
convert conwave-16.png conwave-32.png conwave-48.png ../../app/conwave.ico
