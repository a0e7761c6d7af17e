#include "runtime_services.h"
#include "wave_state.h"
#include "words.h"
#include "wave_tick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

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
        // The pattern and the range's texts are what the window words in other languages.
        EXPECT_EQ(sentence, fillWords(refusalPattern(refusal.reason()), {refusal.lowText(), refusal.highText()}));
        EXPECT_EQ(textToNumber(refusal.lowText()), refusal.accepted().low);
        EXPECT_EQ(textToNumber(refusal.highText()), refusal.accepted().high);
    }
    EXPECT_EQ(state, before);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Refusal,
    testing::Values(
        RefusalRow{"ZeroWaves", "1", "0", "1", WaveField::nWave, "from 1 to 50"},
        RefusalRow{"EmptyWaveCount", "1", "", "1", WaveField::nWave, "is not a number, so it reads as 0"},
        RefusalRow{"WordForWaveCount", "1", "abc", "1", WaveField::nWave,
                   "nWave is not a number, so it reads as 0: enter a number from 1 to 50."},
        RefusalRow{"BareSignAndPoint", "1", " -.e5", "1", WaveField::nWave, "is not a number"},
        RefusalRow{"NegativeZeroWaves", "1", "-0.0", "1", WaveField::nWave, "cannot be 0"},
        RefusalRow{"PointThenDigitIsANumber", "1", " +.0", "1", WaveField::nWave, "cannot be 0"},
        RefusalRow{"TooSmallForADoubleIsANumber", "1", "1e-400", "1", WaveField::nWave, "cannot be 0"},
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
        RefusalRow{"BothTooLarge", "1e30", "2", "1e37", WaveField::tMax, "enter a number of seconds from -"},
        // Even a span of 0 leaves the newest wavefront 0.04 s old, too far downstream at this speed.
        RefusalRow{"NoSpanFitsThisMach", "1e38", "1", "1e36", WaveField::M, "with these wavefronts: enter a number from -1 to 1."},
        RefusalRow{"NoSpanFitsAndTheSpanIsAbsurd", "-1e38", "3", "1e300", WaveField::M, "at any time span"}),
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

// A user who types what each refusal asks for, in the field it names, the other texts unchanged.
enum class Pick { Low, Middle, High };

// Texts for one field: random signs, mantissas and exponents up to +-308, now and then an ordinary value.
std::string extremeText(std::mt19937_64 &random)
{
    std::uniform_int_distribution<int> exponent(-308, 308), digits(100, 999), coin(0, 7);
    const int kind = coin(random);
    if (kind == 0)
        return std::to_string(digits(random) % 5); // 0 to 4, as the scroll bars give
    std::string text = kind % 2 == 0 ? "-" : "";
    const int d = digits(random);
    return text + std::to_string(d / 100) + '.' + std::to_string(d % 100) + 'e' + std::to_string(exponent(random));
}

// The number the text after `lead` reads as; NaN when the sentence has no such part.
double numberAfter(const std::string &sentence, const std::string &lead)
{
    const std::size_t at = sentence.rfind(lead);
    return at == std::string::npos ? std::nan("") : textToNumber(std::string_view(sentence).substr(at + lead.size()));
}

// Follows the refusals from three texts until the restart accepts; the fields the refusals named, in order.
std::vector<WaveField> followRefusals(std::array<std::string, 3> texts, Pick pick)
{
    std::vector<WaveField> named;
    for (int attempt = 0; attempt <= 3; ++attempt) {
        WaveState state = startedUp();
        try {
            restart(state, texts[0], texts[1], texts[2]);
            return named;
        } catch (const RestartRefused &refusal) {
            const std::string sentence = refusal.what();
            SCOPED_TRACE(texts[0] + " " + texts[1] + " " + texts[2] + ": " + sentence);
            for (const char *never : {"nan", "inf", "NaN", "Inf"})
                EXPECT_EQ(sentence.find(never), std::string::npos);
            const AcceptedRange range = refusal.accepted();
            EXPECT_TRUE(std::isfinite(range.low) && std::isfinite(range.high) && range.low <= range.high);
            // The message shows the range: "... from LOW to HIGH." or "... such as LOW to HIGH."
            EXPECT_EQ(numberAfter(sentence, " to "), range.high);
            const double low = sentence.find(" from ") != std::string::npos ? numberAfter(sentence, " from ")
                                                                            : numberAfter(sentence, " such as ");
            EXPECT_EQ(low, range.low);
            EXPECT_EQ(std::count(named.begin(), named.end(), refusal.field()), 0) << "the same field twice";
            if (testing::Test::HasFailure())
                return named;
            named.push_back(refusal.field());
            const double value = pick == Pick::Low    ? range.low
                                 : pick == Pick::High ? range.high
                                                      : range.low + (range.high - range.low) / 2;
            texts[static_cast<std::size_t>(refusal.field())] = numberToText(value);
        }
    }
    ADD_FAILURE() << "still refused after every field was corrected";
    return named;
}

TEST(RefusalProperty, FollowingTheRefusalsOfExtremeTextsReachesAnAcceptedRestart)
{
    std::mt19937_64 random(20261210);
    std::array<int, 3> namedByField{};
    int longestChain = 0;
    for (int n = 0; n < 4000 && !testing::Test::HasFailure(); ++n) {
        const std::array<std::string, 3> texts{extremeText(random), extremeText(random), extremeText(random)};
        for (const Pick pick : {Pick::Low, Pick::Middle, Pick::High}) {
            const std::vector<WaveField> named = followRefusals(texts, pick);
            for (const WaveField field : named)
                ++namedByField[static_cast<std::size_t>(field)];
            longestChain = std::max(longestChain, static_cast<int>(named.size()));
        }
    }
    // The texts reach every field's refusals, and cases where one correction leads to the next.
    for (const int count : namedByField)
        EXPECT_GT(count, 500);
    EXPECT_GE(longestChain, 2);
}

// When only one field is beyond what can be drawn, a value from its refusal's range is accepted straight away.
TEST(RefusalProperty, OneBadFieldIsMendedByItsOwnRange)
{
    for (const std::array<std::string, 3> &texts : std::vector<std::array<std::string, 3>>{
             {"1e38", "1", "1"}, {"1e38", "1", "1e36"}, {"-1e36", "30", "4"}, {"2", "4", "1e37"}, {"0", "50", "-1e38"}, {"1", "0", "1"},
             {"1", "1e-320", "1e10"}, {"3", "4", "1e400"}})
        for (const Pick pick : {Pick::Low, Pick::Middle, Pick::High})
            EXPECT_EQ(followRefusals(texts, pick).size(), 1u) << texts[0] << " " << texts[1] << " " << texts[2];
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
