// The numbers that describe the wave picture, and the restart that sets them up from the three parameter texts.
#pragma once

#include "runtime_services.h" // DecimalSign
#include "words.h"

#include <array>
#include <cstddef>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace conwave {

inline constexpr double kSoundSpeed = 340.0; // wave propagation speed [m/s]
inline constexpr std::size_t kWaveSlots = 51; // slots 0 to 50; slot 0 is never used, waves count from 1
inline constexpr int kMaxWaves = 50;          // wavefronts that have a slot

// The animation state. Every field is a double starting at 0 and keeps the name of its equation symbol.
struct WaveState {
    double M = 0.0;       // Mach number: source speed / wave speed
    double nWave = 0.0;   // wavefronts per frame, as typed (not rounded)
    double tMax = 0.0;    // time span over which the wavefronts are spread [s]
    double aSound = 0.0;  // wave speed [m/s], 340 from start-up on
    double dtWave = 0.0;  // emission interval between wavefronts: tMax / nWave [s]
    double uSource = 0.0; // source speed: M * aSound [m/s]
    double tNow = 0.0;    // animation clock [s]
    std::array<double, kWaveSlots> rWave{}; // radius of wavefront i [m]
    std::array<double, kWaveSlots> xWave{}; // centre x of wavefront i [m]

    bool operator==(const WaveState &) const = default;
};

inline constexpr double kMaxScrollMach = 3.0; // the Mach scroll bar's largest value
inline constexpr double kMaxScrollSpan = 4.0; // the time-span scroll bar's largest value [s]

// Largest centre or radius the restart lets through. The margin below the largest float covers the rounding of
// the tick's arithmetic and of the clock's running sum, which are many orders of magnitude smaller.
inline constexpr double kGeometryLimit = static_cast<double>(std::numeric_limits<float>::max()) * (1.0 - 1e-6);

// The three parameter texts, in the order the restart reads them.
enum class WaveField { M, nWave, tMax };

// The texts in the window's boxes at start-up, in that order.
inline constexpr std::array<std::string_view, 3> kStartUpTexts{"0", "4", "1"};

// The values a refusal asks for in its field, as the message shows them: low and high are the numbers its texts
// read as, so typing either (or anything between, the other fields unchanged) gets past this refusal.
struct AcceptedRange {
    double low = 0.0;
    double high = 0.0;
};

// The ranges of the refusals that suggest ordinary values rather than work out a limit: the scroll bars' values.
inline constexpr AcceptedRange kOrdinaryMach{0.0, kMaxScrollMach};
inline constexpr AcceptedRange kWaveCounts{1.0, kMaxWaves};
inline constexpr AcceptedRange kOrdinarySpan{1.0, kMaxScrollSpan};

// A refusal shows a limit in three significant digits rounded towards zero, after shrinking the limit over its
// power of ten by this share, so that the division's rounding error cannot lift it onto a number that is refused.
inline constexpr double kLimitShrink = 1e-12;

// A limit for a refusal message, so written: the number shown is itself accepted. limit is positive and finite.
std::string limitText(double limit);

// Why a restart refused; each reason has one English pattern (refusalPattern) whose %1 and %2 take the ends of the
// accepted range.
enum class RefusalReason {
    MachTooLargeForADouble,
    WaveCountTooLargeForADouble,
    SpanTooLargeForADouble,
    NoWaves,             // nWave reads as 0
    WaveCountNotANumber, // nWave does not begin with a number, so it reads as 0
    TooManyWaves,
    WaveCountTooSmallForSpan,
    MachTooLargeForWaves,
    SpanTooLongForMach,
    MachTooLargeForAnySpan,
};

std::string_view refusalPattern(RefusalReason reason);

// Every refusal's pattern by the name of its reason, in the order of RefusalReason.
std::span<const NamedWords> refusalWordTable();

// Parameters the restart will not take. what() is one plain English sentence naming the field and what is
// accepted: refusalPattern(reason()) filled with lowText() and highText(), the texts of accepted().
class RestartRefused : public std::runtime_error {
public:
    RestartRefused(WaveField field, RefusalReason reason, AcceptedRange accepted, std::string lowText,
                   std::string highText);

    WaveField field() const noexcept { return m_field; }
    RefusalReason reason() const noexcept { return m_reason; }
    AcceptedRange accepted() const noexcept { return m_accepted; }
    const std::string &lowText() const noexcept { return m_lowText; }
    const std::string &highText() const noexcept { return m_highText; }

private:
    WaveField m_field;
    RefusalReason m_reason;
    AcceptedRange m_accepted;
    std::string m_lowText;
    std::string m_highText;
};

// The refusal's message in the wording's language, its numbers with the wording's decimal sign.
std::string refusalMessage(const RestartRefused &refusal, const Wording &wording);

// How many wavefronts a frame draws for a given nWave: the loop counter 1, 2, 3, ... runs while it is not above
// nWave, compared unchanged, so 4.6 draws 4 and anything below 1 draws none. At most kWaveCountCap, which an int
// holds: the restart refuses any count above kMaxWaves.
inline constexpr double kWaveCountCap = 1e9;
int waveCount(double nWave);

// Start-up: the wave speed takes its value; everything else stays 0.
void initialise(WaveState &state);

// Sets the animation up afresh from the texts of M, nWave and tMax: reads them in that order (with a decimal comma
// as well as a point where the user's language writes one), then
// dtWave = tMax / nWave, uSource = M * aSound, tNow = 0. Parameters that would divide by zero, need more than
// 50 wavefronts, do not fit a double, or give a circle during the clock cycle that does not fit single
// precision are refused with RestartRefused, and then nothing in the state changes.
void restart(WaveState &state, std::string_view mText, std::string_view nWaveText, std::string_view tMaxText,
             DecimalSign sign = DecimalSign::Point);

} // namespace conwave
