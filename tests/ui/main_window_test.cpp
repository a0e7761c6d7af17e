// Form1: its controls against the tables, the keyboard, the scroll bars and START, the timer and the picture,
// refused texts and run-time errors.
#include "drawing_surface.h"
#include "language.h"
#include "main_window.h"
#include "message_box_closer.h"
#include "picture_probe.h"
#include "widget_probes.h"
#include "runtime_services.h"
#include "window_tables.h"

#include <QAction>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <ctime>
#include <memory>
#include <numbers>

using conwave::test::MessageBoxCloser;
using conwave::test::PixelCircle;
using conwave::test::WorldMap;
using conwave::test::PaintCounter;
using conwave::test::deliverPostedEvents;
using conwave::test::scrollPart;
using conwave::test::repeating;
using conwave::test::sendMouse;

namespace {

// The parameters a restart sets, without the clock and the wavefront slots that every tick moves.
struct Parameters {
    double M, nWave, tMax, dtWave, uSource;
    bool operator==(const Parameters &) const = default;
};

Parameters parametersOf(const conwave::WaveState &s) { return {s.M, s.nWave, s.tMax, s.dtWave, s.uSource}; }

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_english.install(QString())); } // English, whatever the desktop's language
    void init();
    void cleanup();

    void formAndMenuBar();
    void controls_data();
    void controls();
    void scrollBarSettings_data();
    void scrollBarSettings();
    void captionsFitTheirBoxes_data();
    void captionsFitTheirBoxes();
    void windowIconHasThreeSizes();

    void tabOrderStartsAtPicture();
    void scrollValueWritesTextAndRestarts_data();
    void scrollValueWritesTextAndRestarts();
    void typedValueCountsOnlyAtStart();
    void scrollChangeReadsTypedTexts();
    void scrollKeys_data();
    void scrollKeys();
    void draggedThumbCountsOnceReleased();
    void arrowAndTrackClicksCountAtOnce_data();
    void arrowAndTrackClicksCountAtOnce();

    void timerDrivesClockAndPicture();
    void beforeStartOnlyTheMarker();
    void workedExampleOnScreen();
    void pictureRepaintsOnlyWhenItChanges_data();
    void pictureRepaintsOnlyWhenItChanges();
    void clockRepaintsOnlyWhenItsTextChanges();


    void refusalKeepsProgramAndAnimation_data();
    void refusalKeepsProgramAndAnimation();
    void refusalBoxesDoNotStack();
    void refusalUnderAHeldArrow();
    void runtimeErrorStopsReportsAndEnds_data();
    void runtimeErrorStopsReportsAndEnds();
    void runtimeErrorEndsProcessWithStatus1();

private:
    template <typename T>
    T *control(const char *name) const { return conwave::test::control<T>(m_window.get(), name); }
    conwave::DrawingSurface *picture() const { return control<conwave::DrawingSurface>("Picture1"); }
    QTimer *timer() const { return control<QTimer>("Timer1"); }
    bool showActive() { return conwave::test::showActive(m_window.get()); }
    void type(const char *editName, const QString &text);

    conwave::Translations m_english;
    std::unique_ptr<conwave::MainWindow> m_window;
    int m_endStatus = -1;
};

void MainWindowTest::init()
{
    m_endStatus = -1;
    m_window = std::make_unique<conwave::MainWindow>();
    m_window->setProgramEnd([this](int status) { m_endStatus = status; });
}

void MainWindowTest::cleanup() { m_window.reset(); }

void MainWindowTest::type(const char *editName, const QString &text)
{
    auto *edit = control<QLineEdit>(editName);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), text);
}

void MainWindowTest::formAndMenuBar()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Conwave"));
    QVERIFY(control<QGroupBox>("Frame2")->title().isEmpty());
    const QList<QAction *> items = m_window->menuBar()->actions();
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.front()->objectName(), QStringLiteral("Mn_About"));
    QCOMPARE(items.front()->text(), QStringLiteral("About"));
    QVERIFY(items.front()->menu() == nullptr);

    // The client area lies below the menu bar.
    QVERIFY(showActive());
    QMenuBar *menu = m_window->menuBar();
    QVERIFY(!menu->isNativeMenuBar());
    QCOMPARE(m_window->centralWidget()->size(), QSize(415, 376));
    QCOMPARE(m_window->centralWidget()->y(), menu->geometry().bottom() + 1);
    QCOMPARE(m_window->size(), QSize(415, 376 + menu->height()));

    // The window grows, even to the whole screen, but not below its client area; nothing in it moves or resizes.
    QCOMPARE(m_window->minimumSizeHint(), m_window->size());
    QCOMPARE(m_window->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    std::vector<std::pair<QWidget *, QRect>> before;
    for (QWidget *child : m_window->centralWidget()->findChildren<QWidget *>())
        before.emplace_back(child, child->geometry());
    m_window->resize(700, 700);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->centralWidget()->size(), QSize(700, 700 - menu->height()), 1000);
    for (const auto &[child, geometry] : before)
        QVERIFY2(child->geometry() == geometry, qPrintable(child->objectName()));
}

void MainWindowTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent"); // empty: the client area
    QTest::addColumn<QRect>("twips");    // left, top, width, height as the tables give them
    QTest::addColumn<QString>("text");   // before the first tick; empty: none
    QTest::addColumn<QString>("accessible");

    const QString M = QStringLiteral("M, Mach number");
    const QString nWave = QStringLiteral("nWave, number of wavefronts");
    const QString tMax = QStringLiteral("tMax, time span in seconds");
    QTest::newRow("Picture1") << "Picture1" << "" << QRect(120, 1560, 6000, 4000) << "" << "Wavefronts";
    QTest::newRow("Frame2") << "Frame2" << "" << QRect(2400, 0, 3735, 1455) << "" << "Parameters";
    QTest::newRow("Label5, the clock") << "Label5" << "" << QRect(240, 1200, 975, 255) << "Label5" << "Clock";
    QTest::newRow("Command1") << "Command1" << "" << QRect(120, 360, 1215, 735) << "START" << "Start the animation";
    QTest::newRow("Label1, caption") << "Label1" << "Frame2" << QRect(480, 240, 375, 255) << "M=" << M;
    QTest::newRow("Text_M") << "Text_M" << "Frame2" << QRect(960, 240, 495, 285) << "0" << M;
    QTest::newRow("HScroll_M") << "HScroll_M" << "Frame2" << QRect(1440, 240, 2055, 255) << "" << M;
    QTest::newRow("Label2, caption") << "Label2" << "Frame2" << QRect(120, 600, 735, 255) << "nWave =" << nWave;
    QTest::newRow("Text_nWave") << "Text_nWave" << "Frame2" << QRect(960, 600, 495, 285) << "4" << nWave;
    QTest::newRow("HScroll_nWave") << "HScroll_nWave" << "Frame2" << QRect(1440, 600, 2055, 255) << "" << nWave;
    QTest::newRow("Label3, caption") << "Label3" << "Frame2" << QRect(240, 960, 495, 255) << "tMax =" << tMax;
    QTest::newRow("Text_tMax") << "Text_tMax" << "Frame2" << QRect(960, 960, 495, 285) << "1" << tMax;
    QTest::newRow("HScroll_tMax") << "HScroll_tMax" << "Frame2" << QRect(1440, 960, 2055, 255) << "" << tMax;
}

// Each control where the tables put it, with its first text and the name a screen reader gives it.
void MainWindowTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(QString, accessible);

    auto *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget != nullptr);
    QWidget *expectedParent = parent.isEmpty() ? m_window->centralWidget() : m_window->findChild<QWidget *>(parent);
    QCOMPARE(widget->parentWidget(), expectedParent);
    QCOMPARE(widget->geometry(), conwave::pixelRect({twips.x(), twips.y(), twips.width(), twips.height()}));
    QCOMPARE(widget->property("text").toString(), text);
    QCOMPARE(widget->accessibleName(), accessible);
}

void MainWindowTest::scrollBarSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("smallChange");
    QTest::addColumn<int>("largeChange");

    QTest::newRow("HScroll_M counts tenths of M") << "HScroll_M" << 0 << 30 << 0 << 1 << 5;
    QTest::newRow("HScroll_nWave") << "HScroll_nWave" << 1 << 30 << 4 << 1 << 1;
    QTest::newRow("HScroll_tMax") << "HScroll_tMax" << 1 << 4 << 1 << 1 << 1;
}

void MainWindowTest::scrollBarSettings()
{
    QFETCH(QString, name);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, smallChange);
    QFETCH(int, largeChange);

    auto *bar = m_window->findChild<QScrollBar *>(name);
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->orientation(), Qt::Horizontal);
    QCOMPARE(bar->minimum(), minimum);
    QCOMPARE(bar->maximum(), maximum);
    QCOMPARE(bar->value(), value);
    QCOMPARE(bar->singleStep(), smallChange);
    QCOMPARE(bar->pageStep(), largeChange);
    QVERIFY(!bar->hasTracking());
    QCOMPARE(m_window->waveState().nWave, 0.0); // setting the initial values was no change
}

void MainWindowTest::captionsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text"); // empty: the control's own caption in that language

    for (const QString language : {"", "de", "fr", "es"}) {
        const QString tag = language.isEmpty() ? QStringLiteral("en") : language;
        for (const char *name : {"Label1", "Label2", "Label3", "Label5", "Command1"})
            QTest::newRow(qPrintable(tag + QLatin1Char(' ') + QLatin1String(name))) << language << name << QString();
    }
    // The clock in the process's time format, at times of day with the widest digits and both halves of the day.
    for (const int hour : {0, 8, 12, 20, 23}) {
        const QDateTime local(QDate(2026, 12, 8), QTime(hour, 58, 48));
        const QString clock = QString::fromLocal8Bit(conwave::clockText(local.toSecsSinceEpoch()));
        QTest::newRow(qPrintable(QStringLiteral("clock ") + clock)) << QString() << "Label5" << clock;
    }
}

// Every caption in every language fits the box the tables give it, in the window's font: a translation that
// would clip is shortened instead.
void MainWindowTest::captionsFitTheirBoxes()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    QFETCH(QString, text);

    conwave::Translations translations;
    QVERIFY(translations.install(language));
    m_window = std::make_unique<conwave::MainWindow>();
    auto *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget != nullptr);
    if (text.isEmpty()) {
        if (auto *button = qobject_cast<QPushButton *>(widget))
            text = button->text();
        else
            text = qobject_cast<QLabel *>(widget)->text();
    }
    if (!language.isEmpty() && name == QStringLiteral("Command1"))
        QVERIFY2(text != QStringLiteral("START"), "START is translated");
    const QFontMetrics metrics(widget->font());
    QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Sans"));
    QRect room = widget->contentsRect();
    if (qobject_cast<QPushButton *>(widget) != nullptr)
        room.adjust(4, 4, -4, -4); // the button's bevel
    const QRect needed = metrics.boundingRect(room, Qt::AlignLeft | Qt::AlignTop, text);
    QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
             qPrintable(QStringLiteral("%1 needs %2 x %3 px, has %4 x %5").arg(text).arg(needed.width())
                            .arg(needed.height()).arg(room.width()).arg(room.height())));
}

void MainWindowTest::windowIconHasThreeSizes()
{
    const QList<QSize> sizes = m_window->windowIcon().availableSizes();
    for (const int side : {16, 32, 48})
        QVERIFY(sizes.contains(QSize(side, side)));
    QVERIFY(!m_window->windowIcon().pixmap(32).isNull());
}

void MainWindowTest::tabOrderStartsAtPicture()
{
    QVERIFY(showActive());
    QCOMPARE(QApplication::focusWidget(), picture());
    const QStringList expected{"Text_M",        "HScroll_M",    "Command1", "Text_tMax",
                               "Text_nWave",    "HScroll_nWave", "HScroll_tMax", "Picture1"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void MainWindowTest::scrollValueWritesTextAndRestarts_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text"); // what the bar writes into its text box
    QTest::addColumn<double>("M");
    QTest::addColumn<double>("nWave");
    QTest::addColumn<double>("tMax");
    QTest::addColumn<QString>("sentence"); // the picture's tooltip and description

    const QString rest = QStringLiteral("At rest at Mach 0: the wavefronts are concentric circles around the source, a "
                                        "wavefront every %1 s.");
    const QString subsonic = QStringLiteral("Subsonic at Mach %1: the source stays inside its wavefronts, a wavefront "
                                            "every 0.25 s.");
    const QString cone = QStringLiteral("Supersonic at Mach %1: a Mach cone with a Mach angle of %2 degrees, a "
                                        "wavefront every 0.25 s.");
    QTest::newRow("M at 0: at rest") << "HScroll_M" << 0 << "0" << 0.0 << 4.0 << 1.0 << rest.arg("0.25");
    QTest::newRow("M at 5 is 0.5") << "HScroll_M" << 5 << "0.5" << 0.5 << 4.0 << 1.0 << subsonic.arg("0.5");
    QTest::newRow("M at 9: just below sound") << "HScroll_M" << 9 << "0.9" << 0.9 << 4.0 << 1.0 << subsonic.arg("0.9");
    QTest::newRow("M at 10 is 1, no point: sonic") << "HScroll_M" << 10 << "1" << 1.0 << 4.0 << 1.0
        << "Sonic at Mach 1: every wavefront touches the source, a wavefront every 0.25 s.";
    QTest::newRow("M at 12, the worked example") << "HScroll_M" << 12 << "1.2" << 1.2 << 4.0 << 1.0
                                                 << cone.arg("1.2", "56.4");
    QTest::newRow("M at 20: 30.0 degrees") << "HScroll_M" << 20 << "2" << 2.0 << 4.0 << 1.0 << cone.arg("2", "30.0");
    QTest::newRow("M at 23 is 2.3") << "HScroll_M" << 23 << "2.3" << 2.3 << 4.0 << 1.0 << cone.arg("2.3", "25.8");
    QTest::newRow("M at 30 is 3") << "HScroll_M" << 30 << "3" << 3.0 << 4.0 << 1.0 << cone.arg("3", "19.5");
    QTest::newRow("nWave at 1") << "HScroll_nWave" << 1 << "1" << 0.0 << 1.0 << 1.0 << rest.arg("1");
    QTest::newRow("nWave at 10") << "HScroll_nWave" << 10 << "10" << 0.0 << 10.0 << 1.0 << rest.arg("0.1");
    QTest::newRow("nWave at 30: standing still") << "HScroll_nWave" << 30 << "30" << 0.0 << 30.0 << 1.0
        << "At rest at Mach 0: the wavefronts are concentric circles around the source, a wavefront every 0.0333 s, "
           "less than one frame of 0.04 s: the picture stands still.";
    QTest::newRow("tMax at 3") << "HScroll_tMax" << 3 << "3" << 0.0 << 4.0 << 3.0 << rest.arg("0.75");
    QTest::newRow("tMax at 4") << "HScroll_tMax" << 4 << "4" << 0.0 << 4.0 << 4.0 << rest.arg("1");
}

// A bar's change writes its text and restarts from the texts, the clock back at 0; the picture's tooltip and its
// accessible description follow every accepted restart.
void MainWindowTest::scrollValueWritesTextAndRestarts()
{
    QFETCH(QString, bar);
    QFETCH(int, value);
    QFETCH(QString, text);
    QFETCH(double, M);
    QFETCH(double, nWave);
    QFETCH(double, tMax);
    QFETCH(QString, sentence);

    auto *scroll = control<QScrollBar>(qPrintable(bar));
    scroll->setValue(value == scroll->minimum() ? value + 1 : value - 1); // so that the value below is a change
    conwave::WaveState &state = m_window->waveState();
    state.tNow = 0.12; // as if the animation had run
    scroll->setValue(value);
    QCOMPARE(control<QLineEdit>(qPrintable(bar.replace(QStringLiteral("HScroll_"), QStringLiteral("Text_"))))->text(),
             text);
    QCOMPARE(state.M, M);
    QCOMPARE(state.nWave, nWave);
    QCOMPARE(state.tMax, tMax);
    QCOMPARE(state.dtWave, tMax / nWave);
    QCOMPARE(state.uSource, M * 340.0);
    QCOMPARE(state.tNow, 0.0);
    QVERIFY(timer()->isActive());
    QCOMPARE(picture()->toolTip(), sentence);
    QCOMPARE(picture()->accessibleDescription(), sentence);

    // A typed negative Mach number moves the source the other way, from the next START on.
    type("Text_M", QStringLiteral("-2"));
    QCOMPARE(picture()->toolTip(), sentence);
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QVERIFY2(picture()->toolTip().startsWith(QStringLiteral("Supersonic at Mach 2, moving the other way: a Mach cone "
                                                            "with a Mach angle of 30.0 degrees")),
             qPrintable(picture()->toolTip()));
}

// A typed value counts from START on; Return and Enter in the box do not press START, which is no default button.
void MainWindowTest::typedValueCountsOnlyAtStart()
{
    auto *start = control<QPushButton>("Command1");
    QVERIFY(!start->autoDefault());
    QVERIFY(!start->isDefault());
    QVERIFY(showActive());
    QSignalSpy clicks(start, &QPushButton::clicked);
    type("Text_nWave", QStringLiteral("10"));
    QTest::keyClick(control<QLineEdit>("Text_nWave"), Qt::Key_Return);
    QTest::keyClick(control<QLineEdit>("Text_nWave"), Qt::Key_Enter);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(m_window->waveState().nWave, 0.0);
    m_window->tickTimer();
    QCOMPARE(picture()->frame().size(), std::size_t{1}); // still only the marker

    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(m_window->waveState().nWave, 10.0);
    QCOMPARE(control<QScrollBar>("HScroll_nWave")->value(), 4); // the bar keeps its own position
    m_window->tickTimer();
    QCOMPARE(picture()->frame().size(), std::size_t{11}); // ten wavefronts and the marker
}

void MainWindowTest::scrollChangeReadsTypedTexts()
{
    type("Text_nWave", QStringLiteral("6"));
    type("Text_tMax", QStringLiteral("2.5"));
    control<QScrollBar>("HScroll_M")->setValue(12);
    const conwave::WaveState &state = m_window->waveState();
    QCOMPARE(state.M, 1.2);
    QCOMPARE(state.nWave, 6.0);
    QCOMPARE(state.tMax, 2.5);
    QCOMPARE(control<QScrollBar>("HScroll_nWave")->value(), 4);
    QCOMPARE(control<QScrollBar>("HScroll_tMax")->value(), 1);
}

void MainWindowTest::scrollKeys_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text"); // what the bar writes into its text box
    QTest::addColumn<bool>("rightToLeft");

    QTest::newRow("M: Right adds a small change") << "HScroll_M" << 10 << "Right" << 11 << "1.1" << false;
    QTest::newRow("M: Left takes one") << "HScroll_M" << 10 << "Left" << 9 << "0.9" << false;
    QTest::newRow("M: Down adds one") << "HScroll_M" << 10 << "Down" << 11 << "1.1" << false;
    QTest::newRow("M: Up takes one") << "HScroll_M" << 10 << "Up" << 9 << "0.9" << false;
    QTest::newRow("M: Page Down adds a large change") << "HScroll_M" << 10 << "PgDown" << 15 << "1.5" << false;
    QTest::newRow("M: Page Up takes a large change") << "HScroll_M" << 10 << "PgUp" << 5 << "0.5" << false;
    QTest::newRow("M: Home goes to the minimum") << "HScroll_M" << 10 << "Home" << 0 << "0" << false;
    QTest::newRow("M: End goes to the maximum") << "HScroll_M" << 10 << "End" << 30 << "3" << false;
    QTest::newRow("nWave: Page Down adds 1") << "HScroll_nWave" << 4 << "PgDown" << 5 << "5" << false;
    QTest::newRow("tMax: End is 4") << "HScroll_tMax" << 2 << "End" << 4 << "4" << false;
    // Mirrored, the maximum is at the left end, and Left moves towards it.
    QTest::newRow("right-to-left M: Left adds one") << "HScroll_M" << 10 << "Left" << 11 << "1.1" << true;
    QTest::newRow("right-to-left M: Right takes one") << "HScroll_M" << 10 << "Right" << 9 << "0.9" << true;
    QTest::newRow("right-to-left M: Up still takes one") << "HScroll_M" << 10 << "Up" << 9 << "0.9" << true;
}

void MainWindowTest::scrollKeys()
{
    QFETCH(QString, bar);
    QFETCH(int, start);
    QFETCH(QString, key);
    QFETCH(int, value);
    QFETCH(QString, text);
    QFETCH(bool, rightToLeft);

    auto *scroll = control<QScrollBar>(qPrintable(bar));
    scroll->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    scroll->setValue(start);
    QVERIFY(scroll->focusPolicy() & Qt::TabFocus);
    QSignalSpy changes(scroll, &QScrollBar::valueChanged);
    scroll->setFocus();
    QTest::keyClick(scroll, QKeySequence::fromString(key)[0].key());
    QCOMPARE(scroll->value(), value);
    QCOMPARE(changes.count(), 1);
    const QString box = bar.replace(QStringLiteral("HScroll_"), QStringLiteral("Text_"));
    QCOMPARE(control<QLineEdit>(qPrintable(box))->text(), text);
}

// While the thumb moves nothing changes; its release is one change.
void MainWindowTest::draggedThumbCountsOnceReleased()
{
    auto *bar = control<QScrollBar>("HScroll_M");
    auto *text = control<QLineEdit>("Text_M");
    QSignalSpy changes(bar, &QScrollBar::valueChanged);
    const QRect thumb = scrollPart(bar, QStyle::SC_ScrollBarSlider);
    const QRect groove = scrollPart(bar, QStyle::SC_ScrollBarGroove);
    QVERIFY(thumb.isValid() && groove.width() > thumb.width());

    QPoint at = thumb.center();
    sendMouse(bar, QEvent::MouseButtonPress, at, Qt::LeftButton);
    for (int step = 0; step < 6; ++step) {
        at.rx() += (groove.width() - thumb.width()) / 10;
        sendMouse(bar, QEvent::MouseMove, at, Qt::LeftButton);
    }
    QVERIFY(bar->sliderPosition() > 0);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(text->text(), QStringLiteral("0"));
    QCOMPARE(m_window->waveState().nWave, 0.0);

    sendMouse(bar, QEvent::MouseButtonRelease, at, Qt::NoButton);
    QCOMPARE(changes.count(), 1);
    QVERIFY(bar->value() > 0);
    QCOMPARE(text->text(), QString::fromStdString(conwave::numberToText(bar->value() / 10.0)));
    QCOMPARE(m_window->waveState().M, bar->value() / 10.0);
}

void MainWindowTest::arrowAndTrackClicksCountAtOnce_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("right arrow: one small change") << int(QStyle::SC_ScrollBarAddLine) << 1 << "0.1";
    QTest::newRow("track right of the thumb: one large change") << int(QStyle::SC_ScrollBarAddPage) << 5 << "0.5";
}

void MainWindowTest::arrowAndTrackClicksCountAtOnce()
{
    QFETCH(int, part);
    QFETCH(int, value);
    QFETCH(QString, text);

    auto *bar = control<QScrollBar>("HScroll_M");
    const QPoint at = scrollPart(bar, static_cast<QStyle::SubControl>(part)).center();
    sendMouse(bar, QEvent::MouseButtonPress, at, Qt::LeftButton);
    QCOMPARE(bar->value(), value); // at the press, not at the release
    QCOMPARE(control<QLineEdit>("Text_M")->text(), text);
    QCOMPARE(m_window->waveState().M, value / 10.0);
    sendMouse(bar, QEvent::MouseButtonRelease, at, Qt::NoButton);
    QCOMPARE(bar->value(), value);
}

void MainWindowTest::timerDrivesClockAndPicture()
{
    QTimer *tick = timer();
    QVERIFY(tick->isActive());
    QCOMPARE(tick->interval(), 40);
    QCOMPARE(tick->timerType(), Qt::PreciseTimer);
    QVERIFY(showActive());

    auto *clock = control<QLabel>("Label5");
    QTRY_VERIFY_WITH_TIMEOUT(clock->text() != QStringLiteral("Label5"), 2000);
    const std::time_t now = std::time(nullptr);
    QVERIFY(clock->text() == QString::fromLocal8Bit(conwave::clockText(now)) ||
            clock->text() == QString::fromLocal8Bit(conwave::clockText(now - 1)));

    control<QScrollBar>("HScroll_M")->setValue(12);
    QTRY_COMPARE_WITH_TIMEOUT(picture()->frame().size(), std::size_t{5}, 2000);
    for (std::size_t i = 0; i + 1 < picture()->frame().size(); ++i) {
        const conwave::WaveCircle &c = picture()->frame()[i];
        QVERIFY(std::abs(c.x - 1.2f * c.radius) < 1e-3f * c.radius); // every centre drifts at 1.2 times the growth
    }
}

void MainWindowTest::beforeStartOnlyTheMarker()
{
    for (int i = 0; i < 3; ++i)
        m_window->tickTimer();
    QCOMPARE(picture()->frame().size(), std::size_t{1});
    const QImage image = picture()->grab().toImage();
    const WorldMap map{picture()->contentsRect()};
    const int red = conwave::test::wavePixels(image, picture()->contentsRect());
    QVERIFY2(red >= 1 && red <= 4, qPrintable(QStringLiteral("%1 red pixels").arg(red)));
    QCOMPARE(conwave::test::strayWavePixels(image, picture()->contentsRect(), {{map.point(0, 0), 0.0}}), 0);
    QVERIFY(control<QLabel>("Label5")->text() != QStringLiteral("Label5"));
}

// Dragging HScroll_M to 12: the next tick shows four wavefronts and the source, and nothing else.
void MainWindowTest::workedExampleOnScreen()
{
    control<QScrollBar>("HScroll_M")->setValue(12);
    m_window->tickTimer();
    QCOMPARE(m_window->waveState().tNow, 0.04);
    QCOMPARE(picture()->frame().size(), std::size_t{5}); // the model's frame, found where it must be on screen below

    const double radii[] = {13.6, 98.6, 183.6, 268.6};
    const double centres[] = {16.32, 118.32, 220.32, 322.32};
    const QImage image = picture()->grab().toImage();
    const QRect inner = picture()->contentsRect();
    const WorldMap map{inner};
    std::vector<PixelCircle> circles{{map.point(0, 0), 0.0}};
    for (std::size_t i = 0; i < 4; ++i) {
        circles.push_back({map.point(centres[i], 0), map.length(radii[i])});
        for (int step = 0; step < 12; ++step) {
            const double angle = step * std::numbers::pi / 6.0;
            const QPointF at = map.point(centres[i] + radii[i] * std::cos(angle), radii[i] * std::sin(angle));
            if (inner.adjusted(2, 2, -2, -2).contains(at.toPoint()))
                QVERIFY2(conwave::test::waveNear(image, at),
                         qPrintable(QStringLiteral("wavefront %1 missing at %2 degrees").arg(i + 1).arg(step * 30)));
        }
    }
    QCOMPARE(conwave::test::strayWavePixels(image, inner, circles), 0);
}

void MainWindowTest::pictureRepaintsOnlyWhenItChanges_data()
{
    QTest::addColumn<QString>("bar");  // the scroll bar moved before the ticks; none: before START
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("repaints"); // of the picture over five ticks

    QTest::newRow("before START: the marker, tick after tick") << QString() << 0 << 0;
    QTest::newRow("30 wavefronts in 1 s: the clock stands still") << "HScroll_nWave" << 30 << 0;
    QTest::newRow("Mach 2: every tick a new frame") << "HScroll_M" << 20 << 5;
}

// The tick runs every time; the picture is repainted only when its frame differs from the one on screen.
void MainWindowTest::pictureRepaintsOnlyWhenItChanges()
{
    QFETCH(QString, bar);
    QFETCH(int, value);
    QFETCH(int, repaints);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    if (!bar.isEmpty())
        control<QScrollBar>(qPrintable(bar))->setValue(value);
    m_window->tickTimer();
    deliverPostedEvents();

    PaintCounter paints(picture());
    for (int i = 0; i < 5; ++i) {
        m_window->tickTimer();
        deliverPostedEvents();
    }
    QCOMPARE(paints.count, repaints);
}

// The clock label is set every tick; it is repainted only when the time of day it shows has changed.
void MainWindowTest::clockRepaintsOnlyWhenItsTextChanges()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto *clock = control<QLabel>("Label5");
    deliverPostedEvents();

    PaintCounter paints(clock);
    int changes = 0;
    for (int i = 0; i < 5; ++i) {
        const QString before = clock->text();
        m_window->tickTimer();
        deliverPostedEvents();
        changes += clock->text() != before ? 1 : 0;
    }
    QVERIFY(changes < 5); // five ticks take far less than the seconds it would need
    QCOMPARE(paints.count, changes);
}

void MainWindowTest::refusalKeepsProgramAndAnimation_data()
{
    QTest::addColumn<QString>("edit"); // the text box typed into, where the refusal sends the user back
    QTest::addColumn<QString>("typed");

    QTest::newRow("nWave reads as 0") << "Text_nWave" << "0";
    QTest::newRow("nWave is no number") << "Text_nWave" << "many";
    QTest::newRow("more than 50 wavefronts") << "Text_nWave" << "60";
    QTest::newRow("M too large for a double") << "Text_M" << "1e999";
    QTest::newRow("tMax too large for a double") << "Text_tMax" << "9e400";
    QTest::newRow("M: circles beyond single precision") << "Text_M" << "1e36";
    QTest::newRow("tMax: circles beyond single precision") << "Text_tMax" << "1e37";
}

void MainWindowTest::refusalKeepsProgramAndAnimation()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);

    QVERIFY(showActive());
    control<QScrollBar>("HScroll_M")->setValue(12);
    const Parameters before = parametersOf(m_window->waveState());
    type(qPrintable(edit), typed);

    QString expected;
    try {
        conwave::WaveState probe = m_window->waveState();
        const auto text = [this](const char *name) { return control<QLineEdit>(name)->text().toStdString(); };
        conwave::restart(probe, text("Text_M"), text("Text_nWave"), text("Text_tMax"));
    } catch (const conwave::RestartRefused &refusal) {
        expected = QString::fromUtf8(refusal.what());
    }
    QVERIFY(!expected.isEmpty());

    MessageBoxCloser closer;
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(closer.seen().size(), std::size_t{1});
    QCOMPARE(closer.seen().front().icon, QMessageBox::Warning);
    QCOMPARE(closer.seen().front().title, QStringLiteral("Conwave"));
    QCOMPARE(closer.seen().front().text, expected);

    QCOMPARE(m_endStatus, -1);
    QVERIFY(timer()->isActive());
    QVERIFY(parametersOf(m_window->waveState()) == before);
    auto *offending = control<QLineEdit>(qPrintable(edit));
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), static_cast<QWidget *>(offending), 1000);
    QCOMPARE(offending->selectedText(), offending->text());
    QVERIFY(!offending->text().isEmpty());

    m_window->tickTimer();
    QCOMPARE(picture()->frame().size(), std::size_t{5}); // the M 1.2 animation goes on
}

void MainWindowTest::refusalBoxesDoNotStack()
{
    type("Text_nWave", QStringLiteral("0"));
    auto *start = control<QPushButton>("Command1");
    auto *bar = control<QScrollBar>("HScroll_tMax");
    MessageBoxCloser closer([start, bar](QMessageBox *) {
        // Events that reach the window while the box is open, through the timer's and the queue's loop.
        QTimer::singleShot(0, start, &QPushButton::click);
        QTimer::singleShot(0, bar, [bar] { bar->setValue(3); });
    });
    start->click();
    QTRY_COMPARE_WITH_TIMEOUT(bar->value(), 3, 1000);
    QCOMPARE(closer.seen().size(), std::size_t{1});
    QCOMPARE(m_endStatus, -1);
}

// The arrow's press refuses the texts; the button is still down when the warning opens, and its release goes to
// the box. One warning, and the bar neither repeats nor stays pressed afterwards.
void MainWindowTest::refusalUnderAHeldArrow()
{
    QVERIFY(showActive());
    type("Text_nWave", QStringLiteral("0"));
    auto *bar = control<QScrollBar>("HScroll_M");
    const QPoint arrow = scrollPart(bar, QStyle::SC_ScrollBarAddLine).center();
    bool repeatingUnderTheBox = true;
    MessageBoxCloser closer([&](QMessageBox *) { repeatingUnderTheBox = repeating(bar) != QAbstractSlider::SliderNoAction; });
    sendMouse(bar, QEvent::MouseButtonPress, arrow, Qt::LeftButton);
    QCOMPARE(closer.seen().size(), std::size_t{1});
    QVERIFY(!repeatingUnderTheBox);
    QCOMPARE(repeating(bar), QAbstractSlider::SliderNoAction);
    QVERIFY(bar->isEnabled());
    QCOMPARE(bar->value(), 1); // the one step of the press
    auto *offending = control<QLineEdit>("Text_nWave");
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), static_cast<QWidget *>(offending), 1000);
    QCOMPARE(offending->selectedText(), QStringLiteral("0"));
}

void MainWindowTest::runtimeErrorStopsReportsAndEnds_data()
{
    QTest::addColumn<bool>("held"); // the user holds the right arrow of HScroll_M when the tick fails

    QTest::newRow("the tick alone") << false;
    QTest::newRow("under a held arrow") << true;
}

// Only a state set up by hand reaches the 51st slot: the restart refuses more than 50 wavefronts. The timer stops
// before the report, the bar lets go, and nothing that reaches the window beneath the report (the bar's release, a
// queued START) starts the animation again.
void MainWindowTest::runtimeErrorStopsReportsAndEnds()
{
    QFETCH(bool, held);
    QVERIFY(showActive());
    auto *bar = control<QScrollBar>("HScroll_M");
    const QPoint arrow = scrollPart(bar, QStyle::SC_ScrollBarAddLine).center();
    if (held) {
        sendMouse(bar, QEvent::MouseButtonPress, arrow, Qt::LeftButton);
        QCOMPARE(repeating(bar), QAbstractSlider::SliderSingleStepAdd); // held: it would step again
    }
    m_window->waveState().nWave = 60;
    bool tickingWhileReported = true;
    MessageBoxCloser closer([&](QMessageBox *) {
        tickingWhileReported = timer()->isActive();
        if (held)
            sendMouse(bar, QEvent::MouseButtonRelease, arrow, Qt::NoButton);
        QTimer::singleShot(0, control<QPushButton>("Command1"), &QPushButton::click);
        QTimer::singleShot(0, m_window.get(), [this] { m_window->startAnimation(); });
    });
    m_window->tickTimer();
    QCOMPARE(closer.seen().size(), std::size_t{1});
    QCOMPARE(closer.seen().front().icon, QMessageBox::Critical);
    QCOMPARE(closer.seen().front().title, QStringLiteral("Conwave"));
    QVERIFY2(closer.seen().front().text.startsWith(QStringLiteral("Subscript out of range")),
             qPrintable(closer.seen().front().text));
    QVERIFY(!tickingWhileReported);
    QCOMPARE(m_endStatus, conwave::kExitRuntimeError);
    QCoreApplication::processEvents();
    QVERIFY(!timer()->isActive());
    QCOMPARE(repeating(bar), QAbstractSlider::SliderNoAction);
    QCOMPARE(bar->value(), held ? 1 : 0);
    QCOMPARE(m_window->waveState().nWave, 60.0);          // no restart ran after the error
    QCOMPARE(picture()->frame().size(), std::size_t{50}); // wavefronts 1 to 50 were drawn before slot 51
}

void MainWindowTest::runtimeErrorEndsProcessWithStatus1()
{
    QProcess program;
    QProcessEnvironment english = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        english.remove(QLatin1String(variable));
    english.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8")); // the report's English words below
    program.setProcessEnvironment(english);
    program.start(QStringLiteral(CONWAVE_PROBE_PATH), {QStringLiteral("fatal")});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY(program.readAllStandardOutput().contains("Subscript out of range"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
