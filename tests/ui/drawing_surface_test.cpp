// Picture1 on its own: the twip conversion, the colours, the world window, and what a frame leaves on screen.
#include "../model/restarted.h"
#include "drawing_surface.h"
#include "picture_probe.h"
#include "widget_probes.h"
#include "runtime_services.h"
#include "wave_state.h"
#include "wave_tick.h"
#include "window_tables.h"

#include <QPainter>
#include <QScreen>
#include <QRect>
#include <QtTest>

#include <algorithm>
#include <memory>

using conwave::test::isWaveColour;
using conwave::test::PixelCircle;
using conwave::test::WorldMap;
using conwave::test::PaintCounter;
using conwave::test::deliverPostedEvents;

class DrawingSurfaceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void twipsToPixels_data();
    void twipsToPixels();
    void coloursFromBgr_data();
    void coloursFromBgr();

    void innerAreaIsOuterLessBorder();
    void backgroundIsLightCyan();
    void circleTouchesEdges_data();
    void circleTouchesEdges();
    void clipsToInnerArea();
    void negativeRadiusDrawsNothing();
    void markerIsAtMostADot();
    void clsLeavesNothingOfEarlierFrames();
    void hugeCircleDrawsItsVisibleArc();
    void partlyShownCirclesLookAsWholeOnes_data();
    void partlyShownCirclesLookAsWholeOnes();
    void repaintsOnlyAChangedFrame_data();
    void repaintsOnlyAChangedFrame();
    void screenShowsTheLatestFrame_data();
    void screenShowsTheLatestFrame();
    void scaleWithoutExtentIsARuntimeError();

private:
    QImage picture() const { return m_surface->grab().toImage(); }
    QImage rendered(int ratio) const;
    void draw(const QList<QPointF> &circles); // Cls, then (centre x, radius) circles on the axis [m]
    WorldMap map() const { return {m_surface->contentsRect()}; }

    std::unique_ptr<conwave::DrawingSurface> m_surface;
};

void DrawingSurfaceTest::init()
{
    m_surface = std::make_unique<conwave::DrawingSurface>();
    m_surface->resize(conwave::pixelRect(conwave::kPictureControl.place).size());
    m_surface->Scale(-340, -340, 680, 340);
}

void DrawingSurfaceTest::cleanup() { m_surface.reset(); }

void DrawingSurfaceTest::twipsToPixels_data()
{
    QTest::addColumn<QRect>("twips"); // left, top, width, height
    QTest::addColumn<QRect>("pixels");

    QTest::newRow("Picture1: 4000 twips high is 266.7 px, its bottom edge rounds") << QRect(120, 1560, 6000, 4000)
                                                                                   << QRect(8, 104, 400, 267);
    QTest::newRow("Text_M inside Frame2") << QRect(960, 240, 495, 285) << QRect(64, 16, 33, 19);
    QTest::newRow("Label5") << QRect(240, 1200, 975, 255) << QRect(16, 80, 65, 17);
    QTest::newRow("Form1 client area") << QRect(0, 0, 6225, 5640) << QRect(0, 0, 415, 376);
    QTest::newRow("About client area") << QRect(0, 0, 3600, 3150) << QRect(0, 0, 240, 210);
    QTest::newRow("edges land between pixels: 7 twips down, 8 up") << QRect(7, 8, 15, 15) << QRect(0, 1, 1, 1);
}

void DrawingSurfaceTest::twipsToPixels()
{
    QFETCH(QRect, twips);
    QFETCH(QRect, pixels);
    QCOMPARE(conwave::pixelRect({twips.x(), twips.y(), twips.width(), twips.height()}), pixels);
}

void DrawingSurfaceTest::coloursFromBgr_data()
{
    QTest::addColumn<uint>("bgr");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("picture background, light cyan") << 0x00FFFF80u << QColor(128, 255, 255);
    QTest::newRow("wavefront, pure red in the low byte") << 0x000000FFu << QColor(255, 0, 0);
    QTest::newRow("About description, green") << 0x00008000u << QColor(0, 128, 0);
    QTest::newRow("About address, blue in the high byte") << 0x00FF0000u << QColor(0, 0, 255);
    QTest::newRow("About background, light yellow") << 0x00C0FFFFu << QColor(255, 255, 192);
}

void DrawingSurfaceTest::coloursFromBgr()
{
    QFETCH(uint, bgr);
    QFETCH(QColor, colour);
    QCOMPARE(conwave::colourFromBgr(bgr), colour);
}

void DrawingSurfaceTest::innerAreaIsOuterLessBorder()
{
    QCOMPARE(m_surface->size(), QSize(400, 267));
    QCOMPARE(m_surface->contentsRect(), QRect(1, 1, 398, 265));
}

void DrawingSurfaceTest::backgroundIsLightCyan()
{
    m_surface->Cls();
    const QImage image = picture();
    const QRect inner = m_surface->contentsRect();
    for (const QPoint p : {inner.topLeft(), inner.bottomRight(), inner.center()})
        QCOMPARE(image.pixelColor(p), QColor(128, 255, 255));
    QVERIFY(image.pixelColor(0, 0) != QColor(128, 255, 255)); // the border is not part of the inner area
}

void DrawingSurfaceTest::circleTouchesEdges_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("radius");
    QTest::addColumn<QPointF>("touch"); // world point where the outline meets an edge of the world window

    QTest::newRow("r 340 at the source touches the left edge") << 0.0 << 340.0 << QPointF(-340, 0);
    QTest::newRow("r 340 at the source touches the top edge") << 0.0 << 340.0 << QPointF(0, -340);
    QTest::newRow("r 340 at the source touches the bottom edge") << 0.0 << 340.0 << QPointF(0, 340);
    QTest::newRow("r 340 at x 340 touches the right edge") << 340.0 << 340.0 << QPointF(680, 0);
}

// The outline reaches the edge to within a pixel, and only around the touching point.
void DrawingSurfaceTest::circleTouchesEdges()
{
    QFETCH(double, x);
    QFETCH(double, radius);
    QFETCH(QPointF, touch);

    m_surface->Cls();
    m_surface->Circle(static_cast<float>(x), 0.0f, static_cast<float>(radius), conwave::kWaveColour);
    const QImage image = picture();
    const QRect inner = m_surface->contentsRect();
    const bool vertical = touch.x() == -340 || touch.x() == 680; // touching the left or right edge
    const QPointF at = map().point(touch.x(), touch.y());
    // Within a pixel of the edge, a circle of r pixels runs sqrt(2 r) pixels along it.
    const double along = std::sqrt(2.0 * map().length(radius) * 2.0) + 2.0;
    QRect band = vertical ? QRect(touch.x() < 0 ? inner.left() : inner.right() - 1, inner.top(), 2, inner.height())
                          : QRect(inner.left(), touch.y() < 0 ? inner.top() : inner.bottom() - 1, inner.width(), 2);
    int nearTouch = 0;
    int elsewhere = 0;
    for (int py = band.top(); py <= band.bottom(); ++py) {
        for (int px = band.left(); px <= band.right(); ++px) {
            if (!isWaveColour(image.pixelColor(px, py)))
                continue;
            const double offset = vertical ? std::abs(py + 0.5 - at.y()) : std::abs(px + 0.5 - at.x());
            ++(offset <= along ? nearTouch : elsewhere);
        }
    }
    QVERIFY2(nearTouch > 0, "the outline does not reach the edge");
    QCOMPARE(elsewhere, 0);
    const PixelCircle circle{map().point(x, 0), map().length(radius)};
    QCOMPARE(conwave::test::strayWavePixels(image, inner, {circle}), 0);
    QVERIFY(!isWaveColour(image.pixelColor(map().point(x, 0).toPoint()))); // an outline, not a disc
}

void DrawingSurfaceTest::clipsToInnerArea()
{
    m_surface->Cls();
    m_surface->Circle(340.0f, 0.0f, 1374.0f, conwave::kWaveColour); // the largest the scroll bars reach
    m_surface->Circle(0.0f, 0.0f, 400.0f, conwave::kWaveColour);    // crosses all four edges
    const QImage image = picture();
    const int inside = conwave::test::wavePixels(image, m_surface->contentsRect());
    QVERIFY(inside > 0);
    QCOMPARE(conwave::test::wavePixels(image, m_surface->rect()), inside); // none on the border
}

void DrawingSurfaceTest::negativeRadiusDrawsNothing()
{
    m_surface->Cls();
    m_surface->Circle(100.0f, 0.0f, -50.0f, conwave::kWaveColour);
    m_surface->Circle(0.0f, 0.0f, -0.05f, conwave::kWaveColour);
    QCOMPARE(conwave::test::wavePixels(picture(), m_surface->contentsRect()), 0);
}

void DrawingSurfaceTest::markerIsAtMostADot()
{
    m_surface->Cls();
    m_surface->Circle(0.0f, 0.0f, conwave::kMarkerRadius, conwave::kWaveColour);
    const QImage image = picture();
    const int red = conwave::test::wavePixels(image, m_surface->contentsRect());
    QVERIFY2(red >= 1 && red <= 4, qPrintable(QStringLiteral("%1 marker pixels").arg(red)));
    QVERIFY(conwave::test::waveNear(image, map().point(0, 0)));
}

void DrawingSurfaceTest::clsLeavesNothingOfEarlierFrames()
{
    m_surface->Cls();
    m_surface->Circle(0.0f, 0.0f, 300.0f, conwave::kWaveColour);
    QVERIFY(conwave::test::waveNear(picture(), map().point(0, -300)));

    m_surface->Cls();
    m_surface->Circle(200.0f, 0.0f, 50.0f, conwave::kWaveColour);
    QCOMPARE(m_surface->frame().size(), std::size_t{1});
    const QImage image = picture();
    QVERIFY(conwave::test::waveNear(image, map().point(200, -50)));
    QCOMPARE(conwave::test::strayWavePixels(image, m_surface->contentsRect(), {{map().point(200, 0), map().length(50)}}),
             0);
}

// Far beyond the pixel range of the painter, a circle through the source still shows as its arc there.
void DrawingSurfaceTest::hugeCircleDrawsItsVisibleArc()
{
    m_surface->Cls();
    m_surface->Circle(1.0e9f, 0.0f, 1.0e9f, conwave::kWaveColour);
    m_surface->Circle(-3.0e30f, 0.0f, 1.0e30f, conwave::kWaveColour); // nowhere near: nothing
    const QImage image = picture();
    const double column = map().point(0, 0).x();
    for (const double y : {-300.0, -100.0, 0.0, 150.0, 330.0})
        QVERIFY(conwave::test::waveNear(image, QPointF(column, map().point(0, y).y())));
    const PixelCircle arc{map().point(1.0e9, 0), map().length(1.0e9)};
    QCOMPARE(conwave::test::strayWavePixels(image, m_surface->contentsRect(), {arc}), 0);
}

// The surface as a backing store of the given device pixel ratio holds it.
QImage DrawingSurfaceTest::rendered(int ratio) const
{
    QImage image(m_surface->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    m_surface->render(&image);
    return image;
}

void DrawingSurfaceTest::partlyShownCirclesLookAsWholeOnes_data()
{
    QTest::addColumn<QString>("mach");
    QTest::addColumn<QString>("nWave");
    QTest::addColumn<QString>("tMax");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("ratio");

    for (const int ratio : {1, 2}) {
        const QByteArray at = " at device pixel ratio " + QByteArray::number(ratio);
        QTest::newRow("the widest picture the scroll bars allow" + at) << "3" << "30" << "4" << 3 << ratio;
        QTest::newRow("fifty wavefronts" + at) << "3" << "50" << "4" << 1 << ratio;
        QTest::newRow("Mach 1: every circle through the source" + at) << "1" << "7" << "2" << 20 << ratio;
        QTest::newRow("Mach 0: rings around the source" + at) << "0" << "10" << "4" << 50 << ratio;
    }
}

// Circles reaching out of the inner area leave the same pixels, to a level in 255, as the whole outlines
// the painter draws when it is handed every circle in full.
void DrawingSurfaceTest::partlyShownCirclesLookAsWholeOnes()
{
    QFETCH(QString, mach);
    QFETCH(QString, nWave);
    QFETCH(QString, tMax);
    QFETCH(int, ticks);
    QFETCH(int, ratio);

    conwave::WaveState state = conwave::test::restarted(qPrintable(mach), qPrintable(nWave), qPrintable(tMax));
    conwave::RecordingSink sink;
    for (int i = 0; i < ticks; ++i)
        conwave::tick(state, sink);
    const conwave::WaveFrame wavefronts(sink.frame().begin(), sink.frame().end() - 1); // the marker is a dot

    m_surface->Cls();
    QImage expected = rendered(ratio);
    {
        QPainter painter(&expected);
        painter.setClipRect(m_surface->contentsRect());
        painter.setRenderHint(QPainter::Antialiasing);
        for (const conwave::WaveCircle &c : wavefronts) {
            painter.setPen(QPen(conwave::colourFromBgr(c.colour), 1.0));
            const double radius = m_surface->toPixels(static_cast<double>(c.radius));
            painter.drawEllipse(m_surface->toPixels(c.x, c.y), radius, radius);
        }
    }
    for (const conwave::WaveCircle &c : wavefronts)
        m_surface->Circle(c.x, c.y, c.radius, c.colour);
    const QImage actual = rendered(ratio);

    int worst = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)),
                              std::abs(qBlue(a) - qBlue(e))});
        }
    }
    QVERIFY2(worst <= 1, qPrintable(QStringLiteral("a pixel differs by %1 levels").arg(worst)));
    QVERIFY(conwave::test::wavePixels(actual, QRect(QPoint(0, 0), actual.size())) > 0);
}

void DrawingSurfaceTest::draw(const QList<QPointF> &circles)
{
    m_surface->Cls();
    for (const QPointF &c : circles)
        m_surface->Circle(static_cast<float>(c.x()), 0.0f, static_cast<float>(c.y()), conwave::kWaveColour);
    m_surface->endFrame();
}

void DrawingSurfaceTest::repaintsOnlyAChangedFrame_data()
{
    QTest::addColumn<QList<QPointF>>("next");
    QTest::addColumn<int>("repaints");

    const QPointF marker(0.0, conwave::kMarkerRadius);
    QTest::newRow("the frame on screen, three times") << QList<QPointF>{{100, 50}, marker} << 0;
    QTest::newRow("a wavefront grown") << QList<QPointF>{{100, 51}, marker} << 1;
    QTest::newRow("a wavefront moved") << QList<QPointF>{{101, 50}, marker} << 1;
    QTest::newRow("a wavefront more") << QList<QPointF>{{100, 50}, {200, 80}, marker} << 1;
    QTest::newRow("a wavefront fewer") << QList<QPointF>{marker} << 1;
    QTest::newRow("nothing but Cls") << QList<QPointF>{} << 1;
}

// The tick draws every 40 ms; a finished frame equal to the one on screen asks for no repaint, a changed one for
// one.
void DrawingSurfaceTest::repaintsOnlyAChangedFrame()
{
    QFETCH(QList<QPointF>, next);
    QFETCH(int, repaints);

    m_surface->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_surface.get()));
    draw({{100, 50}, {0.0, conwave::kMarkerRadius}});
    deliverPostedEvents();

    PaintCounter paints(m_surface.get());
    for (int i = 0; i < 3; ++i) {
        draw(next);
        deliverPostedEvents();
    }
    QCOMPARE(paints.count, repaints);
    QCOMPARE(m_surface->frame().size(), static_cast<std::size_t>(next.size()));
}

void DrawingSurfaceTest::screenShowsTheLatestFrame_data()
{
    QTest::addColumn<QString>("mach");
    QTest::addColumn<QString>("nWave");
    QTest::addColumn<QString>("tMax");

    QTest::newRow("the widest picture the scroll bars allow") << "3" << "30" << "4";
    QTest::newRow("the worked example") << "1.2" << "4" << "1";
    QTest::newRow("Mach 0: rings around the source") << "0" << "10" << "4";
    QTest::newRow("Mach 2, one wavefront: little of the picture changes") << "2" << "1" << "1";
}

// Tick after tick only what may have changed is repainted; the screen then holds exactly what painting the
// latest frame in full gives.
void DrawingSurfaceTest::screenShowsTheLatestFrame()
{
    QFETCH(QString, mach);
    QFETCH(QString, nWave);
    QFETCH(QString, tMax);

    m_surface->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_surface.get()));
    conwave::WaveState state;
    conwave::initialise(state);
    conwave::tick(state, *m_surface); // the marker alone, as before START
    m_surface->endFrame();
    deliverPostedEvents();
    conwave::restart(state, mach.toStdString(), nWave.toStdString(), tMax.toStdString());
    PaintCounter paints(m_surface.get());
    for (int i = 0; i < 12; ++i) {
        conwave::tick(state, *m_surface);
        m_surface->endFrame();
        deliverPostedEvents();
        const QImage onScreen =
            m_surface->screen()->grabWindow(m_surface->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(onScreen, picture().convertToFormat(QImage::Format_RGB32));
    }
    QVERIFY(paints.count > 0);
}

void DrawingSurfaceTest::scaleWithoutExtentIsARuntimeError()
{
    QVERIFY_THROWS_EXCEPTION(conwave::RuntimeError, m_surface->Scale(0, -340, 0, 340));
    QVERIFY_THROWS_EXCEPTION(conwave::RuntimeError, m_surface->Scale(-340, 5, 680, 5));
}

QTEST_MAIN(DrawingSurfaceTest)
#include "drawing_surface_test.moc"
