// Reads a grabbed picture: where the world point lands, and whether a pixel shows a wavefront.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>

#include <cmath>
#include <vector>

namespace conwave::test {

// A wavefront pixel: red, or red blended into the light cyan by antialiasing.
inline bool isWaveColour(const QColor &c) { return c.red() > c.green() + 50 && c.red() > c.blue() + 50; }

// The world window (-340, -340)-(680, 340) on an inner area, by the mapping the teacher's notes give.
struct WorldMap {
    QRect inner;
    QPointF point(double x, double y) const
    {
        return {inner.left() + (x + 340.0) * inner.width() / 1020.0, inner.top() + (y + 340.0) * inner.height() / 680.0};
    }
    double length(double r) const { return r * inner.width() / 1020.0; }
};

struct PixelCircle {
    QPointF centre;
    double radius;
};

// Whether a wavefront pixel lies within `slack` pixels of a point.
inline bool waveNear(const QImage &image, QPointF at, int slack = 1)
{
    const int x0 = static_cast<int>(std::floor(at.x()));
    const int y0 = static_cast<int>(std::floor(at.y()));
    for (int y = y0 - slack; y <= y0 + slack; ++y)
        for (int x = x0 - slack; x <= x0 + slack; ++x)
            if (image.rect().contains(x, y) && isWaveColour(image.pixelColor(x, y)))
                return true;
    return false;
}

// Wavefront pixels of the inner area farther than `clearance` pixels from every given outline.
inline int strayWavePixels(const QImage &image, const QRect &inner, const std::vector<PixelCircle> &circles,
                           double clearance = 2.0)
{
    int stray = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const QPointF centreOfPixel(x + 0.5, y + 0.5);
            bool nearOutline = false;
            for (const PixelCircle &c : circles) {
                const double d = std::hypot(centreOfPixel.x() - c.centre.x(), centreOfPixel.y() - c.centre.y());
                nearOutline = nearOutline || std::abs(d - c.radius) <= clearance;
            }
            if (!nearOutline && isWaveColour(image.pixelColor(x, y)))
                ++stray;
        }
    }
    return stray;
}

inline int wavePixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isWaveColour(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

} // namespace conwave::test
