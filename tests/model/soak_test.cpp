// Long runs of the tick: every scroll-bar combination over two clock cycles, and a million ticks in one go.
#include "restarted.h"
#include "runtime_services.h"
#include "wave_state.h"
#include "wave_tick.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace conwave {
namespace {

struct Cycle {
    std::vector<double> clock; // tNow after each tick
    std::vector<WaveFrame> frames;
};

// Ticks until the clock wraps to 0, checking every frame on the way.
Cycle runCycle(WaveState &state, RecordingSink &sink, std::size_t expectedCircles)
{
    Cycle cycle;
    constexpr int kMaxTicks = 200; // the longest interval the scroll bars give is 4 s: 101 ticks
    for (int n = 0; n < kMaxTicks; ++n) {
        tick(state, sink);
        cycle.clock.push_back(state.tNow);
        cycle.frames.push_back(sink.frame());
        EXPECT_EQ(sink.frame().size(), expectedCircles);
        EXPECT_TRUE(state.tNow == 0.0 || (state.tNow > 0.0 && state.tNow <= state.dtWave + kTickSeconds))
            << "clock " << state.tNow;
        for (const WaveCircle &c : sink.frame())
            EXPECT_TRUE(std::isfinite(c.x) && std::isfinite(c.y) && std::isfinite(c.radius));
        if (state.tNow == 0.0)
            return cycle;
    }
    ADD_FAILURE() << "the clock did not wrap within " << kMaxTicks << " ticks";
    return cycle;
}

TEST(Soak, EveryScrollBarCombinationRepeatsItsCycle)
{
    int combinations = 0;
    for (int m = 0; m <= 30; ++m) {
        for (int n = 1; n <= 30; ++n) {
            for (int t = 1; t <= 4; ++t) {
                // The texts the scroll handlers write.
                const std::string mText = numberToText(m / 10.0);
                const std::string nText = numberToText(static_cast<std::int16_t>(n));
                const std::string tText = numberToText(static_cast<std::int16_t>(t));
                SCOPED_TRACE(mText + " " + nText + " " + tText);
                WaveState state = test::restarted(mText, nText, tText);
                RecordingSink sink;
                const Cycle first = runCycle(state, sink, static_cast<std::size_t>(n) + 1);
                const Cycle second = runCycle(state, sink, static_cast<std::size_t>(n) + 1);
                ASSERT_EQ(first.frames, second.frames);
                ASSERT_EQ(first.clock, second.clock);
                ++combinations;
                if (testing::Test::HasFailure())
                    return;
            }
        }
    }
    EXPECT_EQ(combinations, 31 * 30 * 4);
}

TEST(Soak, AMillionTicksOfTheWidestPictureStayInTheirCycle)
{
    WaveState state = test::restarted("3", "30", "4"); // dtWave 0.1333: a cycle of 4 ticks
    RecordingSink sink;
    std::vector<WaveFrame> cycle;
    for (;;) {
        tick(state, sink);
        cycle.push_back(sink.frame());
        if (state.tNow == 0.0)
            break;
    }
    ASSERT_EQ(cycle.size(), 4u);
    constexpr long long kTicks = 1'000'000;
    long long mismatches = 0;
    for (long long n = 0; n < kTicks; ++n) {
        tick(state, sink);
        mismatches += sink.frame() != cycle[static_cast<std::size_t>(n % 4)];
        if (!(state.tNow >= 0.0 && state.tNow <= state.dtWave + kTickSeconds))
            FAIL() << "clock " << state.tNow << " at tick " << n;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Soak, AMillionTicksBeforeAnyStartDrawOnlyTheSource)
{
    WaveState state;
    initialise(state);
    RecordingSink sink;
    const WaveCircle marker{0.0f, 0.0f, kMarkerRadius, kWaveColour};
    long long wrong = 0; // the clock wraps at once: 0.04 is more than dtWave = 0
    for (long long n = 0; n < 1'000'000; ++n) {
        tick(state, sink);
        wrong += sink.frame().size() != 1 || sink.frame().front() != marker || state.tNow != 0.0;
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace
} // namespace conwave
