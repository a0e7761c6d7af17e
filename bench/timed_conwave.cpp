// Conwave as shipped, started as conwave starts (its translations included), with the opt-in timing hooks of
// timing_hooks.h watching its picture and its timer: the program that the whole-program figures measure.
#include "application.h"
#include "main_window.h"
#include "timing_hooks.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const conwave::StartUp startUp(application);
    conwave::MainWindow window;
    const conwave::bench::TimingHooks hooks(window.findChild<QWidget *>(QStringLiteral("Picture1")),
                                            window.findChild<QTimer *>(QStringLiteral("Timer1")));
    window.show();
    return QApplication::exec();
}
