#include "application.h"

#include "accessibility.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

namespace conwave {

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/conwave-%1.png").arg(size), QSize(size, size));
    return icon;
}

StartUp::StartUp(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("Conwave"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.conwave")); // the desktop entry's id
    application.setWindowIcon(applicationIcon());
    m_translations.install(QLocale::system()); // before any text is made
    installAccessibility();                    // before the first window is built
}

} // namespace conwave
