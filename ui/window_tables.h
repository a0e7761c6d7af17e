// The two windows as data: every name, place (in twips), caption, colour and font of their controls.
#pragma once

#include "picture_look.h"
#include "wave_state.h"
#include "words.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

class QColor;
class QFont;
class QRect;
class QSize;
class QString;
class QWidget;

namespace conwave {

// A rectangle in twips, relative to the client area of its window or to the frame that holds it.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The one conversion from twips to device-independent pixels. Edges are rounded, not sizes, so that
// neighbouring controls stay flush.
QRect pixelRect(const TwipRect &twips);
QSize pixelSize(int widthTwips, int heightTwips);

// A colour written 0x00BBGGRR, red in the low byte.
QColor colourFromBgr(std::uint32_t bgr);

enum class Face {
    SmallSans, // the small system face of the main window and the About title
    Verdana,   // the About window's text face
};

struct FontSpec {
    Face face = Face::SmallSans;
    double points = 8.0;
    bool underline = false;
};

// The face that stands in for the named one, at the given size.
QFont windowFont(const FontSpec &wanted);

enum class Align { Left, Centre };

// One control of a table: its object name, its place and its position in the keyboard order (-1: none).
struct Control {
    std::string_view name;
    TwipRect place;
    int tab = -1;
};

// A table's text as Qt holds it.
QString qText(std::string_view text);

// Gives the widget its object name and its place (twips, relative to its parent).
void place(QWidget *widget, std::string_view name, const TwipRect &twips);
inline void place(QWidget *widget, const Control &control) { place(widget, control.name, control.place); }

// ---- Form1, the main window ------------------------------------------------------------------------------------

inline constexpr std::string_view kForm1Name = "Form1";
inline constexpr std::string_view kForm1Caption = "Conwave";
inline constexpr int kForm1ClientWidth = 6225;  // twips, below the menu bar
inline constexpr int kForm1ClientHeight = 5640; // twips
inline constexpr FontSpec kForm1Font{Face::SmallSans, 7.5, false}; // "tMax =" fills its 33 px box at 8 pt

inline constexpr Control kPictureControl{"Picture1", {120, 1560, kPictureWidthTwips, kPictureHeightTwips}, 0};
inline constexpr Control kParameterFrame{"Frame2", {2400, 0, 3735, 1455}, 1};
inline constexpr Control kClockLabel{"Label5", {240, 1200, 975, 255}, 5};
inline constexpr Control kStartButton{"Command1", {120, 360, 1215, 735}, 6};

inline constexpr std::string_view kClockCaption = "Label5"; // until the first tick writes the time
inline constexpr std::string_view kStartCaption = CONWAVE_WORDS("Form1", "START");

inline constexpr std::string_view kTimerName = "Timer1";
inline constexpr int kTimerIntervalMs = 40; // one animation tick

inline constexpr std::string_view kMenuAboutName = "Mn_About";
inline constexpr std::string_view kMenuAboutCaption = CONWAVE_WORDS("Form1", "&About"); // Alt+A, shown "About"

// What screen readers call the controls whose captions do not say it. A screen reader says the role after the name
// ("Wavefronts image"), so no name ends in its role.
inline constexpr std::string_view kPictureName = CONWAVE_WORDS("Form1", "Wavefronts");
inline constexpr std::string_view kParametersName = CONWAVE_WORDS("Form1", "Parameters");
inline constexpr std::string_view kClockName = CONWAVE_WORDS("Form1", "Clock");
inline constexpr std::string_view kStartName = CONWAVE_WORDS("Form1", "Start the animation");

// What a text box accepts, for screen readers: the first where the language writes decimals with a point, the
// second where it writes them with a comma.
inline constexpr std::string_view kTypedWithPoint =
    CONWAVE_WORDS("Form1", "A number with a decimal point, such as 1.5; it takes effect at START");
inline constexpr std::string_view kTypedWithComma =
    CONWAVE_WORDS("Form1", "A number with a decimal comma or point, such as 1,5; it takes effect at START");

// One parameter row inside Frame2: caption label, text box and scroll bar.
struct ParameterRow {
    WaveField field;
    Control label;
    std::string_view caption;
    Control text;
    std::string_view initialText;
    Control bar;
    int minimum;
    int maximum;
    int value;
    int smallChange;
    int largeChange;
    int divisor; // the text shows the bar's value divided by this
    // For screen readers and voice control: the caption's symbol first, then its meaning. The caption, the text box
    // and the scroll bar all have this name; their roles tell them apart.
    std::string_view name;
};

inline constexpr std::array<ParameterRow, 3> kParameterRows{{
    // HScroll_M counts tenths: 0 to 30 are Mach 0 to 3.0 in steps of 0.1.
    {WaveField::M, {"Label1", {480, 240, 375, 255}, 4}, "M=", {"Text_M", {960, 240, 495, 285}, 2}, kStartUpTexts[0],
     {"HScroll_M", {1440, 240, 2055, 255}, 3}, 0, 30, 0, 1, 5, 10,
     CONWAVE_WORDS("Form1", "M, Mach number")},
    {WaveField::nWave, {"Label2", {120, 600, 735, 255}, 10}, "nWave =", {"Text_nWave", {960, 600, 495, 285}, 8},
     kStartUpTexts[1], {"HScroll_nWave", {1440, 600, 2055, 255}, 11}, 1, 30, 4, 1, 1, 1,
     CONWAVE_WORDS("Form1", "nWave, number of wavefronts")},
    {WaveField::tMax, {"Label3", {240, 960, 495, 255}, 9}, "tMax =", {"Text_tMax", {960, 960, 495, 285}, 7},
     kStartUpTexts[2], {"HScroll_tMax", {1440, 960, 2055, 255}, 12}, 1, 4, 1, 1, 1, 1,
     CONWAVE_WORDS("Form1", "tMax, time span in seconds")},
}};

// ---- Form_About ------------------------------------------------------------------------------------------------

inline constexpr std::string_view kAboutName = "Form_About";
inline constexpr std::string_view kAboutCaption = CONWAVE_WORDS("Form_About", "About");
inline constexpr int kAboutClientWidth = 3600;  // twips
inline constexpr int kAboutClientHeight = 3150; // twips
inline constexpr std::uint32_t kAboutBackground = 0x00C0FFFF; // light yellow

struct AboutLabel {
    std::string_view name;
    std::string_view text;
    TwipRect place;
    std::optional<std::uint32_t> colour; // none: the default text colour
    FontSpec font;
    Align align;
    bool wraps;
};

inline constexpr FontSpec kAboutText{Face::Verdana, 8.25, false};

// Top to bottom: title, description, credit, date, contact lead-in, contact address.
inline constexpr std::array<AboutLabel, 6> kAboutLabels{{
    {"Label1", "Conwave", {1080, 120, 1215, 375}, 0x000000FF, {Face::SmallSans, 12.0, true}, Align::Left, false},
    {"Label2",
     CONWAVE_WORDS("Form_About", "This Program simulates wave propagation from a point distribution source for "
                                 "choosen Mach numbers in subsonic - supersonic regimes"),
     {360, 600, 2655, 1095}, 0x00008000, kAboutText, Align::Centre, true},
    {"Label7", CONWAVE_WORDS("Form_About", "Developed by the Conwave team"), {480, 1920, 2535, 255}, std::nullopt,
     kAboutText, Align::Centre, false},
    {"Label8", CONWAVE_WORDS("Form_About", "Last modified on April 2007"), {480, 2160, 2415, 255}, std::nullopt,
     kAboutText, Align::Centre, false},
    {"Label4", CONWAVE_WORDS("Form_About", "For comments and questions e-mail to"), {120, 2520, 3375, 255},
     std::nullopt, kAboutText, Align::Left, false},
    {"Label5", "conwave@example.org", {840, 2760, 1935, 255}, 0x00FF0000, kAboutText, Align::Left, false},
}};

} // namespace conwave
