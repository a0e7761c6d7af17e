// One frame of the animation as a standalone SVG picture, for worksheets.
#pragma once

#include "wave_tick.h"

#include <string>

namespace conwave {

struct WaveState;

// The frame drawn at clock value drawnAt, as the window shows it: a 400 x 267 picture of the world window
// (-aSound, -aSound) to (2 aSound, aSound) on light cyan, outlines one pixel wide at any zoom, clipped to the
// picture, circles smaller than a pixel as a dot, negative radii not drawn, and a caption with the parameters below.
std::string frameSvg(const WaveState &state, double drawnAt, const WaveFrame &frame);

} // namespace conwave
