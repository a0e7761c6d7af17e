#include "drawing_surface.h"

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

// Below this radius [px] a circle has no outline to show: it marks its centre with a dot.
constexpr double kDotRadius = 0.5;

// How far beyond the inner area [px] an arc must reach to count as seen: the outline's half width and its
// antialiased fringe.
constexpr double kSeenMargin = 2.0;

// Which quarters of a circle [px] pass through a box. Quarter q spans 90 q to 90 (q + 1) degrees, counted
// counter-clockwise on screen from three o'clock as the painter counts them.
std::array<bool, 4> quartersInBox(QPointF centre, double radius, const QRectF &box)
{
    constexpr double kTurn = 2.0 * std::numbers::pi;
    const auto at = [&](double angle) {
        return QPointF(centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle));
    };
    std::array<double, 9> crossings{}; // angles [rad] where the circle meets an edge: at most two per edge
    int n = 0;
    for (const double x : {box.left(), box.right()}) {
        const double c = (x - centre.x()) / radius;
        if (std::abs(c) < 1.0) {
            crossings[n++] = std::acos(c);
            crossings[n++] = kTurn - std::acos(c);
        }
    }
    for (const double y : {box.top(), box.bottom()}) {
        const double s = (centre.y() - y) / radius;
        if (std::abs(s) < 1.0) {
            crossings[n++] = std::fmod(std::asin(s) + kTurn, kTurn);
            crossings[n++] = std::numbers::pi - std::asin(s);
        }
    }
    std::array<bool, 4> seen{};
    if (n == 0) {
        const bool inside = box.contains(at(0.0)); // otherwise around the box or beside it
        seen.fill(inside);
        return seen;
    }
    std::sort(crossings.begin(), crossings.begin() + n);
    crossings[n] = crossings[0] + kTurn;
    constexpr double kQuarter = kTurn / 4.0;
    for (int i = 0; i < n; ++i) {
        const double from = crossings[i];
        const double to = crossings[i + 1];
        if (!(to > from) || !box.contains(at((from + to) / 2.0)))
            continue;
        for (auto q = static_cast<int>(from / kQuarter); q * kQuarter < to; ++q)
            seen[static_cast<std::size_t>(q % 4)] = true;
    }
    return seen;
}

// The quarters of the circle in `bounds` that are marked, as the very curves the painter draws a whole circle
// with: it starts at three o'clock and goes clockwise, one cubic curve per quarter.
QPainterPath quarterArcs(const QRectF &bounds, const std::array<bool, 4> &quarters)
{
    int gap = 0; // a quarter left out: every run of marked quarters starts after one
    while (quarters[static_cast<std::size_t>(gap)])
        ++gap;
    QPainterPath arcs;
    double runStart = 0.0; // degrees
    int runLength = 0;
    for (int step = 1; step <= 4; ++step) {
        const int quarter = (gap - step + 4) % 4; // clockwise from the gap
        if (quarters[static_cast<std::size_t>(quarter)]) {
            if (runLength++ == 0)
                runStart = 90.0 * (gap - step + 1);
            continue;
        }
        if (runLength > 0) {
            arcs.arcMoveTo(bounds, runStart);
            arcs.arcTo(bounds, runStart, -90.0 * runLength);
            runLength = 0;
        }
    }
    return arcs;
}

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
        throw RuntimeError(RuntimeErrorKind::FailedOperation, "the picture's world window has no extent");
    m_left = x1;
    m_top = y1;
    m_right = x2;
    m_bottom = y2;
    update();
}

void DrawingSurface::Cls()
{
    m_frame.clear();
    update();
}

void DrawingSurface::Circle(float x, float y, float radius, std::uint32_t colour)
{
    m_frame.push_back(WaveCircle{x, y, radius, colour});
}

QPointF DrawingSurface::toPixels(double x, double y) const
{
    const QRect inner = contentsRect();
    return {inner.left() + (x - m_left) * inner.width() / (m_right - m_left),
            inner.top() + (y - m_top) * inner.height() / (m_bottom - m_top)};
}

// A radius is measured along the x axis and used in both directions, so circles stay round.
double DrawingSurface::toPixels(double radius) const
{
    return radius * contentsRect().width() / std::abs(m_right - m_left);
}

void DrawingSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect inner = contentsRect();
    painter.fillRect(inner, colourFromBgr(kPictureBackground));
    painter.setClipRect(inner);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const WaveCircle &circle : m_frame)
        paintCircle(painter, circle);
}

void DrawingSurface::paintCircle(QPainter &painter, const WaveCircle &circle) const
{
    const double radius = toPixels(static_cast<double>(circle.radius));
    if (!(radius >= 0.0))
        return; // a negative radius has no circle
    const QColor colour = colourFromBgr(circle.colour);
    const QPointF centre = toPixels(circle.x, circle.y);
    if (radius < kDotRadius) {
        painter.fillRect(QRectF(std::floor(centre.x()), std::floor(centre.y()), 1.0, 1.0), colour);
        return;
    }

    // Only an outline that passes through the disc around the inner area can show.
    const QRectF inner = contentsRect();
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
