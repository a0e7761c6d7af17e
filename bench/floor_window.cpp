// Floor (b) of the whole-program figures: Conwave's main window without its model. The same controls at the same
// places (the numbers are copied, in pixels), the menu bar, and a 40 ms timer that clears the picture and sets the
// clock label; no circles. Written plainly and sharing no code with Conwave, so that a slow path in Conwave's own
// window code shows as a cost and not as part of the floor. Its timing hooks are those of the measured Conwave.
#include <QApplication>
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "timing_hooks.h"

#include <ctime>

namespace {

QString timeOfDay()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, "%X", &local);
    return QString::fromLocal8Bit(text, static_cast<qsizetype>(length));
}

// The picture: a sunken single-line border around a light-cyan inner area, cleared on every repaint.
class Picture final : public QFrame {
public:
    explicit Picture(QWidget *parent)
        : QFrame(parent)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(1);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        painter.fillRect(contentsRect(), QColor(128, 255, 255));
    }
};

struct Row {
    QLineEdit *text;
    QScrollBar *bar;
};

Row addRow(QWidget *frame, const char *caption, QRect label, const char *text, int top, int minimum, int maximum,
           int value, int largeStep)
{
    auto *title = new QLabel(QString::fromLatin1(caption), frame);
    title->setGeometry(label);
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *edit = new QLineEdit(QString::fromLatin1(text), frame);
    edit->setGeometry(64, top, 33, 19);
    auto *bar = new QScrollBar(Qt::Horizontal, frame);
    bar->setGeometry(96, top, 137, 17);
    bar->setRange(minimum, maximum);
    bar->setValue(value);
    bar->setSingleStep(1);
    bar->setPageStep(largeStep);
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    return {edit, bar};
}

class FloorWindow final : public QMainWindow {
public:
    FloorWindow()
    {
        setWindowTitle(QStringLiteral("Conwave"));
        QFont font;
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(7.5);
        setFont(font);

        auto *client = new QWidget(this);
        client->setFixedSize(415, 376);
        setCentralWidget(client);

        m_picture = new Picture(client);
        m_picture->setGeometry(8, 104, 400, 267);
        auto *frame = new QGroupBox(client);
        frame->setGeometry(160, 0, 249, 97);
        const Row mach = addRow(frame, "M=", QRect(32, 16, 25, 17), "0", 16, 0, 30, 0, 5);
        const Row waves = addRow(frame, "nWave =", QRect(8, 40, 49, 17), "4", 40, 1, 30, 4, 1);
        const Row span = addRow(frame, "tMax =", QRect(16, 64, 33, 17), "1", 64, 1, 4, 1, 1);

        m_clock = new QLabel(QStringLiteral("Label5"), client);
        m_clock->setGeometry(16, 80, 65, 17);
        m_clock->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        auto *start = new QPushButton(QStringLiteral("START"), client);
        start->setGeometry(8, 24, 81, 49);
        start->setAutoDefault(false);

        QWidget::setTabOrder(m_picture, mach.text);
        QWidget::setTabOrder(mach.text, mach.bar);
        QWidget::setTabOrder(mach.bar, start);
        QWidget::setTabOrder(start, span.text);
        QWidget::setTabOrder(span.text, waves.text);
        QWidget::setTabOrder(waves.text, waves.bar);
        QWidget::setTabOrder(waves.bar, span.bar);
        m_picture->setFocus();

        menuBar()->setNativeMenuBar(false);
        menuBar()->addAction(QStringLiteral("About"));

        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(40); // ms
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_picture->update();
            m_clock->setText(timeOfDay());
        });
        new conwave::bench::TimingHooks(m_picture, &m_timer, this);
        m_timer.start();

        layout()->setSizeConstraint(QLayout::SetFixedSize);
        resize(sizeHint());
    }

private:
    Picture *m_picture = nullptr;
    QLabel *m_clock = nullptr;
    QTimer m_timer;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FloorWindow window;
    window.show();
    return QApplication::exec();
}
