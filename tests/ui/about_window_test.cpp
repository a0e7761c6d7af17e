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

using conwave::test::aboutWindows;

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
    QWidget *chooseAbout() { m_window->findChild<QAction *>(QStringLiteral("Mn_About"))->trigger(); return about(); }
    static QWidget *about(); // the one About window, or none

    std::unique_ptr<conwave::MainWindow> m_window;
};

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

    QVERIFY(chooseAbout() != nullptr);
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
    QWidget *window = chooseAbout();
    QVERIFY(window != nullptr);
    auto *label = window->findChild<QLabel *>(name);
    QVERIFY(label != nullptr);
    const QFontMetrics metrics(label->font());
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect needed = metrics.boundingRect(label->contentsRect(), flags, label->text());
    QVERIFY2(label->contentsRect().contains(needed),
             qPrintable(QStringLiteral("%1 needs %2 x %3 px").arg(label->text()).arg(needed.width())
                            .arg(needed.height())));
}

void AboutWindowTest::windowItself()
{
    QWidget *window = chooseAbout();
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
    QWidget *window = chooseAbout(); // returns at once: there is no modal loop to leave
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
    QWidget *first = chooseAbout();
    QVERIFY(first != nullptr);
    QCOMPARE(chooseAbout(), first);
    QCOMPARE(aboutWindows().size(), 1);
    QVERIFY(first->isVisible());
}

void AboutWindowTest::madeAnewAfterClose()
{
    QPointer<QWidget> first = chooseAbout();
    QVERIFY(first);
    first->close();
    QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 2000); // closing removes it
    QCOMPARE(aboutWindows().size(), 0);

    QWidget *second = chooseAbout();
    QVERIFY(second != nullptr);
    QVERIFY(second->isVisible());
    QCOMPARE(second->findChild<QLabel *>(QStringLiteral("Label7"))->text(),
             QStringLiteral("Developed by the Conwave team"));
}

void AboutWindowTest::closingMainLeavesAboutOpen()
{
    QWidget *window = chooseAbout();
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
    QTest::addColumn<QString>("keys");  // typed at the window, from the M scroll bar
    QTest::addColumn<bool>("reader");   // a screen reader holds each key until "!"
    QTest::addColumn<bool>("about");    // About opens
    QTest::addColumn<QString>("focus"); // the window's focus at the end; on the menu bar, its active item

    QTest::newRow("Alt, then Return") << "" << "+Alt -Alt Return" << false << true << "HScroll_M";
    QTest::newRow("Alt, then Space") << "" << "+Alt -Alt Space" << false << true << "HScroll_M";
    QTest::newRow("F10, then Return") << "" << "F10 Return" << false << true << "HScroll_M";
    QTest::newRow("Alt+A") << "" << "+Alt A -Alt" << false << true << "HScroll_M";
    QTest::newRow("F10, then Alt+A: the bar keeps the focus") << "" << "F10 +Alt A -Alt" << false << true
                                                              << "HScroll_M";
    QTest::newRow("Alt alone: the menu bar") << "" << "+Alt -Alt" << false << false << "Mn_About";
    QTest::newRow("F10 alone: the menu bar") << "" << "F10" << false << false << "Mn_About";
    QTest::newRow("Alt again: back to the bar") << "" << "+Alt -Alt +Alt -Alt" << false << false << "HScroll_M";
    QTest::newRow("Alt, then Escape: back") << "" << "+Alt -Alt Escape" << false << false << "HScroll_M";
    QTest::newRow("Alt with another key: no menu") << "" << "+Alt Left -Alt Return" << false << false
                                                   << "HScroll_M";
    // The reader answers after the key is let go: Qt's own menu bar would see Alt twice and let go at once.
    QTest::newRow("reader: Alt, then Return") << "" << "+Alt -Alt ! Return !" << true << true << "HScroll_M";
    QTest::newRow("reader: Alt alone") << "" << "+Alt -Alt !" << true << false << "Mn_About";
    QTest::newRow("reader: F10, then Return") << "" << "F10 ! Return !" << true << true << "HScroll_M";
    QTest::newRow("reader: Alt+A") << "" << "+Alt A -Alt !" << true << true << "HScroll_M";
    QTest::newRow("de: Alt+B, the mnemonic of its caption") << "de" << "+Alt B -Alt" << false << true
                                                            << "HScroll_M";
}

void AboutWindowTest::aboutByKeys()
{
    QFETCH(QString, language);
    QFETCH(QString, keys);
    QFETCH(bool, reader);
    QFETCH(bool, about);
    QFETCH(QString, focus);
    conwave::Translations translations;
    QVERIFY(translations.install(language));
    m_window = std::make_unique<conwave::MainWindow>(); // its caption in the language
    QVERIFY(conwave::test::showActive(m_window.get()));
    m_window->findChild<QScrollBar *>(QStringLiteral("HScroll_M"))->setFocus();

    std::unique_ptr<ReaderHold> hold = reader ? std::make_unique<ReaderHold>() : nullptr;
    conwave::test::typeKeys(m_window->windowHandle(), keys, [&hold](const QString &) { hold->answer(); });
    hold.reset();

    QCOMPARE(aboutWindows().size(), about ? 1 : 0);
    QWidget *focused = m_window->focusWidget();
    QAction *active = m_window->menuBar()->activeAction();
    QCOMPARE(focused == m_window->menuBar() && active ? active->objectName() : focused->objectName(), focus);
    QCOMPARE(active != nullptr, focus == QStringLiteral("Mn_About"));
}

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
