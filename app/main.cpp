// conwave: the window program. Form1 loads, shows, and the event loop runs until the last window closes.
#include "application.h"
#include "language.h"
#include "main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    conwave::setUpApplication(application);
    conwave::Translations translations; // the desktop's language, before any text is made
    translations.install(conwave::desktopLanguage());
    conwave::MainWindow window;
    window.show();
    return QApplication::exec();
}
