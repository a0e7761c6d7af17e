#include "about_window.h"

#include "application.h"
#include "language.h"
#include "window_tables.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStringList>

namespace conwave {

namespace {

QLabel *buildLabel(const AboutLabel &row, QWidget *window)
{
    auto *label = new QLabel(translated("Form_About", row.text), window);
    place(label, row.name, row.place);
    label->setFont(windowFont(row.font));
    label->setWordWrap(row.wraps);
    label->setAlignment((row.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (row.colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colourFromBgr(*row.colour));
        label->setPalette(palette);
    }
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(qText(kAboutName));
    setWindowTitle(translated("Form_About", kAboutCaption));
    setWindowIcon(applicationIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    // The labels are transparent: they show the window's light yellow, not boxes of their own.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colourFromBgr(kAboutBackground));
    setPalette(palette);
    setAutoFillBackground(true);
    // A screen reader speaks the description of a window it is shown, so the window's lines are its description:
    // they are heard when it opens, not only through the reader's review keys.
    QStringList lines;
    for (const AboutLabel &row : kAboutLabels)
        lines << buildLabel(row, this)->text();
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
    resize(pixelSize(kAboutClientWidth, kAboutClientHeight));
}

// Escape closes the window, as it closes a dialog; the window has no other use for it.
void AboutWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace conwave
