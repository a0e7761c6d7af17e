// A fly-over drawn for paper, in the print pictures' style: the ground and the listener, the source and its
// wavefronts at the instant the boom reaches the listener (below Mach 1: the source overhead), and a caption.
#pragma once

#include "print/print_paper.h"

#include <string>

namespace conwave {

struct FlyOver;
struct WaveState;

// How far back the printed fly-over draws the fronts sent before the pass [s]: the default span, or longer, so that
// the fronts that reach the listener at the picture's instant are among them (the cone's own front above Mach 1).
double printedFlyOverSpan(const WaveState &state, double height);

// The answers a worksheet leaves out: the Mach lines, the boom's delay and the frequencies heard.
std::string printFlyOverSvg(const WaveState &state, const FlyOver &flyOver, PrintAnswers answers = PrintAnswers::Shown);

} // namespace conwave
