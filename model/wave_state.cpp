#include "wave_state.h"

#include "runtime_services.h"
#include "wave_tick.h"
#include "words.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace conwave {

std::string limitText(double limit)
{
    const double power = std::pow(10.0, std::floor(std::log10(limit)) - 2.0);
    const double rounded = std::floor(limit / power * (1.0 - kLimitShrink)) * power;
    return formattedText(rounded, std::chars_format::general, 3);
}

namespace {

// A refusal that asks for a number from -limit to limit.
[[noreturn]] void refuseBeyond(WaveField field, RefusalReason reason, double limit)
{
    const std::string text = limitText(limit);
    const double shown = textToNumber(text);
    throw RestartRefused(field, reason, {-shown, shown}, "-" + text, text);
}

// A refusal that asks for one of the ordinary values.
[[noreturn]] void refuse(WaveField field, RefusalReason reason, AcceptedRange accepted)
{
    throw RestartRefused(field, reason, accepted, numberToText(accepted.low), numberToText(accepted.high));
}

double readField(std::string_view text, WaveField field, DecimalSign sign)
{
    try {
        return textToNumber(text, sign);
    } catch (const RuntimeError &) {
        switch (field) {
        case WaveField::M: refuse(field, RefusalReason::MachTooLargeForADouble, kOrdinaryMach);
        case WaveField::nWave: refuse(field, RefusalReason::WaveCountTooLargeForADouble, kWaveCounts);
        case WaveField::tMax: refuse(field, RefusalReason::SpanTooLargeForADouble, kOrdinarySpan);
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
        refuseBeyond(WaveField::M, RefusalReason::MachTooLargeForWaves, kGeometryLimit / (ageLimit * next.aSound));
    if (spanLimit > 0.0)
        refuseBeyond(WaveField::tMax, RefusalReason::SpanTooLongForMach, spanLimit);
    refuseBeyond(WaveField::M, RefusalReason::MachTooLargeForAnySpan,
                 kGeometryLimit / ((kTickSeconds + kMaxScrollSpan) * next.aSound));
}

} // namespace

namespace {

// Each refusal's English pattern, by the reason's name, in the order of RefusalReason.
constexpr std::array<NamedWords, 10> kRefusalWords{{
    {"MachTooLargeForADouble",
     CONWAVE_WORDS("Refusal", "The Mach number M is too large: enter a number such as %1 to %2.")},
    {"WaveCountTooLargeForADouble",
     CONWAVE_WORDS("Refusal", "The number of wavefronts nWave is too large: enter a number from %1 to %2.")},
    {"SpanTooLargeForADouble",
     CONWAVE_WORDS("Refusal", "The time span tMax is too large: enter a number of seconds such as %1 to %2.")},
    {"NoWaves", CONWAVE_WORDS("Refusal", "The number of wavefronts nWave cannot be 0: enter a number from %1 to %2.")},
    {"WaveCountNotANumber", CONWAVE_WORDS("Refusal", "The number of wavefronts nWave is not a number, so it reads as 0: "
                                                     "enter a number from %1 to %2.")},
    {"TooManyWaves", CONWAVE_WORDS("Refusal", "The number of wavefronts nWave cannot be more than %2: enter a number "
                                              "from %1 to %2.")},
    {"WaveCountTooSmallForSpan", CONWAVE_WORDS("Refusal", "The number of wavefronts nWave is too small for this time "
                                                          "span: enter a number from %1 to %2.")},
    {"MachTooLargeForWaves", CONWAVE_WORDS("Refusal", "The Mach number M is too large to draw with these wavefronts: "
                                                      "enter a number from %1 to %2.")},
    {"SpanTooLongForMach", CONWAVE_WORDS("Refusal", "The time span tMax is too long to draw at this Mach number: enter "
                                                    "a number of seconds from %1 to %2.")},
    {"MachTooLargeForAnySpan", CONWAVE_WORDS("Refusal", "The Mach number M is too large to draw at any time span: "
                                                        "enter a number from %1 to %2.")},
}};

} // namespace

std::span<const NamedWords> refusalWordTable() { return kRefusalWords; }

std::string_view refusalPattern(RefusalReason reason) { return kRefusalWords.at(static_cast<std::size_t>(reason)).english; }

std::string refusalMessage(const RestartRefused &refusal, const Wording &wording)
{
    return fillWords(wording.translate("Refusal", refusalPattern(refusal.reason())),
                     {localNumber(refusal.lowText(), wording), localNumber(refusal.highText(), wording)});
}

RestartRefused::RestartRefused(WaveField field, RefusalReason reason, AcceptedRange accepted, std::string lowText,
                               std::string highText)
    : std::runtime_error(fillWords(refusalPattern(reason), {lowText, highText}))
    , m_field(field)
    , m_reason(reason)
    , m_accepted(accepted)
    , m_lowText(std::move(lowText))
    , m_highText(std::move(highText))
{
}

int waveCount(double nWave)
{
    if (!(nWave >= 1.0))
        return 0;
    return static_cast<int>(std::min(std::floor(nWave), kWaveCountCap));
}

void initialise(WaveState &state) { state.aSound = kSoundSpeed; }

void restart(WaveState &state, std::string_view mText, std::string_view nWaveText, std::string_view tMaxText,
             DecimalSign sign)
{
    WaveState next = state;
    next.M = readField(mText, WaveField::M, sign);
    next.nWave = readField(nWaveText, WaveField::nWave, sign);
    next.tMax = readField(tMaxText, WaveField::tMax, sign);
    if (next.nWave == 0.0)
        refuse(WaveField::nWave,
               beginsWithNumber(nWaveText, sign) ? RefusalReason::NoWaves : RefusalReason::WaveCountNotANumber, kWaveCounts);
    if (waveCount(next.nWave) > kMaxWaves)
        refuse(WaveField::nWave, RefusalReason::TooManyWaves, kWaveCounts);
    try {
        next.dtWave = checkedDivide(next.tMax, next.nWave);
    } catch (const RuntimeError &) {
        refuse(WaveField::nWave, RefusalReason::WaveCountTooSmallForSpan, kWaveCounts);
    }
    try {
        next.uSource = checkedMultiply(next.M, next.aSound);
    } catch (const RuntimeError &) {
        refuse(WaveField::M, RefusalReason::MachTooLargeForADouble, kOrdinaryMach);
    }
    next.tNow = 0.0;
    checkGeometry(next);
    state = next;
}

} // namespace conwave
