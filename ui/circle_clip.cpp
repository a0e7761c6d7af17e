#include "circle_clip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace conwave {

Quarters quartersInBox(QPointF centre, double radius, const QRectF &box)
{
    Q_ASSERT(std::isfinite(centre.x()) && std::isfinite(centre.y()));
    Q_ASSERT(radius > 0.0 && std::isfinite(radius));
    Q_ASSERT(box.isValid());
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
    Quarters seen{};
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

QPainterPath quarterArcs(const QRectF &bounds, const Quarters &quarters)
{
    int gap = 0; // a quarter left out: every run of marked quarters starts after one
    while (gap < 4 && quarters[static_cast<std::size_t>(gap)])
        ++gap;
    Q_ASSERT_X(gap < 4, "quarterArcs", "every quarter is marked: draw the whole circle instead");
    QPainterPath arcs;
    if (gap == 4) {
        arcs.addEllipse(bounds);
        return arcs;
    }
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

} // namespace conwave
