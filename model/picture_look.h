// How the picture looks wherever it is drawn (the window's surface, the frames tool's SVG and page): its size,
// colours, world window, and what becomes of a circle too small to have an outline. Plain C++, so the tools share it.
#pragma once

#include <cstdint>

namespace conwave {

inline constexpr int kTwipsPerPixel = 15; // 1440 twips per inch at 96 device-independent pixels per inch

// Twips to device-independent pixels, rounded to the nearest pixel.
constexpr int roundedPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

inline constexpr int kPictureWidthTwips = 6000;  // outer size, border included
inline constexpr int kPictureHeightTwips = 4000;
inline constexpr std::uint32_t kPictureBackground = 0x00FFFF80; // 0x00BBGGRR: light cyan
inline constexpr std::uint32_t kMachLineColour = 0x00661A1A;    // dark blue, apart from the red wavefronts (the page)

// The world window [m]: the source one third of the way across and halfway down, y growing downwards.
struct WorldWindow {
    double left;
    double top;
    double right;
    double bottom;
};

constexpr WorldWindow worldWindow(double aSound) { return {-aSound, -aSound, 2.0 * aSound, aSound}; }

// Below this radius [px] a circle has no outline to show: it marks its centre with a dot one pixel wide.
inline constexpr double kDotRadius = 0.5;

constexpr bool drawnAsDot(double radiusPixels) { return radiusPixels >= 0.0 && radiusPixels < kDotRadius; }

} // namespace conwave
