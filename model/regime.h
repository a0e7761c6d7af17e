// What the picture shows: the flow regime, the Mach angle and the emission interval, as facts and in one sentence.
#pragma once

#include <string>
#include <string_view>

namespace conwave {

struct WaveState;

// The Mach angle asin(1/|M|) [degrees] for |M| > 1; 90 at the speed of sound and below.
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

// The pieces a description is made of: English patterns whose places take the numbers (Mach number, Mach angle,
// interval, tick), and the numbers as read aloud ("." as the decimal point).
struct PictureWords {
    std::string_view sentence; // "%1, %2." (regime, interval), or the whole sentence before the first restart
    std::string_view regime;   // %1 Mach number, %2 Mach angle
    std::string_view interval; // %1 interval, %2 tick, %3 wavefronts drawn
    std::string machText;
    std::string angleText;
    std::string intervalText;
    std::string tickText;
    std::string drawnText;
};

PictureWords pictureWords(const PictureFacts &facts);

// The English sentence for the picture's tooltip and accessible description and the frame driver's pictures.
std::string describePicture(const PictureFacts &facts);
std::string describePicture(const WaveState &state);

} // namespace conwave
