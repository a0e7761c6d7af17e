// The circle-clipping geometry of the picture: which quarters of an outline pass through a box, and the arcs that
// draw just those.
#include "circle_clip.h"

#include <QtTest>

Q_DECLARE_METATYPE(conwave::Quarters)

namespace {

const QRectF kBox(0.0, 0.0, 100.0, 100.0);

int subpaths(const QPainterPath &path)
{
    int moves = 0;
    for (int i = 0; i < path.elementCount(); ++i)
        moves += path.elementAt(i).isMoveTo() ? 1 : 0;
    return moves;
}

} // namespace

class CircleClipTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quartersInBox_data();
    void quartersInBox();
    void quarterArcs_data();
    void quarterArcs();
};

// Quarters count counter-clockwise on screen from three o'clock: 0 upper right, 1 upper left, 2 lower left,
// 3 lower right (y grows downwards).
void CircleClipTest::quartersInBox_data()
{
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("radius");
    QTest::addColumn<conwave::Quarters>("shown");

    QTest::newRow("inside the box: the whole outline") << QPointF(50, 50) << 10.0 << conwave::Quarters{true, true, true, true};
    QTest::newRow("around the box: nothing") << QPointF(50, 50) << 200.0 << conwave::Quarters{};
    QTest::newRow("beside the box: nothing") << QPointF(300, 50) << 10.0 << conwave::Quarters{};
    QTest::newRow("centred on the left edge: the right half")
        << QPointF(0, 50) << 10.0 << conwave::Quarters{true, false, false, true};
    QTest::newRow("centred on the top-left corner: the lower right")
        << QPointF(0, 0) << 10.0 << conwave::Quarters{false, false, false, true};
    QTest::newRow("huge, reaching in from the right: its left side")
        << QPointF(390, 50) << 380.0 << conwave::Quarters{false, true, true, false};
    QTest::newRow("across the top edge: the lower half")
        << QPointF(50, -5) << 20.0 << conwave::Quarters{false, false, true, true};
}

void CircleClipTest::quartersInBox()
{
    QFETCH(QPointF, centre);
    QFETCH(double, radius);
    QFETCH(conwave::Quarters, shown);
    QCOMPARE(conwave::quartersInBox(centre, radius, kBox), shown);
}

void CircleClipTest::quarterArcs_data()
{
    QTest::addColumn<conwave::Quarters>("quarters");
    QTest::addColumn<QRectF>("covers"); // the part of the circle's square the arcs span
    QTest::addColumn<int>("runs");

    QTest::newRow("one quarter: upper left") << conwave::Quarters{false, true, false, false} << QRectF(0, 0, 10, 10) << 1;
    QTest::newRow("a run across three o'clock: the right half")
        << conwave::Quarters{true, false, false, true} << QRectF(10, 0, 10, 20) << 1;
    QTest::newRow("three quarters in one run") << conwave::Quarters{true, true, true, false} << QRectF(0, 0, 20, 20) << 1;
    QTest::newRow("opposite quarters: two runs") << conwave::Quarters{true, false, true, false} << QRectF(0, 0, 20, 20) << 2;
    QTest::newRow("none") << conwave::Quarters{} << QRectF() << 0;
}

void CircleClipTest::quarterArcs()
{
    QFETCH(conwave::Quarters, quarters);
    QFETCH(QRectF, covers);
    QFETCH(int, runs);
    const QPainterPath arcs = conwave::quarterArcs(QRectF(0, 0, 20, 20), quarters);
    QCOMPARE(subpaths(arcs), runs);
    const QRectF bounds = arcs.boundingRect();
    QVERIFY2(std::abs(bounds.left() - covers.left()) < 1e-9 && std::abs(bounds.top() - covers.top()) < 1e-9 &&
                 std::abs(bounds.width() - covers.width()) < 1e-9 && std::abs(bounds.height() - covers.height()) < 1e-9,
             qPrintable(QStringLiteral("spans %1,%2 %3x%4").arg(bounds.left()).arg(bounds.top()).arg(bounds.width()).arg(bounds.height())));
}

QTEST_MAIN(CircleClipTest)
#include "circle_clip_test.moc"
