#include "runtime_services.h"
#include "wave_state.h"
#include "wave_tick.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace conwave {
namespace {

WaveState startedUp()
{
    WaveState state;
    initialise(state);
    return state;
}

TEST(WaveStateStart, EverythingIsZeroUntilStartUpSetsTheWaveSpeed)
{
    WaveState state;
    EXPECT_EQ(state, WaveState{});
    for (const double value : {state.M, state.nWave, state.tMax, state.aSound, state.dtWave, state.uSource, state.tNow})
        EXPECT_EQ(value, 0.0);
    initialise(state);
    WaveState expected;
    expected.aSound = 340.0;
    EXPECT_EQ(state, expected);
}

struct RestartRow {
    const char *name;
    const char *m, *nWave, *tMax;
    double expectM, expectNWave, expectTMax, expectDtWave, expectUSource;
};

class Restart : public testing::TestWithParam<RestartRow> {};

TEST_P(Restart, ReadsTheTextsAndDerivesTheRest)
{
    const RestartRow &row = GetParam();
    WaveState state = startedUp();
    state.tNow = 0.12;
    restart(state, row.m, row.nWave, row.tMax);
    EXPECT_EQ(state.M, row.expectM);
    EXPECT_EQ(state.nWave, row.expectNWave);
    EXPECT_EQ(state.tMax, row.expectTMax);
    EXPECT_DOUBLE_EQ(state.dtWave, row.expectDtWave);
    EXPECT_DOUBLE_EQ(state.uSource, row.expectUSource);
    EXPECT_EQ(state.tNow, 0.0);
    EXPECT_EQ(state.aSound, 340.0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Restart,
    testing::Values(RestartRow{"StartUpTexts", "0", "4", "1", 0, 4, 1, 0.25, 0},
                    RestartRow{"WorkedExample", "1.2", "4", "1", 1.2, 4, 1, 0.25, 408},
                    RestartRow{"FractionalCountIsNotRounded", "1", "4.5", "1", 1, 4.5, 1, 1 / 4.5, 340},
                    RestartRow{"NegativeMachIsLetThrough", "-2", "4", "1", -2, 4, 1, 0.25, -680},
                    RestartRow{"NegativeCountIsLetThrough", "1", "-3", "1", 1, -3, 1, -1 / 3.0, 340},
                    RestartRow{"NegativeSpanIsLetThrough", "1", "4", "-1", 1, 4, -1, -0.25, 340},
                    RestartRow{"TextWithoutANumberCountsAsZero", "fast", "4", "1", 0, 4, 1, 0.25, 0},
                    RestartRow{"NumberAtTheStartOfATextCounts", "2.5x", " 10 waves", "1,5", 2.5, 10, 1, 0.1, 850},
                    RestartRow{"ExponentsAreRead", "2e0", "5e1", "4e-1", 2, 50, 0.4, 0.008, 680},
                    RestartRow{"FiftyAndAFractionIsFiftyWaves", "3", "50.9", "4", 3, 50.9, 4, 4 / 50.9, 1020},
                    RestartRow{"BelowOneWaveDrawsOnlyTheSource", "1", "0.5", "1", 1, 0.5, 1, 2, 340},
                    // With a negative span only the first wavefront keeps a positive age, 0.04 s: nothing is huge.
                    RestartRow{"OneWaveWithAHugeNegativeSpan", "1", "1", "-1e37", 1, 1, -1e37, -1e37, 340}),
    [](const testing::TestParamInfo<RestartRow> &info) { return std::string(info.param.name); });

TEST(RestartAgain, ASecondStartWithTheSameTextsPutsTheClockBackToZero)
{
    WaveState state = startedUp();
    restart(state, "0", "4", "1");
    RecordingSink sink;
    tick(state, sink);
    tick(state, sink);
    ASSERT_EQ(state.tNow, 0.04 + 0.04);
    restart(state, "0", "4", "1");
    EXPECT_EQ(state.tNow, 0.0);
    tick(state, sink);
    EXPECT_EQ(sink.frame().front().radius, static_cast<float>(340.0 * 0.04)); // the frame for 0.04 again
}

struct RefusalRow {
    const char *name;
    const char *m, *nWave, *tMax;
    WaveField field;
    const char *says; // a part of the sentence that names the field or what is accepted
};

class Refusal : public testing::TestWithParam<RefusalRow> {};

TEST_P(Refusal, NamesTheFieldAndChangesNothing)
{
    const RefusalRow &row = GetParam();
    // A state in the middle of an animation, with slots written by ticks.
    WaveState state = startedUp();
    restart(state, "1.2", "7", "2");
    RecordingSink sink;
    for (int n = 0; n < 5; ++n)
        tick(state, sink);
    const WaveState before = state;

    try {
        restart(state, row.m, row.nWave, row.tMax);
        FAIL() << "not refused";
    } catch (const RestartRefused &refusal) {
        EXPECT_EQ(refusal.field(), row.field);
        const std::string sentence = refusal.what();
        EXPECT_NE(sentence.find(row.says), std::string::npos) << sentence;
        EXPECT_EQ(sentence.back(), '.') << sentence;
        EXPECT_EQ(sentence.find('\n'), std::string::npos) << sentence;
    }
    EXPECT_EQ(state, before);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Refusal,
    testing::Values(
        RefusalRow{"ZeroWaves", "1", "0", "1", WaveField::nWave, "from 1 to 50"},
        RefusalRow{"EmptyWaveCount", "1", "", "1", WaveField::nWave, "cannot be 0"},
        RefusalRow{"WordForWaveCount", "1", "many", "1", WaveField::nWave, "cannot be 0"},
        RefusalRow{"NegativeZeroWaves", "1", "-0.0", "1", WaveField::nWave, "cannot be 0"},
        RefusalRow{"FiftyOneWaves", "1", "51", "1", WaveField::nWave, "more than 50"},
        RefusalRow{"SixtyWaves", "1", "60", "1", WaveField::nWave, "more than 50"},
        RefusalRow{"AstronomicalWaveCount", "1", "1e300", "1", WaveField::nWave, "more than 50"},
        RefusalRow{"MachTooLargeForADouble", "1e309", "4", "1", WaveField::M, "Mach number M is too large"},
        RefusalRow{"CountTooLargeForADouble", "1", "9e999", "1", WaveField::nWave, "nWave is too large"},
        RefusalRow{"SpanTooLargeForADouble", "1", "4", "-2e400", WaveField::tMax, "tMax is too large"},
        RefusalRow{"FirstBadTextIsNamedFirst", "1e400", "0", "1e400", WaveField::M, "Mach number M"},
        RefusalRow{"IntervalOverflows", "1", "1e-320", "1e10", WaveField::nWave, "too small for this time span"},
        RefusalRow{"SourceSpeedOverflows", "1e307", "4", "1", WaveField::M, "Mach number M is too large"},
        RefusalRow{"CentresBeyondSinglePrecision", "1e36", "4", "1", WaveField::M, "enter a number from -"},
        RefusalRow{"RadiiBeyondSinglePrecision", "0", "4", "1e37", WaveField::tMax, "enter a number of seconds from -"},
        RefusalRow{"NegativeSpanBeyondSinglePrecision", "0", "50", "-1e38", WaveField::tMax, "enter a number of seconds from -"},
        RefusalRow{"SpanTooLongAtAnOrdinaryMach", "1.2", "4", "1e36", WaveField::tMax,
                   "enter a number of seconds from -"},
        RefusalRow{"MachAloneTooLarge", "1e30", "2", "1e30", WaveField::M, "enter a number from -"},
        RefusalRow{"BothTooLarge", "1e30", "2", "1e37", WaveField::tMax, "enter a number of seconds from -"}),
    [](const testing::TestParamInfo<RefusalRow> &info) { return std::string(info.param.name); });

TEST(RefusalLimit, TheLimitNamedInARefusalIsItselfAcceptedAndDrawsAWholeCycle)
{
    struct Case {
        const char *m, *nWave, *tMax;
        WaveField field;
    };
    for (const Case &c : {Case{"1e36", "4", "1", WaveField::M}, Case{"-1e36", "3", "2", WaveField::M},
                          Case{"0", "4", "1e37", WaveField::tMax}, Case{"2", "1", "1e38", WaveField::tMax},
                          Case{"1", "30", "-1e38", WaveField::tMax}}) {
        SCOPED_TRACE(std::string(c.m) + " " + c.nWave + " " + c.tMax);
        WaveState state = startedUp();
        std::string sentence;
        try {
            restart(state, c.m, c.nWave, c.tMax);
            FAIL() << "not refused";
        } catch (const RestartRefused &refusal) {
            sentence = refusal.what();
        }
        const std::size_t from = sentence.rfind(" to ") + 4;
        const std::string limit = sentence.substr(from, sentence.size() - 1 - from);
        const bool negative = std::string(c.field == WaveField::M ? c.m : c.tMax).front() == '-';
        const std::string accepted = (negative ? "-" : "") + limit;
        ASSERT_NO_THROW(restart(state, c.field == WaveField::M ? accepted : c.m, c.nWave,
                                c.field == WaveField::tMax ? accepted : c.tMax))
            << sentence;
        // The accepted limit is close to the real one: ten times more is refused.
        const std::string tenTimes = shortestText(textToNumber(accepted) * 10);
        WaveState other = startedUp();
        EXPECT_THROW(restart(other, c.field == WaveField::M ? tenTimes : c.m, c.nWave,
                             c.field == WaveField::tMax ? tenTimes : c.tMax),
                     RestartRefused);
        // A whole clock cycle at the limit ticks without a run-time error. The clock would take too many ticks to
        // reach a huge interval, so the cycle's last clock value is set directly: the oldest, largest circles.
        RecordingSink sink;
        EXPECT_NO_THROW(tick(state, sink));
        state.tNow = std::max(state.dtWave, 0.0);
        EXPECT_NO_THROW(tick(state, sink));
        EXPECT_EQ(sink.frame().size(), static_cast<std::size_t>(waveCount(state.nWave)) + 1);
    }
}

TEST(WaveCount, ComparesTheCounterWithTheBoundUnchanged)
{
    EXPECT_EQ(waveCount(0.0), 0);
    EXPECT_EQ(waveCount(0.99), 0);
    EXPECT_EQ(waveCount(-4.0), 0);
    EXPECT_EQ(waveCount(1.0), 1);
    EXPECT_EQ(waveCount(4.6), 4);
    EXPECT_EQ(waveCount(50.0), 50);
    EXPECT_EQ(waveCount(50.999), 50);
    EXPECT_EQ(waveCount(51.0), 51);
    EXPECT_GT(waveCount(1e300), 50);
}

} // namespace
} // namespace conwave
