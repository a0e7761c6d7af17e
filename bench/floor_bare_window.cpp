// Floor (a) of the whole-program figures, the toolkit alone: a bare window showing a 400 x 267 light-cyan widget
// that a 40 ms timer repaints. Written plainly and sharing no code with Conwave, so that a cost of Conwave's own
// window code shows as a cost and not as part of the floor. Understands the same opt-in timing variables as
// Conwave (docs/performance.md).
#include <QApplication>
#include <QColor>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

// One line "<what> <steady clock [ns]>" on stderr.
void reportTime(const char *what)
{
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    char line[64];
    const std::size_t length = std::strlen(what);
    std::memcpy(line, what, length);
    line[length] = ' ';
    char *end = std::to_chars(line + length + 1, line + sizeof line - 1, now.count()).ptr;
    *end++ = '\n';
    std::fwrite(line, 1, static_cast<std::size_t>(end - line), stderr);
}

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
        if (m_reportFirstPaint) {
            m_reportFirstPaint = false;
            QMetaObject::invokeMethod(this, [] { reportTime("first-paint"); }, Qt::QueuedConnection);
        }
        QPainter painter(this);
        painter.fillRect(rect(), QColor(128, 255, 255));
    }

private:
    bool m_reportFirstPaint = qEnvironmentVariableIsSet("CONWAVE_REPORT_FIRST_PAINT");
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    CyanWidget widget;
    widget.setWindowTitle(QStringLiteral("Floor: bare window"));

    const bool logTicks = qEnvironmentVariableIsSet("CONWAVE_LOG_TICKS");
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(40); // ms
    QObject::connect(&timer, &QTimer::timeout, &widget, [&widget, logTicks] {
        if (logTicks)
            reportTime("tick");
        widget.update();
    });
    timer.start();
    widget.show();
    return QApplication::exec();
}
