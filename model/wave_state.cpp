#include "wave_state.h"

#include "runtime_services.h"
#include "wave_tick.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace conwave {

namespace {

// Largest centre or radius the restart lets through. The margin below the largest float covers the rounding of
// the tick's arithmetic and of the clock's running sum, which are many orders of magnitude smaller.
constexpr double kMaxScrollMach = 3.0; // the Mach scroll bar's largest value

constexpr double kGeometryLimit = static_cast<double>(std::numeric_limits<float>::max()) * (1.0 - 1e-6);

// A limit for a refusal message: three significant digits, rounded towards zero so that the number shown is
// itself accepted.
std::string limitText(double limit)
{
    const double power = std::pow(10.0, std::floor(std::log10(limit)) - 2.0);
    const double rounded = std::floor(limit / power * (1.0 - 1e-12)) * power;
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::general, 3);
    return std::string(buffer, result.ptr);
}

double readField(std::string_view text, WaveField field)
{
    try {
        return textToNumber(text);
    } catch (const RuntimeError &) {
        switch (field) {
        case WaveField::M:
            throw RestartRefused(field, "The Mach number M is too large: enter a number such as 0 to 3.");
        case WaveField::nWave:
            throw RestartRefused(field, "The number of wavefronts nWave is too large: enter a number from 1 to 50.");
        case WaveField::tMax:
            throw RestartRefused(field, "The time span tMax is too large: enter a number of seconds such as 1 to 4.");
        }
        throw;
    }
}

// Every circle of a clock cycle has an age of at most kTickSeconds + n * dtWave: the clock is drawn at values up to
// dtWave + 0.04 and wavefront i is (i - 1) * dtWave older. With a negative interval the clock is drawn at 0.04
// only, so the ages run from 0.04 down to 0.04 - (n - 1) * |dtWave|. Centres and radii are the ages times uSource
// and aSound.
void checkGeometry(const WaveState &next)
{
    const int waves = waveCount(next.nWave);
    if (waves == 0)
        return;
    const double ageLimit = next.dtWave >= 0.0 ? kTickSeconds + waves * next.dtWave
                                               : kTickSeconds + (waves - 1) * -next.dtWave;
    const double speed = std::max(next.aSound, std::fabs(next.uSource));
    if (ageLimit * speed <= kGeometryLimit)
        return;
    // The Mach number is to blame only when the span would fit at any Mach number the scroll bar gives (up to 3);
    // otherwise the span is too long, whatever else was typed.
    const double ordinarySpeed = std::clamp(std::fabs(next.uSource), next.aSound, kMaxScrollMach * next.aSound);
    if (ageLimit * ordinarySpeed <= kGeometryLimit) {
        const std::string limit = limitText(kGeometryLimit / (ageLimit * next.aSound));
        throw RestartRefused(WaveField::M, "The Mach number M is too large to draw with these wavefronts: enter a "
                                           "number from -" + limit + " to " + limit + ".");
    }
    const std::string limit = limitText((kGeometryLimit / speed - kTickSeconds) * std::fabs(next.nWave) / waves);
    throw RestartRefused(WaveField::tMax, "The time span tMax is too long to draw at this Mach number: enter a number "
                                          "of seconds from -" + limit + " to " + limit + ".");
}

} // namespace

RestartRefused::RestartRefused(WaveField field, const std::string &message)
    : std::runtime_error(message)
    , m_field(field)
{
}

int waveCount(double nWave)
{
    if (!(nWave >= 1.0))
        return 0;
    return static_cast<int>(std::min(std::floor(nWave), 1e9));
}

void initialise(WaveState &state) { state.aSound = kSoundSpeed; }

void restart(WaveState &state, std::string_view mText, std::string_view nWaveText, std::string_view tMaxText)
{
    WaveState next = state;
    next.M = readField(mText, WaveField::M);
    next.nWave = readField(nWaveText, WaveField::nWave);
    next.tMax = readField(tMaxText, WaveField::tMax);
    if (next.nWave == 0.0)
        throw RestartRefused(WaveField::nWave,
                             "The number of wavefronts nWave cannot be 0: enter a number from 1 to 50.");
    if (waveCount(next.nWave) > kMaxWaves)
        throw RestartRefused(WaveField::nWave,
                             "The number of wavefronts nWave cannot be more than 50: enter a number from 1 to 50.");
    try {
        next.dtWave = checkedDivide(next.tMax, next.nWave);
    } catch (const RuntimeError &) {
        throw RestartRefused(WaveField::nWave,
                             "The number of wavefronts nWave is too small for this time span: enter a number from 1 "
                             "to 50.");
    }
    try {
        next.uSource = checkedMultiply(next.M, next.aSound);
    } catch (const RuntimeError &) {
        throw RestartRefused(WaveField::M, "The Mach number M is too large: enter a number such as 0 to 3.");
    }
    next.tNow = 0.0;
    checkGeometry(next);
    state = next;
}

} // namespace conwave
