// Form1: the main window, owner of the wave state and the picture; wires the controls and the timer to the model.
#pragma once

#include "parameter_row.h"
#include "wave_state.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace conwave {

class AboutWindow;
class DrawingSurface;
class PictureNotice;
class RuntimeError;

class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    // How the program ends after a run-time error has been reported; QCoreApplication::exit by default.
    using ProgramEnd = std::function<void(int status)>;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void setProgramEnd(ProgramEnd end) { m_end = std::move(end); }

    // The animation state; tools and tests may look at it or set it up directly.
    WaveState &waveState() noexcept { return m_state; }

    // Mach_Anime: restarts the animation from the three texts and enables the timer. Throws RestartRefused.
    void machAnime();

    // What START and every scroll-bar change run: Mach_Anime, and a warning instead when it refuses the texts.
    void startAnimation();

    // Timer1: one tick of the animation on the picture, then the clock.
    void tickTimer();

    // Mn_About: shows the About window, creating it when none is open.
    void showAbout();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void connectSignals();
    void orderFocus();
    void load();
    QString describePicture();
    void parameterChanged(const ParameterControls &row, int value);
    void showModalBox(QMessageBox::Icon icon, const QString &text);
    void refuse(const RestartRefused &refusal);
    void endWithError(const RuntimeError &error);

    WaveState m_state;
    DrawingSurface *m_picture = nullptr;
    PictureNotice *m_notice = nullptr; // tells screen readers each new sentence
    QGroupBox *m_parameters = nullptr;
    QPushButton *m_start = nullptr;
    QLabel *m_clock = nullptr;
    QTimer *m_timer = nullptr;
    std::array<ParameterControls, kParameterRows.size()> m_rows{};
    QPointer<AboutWindow> m_about;
    bool m_boxOpen = false;
    bool m_ended = false; // a run-time error was reported: the animation never runs again
    ProgramEnd m_end;
};

} // namespace conwave
