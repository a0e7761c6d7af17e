#include "regime.h"

#include "runtime_services.h"
#include "wave_state.h"
#include "wave_tick.h"
#include "words.h"

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace conwave {

namespace {

// Three figures, or as many more as it takes not to read as Mach 1 when the regime is not sonic (1.0001).
std::string machText(double mach)
{
    std::string text = readableNumber(mach);
    for (int figures = 4; figures <= 15 && mach != 1.0 && textToNumber(text) == 1.0; ++figures)
        text = readableNumber(mach, figures);
    return text;
}

// Every pattern the sentence is made of, by name. The context "Picture" names them for the translators.
constexpr std::array<NamedWords, 14> kPictureWords{{
    {"beforeStart", CONWAVE_WORDS("Picture", "Press START to begin the animation.")},
    {"sentence", CONWAVE_WORDS("Picture", "%1, %2.")},
    {"atRest", CONWAVE_WORDS("Picture", "At rest at Mach %1: the wavefronts are concentric circles around the source")},
    {"subsonic", CONWAVE_WORDS("Picture", "Subsonic at Mach %1: the source stays inside its wavefronts")},
    {"subsonicOtherWay",
     CONWAVE_WORDS("Picture", "Subsonic at Mach %1, moving the other way: the source stays inside its wavefronts")},
    {"sonic", CONWAVE_WORDS("Picture", "Sonic at Mach %1: every wavefront touches the source")},
    {"sonicOtherWay",
     CONWAVE_WORDS("Picture", "Sonic at Mach %1, moving the other way: every wavefront touches the source")},
    {"supersonic", CONWAVE_WORDS("Picture", "Supersonic at Mach %1: a Mach cone with a Mach angle of %2 degrees")},
    {"supersonicOtherWay", CONWAVE_WORDS("Picture", "Supersonic at Mach %1, moving the other way: a Mach cone with a "
                                                    "Mach angle of %2 degrees")},
    {"every", CONWAVE_WORDS("Picture", "a wavefront every %1 s")},
    {"standsStill",
     CONWAVE_WORDS("Picture", "a wavefront every %1 s, less than one frame of %2 s: the picture stands still")},
    {"noWavefront", CONWAVE_WORDS("Picture", "with no wavefront drawn")},
    {"negativeSpanOne", CONWAVE_WORDS("Picture", "a negative time span: only the youngest wavefront is drawn and the "
                                                 "picture stands still")},
    {"negativeSpanSome", CONWAVE_WORDS("Picture", "a negative time span: only the %3 youngest wavefronts are drawn "
                                                  "and the picture stands still")},
}};

std::string_view words(std::string_view name) { return wordsNamed(kPictureWords, name); }

std::string_view regimeName(const PictureFacts &facts)
{
    switch (facts.regime) {
    case Regime::NotStarted: return "beforeStart";
    case Regime::AtRest: return "atRest";
    case Regime::Subsonic: return facts.movesOtherWay ? "subsonicOtherWay" : "subsonic";
    case Regime::Sonic: return facts.movesOtherWay ? "sonicOtherWay" : "sonic";
    case Regime::Supersonic: return facts.movesOtherWay ? "supersonicOtherWay" : "supersonic";
    }
    return "beforeStart";
}

std::string_view intervalName(const PictureFacts &facts)
{
    if (facts.noWavefront)
        return "noWavefront";
    if (facts.negativeSpan)
        return facts.drawnWaves == 1 ? "negativeSpanOne" : "negativeSpanSome";
    return facts.standsStill ? "standsStill" : "every";
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

} // namespace

double machAngle(double M)
{
    const double mach = std::fabs(M);
    return mach > 1.0 ? std::asin(1.0 / mach) : std::numbers::pi / 2;
}

double machAngleDegrees(double M) { return machAngle(M) * 180.0 / std::numbers::pi; }

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

std::span<const NamedWords> pictureWordTable() { return kPictureWords; }

std::string describePicture(const PictureFacts &facts, const Wording &wording)
{
    const auto translated = [&wording](std::string_view name) { return wording.translate("Picture", words(name)); };
    if (facts.regime == Regime::NotStarted)
        return translated("beforeStart");
    const auto number = [&wording](std::string text) { return localNumber(std::move(text), wording); };
    const std::string regime =
        fillWords(translated(regimeName(facts)), {number(machText(facts.mach)), number(oneDecimal(facts.machAngle))});
    const std::string interval =
        fillWords(translated(intervalName(facts)), {number(readableNumber(facts.interval)),
                                                     number(readableNumber(kTickSeconds)),
                                                     std::to_string(facts.drawnWaves)});
    return fillWords(translated("sentence"), {regime, interval});
}

std::string describePicture(const WaveState &state, const Wording &wording)
{
    return describePicture(pictureFacts(state), wording);
}

} // namespace conwave
