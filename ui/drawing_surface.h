// Picture1: the surface the tick draws on, mapping a world window (metres) onto its inner area.
#pragma once

#include "wave_tick.h"

#include <QFrame>
#include <QPointF>

class QPainter;
class QRect;

namespace conwave {

class DrawingSurface final : public QFrame, public DrawingSink {
public:
    explicit DrawingSurface(QWidget *parent = nullptr);

    // From now on the inner area's left, top, right and bottom edges are x1, y1, x2, y2 (world units).
    void Scale(double x1, double y1, double x2, double y2);

    void Cls() override;
    void Circle(float x, float y, float radius, std::uint32_t colour) override;

    // The frame drawn since the last Cls is complete: the picture is repainted where it differs from the frame on
    // screen, and not at all when they are equal.
    void endFrame() noexcept override;

    // The circles drawn since the last Cls: what the next paint shows.
    const WaveFrame &frame() const noexcept { return m_frame; }

    // Where a world point lands, in pixels relative to the widget.
    QPointF toPixels(double x, double y) const;
    double toPixels(double radius) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect footprint(const WaveFrame &frame) const;
    QPointF toPixels(const QRect &inner, double x, double y) const;
    double toPixels(const QRect &inner, double radius) const;
    void paintCircle(QPainter &painter, const WaveCircle &circle, const QRect &innerArea) const;

    double m_left = 0.0;
    double m_top = 0.0;
    double m_right = 1.0;
    double m_bottom = 1.0;
    WaveFrame m_frame;
    WaveFrame m_onScreen; // the frame the screen shows, or shows at the repaint already asked for
};

} // namespace conwave
