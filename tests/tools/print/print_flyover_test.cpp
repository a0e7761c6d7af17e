// conwave-frames --svg --print --listener: the fly-over for paper at the instant of the boom, read back with a real XML
// parser. The fronts reach up to the source; the Mach line that reaches the ground and the front that carries the
// boom run through the listener; the key marks the Mach angle and the distance flown, and the caption says when the
// boom comes and what is heard far ahead and behind; the worksheet draws the same fronts without those answers. The
// labels keep clear of each other, of the flight line and of the source.
#include "run_frames.h"
#include "svg_reader.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// The fly-over for paper, for a listener H metres below: H, then any options and the texts.
Picture printed(std::vector<std::string> args)
{
    args.insert(args.begin(), {"--svg", "--print", "--listener"});
    const Result run = runFrames(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return parse(run.out);
}

TEST(PrintFlyOver, TheConeTouchesTheListenerAtTheBoom)
{
    const Picture picture = printed({"10000", "2", "8", "2"});
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
    // Drawn one in 15 up to the source, and the front sent at tE* through the listener.
    const auto radius = [](const Element *circle) { return circle->number("r"); };
    EXPECT_LT(radius(std::ranges::min(picture.all("circle", "wave"), {}, radius)), 15 * 340.0 * 0.25);
    const auto boom = picture.all("circle", "boom-front");
    ASSERT_EQ(boom.size(), 1u);
    EXPECT_NEAR(std::hypot(boom[0]->number("cx"), boom[0]->number("cy")), boom[0]->number("r"), 1e-6);
    EXPECT_EQ(picture.label("angle"), u"30.0\u00B0");
    EXPECT_EQ(picture.label("flown"), u"17.3 km");
    const QString caption = picture.caption.join(' ');
    for (const char *said : {"one in 15", "25.5 s after the pass overhead", "f0 / (|M| - 1) = 4 Hz",
                             "f0 / (1 + |M|) = 1.33 Hz"})
        EXPECT_TRUE(caption.contains(QString::fromUtf8(said))) << caption.toStdString();

    const Picture sheet = printed({"10000", "--worksheet", "2", "8", "2"});
    for (const QString answer : {"mach", "arc", "angle", "flown", "boom-front"})
        EXPECT_TRUE(std::none_of(sheet.elements.begin(), sheet.elements.end(),
                                 [&](const Element &e) { return e.cls == answer; })) << answer.toStdString();
    EXPECT_EQ(sheet.all("circle", "wave").size(), picture.all("circle", "wave").size());
    const QString sheetCaption = sheet.caption.join(' ');
    EXPECT_TRUE(sheetCaption.contains("an instant of the fly-over.") && !sheetCaption.contains("Hz ="))
        << sheetCaption.toStdString();
    // With a span of its own, one in 15 of the 25 fronts sent by then, counted from the last: two.
    EXPECT_EQ(printed({"10000", "--span", "3", "2", "8", "2"}).all("circle", "wave").size(), 2u);
}

class PrintFlyOverLabels : public testing::TestWithParam<std::vector<std::string>> {};

// The scale bar's numbers apart, as wide as any face draws digits; the height's label off the flight line and the
// source's dot on it; every caption line within the picture's width (82 characters at 3.5 mm).
TEST_P(PrintFlyOverLabels, KeepClearOfEachOtherAndOfTheFlight)
{
    const Picture picture = printed(GetParam());
    const auto halfInk = [](const Element *label) { // at 0.65 em per character [mm]
        return 0.65 / 2 * label->number("font-size") * static_cast<double>(label->text.size());
    };
    const auto marks = picture.all("text", "scale");
    for (std::size_t k = 1; k < marks.size(); ++k)
        EXPECT_LT(marks[k - 1]->number("x") + halfInk(marks[k - 1]), marks[k]->number("x") - halfInk(marks[k]));
    const QStringList box = picture.viewport.a.value("viewBox").toString().split(' ');
    const double flight = picture.viewport.number("y") +
                          (picture.all("circle", "source")[0]->number("cy") - box[1].toDouble()) *
                              picture.viewport.number("width") / box[2].toDouble();
    const Element *height = picture.all("text", "height")[0];
    const double y = height->number("y"), size = height->number("font-size"), dot = 1.0;
    EXPECT_TRUE(y + 0.2 * size < flight - dot || y - 0.75 * size > flight + dot) << "across the flight or the source";
    for (const QString &line : picture.caption)
        EXPECT_LE(line.size(), 82) << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Flights, PrintFlyOverLabels,
                         testing::Values(std::vector<std::string>{"1000", "3", "8", "2"},
                                         std::vector<std::string>{"1000", "-2", "8", "2"},
                                         std::vector<std::string>{"1000", "1.01", "8", "2"},
                                         std::vector<std::string>{"0", "2", "8", "2"},
                                         std::vector<std::string>{"0", "0", "5", "1"}));

} // namespace
