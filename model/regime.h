// What the picture shows, in one sentence: the flow regime, the Mach angle and the emission interval.
#pragma once

#include <string>

namespace conwave {

struct WaveState;

// The Mach angle asin(1/|M|) [degrees] for |M| > 1; 90 at the speed of sound and below.
double machAngleDegrees(double M);

// One short sentence for the picture's tooltip and accessible description, from the restart's values:
// subsonic below Mach 1, sonic at exactly 1, supersonic above with its Mach angle (a negative M by its magnitude),
// and the interval between wavefronts. Before the first restart it says that START begins the animation.
std::string describePicture(const WaveState &state);

} // namespace conwave
