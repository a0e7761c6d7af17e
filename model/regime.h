// What the picture shows: the flow regime, the Mach angle and the emission interval, as facts and in one sentence.
#pragma once

#include "words.h"

#include <span>
#include <string>
#include <string_view>

namespace conwave {

struct WaveState;

// The Mach angle asin(1/|M|) [rad] for |M| > 1, between the source's path and the lines every wavefront touches;
// pi / 2 at the speed of sound and below.
double machAngle(double M);

// The same in degrees: 90 at the speed of sound and below.
double machAngleDegrees(double M);

enum class Regime {
    NotStarted, // before the first restart
    AtRest,     // M 0: concentric wavefronts around the source
    Subsonic,
    Sonic,
    Supersonic,
};

// The physics of the picture, for any wording of it.
struct PictureFacts {
    Regime regime = Regime::NotStarted;
    double mach = 0.0;        // |M|
    double machAngle = 90.0;  // [degrees]
    double interval = 0.0;    // time between wavefronts, |dtWave| [s]
    bool movesOtherWay = false; // M < 0: the source moves the other way, the stream runs right to left
    bool noWavefront = false;   // nWave below 1: only the source is drawn
    bool standsStill = false;   // the interval is under one tick, or negative: every frame is the same
    bool negativeSpan = false;  // tMax / nWave < 0: the clock starts again after every tick
    int drawnWaves = 0;         // with a negative span, the wavefronts whose radius is not negative
};

PictureFacts pictureFacts(const WaveState &state);

// Every pattern of the sentence, by name: the sentence's frame, the regimes and the intervals. The places take
// %1 the Mach number and %2 the Mach angle (regimes), %1 the interval, %2 the tick and %3 the wavefronts drawn
// (intervals), %1 the regime and %2 the interval (the frame).
std::span<const NamedWords> pictureWordTable();

// The sentence for the picture's tooltip and accessible description and the frame driver's pictures, in the
// wording's language (English by default).
std::string describePicture(const PictureFacts &facts, const Wording &wording = englishWording());
std::string describePicture(const WaveState &state, const Wording &wording = englishWording());

} // namespace conwave
