#include "accessibility.h"

#include "about_window.h"
#include "drawing_surface.h"
#include "parameter_row.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QScrollBar>

#include <chrono>
#include <cmath>

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
