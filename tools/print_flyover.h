// A fly-over drawn for paper, in the print pictures' style: the ground and the listener, the source and its
// wavefronts at the instant the boom reaches the listener (below Mach 1: the source overhead), and a caption.
#pragma once

#include "print_paper.h"

#include <string>

namespace conwave {

struct FlyOver;
struct WaveState;

// The answers a worksheet leaves out: the Mach lines, the boom's delay and the frequencies heard.
std::string printFlyOverSvg(const WaveState &state, const FlyOver &flyOver, PrintAnswers answers = PrintAnswers::Shown);

} // namespace conwave
