// Starts as the window program starts and runs one scenario, so a test can watch the process from outside:
//   fatal     a tick meets slot 51: the report, then the exit status
//   about     Form1 closes while About is open: the program goes on until About closes
//   language  prints the language the start-up installed ("de", "fr", "es", or nothing for English)
#include "application.h"
#include "main_window.h"
#include "message_box_closer.h"
#include "wave_state.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const conwave::StartUp startUp(application);
    const QString scenario = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (scenario == QStringLiteral("language")) {
        std::printf("%s\n", qPrintable(startUp.language()));
        return 0;
    }
    conwave::MainWindow window;
    window.show();

    conwave::test::MessageBoxCloser closer([](QMessageBox *box) {
        std::printf("%s\n", qPrintable(box->text()));
        std::fflush(stdout);
    });
    if (scenario == QStringLiteral("fatal")) {
        QTimer::singleShot(0, &window, [&window] {
            conwave::WaveState &state = window.waveState();
            conwave::restart(state, "0", "50", "1");
            state.nWave = 60; // the next tick of Timer1 reaches slot 51
        });
    } else if (scenario == QStringLiteral("about")) {
        QTimer::singleShot(0, &window, [&window] {
            window.showAbout();
            window.close();
            // Runs only when closing Form1 did not end the program.
            QTimer::singleShot(0, [] {
                std::printf("still running\n");
                std::fflush(stdout);
                for (QWidget *top : QApplication::topLevelWidgets())
                    if (top->objectName() == QStringLiteral("Form_About") && top->isVisible())
                        top->close();
            });
        });
    } else {
        std::fprintf(stderr, "usage: conwave_ui_probe fatal|about|language\n");
        return 64;
    }
    return QApplication::exec();
}
