// conwave-frames --svg: a well-formed picture whose circles are the frame's, checked against the CSV of the same tick.
#include "run_frames.h"
#include "svg_reader.h"

#include <QString>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SvgRow {
    const char *name;
    std::vector<std::string> texts;
    const char *ticks;
    const char *caption;
};

class FrameSvg : public testing::TestWithParam<SvgRow> {};

TEST_P(FrameSvg, ShowsTheCirclesOfThatTick)
{
    const SvgRow &row = GetParam();
    std::vector<std::string> svgArgs = {"--svg", "--ticks", row.ticks};
    std::vector<std::string> csvArgs = {"--ticks", row.ticks};
    svgArgs.insert(svgArgs.end(), row.texts.begin(), row.texts.end());
    csvArgs.insert(csvArgs.end(), row.texts.begin(), row.texts.end());
    const Result svgRun = runFrames(svgArgs);
    ASSERT_EQ(svgRun.status, 0) << svgRun.err;
    const Picture svg = parse(svgRun.out);

    EXPECT_EQ(svg.outer.a.value("width"), u"400");
    EXPECT_EQ(svg.outer.number("height"), 267 + 20); // the picture, then the caption
    EXPECT_EQ(svg.viewport.a.value("viewBox"), u"-340 -340 1020 680");
    EXPECT_EQ(svg.all("g", "").front()->a.value("clip-path"),
              "url(#" + svg.all("clipPath", "").front()->a.value("id").toString() + ")");
    EXPECT_EQ(svg.label("").toStdString(), row.caption);
    std::vector<const Element *> circles;
    for (const Element &e : svg.elements)
        if (e.name == u"circle")
            circles.push_back(&e);

    // The CSV rows of the last tick, less negative radii, which the picture does not draw.
    std::vector<std::vector<std::string>> expected;
    for (const std::string &line : lines(runFrames(csvArgs).out))
        if (line.rfind(std::string(row.ticks) + ",", 0) == 0 && fields(line)[5].front() != '-')
            expected.push_back(fields(line));
    ASSERT_EQ(circles.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        SCOPED_TRACE(k);
        const Element &c = *circles[k];
        EXPECT_EQ(c.a.value("cx").toFloat(), std::stof(expected[k][3]));
        EXPECT_EQ(c.a.value("cy").toFloat(), std::stof(expected[k][4]));
        if (expected[k][2] == "0") {
            // The source marker, far below a pixel: a filled dot one pixel across (1020 m over 400 px).
            EXPECT_EQ(c.cls, "dot");
            EXPECT_FLOAT_EQ(c.a.value("r").toFloat(), 1020.0f / 400 / 2);
            EXPECT_EQ(c.a.value("fill"), u"#FF0000");
        } else {
            EXPECT_EQ(c.cls, "wave");
            EXPECT_EQ(c.a.value("r").toFloat(), std::stof(expected[k][5]));
            EXPECT_EQ(c.a.value("fill"), u"none");
            EXPECT_EQ(c.a.value("stroke"), u"#FF0000");
            EXPECT_EQ(c.a.value("vector-effect"), u"non-scaling-stroke");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameSvg,
    testing::Values(SvgRow{"WorkedExample", {"1.2", "4", "1"}, "1", "M = 1.2, nWave = 4, tMax = 1, tNow = 0.04 s"},
                    SvgRow{"LastTickOfTheCycle", {"1.2", "4", "1"}, "7", "M = 1.2, nWave = 4, tMax = 1, tNow = 0.28 s"},
                    SvgRow{"AfterTheWrap", {"1.2", "4", "1"}, "8", "M = 1.2, nWave = 4, tMax = 1, tNow = 0.04 s"},
                    SvgRow{"WidestScrollPicture", {"3", "30", "4"}, "3", "M = 3, nWave = 30, tMax = 4, tNow = 0.12 s"},
                    SvgRow{"NegativeSpanDropsNegativeRadii", {"2", "5", "-1"}, "1",
                           "M = 2, nWave = 5, tMax = -1, tNow = 0.04 s"},
                    SvgRow{"TypedTexts", {" 0.5x", "4.6", "2"}, "2", "M = 0.5, nWave = 4.6, tMax = 2, tNow = 0.08 s"}),
    [](const testing::TestParamInfo<SvgRow> &info) { return std::string(info.param.name); });

TEST(FrameSvgStatus, RefusalsAndUsageAsForCsv)
{
    const Result refused = runFrames({"--svg", "1", "0", "1"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("nWave cannot be 0"), std::string::npos) << refused.err;

    for (const std::vector<std::string> &args : {std::vector<std::string>{"--svg"},
                                                 std::vector<std::string>{"--svg", "--ticks", "0", "1", "4", "1"},
                                                 std::vector<std::string>{"--svg", "1", "4"}}) {
        const Result r = runFrames(args);
        EXPECT_EQ(r.status, 64) << args.size();
        EXPECT_EQ(r.out, "");
    }
}

} // namespace
