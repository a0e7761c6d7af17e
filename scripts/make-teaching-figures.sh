#!/usr/bin/env bash
# Draws the figures of the teacher's guide (docs/teaching.md) with conwave-frames --svg --print.
#   scripts/make-teaching-figures.sh [CONWAVE_FRAMES [FOLDER]]
# Defaults: build/bin/conwave-frames, docs/figures. Run it again whenever the print picture changes and commit the
# figures with that change: the test teaching_figures draws them afresh and fails while a committed one differs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
frames=$(realpath "${1:-$root/build/bin/conwave-frames}")
folder=$(realpath -m "${2:-$root/docs/figures}")
mkdir -p "$folder"

figure() {
    local name=$1
    shift
    "$frames" --svg --print "$@" >"$folder/$name.svg"
}

# Each regime at settings that show it well, and the two worksheet tasks' pictures.
figure subsonic-mach-0.5 0.5 5 1.5      # also the wavelength task's key: fronts 0.3 s apart, in the first frame
                                        # all five cross the line through the source inside the picture
figure sonic-mach-1 1 4 2
figure supersonic-mach-2 --ticks 3 2 8 2
figure worksheet-mach-1.5 --worksheet 1.5 10 2  # the Mach angle task: the students' sheet ...
figure key-mach-1.5 1.5 10 2                    # ... and its answer key
figure turned-round-mach-minus-2 -2 8 2
figure flyover-worksheet --worksheet --listener 10000 2 8 2  # the boom task: the students' sheet ...
figure flyover-key --listener 10000 2 8 2                    # ... and its answer key
