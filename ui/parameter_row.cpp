#include "parameter_row.h"

#include "runtime_services.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <cstdint>

namespace conwave {

namespace {

// A horizontal bar whose keys move it the way the user reads it: Left/Up and Page Up towards the minimum,
// Right/Down and Page Down towards the maximum, Home and End to the ends; each press is one change.
class ParameterScrollBar final : public QScrollBar {
public:
    explicit ParameterScrollBar(QWidget *parent)
        : QScrollBar(Qt::Horizontal, parent)
    {
    }

protected:
    // An arrow or track press acts at once, and a refused change opens a warning while the button is still held;
    // the release then goes to the blocked window, never to the bar, which would go on stepping by itself. So a bar
    // that loses its window to a modal box lets go as if the button had been released.
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::WindowBlocked && (repeatAction() != SliderNoAction || isSliderDown())) {
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), QPointF(), Qt::LeftButton, Qt::NoButton,
                                Qt::NoModifier);
            QScrollBar::mouseReleaseEvent(&release);
        }
        return QScrollBar::event(event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up: triggerAction(SliderSingleStepSub); break;
        case Qt::Key_Right:
        case Qt::Key_Down: triggerAction(SliderSingleStepAdd); break;
        case Qt::Key_PageUp: triggerAction(SliderPageStepSub); break;
        case Qt::Key_PageDown: triggerAction(SliderPageStepAdd); break;
        case Qt::Key_Home: triggerAction(SliderToMinimum); break;
        case Qt::Key_End: triggerAction(SliderToMaximum); break;
        default: QScrollBar::keyPressEvent(event); return;
        }
        event->accept();
    }
};

QString qText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void place(QWidget *widget, const Control &control)
{
    widget->setObjectName(qText(control.name));
    widget->setGeometry(pixelRect(control.place));
}

} // namespace

ParameterControls buildParameterRow(const ParameterRow &row, QWidget *frame)
{
    ParameterControls controls{&row, new QLabel(qText(row.caption), frame), new QLineEdit(qText(row.initialText), frame),
                               new ParameterScrollBar(frame)};
    place(controls.label, row.label);
    controls.label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    place(controls.text, row.text);
    controls.text->setAccessibleName(qText(row.accessibleName));

    QScrollBar *bar = controls.bar;
    place(bar, row.bar);
    bar->setAccessibleName(qText(row.accessibleName) + QStringLiteral(" scroll bar"));
    bar->setRange(row.minimum, row.maximum);
    bar->setValue(row.value);
    bar->setSingleStep(row.smallChange);
    bar->setPageStep(row.largeChange);
    // Only a released thumb counts: the text and the animation change once per drag, not while it moves.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus); // a scroll bar takes no focus by default
    return controls;
}

std::string parameterText(const ParameterRow &row, int value)
{
    const auto scrollValue = static_cast<std::int16_t>(value); // scroll values are 16-bit
    if (row.divisor == 1)
        return numberToText(scrollValue);
    return numberToText(static_cast<double>(scrollValue) / row.divisor);
}

} // namespace conwave
