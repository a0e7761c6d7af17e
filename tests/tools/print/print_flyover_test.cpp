// conwave-frames --svg --print --listener: the fly-over for paper at the instant of the boom, read back with a real XML
// parser. The Mach line that reaches the ground runs through the listener, and the caption says when the boom comes
// and what is heard far ahead and behind; the worksheet draws the same fronts without those answers.
#include "run_frames.h"
#include "svg_reader.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(PrintFlyOver, TheConeTouchesTheListenerAtTheBoom)
{
    const Result key = runFrames({"--svg", "--print", "--listener", "10000", "2", "8", "2"});
    ASSERT_EQ(key.status, 0) << key.err;
    const Picture picture = parse(key.out);
    const std::vector<const Element *> mach = picture.all("line", "mach");
    ASSERT_EQ(mach.size(), 2u);
    double nearest = 1e300; // the listener's distance from the nearer Mach line [m]
    for (const Element *line : mach) {
        const double x1 = line->number("x1"), y1 = line->number("y1"), dx = line->number("x2") - x1,
                     dy = line->number("y2") - y1;
        nearest = std::min(nearest, std::fabs(dx * y1 - dy * x1) / std::hypot(dx, dy));
    }
    EXPECT_LT(nearest, 1.0);
    const auto source = picture.all("circle", "source");
    ASSERT_EQ(source.size(), 1u);
    EXPECT_NEAR(source.front()->number("cx"), -10000.0 * std::sqrt(3.0), 1e-6); // 680 m/s to the left, for the boom's delay
    EXPECT_EQ(source.front()->number("cy"), -10000.0);
    const QString caption = picture.caption.join(' ');
    for (const char *said : {"25.5 s after the pass overhead", "f0 / (|M| - 1) = 4 Hz", "f0 / (1 + |M|) = 1.33 Hz"})
        EXPECT_TRUE(caption.contains(QString::fromUtf8(said))) << caption.toStdString();

    const Result sheetRun = runFrames({"--svg", "--print", "--worksheet", "--listener", "10000", "2", "8", "2"});
    ASSERT_EQ(sheetRun.status, 0) << sheetRun.err;
    const Picture sheet = parse(sheetRun.out);
    EXPECT_TRUE(sheet.all("line", "mach").empty());
    EXPECT_EQ(sheet.all("circle", "wave").size(), picture.all("circle", "wave").size());
    EXPECT_FALSE(sheet.caption.join(' ').contains("25.5")) << sheet.caption.join(' ').toStdString();
    EXPECT_FALSE(sheet.caption.join(' ').contains("Hz =")) << sheet.caption.join(' ').toStdString();
}

} // namespace
