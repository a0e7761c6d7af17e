// A fly-over heard from the ground: the source flies at v = M x aSound along a straight line at height H above a
// listener, passes straight overhead at t = 0 and sends out a wavefront every dtWave seconds, at tE = k x dtWave.
// When each front reaches the listener, the frequency heard, the frequencies heard far ahead and far behind, and
// above Mach 1 the boom.
#pragma once

#include "wave_state.h"
#include "words.h"

#include <limits>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace conwave {

// The fronts sent within this time of the pass overhead by default, and the least that the default reaches back
// above Mach 1 [s].
inline constexpr double kDefaultFlyOverSpan = 10.0;
inline constexpr long long kMaxFlyOverFronts = 100000;
// A front sent at k x dtWave is within the span when it lies beyond it by no more than this share of the span, the
// rounding of the product: 3 x 0.1 s is 0.30000000000000004 s, within a span of 0.3 s.
inline constexpr double kFlyOverSpanRounding = 4.0 * std::numeric_limits<double>::epsilon();

// One wavefront as the listener hears it.
struct Arrival {
    long long front = 0;      // k: sent at k x dtWave
    double tEmitted = 0.0;    // [s] after the pass overhead
    double xEmitted = 0.0;    // where it was sent, along the flight [m]: x = -uSource t, to the left for M > 0
    double tArrives = 0.0;    // [s] after the pass overhead
    std::optional<double> heardFrequency; // [Hz]; none with the cone itself, or from a moving source at the listener
};

// Above Mach 1, the boom: the front that the cone carries to the listener, which runs to it at right angles to the
// Mach line.
struct Boom {
    double tEmitted = 0.0; // tE* [s] after the pass overhead
    double xEmitted = 0.0; // where the source was then [m]
    double tArrives = 0.0; // tA*, the boom's time [s] after the pass overhead
};

struct FlyOver {
    double M = 0.0;
    double height = 0.0;            // H [m]
    double span = 0.0;              // fronts sent within +-span [s]
    double emittedFrequency = 0.0;  // f0 = 1 / |dtWave| [Hz]
    std::optional<double> boomTime; // above Mach 1: when the cone reaches the listener [s]
    std::optional<Boom> boom;       // above Mach 1, when its front was sent within the span
    // Heard from the fronts sent long before the pass, f0 / |1 - |M|| (above Mach 1 they arrive after the boom);
    // none at Mach 1, where they all arrive together just after the pass [Hz].
    std::optional<double> farAheadFrequency;
    double farBehindFrequency = 0.0; // heard from the fronts sent long after the pass, f0 / (1 + |M|) [Hz]
    std::vector<Arrival> arrivals;  // the fronts, not the boom, in the order heard: by tArrives, then by tEmitted
};

// Why a fly-over cannot be worked out; each has one English pattern (flyOverWordTable).
enum class FlyOverReason {
    TooHigh,       // %1 and %2 the heights that can be worked with
    NoInterval,    // tMax / nWave is 0 s
    TooManyFronts, // %1 the most fronts, %2 the span
    TooFast,       // %1 and %2 the ordinary Mach numbers
};

class FlyOverRefused : public std::runtime_error {
public:
    FlyOverRefused(FlyOverReason reason, std::string first, std::string second);

    FlyOverReason reason() const noexcept { return m_reason; }
    const std::string &first() const noexcept { return m_first; }
    const std::string &second() const noexcept { return m_second; }

private:
    FlyOverReason m_reason;
    std::string m_first;
    std::string m_second;
};

// The refusals' patterns by name, in the order of FlyOverReason.
std::span<const NamedWords> flyOverWordTable();

// The refusal's message in the wording's language.
std::string flyOverMessage(const FlyOverRefused &refusal, const Wording &wording);

// The distance from the point (x, height) to the listener at the origin, sqrt(x^2 + height^2), worked out so that
// no square overflows; the page's script repeats exactly these steps.
double distanceTo(double x, double height);

// Above Mach 1, for a listener height [m] below the flight: when the cone reaches the listener,
// H sqrt(M^2 - 1) / (|M| aSound), and when the front was sent that arrives with it, -H / (|v| sqrt(M^2 - 1)) [s after
// the pass overhead]. None at Mach 1 and below.
std::optional<double> boomTime(const WaveState &state, double height);
std::optional<double> boomEmitted(const WaveState &state, double height);

// The span that the fly-over takes unless told another [s]: kDefaultFlyOverSpan, or above Mach 1 as many whole seconds
// as it takes to hold the boom's front, so that the boom is among the numbers.
double flyOverSpan(const WaveState &state, double height);

// The fly-over of a restarted state, for a listener height >= 0 and a span > 0: every front sent within +-span of
// the pass overhead. Throws FlyOverRefused for a listener farther below the flight than any picture's circle
// reaches (kGeometryLimit), an interval of 0 s, more than kMaxFlyOverFronts fronts, or a flight too fast to work out
// in double precision.
FlyOver flyOver(const WaveState &state, double height, double span);

} // namespace conwave
