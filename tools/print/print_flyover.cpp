#include "print/print_flyover.h"

#include "listener.h"
#include "regime.h"
#include "runtime_services.h"
#include "shared/markup.h"
#include "shared/tool_words.h"
#include "wave_state.h"
#include "words.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace conwave {

namespace {

using namespace print;

constexpr double kMaxPictureHeightMm = 110.0; // leaves room on the page for the caption [mm]
constexpr double kFrontSpacingMm = 2.5;       // drawn fronts at least this far apart, so that each can be followed
constexpr double kListenerMm = 3.0;           // the listener's mark across [mm]
constexpr double kBesideListener = 1.0;       // between the listener's mark and the names beside it [mm]
constexpr double kBelowGround = kLabelSize + 0.3; // the baseline of the names below the ground [mm]
constexpr double kBesideLine = 2.0;           // a label's anchor beside the height line, clear of the source's dot [mm]
constexpr double kFlownBelow = 4.0;           // the distance flown is marked this far below the flight line [mm]
constexpr double kEndMark = 1.5;              // half the length of its end marks [mm]
constexpr double kBoomFrontOutlines = 2.0;    // the front that carries the boom, this many outlines wide
constexpr double kArcRoom = 0.6;              // the Mach angle's arc reaches at most this share of the air above
                                              // the flight line

// A scale of 1 cm = 1, 2 or 5 times a power of ten metres, at least the one asked for.
double niceMetresPerCentimetre(double least)
{
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (const double step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= least * (1.0 - 1e-12))
            return step * power;
    return 10.0 * power;
}

// The world window around the listener at the origin and the source at (xs, height), y growing downwards as on
// paper, so that heights are negative; a ground strip below the listener.
Paper placeOnPaper(double xs, double height)
{
    const double extent = std::max({height, std::fabs(xs), kSoundSpeed});
    const double left = std::min(0.0, xs) - 0.6 * extent, right = std::max(0.0, xs) + 0.6 * extent;
    const double top = -(height + 0.35 * extent), bottom = 0.12 * extent;
    const double least = std::max((right - left) / (kPrintWidthMm / 10.0), (bottom - top) / (kMaxPictureHeightMm / 10.0));
    const double mmPerMetre = 10.0 / niceMetresPerCentimetre(least);
    const double middle = (left + right) / 2, halfWidth = kPrintWidthMm / mmPerMetre / 2;
    return Paper{{middle - halfWidth, top, middle + halfWidth, bottom}, kFlowBand, mmPerMetre};
}

// Every step-th front sent by the instant, counted back from the one sent last so that the fronts drawn reach up to
// the source, as circles of the print style; the source marker last.
WaveFrame frontsAt(const FlyOver &flyOver, double instant, double xs, long long step)
{
    // The front sent overhead is sent by the instant, which is never before the pass.
    const Arrival *last = &*std::ranges::find(flyOver.arrivals, 0LL, &Arrival::front);
    for (const Arrival &a : flyOver.arrivals)
        if (a.tEmitted <= instant && a.tEmitted > last->tEmitted)
            last = &a;
    WaveFrame frame;
    for (const Arrival &a : flyOver.arrivals)
        if (a.tEmitted <= instant && (a.front - last->front) % step == 0)
            frame.push_back({static_cast<float>(a.xEmitted), static_cast<float>(-flyOver.height),
                             static_cast<float>(kSoundSpeed * (instant - a.tEmitted)), kWaveColour});
    frame.push_back({static_cast<float>(xs), static_cast<float>(-flyOver.height), kMarkerRadius, kWaveColour});
    return frame;
}

// Above Mach 1 the two lines every front touches, trailing from the source at the Mach angle to the picture's edge.
std::string machLines(const Paper &paper, double xs, double height, double M)
{
    const double angle = machAngle(M), behind = M > 0 ? 1.0 : -1.0;
    const double reach = 3.0 * (paper.world.right - paper.world.left + paper.world.bottom - paper.world.top);
    std::string svg;
    for (const double side : {-1.0, 1.0})
        svg += worldLine("mach", xs, -height, xs + behind * reach * std::cos(angle),
                         -height + side * reach * std::sin(angle),
                         attribute("stroke", kInk) + attribute("stroke-width", mm(paper.metres(kPrintOutlineMm))));
    return svg;
}

// The source at the instant, its Mach lines trailing behind it: to the right for M > 0.
Source sourceOf(const FlyOver &flyOver, double xs)
{
    return {xs, -flyOver.height, std::fabs(flyOver.M), flyOver.M > 0 ? 1.0 : -1.0};
}

// The front that carries the boom, when it was sent within the span and before the pass: on the flight path it is
// the front sent at the listener, of no size at the instant.
const Boom *boomFrontOf(const FlyOver &flyOver)
{
    return flyOver.boom && flyOver.boom->tEmitted < 0.0 ? &*flyOver.boom : nullptr;
}

// Its radius at the instant it passes through the listener [m].
double boomFrontRadius(const Boom &boom) { return kSoundSpeed * (boom.tArrives - boom.tEmitted); }

// That front, thicker than the others.
std::string boomFront(const Paper &paper, const FlyOver &flyOver)
{
    const Boom *boom = boomFrontOf(flyOver);
    if (!boom)
        return {};
    return "      <circle class=\"boom-front\"" + attribute("cx", exact(boom->xEmitted)) +
           attribute("cy", exact(-flyOver.height)) + attribute("r", exact(boomFrontRadius(*boom))) +
           " fill=\"none\"" + attribute("stroke", kInk) +
           attribute("stroke-width", mm(paper.metres(kBoomFrontOutlines * kPrintOutlineMm))) + "/>\n";
}

// The fronts a label must keep clear of: those drawn, and the boom's, which the key draws too.
WaveFrame crossing(WaveFrame frame, const FlyOver &flyOver)
{
    if (const Boom *boom = boomFrontOf(flyOver))
        frame.insert(frame.end() - 1, {static_cast<float>(boom->xEmitted), static_cast<float>(-flyOver.height),
                                       static_cast<float>(boomFrontRadius(*boom)), kWaveColour});
    return frame;
}

// The Mach angle's arc as the print pictures draw it, or smaller where the air above the flight line leaves less
// room, so that the angle's label fits inside it [mm].
double arcRadius(const Paper &paper, const FlyOver &flyOver)
{
    const double above = paper.y(-flyOver.height) - paper.top;
    return std::min(kArcRadius, kArcRoom * above / std::sin(machAngle(flyOver.M)));
}

// How far the source has flown since it passed overhead: a thin line below the flight line, from overhead to the
// source, with end marks, and its length ahead of the source, where no front has reached.
std::string flownDistance(const Paper &paper, double xs, double height)
{
    if (xs == 0.0)
        return {};
    const double x1 = paper.x(0.0), x2 = paper.x(xs), y = paper.y(-height) + kFlownBelow;
    const auto line = [&](double ax, double ay, double bx, double by) {
        return "  <line class=\"flown\"" + attribute("x1", mm(ax)) + attribute("y1", mm(ay)) + attribute("x2", mm(bx)) +
               attribute("y2", mm(by)) + attribute("stroke", kConstruction) + attribute("stroke-width", mm(kThinLine)) +
               "/>\n";
    };
    const double flown = std::fabs(xs);
    const std::string length = flown < 1000.0 ? readableNumber(flown, kReadingDigits) + " m"
                                              : readableNumber(flown / 1000.0, kReadingDigits) + " km";
    const double ahead = xs < 0.0 ? -1.0 : 1.0;
    return line(x1, y, x2, y) + line(x1, y - kEndMark, x1, y + kEndMark) + line(x2, y - kEndMark, x2, y + kEndMark) +
           label("flown", x2 + ahead * 2 * kClearance, y + (kTextAscent - kTextDescent) * kLabelSize / 2,
                 ahead < 0 ? "end" : "start", length);
}

std::string picture(const Paper &paper, const FlyOver &flyOver, const WaveFrame &frame, double xs, PrintAnswers answers)
{
    const WorldWindow &world = paper.world;
    std::string svg = worldViewport(paper);
    svg += "    <rect class=\"ground\"" + attribute("x", exact(world.left)) + " y=\"0\"" +
           attribute("width", exact(world.right - world.left)) + attribute("height", exact(world.bottom)) +
           " fill=\"#E0E0E0\"/>\n";
    // Sound does not go on below the ground: the fronts are cut off there.
    svg += "    <clipPath id=\"air\"><rect" + attribute("x", exact(world.left)) + attribute("y", exact(world.top)) +
           attribute("width", exact(world.right - world.left)) + attribute("height", exact(-world.top)) +
           "/></clipPath>\n    <g clip-path=\"url(#air)\">\n";
    svg += wavefronts(paper, frame);
    const std::string dashed =
        thinLine(paper) + attribute("stroke-dasharray", mm(paper.metres(2.0)) + ' ' + mm(paper.metres(1.0)));
    svg += worldLine("flight", world.left, -flyOver.height, world.right, -flyOver.height, dashed);
    svg += worldLine("height", 0.0, 0.0, 0.0, -flyOver.height, dashed);
    if (std::fabs(flyOver.M) > 1.0 && answers == PrintAnswers::Shown)
        svg += machLines(paper, xs, flyOver.height, flyOver.M) +
               machArc(paper, sourceOf(flyOver, xs), arcRadius(paper, flyOver)) + boomFront(paper, flyOver);
    svg += "      <circle class=\"source\"" + attribute("cx", exact(xs)) + attribute("cy", exact(-flyOver.height)) +
           attribute("r", exact(paper.metres(kPrintSourceMm / 2))) + attribute("fill", kInk) + "/>\n";
    svg += "    </g>\n";
    svg += worldLine("ground", world.left, 0.0, world.right, 0.0,
                     attribute("stroke", kInk) + attribute("stroke-width", mm(paper.metres(2 * kThinLine))));
    return svg + "  </svg>\n" + border(paper);
}

// A label beside the height line, on the side away from the source (where the answer's Mach line runs), at the
// first height where it keeps clear of the dashed flight line, the source's dot and the ground and its rim cuts the
// fewest fronts; where the height is too short on paper for any, below the ground on the listener's other side from
// its name.
std::string heightLabel(const Paper &paper, const FlyOver &flyOver, const WaveFrame &crossed)
{
    const std::string text = "H = " + readableNumber(flyOver.height, 6) + " m";
    const double away = flyOver.M < 0 ? -1.0 : 1.0, x = paper.x(0.0) + away * kBesideLine;
    const char *anchor = away < 0 ? "end" : "start";
    const double flight = paper.y(-flyOver.height), ground = paper.y(0.0);
    std::optional<double> best;
    std::size_t fewest = 0;
    for (const double share : {0.5, 0.35, 0.65, 0.2, 0.8}) {
        const double y = paper.y(-flyOver.height * share);
        const Box box = labelBox(x, y, anchor, text);
        if (box.top < flight + kPrintSourceMm / 2 + kClearance || box.bottom > ground - kClearance)
            continue;
        if (const std::size_t cut = frontsCut(paper, crossed, box); !best || cut < fewest) {
            best = y;
            fewest = cut;
        }
    }
    if (best)
        return label("height", x, *best, anchor, text);
    return label("height", paper.x(0.0) - kListenerMm / 2 - kBesideListener, ground + kBelowGround, "end", text);
}

// The listener as a small triangle standing on the ground, and the names of what the picture shows.
std::string labels(const Paper &paper, const FlyOver &flyOver, const WaveFrame &frame, double xs,
                   PrintAnswers answers)
{
    const double lx = paper.x(0.0), ly = paper.y(0.0), half = kListenerMm / 2;
    std::string svg = "  <polygon class=\"listener\"" +
                      attribute("points", mm(lx) + ',' + mm(ly - kListenerMm) + ' ' + mm(lx - half) + ',' + mm(ly) +
                                              ' ' + mm(lx + half) + ',' + mm(ly)) +
                      attribute("fill", kInk) + "/>\n";
    svg += label("listener", lx + half + kBesideListener, ly + kBelowGround, "start", "listener");
    const WaveFrame crossed = crossing(frame, flyOver);
    svg += heightLabel(paper, flyOver, crossed);
    if (std::fabs(flyOver.M) > 1.0 && answers == PrintAnswers::Shown)
        svg += machLabel(paper, sourceOf(flyOver, xs), crossed, arcRadius(paper, flyOver)) +
               flownDistance(paper, xs, flyOver.height);
    // The source's name ahead of it and above, away from the Mach lines that trail it.
    const double d = flyOver.M > 0 ? -1.0 : 1.0, y = kFlowBand / 2 + 1.0;
    svg += label("source", paper.x(xs) + d * 2.0, paper.y(-flyOver.height) - 2.0, d > 0 ? "start" : "end", "source");
    const std::string speed = readableNumber(std::fabs(flyOver.M) * kSoundSpeed, kReadingDigits);
    if (flyOver.M == 0.0)
        return svg + label("flight", 1.0, y + 1.0, "start", "The source hovers above the listener.");
    return svg + arrow("flight", kPrintWidthMm / 2, y, d) + label("flight", kPrintWidthMm / 2 + (d > 0 ? 15.0 : -15.0), y + 1.1, d > 0 ? "start" : "end",
                       "flying at " + speed + " m/s");
}

std::string hertz(double frequency) { return readableNumber(frequency, kReadingDigits) + " Hz"; }

// The caption's sentences, each its own paragraph; the worksheet's leave the answers out, and call the instant of
// the boom only an instant of the fly-over, which students find it to be.
std::vector<std::string> captionSentences(const WaveState &state, const FlyOver &flyOver, long long step,
                                          PrintAnswers answers)
{
    const double mach = std::fabs(flyOver.M), f0 = flyOver.emittedFrequency;
    const bool shown = answers == PrintAnswers::Shown;
    std::vector<std::string> lines = {parameterCaption(state, englishWording()) + " s, H = " +
                                      readableNumber(flyOver.height, 6) + " m"};
    lines.push_back("A wavefront every " + readableNumber(1.0 / f0, kReadingDigits) + " s (f0 = " + hertz(f0) + ")" +
                    (step > 1 ? "; one in " + std::to_string(step) + " is drawn." : "."));
    if (flyOver.M == 0.0)
        lines.push_back("The picture shows the source above the listener.");
    else if (flyOver.boomTime && shown)
        lines.push_back("The boom reaches the listener at this instant, " +
                        readableNumber(*flyOver.boomTime, kReadingDigits) + " s after the pass overhead.");
    else if (flyOver.boomTime)
        lines.push_back("The picture shows an instant of the fly-over.");
    else
        lines.push_back("The picture shows the instant the source passes overhead.");
    if (!shown)
        return lines;
    if (const Boom *boom = boomFrontOf(flyOver))
        lines.push_back("The thick circle: the front that carries the boom, sent " +
                        readableNumber(-boom->tEmitted, kReadingDigits) + " s before the pass.");
    if (mach == 0.0) {
        lines.push_back("Heard: f0 = " + hertz(f0) + ", as sent.");
        return lines;
    }
    // Above Mach 1 nothing from ahead is heard before the boom: the fronts sent far ahead arrive after it.
    const char *aheadWords = mach > 1.0 ? "Sent far ahead, heard after the boom: f0 / (|M| - 1) = "
                                        : "Heard far ahead: f0 / (1 - |M|) = ";
    lines.push_back(flyOver.farAheadFrequency ? aheadWords + hertz(*flyOver.farAheadFrequency) + "."
                                              : "Sent long before the pass: all arrive together just after it.");
    lines.push_back("Heard far behind: f0 / (1 + |M|) = " + hertz(flyOver.farBehindFrequency) + ".");
    return lines;
}

// The caption's lines, each sentence wrapped within the picture's width.
std::vector<std::string> captionLines(const WaveState &state, const FlyOver &flyOver, long long step,
                                      PrintAnswers answers)
{
    std::vector<std::string> lines;
    for (const std::string &sentence : captionSentences(state, flyOver, step, answers))
        for (std::string &line : wrapped(sentence, kCaptionChars))
            lines.push_back(std::move(line));
    return lines;
}

} // namespace

double printedFlyOverSpan(const WaveState &state, double height)
{
    // Below Mach 1 the front heard overhead was sent about H / 340 s before the pass; above it, the cone's own. After
    // the pass, up to the instant drawn, so that the fronts reach up to the source.
    const std::optional<double> coneSent = boomEmitted(state, height);
    const double sent = coneSent ? -*coneSent : height / kSoundSpeed;
    return std::max({flyOverSpan(state, height), 1.5 * sent, boomTime(state, height).value_or(0.0)});
}

std::string printFlyOverSvg(const WaveState &state, const FlyOver &flyOver, PrintAnswers answers)
{
    const double instant = flyOver.boomTime.value_or(0.0);
    const double xs = -state.uSource * instant; // the source flies to the left for M > 0
    const Paper paper = placeOnPaper(xs, flyOver.height);
    const double spacing = kSoundSpeed * std::fabs(state.dtWave) * paper.mmPerMetre;
    const auto step = static_cast<long long>(std::max(1.0, std::ceil(kFrontSpacingMm / spacing)));
    const WaveFrame frame = frontsAt(flyOver, instant, xs, step);
    const std::vector<std::string> caption = captionLines(state, flyOver, step, answers);
    const double captionTop = paper.top + paper.height() + kScaleBand + kCaptionSize;
    const double height = captionTop + kCaptionLeading * static_cast<double>(caption.size() - 1) + 3.0;
    return document(height, "Conwave: a fly-over heard from the ground, " + caption.front(), paper,
                    picture(paper, flyOver, frame, xs, answers) + labels(paper, flyOver, frame, xs, answers) +
                        scaleBar(paper) + captionText(caption, captionTop));
}

} // namespace conwave
