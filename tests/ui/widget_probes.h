// Small tools the window tests share: controls by name, the windows open, the parts of a scroll bar, mouse events,
// lines of keys, and counting repaints.
#pragma once

#include <QApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QObject>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace conwave::test {

// A control of the window by its object name; the test ends at once when there is none.
template <typename T>
T *control(const QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no control %s", name);
    return found;
}

// The About windows open, among the top-level windows.
inline QList<QWidget *> aboutWindows()
{
    QList<QWidget *> found;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("Form_About"))
            found << top;
    return found;
}

// Shows the window as the active one, which has the keyboard; false when it never became active.
inline bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// A left-button press, release or move at a point of the widget, with the buttons held after it.
inline void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A scroll bar keeps its autorepeat and its style options to itself; a derived class may name them.
struct SliderPeek : QScrollBar {
    using QAbstractSlider::repeatAction;
    using QScrollBar::initStyleOption;
};

// Where a part of a scroll bar (arrow, track, thumb) lies, as its style draws it.
inline QRect scrollPart(const QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    (bar->*(&SliderPeek::initStyleOption))(&option);
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

// The step a scroll bar repeats while a button is held on its arrow or track.
inline QAbstractSlider::SliderAction repeating(const QScrollBar *bar)
{
    return (bar->*(&SliderPeek::repeatAction))();
}

// Types a line of keys at a window, as the platform delivers them: "+Name" presses a key and "-Name" lets it go, a
// "~" after the name marks an auto-repeat, and a bare name is pressed and let go ("+Alt A -Alt", "+Right -Right~
// +Right~ -Right"). Each event carries the modifiers held before it. Any other word ("!", "|") is a moment, handed
// to moment().
inline void typeKeys(QWindow *window, const QString &line, const std::function<void(const QString &)> &moment)
{
    bool alt = false;
    for (const QString &word : line.split(QLatin1Char(' '))) {
        const QChar sign = word.front();
        if (!sign.isLetterOrNumber() && sign != u'+' && sign != u'-') {
            moment(word);
            continue;
        }
        QString name = sign.isLetterOrNumber() ? word : word.mid(1);
        const bool autoRepeat = name.endsWith(QLatin1Char('~'));
        if (autoRepeat)
            name.chop(1);
        const int key = QKeySequence::fromString(name)[0].key();
        const QString text = name.size() == 1 ? name.toLower()
                             : key == Qt::Key_Return ? QStringLiteral("\r")
                             : key == Qt::Key_Space  ? QStringLiteral(" ")
                                                     : QString();
        for (const bool press : {true, false}) {
            if (sign == (press ? u'-' : u'+'))
                continue;
            QTest::simulateEvent(window, press, key, alt ? Qt::AltModifier : Qt::NoModifier, text, autoRepeat);
            alt = key == Qt::Key_Alt ? press : alt;
        }
    }
}

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// A repaint is a posted request: delivering the posted events carries it out, without waiting for time to pass
// or letting the timer tick.
inline void deliverPostedEvents() { QCoreApplication::sendPostedEvents(); }

} // namespace conwave::test
