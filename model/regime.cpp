#include "regime.h"

#include "runtime_services.h"
#include "wave_state.h"
#include "wave_tick.h"
#include "words.h"

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

// Three figures, or as many more as it takes not to read as Mach 1 when the regime is not sonic (1.0001).
std::string machText(double mach)
{
    std::string text = readableNumber(mach);
    for (int figures = 4; figures <= 15 && mach != 1.0 && textToNumber(text) == 1.0; ++figures)
        text = readableNumber(mach, figures);
    return text;
}

// Every pattern the sentence is made of. The context names them for the translators.
constexpr std::string_view kBeforeStart = CONWAVE_WORDS("Picture", "Press START to begin the animation.");
constexpr std::string_view kSentence = CONWAVE_WORDS("Picture", "%1, %2.");
constexpr std::string_view kAtRest =
    CONWAVE_WORDS("Picture", "At rest at Mach %1: the wavefronts are concentric circles around the source");
constexpr std::string_view kSubsonic =
    CONWAVE_WORDS("Picture", "Subsonic at Mach %1: the source stays inside its wavefronts");
constexpr std::string_view kSubsonicOtherWay = CONWAVE_WORDS(
    "Picture", "Subsonic at Mach %1, moving the other way: the source stays inside its wavefronts");
constexpr std::string_view kSonic = CONWAVE_WORDS("Picture", "Sonic at Mach %1: every wavefront touches the source");
constexpr std::string_view kSonicOtherWay =
    CONWAVE_WORDS("Picture", "Sonic at Mach %1, moving the other way: every wavefront touches the source");
constexpr std::string_view kSupersonic =
    CONWAVE_WORDS("Picture", "Supersonic at Mach %1: a Mach cone with a Mach angle of %2 degrees");
constexpr std::string_view kSupersonicOtherWay = CONWAVE_WORDS(
    "Picture", "Supersonic at Mach %1, moving the other way: a Mach cone with a Mach angle of %2 degrees");
constexpr std::string_view kEvery = CONWAVE_WORDS("Picture", "a wavefront every %1 s");
constexpr std::string_view kStandsStill =
    CONWAVE_WORDS("Picture", "a wavefront every %1 s, less than one frame of %2 s: the picture stands still");
constexpr std::string_view kNoWavefront = CONWAVE_WORDS("Picture", "with no wavefront drawn");
constexpr std::string_view kNegativeSpanOne = CONWAVE_WORDS(
    "Picture", "a negative time span: only the youngest wavefront is drawn and the picture stands still");
constexpr std::string_view kNegativeSpanSome = CONWAVE_WORDS(
    "Picture", "a negative time span: only the %3 youngest wavefronts are drawn and the picture stands still");

std::string_view intervalPattern(const PictureFacts &facts)
{
    if (facts.noWavefront)
        return kNoWavefront;
    if (facts.negativeSpan)
        return facts.drawnWaves == 1 ? kNegativeSpanOne : kNegativeSpanSome;
    return facts.standsStill ? kStandsStill : kEvery;
}

// With a negative interval the clock starts again after every tick, so every frame is drawn at the first tick:
// wavefront i is (i - 1) intervals younger than that, and those whose radius, handed over in single precision as
// the tick does, is negative are not drawn.
int wavesDrawnAtFirstTick(const WaveState &state)
{
    int drawn = 0;
    for (int i = 1; i <= waveCount(state.nWave); ++i) {
        const double age = kTickSeconds + static_cast<double>(i - 1) * state.dtWave;
        if (!(static_cast<float>(state.aSound * age) >= 0.0f))
            break;
        ++drawn;
    }
    return drawn;
}

std::string_view regimePattern(const PictureFacts &facts)
{
    switch (facts.regime) {
    case Regime::NotStarted: return kBeforeStart;
    case Regime::AtRest: return kAtRest;
    case Regime::Subsonic: return facts.movesOtherWay ? kSubsonicOtherWay : kSubsonic;
    case Regime::Sonic: return facts.movesOtherWay ? kSonicOtherWay : kSonic;
    case Regime::Supersonic: return facts.movesOtherWay ? kSupersonicOtherWay : kSupersonic;
    }
    return kBeforeStart;
}

} // namespace

double machAngleDegrees(double M)
{
    const double mach = std::fabs(M);
    if (!(mach > 1.0))
        return 90.0;
    return std::asin(1.0 / mach) * 180.0 / std::numbers::pi;
}

PictureFacts pictureFacts(const WaveState &state)
{
    PictureFacts facts;
    if (state.nWave == 0.0) // only before the first restart: the restart refuses 0
        return facts;
    facts.mach = std::fabs(state.M);
    facts.machAngle = machAngleDegrees(facts.mach);
    facts.interval = std::fabs(state.dtWave);
    facts.movesOtherWay = state.M < 0.0;
    facts.noWavefront = waveCount(state.nWave) == 0;
    // The clock passes an interval shorter than a tick at once and starts again: every frame is the first.
    facts.negativeSpan = state.dtWave < 0.0 && !facts.noWavefront;
    facts.standsStill = facts.interval < kTickSeconds || facts.negativeSpan;
    if (facts.negativeSpan)
        facts.drawnWaves = wavesDrawnAtFirstTick(state);
    if (facts.mach == 0.0)
        facts.regime = Regime::AtRest;
    else if (facts.mach < 1.0)
        facts.regime = Regime::Subsonic;
    else if (facts.mach == 1.0)
        facts.regime = Regime::Sonic;
    else
        facts.regime = Regime::Supersonic;
    return facts;
}

PictureWords pictureWords(const PictureFacts &facts)
{
    PictureWords words;
    words.regime = regimePattern(facts);
    if (facts.regime == Regime::NotStarted) {
        words.sentence = kBeforeStart;
        return words;
    }
    words.sentence = kSentence;
    words.interval = intervalPattern(facts);
    words.machText = machText(facts.mach);
    words.angleText = oneDecimal(facts.machAngle);
    words.intervalText = readableNumber(facts.interval);
    words.tickText = readableNumber(kTickSeconds);
    words.drawnText = std::to_string(facts.drawnWaves);
    return words;
}

std::string describePicture(const PictureFacts &facts)
{
    const PictureWords words = pictureWords(facts);
    if (facts.regime == Regime::NotStarted)
        return std::string(words.sentence);
    return fillWords(words.sentence, {fillWords(words.regime, {words.machText, words.angleText}),
                                      fillWords(words.interval, {words.intervalText, words.tickText, words.drawnText})});
}

std::string describePicture(const WaveState &state) { return describePicture(pictureFacts(state)); }

} // namespace conwave
