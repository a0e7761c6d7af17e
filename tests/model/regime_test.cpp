#include "regime.h"
#include "wave_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace conwave {
namespace {

struct DescriptionRow {
    const char *name;
    const char *m, *nWave, *tMax;
    const char *sentence;
};

class Description : public testing::TestWithParam<DescriptionRow> {};

TEST_P(Description, SaysWhatThePictureShows)
{
    const DescriptionRow &row = GetParam();
    WaveState state;
    initialise(state);
    restart(state, row.m, row.nWave, row.tMax);
    EXPECT_EQ(describePicture(state), row.sentence);
}

INSTANTIATE_TEST_SUITE_P(
    Regimes, Description,
    testing::Values(
        DescriptionRow{"AtRest", "0", "4", "1",
                       "Subsonic at Mach 0: the source stays inside its wavefronts, a wavefront every 0.25 s."},
        DescriptionRow{"JustBelowSound", "0.9", "10", "1",
                       "Subsonic at Mach 0.9: the source stays inside its wavefronts, a wavefront every 0.1 s."},
        DescriptionRow{"Sonic", "1", "4", "1", "Sonic at Mach 1: every wavefront touches the source, a wavefront "
                                               "every 0.25 s."},
        DescriptionRow{"MachTwo", "2", "4", "1", "Supersonic at Mach 2: a Mach cone with a Mach angle of 30.0 degrees, "
                                                 "a wavefront every 0.25 s."},
        DescriptionRow{"WorkedExample", "1.2", "4", "1", "Supersonic at Mach 1.2: a Mach cone with a Mach angle of "
                                                         "56.4 degrees, a wavefront every 0.25 s."},
        DescriptionRow{"FastestScrollValue", "3", "30", "4", "Supersonic at Mach 3: a Mach cone with a Mach angle of "
                                                             "19.5 degrees, a wavefront every 0.133333333333333 s."},
        DescriptionRow{"NegativeMachByItsMagnitude", "-2", "4", "1",
                       "Supersonic at Mach 2: a Mach cone with a Mach angle of 30.0 degrees, a wavefront every 0.25 s."},
        DescriptionRow{"NegativeSonic", "-1", "2", "1",
                       "Sonic at Mach 1: every wavefront touches the source, a wavefront every 0.5 s."},
        DescriptionRow{"JustAboveSound", "1.0001", "4", "1", "Supersonic at Mach 1.0001: a Mach cone with a Mach angle "
                                                             "of 89.2 degrees, a wavefront every 0.25 s."},
        DescriptionRow{"NoWavefrontBelowOne", "2", "0.5", "1",
                       "Supersonic at Mach 2: a Mach cone with a Mach angle of 30.0 degrees, with no wavefront drawn."},
        DescriptionRow{"NegativeSpanByItsMagnitude", "0.5", "4", "-1",
                       "Subsonic at Mach 0.5: the source stays inside its wavefronts, a wavefront every 0.25 s."}),
    [](const testing::TestParamInfo<DescriptionRow> &info) { return std::string(info.param.name); });

TEST(Description, BeforeTheFirstStartItSaysHowToBegin)
{
    WaveState state;
    initialise(state);
    EXPECT_EQ(describePicture(state), "Press START to begin the animation.");
}

TEST(MachAngle, IsTheArcSineOfTheInverseMachNumber)
{
    EXPECT_DOUBLE_EQ(machAngleDegrees(2.0), 30.0);
    EXPECT_DOUBLE_EQ(machAngleDegrees(-2.0), 30.0);
    EXPECT_NEAR(machAngleDegrees(1.2), 56.442690, 1e-6);
    EXPECT_NEAR(machAngleDegrees(std::sqrt(2.0)), 45.0, 1e-12);
    EXPECT_EQ(machAngleDegrees(1.0), 90.0);
    EXPECT_EQ(machAngleDegrees(0.5), 90.0);
}

} // namespace
} // namespace conwave
