// Opt-in timing for the whole-program figures (measure_window.py), for the measured programs of bench/ only; the
// shipped program reads no environment variable of its own. Watching from outside through an event filter leaves
// the watched window's code as it ships.
//   CONWAVE_REPORT_FIRST_PAINT  "first-paint <steady clock [ns]>" on stderr once the first paint of the picture has
//                               gone to the window system (when the event loop is back after it)
//   CONWAVE_LOG_TICKS           "tick <steady clock [ns]>" as each tick of the timer begins
#pragma once

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace conwave::bench {

// One line "<what> <steady clock [ns]>" on stderr.
inline void reportTime(const char *what)
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

class TimingHooks final : public QObject {
public:
    TimingHooks(QWidget *picture, QTimer *timer, QObject *parent = nullptr)
        : QObject(parent)
        , m_picture(picture)
        , m_timer(timer)
    {
        if (qEnvironmentVariableIsSet("CONWAVE_REPORT_FIRST_PAINT"))
            picture->installEventFilter(this);
        if (qEnvironmentVariableIsSet("CONWAVE_LOG_TICKS"))
            timer->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_picture && event->type() == QEvent::Paint) {
            m_picture->removeEventFilter(this);
            QMetaObject::invokeMethod(this, [] { reportTime("first-paint"); }, Qt::QueuedConnection);
        } else if (watched == m_timer && event->type() == QEvent::Timer) {
            reportTime("tick");
        }
        return false;
    }

private:
    QWidget *m_picture;
    QTimer *m_timer;
};

} // namespace conwave::bench
