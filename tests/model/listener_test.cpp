#include "listener.h"
#include "restarted.h"
#include "wave_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace conwave {
namespace {

using test::restarted;

const Arrival &sentAt(const FlyOver &flyOver, long long front)
{
    return *std::find_if(flyOver.arrivals.begin(), flyOver.arrivals.end(),
                         [front](const Arrival &a) { return a.front == front; });
}

struct FarRow {
    const char *name;
    const char *m;
};

class FarAheadAndBehind : public testing::TestWithParam<FarRow> {};

// Sent long before the pass the front is heard at the far-ahead frequency, long after at the far-behind one, whichever
// way the source flies; 100 m below a flight seen for 2000 s either way, the ends are within a part in a thousand.
TEST_P(FarAheadAndBehind, HearsTheDopplerShiftedFrequency)
{
    const WaveState state = restarted(GetParam().m, "1", "1");
    const FlyOver flyOver = conwave::flyOver(state, 100.0, 2000.0);
    const double ahead = *flyOver.farAheadFrequency, behind = flyOver.farBehindFrequency;
    EXPECT_EQ(flyOver.emittedFrequency, 1.0);
    EXPECT_NEAR(*sentAt(flyOver, state.dtWave > 0 ? -2000 : 2000).heardFrequency, ahead, 1e-3 * ahead);
    EXPECT_NEAR(*sentAt(flyOver, state.dtWave > 0 ? 2000 : -2000).heardFrequency, behind, 1e-3 * behind);
}

INSTANTIATE_TEST_SUITE_P(Flights, FarAheadAndBehind,
                         testing::Values(FarRow{"HalfTheSpeedOfSound", "0.5"}, FarRow{"TheOtherWay", "-0.5"},
                                         FarRow{"NearlySonic", "0.9"}, FarRow{"MachTwo", "2"},
                                         FarRow{"MachThreeTheOtherWay", "-3"}),
                         [](const testing::TestParamInfo<FarRow> &info) { return std::string(info.param.name); });

// Above Mach 1 nothing arrives before the cone: the boom at H sqrt(M^2 - 1) / (|M| 340) after the pass, carried by
// the front sent at tE* (kept apart from the fronts sent every interval), the first front less than one interval
// later, and two fronts per interval after it, one sent before and one after tE*.
TEST(FlyOver, NothingArrivesBeforeTheBoom)
{
    const WaveState state = restarted("2", "8", "2");
    const FlyOver flyOver = conwave::flyOver(state, 1000.0, flyOverSpan(state, 1000.0));
    const double boom = 1000.0 * std::sqrt(3.0) / (2.0 * 340.0);
    ASSERT_TRUE(flyOver.boomTime && flyOver.boom);
    EXPECT_NEAR(*flyOver.boomTime, boom, 1e-12 * boom);
    EXPECT_EQ(flyOver.boom->tArrives, *flyOver.boomTime);
    EXPECT_EQ(flyOver.boom->tEmitted, *boomEmitted(state, 1000.0));
    EXPECT_EQ(flyOver.boom->xEmitted, -680.0 * flyOver.boom->tEmitted);
    const Arrival &first = flyOver.arrivals.front();
    EXPECT_GE(first.tArrives, boom);
    EXPECT_LT(first.tArrives, boom + state.dtWave);
    const double stationary = -1000.0 / (2.0 * 340.0 * std::sqrt(3.0)); // the emission that the cone carries
    EXPECT_NEAR(*boomEmitted(state, 1000.0), stationary, 1e-12 * -stationary);
    EXPECT_LT(first.tEmitted, stationary + state.dtWave);
    EXPECT_GT(first.tEmitted, stationary - state.dtWave);
    const auto heardAfterTheBoom = [&](bool sentBefore) {
        return std::count_if(flyOver.arrivals.begin(), flyOver.arrivals.end(), [&](const Arrival &a) {
            return a.tArrives < boom + 1.0 && (a.tEmitted < stationary) == sentBefore;
        });
    };
    EXPECT_GE(heardAfterTheBoom(true), 4);
    EXPECT_GE(heardAfterTheBoom(false), 4);
    EXPECT_TRUE(std::is_sorted(flyOver.arrivals.begin(), flyOver.arrivals.end(),
                               [](const Arrival &a, const Arrival &b) { return a.tArrives < b.tArrives; }));
}

// Hovering overhead at M 0 the source is heard at its own frequency, H / 340 s after each front is sent; on the
// listener, the moment it is sent.
TEST(FlyOver, AtRestTheListenerHearsTheSourcesFrequency)
{
    for (const double height : {680.0, 0.0}) {
        const FlyOver flyOver = conwave::flyOver(restarted("0", "4", "1"), height, kDefaultFlyOverSpan);
        EXPECT_FALSE(flyOver.boomTime);
        EXPECT_EQ(flyOver.arrivals.size(), 81u);
        for (const Arrival &a : flyOver.arrivals) {
            EXPECT_EQ(a.heardFrequency, 4.0) << height;
            EXPECT_EQ(a.tArrives, a.tEmitted + height / 340.0);
        }
    }
}

// By default the span reaches back, in whole seconds, to the boom's front: 20.5 s before the pass at Mach 1.01.
TEST(FlyOver, TheDefaultSpanHoldsTheBoomsFront)
{
    const WaveState state = restarted("1.01", "8", "2");
    EXPECT_EQ(flyOverSpan(state, 1000.0), 21.0);
    EXPECT_FALSE(conwave::flyOver(state, 1000.0, kDefaultFlyOverSpan).boom);
    EXPECT_EQ(flyOverSpan(restarted("0.5", "8", "2"), 1000.0), kDefaultFlyOverSpan);
}

// At Mach 1 every front sent long before arrives just after the pass, H^2 / (2 340^2 |tE|) later, ever higher.
TEST(FlyOver, AtMachOneEarlyFrontsArriveJustAfterThePass)
{
    const FlyOver flyOver = conwave::flyOver(restarted("-1", "4", "1"), 100.0, kDefaultFlyOverSpan);
    EXPECT_FALSE(flyOver.boomTime || flyOver.boom || flyOver.farAheadFrequency);
    const Arrival &earliest = sentAt(flyOver, -40);
    EXPECT_EQ(earliest.tEmitted, -10.0);
    const double expected = 100.0 * 100.0 / (2.0 * 340.0 * 340.0 * 10.0);
    EXPECT_NEAR(earliest.tArrives, expected, 1e-3 * expected);
    EXPECT_GT(*earliest.heardFrequency, 1000.0 * flyOver.emittedFrequency);
}

// On the flight path a front sent at the listener has no frequency to hear; more than 100,000 fronts are refused, and
// those on the span's edge are kept, whichever way k x dtWave rounds.
TEST(FlyOver, RefusesWhatItCannotWorkOut)
{
    const FlyOver onThePath = conwave::flyOver(restarted("0.5", "4", "1"), 0.0, kDefaultFlyOverSpan);
    EXPECT_FALSE(sentAt(onThePath, 0).heardFrequency);
    EXPECT_EQ(*sentAt(onThePath, 1).heardFrequency, 4.0 / 1.5);
    EXPECT_THROW(conwave::flyOver(restarted("2", "50", "0.001"), 1000.0, kDefaultFlyOverSpan), FlyOverRefused);
    EXPECT_EQ(conwave::flyOver(restarted("2", "50", "0.001"), 1000.0, 0.99).arrivals.size(), 2u * 49500u + 1u);
    EXPECT_EQ(conwave::flyOver(restarted("1", "10", "1"), 1000.0, 0.3).arrivals.size(), 7u);
}

} // namespace
} // namespace conwave
