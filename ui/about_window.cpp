#include "about_window.h"

#include "application.h"
#include "language.h"
#include "window_tables.h"

#include <QLabel>

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
    for (const AboutLabel &row : kAboutLabels)
        buildLabel(row, this);
    resize(pixelSize(kAboutClientWidth, kAboutClientHeight));
}

} // namespace conwave
