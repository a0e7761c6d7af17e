// Small tools the window tests share: the parts of a scroll bar, mouse events, and counting repaints.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QObject>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWidget>

namespace conwave::test {

// Where a part of a horizontal scroll bar (arrow, track, thumb) lies, as its style draws it.
inline QRect scrollPart(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

// A left-button press, release or move at a point of the widget, with the buttons held after it.
inline void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// QAbstractSlider keeps its autorepeat to itself; a derived class may name it.
struct SliderPeek : QScrollBar {
    using QAbstractSlider::repeatAction;
};

// The step a scroll bar repeats while a button is held on its arrow or track.
inline QAbstractSlider::SliderAction repeating(const QScrollBar *bar)
{
    return (bar->*(&SliderPeek::repeatAction))();
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
