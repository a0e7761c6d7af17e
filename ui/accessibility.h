// What a screen reader is told about the windows beyond the widgets' own names: the picture is a graphic that
// carries its sentence, the About window is a window, the clock's name is the time it shows, and the scroll bars'
// values are the numbers their text boxes get (the Mach number, not tenths).
#pragma once

#include <QLabel>

namespace conwave {

// Label5: the clock. Its accessible name is the time it shows, read when asked for: a new second sends nothing,
// so a screen reader does not announce every second. It is made without text: a label made with one is asked
// for its accessible interface before it is a clock, and would keep the plain label's interface.
class ClockLabel final : public QLabel {
public:
    explicit ClockLabel(QWidget *parent)
        : QLabel(parent)
    {
    }
};

// Installs the accessible interfaces of the picture, the clock, the parameter scroll bars and the About window;
// once per process, before the first window is built.
void installAccessibility();

} // namespace conwave
