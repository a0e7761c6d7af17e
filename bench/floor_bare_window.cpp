// Floor (a) of the whole-program figures, the toolkit alone: a bare window showing a 400 x 267 light-cyan widget
// that a 40 ms timer repaints. Written plainly and sharing no code with Conwave, so that a cost of Conwave's own
// window code shows as a cost and not as part of the floor. Its timing hooks are those of the measured Conwave.
#include <QApplication>
#include <QColor>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "timing_hooks.h"

namespace {

class CyanWidget final : public QWidget {
public:
    CyanWidget()
    {
        setFixedSize(400, 267);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(128, 255, 255));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    CyanWidget widget;
    widget.setWindowTitle(QStringLiteral("Floor: bare window"));

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(40); // ms
    QObject::connect(&timer, &QTimer::timeout, &widget, [&widget] { widget.update(); });
    const conwave::bench::TimingHooks hooks(&widget, &timer);
    timer.start();
    widget.show();
    return QApplication::exec();
}
