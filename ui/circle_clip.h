// Which parts of a circle's outline can show in a box, and the curves that draw just those parts: the picture
// hands the painter only what shows, since stroking an outline costs in proportion to its whole length.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <array>

namespace conwave {

// Quarter q of a circle spans 90 q to 90 (q + 1) degrees, counted counter-clockwise on screen from three o'clock,
// as the painter counts them.
using Quarters = std::array<bool, 4>;

// The quarters of the circle (centre and radius in pixels) that pass through the box.
// Preconditions: the centre is finite, 0 < radius < infinity, the box is valid (positive width and height).
Quarters quartersInBox(QPointF centre, double radius, const QRectF &box);

// The marked quarters of the circle whose bounding square is `bounds`, as the very cubic curves the painter draws a
// whole circle with: it starts at three o'clock and goes clockwise, one curve per quarter. Each run of marked
// quarters is one subpath, so the same pixels come out as from the whole circle where they show.
// Precondition: at least one quarter is not marked; a whole circle is drawn as an ellipse, not as four arcs.
QPainterPath quarterArcs(const QRectF &bounds, const Quarters &quarters);

} // namespace conwave
