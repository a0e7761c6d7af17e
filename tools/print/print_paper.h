// What every picture for paper shares: the style (sizes in millimetres, greyscale), the placing of a world window
// in metres on paper, labels that keep clear of the wavefronts, the wavefronts themselves, the scale bar and the
// caption.
#pragma once

#include "picture_look.h"
#include "wave_tick.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace conwave {

inline constexpr double kPrintWidthMm = 170.0;  // fits A4 and Letter portrait within their margins [mm]
inline constexpr double kPrintOutlineMm = 0.3;  // wavefront outlines [mm]
inline constexpr double kPrintSourceMm = 2.0;   // the source's dot across [mm]

// The answer key shows what students are asked to find: the Mach lines with the arc and the Mach angle, the line
// every front touches at Mach 1, and the window's sentence naming the regime. A worksheet leaves them out and keeps
// everything else (scale, circles, source, air, scale bar, parameters), drawn exactly as in the key.
enum class PrintAnswers { Shown, LeftOut };

namespace print {

inline constexpr double kFlowBand = 10.0;      // above the picture, for the air's arrow [mm]
inline constexpr double kScaleBand = 14.0;     // below the picture, for the scale bar [mm]
inline constexpr double kThinLine = 0.2;       // border, scale bar, construction lines [mm]
inline constexpr double kArcRadius = 25.0;     // the Mach angle's arc [mm]
inline constexpr double kLabelSize = 3.2;      // about 9 pt [mm]
inline constexpr double kLabelRim = 0.8;       // a label's white rim, both sides together [mm]
inline constexpr double kClearance = 0.5;      // between a label's rim and the lines it must not touch [mm]
inline constexpr double kSourceGap = 0.3;      // white between the source's dot and a front running past it [mm]
inline constexpr double kSourceCore = 0.15;    // the ink kept at the dot's centre where a front crosses it, radius [mm]
inline constexpr double kLabelSearch = 12.0;   // how far from the dot the source's name may go to find room [mm]
// A label's extent in em: no sans-serif face's average character is wider, and no digit or letter reaches higher
// or lower.
inline constexpr double kTextAdvance = 0.6;
inline constexpr double kTextAscent = 0.75;
inline constexpr double kTextDescent = 0.2;
inline constexpr double kCaptionSize = 3.5;    // 10 pt [mm]
inline constexpr double kCaptionLeading = 5.0; // [mm]
inline constexpr std::size_t kCaptionChars = 82; // a caption line at 3.5 mm in a sans-serif face stays within 170 mm
inline constexpr int kScaleCentimetres = 5;    // the scale bar, one block per centimetre
inline constexpr int kReadingDigits = 3;       // numbers in words: 0.167 s, 680 m/s

inline constexpr const char *kInk = "#000000";
inline constexpr const char *kConstruction = "#505050"; // lines that help measuring, apart from the wavefronts
inline constexpr const char *kPaper = "#FFFFFF";
inline constexpr const char *kDegree = "\xC2\xB0";

// Where the world window lands on paper.
struct Paper {
    WorldWindow world;
    double top;        // the picture's top edge [mm]
    double mmPerMetre; // the scale

    double width() const { return (world.right - world.left) * mmPerMetre; }
    double height() const { return (world.bottom - world.top) * mmPerMetre; }
    double x(double worldX) const { return (worldX - world.left) * mmPerMetre; }
    double y(double worldY) const { return top + (worldY - world.top) * mmPerMetre; }
    double metres(double mm) const { return mm / mmPerMetre; }
    double worldX(double paperX) const { return world.left + paperX / mmPerMetre; }
    double worldY(double paperY) const { return world.top + (paperY - top) / mmPerMetre; }
};

// Paper positions and line widths need no more digits than a printer has dots; geometry is written exactly.
std::string mm(double value);
std::string exact(double value);

// A label in millimetres, with a white rim so that it stays readable where it crosses a line.
std::string label(const char *cls, double x, double y, const char *anchor, const std::string &text, bool rim = true);

// A label's extent on paper with its rim [mm], as wide and tall as any sans-serif face draws it.
struct Box {
    double left, top, right, bottom;
};

Box labelBox(double x, double y, std::string_view anchor, const std::string &text);

// How far a point lies outside a circle's outline, negative inside [m].
double beyondOutline(double x, double y, const WaveCircle &c);

// The source as a picture places it [m], its speed and the side its Mach lines trail to.
struct Source {
    double x;
    double y;
    double mach;       // |M|
    double downstream; // +1 when the Mach lines trail to the right, -1 to the left
};

// Above Mach 1, the arc of the Mach angle radius [mm] from the source, from the line behind it to the upper Mach
// line, in world coordinates [m].
std::string machArc(const Paper &paper, const Source &source, double radius = kArcRadius);

// The angle's label for that arc, inside the angle where it fits and keeps clear of the fronts, else beside the arc.
std::string machLabel(const Paper &paper, const Source &source, const WaveFrame &frame, double radius = kArcRadius);

// A line in world coordinates [m], inside the picture's nested <svg>.
std::string worldLine(const char *cls, double x1, double y1, double x2, double y2, const std::string &style);

// The frame's wavefronts: every circle but the last, the source marker.
std::span<const WaveCircle> fronts(const WaveFrame &frame);

// How many wavefronts' outlines a label's box crosses, so that its rim cuts them.
std::size_t frontsCut(const Paper &paper, const WaveFrame &frame, const Box &box);

// Whether a label's box lies clear of every wavefront's outline, so that its rim cuts none.
bool clearOfFronts(const Paper &paper, const WaveFrame &frame, const Box &box);

// The wavefronts as the frame has them, exactly; one too small to show its outline as a dot of the outline's
// width, and negative radii not at all, as in the window.
std::string wavefronts(const Paper &paper, const WaveFrame &frame);

// The opening of the nested <svg> that places the world window [m] on paper [mm]; the picture closes it.
std::string worldViewport(const Paper &paper);

// A horizontal arrow 24 mm long centred on x at height y [mm], pointing right for direction +1, left for -1.
std::string arrow(const char *cls, double x, double y, double direction);

// The picture's frame on paper.
std::string border(const Paper &paper);

// The style of a thin construction line at the paper's scale.
std::string thinLine(const Paper &paper);

// Blocks of one centimetre below the picture, labelled in metres, and the scale in words.
std::string scaleBar(const Paper &paper);

// A text cut into lines of at most width characters, at spaces.
std::vector<std::string> wrapped(const std::string &text, std::size_t width);

// The caption's lines from top [mm] down.
std::string captionText(const std::vector<std::string> &caption, double top);

// The document around a picture: 170 mm wide, height [mm], white paper, its title and a note on its units.
std::string document(double height, const std::string &title, const Paper &paper, const std::string &content);

} // namespace print

} // namespace conwave
