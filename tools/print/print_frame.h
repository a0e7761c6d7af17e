// One frame of the animation drawn for paper: black on white, to a stated scale in millimetres, with the source,
// the air's speed, a scale bar, the Mach lines and a caption, for worksheets that students measure on.
#pragma once

#include "print/print_paper.h"
#include "wave_tick.h"

#include <string>

namespace conwave {

struct WaveState;

// The frame drawn at clock value drawnAt, from the state the tick drew it from. The world window is the window's
// picture, placed on paper by a nested <svg> whose viewBox is in metres and whose viewport is in millimetres, so
// that circles keep their exact values; everything else is greyscale and in millimetres.
std::string printSvg(const WaveState &state, double drawnAt, const WaveFrame &frame,
                     PrintAnswers answers = PrintAnswers::Shown);

} // namespace conwave
