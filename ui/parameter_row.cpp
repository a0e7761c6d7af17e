#include "parameter_row.h"

#include "language.h"
#include "runtime_services.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <cstdint>

namespace conwave {

namespace {

// A horizontal bar whose keys move it the way the user reads it: Left, Up and Page Up towards the minimum, Right,
// Down and Page Down towards the maximum, Home and End to the ends; each press is one change. Qt's own scroll bar
// runs Left and Right backwards (its controls are inverted for vertical bars), and turning that off would send Up
// and Page Up towards the maximum. In a right-to-left layout the bar is mirrored, and so are Left and Right.
class ParameterScrollBar final : public QScrollBar {
public:
    ParameterScrollBar(const ParameterRow &row, QWidget *parent)
        : QScrollBar(Qt::Horizontal, parent)
        , m_row(row)
    {
    }

    const ParameterRow &row() const noexcept { return m_row; }

    // A key or a mouse button holds the bar: it steps on, or the thumb is being dragged.
    bool held() const { return m_keyHeld || repeatAction() != SliderNoAction || isSliderDown(); }

protected:
    // The main window disables its parameters while a modal box is open. A bar held at that moment (the box opened
    // at the press of an arrow or the track) lets go of what it held, as a hidden bar does: the release will go to
    // the box, and the bar would otherwise keep its step armed and its arrow drawn pressed.
    void changeEvent(QEvent *event) override
    {
        QScrollBar::changeEvent(event);
        if (event->type() == QEvent::EnabledChange && !isEnabled()) {
            QHideEvent letGo;
            QScrollBar::hideEvent(&letGo);
            m_keyHeld = false;
        }
    }

    // A key's release goes wherever the focus has gone meanwhile.
    void focusOutEvent(QFocusEvent *event) override
    {
        m_keyHeld = false;
        QScrollBar::focusOutEvent(event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        const SliderAction action = keyAction(event->key());
        if (action == SliderNoAction) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        m_keyHeld = true; // before the change: a warning it opens takes the focus and with it the release
        triggerAction(action);
        event->accept();
    }

    // A held key repeats as presses, each with its release; the last release is the one not marked a repeat.
    void keyReleaseEvent(QKeyEvent *event) override
    {
        if (!event->isAutoRepeat())
            m_keyHeld = false;
        QScrollBar::keyReleaseEvent(event);
    }

private:
    SliderAction keyAction(int key) const
    {
        const bool mirrored = isRightToLeft();
        switch (key) {
        case Qt::Key_Left: return mirrored ? SliderSingleStepAdd : SliderSingleStepSub;
        case Qt::Key_Right: return mirrored ? SliderSingleStepSub : SliderSingleStepAdd;
        case Qt::Key_Up: return SliderSingleStepSub;
        case Qt::Key_Down: return SliderSingleStepAdd;
        case Qt::Key_PageUp: return SliderPageStepSub;
        case Qt::Key_PageDown: return SliderPageStepAdd;
        case Qt::Key_Home: return SliderToMinimum;
        case Qt::Key_End: return SliderToMaximum;
        default: return SliderNoAction;
        }
    }

    const ParameterRow &m_row;
    bool m_keyHeld = false;
};

} // namespace

ParameterControls buildParameterRow(const ParameterRow &row, QWidget *frame)
{
    ParameterControls controls{&row, new QLabel(qText(row.caption), frame),
                               new QLineEdit(qText(row.initialText), frame), new ParameterScrollBar(row, frame)};
    const QString name = translated("Form1", row.name);
    place(controls.label, row.label);
    controls.label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The caption labels its text box for screen readers and voice control; it has no mnemonic to change focus.
    // A screen reader speaks a labelled box by its label's name, so the caption is named as the box is, while it
    // shows only the symbol.
    controls.label->setBuddy(controls.text);
    controls.label->setAccessibleName(name);

    place(controls.text, row.text);
    controls.text->setAccessibleName(name);
    controls.text->setAccessibleDescription(
        translated("Form1", typedDecimalSign() == DecimalSign::PointOrComma ? kTypedWithComma : kTypedWithPoint));

    QScrollBar *bar = controls.bar;
    place(bar, row.bar);
    bar->setAccessibleName(name);
    bar->setRange(row.minimum, row.maximum);
    bar->setValue(row.value);
    bar->setSingleStep(row.smallChange);
    bar->setPageStep(row.largeChange);
    // Only a released thumb counts: the text and the animation change once per drag, not while it moves.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus); // a scroll bar takes no focus by default
    return controls;
}

const ParameterRow *parameterRowOf(const QScrollBar *bar)
{
    const auto *parameterBar = dynamic_cast<const ParameterScrollBar *>(bar);
    return parameterBar != nullptr ? &parameterBar->row() : nullptr;
}

bool parameterBarHeld(const QWidget *widget)
{
    const auto *parameterBar = dynamic_cast<const ParameterScrollBar *>(widget);
    return parameterBar != nullptr && parameterBar->held();
}

std::string parameterText(const ParameterRow &row, int value)
{
    const auto scrollValue = static_cast<std::int16_t>(value); // scroll values are 16-bit
    if (row.divisor == 1)
        return numberToText(scrollValue);
    return numberToText(static_cast<double>(scrollValue) / row.divisor);
}

} // namespace conwave
