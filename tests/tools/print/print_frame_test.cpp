// conwave-frames --svg --print: read back with a real XML parser, its circles against the CSV of the same tick
// through the picture's own viewBox, its Mach lines against the circles, its words against the window's sentence.
#include "run_frames.h"
#include "svg_reader.h"

#include "regime.h"
#include "runtime_services.h"
#include "wave_state.h"
#include "words.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kDrawingPrecision = 0.01; // [mm] far below what a printer or a ruler resolves
constexpr double kVisibleGap = 0.2;         // [mm] white that the eye sees between two black shapes on paper

// The viewBox (metres) placed in the viewport (millimetres), as SVG's xMidYMid meet places it.
struct Transform {
    double scale = 0, dx = 0, dy = 0;
    double x(double world) const { return world * scale + dx; }
    double y(double world) const { return world * scale + dy; }
};

Transform transformOf(const Element &viewport)
{
    EXPECT_EQ(viewport.a.value("preserveAspectRatio"), u"xMidYMid meet");
    const QStringList box = viewport.a.value("viewBox").toString().split(' ');
    EXPECT_EQ(box.size(), 4);
    const double vx = box.value(0).toDouble(), vy = box.value(1).toDouble();
    const double vw = box.value(2).toDouble(), vh = box.value(3).toDouble();
    const double w = viewport.number("width"), h = viewport.number("height");
    Transform t;
    t.scale = std::min(w / vw, h / vh);
    t.dx = viewport.number("x") + (w - vw * t.scale) / 2 - vx * t.scale;
    t.dy = viewport.number("y") + (h - vh * t.scale) / 2 - vy * t.scale;
    return t;
}

bool grey(const QString &colour)
{
    if (colour == u"none")
        return true;
    return colour.size() == 7 && colour.startsWith('#') && colour.mid(1, 2) == colour.mid(3, 2) &&
           colour.mid(3, 2) == colour.mid(5, 2);
}

struct Circle {
    int wave;
    double x, y, r;

    // How far a point lies outside the outline, negative inside [m]; factored so that a circle far larger than the
    // picture keeps its precision next to its own edge.
    double beyond(double px, double py) const
    {
        const double distance = std::hypot(px - x, py - y);
        return distance + r == 0 ? 0 : ((px - (x + r)) * (px - (x - r)) + (py - y) * (py - y)) / (distance + r);
    }
};

// A label's extent on paper [mm] with its white rim, no larger than a sans-serif face draws it: half an em per
// character, 0.7 em above the baseline.
struct Extent {
    double left, top, right, bottom;
};

Extent extentOf(const Element &label)
{
    const double size = label.number("font-size"), rim = label.number("stroke-width") / 2;
    const double width = 0.5 * size * static_cast<double>(label.text.size());
    const QString anchor = label.a.value("text-anchor").toString();
    const double x = label.number("x"), y = label.number("y");
    const double left = anchor == u"end" ? x - width : anchor == u"middle" ? x - width / 2 : x;
    return {left - rim, y - 0.7 * size - rim, left + width + rim, y + rim};
}

// The CSV rows of the last tick, as the frame driver writes them without --svg.
std::vector<Circle> csvCircles(const std::vector<std::string> &texts, const std::string &ticks)
{
    std::vector<std::string> args = {"--ticks", ticks};
    args.insert(args.end(), texts.begin(), texts.end());
    std::vector<Circle> circles;
    for (const std::string &line : lines(runFrames(args).out))
        if (line.rfind(ticks + ",", 0) == 0) {
            const std::vector<std::string> cell = fields(line);
            circles.push_back({std::stoi(cell[2]), std::stof(cell[3]), std::stof(cell[4]), std::stof(cell[5])});
        }
    return circles;
}

std::vector<std::string> printArgs(std::vector<std::string> options, const std::vector<std::string> &texts)
{
    options.insert(options.end(), texts.begin(), texts.end());
    return options;
}

struct PrintRow {
    const char *name;
    std::vector<std::string> texts;
    const char *ticks;
    const char *speed;    // the air's speed as the arrow's label rounds it [m/s]
    const char *interval; // tMax / nWave, rounded for reading [s]: the interval between wavefronts when positive
    const char *tNow;     // the frame's clock, rounded for reading [s]
    bool fronts;          // some wavefront is drawn
    bool frontsFarDownstream = false; // so far that the Mach lines touch none inside the picture
};

void PrintTo(const PrintRow &row, std::ostream *out) { *out << row.name; }

class PrintSvg : public testing::TestWithParam<PrintRow> {
protected:
    void SetUp() override
    {
        const PrintRow &row = GetParam();
        const Result run = runFrames(printArgs({"--svg", "--print", "--ticks", row.ticks}, row.texts));
        ASSERT_EQ(run.status, 0) << run.err;
        picture = parse(run.out);
        paper = transformOf(picture.viewport);
        csv = csvCircles(row.texts, row.ticks);
        ASSERT_FALSE(csv.empty());
        source = csv.back();
        ASSERT_EQ(source.wave, 0);
        M = conwave::textToNumber(row.texts[0]);
    }

    // Metres on paper per metre in the world: the scale the picture states in words.
    double statedMetresPerCentimetre() const
    {
        const std::string statement = picture.label("scale-statement").toStdString();
        const std::string prefix = "Scale: 1 cm = ";
        EXPECT_EQ(statement.rfind(prefix, 0), 0u) << statement;
        return std::stod(statement.substr(prefix.size()));
    }

    // "wavefronts 0.3 mm wide" [mm]
    double statedOutline() const
    {
        const std::string note = picture.label("scale-note").toStdString();
        const std::size_t at = note.find("wavefronts ");
        EXPECT_NE(at, std::string::npos) << note;
        return at == std::string::npos ? 0.0 : std::stod(note.substr(at + 11));
    }

    // Whether a circle's outline, as wide as the note says, crosses an extent on paper.
    bool crosses(const Circle &c, const Extent &box) const
    {
        const double left = (box.left - paper.dx) / paper.scale, right = (box.right - paper.dx) / paper.scale;
        const double top = (box.top - paper.dy) / paper.scale, bottom = (box.bottom - paper.dy) / paper.scale;
        const double halfOutline = statedOutline() / paper.scale / 2;
        return c.beyond(std::clamp(c.x, left, right), std::clamp(c.y, top, bottom)) <= halfOutline &&
               c.beyond(c.x < (left + right) / 2 ? right : left, c.y < (top + bottom) / 2 ? bottom : top) >=
                   -halfOutline;
    }

    Picture picture;
    Transform paper;
    std::vector<Circle> csv;
    Circle source{};
    double M = 0;
};

TEST_P(PrintSvg, IsGreyscaleMillimetresWithinTheWidthOfAPage)
{
    const QString width = picture.outer.a.value("width").toString();
    const QString height = picture.outer.a.value("height").toString();
    ASSERT_TRUE(width.endsWith("mm") && height.endsWith("mm")) << width.toStdString();
    EXPECT_LE(width.chopped(2).toDouble(), 170.0);
    // One unit of the drawing is one millimetre.
    EXPECT_EQ(picture.outer.a.value("viewBox"), "0 0 " + width.chopped(2) + ' ' + height.chopped(2));
    for (const Element &e : picture.elements)
        for (const char *paint : {"fill", "stroke"})
            EXPECT_TRUE(!e.a.hasAttribute(paint) || grey(e.a.value(paint).toString()))
                << e.name.toStdString() << ' ' << paint;
    // White paper under everything: the first shape drawn.
    const auto firstShape = std::find_if(picture.elements.begin(), picture.elements.end(),
                                         [](const Element &e) { return e.name != u"title" && e.name != u"desc"; });
    ASSERT_NE(firstShape, picture.elements.end());
    const Element &paperRect = *firstShape;
    EXPECT_EQ(paperRect.name.toStdString(), "rect");
    EXPECT_EQ(paperRect.a.value("fill"), u"#FFFFFF");
    EXPECT_EQ(paperRect.a.value("width"), width.chopped(2));
}

TEST_P(PrintSvg, StatesItsScaleAndOutlineWidthTruly)
{
    EXPECT_NEAR(statedMetresPerCentimetre(), 10.0 / paper.scale, 1e-9);
    const auto blocks = picture.all("rect", "scale");
    ASSERT_FALSE(blocks.empty());
    double length = 0;
    for (const Element *block : blocks)
        length += block->number("width");
    const auto marks = picture.all("text", "scale");
    ASSERT_EQ(marks.size(), blocks.size() + 1);
    EXPECT_EQ(marks.back()->text.toStdString(),
              conwave::numberToText(length / 10 * statedMetresPerCentimetre()) + " m");

    // The outline drawn in metres is as many millimetres on paper as the note says.
    const double outline = statedOutline();
    EXPECT_GT(outline, 0.0);
    for (const Element *wave : picture.all("circle", "wave"))
        EXPECT_NEAR(wave->number("stroke-width") * paper.scale, outline, 1e-9);
    for (const Element *dot : picture.all("circle", "dot"))
        EXPECT_NEAR(dot->number("r") * paper.scale, outline / 2, 1e-9);
}

TEST_P(PrintSvg, DrawsTheCirclesOfTheCsvRowsOfThatTick)
{
    std::vector<const Element *> drawn;
    for (const Element &e : picture.elements)
        if (e.name == u"circle" && (e.cls == u"wave" || e.cls == u"dot"))
            drawn.push_back(&e);
    std::vector<Circle> expected;
    for (const Circle &c : csv)
        if (c.wave != 0 && c.r >= 0) // negative radii are not drawn
            expected.push_back(c);
    EXPECT_EQ(!expected.empty(), GetParam().fronts);
    ASSERT_EQ(drawn.size(), expected.size());
    const double outlineMetres = statedOutline() / paper.scale;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(drawn[k]->a.value("cx").toFloat(), static_cast<float>(expected[k].x));
        EXPECT_EQ(drawn[k]->a.value("cy").toFloat(), static_cast<float>(expected[k].y));
        if (drawn[k]->cls == u"wave")
            EXPECT_EQ(drawn[k]->a.value("r").toFloat(), static_cast<float>(expected[k].r));
        else // a circle thinner than its own outline: a dot of that width at its centre
            EXPECT_LT(expected[k].r, outlineMetres / 2);
    }

    // The source: a solid dot 2 mm across at the marker's centre, with its name beside it.
    const auto dots = picture.all("circle", "source");
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(dots[0]->number("cx"), source.x);
    EXPECT_EQ(dots[0]->number("cy"), source.y);
    EXPECT_NEAR(2 * dots[0]->number("r") * paper.scale, 2.0, 1e-9);
    EXPECT_EQ(picture.label("source"), u"source");
}

// Every front that runs over the source's dot or within a visible gap of it stays readable there, and the dot stays
// round with ink at its centre, the cone's tip: near the dot's edge the front is drawn again on a white band that
// stops short of the dot's inner half, nearer the centre across the dot in white, no wider than its outline, under a
// core of ink where that white would cover the centre.
TEST_P(PrintSvg, FrontsRunningPastTheSourceDotStayVisible)
{
    const auto end = picture.elements.end();
    const auto dot = std::find_if(picture.elements.begin(), end,
                                  [](const Element &e) { return e.name == u"circle" && e.cls == u"source"; });
    ASSERT_NE(dot, end);
    const double dotRadius = dot->number("r") * paper.scale, outline = statedOutline();
    for (const Circle &c : csv) {
        const double passes = std::fabs(c.beyond(source.x, source.y)) * paper.scale;
        if (c.wave == 0 || c.r * paper.scale < outline / 2 || passes >= dotRadius + outline / 2 + kVisibleGap)
            continue;
        SCOPED_TRACE(c.wave);
        const auto again = [&](const char *cls) {
            return [&c, cls](const Element &e) {
                return e.name == u"circle" && e.cls == QLatin1String(cls) &&
                       e.a.value("cx").toFloat() == static_cast<float>(c.x) &&
                       e.a.value("cy").toFloat() == static_cast<float>(c.y) &&
                       e.a.value("r").toFloat() == static_cast<float>(c.r);
            };
        };
        const auto band = std::find_if(dot, end, again("source-gap"));
        const auto across = std::find_if(dot, end, again("wave-across-source"));
        ASSERT_TRUE(band != end || across != end) << "not drawn again over the dot";
        if (across != end) {
            EXPECT_EQ(across->a.value("stroke"), u"#FFFFFF");
            EXPECT_NEAR(across->number("stroke-width") * paper.scale, outline, 1e-9) << "so the dot stays round";
            const auto core = std::find_if(across, end, [](const Element &e) { return e.cls == u"source-core"; });
            EXPECT_TRUE(passes >= outline / 2 ||
                        (core != end && core->number("r") * paper.scale >= outline / 2 - passes))
                << "no ink at the dot's centre";
            continue;
        }
        const auto line = std::find_if(band, end, again("wave-over-source"));
        ASSERT_NE(line, end);
        EXPECT_EQ(band->a.value("stroke"), u"#FFFFFF");
        EXPECT_GE(band->number("stroke-width") * paper.scale, outline + 2 * kVisibleGap);
        EXPECT_GE(passes - band->number("stroke-width") * paper.scale / 2, dotRadius / 2 - 1e-9) << "a half-moon";
        EXPECT_EQ(line->a.value("stroke"), u"#000000");
        EXPECT_NEAR(line->number("stroke-width") * paper.scale, outline, 1e-9);
    }
}

TEST_P(PrintSvg, SourceNameLeavesEveryWavefrontWhole)
{
    const auto names = picture.all("text", "source");
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0]->a.value("stroke"), u"#FFFFFF") << "a white rim keeps the name readable";
    const Extent box = extentOf(*names[0]);
    for (const Circle &c : csv)
        EXPECT_TRUE(c.wave == 0 || c.r < 0 || !crosses(c, box))
            << "the name's rim cuts wave " << c.wave;
}

TEST_P(PrintSvg, MachLinesTouchEveryWavefrontTheConeMeets)
{
    const auto machLines = picture.all("line", "mach");
    if (!(std::fabs(M) > 1.0)) {
        EXPECT_TRUE(machLines.empty());
        EXPECT_TRUE(picture.all("path", "arc").empty());
        return;
    }
    ASSERT_EQ(machLines.size(), 2u);
    const double machAngle = std::asin(1.0 / std::fabs(M));
    // The picture's edges in metres.
    const Element &view = picture.viewport;
    const double left = (view.number("x") - paper.dx) / paper.scale;
    const double right = (view.number("x") + view.number("width") - paper.dx) / paper.scale;
    const double top = (view.number("y") - paper.dy) / paper.scale;
    const double bottom = (view.number("y") + view.number("height") - paper.dy) / paper.scale;
    int touching = 0;
    for (const Element *line : machLines) {
        const double x1 = line->number("x1"), y1 = line->number("y1"), x2 = line->number("x2"), y2 = line->number("y2");
        EXPECT_EQ(x1, source.x);
        EXPECT_EQ(y1, source.y);
        const double length = std::hypot(x2 - x1, y2 - y1);
        const double ux = (x2 - x1) / length, uy = (y2 - y1) / length;
        EXPECT_GT(ux * M, 0.0) << "the cone opens downstream";
        EXPECT_NEAR(std::acos(std::fabs(ux)), machAngle, 1e-9);
        for (const Circle &c : csv) {
            if (c.wave == 0 || c.r <= 0)
                continue;
            // The foot of the perpendicular from the centre is where the line would touch the circle.
            const double along = (c.x - x1) * ux + (c.y - y1) * uy;
            const double fx = x1 + along * ux, fy = y1 + along * uy;
            if (fx < left || fx > right || fy < top || fy > bottom)
                continue; // touches outside the picture
            ++touching;
            EXPECT_LE(along, length * (1 + 1e-12)) << "the line reaches every point of contact in the picture";
            const double gap = std::hypot(c.x - fx, c.y - fy) - c.r;
            EXPECT_LE(std::fabs(gap) * paper.scale, kDrawingPrecision) << "wave " << c.wave;
        }
    }
    EXPECT_EQ(touching > 0, GetParam().fronts && !GetParam().frontsFarDownstream);

    // The arc from the axis to a Mach line spans the Mach angle, and its label says it to a tenth of a degree.
    const auto arcs = picture.all("path", "arc");
    ASSERT_EQ(arcs.size(), 1u);
    const QStringList d = arcs[0]->a.value("d").toString().split(' ');
    ASSERT_EQ(d.size(), 11);
    const double ax = d[1].toDouble() - source.x, ay = d[2].toDouble() - source.y;
    const double bx = d[9].toDouble() - source.x, by = d[10].toDouble() - source.y;
    EXPECT_EQ(ay, 0.0);
    EXPECT_GT(ax * M, 0.0);
    EXPECT_NEAR(std::hypot(ax, ay), d[4].toDouble(), 1e-9);
    EXPECT_NEAR(std::hypot(bx, by), d[4].toDouble(), 1e-9);
    EXPECT_NEAR(std::acos((ax * bx + ay * by) / (std::hypot(ax, ay) * std::hypot(bx, by))), machAngle, 1e-9);
    EXPECT_EQ(picture.label("angle").toStdString(), conwave::oneDecimal(machAngle * 180 / std::numbers::pi) + "\u00B0");

    // The label beyond the arc, above the axis, measured from the source downstream (u) and up (v) on paper: inside
    // the angle it names, below the Mach line, or where that is too narrow, beside the arc and above the line.
    const Extent box = extentOf(*picture.all("text", "angle").front());
    const double sx = paper.x(source.x), sy = paper.y(source.y), downstream = M > 0 ? 1.0 : -1.0;
    const double nearU = std::min(downstream * (box.left - sx), downstream * (box.right - sx));
    const double farU = std::max(downstream * (box.left - sx), downstream * (box.right - sx));
    const double lowV = sy - box.bottom, highV = sy - box.top, arc = d[4].toDouble() * paper.scale;
    EXPECT_GT(lowV, 0.0) << "above the axis";
    EXPECT_TRUE(nearU * std::sin(machAngle) - highV * std::cos(machAngle) > 0.0 ||
                (lowV * std::cos(machAngle) - farU * std::sin(machAngle) > 0.0 && nearU < arc + 5.0))
        << "across the Mach line, or away from the arc";
    EXPECT_GT(std::hypot(nearU, lowV), arc) << "beyond the arc";
}

TEST_P(PrintSvg, AtMachOneEveryFrontTouchesTheLineThroughTheSource)
{
    const auto sonic = picture.all("line", "sonic");
    if (std::fabs(M) != 1.0) {
        EXPECT_TRUE(sonic.empty());
        return;
    }
    ASSERT_EQ(sonic.size(), 1u);
    EXPECT_EQ(sonic[0]->number("x1"), source.x);
    EXPECT_EQ(sonic[0]->number("x2"), source.x);
    EXPECT_LE(sonic[0]->number("y1"), source.y - 300);
    EXPECT_GE(sonic[0]->number("y2"), source.y + 300);
    for (const Circle &c : csv)
        EXPECT_TRUE(c.wave == 0 || c.r <= 0 ||
                    std::fabs(std::fabs(c.x - source.x) - c.r) * paper.scale <= kDrawingPrecision)
            << c.wave;
}

TEST_P(PrintSvg, ShowsTheAirFlowingDownstreamAtTheSourceSpeed)
{
    const auto arrows = picture.all("line", "flow");
    const std::string words = picture.label("flow").toStdString();
    if (M == 0.0) {
        EXPECT_TRUE(arrows.empty());
        EXPECT_NE(words.find("at rest"), std::string::npos) << words;
        return;
    }
    ASSERT_EQ(arrows.size(), 1u);
    EXPECT_GT((arrows[0]->number("x2") - arrows[0]->number("x1")) * M, 0.0);
    EXPECT_NE(words.find(std::string(" ") + GetParam().speed + " m/s"), std::string::npos) << words;
}

TEST_P(PrintSvg, CaptionSaysWhatTheWindowSays)
{
    const PrintRow &row = GetParam();
    conwave::WaveState state;
    conwave::initialise(state);
    conwave::restart(state, row.texts[0], row.texts[1], row.texts[2]);
    ASSERT_GE(picture.caption.size(), 3);
    const std::string caption = picture.caption.join(' ').toStdString();
    EXPECT_EQ(picture.caption.front().toStdString(), "M = " + conwave::numberToText(state.M) +
                                                         ", nWave = " + conwave::numberToText(state.nWave) +
                                                         ", tMax = " + conwave::numberToText(state.tMax) + " s");
    EXPECT_NE(caption.find(conwave::describePicture(state)), std::string::npos) << caption;
    const std::string interval = state.dtWave < 0.0 ? "tMax / nWave = " : "Interval between wavefronts: ";
    EXPECT_NE(caption.find(interval + row.interval + " s."), std::string::npos) << caption;
    if (state.dtWave < 0.0) {
        EXPECT_EQ(caption.find("a wavefront every"), std::string::npos) << caption;
    }
    EXPECT_NE(caption.find(std::string("tNow = ") + row.tNow + " s."), std::string::npos) << caption;
}

// The worksheet is the key, element for element, without the answers: no Mach lines, arc or angle, no line at
// Mach 1, and a caption without the sentence that names the regime.
TEST_P(PrintSvg, WorksheetIsTheKeyWithoutItsAnswers)
{
    const PrintRow &row = GetParam();
    const Result run = runFrames(printArgs({"--svg", "--print", "--worksheet", "--ticks", row.ticks}, row.texts));
    ASSERT_EQ(run.status, 0) << run.err;
    const Picture sheet = parse(run.out);
    const QStringList answers = {"mach", "arc", "angle", "sonic"};
    // Everything but the caption's lines and the paper under them, which is as tall as they need.
    const auto drawing = [&answers](const Picture &p) {
        QStringList elements;
        for (const Element &e : p.elements) {
            if (e.name == u"tspan" || answers.contains(e.cls) || (e.name == u"rect" && e.a.value("fill") == u"#FFFFFF"))
                continue;
            QString described = e.name + ' ' + e.text;
            for (const QXmlStreamAttribute &a : e.a)
                described += QString(" %1=%2").arg(a.qualifiedName(), a.value());
            elements.push_back(described);
        }
        return elements;
    };
    EXPECT_EQ(drawing(sheet), drawing(picture));
    EXPECT_EQ(sheet.caption, (QStringList{picture.caption.front(), picture.caption.back()}));
    for (const Element &e : sheet.elements)
        EXPECT_FALSE(answers.contains(e.cls)) << e.cls.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Settings, PrintSvg,
    testing::Values(
        PrintRow{"Subsonic", {"0.5", "5", "1.5"}, "1", "170", "0.3", "0.04", true},
        PrintRow{"AtRest", {"0", "4", "1"}, "2", "0", "0.25", "0.08", true},
        PrintRow{"Sonic", {"1", "6", "2"}, "1", "340", "0.333", "0.04", true},
        PrintRow{"SonicTurnedRound", {"-1", "6", "2"}, "4", "340", "0.333", "0.16", true},
        PrintRow{"Supersonic", {"2", "12", "2"}, "3", "680", "0.167", "0.12", true},
        PrintRow{"SlightlySupersonicLateInTheCycle", {"1.2", "4", "1"}, "6", "408", "0.25", "0.24", true},
        PrintRow{"NegativeMachTurnsTheConeRound", {"-2", "12", "2"}, "1", "680", "0.167", "0.04", true},
        PrintRow{"NegativeSubsonic", {"-0.5", "5", "1.5"}, "1", "170", "0.3", "0.04", true},
        PrintRow{"WidestScrollPicture", {"3", "30", "4"}, "2", "1020", "0.133", "0.08", true},
        PrintRow{"HugeCirclesAtMachOne", {"1", "4", "1e30"}, "1", "340", "2.5e+29", "0.04", true},
        PrintRow{"HugeCirclesSupersonic", {"2.5", "3", "1e20"}, "1", "850", "3.33e+19", "0.04", true},
        PrintRow{"NoWavefront", {"2", "0.5", "1"}, "1", "680", "2", "0.04", false},
        PrintRow{"CircleThinnerThanItsOutline", {"0", "2", "-0.0799999"}, "1", "0", "-0.04", "0.04", true},
        PrintRow{"NegativeSpanDropsNegativeRadii", {"2", "5", "-1"}, "1", "680", "-0.2", "0.04", true},
        PrintRow{"TeachingGuideMachTwo", {"2", "8", "2"}, "1", "680", "0.25", "0.04", true},
        PrintRow{"YoungestFrontBesideTheSourceDot", {"0.5", "4", "1"}, "1", "170", "0.25", "0.04", true},
        PrintRow{"SourceNameAmongCrowdedFronts", {"0.5", "10", "2"}, "1", "170", "0.2", "0.04", true},
        PrintRow{"NarrowConeAngleLabelInside", {"6", "8", "2"}, "1", "2040", "0.25", "0.04", true},
        PrintRow{"AbsurdMachAngleLabelBesideItsArc", {"9e35", "1", "1"}, "1", "3.06e+38", "1", "0.04", true, true},
        PrintRow{"SourceDotRoundWhereAFrontCrossesIt", {"1.2", "4", "1"}, "1", "408", "0.25", "0.04", true},
        PrintRow{"SourceDotRoundNearlySonic", {"0.9", "4", "1"}, "1", "306", "0.25", "0.04", true},
        PrintRow{"SourceDotRoundJustSupersonic", {"1.1", "4", "1"}, "1", "374", "0.25", "0.04", true},
        PrintRow{"SourceDotRoundJustSupersonicLater", {"1.1", "4", "1"}, "2", "374", "0.25", "0.08", true}),
    [](const testing::TestParamInfo<PrintRow> &info) { return std::string(info.param.name); });

} // namespace
