// conwave-frames --svg --print --listener: the fly-over for paper at the instant of the boom, read back with a real XML
// parser. The key draws the fronts up to the source, thinned as its caption says, the Mach line that reaches the
// ground through the listener, the front that carries the boom through the listener, the Mach angle and the distance
// flown; its labels keep clear of each other, of the dashed lines and of the source, and its caption stays within the
// picture. The worksheet draws the same fronts without those answers.
#include "run_frames.h"
#include "svg_reader.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kSoundSpeed = 340.0;     // [m/s]
constexpr qsizetype kCaptionChars = 82;   // a caption line that stays within the picture's 170 mm
constexpr double kDigitAdvance = 0.65;    // [em] no sans-serif face draws its digits wider
constexpr double kSourceRadius = 1.0;     // the source's dot [mm]

struct FlyOverRow {
    const char *name;
    std::vector<std::string> span; // --span S, if given
    const char *height;            // H [m]
    std::array<const char *, 3> texts;
    const char *flown;             // the distance flown since overhead as the key marks it, "" where none
    const char *angle;             // the Mach angle's label, "" where none
    bool boomFront;                // the key draws the front that carries the boom
    std::vector<const char *> says; // in the key's caption
};

void PrintTo(const FlyOverRow &row, std::ostream *out) { *out << row.name; }

class PrintFlyOver : public testing::TestWithParam<FlyOverRow> {
protected:
    void SetUp() override
    {
        const FlyOverRow &row = GetParam();
        key = drawn({});
        sheet = drawn({"--worksheet"});
        paper = transformOf(key.viewport);
        M = std::stod(row.texts[0]);
        H = std::stod(row.height);
        dtWave = std::stod(row.texts[2]) / std::stod(row.texts[1]);
        const double mach = std::fabs(M);
        instant = mach > 1.0 ? H * std::sqrt(mach * mach - 1.0) / (mach * kSoundSpeed) : 0.0;
        xs = -M * kSoundSpeed * instant; // to the left for M > 0
    }

    Picture drawn(std::vector<std::string> options) const
    {
        const FlyOverRow &row = GetParam();
        std::vector<std::string> args = {"--svg", "--print"};
        args.insert(args.end(), options.begin(), options.end());
        args.insert(args.end(), row.span.begin(), row.span.end());
        args.insert(args.end(), {"--listener", row.height, row.texts[0], row.texts[1], row.texts[2]});
        const Result run = runFrames(args);
        EXPECT_EQ(run.status, 0) << run.err;
        return parse(run.out);
    }

    // "one in N is drawn", else 1.
    long long step() const
    {
        const QString caption = key.caption.join(' ');
        const qsizetype at = caption.indexOf("one in ");
        return at < 0 ? 1 : caption.mid(at + 7).section(' ', 0, 0).toLongLong();
    }

    Picture key, sheet;
    Transform paper;
    double M = 0, H = 0, dtWave = 0, instant = 0, xs = 0;
};

// Every N-th front sent by the instant, counted from the last, so that they reach up to the source; with a span of
// its own, as many as one in N of the fronts the CSV has sent by then.
TEST_P(PrintFlyOver, DrawsTheFrontsUpToTheSourceAsTheCaptionSays)
{
    std::vector<double> radii;
    for (const Element &e : key.elements)
        if (e.name == u"circle" && (e.cls == u"wave" || e.cls == u"dot"))
            radii.push_back(e.number("r"));
    ASSERT_FALSE(radii.empty());
    const FlyOverRow &row = GetParam();
    if (row.span.empty()) {
        EXPECT_LE(*std::min_element(radii.begin(), radii.end()),
                  kSoundSpeed * std::fabs(dtWave) * static_cast<double>(step()) + 1e-6)
            << "the fronts drawn stop short of the source";
        return;
    }
    std::vector<std::string> args = row.span;
    args.insert(args.end(), {"--listener", row.height, row.texts[0], row.texts[1], row.texts[2]});
    std::vector<std::string> heard = lines(runFrames(args).out);
    const auto sent = std::count_if(heard.begin() + 1, heard.end(), [&](const std::string &line) {
        return fields(line)[0] != "boom" && std::stod(fields(line)[1]) <= instant;
    });
    EXPECT_EQ(static_cast<long long>(radii.size()), (sent + step() - 1) / step());
}

// Above Mach 1 the key's Mach line that reaches the ground runs through the listener, and so does the front that
// carries the boom; the key marks the Mach angle and the distance flown since overhead. The worksheet draws the
// same fronts without them, and its caption calls the picture only an instant of the fly-over.
TEST_P(PrintFlyOver, KeyShowsTheBoomAndTheWorksheetLeavesItOut)
{
    const FlyOverRow &row = GetParam();
    const auto source = key.all("circle", "source");
    ASSERT_EQ(source.size(), 1u);
    EXPECT_NEAR(source.front()->number("cx"), xs, 1e-9 * H + 1e-9);
    EXPECT_EQ(source.front()->number("cy"), -H);
    const std::vector<const Element *> mach = key.all("line", "mach");
    ASSERT_EQ(mach.size(), std::fabs(M) > 1.0 ? 2u : 0u);
    double nearest = 1e300; // the listener's distance from the nearer Mach line [m]
    for (const Element *line : mach) {
        const double x1 = line->number("x1"), y1 = line->number("y1"), dx = line->number("x2") - x1,
                     dy = line->number("y2") - y1;
        nearest = std::min(nearest, std::fabs(dx * y1 - dy * x1) / std::hypot(dx, dy));
    }
    EXPECT_TRUE(mach.empty() || nearest < 1.0) << nearest;
    const auto boom = key.all("circle", "boom-front");
    ASSERT_EQ(boom.size(), row.boomFront ? 1u : 0u);
    for (const Element *front : boom) {
        const double r = front->number("r");
        EXPECT_NEAR(std::hypot(front->number("cx"), front->number("cy")), r, 1e-9 * r) << "not through the listener";
    }
    EXPECT_EQ(key.label("angle").toStdString(), row.angle);
    EXPECT_EQ(key.all("path", "arc").size(), *row.angle ? 1u : 0u);
    EXPECT_EQ(key.label("flown").toStdString(), row.flown);
    const QString caption = key.caption.join(' ');
    for (const char *said : row.says)
        EXPECT_TRUE(caption.contains(QString::fromUtf8(said))) << caption.toStdString();

    const QString sheetCaption = sheet.caption.join(' ');
    for (const char *answer : {"mach", "arc", "angle", "flown", "boom-front"})
        EXPECT_TRUE(std::none_of(sheet.elements.begin(), sheet.elements.end(),
                                 [answer](const Element &e) { return e.cls == QLatin1String(answer); }))
            << answer;
    EXPECT_EQ(sheet.all("circle", "wave").size(), key.all("circle", "wave").size());
    EXPECT_FALSE(sheetCaption.contains("boom reaches") || sheetCaption.contains("Hz =")) << sheetCaption.toStdString();
    if (std::fabs(M) > 1.0) {
        EXPECT_TRUE(sheetCaption.contains("an instant of the fly-over")) << sheetCaption.toStdString();
    }
}

// The scale bar's numbers apart, as wide as any face draws digits; the height's label off the dashed flight and
// height lines and off the source's dot; every caption line within the picture's width.
TEST_P(PrintFlyOver, LabelsKeepClearOfEachOtherAndOfTheLines)
{
    for (const Picture *picture : {&key, &sheet}) {
        std::vector<Extent> marks; // the numbers' ink, without their white rims
        for (const Element *mark : picture->all("text", "scale")) {
            const Extent withRim = extentOf(*mark, kDigitAdvance);
            const double rim = mark->number("stroke-width") / 2;
            marks.push_back({withRim.left + rim, withRim.top + rim, withRim.right - rim, withRim.bottom - rim});
        }
        std::sort(marks.begin(), marks.end(), [](const Extent &a, const Extent &b) { return a.left < b.left; });
        for (std::size_t k = 1; k < marks.size(); ++k)
            EXPECT_LT(marks[k - 1].right, marks[k].left) << "scale numbers run together at " << marks[k].left;

        const auto heightLabels = picture->all("text", "height");
        ASSERT_EQ(heightLabels.size(), 1u);
        const Extent box = extentOf(*heightLabels.front());
        const double flight = paper.y(-H), ground = paper.y(0.0), line = paper.x(0.0);
        EXPECT_FALSE(box.top < flight && box.bottom > flight) << "the flight line crosses it";
        EXPECT_FALSE(box.left < line && box.right > line && box.bottom > flight && box.top < ground)
            << "the height line crosses it";
        const double sx = paper.x(xs), sy = flight;
        EXPECT_GT(std::hypot(sx - std::clamp(sx, box.left, box.right), sy - std::clamp(sy, box.top, box.bottom)),
                  kSourceRadius)
            << "on the source";

        for (const QString &captionLine : picture->caption)
            EXPECT_LE(captionLine.size(), kCaptionChars) << captionLine.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Flights, PrintFlyOver,
    testing::Values(
        FlyOverRow{"MachTwoTenKilometresUp", {}, "10000", {"2", "8", "2"}, "17.3 km", "30.0\u00B0", true,
                   {"25.5 s after the pass overhead", "sent 8.49 s before the pass", "f0 / (|M| - 1) = 4 Hz",
                    "f0 / (1 + |M|) = 1.33 Hz"}},
        FlyOverRow{"MachThreeAtAScaleOf500Metres", {}, "1000", {"3", "8", "2"}, "2.83 km", "19.5\u00B0", true, {}},
        FlyOverRow{"TurnedRoundAtAScaleOf500Metres", {}, "1000", {"-2", "8", "2"}, "1.73 km", "30.0\u00B0", true, {}},
        FlyOverRow{"BarelySupersonicCaptionWraps", {}, "1000", {"1.01", "8", "2"}, "142 m", "81.9\u00B0", true,
                   {"0.413 s after the pass overhead", "f0 / (|M| - 1) = 400 Hz"}},
        FlyOverRow{"OnTheFlightPath", {}, "0", {"2", "8", "2"}, "", "30.0\u00B0", false, {"0 s after the pass"}},
        FlyOverRow{"HoveringOnTheListener", {}, "0", {"0", "5", "1"}, "", "", false, {"Heard: f0 = 5 Hz, as sent."}},
        FlyOverRow{"ShortSpanThinnedAsSaid", {"--span", "3"}, "10000", {"2", "8", "2"}, "17.3 km", "30.0\u00B0", false,
                   {"one in 15 is drawn"}},
        FlyOverRow{"SubsonicSourceOverhead", {}, "1000", {"0.5", "8", "2"}, "", "", false,
                   {"Heard far ahead: f0 / (1 - |M|) = 8 Hz."}}),
    [](const testing::TestParamInfo<FlyOverRow> &info) { return std::string(info.param.name); });

} // namespace
