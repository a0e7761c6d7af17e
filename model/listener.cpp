#include "listener.h"

#include "runtime_services.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace conwave {

namespace {

constexpr std::array<NamedWords, 4> kFlyOverWords{{
    {"TooHigh", CONWAVE_WORDS("Listener", "The listener's distance below the flight H is too large for the fly-over: "
                                          "enter a number of metres from %1 to %2.")},
    {"NoInterval", CONWAVE_WORDS("Listener", "The interval tMax / nWave is 0 s, so the fly-over would have no end of "
                                             "wavefronts: enter a tMax further from 0.")},
    {"TooManyFronts", CONWAVE_WORDS("Listener", "More than %1 wavefronts would reach the listener from within %2 s of "
                                                "the pass overhead: choose a larger interval tMax / nWave or a shorter "
                                                "span.")},
    {"TooFast", CONWAVE_WORDS("Listener", "The Mach number M is too large for the fly-over: enter a number such as %1 "
                                          "to %2.")},
}};

// Whether a front sent at t = k x interval lies within the span, up to the rounding of the product.
bool withinSpan(double t, double span) { return t - span <= span * kFlyOverSpanRounding; }

} // namespace

FlyOverRefused::FlyOverRefused(FlyOverReason reason, std::string first, std::string second)
    : std::runtime_error(fillWords(kFlyOverWords.at(static_cast<std::size_t>(reason)).english, {first, second}))
    , m_reason(reason)
    , m_first(std::move(first))
    , m_second(std::move(second))
{
}

std::span<const NamedWords> flyOverWordTable() { return kFlyOverWords; }

std::string flyOverMessage(const FlyOverRefused &refusal, const Wording &wording)
{
    return fillWords(wording.translate("Listener", kFlyOverWords.at(static_cast<std::size_t>(refusal.reason())).english),
                     {localNumber(refusal.first(), wording), localNumber(refusal.second(), wording)});
}

double distanceTo(double x, double height)
{
    double longer = std::fabs(x), shorter = height;
    if (longer < shorter)
        std::swap(longer, shorter);
    if (longer == 0.0)
        return 0.0;
    const double ratio = shorter / longer;
    return longer * std::sqrt(1.0 + ratio * ratio);
}

std::optional<double> boomTime(const WaveState &state, double height)
{
    const double mach = std::fabs(state.M);
    if (!(mach > 1.0))
        return std::nullopt;
    return height * std::sqrt(mach * mach - 1.0) / (mach * state.aSound);
}

std::optional<double> boomEmitted(const WaveState &state, double height)
{
    const double mach = std::fabs(state.M);
    if (!(mach > 1.0))
        return std::nullopt;
    return -(height / (std::fabs(state.uSource) * std::sqrt(mach * mach - 1.0)));
}

double flyOverSpan(const WaveState &state, double height)
{
    const std::optional<double> sent = boomEmitted(state, height);
    return sent ? std::max(kDefaultFlyOverSpan, std::ceil(-*sent)) : kDefaultFlyOverSpan;
}

FlyOver flyOver(const WaveState &state, double height, double span)
{
    FlyOver result;
    result.M = state.M;
    result.height = height;
    result.span = span;
    // The listener no farther below the flight than a picture's circle may reach, so that every distance of the
    // fly-over and of its pictures fits.
    if (!(height <= kGeometryLimit))
        throw FlyOverRefused(FlyOverReason::TooHigh, "0", limitText(kGeometryLimit));
    const double interval = std::fabs(state.dtWave);
    if (interval == 0.0)
        throw FlyOverRefused(FlyOverReason::NoInterval, "", "");
    // Fronts k = -last .. last: their count must be known to fit before any is worked out.
    double last = std::floor(span / interval);
    if (last <= (kMaxFlyOverFronts - 1) / 2) {
        // The quotient is rounded: the fronts are those whose own tEmitted lies within the span.
        if (last > 0.0 && !withinSpan(last * interval, span))
            --last;
        else if (withinSpan((last + 1.0) * interval, span))
            ++last;
    }
    if (!(last <= (kMaxFlyOverFronts - 1) / 2))
        throw FlyOverRefused(FlyOverReason::TooManyFronts, numberToText(static_cast<double>(kMaxFlyOverFronts)),
                             numberToText(span));
    // Every distance is at most twice the farthest point of the flight, and the slope's numerator M^2 aSound tE.
    const double speed = state.uSource;
    if (!std::isfinite(2.0 * std::fabs(speed) * span + 2.0 * height) ||
        !std::isfinite(state.M * state.M * state.aSound * span))
        throw FlyOverRefused(FlyOverReason::TooFast, numberToText(kOrdinaryMach.low),
                             numberToText(kOrdinaryMach.high));

    result.emittedFrequency = 1.0 / interval;
    result.boomTime = boomTime(state, height);
    // Adding 0 turns the -0 of a listener on the flight path into 0, as for the fronts below.
    if (const std::optional<double> sent = boomEmitted(state, height); sent && -*sent <= span)
        result.boom = Boom{*sent + 0.0, -speed * *sent + 0.0, *result.boomTime};
    const double mach = std::fabs(state.M);
    if (mach != 1.0)
        result.farAheadFrequency = result.emittedFrequency / std::fabs(1.0 - mach);
    result.farBehindFrequency = result.emittedFrequency / (1.0 + mach);
    const auto count = static_cast<long long>(last);
    result.arrivals.reserve(static_cast<std::size_t>(2 * count + 1));
    for (long long k = -count; k <= count; ++k) {
        Arrival arrival;
        arrival.front = k;
        // Adding 0 turns a -0 (the front sent overhead with a negative interval, or any front at M 0) into 0.
        arrival.tEmitted = static_cast<double>(k) * state.dtWave + 0.0;
        // The source flies to the left for M > 0, as it moves through the air in the ground view.
        arrival.xEmitted = -speed * arrival.tEmitted + 0.0;
        const double d = distanceTo(arrival.xEmitted, height);
        arrival.tArrives = arrival.tEmitted + d / state.aSound;
        // f0 / |dtA/dtE|: the slope is 0 exactly where the cone arrives, and undefined for a front that a moving
        // source sent at the listener itself; a source at rest sends every front the same distance, so 1.
        const double slope = state.M == 0.0 ? 1.0 : 1.0 + state.M * state.M * state.aSound * arrival.tEmitted / d;
        if (std::isfinite(slope) && slope != 0.0)
            arrival.heardFrequency = result.emittedFrequency / std::fabs(slope);
        result.arrivals.push_back(arrival);
    }
    std::sort(result.arrivals.begin(), result.arrivals.end(), [](const Arrival &a, const Arrival &b) {
        return a.tArrives != b.tArrives ? a.tArrives < b.tArrives : a.tEmitted < b.tEmitted;
    });
    return result;
}

} // namespace conwave
