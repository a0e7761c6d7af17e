#include "main_window.h"

#include "about_window.h"
#include "accessibility.h"
#include "application.h"
#include "drawing_surface.h"
#include "language.h"
#include "runtime_services.h"
#include "wave_tick.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <utility>
#include <vector>

namespace conwave {

namespace {

template <typename W>
W *placed(W *widget, const Control &control)
{
    place(widget, control);
    return widget;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_end([](int status) { QCoreApplication::exit(status); })
{
    setObjectName(qText(kForm1Name));
    setWindowTitle(qText(kForm1Caption));
    setWindowIcon(applicationIcon());
    setFont(windowFont(kForm1Font));
    buildControls();
    buildMenu();
    load();
    connectSignals();
    resize(minimumSizeHint()); // the client area below the menu bar
}

MainWindow::~MainWindow() { delete m_about; }

void MainWindow::buildControls()
{
    // The controls keep their places and sizes whatever the window's size: they have no layout, and the client area
    // only grows, showing plain window background where it opens up.
    auto *client = new QWidget(this);
    client->setMinimumSize(pixelSize(kForm1ClientWidth, kForm1ClientHeight));
    setCentralWidget(client);

    m_picture = placed(new DrawingSurface(client), kPictureControl);
    m_picture->setAccessibleName(translated("Form1", kPictureName));
    m_notice = new PictureNotice(m_picture);

    m_parameters = placed(new QGroupBox(client), kParameterFrame);
    m_parameters->setAccessibleName(translated("Form1", kParametersName));
    for (std::size_t i = 0; i < kParameterRows.size(); ++i)
        m_rows[i] = buildParameterRow(kParameterRows[i], m_parameters);

    m_clock = placed(new ClockLabel(client), kClockLabel);
    m_clock->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_clock->setAccessibleName(translated("Form1", kClockName)); // a named label announces no change of its text
    m_clock->setText(qText(kClockCaption));

    m_start = placed(new QPushButton(translated("Form1", kStartCaption), client), kStartButton);
    m_start->setAccessibleName(translated("Form1", kStartName));
    m_start->setAutoDefault(false); // Enter in a text box does not press START
    m_start->setDefault(false);

    m_timer = new QTimer(this);
    m_timer->setObjectName(qText(kTimerName));
    m_timer->setTimerType(Qt::PreciseTimer);
    orderFocus();
}

// The keyboard visits the controls that take the focus in the order of their tab numbers; Picture1 comes first
// and has the focus at start-up.
void MainWindow::orderFocus()
{
    std::vector<std::pair<int, QWidget *>> order{{kPictureControl.tab, m_picture}, {kStartButton.tab, m_start}};
    for (const ParameterControls &row : m_rows) {
        order.emplace_back(row.row->text.tab, row.text);
        order.emplace_back(row.row->bar.tab, row.bar);
    }
    std::sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    m_picture->setFocus();
}

void MainWindow::buildMenu()
{
    menuBar()->setNativeMenuBar(false);
    QAction *about = addMenuItem(this, translated("Form1", kMenuAboutCaption));
    about->setObjectName(qText(kMenuAboutName));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

// Load: the wave speed, the picture's world window from it, and the timer's interval; the timer runs from here on.
void MainWindow::load()
{
    initialise(m_state);
    const WorldWindow world = worldWindow(m_state.aSound);
    m_picture->Scale(world.left, world.top, world.right, world.bottom);
    m_timer->setInterval(kTimerIntervalMs);
    m_timer->start();
    describePicture();
}

// Handlers are connected after the initial values are set: setting them would otherwise count as changes.
void MainWindow::connectSignals()
{
    connect(m_start, &QPushButton::clicked, this, &MainWindow::startAnimation);
    connect(m_timer, &QTimer::timeout, this, &MainWindow::tickTimer);
    for (const ParameterControls &row : m_rows)
        connect(row.bar, &QScrollBar::valueChanged, this, [this, &row](int value) { parameterChanged(row, value); });
}

void MainWindow::parameterChanged(const ParameterControls &row, int value)
{
    row.text->setText(localNumber(parameterText(*row.row, value)));
    startAnimation();
}

void MainWindow::machAnime()
{
    if (m_ended)
        return;
    // The rows are in the order the restart reads them: M, nWave, tMax.
    const auto text = [this](std::size_t i) { return m_rows[i].text->text().toStdString(); };
    restart(m_state, text(0), text(1), text(2), typedDecimalSign());
    m_notice->tell(describePicture());
    if (!m_timer->isActive())
        m_timer->start();
}

// The regime, the Mach angle and the emission interval, for the pointer and for screen readers. Only a restart
// changes them, so the tick does not touch them.
QString MainWindow::describePicture()
{
    const QString sentence = pictureSentence(m_state);
    m_picture->setToolTip(sentence);
    m_picture->setAccessibleDescription(sentence);
    return sentence;
}

void MainWindow::startAnimation()
{
    try {
        machAnime();
    } catch (const RestartRefused &refusal) {
        refuse(refusal);
    }
}

// Every box the window opens goes this way, and returns when the user has closed it. While it is open the
// parameter frame is disabled: a scroll bar held since before it opened drops its repeat at once (a disabled bar
// stops repeating), and no control beneath the box can restart the animation.
void MainWindow::showModalBox(QMessageBox::Icon icon, const QString &text)
{
    m_boxOpen = true;
    m_parameters->setEnabled(false);
    QMessageBox box(icon, qText(kForm1Caption), text, QMessageBox::Ok, this);
    box.exec();
    m_parameters->setEnabled(!m_ended);
    m_boxOpen = false;
}

// The previous animation goes on; the user corrects the text the restart named.
void MainWindow::refuse(const RestartRefused &refusal)
{
    if (m_boxOpen)
        return; // the open box already asks for a correction
    showModalBox(QMessageBox::Warning, refusalText(refusal));
    activateWindow(); // the box had the activation; the correction is typed here
    for (const ParameterControls &row : m_rows) {
        if (row.row->field == refusal.field()) {
            row.text->setFocus(Qt::OtherFocusReason);
            row.text->selectAll();
        }
    }
}

void MainWindow::tickTimer()
{
    if (m_ended)
        return; // no tick runs after a run-time error
    try {
        tick(m_state, *m_picture);
        m_clock->setText(QString::fromLocal8Bit(clockText(std::time(nullptr))));
    } catch (const RuntimeError &error) {
        endWithError(error);
    }
}

// The program is over from here: the timer stops before the report appears, and nothing starts it again, neither
// a control released beneath the report nor a restart already queued.
void MainWindow::endWithError(const RuntimeError &error)
{
    m_ended = true;
    m_timer->stop();
    m_start->setEnabled(false);
    showModalBox(QMessageBox::Critical, errorText(error));
    m_end(kExitRuntimeError);
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutWindow;
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

// Closing the window removes its timer's ticks; an open About window keeps the program running.
void MainWindow::closeEvent(QCloseEvent *event)
{
    m_timer->stop();
    QMainWindow::closeEvent(event);
}

} // namespace conwave
