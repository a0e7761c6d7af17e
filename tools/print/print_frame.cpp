#include "print/print_frame.h"

#include "picture_look.h"
#include "print/print_paper.h"
#include "regime.h"
#include "runtime_services.h"
#include "shared/markup.h"
#include "shared/tool_words.h"
#include "wave_state.h"
#include "words.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <sstream>
#include <string_view>
#include <vector>

namespace conwave {

namespace {

using namespace print;

// The dashed axis from the source downstream to the picture's edge, which the Mach angle is measured from.
std::string axis(const Paper &paper, const Source &source)
{
    const std::string dashed =
        thinLine(paper) + attribute("stroke-dasharray", mm(paper.metres(2.0)) + ' ' + mm(paper.metres(1.0)));
    return worldLine("axis", source.x, source.y, source.downstream > 0 ? paper.world.right : paper.world.left,
                     source.y, dashed);
}

// The Mach lines from the source to the picture's edge at the Mach angle either side of the axis, and the arc
// between the axis and the upper line that the angle's label names.
std::string machCone(const Paper &paper, const Source &source)
{
    const double sx = source.x, sy = source.y, downstream = source.downstream;
    const double angle = machAngle(source.mach);
    const double dx = downstream * std::cos(angle), dy = std::sin(angle);
    const double reachX = (downstream > 0 ? paper.world.right - sx : sx - paper.world.left) / std::cos(angle);
    const double reachY = std::min(sy - paper.world.top, paper.world.bottom - sy) / dy;
    const double reach = std::min(reachX, reachY);
    std::string svg;
    for (const double side : {-1.0, 1.0})
        svg += worldLine("mach", sx, sy, sx + dx * reach, sy + side * dy * reach,
                         attribute("stroke", kInk) + attribute("stroke-width", mm(paper.metres(kPrintOutlineMm))));
    return svg + machArc(paper, source);
}

// The air streams past the source downstream at the source's speed: an arrow above the picture.
std::string flowArrow(const Paper &paper, double sx, double M, double aSound)
{
    const double x = paper.x(sx), y = kFlowBand / 2 + 1.0;
    const std::string speed = readableNumber(std::fabs(M) * aSound, kReadingDigits);
    if (M == 0.0)
        return label("flow", x - 12.0, y + 1.0, "start", "The air is at rest around the source.");
    return arrow("flow", x, y, M > 0 ? 1.0 : -1.0) + label("flow", x + 15.0, y + 1.1, "start", "air streaming past the source at " + speed + " m/s");
}

// The source's dot stays round, with ink at its centre (the cone's tip), and every front whose outline runs over it
// or within a small gap of it stays readable there: the youngest front upstream below Mach 1, every front at Mach 1,
// which is where students measure from. A front that runs near the dot's edge is drawn over it again in black, on a
// white band clipped to the dot that parts the two without reaching the dot's inner half; one nearer the centre is
// drawn across the dot in white, its outline's width, under a core of ink at the centre.
std::string sourceDot(const Paper &paper, const Source &source, const WaveFrame &frame)
{
    const double dot = paper.metres(kPrintSourceMm / 2), outline = paper.metres(kPrintOutlineMm);
    const double gap = paper.metres(kSourceGap);
    const std::string centre = attribute("cx", exact(source.x)) + attribute("cy", exact(source.y));
    std::string svg =
        "      <circle class=\"source\"" + centre + attribute("r", exact(dot)) + attribute("fill", kInk) + "/>\n";
    std::string bands, lines, across;
    for (const WaveCircle &c : fronts(frame)) {
        const double passes = std::fabs(beyondOutline(source.x, source.y, c));
        if (c.radius < outline / 2 || passes >= dot + outline / 2 + gap)
            continue;
        const std::string circle = attribute("cx", shortestText(c.x)) + attribute("cy", shortestText(c.y)) +
                                   attribute("r", shortestText(c.radius)) + " fill=\"none\"";
        if (passes - outline / 2 - gap < dot / 2) {
            across += "      <circle class=\"wave-across-source\"" + circle + attribute("stroke", kPaper) +
                      attribute("stroke-width", mm(outline)) + "/>\n";
            continue;
        }
        bands += "      <circle class=\"source-gap\"" + circle + attribute("stroke", kPaper) +
                 attribute("stroke-width", mm(outline + 2 * gap)) + "/>\n";
        lines += "      <circle class=\"wave-over-source\"" + circle + attribute("stroke", kInk) +
                 attribute("stroke-width", mm(outline)) + "/>\n";
    }
    if (lines.empty() && across.empty())
        return svg;
    const std::string core = across.empty() ? std::string()
                                            : "      <circle class=\"source-core\"" + centre +
                                                  attribute("r", exact(paper.metres(kSourceCore))) +
                                                  attribute("fill", kInk) + "/>\n";
    return svg + "      <clipPath id=\"dot\"><circle" + centre + attribute("r", exact(dot)) +
           "/></clipPath>\n      <g clip-path=\"url(#dot)\">\n" + bands + lines + across + core + "      </g>\n";
}

// The source's name beside its dot where its rim cuts no front: upstream when the fronts leave room there (always
// at Mach 1 and above), else the nearest corner between two fronts; where they lie too close for any, without
// the rim.
std::string sourceLabel(const Paper &paper, const Source &source, const WaveFrame &frame)
{
    const std::string name = "source";
    const double sx = paper.x(source.x), sy = paper.y(source.y);
    for (double away = 2.0; away <= kLabelSearch; away += 1.0)
        for (const double along : {-source.downstream, source.downstream})
            for (const double up : {1.0, -1.0}) {
                const char *anchor = along < 0 ? "end" : "start";
                const double x = sx + along * away, y = up > 0 ? sy - away : sy + away + kTextAscent * kLabelSize;
                if (clearOfFronts(paper, frame, labelBox(x, y, anchor, name)))
                    return label("source", x, y, anchor, name);
            }
    return label("source", sx - source.downstream * 2.0, sy - 2.0, source.downstream > 0 ? "end" : "start", name,
                 false);
}

// The parameters, the window's own sentence about the picture (in the key), and the interval and clock rounded for
// reading.
std::vector<std::string> captionLines(const WaveState &state, double drawnAt, PrintAnswers answers)
{
    std::vector<std::string> lines = {parameterCaption(state, englishWording()) + " s"};
    if (answers == PrintAnswers::Shown)
        for (const std::string &line : wrapped(describePicture(state), kCaptionChars))
            lines.push_back(line);
    // A negative tMax / nWave is no interval between wavefronts: the clock starts again after every tick.
    const std::string interval = (state.dtWave < 0.0 ? "tMax / nWave = " : "Interval between wavefronts: ") +
                                 readableNumber(state.dtWave, kReadingDigits) + " s.";
    lines.push_back(interval + " The frame is drawn at tNow = " + readableNumber(drawnAt, kReadingDigits) + " s.");
    return lines;
}

// The nested picture in metres: the wavefronts, the lines that help measuring (the Mach lines only in the key), and
// the source's dot on top, clipped to the world window; then its border on paper.
std::string worldPicture(const Paper &paper, const Source &source, const WaveFrame &frame, PrintAnswers answers)
{
    const WorldWindow &world = paper.world;
    std::string svg = worldViewport(paper);
    svg += "    <clipPath id=\"inner\"><rect" + attribute("x", exact(world.left)) + attribute("y", exact(world.top)) +
           attribute("width", exact(world.right - world.left)) + attribute("height", exact(world.bottom - world.top)) +
           "/></clipPath>\n    <g clip-path=\"url(#inner)\">\n";
    svg += wavefronts(paper, frame);
    const bool answersShown = answers == PrintAnswers::Shown;
    if (source.mach > 1.0)
        svg += axis(paper, source) + (answersShown ? machCone(paper, source) : std::string());
    else if (source.mach == 1.0 && answersShown)
        svg += worldLine("sonic", source.x, world.top, source.x, world.bottom,
                         attribute("stroke", kInk) + attribute("stroke-width", mm(paper.metres(kPrintOutlineMm))));
    svg += sourceDot(paper, source, frame) + "    </g>\n  </svg>\n";
    return svg + border(paper);
}

std::string labels(const Paper &paper, const Source &source, const WaveState &state, const WaveFrame &frame,
                   PrintAnswers answers)
{
    std::string svg = sourceLabel(paper, source, frame);
    const bool answersShown = answers == PrintAnswers::Shown;
    if (answersShown && source.mach > 1.0)
        svg += machLabel(paper, source, frame);
    else if (answersShown && source.mach == 1.0) // upstream, where no front reaches at Mach 1
        svg += label("sonic", paper.x(source.x) - source.downstream * 1.5, paper.top + 5.0,
                     source.downstream > 0 ? "end" : "start", "every wavefront touches this line");
    return svg + flowArrow(paper, source.x, state.M, state.aSound) + scaleBar(paper);
}

} // namespace

std::string printSvg(const WaveState &state, double drawnAt, const WaveFrame &frame, PrintAnswers answers)
{
    const WorldWindow world = worldWindow(state.aSound);
    const Paper paper{world, kFlowBand, kPrintWidthMm / (world.right - world.left)};
    const std::vector<std::string> caption = captionLines(state, drawnAt, answers);
    const double captionTop = paper.top + paper.height() + kScaleBand + kCaptionSize;
    const double height = captionTop + kCaptionLeading * static_cast<double>(caption.size() - 1) + 3.0;
    // The source marker is the frame's last circle; the picture draws it as a dot one can find on paper.
    const Source source{frame.empty() ? 0.0 : frame.back().x, frame.empty() ? 0.0 : frame.back().y, std::fabs(state.M),
                        state.M < 0 ? -1.0 : 1.0};
    return document(height, "Conwave: " + caption.front() + ", tNow = " + readableNumber(drawnAt, kReadingDigits) + " s",
                    paper, worldPicture(paper, source, frame, answers) + labels(paper, source, state, frame, answers) +
                               captionText(caption, captionTop));
}

} // namespace conwave
