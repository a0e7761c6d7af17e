// conwave: the window program. Form1 loads, shows, and the event loop runs until the last window closes.
#include "application.h"
#include "main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const conwave::StartUp startUp(application);
    conwave::MainWindow window;
    window.show();
    return QApplication::exec();
}
