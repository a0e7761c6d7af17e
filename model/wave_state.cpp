#include "wave_state.h"

#include "runtime_services.h"
#include "wave_tick.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace conwave {

namespace {

constexpr double kMaxScrollMach = 3.0; // the Mach scroll bar's largest value
constexpr double kMaxScrollSpan = 4.0; // the time-span scroll bar's largest value [s]

// Largest centre or radius the restart lets through. The margin below the largest float covers the rounding of
// the tick's arithmetic and of the clock's running sum, which are many orders of magnitude smaller.
constexpr double kGeometryLimit = static_cast<double>(std::numeric_limits<float>::max()) * (1.0 - 1e-6);

// The ranges of the refusals that suggest ordinary values rather than work out a limit.
constexpr AcceptedRange kOrdinaryMach{0.0, kMaxScrollMach};
constexpr AcceptedRange kWaveCounts{1.0, kMaxWaves};
constexpr AcceptedRange kOrdinarySpan{1.0, kMaxScrollSpan};

// A limit for a refusal message: three significant digits, rounded towards zero so that the number shown is
// itself accepted. limit is positive and finite.
std::string limitText(double limit)
{
    const double power = std::pow(10.0, std::floor(std::log10(limit)) - 2.0);
    const double rounded = std::floor(limit / power * (1.0 - 1e-12)) * power;
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::general, 3);
    return std::string(buffer, result.ptr);
}

// A refusal that asks for a number from -limit to limit.
[[noreturn]] void refuseBeyond(WaveField field, double limit, const std::string &lead, const std::string &unit)
{
    const std::string text = limitText(limit);
    const double shown = textToNumber(text);
    throw RestartRefused(field, {-shown, shown}, lead + ": enter a " + unit + "from -" + text + " to " + text + ".");
}

double readField(std::string_view text, WaveField field)
{
    try {
        return textToNumber(text);
    } catch (const RuntimeError &) {
        switch (field) {
        case WaveField::M:
            throw RestartRefused(field, kOrdinaryMach, "The Mach number M is too large: enter a number such as 0 to 3.");
        case WaveField::nWave:
            throw RestartRefused(field, kWaveCounts,
                                 "The number of wavefronts nWave is too large: enter a number from 1 to 50.");
        case WaveField::tMax:
            throw RestartRefused(field, kOrdinarySpan,
                                 "The time span tMax is too large: enter a number of seconds such as 1 to 4.");
        }
        throw;
    }
}

// Every circle of a clock cycle has an age of at most kTickSeconds + n * dtWave: the clock is drawn at values up to
// dtWave + 0.04 and wavefront i is (i - 1) * dtWave older. With a negative interval the clock is drawn at 0.04
// only, so the ages run from 0.04 down to 0.04 - (n - 1) * |dtWave|. Centres and radii are the ages times uSource
// and aSound.
//
// A refusal names the field whose change alone makes the picture fit, with the values that do. The Mach number is
// blamed when the span would fit at any Mach number the scroll bar gives, or when no span fits at this Mach number
// but this span fits at a smaller one; the span when some span fits at this Mach number. Otherwise neither alone
// can be mended: the Mach number is asked to fit a span up to the scroll bar's longest, after which the span is
// the one to correct.
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
    const double ordinarySpeed = std::clamp(std::fabs(next.uSource), next.aSound, kMaxScrollMach * next.aSound);
    const double spanLimit = (kGeometryLimit / speed - kTickSeconds) * next.nWave / waves;
    const bool spanFitsSomeMach = ageLimit * next.aSound <= kGeometryLimit;
    if (ageLimit * ordinarySpeed <= kGeometryLimit || (!(spanLimit > 0.0) && spanFitsSomeMach))
        refuseBeyond(WaveField::M, kGeometryLimit / (ageLimit * next.aSound),
                     "The Mach number M is too large to draw with these wavefronts", "number ");
    if (spanLimit > 0.0)
        refuseBeyond(WaveField::tMax, spanLimit, "The time span tMax is too long to draw at this Mach number",
                     "number of seconds ");
    refuseBeyond(WaveField::M, kGeometryLimit / ((kTickSeconds + kMaxScrollSpan) * next.aSound),
                 "The Mach number M is too large to draw at any time span", "number ");
}

} // namespace

RestartRefused::RestartRefused(WaveField field, AcceptedRange accepted, const std::string &message)
    : std::runtime_error(message)
    , m_field(field)
    , m_accepted(accepted)
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
        throw RestartRefused(WaveField::nWave, kWaveCounts,
                             "The number of wavefronts nWave cannot be 0: enter a number from 1 to 50.");
    if (waveCount(next.nWave) > kMaxWaves)
        throw RestartRefused(WaveField::nWave, kWaveCounts,
                             "The number of wavefronts nWave cannot be more than 50: enter a number from 1 to 50.");
    try {
        next.dtWave = checkedDivide(next.tMax, next.nWave);
    } catch (const RuntimeError &) {
        throw RestartRefused(WaveField::nWave, kWaveCounts,
                             "The number of wavefronts nWave is too small for this time span: enter a number from 1 "
                             "to 50.");
    }
    try {
        next.uSource = checkedMultiply(next.M, next.aSound);
    } catch (const RuntimeError &) {
        throw RestartRefused(WaveField::M, kOrdinaryMach,
                             "The Mach number M is too large: enter a number such as 0 to 3.");
    }
    next.tNow = 0.0;
    checkGeometry(next);
    state = next;
}

} // namespace conwave
