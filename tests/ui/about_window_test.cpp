// Form_About and Mn_About: the labels of the table, one window at most, made anew after closing, the program that
// goes on while it is open, and About reached by keys, also while a screen reader holds the keys back.
#include "about_window.h"
#include "language.h"
#include "main_window.h"
#include "widget_probes.h"
#include "window_tables.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QScrollBar>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// A screen reader's hold on the keys, as Qt 6.4's AT-SPI bridge has it while a reader listens to the keyboard: each
// key press and release the platform delivers is held back (the shortcut check before a press has run already)
// and, once the reader has answered, posted anew as a copy to where it was going.
class ReaderHold final : public QObject {
public:
    ReaderHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~ReaderHold() override { answer(); }

    // The reader answers: the keys held go on, in the order they came.
    void answer()
    {
        for (auto &[target, key] : std::exchange(m_held, {}))
            if (target)
                QCoreApplication::postEvent(target, key.release());
        QCoreApplication::sendPostedEvents();
    }

protected:
    bool eventFilter(QObject *target, QEvent *event) override
    {
        if (!event->spontaneous() || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        m_held.emplace_back(target, std::make_unique<QKeyEvent>(key->type(), key->key(), key->modifiers(),
                                                                 key->nativeScanCode(), key->nativeVirtualKey(),
                                                                 key->nativeModifiers(), key->text(),
                                                                 key->isAutoRepeat(), key->count()));
        return true;
    }

private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QKeyEvent>>> m_held;
};

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void labels_data();
    void labels();
    void labelsFitTheirBoxes_data();
    void labelsFitTheirBoxes();
    void windowItself();
    void shownWithoutOwnerOrModalLoop();
    void oneWindowAtMost();
    void madeAnewAfterClose();
    void closingMainLeavesAboutOpen();
    void programGoesOnUntilAboutCloses();
    void aboutByKeys_data();
    void aboutByKeys();

private:
    void chooseAbout() { m_window->findChild<QAction *>(QStringLiteral("Mn_About"))->trigger(); }
    static QList<QWidget *> aboutWindows();
    static QWidget *about();

    std::unique_ptr<conwave::MainWindow> m_window;
};

QList<QWidget *> AboutWindowTest::aboutWindows()
{
    QList<QWidget *> found;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("Form_About"))
            found << top;
    return found;
}

QWidget *AboutWindowTest::about()
{
    const QList<QWidget *> found = aboutWindows();
    return found.size() == 1 ? found.front() : nullptr;
}

void AboutWindowTest::init()
{
    m_window = std::make_unique<conwave::MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void AboutWindowTest::cleanup()
{
    m_window.reset();
    for (QWidget *left : aboutWindows())
        delete left;
}

void AboutWindowTest::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QColor>("colour"); // invalid: the default text colour
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("centred");

    const QColor none;
    QTest::newRow("title") << "Label1" << "Conwave" << QRect(1080, 120, 1215, 375) << QColor(255, 0, 0) << 12.0
                           << true << false;
    QTest::newRow("description") << "Label2"
                                 << "This Program simulates wave propagation from a point distribution source for "
                                    "choosen Mach numbers in subsonic - supersonic regimes"
                                 << QRect(360, 600, 2655, 1095) << QColor(0, 128, 0) << 8.25 << false << true;
    QTest::newRow("credit") << "Label7" << "Developed by the Conwave team" << QRect(480, 1920, 2535, 255) << none
                            << 8.25 << false << true;
    QTest::newRow("date") << "Label8" << "Last modified on April 2007" << QRect(480, 2160, 2415, 255) << none << 8.25
                          << false << true;
    QTest::newRow("contact lead-in") << "Label4" << "For comments and questions e-mail to"
                                     << QRect(120, 2520, 3375, 255) << none << 8.25 << false << false;
    QTest::newRow("contact address") << "Label5" << "conwave@example.org" << QRect(840, 2760, 1935, 255)
                                     << QColor(0, 0, 255) << 8.25 << false << false;
}

void AboutWindowTest::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, twips);
    QFETCH(QColor, colour);
    QFETCH(double, points);
    QFETCH(bool, underline);
    QFETCH(bool, centred);

    chooseAbout();
    QVERIFY(about() != nullptr);
    auto *label = about()->findChild<QLabel *>(name);
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->geometry(), conwave::pixelRect({twips.x(), twips.y(), twips.width(), twips.height()}));
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->font().underline(), underline);
    QCOMPARE(label->font().weight(), QFont::Normal);
    QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
    QVERIFY(!label->autoFillBackground()); // shows the window's light yellow
    const QColor shown = label->palette().color(QPalette::WindowText);
    if (colour.isValid())
        QCOMPARE(shown, colour);
    else
        QCOMPARE(shown, about()->palette().color(QPalette::WindowText));
}

void AboutWindowTest::labelsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    for (const QString language : {"", "de", "fr", "es"})
        for (const char *name : {"Label1", "Label2", "Label7", "Label8", "Label4", "Label5"})
            QTest::newRow(qPrintable((language.isEmpty() ? QStringLiteral("en") : language) + QLatin1Char(' ') +
                                     QLatin1String(name)))
                << language << name;
}

// In every language each label's text fits its box: the description in its lines, the others on one line.
void AboutWindowTest::labelsFitTheirBoxes()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    conwave::Translations translations;
    QVERIFY(translations.install(language));
    chooseAbout();
    auto *label = about()->findChild<QLabel *>(name);
    QVERIFY(label != nullptr);
    const QFontMetrics metrics(label->font());
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect needed = metrics.boundingRect(label->contentsRect(), flags, label->text());
    QVERIFY2(label->contentsRect().contains(needed),
             qPrintable(QStringLiteral("%1 needs %2 x %3 px")
                            .arg(label->text())
                            .arg(needed.width())
                            .arg(needed.height())));
}

void AboutWindowTest::windowItself()
{
    chooseAbout();
    QWidget *window = about();
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("About"));
    QCOMPARE(window->size(), QSize(240, 210));
    QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(window->windowIcon().availableSizes().contains(QSize(48, 48)));
    const QImage image = window->grab().toImage();
    for (const QPoint p : {QPoint(2, 2), QPoint(230, 200), QPoint(5, 100)})
        QCOMPARE(image.pixelColor(p), QColor(255, 255, 192));
}

void AboutWindowTest::shownWithoutOwnerOrModalLoop()
{
    chooseAbout(); // returns at once: there is no modal loop to leave
    QWidget *window = about();
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    QVERIFY(window->parentWidget() == nullptr);
    QVERIFY(!window->isModal());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(m_window->isEnabled());
}

void AboutWindowTest::oneWindowAtMost()
{
    chooseAbout();
    QWidget *first = about();
    QVERIFY(first != nullptr);
    chooseAbout();
    QCOMPARE(aboutWindows().size(), 1);
    QCOMPARE(about(), first);
    QVERIFY(first->isVisible());
}

void AboutWindowTest::madeAnewAfterClose()
{
    chooseAbout();
    QPointer<QWidget> first = about();
    QVERIFY(first);
    first->close();
    QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 2000); // closing removes it
    QCOMPARE(aboutWindows().size(), 0);

    chooseAbout();
    QWidget *second = about();
    QVERIFY(second != nullptr);
    QVERIFY(second->isVisible());
    QCOMPARE(second->findChild<QLabel *>(QStringLiteral("Label7"))->text(),
             QStringLiteral("Developed by the Conwave team"));
}

void AboutWindowTest::closingMainLeavesAboutOpen()
{
    chooseAbout();
    QWidget *window = about();
    QVERIFY(window != nullptr);
    QVERIFY(m_window->close());
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_window->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive()); // no more ticks
    QVERIFY(window->isVisible());
    QVERIFY(window->testAttribute(Qt::WA_QuitOnClose)); // it is the window whose closing ends the program
}

void AboutWindowTest::programGoesOnUntilAboutCloses()
{
    QProcess program;
    program.start(QStringLiteral(CONWAVE_PROBE_PATH), {QStringLiteral("about")});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(program.readAllStandardOutput().trimmed(), QByteArray("still running"));
}

void AboutWindowTest::aboutByKeys_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("reader"); // a screen reader holds each key until "!"
    QTest::addColumn<QString>("ends"); // About, the menu bar (Mn_About active) or the control that keeps the focus

    QTest::newRow("Alt, then Return") << "" << "+Alt -Alt Return" << false << "About";
    QTest::newRow("Alt, then Space") << "" << "+Alt -Alt Space" << false << "About";
    QTest::newRow("F10, then Return") << "" << "F10 Return" << false << "About";
    QTest::newRow("Alt+A") << "" << "+Alt A -Alt" << false << "About";
    QTest::newRow("F10, then A") << "" << "F10 A" << false << "About";
    QTest::newRow("Alt alone: the menu bar") << "" << "+Alt -Alt" << false << "Mn_About";
    QTest::newRow("F10 alone: the menu bar") << "" << "F10" << false << "Mn_About";
    QTest::newRow("Alt again: back to the bar") << "" << "+Alt -Alt +Alt -Alt" << false << "HScroll_M";
    QTest::newRow("Alt, then Escape: back to the bar") << "" << "+Alt -Alt Escape" << false << "HScroll_M";
    QTest::newRow("Alt with another key: no menu") << "" << "+Alt Left -Alt Return" << false << "HScroll_M";
    QTest::newRow("A alone: not the menu") << "" << "A" << false << "HScroll_M";
    // The reader answers after the key is let go: Qt's menu bar would see Alt twice and leave at once.
    QTest::newRow("reader late: Alt, then Return") << "" << "+Alt -Alt ! Return !" << true << "About";
    QTest::newRow("reader late: Alt alone") << "" << "+Alt -Alt !" << true << "Mn_About";
    QTest::newRow("reader at once: Alt, then Return") << "" << "+Alt ! -Alt ! Return !" << true << "About";
    QTest::newRow("reader late: F10, then Return") << "" << "F10 ! Return !" << true << "About";
    QTest::newRow("reader late: Alt+A") << "" << "+Alt A -Alt !" << true << "About";
    QTest::newRow("reader late: Alt, then Escape") << "" << "+Alt -Alt ! Escape !" << true << "HScroll_M";
    // Each language's caption brings its own mnemonic.
    QTest::newRow("de: Alt+B") << "de" << "+Alt B -Alt" << false << "About";
    QTest::newRow("de: Alt+A is no mnemonic") << "de" << "+Alt A -Alt" << false << "HScroll_M";
    QTest::newRow("fr: Alt+P") << "fr" << "+Alt P -Alt" << false << "About";
    QTest::newRow("es: Alt+A, with a reader") << "es" << "+Alt A -Alt !" << true << "About";
}

// The keys as a desktop has them reach About from the M scroll bar, and leave the focus where they should.
void AboutWindowTest::aboutByKeys()
{
    QFETCH(QString, language);
    QFETCH(QString, keys);
    QFETCH(bool, reader);
    QFETCH(QString, ends);
    conwave::Translations translations;
    QVERIFY(translations.install(language));
    m_window = std::make_unique<conwave::MainWindow>(); // its caption in the language
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QWidget *bar = m_window->findChild<QScrollBar *>(QStringLiteral("HScroll_M"));
    bar->setFocus();
    QCOMPARE(QApplication::focusWidget(), bar);

    // The keys come through the window, as from the platform, each after the shortcut check.
    QWindow *window = m_window->windowHandle();
    std::unique_ptr<ReaderHold> hold = reader ? std::make_unique<ReaderHold>() : nullptr;
    conwave::test::typeKeys(
        keys,
        [window](const conwave::test::TypedKey &k) {
            QTest::simulateEvent(window, k.press, k.key, k.modifiers, k.text, k.autoRepeat);
        },
        [&hold](const QString &) {
            if (hold)
                hold->answer();
        });
    hold.reset();

    QCOMPARE(aboutWindows().size(), ends == QStringLiteral("About") ? 1 : 0);
    QMenuBar *menu = m_window->menuBar();
    if (ends == QStringLiteral("Mn_About")) {
        QCOMPARE(QApplication::focusWidget(), menu);
        QVERIFY(menu->activeAction() != nullptr);
        QCOMPARE(menu->activeAction()->objectName(), ends);
    } else if (ends != QStringLiteral("About")) {
        QCOMPARE(QApplication::focusWidget()->objectName(), ends);
        QVERIFY(menu->activeAction() == nullptr);
    }
}

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
