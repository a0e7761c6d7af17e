#include "listener.h"
#include "restarted.h"
#include "wave_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

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

// Above Mach 1 nothing arrives before the cone: the boom at H sqrt(M^2 - 1) / (|M| 340) after the pass, the first
// front less than one interval later, and two fronts per interval after it, one sent before and one after the
// source was at the Mach angle.
TEST(FlyOver, NothingArrivesBeforeTheBoom)
{
    const WaveState state = restarted("2", "8", "2");
    const FlyOver flyOver = conwave::flyOver(state, 1000.0, flyOverSpan(state, 1000.0));
    const double boom = 1000.0 * std::sqrt(3.0) / (2.0 * 340.0);
    ASSERT_TRUE(flyOver.boomTime);
    EXPECT_NEAR(*flyOver.boomTime, boom, 1e-12 * boom);
    // The boom is told apart from the fronts: sent at tE* from behind the pass (to the right), heard at tA*.
    ASSERT_TRUE(flyOver.boom);
    EXPECT_EQ(flyOver.boom->tEmitted, *boomEmitted(state, 1000.0));
    EXPECT_EQ(flyOver.boom->xEmitted, -680.0 * flyOver.boom->tEmitted);
    EXPECT_EQ(flyOver.boom->tArrives, *flyOver.boomTime);
    EXPECT_EQ(flyOver.arrivals.size(), 81u);
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
// listener itself, the moment it is sent.
TEST(FlyOver, AtRestTheListenerHearsTheSourcesFrequency)
{
    for (const double height : {680.0, 0.0}) {
        const FlyOver flyOver = conwave::flyOver(restarted("0", "4", "1"), height, kDefaultFlyOverSpan);
        EXPECT_FALSE(flyOver.boomTime || flyOver.boom);
        EXPECT_EQ(flyOver.arrivals.size(), 81u);
        for (const Arrival &a : flyOver.arrivals) {
            EXPECT_EQ(a.heardFrequency, 4.0) << "H " << height << ", front " << a.front;
            EXPECT_EQ(a.tArrives, a.tEmitted + height / 340.0);
        }
    }
}

// With a front every 0.1 s, a span of 0.3 s keeps the fronts sent 0.3 s either side, 3 x 0.1 s being a hair above
// 0.3 s in doubles; and so at every span that is a whole number of intervals.
TEST(FlyOver, KeepsTheFrontOnTheSpansEdge)
{
    const WaveState state = restarted("1", "10", "1");
    for (const auto &[span, fronts] : {std::pair{0.3, 7u}, {0.6, 13u}, {0.7, 15u}, {3.0, 61u}, {0.35, 7u}})
        EXPECT_EQ(conwave::flyOver(state, 1000.0, span).arrivals.size(), fronts) << span;
}

struct SpanRow {
    const char *name;
    const char *m;
    double height;  // [m]
    double span;    // [s]
    bool boom;      // the boom's front among the numbers
};

void PrintTo(const SpanRow &row, std::ostream *out) { *out << row.name; }

class DefaultSpan : public testing::TestWithParam<SpanRow> {};

// Without a span of its own the fly-over reaches back far enough to hold the boom's front, in whole seconds and
// never less than 10 s either side.
TEST_P(DefaultSpan, HoldsTheBoomsFront)
{
    const SpanRow &row = GetParam();
    const WaveState state = restarted(row.m, "8", "2");
    EXPECT_EQ(flyOverSpan(state, row.height), row.span);
    const FlyOver flyOver = conwave::flyOver(state, row.height, row.span);
    ASSERT_EQ(flyOver.boom.has_value(), row.boom);
    if (row.boom) {
        EXPECT_LE(-flyOver.boom->tEmitted, row.span);
    }
    // A shorter span than the boom's front leaves the boom out.
    if (row.span > kDefaultFlyOverSpan) {
        EXPECT_FALSE(conwave::flyOver(state, row.height, kDefaultFlyOverSpan).boom);
    }
}

INSTANTIATE_TEST_SUITE_P(Flights, DefaultSpan,
                         testing::Values(SpanRow{"BelowMachOne", "0.5", 1000.0, 10.0, false},
                                         SpanRow{"AtMachOneNoBoom", "-1", 1000.0, 10.0, false},
                                         SpanRow{"BoomSentWithinTenSeconds", "2", 10000.0, 10.0, true},
                                         SpanRow{"BoomSentLongBefore", "1.01", 1000.0, 21.0, true},
                                         SpanRow{"BoomSentLongBeforeTheOtherWay", "-1.01", 1000.0, 21.0, true},
                                         SpanRow{"OnTheFlightPath", "3", 0.0, 10.0, true}),
                         [](const testing::TestParamInfo<SpanRow> &info) { return std::string(info.param.name); });

// At Mach 1 every front sent long before arrives just after the pass, H^2 / (2 340^2 |tE|) later, ever higher.
TEST(FlyOver, AtMachOneEarlyFrontsArriveJustAfterThePass)
{
    const FlyOver flyOver = conwave::flyOver(restarted("-1", "4", "1"), 100.0, kDefaultFlyOverSpan);
    EXPECT_FALSE(flyOver.boomTime || flyOver.farAheadFrequency);
    const Arrival &earliest = sentAt(flyOver, -40);
    EXPECT_EQ(earliest.tEmitted, -10.0);
    const double expected = 100.0 * 100.0 / (2.0 * 340.0 * 340.0 * 10.0);
    EXPECT_NEAR(earliest.tArrives, expected, 1e-3 * expected);
    EXPECT_GT(*earliest.heardFrequency, 1000.0 * flyOver.emittedFrequency);
}

// On the flight path a front sent at the listener has no frequency to hear.
TEST(FlyOver, AMovingSourceSendsNoFrequencyFromTheListener)
{
    const FlyOver onThePath = conwave::flyOver(restarted("0.5", "4", "1"), 0.0, kDefaultFlyOverSpan);
    EXPECT_FALSE(sentAt(onThePath, 0).heardFrequency);
    EXPECT_EQ(*sentAt(onThePath, 1).heardFrequency, 4.0 / 1.5);
    EXPECT_EQ(conwave::flyOver(restarted("2", "50", "0.001"), 1000.0, 0.99).arrivals.size(), 2u * 49500u + 1u);
}

struct RefusalRow {
    const char *name;
    std::array<const char *, 3> texts;
    double height; // [m]
    FlyOverReason reason;
};

void PrintTo(const RefusalRow &row, std::ostream *out) { *out << row.name; }

class FlyOverRefusal : public testing::TestWithParam<RefusalRow> {};

// Each refusal names the value that is wrong.
TEST_P(FlyOverRefusal, NamesTheCause)
{
    const RefusalRow &row = GetParam();
    const WaveState state = restarted(row.texts[0], row.texts[1], row.texts[2]);
    try {
        conwave::flyOver(state, row.height, flyOverSpan(state, row.height));
        ADD_FAILURE() << "not refused";
    } catch (const FlyOverRefused &refusal) {
        EXPECT_EQ(refusal.reason(), row.reason) << refusal.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FlyOverRefusal,
    testing::Values(RefusalRow{"MoreThan100000Fronts", {"2", "50", "0.001"}, 1000.0, FlyOverReason::TooManyFronts},
                    RefusalRow{"BoomSentTooLongBefore", {"1.0000001", "4", "1"}, 10000.0, FlyOverReason::TooManyFronts},
                    RefusalRow{"ListenerFartherThanAnyCircle", {"0", "4", "1"}, 1e308, FlyOverReason::TooHigh},
                    RefusalRow{"ListenerFarBelowNearlySonic", {"1.0000001", "4", "1"}, 1e300, FlyOverReason::TooHigh},
                    RefusalRow{"NoInterval", {"1", "4", "0"}, 1000.0, FlyOverReason::NoInterval},
                    RefusalRow{"MachTooLarge", {"1e200", "0.5", "1"}, 1000.0, FlyOverReason::TooFast}),
    [](const testing::TestParamInfo<RefusalRow> &info) { return std::string(info.param.name); });

} // namespace
} // namespace conwave
