#include "regime.h"
#include "restarted.h"
#include "wave_state.h"
#include "words.h"

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
    EXPECT_EQ(describePicture(test::restarted(row.m, row.nWave, row.tMax)), row.sentence);
}

INSTANTIATE_TEST_SUITE_P(
    Regimes, Description,
    testing::Values(
        DescriptionRow{"AtRest", "0", "4", "1", "At rest at Mach 0: the wavefronts are concentric circles around the "
                                                "source, a wavefront every 0.25 s."},
        DescriptionRow{"JustBelowSound", "0.9", "10", "1",
                       "Subsonic at Mach 0.9: the source stays inside its wavefronts, a wavefront every 0.1 s."},
        DescriptionRow{"Sonic", "1", "4", "1", "Sonic at Mach 1: every wavefront touches the source, a wavefront "
                                               "every 0.25 s."},
        DescriptionRow{"MachTwo", "2", "4", "1", "Supersonic at Mach 2: a Mach cone with a Mach angle of 30.0 degrees, "
                                                 "a wavefront every 0.25 s."},
        DescriptionRow{"WorkedExample", "1.2", "4", "1", "Supersonic at Mach 1.2: a Mach cone with a Mach angle of "
                                                         "56.4 degrees, a wavefront every 0.25 s."},
        DescriptionRow{"IntervalInThreeFigures", "3", "30", "4", "Supersonic at Mach 3: a Mach cone with a Mach angle "
                                                                 "of 19.5 degrees, a wavefront every 0.133 s."},
        DescriptionRow{"SixthOfASecond", "0.5", "6", "1", "Subsonic at Mach 0.5: the source stays inside its "
                                                          "wavefronts, a wavefront every 0.167 s."},
        DescriptionRow{"TypedMachInThreeFigures", "2.34567", "4", "1000",
                       "Supersonic at Mach 2.35: a Mach cone with a Mach angle of 25.2 degrees, a wavefront every "
                       "250 s."},
        DescriptionRow{"NegativeMachMovesTheOtherWay", "-2", "4", "1",
                       "Supersonic at Mach 2, moving the other way: a Mach cone with a Mach angle of 30.0 degrees, a "
                       "wavefront every 0.25 s."},
        DescriptionRow{"NegativeSonic", "-1", "2", "1", "Sonic at Mach 1, moving the other way: every wavefront "
                                                        "touches the source, a wavefront every 0.5 s."},
        DescriptionRow{"NegativeSubsonic", "-0.5", "2", "1",
                       "Subsonic at Mach 0.5, moving the other way: the source stays inside its wavefronts, a "
                       "wavefront every 0.5 s."},
        DescriptionRow{"NegativeZeroIsAtRest", "-0", "4", "1", "At rest at Mach 0: the wavefronts are concentric "
                                                               "circles around the source, a wavefront every 0.25 s."},
        DescriptionRow{"JustAboveSoundNeverReadsAsOne", "1.0001", "4", "1",
                       "Supersonic at Mach 1.0001: a Mach cone with a Mach angle of 89.2 degrees, a wavefront every "
                       "0.25 s."},
        DescriptionRow{"JustBelowSoundNeverReadsAsOne", "0.99996", "4", "1",
                       "Subsonic at Mach 0.99996: the source stays inside its wavefronts, a wavefront every 0.25 s."},
        DescriptionRow{"UnderOneTickStandsStill", "1", "50", "1",
                       "Sonic at Mach 1: every wavefront touches the source, a wavefront every 0.02 s, less than one "
                       "frame of 0.04 s: the picture stands still."},
        DescriptionRow{"OneTickStillMoves", "2", "25", "1", "Supersonic at Mach 2: a Mach cone with a Mach angle of "
                                                            "30.0 degrees, a wavefront every 0.04 s."},
        DescriptionRow{"NoWavefrontBelowOne", "2", "0.5", "1",
                       "Supersonic at Mach 2: a Mach cone with a Mach angle of 30.0 degrees, with no wavefront drawn."},
        DescriptionRow{"NegativeSpanDrawsOneWavefront", "0.5", "4", "-1",
                       "Subsonic at Mach 0.5: the source stays inside its wavefronts, a negative time span: only the "
                       "youngest wavefront is drawn and the picture stands still."},
        DescriptionRow{"NegativeSpanUnderOneTickDrawsThose", "1.5", "6", "-0.1",
                       "Supersonic at Mach 1.5: a Mach cone with a Mach angle of 41.8 degrees, a negative time span: "
                       "only the 3 youngest wavefronts are drawn and the picture stands still."}),
    [](const testing::TestParamInfo<DescriptionRow> &info) { return std::string(info.param.name); });

// Before the first START the picture says how to begin. The facts are what every language words: the same
// numbers, unrounded.
TEST(Description, FactsCarryThePhysics)
{
    WaveState state;
    initialise(state);
    EXPECT_EQ(pictureFacts(state).regime, Regime::NotStarted);
    EXPECT_EQ(describePicture(state), "Press START to begin the animation.");
    restart(state, "-1.2", "6", "1");
    const PictureFacts facts = pictureFacts(state);
    EXPECT_EQ(facts.regime, Regime::Supersonic);
    EXPECT_EQ(facts.mach, 1.2);
    EXPECT_EQ(facts.machAngle, machAngleDegrees(1.2));
    EXPECT_EQ(facts.interval, 1.0 / 6.0);
    EXPECT_TRUE(facts.movesOtherWay);
    EXPECT_FALSE(facts.standsStill);
    EXPECT_FALSE(facts.noWavefront);
}

struct NumberRow {
    const char *name;
    double value;
    const char *text;
};

class ReadableNumber : public testing::TestWithParam<NumberRow> {};

TEST_P(ReadableNumber, HasThreeSignificantFigures) { EXPECT_EQ(readableNumber(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReadableNumber,
    testing::Values(NumberRow{"Zero", 0.0, "0"}, NumberRow{"Sixth", 1.0 / 6.0, "0.167"},
                    NumberRow{"Quarter", 0.25, "0.25"}, NumberRow{"Whole", 3.0, "3"},
                    NumberRow{"RoundsUpAcrossAPower", 0.09996, "0.1"}, NumberRow{"Thousand", 1000.0, "1000"},
                    NumberRow{"LargeKeepsThreeFigures", 123456.0, "123000"},
                    NumberRow{"NegativeThird", -1.0 / 3.0, "-0.333"}, NumberRow{"Tiny", 1.23456e-7, "1.23e-07"},
                    NumberRow{"NearestToTheLargestDouble", 1.7976931348623157e308, "1.79769313486232e+308"}),
    [](const testing::TestParamInfo<NumberRow> &info) { return std::string(info.param.name); });

TEST(FillWords, PutsEachTextInItsPlace)
{
    EXPECT_EQ(fillWords("%2 before %1, 100%", {"a", "b"}), "b before a, 100%");
    EXPECT_EQ(fillWords("%1 and %3", {"x"}), "x and %3");
    EXPECT_EQ(fillWords("%1", {"%2"}), "%2"); // a filled text is not filled again
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
