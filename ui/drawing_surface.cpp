#include "drawing_surface.h"

#include "runtime_services.h"
#include "window_tables.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace conwave {

namespace {

// Beyond this radius [px] a circle bends by less than a tenth of a pixel across the surface, so it is drawn as
// its tangent: the painter's fixed-point rasteriser cannot take coordinates that large.
constexpr double kLargestDrawnRadius = 1.0e6;

// Below this radius [px] a circle has no outline to show: it marks its centre with a dot.
constexpr double kDotRadius = 0.5;

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
        painter.drawEllipse(centre, radius, radius);
        return;
    }
    const QPointF unit = towardsMiddle / distance;
    const QPointF nearest = middle - unit * (distance - radius);
    const QPointF along(-unit.y() * reach, unit.x() * reach);
    painter.drawLine(nearest - along, nearest + along);
}

} // namespace conwave
