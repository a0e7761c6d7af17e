#include "regime.h"

#include "runtime_services.h"
#include "wave_state.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace conwave {

namespace {

std::string oneDecimal(double value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    return std::string(text, result.ptr);
}

} // namespace

double machAngleDegrees(double M)
{
    const double mach = std::fabs(M);
    if (!(mach > 1.0))
        return 90.0;
    return std::asin(1.0 / mach) * 180.0 / std::numbers::pi;
}

std::string describePicture(const WaveState &state)
{
    if (state.nWave == 0.0) // only before the first restart: the restart refuses 0
        return "Press START to begin the animation.";
    const double mach = std::fabs(state.M);
    const std::string speed = "Mach " + numberToText(mach);
    std::string regime;
    if (mach < 1.0)
        regime = "Subsonic at " + speed + ": the source stays inside its wavefronts";
    else if (mach == 1.0)
        regime = "Sonic at " + speed + ": every wavefront touches the source";
    else
        regime = "Supersonic at " + speed + ": a Mach cone with a Mach angle of " +
                 oneDecimal(machAngleDegrees(mach)) + " degrees";
    if (waveCount(state.nWave) == 0)
        return regime + ", with no wavefront drawn.";
    return regime + ", a wavefront every " + numberToText(std::fabs(state.dtWave)) + " s.";
}

} // namespace conwave
