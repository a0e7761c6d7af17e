// What a screen reader is told about the windows beyond the widgets' own names: the picture is a graphic that
// carries its sentence and tells each new one, the About window is a window, the clock's name is the time it shows,
// and the scroll bars' values are the numbers their text boxes get (the Mach number, not tenths). And the menu bar's
// keys, which hold while a screen reader holds each key back.
#pragma once

#include <QLabel>
#include <QObject>
#include <QString>
#include <QTimer>

class QAction;
class QMainWindow;

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

// The picture's sentence told to screen readers wherever the focus is, after each accepted restart: a notification
// inside the picture that shows anew, with the sentence as its name; nothing on screen. (A screen reader speaks a
// changed description only of the control that has the focus, and Orca 43 cannot read the description changes
// Qt 6.4 sends; it speaks a notification that shows.) The sentence is told once the changes pause and no key or
// mouse button holds a scroll bar: quick presses and a held arrow tell the sentence once, where the bar stopped.
class PictureNotice final : public QObject {
    Q_OBJECT

public:
    explicit PictureNotice(QWidget *picture);

    // After an accepted restart: the picture's new sentence, told when the changes pause.
    void tell(const QString &sentence);
    const QString &sentence() const noexcept { return m_sentence; }

Q_SIGNALS:
    // The sentence as it is told.
    void told(const QString &sentence);

private:
    void show();

    QString m_sentence;
    QTimer m_pause{this}; // a child, so that a test can end the pause without waiting for it
};

// Adds an item to the window's menu bar and the keys that reach it, as desktops have them: Alt alone or F10 puts the
// focus on the menu bar with the item active (and again takes it back), Return or Space there chooses the item, and
// Alt with the item's mnemonic chooses it at once. The caption marks its mnemonic with "&"; the bar shows it without
// the mark, since the style would underline the letter at all times.
QAction *addMenuItem(QMainWindow *window, const QString &caption);

// Installs the accessible interfaces of the picture and its notice, the clock, the parameter scroll bars and the
// About window; once per process, before the first window is built.
void installAccessibility();

} // namespace conwave
