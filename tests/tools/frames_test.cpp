// The frame driver run as a user runs it: its CSV, its exit statuses, and its numbers against a plain computation.
#include "run_frames.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

template <typename T>
T exactly(const std::string &text)
{
    T value{};
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc{} && ptr == text.data() + text.size()) << "not a number: " << text;
    return value;
}

const char *kHeader = "tick,tNow,wave,x,y,radius,colour";

TEST(FramesOutput, WorkedExampleAsCsv)
{
    const Result r = runFrames({"--ticks", "1", "1.2", "4", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, std::string(kHeader) + "\n"
                                            "1,0.04,1,16.32,0,13.6,0x000000FF\n"
                                            "1,0.04,2,118.32,0,98.6,0x000000FF\n"
                                            "1,0.04,3,220.32,0,183.6,0x000000FF\n"
                                            "1,0.04,4,322.32,0,268.6,0x000000FF\n"
                                            "1,0.04,0,0,0,0.1,0x000000FF\n");
}

TEST(FramesOutput, SevenTicksByDefaultCoverOneClockCycle)
{
    const std::vector<std::string> rows = lines(runFrames({"1.2", "4", "1"}).out);
    ASSERT_EQ(rows.size(), 1u + 7 * 5);
    EXPECT_EQ(fields(rows[1])[1], "0.04");
    EXPECT_EQ(fields(rows.back())[0], "7");
    EXPECT_EQ(fields(rows.back())[1], "0.28"); // drawn before the wrap
    EXPECT_EQ(fields(rows[26])[1], "0.24000000000000002"); // the clock's running sum, shown exactly
}

TEST(FramesOutput, WithoutTextsEveryTickDrawsOnlyTheSource)
{
    const Result r = runFrames({"--ticks", "3"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string(kHeader) + "\n1,0.04,0,0,0,0.1,0x000000FF\n2,0.04,0,0,0,0.1,0x000000FF\n"
                                            "3,0.04,0,0,0,0.1,0x000000FF\n");
}

TEST(FramesOutput, ZeroTicksPrintTheHeaderAlone)
{
    const Result r = runFrames({"--ticks", "0", "1", "4", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string(kHeader) + "\n");
}

TEST(FramesOutput, TextsThatLookLikeOptionsAreTexts)
{
    // A negative Mach number is a text, and after "--" everything is.
    const std::vector<std::string> negative = lines(runFrames({"--ticks", "1", "-1", "4", "1"}).out);
    ASSERT_EQ(negative.size(), 6u);
    EXPECT_EQ(fields(negative[1])[3], "-13.6");
    const Result r = runFrames({"--ticks", "1", "--", "--5", "2", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fields(lines(r.out)[1])[3], "0"); // "--5" reads as 0
}

struct StatusRow {
    const char *name;
    std::vector<std::string> args;
    int status;
    const char *stderrSays;
};

class FramesStatus : public testing::TestWithParam<StatusRow> {};

TEST_P(FramesStatus, ExitsWithTheStatusAndSaysWhy)
{
    const StatusRow &row = GetParam();
    const Result r = runFrames(row.args);
    EXPECT_EQ(r.status, row.status);
    EXPECT_NE(r.err.find(row.stderrSays), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << "nothing on stdout when refused or misused";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FramesStatus,
    testing::Values(StatusRow{"ZeroWavesRefused", {"1", "0", "1"}, 2, "nWave cannot be 0"},
                    StatusRow{"SixtyWavesRefused", {"--ticks", "1", "1", "60", "1"}, 2, "more than 50"},
                    StatusRow{"HugeMachRefused", {"1e400", "4", "1"}, 2, "Mach number M is too large"},
                    StatusRow{"TooLongSpanRefused", {"0", "4", "1e37"}, 2, "tMax is too long"},
                    StatusRow{"TwoTexts", {"1", "4"}, 64, "Usage:"},
                    StatusRow{"FourTexts", {"1", "4", "1", "1"}, 64, "all three texts"},
                    StatusRow{"UnknownOption", {"--fast"}, 64, "unknown option --fast"},
                    StatusRow{"WorksheetWithoutPrint", {"--svg", "--worksheet", "2", "8", "2"}, 64, "--worksheet goes"},
                    StatusRow{"TicksWithoutCount", {"--ticks"}, 64, "--ticks needs"},
                    StatusRow{"NegativeTicks", {"--ticks", "-1"}, 64, "--ticks needs"},
                    StatusRow{"WordForTicks", {"--ticks", "seven"}, 64, "--ticks needs"},
                    StatusRow{"TicksBeyondRange", {"--ticks", "99999999999999999999"}, 64, "--ticks needs"},
                    StatusRow{"ListenerBelowTheGround", {"--listener", "-1", "2", "8", "2"}, 64, "--listener needs"},
                    StatusRow{"ListenerNotANumber", {"--listener", "1km", "2", "8", "2"}, 64, "--listener needs"},
                    StatusRow{"ListenerWithoutTexts", {"--listener", "1000"}, 64, "--listener needs the three"},
                    StatusRow{"SpanWithoutListener", {"--span", "5", "2", "8", "2"}, 64, "--span goes"},
                    StatusRow{"ListenerTextsRefused", {"--listener", "1000", "1", "0", "1"}, 2, "nWave cannot be 0"},
                    StatusRow{"ListenerTooManyFronts", {"--listener", "1000", "2", "50", "0.001"}, 2,
                              "More than 100000 wavefronts"},
                    StatusRow{"ListenerTooManyFrontsForTheBoom", {"--listener", "10000", "1.0000001", "4", "1"}, 2,
                              "from within 65767 s of the pass"},
                    StatusRow{"ListenerTooFarBelow", {"--listener", "1e308", "2", "8", "2"}, 2,
                              "distance below the flight H is too large for the fly-over: enter a number of metres "
                              "from 0 to 3.4e+38"},
                    StatusRow{"ListenerNoInterval", {"--listener", "1000", "2", "8", "0"}, 2,
                              "The interval tMax / nWave is 0 s"}),
    [](const testing::TestParamInfo<StatusRow> &info) { return std::string(info.param.name); });

TEST(FramesHelp, PrintsUsageOnStdout)
{
    const Result r = runFrames({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Usage: conwave-frames", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("tick,tNow,wave,x,y,radius,colour"), std::string::npos);
    for (const char *said : {"empty where dtA/dtE is 0", "or undefined (a moving", "\"boom\" in the front column"})
        EXPECT_NE(r.out.find(said), std::string::npos) << said; // the fly-over's empty frequencies and its boom
}

// The arithmetic of a tick, written out plainly from its equations, to check the driver bit for bit.
struct PlainCircle {
    int tick;
    double tNow;
    int wave;
    float x, radius;
};

struct Plain {
    double M, nWave, tMax;

    std::vector<PlainCircle> circles(int ticks) const
    {
        const double aSound = 340.0;
        const double dtWave = tMax / nWave;
        const double uSource = M * aSound;
        double tNow = 0.0;
        std::vector<PlainCircle> out;
        for (int tick = 1; tick <= ticks; ++tick) {
            tNow = tNow + 0.04;
            for (int i = 1; i <= nWave; ++i) {
                const double r = aSound * (tNow + (i - 1) * dtWave);
                const double x = uSource * (tNow + (i - 1) * dtWave);
                out.push_back({tick, tNow, i, static_cast<float>(x), static_cast<float>(r)});
            }
            out.push_back({tick, tNow, 0, 0.0f, 0.1f});
            if (tNow > dtWave)
                tNow = 0.0;
        }
        return out;
    }
};

TEST(FramesArithmetic, AgreesToTheLastBitWithAPlainComputation)
{
    std::vector<Plain> cases;
    for (int m = 0; m <= 30; m += 3)
        for (int n = 1; n <= 30; n += 7)
            for (int t = 1; t <= 4; ++t)
                cases.push_back({m / 10.0, double(n), double(t)});
    std::mt19937_64 random(20261208); // fixed seed: the same cases every run
    std::uniform_real_distribution<double> mach(-5.0, 5.0), count(1.0, 50.99), span(-10.0, 10.0);
    for (int k = 0; k < 25; ++k)
        cases.push_back({mach(random), count(random), span(random)});

    for (const Plain &c : cases) {
        // Texts with 17 significant digits read back to exactly the doubles of the plain computation.
        char m[32], n[32], t[32];
        std::snprintf(m, sizeof m, "%.17g", c.M);
        std::snprintf(n, sizeof n, "%.17g", c.nWave);
        std::snprintf(t, sizeof t, "%.17g", c.tMax);
        SCOPED_TRACE(std::string(m) + " " + n + " " + t);
        const Result r = runFrames({"--ticks", "40", m, n, t});
        ASSERT_EQ(r.status, 0) << r.err;
        std::vector<std::string> got = lines(r.out);
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(got.front(), kHeader);
        got.erase(got.begin());
        const std::vector<PlainCircle> expected = c.circles(40);
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t k = 0; k < got.size(); ++k) {
            SCOPED_TRACE(got[k]);
            const std::vector<std::string> cell = fields(got[k]);
            ASSERT_EQ(cell.size(), 7u);
            const PlainCircle &e = expected[k];
            ASSERT_EQ(exactly<int>(cell[0]), e.tick);
            ASSERT_EQ(std::bit_cast<std::uint64_t>(exactly<double>(cell[1])), std::bit_cast<std::uint64_t>(e.tNow));
            ASSERT_EQ(exactly<int>(cell[2]), e.wave);
            ASSERT_EQ(std::bit_cast<std::uint32_t>(exactly<float>(cell[3])), std::bit_cast<std::uint32_t>(e.x));
            ASSERT_EQ(exactly<float>(cell[4]), 0.0f);
            ASSERT_EQ(std::bit_cast<std::uint32_t>(exactly<float>(cell[5])), std::bit_cast<std::uint32_t>(e.radius));
            ASSERT_EQ(cell[6], "0x000000FF");
        }
    }
}

} // namespace
