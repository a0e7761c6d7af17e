#include "accessibility.h"

#include "about_window.h"
#include "drawing_surface.h"
#include "parameter_row.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QWindow>

#include <chrono>
#include <cmath>
#include <utility>

namespace conwave {

namespace {

// How long the changes must pause before the sentence is told: quick presses of an arrow count as one change, and
// the screen reader has said the bar's new value first.
constexpr std::chrono::milliseconds kTellPause{300};

// The picture: a graphic whose description is its sentence, with the notice that tells each new one as its only
// child (the surface has no child widgets).
class PictureAccessible final : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget *picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    {
    }

    int childCount() const override { return notice() != nullptr ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && notice() != nullptr ? QAccessible::queryAccessibleInterface(notice()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child != nullptr && notice() != nullptr && child->object() == notice() ? 0 : -1;
    }

private:
    PictureNotice *notice() const
    {
        return widget()->findChild<PictureNotice *>(QString(), Qt::FindDirectChildrenOnly);
    }
};

// The notice: a notification named by the sentence it tells, hidden until there is one. It has no place on screen,
// so pointing at the picture finds the picture.
class NoticeAccessible final : public QAccessibleObject {
public:
    explicit NoticeAccessible(PictureNotice *notice)
        : QAccessibleObject(notice)
    {
    }

    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = sentence().isEmpty();
        return state;
    }
    QString text(QAccessible::Text which) const override { return which == QAccessible::Name ? sentence() : QString(); }
    QRect rect() const override { return {}; }

    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

private:
    const QString &sentence() const { return static_cast<const PictureNotice *>(object())->sentence(); }
};

// The clock reads out as the time it shows; what it is comes in its description.
class ClockAccessible final : public QAccessibleWidget {
public:
    explicit ClockAccessible(QLabel *clock)
        : QAccessibleWidget(clock, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text which) const override
    {
        switch (which) {
        case QAccessible::Name: return static_cast<const QLabel *>(widget())->text();
        case QAccessible::Description: return widget()->accessibleName();
        default: return QAccessibleWidget::text(which);
        }
    }
};

// A parameter scroll bar whose value is the number its text box gets: Mach 1.5 rather than the bar's 15 tenths.
class ParameterBarAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    ParameterBarAccessible(QScrollBar *bar, const ParameterRow &row)
        : QAccessibleWidget(bar, QAccessible::ScrollBar)
        , m_row(row)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Value)
            return QString::fromStdString(parameterText(m_row, bar()->value()));
        return QAccessibleWidget::text(which);
    }

    QVariant currentValue() const override { return number(bar()->value()); }
    void setCurrentValue(const QVariant &value) override
    {
        bar()->setValue(static_cast<int>(std::lround(value.toDouble() * m_row.divisor)));
    }
    QVariant maximumValue() const override { return number(bar()->maximum()); }
    QVariant minimumValue() const override { return number(bar()->minimum()); }
    QVariant minimumStepSize() const override { return number(bar()->singleStep()); }

private:
    QScrollBar *bar() const { return static_cast<QScrollBar *>(widget()); }
    double number(int value) const { return static_cast<double>(value) / m_row.divisor; }

    const ParameterRow &m_row;
};

// Asked for each class of an object from the most derived on; the first answer counts, and Qt's own interfaces
// answer only when this one does not. Conwave's widgets are told apart by their types, which they have from
// construction on, before their names are set.
QAccessibleInterface *conwaveInterface(const QString &, QObject *object)
{
    if (auto *picture = dynamic_cast<DrawingSurface *>(object))
        return new PictureAccessible(picture);
    if (auto *notice = qobject_cast<PictureNotice *>(object))
        return new NoticeAccessible(notice);
    if (auto *clock = dynamic_cast<ClockLabel *>(object))
        return new ClockAccessible(clock);
    if (auto *about = qobject_cast<AboutWindow *>(object))
        return new QAccessibleWidget(about, QAccessible::Window);
    if (auto *bar = qobject_cast<QScrollBar *>(object)) {
        if (const ParameterRow *row = parameterRowOf(bar))
            return new ParameterBarAccessible(bar, *row);
    }
    return nullptr;
}

// The menu bar's keys. Qt's menu bar watches the whole application for an Alt pressed and let go with nothing in
// between. With a screen reader running, Qt's AT-SPI bridge holds each key press and release back until the reader
// has answered, and then posts it anew; the menu bar sees the Alt press twice (once as the platform sends it, once
// as the bridge posts it) and the release twice, and whenever the reader answers after the key is let go, the second
// pair takes the focus back off the bar at once. The keys are taken here instead, from the events the main window's
// own window receives: there each key arrives once, after the bridge, in the order typed. The window also sees each
// key's shortcut check first, and keeps these keys from the widgets and from Qt's menu bar.
class MenuKeys final : public QObject {
public:
    MenuKeys(QMainWindow *window, QAction *item, const QKeySequence &mnemonic)
        : QObject(window)
        , m_window(window)
        , m_item(item)
        , m_mnemonic(mnemonic.isEmpty() ? 0 : mnemonic[0].key())
    {
        window->installEventFilter(this); // for the window's making, and making anew
        watchWindow();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window) {
            if (event->type() == QEvent::WinIdChange)
                watchWindow();
            return false;
        }
        switch (event->type()) {
        case QEvent::ShortcutOverride: return ownKey(*static_cast<QKeyEvent *>(event));
        case QEvent::KeyPress: return pressed(*static_cast<QKeyEvent *>(event));
        case QEvent::KeyRelease: return released(*static_cast<QKeyEvent *>(event));
        case QEvent::MouseButtonPress:
        case QEvent::FocusOut: // Alt and a click, or Alt and Tab to another window
            m_altAlone = false;
            return false;
        default: return false;
        }
    }

private:
    void watchWindow()
    {
        if (QWindow *handle = m_window->windowHandle())
            handle->installEventFilter(this);
    }

    // Alt itself, F10, and the mnemonic with Alt. (The bridge's copy of an Alt event has its Alt modifier turned
    // round, so Alt itself is told by its key alone.)
    bool isMenuKey(const QKeyEvent &key) const
    {
        if (key.key() == Qt::Key_Alt)
            return true;
        if (key.key() == Qt::Key_F10)
            return key.modifiers() == Qt::NoModifier;
        return m_mnemonic != 0 && key.key() == m_mnemonic && key.modifiers() == Qt::AltModifier;
    }

    // A menu key is no shortcut and goes to no widget: accepted here, it comes as a key press.
    bool ownKey(QKeyEvent &key) const
    {
        if (!isMenuKey(key))
            return false;
        key.accept();
        return true;
    }

    bool pressed(const QKeyEvent &key)
    {
        const bool alt = key.key() == Qt::Key_Alt;
        if (!key.isAutoRepeat())
            m_altAlone = alt;
        if (!isMenuKey(key))
            return false;
        if (!key.isAutoRepeat() && !alt) {
            if (key.key() == Qt::Key_F10)
                toggleBar();
            else
                choose();
        }
        return true;
    }

    bool released(const QKeyEvent &key)
    {
        if (key.key() != Qt::Key_Alt)
            return false;
        if (!key.isAutoRepeat() && std::exchange(m_altAlone, false))
            toggleBar();
        return true;
    }

    // Qt's menu bar enters its keyboard mode (the focus on the bar, its first item active; Return or Space chooses
    // it, Escape leaves, and the focus goes back where it was) at an Alt pressed and let go with nothing in between,
    // and leaves it at the next. It is handed that pair here, as a keyboard sends it without a screen reader. (An
    // event of the Alt key reports its modifiers with Alt turned round: the press, made as the platform makes it
    // with the modifiers held before it, reads as Alt held.)
    void toggleBar() const
    {
        QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
        QCoreApplication::sendEvent(m_window->menuBar(), &release);
    }

    // The item chosen by its mnemonic leaves the menu bar first, as Return does: the focus goes back where it was
    // before Alt, and is there when the window is active again.
    void choose() const
    {
        if (QApplication::focusWidget() == m_window->menuBar()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(m_window->menuBar(), &escape);
        }
        m_item->trigger();
    }

    QMainWindow *m_window;
    QAction *m_item;
    int m_mnemonic; // the mnemonic's key, 0 for none
    bool m_altAlone = false; // Alt is down, and no other key has been pressed since
};

// The caption as shown: "&About" is "About", "&&" is "&".
QString withoutMnemonicMark(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

} // namespace

PictureNotice::PictureNotice(QWidget *picture)
    : QObject(picture)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(kTellPause);
    connect(&m_pause, &QTimer::timeout, this, &PictureNotice::show);
}

void PictureNotice::tell(const QString &sentence)
{
    m_sentence = sentence;
    m_pause.start();
}

// A bar still held goes on changing: the sentence waits for it to let go.
void PictureNotice::show()
{
    if (parameterBarHeld(QApplication::focusWidget())) {
        m_pause.start();
        return;
    }
    QAccessibleEvent renamed(this, QAccessible::NameChanged); // a client that keeps names reads the new one
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    Q_EMIT told(m_sentence);
}

QAction *addMenuItem(QMainWindow *window, const QString &caption)
{
    QAction *item = window->menuBar()->addAction(withoutMnemonicMark(caption));
    new MenuKeys(window, item, QKeySequence::mnemonic(caption));
    return item;
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&conwaveInterface);
        return true;
    }();
    (void)installed;
}

} // namespace conwave
