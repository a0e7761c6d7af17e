#include "accessibility.h"

#include "about_window.h"
#include "drawing_surface.h"
#include "parameter_row.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>

#include <cmath>

namespace conwave {

namespace {

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
        return new QAccessibleWidget(picture, QAccessible::Graphic); // its description is the sentence
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

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&conwaveInterface);
        return true;
    }();
    (void)installed;
}

} // namespace conwave
