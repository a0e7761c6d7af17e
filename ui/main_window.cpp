#include "main_window.h"

#include "about_window.h"
#include "application.h"
#include "drawing_surface.h"
#include "regime.h"
#include "runtime_services.h"
#include "wave_tick.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
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

QString qText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

template <typename W>
W *placed(W *widget, const Control &control)
{
    widget->setObjectName(qText(control.name));
    widget->setGeometry(pixelRect(control.place));
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
    // The client area is fixed; the window takes its size from it and the menu bar above it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    resize(sizeHint());
}

MainWindow::~MainWindow() { delete m_about; }

void MainWindow::buildControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(pixelSize(kForm1ClientWidth, kForm1ClientHeight));
    setCentralWidget(client);

    m_picture = placed(new DrawingSurface(client), kPicture1);
    m_picture->setAccessibleName(QStringLiteral("Wavefront picture"));

    auto *frame = placed(new QGroupBox(client), kFrame2);
    frame->setAccessibleName(QStringLiteral("Parameters"));
    for (std::size_t i = 0; i < kParameterRows.size(); ++i)
        m_rows[i] = buildParameterRow(kParameterRows[i], frame);

    m_clock = placed(new QLabel(qText(kClockCaption), client), kLabel5);
    m_clock->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_clock->setAccessibleName(QStringLiteral("Clock"));

    m_start = placed(new QPushButton(qText(kStartCaption), client), kCommand1);
    m_start->setAccessibleName(QStringLiteral("Start the animation"));
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
    std::vector<std::pair<int, QWidget *>> order{{kPicture1.tab, m_picture}, {kCommand1.tab, m_start}};
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
    QAction *about = menuBar()->addAction(qText(kMenuAboutCaption));
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
    row.text->setText(QString::fromStdString(parameterText(*row.row, value)));
    startAnimation();
}

void MainWindow::machAnime()
{
    // The rows are in the order the restart reads them: M, nWave, tMax.
    const auto text = [this](std::size_t i) { return m_rows[i].text->text().toStdString(); };
    restart(m_state, text(0), text(1), text(2));
    describePicture();
    if (!m_timer->isActive())
        m_timer->start();
}

// The regime, the Mach angle and the emission interval, for the pointer and for screen readers. Only a restart
// changes them, so the tick does not touch them.
void MainWindow::describePicture()
{
    const QString sentence = QString::fromStdString(conwave::describePicture(m_state));
    m_picture->setToolTip(sentence);
    m_picture->setAccessibleDescription(sentence);
}

void MainWindow::startAnimation()
{
    try {
        machAnime();
    } catch (const RestartRefused &refusal) {
        refuse(refusal);
    }
}

// The previous animation goes on; the user corrects the text the restart named.
void MainWindow::refuse(const RestartRefused &refusal)
{
    if (m_refusalShown)
        return; // the open box already asks for a correction
    m_refusalShown = true;
    QMessageBox::warning(this, qText(kForm1Caption), QString::fromUtf8(refusal.what()));
    m_refusalShown = false;
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
    try {
        tick(m_state, *m_picture);
        m_clock->setText(QString::fromLocal8Bit(clockText(std::time(nullptr))));
    } catch (const RuntimeError &error) {
        endWithError(error);
    }
}

// The timer stops first: the report's own event loop would otherwise go on ticking.
void MainWindow::endWithError(const RuntimeError &error)
{
    m_timer->stop();
    QMessageBox::critical(this, qText(kForm1Caption), QString::fromUtf8(error.what()));
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
