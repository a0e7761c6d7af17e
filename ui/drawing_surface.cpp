#include "drawing_surface.h"

#include "circle_clip.h"
#include "runtime_services.h"
#include "window_tables.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace conwave {

namespace {

// Beyond this radius [px] a circle bends by less than a tenth of a pixel across the surface, so it is drawn as
// its tangent: the painter's fixed-point rasteriser cannot take coordinates that large.
constexpr double kLargestDrawnRadius = 1.0e6;

// How far beyond the inner area [px] an arc must reach to count as seen: the outline's half width and its
// antialiased fringe.
constexpr double kSeenMargin = 2.0;

} // namespace

DrawingSurface::DrawingSurface(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken); // the single-line border
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent); // paintEvent covers every pixel
}

void DrawingSurface::Scale(double x1, double y1, double x2, double y2)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) || x1 == x2 ||
        y1 == y2)
        throw RuntimeError(RuntimeErrorDetail::WorldWindowWithoutExtent);
    m_left = x1;
    m_top = y1;
    m_right = x2;
    m_bottom = y2;
    update();
}

// Every tick starts with Cls.
void DrawingSurface::Cls() { m_frame.clear(); }

void DrawingSurface::Circle(float x, float y, float radius, std::uint32_t colour)
{
    m_frame.push_back(WaveCircle{x, y, radius, colour});
}

// Most ticks before START, and every tick while the clock stands still, draw the frame already on screen;
// repainting it would cost the whole picture and change no pixel. Otherwise only the pixels the old or the new
// frame can touch may change: the border and the background elsewhere stay as they are.
void DrawingSurface::endFrame() noexcept
{
    if (m_frame == m_onScreen)
        return;
    const QRect changed = footprint(m_onScreen) | footprint(m_frame);
    m_onScreen = m_frame;
    update(changed);
}

// The part of the inner area [px] a frame can paint: its circles' bounding boxes, widened by the pen and its
// antialiased fringe.
QRect DrawingSurface::footprint(const WaveFrame &frame) const
{
    const QRect inner = contentsRect();
    QRectF covered;
    for (const WaveCircle &circle : frame) {
        const double radius = toPixels(inner, static_cast<double>(circle.radius));
        if (!(radius >= 0.0))
            continue; // draws nothing
        const QPointF centre = toPixels(inner, circle.x, circle.y);
        const double reach = std::max(radius, kDotRadius) + kSeenMargin;
        if (!std::isfinite(reach) || !std::isfinite(centre.x()) || !std::isfinite(centre.y()))
            return inner;
        covered |= QRectF(centre.x() - reach, centre.y() - reach, 2.0 * reach, 2.0 * reach);
    }
    return (covered & QRectF(inner)).toAlignedRect();
}

QPointF DrawingSurface::toPixels(double x, double y) const { return toPixels(contentsRect(), x, y); }

double DrawingSurface::toPixels(double radius) const { return toPixels(contentsRect(), radius); }

QPointF DrawingSurface::toPixels(const QRect &inner, double x, double y) const
{
    return {inner.left() + (x - m_left) * inner.width() / (m_right - m_left),
            inner.top() + (y - m_top) * inner.height() / (m_bottom - m_top)};
}

// A radius is measured along the x axis and used in both directions, so circles stay round.
double DrawingSurface::toPixels(const QRect &inner, double radius) const
{
    return radius * inner.width() / std::abs(m_right - m_left);
}

void DrawingSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect inner = contentsRect();
    if (!inner.contains(event->rect()))
        drawFrame(&painter); // the style's border costs more than a frame of circles: only when it is uncovered
    painter.fillRect(inner, colourFromBgr(kPictureBackground));
    painter.setClipRect(inner);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const WaveCircle &circle : m_frame)
        paintCircle(painter, circle, inner);
}

void DrawingSurface::paintCircle(QPainter &painter, const WaveCircle &circle, const QRect &innerArea) const
{
    const double radius = toPixels(innerArea, static_cast<double>(circle.radius));
    if (!(radius >= 0.0))
        return; // a negative radius has no circle
    const QColor colour = colourFromBgr(circle.colour);
    const QPointF centre = toPixels(innerArea, circle.x, circle.y);
    if (drawnAsDot(radius)) {
        painter.fillRect(QRectF(std::floor(centre.x()), std::floor(centre.y()), 1.0, 1.0), colour);
        return;
    }

    // Only an outline that passes through the disc around the inner area can show.
    const QRectF inner = innerArea;
    const QPointF middle = inner.center();
    const double reach = std::hypot(inner.width(), inner.height()) / 2.0 + 1.0;
    const QPointF towardsMiddle = middle - centre;
    const double distance = std::hypot(towardsMiddle.x(), towardsMiddle.y());
    if (std::abs(distance - radius) > reach)
        return;

    painter.setPen(QPen(colour, 1.0)); // one device-independent pixel: as thick on a high-density screen
    painter.setBrush(Qt::NoBrush);
    if (radius <= kLargestDrawnRadius) {
        // Only the quarters that show are handed to the painter: stroking a wide antialiased outline costs in
        // proportion to its length, seen or clipped, and most of a large circle lies outside. The quarters are the
        // very curves of the whole circle and each run of them ends outside the inner area, so the same pixels
        // come out; cutting finer than quarters would make the painter approximate the outline differently.
        const QRectF seenArea = inner.adjusted(-kSeenMargin, -kSeenMargin, kSeenMargin, kSeenMargin);
        const std::array<bool, 4> quarters = quartersInBox(centre, radius, seenArea);
        const auto shown = std::count(quarters.begin(), quarters.end(), true);
        if (shown == 4)
            painter.drawEllipse(centre, radius, radius);
        else if (shown > 0)
            painter.drawPath(quarterArcs(QRectF(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius),
                                         quarters));
        return;
    }
    const QPointF unit = towardsMiddle / distance;
    const QPointF nearest = middle - unit * (distance - radius);
    const QPointF along(-unit.y() * reach, unit.x() * reach);
    painter.drawLine(nearest - along, nearest + along);
}

} // namespace conwave
