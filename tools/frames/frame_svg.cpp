#include "frames/frame_svg.h"

#include "picture_look.h"
#include "runtime_services.h"
#include "shared/markup.h"
#include "shared/tool_words.h"
#include "wave_state.h"
#include "words.h"

namespace conwave {

namespace {

constexpr int kPictureWidth = roundedPixels(kPictureWidthTwips); // the window's picture at 96 dpi [px]
constexpr int kPictureHeight = roundedPixels(kPictureHeightTwips);
constexpr int kCaptionHeight = 20; // [px]

} // namespace

std::string frameSvg(const WaveState &state, double drawnAt, const WaveFrame &frame)
{
    const WorldWindow window = worldWindow(state.aSound);
    const double left = window.left, top = window.top;
    const double width = window.right - window.left, height = window.bottom - window.top;
    const double worldPerPixel = width / kPictureWidth;
    const std::string caption =
        parameterCaption(state, englishWording()) + ", tNow = " + numberToText(drawnAt) + " s";

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"" + attribute("width", std::to_string(kPictureWidth)) +
           attribute("height", std::to_string(kPictureHeight + kCaptionHeight)) + attribute("viewBox", "0 0 " +
           std::to_string(kPictureWidth) + ' ' + std::to_string(kPictureHeight + kCaptionHeight)) + ">\n";
    svg += "  <title>Conwave: " + caption + "</title>\n";
    svg += "  <rect x=\"0\" y=\"0\"" + attribute("width", std::to_string(kPictureWidth)) +
           attribute("height", std::to_string(kPictureHeight + kCaptionHeight)) + " fill=\"#FFFFFF\"/>\n";
    svg += "  <rect x=\"0\" y=\"0\"" + attribute("width", std::to_string(kPictureWidth)) +
           attribute("height", std::to_string(kPictureHeight)) + attribute("fill", svgColour(kPictureBackground)) + "/>\n";
    const std::string world = shortestText(left) + ' ' + shortestText(top) + ' ' + shortestText(width) + ' ' +
                              shortestText(height);
    // The world window keeps its proportions (the default "meet"), so circles stay round, as in the window; the
    // picture clips what lies outside it.
    svg += "  <svg id=\"picture\" x=\"0\" y=\"0\"" + attribute("width", std::to_string(kPictureWidth)) +
           attribute("height", std::to_string(kPictureHeight)) + attribute("viewBox", world) + " overflow=\"hidden\">\n";
    svg += "    <clipPath id=\"inner\"><rect" + attribute("x", shortestText(left)) + attribute("y", shortestText(top)) +
           attribute("width", shortestText(width)) + attribute("height", shortestText(height)) + "/></clipPath>\n";
    svg += "    <g clip-path=\"url(#inner)\">\n";
    for (const WaveCircle &c : frame) {
        if (c.radius < 0.0f)
            continue; // a negative radius draws nothing
        const std::string centre = attribute("cx", shortestText(c.x)) + attribute("cy", shortestText(c.y));
        if (drawnAsDot(c.radius / worldPerPixel)) {
            // Below one pixel across: the dot at the centre, one pixel wide.
            svg += "      <circle class=\"dot\"" + centre + attribute("r", shortestText(worldPerPixel / 2)) +
                   attribute("fill", svgColour(c.colour)) + "/>\n";
        } else {
            svg += "      <circle class=\"wave\"" + centre + attribute("r", shortestText(c.radius)) +
                   " fill=\"none\"" + attribute("stroke", svgColour(c.colour)) +
                   " stroke-width=\"1\" vector-effect=\"non-scaling-stroke\"/>\n";
        }
    }
    svg += "    </g>\n  </svg>\n";
    svg += "  <text x=\"4\"" + attribute("y", std::to_string(kPictureHeight + kCaptionHeight - 6)) +
           " font-family=\"sans-serif\" font-size=\"11\" fill=\"#000000\">" + caption + "</text>\n";
    svg += "</svg>\n";
    return svg;
}

} // namespace conwave
