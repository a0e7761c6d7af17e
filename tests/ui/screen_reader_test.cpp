// What the window tells a screen reader through Qt's accessibility interfaces: roles, names, relations, values
// and descriptions, and when the picture's notice tells its sentence. (That changes reach a real client, and which,
// the accessibility system test shows: the offscreen platform sends no accessibility events.)
#include "accessibility.h"
#include "language.h"
#include "main_window.h"
#include "message_box_closer.h"
#include "widget_probes.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>


class ScreenReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void roles_data();
    void roles();
    void captionsLabelTheirBoxes_data();
    void captionsLabelTheirBoxes();
    void clockReadsItsTime();
    void barsGiveTheirTextBoxNumbers_data();
    void barsGiveTheirTextBoxNumbers();
    void descriptionFollowsRestarts();
    void sentenceToldWhenTheBarRests_data();
    void sentenceToldWhenTheBarRests();
    void aboutIsAWindow();

private:
    QWidget *control(const char *name) const { return m_window->findChild<QWidget *>(QLatin1String(name)); }
    static QAccessibleInterface *reader(QObject *object) { return QAccessible::queryAccessibleInterface(object); }

    conwave::Translations m_english;
    std::unique_ptr<conwave::MainWindow> m_window;
};

// English, whatever the desktop's language; the interfaces as the program's start-up installs them.
void ScreenReaderTest::initTestCase()
{
    QVERIFY(m_english.install(QString()));
    conwave::installAccessibility();
}

void ScreenReaderTest::init() { m_window = std::make_unique<conwave::MainWindow>(); }

void ScreenReaderTest::cleanup()
{
    m_window.reset();
    qDeleteAll(conwave::test::aboutWindows());
}

void ScreenReaderTest::roles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");

    QTest::newRow("the picture is a graphic") << "Picture1" << int(QAccessible::Graphic);
    QTest::newRow("the clock is a label") << "Label5" << int(QAccessible::StaticText);
    QTest::newRow("the Mach bar is a scroll bar") << "HScroll_M" << int(QAccessible::ScrollBar);
    QTest::newRow("a text box is editable text") << "Text_nWave" << int(QAccessible::EditableText);
    QTest::newRow("START is a button") << "Command1" << int(QAccessible::Button);
}

void ScreenReaderTest::roles()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QCOMPARE(int(reader(control(qPrintable(name)))->role()), role);
}

void ScreenReaderTest::captionsLabelTheirBoxes_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("symbol");

    QTest::newRow("M") << "Label1" << "Text_M" << "M";
    QTest::newRow("nWave") << "Label2" << "Text_nWave" << "nWave";
    QTest::newRow("tMax") << "Label3" << "Text_tMax" << "tMax";
}

// The caption is the box's label, and the box's and the bar's names begin with the symbol the caption shows.
void ScreenReaderTest::captionsLabelTheirBoxes()
{
    QFETCH(QString, caption);
    QFETCH(QString, box);
    QFETCH(QString, symbol);
    QAccessibleInterface *boxReader = reader(control(qPrintable(box)));
    const auto labels = boxReader->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.front().first->object(), static_cast<QObject *>(control(qPrintable(caption))));
    QVERIFY(boxReader->text(QAccessible::Name).startsWith(symbol + QLatin1Char(',')));
    const QString bar = QStringLiteral("HScroll_") + symbol;
    QVERIFY(reader(control(qPrintable(bar)))->text(QAccessible::Name).startsWith(symbol + QLatin1Char(',')));
}

// The clock's name is the time it shows, read when asked for; what it is comes in its description.
void ScreenReaderTest::clockReadsItsTime()
{
    auto *clock = qobject_cast<QLabel *>(control("Label5"));
    QCOMPARE(reader(clock)->text(QAccessible::Name), QStringLiteral("Label5"));
    m_window->tickTimer();
    QVERIFY(clock->text() != QStringLiteral("Label5"));
    QCOMPARE(reader(clock)->text(QAccessible::Name), clock->text());
    QCOMPARE(reader(clock)->text(QAccessible::Description), QStringLiteral("Clock"));
    QCOMPARE(clock->accessibleName(), QStringLiteral("Clock")); // a named label sends no change of its text
}

void ScreenReaderTest::barsGiveTheirTextBoxNumbers_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("Mach 1.5, not 15 tenths") << "HScroll_M" << 15 << 1.5 << "1.5";
    QTest::newRow("Mach 3") << "HScroll_M" << 30 << 3.0 << "3";
    QTest::newRow("12 wavefronts") << "HScroll_nWave" << 12 << 12.0 << "12";
}

void ScreenReaderTest::barsGiveTheirTextBoxNumbers()
{
    QFETCH(QString, bar);
    QFETCH(int, value);
    QFETCH(double, number);
    QFETCH(QString, text);
    auto *scrollBar = qobject_cast<QScrollBar *>(control(qPrintable(bar)));
    scrollBar->setValue(value);
    QAccessibleValueInterface *values = reader(scrollBar)->valueInterface();
    QVERIFY(values != nullptr);
    QCOMPARE(values->currentValue().toDouble(), number);
    QCOMPARE(reader(scrollBar)->text(QAccessible::Value), text);
    // A screen reader that sets the value sets the bar, which writes the box and restarts.
    values->setCurrentValue(values->minimumValue());
    QCOMPARE(scrollBar->value(), scrollBar->minimum());
    const double divisor = bar == QStringLiteral("HScroll_M") ? 10.0 : 1.0; // the Mach bar counts tenths
    QCOMPARE(values->maximumValue().toDouble(), scrollBar->maximum() / divisor);
}

// The picture's description is the sentence of the last accepted restart; a tick before START and a refused restart
// leave it.
void ScreenReaderTest::descriptionFollowsRestarts()
{
    QWidget *picture = control("Picture1");
    // What a screen reader reads, once the tooltip and the widget's own description say the same.
    const auto described = [picture] {
        const QString read = reader(picture)->text(QAccessible::Description);
        const bool same = picture->toolTip() == read && picture->accessibleDescription() == read;
        return same ? read : QStringLiteral("tooltip, description and reader differ");
    };
    const QString beforeStart = QStringLiteral("Press START to begin the animation.");
    QCOMPARE(described(), beforeStart);
    m_window->tickTimer();
    QCOMPARE(described(), beforeStart);
    qobject_cast<QPushButton *>(control("Command1"))->click();
    QVERIFY(described().startsWith(QStringLiteral("At rest at Mach 0")));
    qobject_cast<QScrollBar *>(control("HScroll_M"))->setValue(20);
    const QString supersonic = described();
    QVERIFY2(supersonic.contains(QStringLiteral("30.0 degrees")), qPrintable(supersonic));

    qobject_cast<QLineEdit *>(control("Text_nWave"))->setText(QStringLiteral("0"));
    conwave::test::MessageBoxCloser closer;
    qobject_cast<QPushButton *>(control("Command1"))->click();
    QCOMPARE(closer.seen().size(), std::size_t{1});
    QCOMPARE(described(), supersonic);
}

void ScreenReaderTest::sentenceToldWhenTheBarRests_data()
{
    QTest::addColumn<QString>("keys"); // at the M bar; "|": the changes pause for 0.3 s
    QTest::addColumn<QStringList>("told"); // the Mach numbers of the sentences told, in order

    QTest::newRow("a step, then a pause: told") << "Right |" << QStringList{"0.1"};
    QTest::newRow("a step, no pause yet: nothing") << "Right" << QStringList{};
    QTest::newRow("three quick steps: once, where the bar stopped") << "PgDown PgDown PgDown |" << QStringList{"1.5"};
    QTest::newRow("a step, a pause, a step: twice") << "Right | Right |" << QStringList{"0.1", "0.2"};
    // A held key repeats as presses, each with its release, all marked as repeats but the first press and the last
    // release; the first repeat comes later than the pause.
    QTest::newRow("an arrow held: nothing while it repeats")
        << "+Right | -Right~ +Right~ | -Right~ +Right~ |" << QStringList{};
    QTest::newRow("an arrow let go: once, where it stopped")
        << "+Right | -Right~ +Right~ | -Right~ +Right~ | -Right |" << QStringList{"0.3"};
    QTest::newRow("a repeat's release is not the arrow let go") << "+Right | -Right~ | +Right~ -Right |"
                                                                 << QStringList{"0.2"};
}

// The sentence waits for the changes to pause and for the key that holds the bar to be let go. The test drives the
// pause: it lasts until the test ends it, however long the keys take.
void ScreenReaderTest::sentenceToldWhenTheBarRests()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, told);
    QVERIFY(conwave::test::showActive(m_window.get()));
    control("HScroll_M")->setFocus();
    auto *notice = control("Picture1")->findChild<conwave::PictureNotice *>();
    QTimer *pause = notice->findChild<QTimer *>();
    QVERIFY(pause != nullptr);
    QCOMPARE(pause->interval(), 300);
    pause->setInterval(std::chrono::hours(1));

    QSignalSpy sentences(notice, &conwave::PictureNotice::told);
    conwave::test::typeKeys(m_window->windowHandle(), keys, [pause](const QString &) {
        if (pause->isActive()) { // the pause ends now
            pause->stop();
            QMetaObject::invokeMethod(pause, "timeout");
        }
    });
    QCOMPARE(sentences.size(), told.size());
    for (qsizetype i = 0; i < told.size(); ++i) {
        const QString sentence = sentences[i].front().toString();
        QVERIFY2(sentence.contains(QStringLiteral("Mach %1:").arg(told[i])), qPrintable(sentence));
    }
}

// The About window is a window to a screen reader, named by its caption.
void ScreenReaderTest::aboutIsAWindow()
{
    m_window->findChild<QAction *>(QStringLiteral("Mn_About"))->trigger();
    const QList<QWidget *> about = conwave::test::aboutWindows();
    QCOMPARE(about.size(), 1);
    QCOMPARE(reader(about.front())->role(), QAccessible::Window);
    QCOMPARE(reader(about.front())->text(QAccessible::Name), QStringLiteral("About"));
}

QTEST_MAIN(ScreenReaderTest)
#include "screen_reader_test.moc"
