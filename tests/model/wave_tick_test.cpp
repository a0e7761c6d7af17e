#include "wave_tick.h"
#include "restarted.h"
#include "runtime_services.h"
#include "wave_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace conwave {
namespace {

using test::restarted;

// The clock values and frames of a number of ticks.
struct TickRun {
    std::vector<double> drawnAt;
    std::vector<WaveFrame> frames;
};

TickRun runTicks(WaveState &state, int ticks)
{
    TickRun run;
    RecordingSink sink;
    for (int n = 0; n < ticks; ++n) {
        run.drawnAt.push_back(tick(state, sink));
        run.frames.push_back(sink.frame());
    }
    return run;
}

const WaveCircle kMarker{0.0f, 0.0f, 0.1f, 0xFFu};

TEST(TickWorkedExample, MachOnePointTwoWithFourWavesInOneSecond)
{
    WaveState state = restarted("1.2", "4", "1");
    RecordingSink sink;
    tick(state, sink);
    const WaveFrame &frame = sink.frame();
    ASSERT_EQ(frame.size(), 5u);
    const double radii[] = {13.6, 98.6, 183.6, 268.6};
    const double centres[] = {16.32, 118.32, 220.32, 322.32};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_NEAR(frame[i].radius, radii[i], 0.005);
        EXPECT_NEAR(frame[i].x, centres[i], 0.005);
        EXPECT_EQ(frame[i].y, 0.0f);
        EXPECT_EQ(frame[i].colour, 0xFFu);
        EXPECT_EQ(state.rWave[i + 1], 340.0 * (0.04 + i * 0.25));
        EXPECT_EQ(state.xWave[i + 1], 408.0 * (0.04 + i * 0.25));
    }
    EXPECT_EQ(frame.back(), kMarker);
    EXPECT_EQ(state.tNow, 0.04); // 0.04 is not above 0.25: no wrap
    EXPECT_EQ(state.rWave[0], 0.0);
    EXPECT_EQ(state.xWave[0], 0.0);
    EXPECT_EQ(state.rWave[5], 0.0);
}

TEST(TickCycle, AQuarterSecondIntervalCyclesInSevenTicks)
{
    WaveState state = restarted("1.2", "4", "1");
    const TickRun run = runTicks(state, 15);
    for (int n = 0; n < 7; ++n)
        EXPECT_NEAR(run.drawnAt[n], 0.04 * (n + 1), 1e-12) << "tick " << n + 1;
    EXPECT_NEAR(run.drawnAt[6], 0.28, 1e-12); // drawn, then wrapped
    EXPECT_EQ(run.drawnAt[7], 0.04);
    for (int n = 0; n < 7; ++n)
        EXPECT_EQ(run.frames[n + 7], run.frames[n]) << "tick " << n + 8 << " repeats tick " << n + 1;
    EXPECT_EQ(state.tNow, 0.04);
}

TEST(TickCycle, TwentyFiveWavesInOneSecondAlternate)
{
    WaveState state = restarted("0.5", "25", "1"); // dtWave is exactly the tick, 0.04
    const TickRun run = runTicks(state, 6);
    for (int n = 0; n < 6; ++n) {
        EXPECT_EQ(run.drawnAt[n], n % 2 == 0 ? 0.04 : 0.08) << "tick " << n + 1;
        EXPECT_EQ(run.frames[n], run.frames[n % 2]);
    }
    EXPECT_NE(run.frames[0], run.frames[1]);
}

TEST(TickCycle, ThirtyWavesInOneSecondStandStill)
{
    WaveState state = restarted("2", "30", "1");
    const TickRun run = runTicks(state, 4);
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(run.drawnAt[n], 0.04);
        EXPECT_EQ(run.frames[n], run.frames[0]);
        EXPECT_EQ(run.frames[n].size(), 31u);
    }
    EXPECT_EQ(state.tNow, 0.0);
}

struct ShapeRow {
    const char *name;
    const char *m;
    double centrePerRadius; // centre x = M * radius, for every wavefront
};

class TickShape : public testing::TestWithParam<ShapeRow> {};

TEST_P(TickShape, CentresDriftAtTheSourceSpeed)
{
    WaveState state = restarted(GetParam().m, "4", "1");
    const TickRun run = runTicks(state, 7);
    for (const WaveFrame &frame : run.frames)
        for (std::size_t k = 0; k + 1 < frame.size(); ++k)
            EXPECT_NEAR(frame[k].x, GetParam().centrePerRadius * frame[k].radius, 1e-4 * frame[k].radius);
}

INSTANTIATE_TEST_SUITE_P(
    Regimes, TickShape,
    testing::Values(ShapeRow{"ConcentricAtRest", "0", 0.0},        // M 0: rings around the source
                    ShapeRow{"TouchingTheSourceAtMachOne", "1", 1.0}, // leftmost point of every circle at the origin
                    ShapeRow{"ConeOfThirtyDegreesAtMachTwo", "2", 2.0}, // centre at twice the radius: sin 30 = 1/2
                    ShapeRow{"UpstreamForNegativeMach", "-0.5", -0.5}),
    [](const testing::TestParamInfo<ShapeRow> &info) { return std::string(info.param.name); });

TEST(TickShapeExact, AtMachOneEveryCircleGoesThroughTheSource)
{
    WaveState state = restarted("1", "4", "1");
    RecordingSink sink;
    tick(state, sink);
    for (std::size_t k = 0; k + 1 < sink.frame().size(); ++k)
        EXPECT_EQ(sink.frame()[k].x - sink.frame()[k].radius, 0.0f);
}

struct CountRow {
    const char *name;
    const char *nWave;
    std::size_t circles; // wavefronts plus the marker
};

class TickCount : public testing::TestWithParam<CountRow> {};

TEST_P(TickCount, DrawsTheWavefrontsThenTheMarker)
{
    WaveState state = restarted("1", GetParam().nWave, "1");
    RecordingSink sink;
    tick(state, sink);
    ASSERT_EQ(sink.frame().size(), GetParam().circles);
    EXPECT_EQ(sink.frame().back(), kMarker);
    for (std::size_t k = 1; k + 1 < sink.frame().size(); ++k)
        EXPECT_GT(sink.frame()[k].radius, sink.frame()[k - 1].radius) << "wavefronts in increasing order";
}

INSTANTIATE_TEST_SUITE_P(
    Counts, TickCount,
    testing::Values(CountRow{"One", "1", 2}, CountRow{"FourPointSixCutsDownToFour", "4.6", 5},
                    CountRow{"Thirty", "30", 31}, CountRow{"Fifty", "50", 51},
                    CountRow{"FiftyPointNine", "50.9", 51}, CountRow{"HalfAWave", "0.5", 1},
                    CountRow{"Negative", "-3", 1}),
    [](const testing::TestParamInfo<CountRow> &info) { return std::string(info.param.name); });

TEST(TickNegativeSpan, LaterWavefrontsGetNegativeAgesAndTheClockWrapsAtOnce)
{
    WaveState state = restarted("1", "4", "-1");
    RecordingSink sink;
    tick(state, sink);
    EXPECT_GT(sink.frame()[0].radius, 0.0f);
    EXPECT_LT(sink.frame()[1].radius, 0.0f);
    EXPECT_EQ(state.tNow, 0.0);
}

TEST(TickSafetyNet, AFiftyFirstWavefrontRaisesAfterFiftyAreDrawn)
{
    WaveState state;
    initialise(state);
    state.nWave = 60; // the restart refuses this; a state set by hand reaches the tick's own check
    state.dtWave = 1.0 / 60;
    RecordingSink sink;
    try {
        tick(state, sink);
        FAIL() << "no error raised";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), RuntimeErrorKind::Subscript);
    }
    EXPECT_EQ(sink.frame().size(), 50u); // wavefronts 1 to 50 reached the sink, nothing of 51 nor the marker
}

TEST(TickSafetyNet, ACentreBeyondSinglePrecisionRaisesBeforeItIsDrawn)
{
    WaveState state;
    initialise(state);
    state.nWave = 3;
    state.dtWave = 1.0;
    state.uSource = 2e38; // the largest float is 3.4e38
    state.tNow = 1.0;     // the clock reaches 1.04: ages 1.04, 2.04, 3.04, centres 2.08e38, then 4.08e38
    RecordingSink sink;
    try {
        tick(state, sink);
        FAIL() << "no error raised";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), RuntimeErrorKind::Overflow);
    }
    EXPECT_EQ(sink.frame().size(), 1u);
}

TEST(TickSafetyNet, ADoubleOverflowRaises)
{
    WaveState state;
    initialise(state);
    state.nWave = 2;
    state.dtWave = 1e308;
    state.uSource = 1e308;
    RecordingSink sink;
    EXPECT_THROW(tick(state, sink), RuntimeError);
}

// Counts what a tick asks of its sink, to check that every frame it begins is ended exactly once.
struct FrameCountingSink final : DrawingSink {
    int cleared = 0;
    int circles = 0;
    int ended = 0;
    void Cls() override { ++cleared; }
    void Circle(float, float, float, std::uint32_t) override { ++circles; }
    void endFrame() noexcept override { ++ended; }
};

TEST(TickFrameEnd, EveryFrameIsEndedOnceAlsoWhenAnErrorCutsItShort)
{
    WaveState state = restarted("1.2", "4", "1");
    FrameCountingSink sink;
    tick(state, sink);
    EXPECT_EQ(sink.cleared, 1);
    EXPECT_EQ(sink.circles, 5);
    EXPECT_EQ(sink.ended, 1);

    state.nWave = 60; // the restart refuses this; the tick's own check raises at the 51st wavefront
    EXPECT_THROW(tick(state, sink), RuntimeError);
    EXPECT_EQ(sink.cleared, 2);
    EXPECT_EQ(sink.circles, 55);
    EXPECT_EQ(sink.ended, 2);
}

TEST(RecordingSinkStorage, KeepsItsStorageFromTickToTick)
{
    WaveState state = restarted("3", "50", "4");
    RecordingSink sink;
    tick(state, sink);
    const WaveCircle *storage = sink.frame().data();
    for (int n = 0; n < 200; ++n)
        tick(state, sink);
    EXPECT_EQ(sink.frame().data(), storage);
    EXPECT_EQ(sink.frame().size(), 51u);
}

TEST(RecordingSinkStorage, ClsEmptiesAndCircleAppends)
{
    RecordingSink sink;
    sink.Circle(1.0f, 2.0f, 3.0f, 0x00FF00u);
    sink.Circle(4.0f, 5.0f, 6.0f, 0xFFu);
    ASSERT_EQ(sink.frame().size(), 2u);
    EXPECT_EQ(sink.frame()[0], (WaveCircle{1.0f, 2.0f, 3.0f, 0x00FF00u}));
    EXPECT_EQ(sink.frame()[1], (WaveCircle{4.0f, 5.0f, 6.0f, 0xFFu}));
    sink.Cls();
    EXPECT_TRUE(sink.frame().empty());
}

} // namespace
} // namespace conwave
