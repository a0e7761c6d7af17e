#include "print/print_paper.h"

#include "regime.h"
#include "runtime_services.h"
#include "shared/markup.h"
#include "words.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <tuple>
#include <utility>

namespace conwave::print {

namespace {

// Whether a wavefront's outline crosses a box on paper: part of the box lies within the outline's outer edge and
// part beyond its inner edge.
bool cuts(const Paper &paper, const Box &box, const WaveCircle &c)
{
    const double left = paper.worldX(box.left), right = paper.worldX(box.right);
    const double top = paper.worldY(box.top), bottom = paper.worldY(box.bottom);
    const double halfOutline = paper.metres(kPrintOutlineMm / 2);
    const double nearest = beyondOutline(std::clamp<double>(c.x, left, right), std::clamp<double>(c.y, top, bottom), c);
    const double farthest =
        beyondOutline(c.x < (left + right) / 2 ? right : left, c.y < (top + bottom) / 2 ? bottom : top, c);
    return nearest <= halfOutline && farthest >= -halfOutline;
}

} // namespace

std::string mm(double value) { return readableNumber(value, 7); }
std::string exact(double value) { return shortestText(value); }


// A label in millimetres, with a white rim so that it stays readable where it crosses a line.
std::string label(const char *cls, double x, double y, const char *anchor, const std::string &text, bool rim)
{
    const std::string rimStyle = attribute("stroke", kPaper) + attribute("stroke-width", mm(kLabelRim)) +
                                 " stroke-linejoin=\"round\" paint-order=\"stroke\"";
    return "  <text" + attribute("class", cls) + attribute("x", mm(x)) + attribute("y", mm(y)) +
           attribute("text-anchor", anchor) + " font-family=\"sans-serif\"" + attribute("font-size", mm(kLabelSize)) +
           attribute("fill", kInk) + (rim ? rimStyle : std::string()) + ">" + escapedMarkup(text) + "</text>\n";
}


Box labelBox(double x, double y, std::string_view anchor, const std::string &text)
{
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    const double width = kTextAdvance * kLabelSize * static_cast<double>(characters);
    const double left = anchor == "end" ? x - width : anchor == "middle" ? x - width / 2 : x;
    const double rim = kLabelRim / 2;
    return {left - rim, y - kTextAscent * kLabelSize - rim, left + width + rim, y + kTextDescent * kLabelSize + rim};
}

// How far a point lies outside a circle's outline, negative inside [m]; factored so that a circle far larger than
// the picture (1e30 m across, its edge by the source) keeps its precision next to its own edge.
double beyondOutline(double x, double y, const WaveCircle &c)
{
    const double cx = c.x, r = c.radius, dy = y - c.y, distance = std::hypot(x - cx, dy);
    return distance + r == 0.0 ? 0.0 : ((x - (cx + r)) * (x - (cx - r)) + dy * dy) / (distance + r);
}

std::string machArc(const Paper &paper, const Source &source, double radius)
{
    const double sx = source.x, sy = source.y, downstream = source.downstream, angle = machAngle(source.mach);
    const double r = paper.metres(radius);
    return "      <path class=\"arc\"" +
           attribute("d", "M " + exact(sx + downstream * r) + ' ' + exact(sy) + " A " + exact(r) + ' ' + exact(r) +
                              " 0 0 " + (downstream > 0 ? "0 " : "1 ") + exact(sx + downstream * std::cos(angle) * r) +
                              ' ' + exact(sy - std::sin(angle) * r)) +
           " fill=\"none\"" + thinLine(paper) + "/>\n";
}

// On the bisector beyond the arc, as near the arc as the label fits between the axis and the Mach line, or a little
// farther out where that spot is clear of the wavefronts too. An angle too narrow for the label within the picture
// (a degree or two) has it beside the arc's end, just above the upper Mach line.
std::string machLabel(const Paper &paper, const Source &source, const WaveFrame &frame, double radius)
{
    const double angle = machAngle(source.mach);
    const std::string text = oneDecimal(machAngleDegrees(source.mach)) + kDegree;
    const Box box = labelBox(0.0, 0.0, "middle", text); // about the baseline's middle
    const double halfWidth = (box.right - box.left) / 2, halfHeight = (box.bottom - box.top) / 2;
    const double sx = paper.x(source.x), sy = paper.y(source.y);
    const double room = (source.downstream > 0 ? paper.width() - sx : sx) - halfWidth - 2 * kClearance;
    // The label's middle from the source along the axis downstream (u) and up (v) [mm].
    const auto middle = [&](double d) { return std::pair{d * std::cos(angle / 2), d * std::sin(angle / 2)}; };
    const auto inside = [&](double u, double v) {
        const double nearU = u - halfWidth, lowV = v - halfHeight, highV = v + halfHeight;
        return lowV >= kClearance && nearU * std::sin(angle) - highV * std::cos(angle) >= kClearance &&
               std::hypot(nearU, lowV) >= radius + kClearance;
    };
    std::optional<double> fits, clear;
    for (double d = radius; !clear && middle(d + 0.25).first < room && (!fits || d <= *fits + kLabelSearch);
         d += 0.25) {
        const auto [u, v] = middle(d);
        const double x = sx + source.downstream * u;
        if (!inside(u, v))
            continue;
        fits = fits.value_or(d);
        if (clearOfFronts(paper, frame, {x - halfWidth, sy - v - halfHeight, x + halfWidth, sy - v + halfHeight}))
            clear = d;
    }
    double u = radius * std::cos(angle) + halfWidth + kClearance;
    double v = (u + halfWidth) * std::tan(angle) + halfHeight + kClearance;
    if (fits)
        std::tie(u, v) = middle(clear.value_or(*fits));
    return label("angle", sx + source.downstream * u, sy - v - (box.top + box.bottom) / 2, "middle", text);
}

std::string worldLine(const char *cls, double x1, double y1, double x2, double y2, const std::string &style)
{
    return "      <line" + attribute("class", cls) + attribute("x1", exact(x1)) + attribute("y1", exact(y1)) +
           attribute("x2", exact(x2)) + attribute("y2", exact(y2)) + style + "/>\n";
}

// The frame's wavefronts: every circle but the last, the source marker.
std::span<const WaveCircle> fronts(const WaveFrame &frame)
{
    return std::span(frame).first(frame.empty() ? 0 : frame.size() - 1);
}

std::size_t frontsCut(const Paper &paper, const WaveFrame &frame, const Box &box)
{
    return static_cast<std::size_t>(std::ranges::count_if(fronts(frame), [&](const WaveCircle &c) {
        return c.radius >= 0.0f && cuts(paper, box, c);
    }));
}

bool clearOfFronts(const Paper &paper, const WaveFrame &frame, const Box &box)
{
    return frontsCut(paper, frame, box) == 0;
}

// The wavefronts as the frame has them, exactly; one too small to show its outline as a dot of the outline's
// width, and negative radii not at all, as in the window.
std::string wavefronts(const Paper &paper, const WaveFrame &frame)
{
    const double outline = paper.metres(kPrintOutlineMm);
    std::string svg;
    for (const WaveCircle &c : fronts(frame)) {
        if (c.radius < 0.0f)
            continue;
        const std::string centre = attribute("cx", shortestText(c.x)) + attribute("cy", shortestText(c.y));
        if (c.radius < outline / 2)
            svg += "      <circle class=\"dot\"" + centre + attribute("r", mm(outline / 2)) +
                   attribute("fill", kInk) + "/>\n";
        else
            svg += "      <circle class=\"wave\"" + centre + attribute("r", shortestText(c.radius)) + " fill=\"none\"" +
                   attribute("stroke", kInk) + attribute("stroke-width", mm(outline)) + "/>\n";
    }
    return svg;
}

std::string thinLine(const Paper &paper)
{
    return attribute("stroke", kConstruction) + attribute("stroke-width", mm(paper.metres(kThinLine)));
}

// Blocks of one centimetre, labelled in metres, and the scale in words.
std::string scaleBar(const Paper &paper)
{
    const double top = paper.top + paper.height() + 4.0, left = 1.0;
    std::string svg;
    for (int k = 0; k < kScaleCentimetres; ++k)
        svg += "  <rect class=\"scale\"" + attribute("x", mm(left + 10.0 * k)) + attribute("y", mm(top)) +
               " width=\"10\" height=\"1.5\"" + attribute("fill", k % 2 == 0 ? kInk : kPaper) + attribute("stroke", kInk) +
               attribute("stroke-width", mm(kThinLine)) + "/>\n";
    // Every centimetre is labelled where each number keeps clear of the next, the last with its unit, else only the
    // ends.
    const auto text = [&](int k) {
        return readableNumber(paper.metres(10.0 * k), 6) + (k == kScaleCentimetres ? " m" : "");
    };
    const auto box = [&](int k) { return labelBox(left + 10.0 * k, top + 5.5, "middle", text(k)); };
    bool everyBlock = true;
    for (int k = 0; k < kScaleCentimetres; ++k)
        everyBlock = everyBlock && box(k).right + kClearance <= box(k + 1).left;
    for (int k = 0; k <= kScaleCentimetres; ++k)
        if (everyBlock || k == 0 || k == kScaleCentimetres)
            svg += label("scale", left + 10.0 * k, top + 5.5, "middle", text(k));
    const std::string perCentimetre = readableNumber(paper.metres(10.0), 6);
    const double words = left + 10.0 * kScaleCentimetres + 8.0;
    return svg + label("scale-statement", words, top + 1.8, "start", "Scale: 1 cm = " + perCentimetre + " m") +
           label("scale-note", words, top + 6.0, "start",
                 "At actual size the bar is " + std::to_string(kScaleCentimetres) + " cm; wavefronts " +
                     mm(kPrintOutlineMm) + " mm wide.");
}

std::vector<std::string> wrapped(const std::string &text, std::size_t width)
{
    std::vector<std::string> lines;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (lines.empty() || lines.back().size() + 1 + word.size() > width)
            lines.push_back(word);
        else
            lines.back() += ' ' + word;
    }
    return lines;
}

std::string captionText(const std::vector<std::string> &caption, double top)
{
    std::string svg = "  <text class=\"caption\" font-family=\"sans-serif\"" + attribute("font-size", mm(kCaptionSize)) +
                      attribute("fill", kInk) + ">\n";
    for (std::size_t k = 0; k < caption.size(); ++k)
        svg += "    <tspan x=\"1\"" + attribute("y", mm(top + kCaptionLeading * static_cast<double>(k))) + ">" +
               escapedMarkup(caption[k]) + "</tspan>\n";
    return svg + "  </text>\n";
}

std::string worldViewport(const Paper &paper)
{
    const WorldWindow &world = paper.world;
    const std::string view = exact(world.left) + ' ' + exact(world.top) + ' ' + exact(world.right - world.left) + ' ' +
                             exact(world.bottom - world.top);
    return "  <svg id=\"picture\" x=\"0\"" + attribute("y", mm(paper.top)) + attribute("width", mm(paper.width())) +
           attribute("height", exact(paper.height())) + attribute("viewBox", view) +
           " preserveAspectRatio=\"xMidYMid meet\" overflow=\"hidden\">\n";
}

std::string arrow(const char *cls, double x, double y, double direction)
{
    const double d = direction, tip = x + d * 12.0;
    std::string svg = "  <line" + attribute("class", cls) + attribute("x1", mm(x - d * 12.0)) + attribute("y1", mm(y)) +
                      attribute("x2", mm(tip - d * 2.5)) + attribute("y2", mm(y)) + attribute("stroke", kInk) +
                      attribute("stroke-width", mm(2 * kThinLine)) + "/>\n";
    return svg + "  <polygon" + attribute("class", cls) +
           attribute("points", mm(tip) + ',' + mm(y) + ' ' + mm(tip - d * 3.0) + ',' + mm(y - 1.3) + ' ' +
                                   mm(tip - d * 3.0) + ',' + mm(y + 1.3)) +
           attribute("fill", kInk) + "/>\n";
}

std::string border(const Paper &paper)
{
    return "  <rect class=\"border\"" + attribute("x", mm(kThinLine / 2)) + attribute("y", mm(paper.top)) +
           attribute("width", mm(paper.width() - kThinLine)) + attribute("height", mm(paper.height())) +
           " fill=\"none\"" + attribute("stroke", kInk) + attribute("stroke-width", mm(kThinLine)) + "/>\n";
}

std::string document(double height, const std::string &title, const Paper &paper, const std::string &content)
{
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"" + attribute("width", mm(kPrintWidthMm) + "mm") +
           attribute("height", mm(height) + "mm") + attribute("viewBox", "0 0 " + mm(kPrintWidthMm) + ' ' + mm(height)) +
           ">\n";
    svg += "  <title>" + escapedMarkup(title) + "</title>\n";
    svg += "  <desc>Millimetres on paper; inside the picture, metres. Scale 1 cm = " +
           readableNumber(paper.metres(10.0), 6) + " m.</desc>\n";
    svg += "  <rect x=\"0\" y=\"0\"" + attribute("width", mm(kPrintWidthMm)) + attribute("height", mm(height)) +
           attribute("fill", kPaper) + "/>\n";
    return svg + content + "</svg>\n";
}

} // namespace conwave::print
