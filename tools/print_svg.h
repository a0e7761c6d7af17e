// One frame of the animation drawn for paper: black on white, to a stated scale in millimetres, with the source,
// the air's speed, a scale bar, the Mach lines and a caption, for worksheets that students measure on.
#pragma once

#include "wave_tick.h"

#include <string>

namespace conwave {

struct WaveState;

inline constexpr double kPrintWidthMm = 170.0;  // fits A4 and Letter portrait within their margins [mm]
inline constexpr double kPrintOutlineMm = 0.3;  // wavefront outlines [mm]
inline constexpr double kPrintSourceMm = 2.0;   // the source's dot across [mm]

// The answer key shows what students are asked to find: the Mach lines with the arc and the Mach angle, the line
// every front touches at Mach 1, and the window's sentence naming the regime. A worksheet leaves them out and keeps
// everything else (scale, circles, source, air, scale bar, parameters), drawn exactly as in the key.
enum class PrintAnswers { Shown, LeftOut };

// The frame drawn at clock value drawnAt, from the state the tick drew it from. The world window is the window's
// picture, placed on paper by a nested <svg> whose viewBox is in metres and whose viewport is in millimetres, so
// that circles keep their exact values; everything else is greyscale and in millimetres.
std::string printSvg(const WaveState &state, double drawnAt, const WaveFrame &frame,
                     PrintAnswers answers = PrintAnswers::Shown);

} // namespace conwave
