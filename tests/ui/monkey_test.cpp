// Form1 under a monkey: thousands of random user actions on the real window, offscreen, each one checked.
//   - The program never ends and reports no run-time error.
//   - After START or a scroll-bar change the state is what the texts call for, read here independently wherever
//     the test knows what it typed; texts the restart refuses leave the state as it was, with one warning that
//     sends the user to the text to correct.
//   - After every tick, whether called or fired by Timer1, the picture holds exactly the frame the model's tick
//     draws from the state before it.
//   - The bars stand where clicks, drags and keys put them, and the texts are what was typed or written.
//   - Memory and the window's objects do not grow between the warm-up and the end.
// Warnings are answered as a user answers them: a mouse button held when one opens is let go while reading it.
//
// Seed: a new one for every run (std::random_device), printed at the start and in every failure message, so that
// the runs of CI keep exploring. CONWAVE_MONKEY_SEED=<number> replays a run; CONWAVE_MONKEY_ACTIONS=<number> sets
// how many actions it makes (10000 by default). Every random choice is taken from the raw output of
// std::mt19937_64, never through a standard distribution, whose results differ between standard libraries: a seed
// replays the same actions wherever it runs.
#include "drawing_surface.h"
#include "main_window.h"
#include "message_box_closer.h"
#include "widget_probes.h"
#include "runtime_services.h"
#include "wave_state.h"
#include "wave_tick.h"

#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define CONWAVE_MONKEY_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CONWAVE_MONKEY_ASAN 1
#endif
#endif

using conwave::WaveState;
using conwave::test::aboutWindows;
using conwave::test::MessageBoxCloser;
using conwave::test::scrollPart;
using conwave::test::showActive;
using conwave::test::sendMouse;
using conwave::test::repeating;

namespace {

constexpr int kDefaultActions = 10000;
constexpr qsizetype kPasteChars = qsizetype{1} << 20; // a pasted megabyte of text
constexpr double kSoundSpeed = 340.0;                 // [m/s]
constexpr double kTick = 0.04;                        // clock advance per tick [s]
constexpr int kMostWaves = 50;                        // wavefronts that have a slot

// The largest coordinate the tick hands to the surface: from half a unit in the last place above the largest
// float on, single precision rounds to infinity.
constexpr double kSingleOverflow = 0x1.ffffffp127;

// What the memory may grow by between the end of the warm-up and the end of the run [KiB]. The window's live data
// is small and bounded: one frame of at most 51 circles, three texts of at most 32767 characters with their undo
// records, one About window at a time. What remains is the allocator's own keeping: a freed megabyte paste
// (2 MiB of UTF-16, and its copy on the clipboard) may stay mapped as a hole in the heap, the font caches take the
// glyphs of new characters. 8 MiB holds a few such holes, but not a leaked megabyte every few pastes, an About
// window per opening or a message box per refusal, which a run of 10,000 actions makes by the dozen or hundred.
constexpr long kRssGrowthKiB = 8 * 1024;

// The three parameter rows as the user meets them, with their bars' settings: what the test expects of them.
struct Row {
    const char *text, *bar;
    int minimum, maximum, smallChange, largeChange;
    int divisor; // the text shows the bar's value divided by this
};

constexpr std::array<Row, 3> kRows{{
    {"Text_M", "HScroll_M", 0, 30, 1, 5, 10},
    {"Text_nWave", "HScroll_nWave", 1, 30, 1, 1, 1},
    {"Text_tMax", "HScroll_tMax", 1, 4, 1, 1, 1},
}};
constexpr int kRowM = 0;
constexpr int kRowNWave = 1;
constexpr int kRowTMax = 2;

// The text a bar's change writes, worked out here by hand: 12 on HScroll_M is "1.2", 30 is "3", 4 is "4".
QString barText(int row, int value)
{
    if (kRows[row].divisor == 1 || value % 10 == 0)
        return QString::number(value / kRows[row].divisor);
    return QStringLiteral("%1.%2").arg(value / 10).arg(value % 10);
}

// What a text box's text should read as, when the test knows it without asking the program.
struct Intent {
    enum Kind { Unknown, Value, TooLarge } kind = Unknown;
    double value = 0.0;
};

constexpr Intent reads(double value) { return {Intent::Value, value}; }
constexpr Intent tooLarge() { return {Intent::TooLarge, 0.0}; }

// Garbage with what the reading makes of it: the number at the start, 0 when there is none.
constexpr std::array<std::pair<const char *, Intent>, 24> kGarbage{{
    {"abc", reads(0)},      {"many", reads(0)}, {"2.5x", reads(2.5)}, {"1,5", reads(1)}, {".5", reads(0.5)},
    {"5.", reads(5)},       {"1e", reads(1)},   {"e5", reads(0)},     {"--1", reads(0)}, {"+-2", reads(0)},
    {"..5", reads(0)},      {"0x10", reads(0)}, {"inf", reads(0)},    {"nan", reads(0)}, {"-", reads(0)},
    {"+", reads(0)},        {".", reads(0)},    {"+3", reads(3)},     {"3-", reads(3)},  {"1.2.3", reads(1.2)},
    {"12abc34", reads(12)}, {"$4", reads(0)},   {"4 5", reads(4)},    {"-0", reads(0)},
}};

// Digits and signs beyond ASCII count as no number; only ASCII digits, ".", "+", "-" and "e" make one.
constexpr std::array<std::pair<const char16_t *, Intent>, 16> kUnicode{{
    {u"\uFF13", reads(0)},             // fullwidth three
    {u"\u0663", reads(0)},             // Arabic-Indic three
    {u"\u22122", reads(0)},            // minus sign, then 2
    {u"\u00BD", reads(0)},             // one half
    {u"\U0001F30A", reads(0)},         // a water wave, a surrogate pair
    {u"2\U0001F30A", reads(2)},        // 2, then the wave
    {u"\u4E09", reads(0)},             // the CJK numeral three
    {u"1\u00A05", reads(1)},           // a no-break space inside
    {u"\u00A03", reads(0)},            // a no-break space is no blank
    {u"\u0661\u066B\u0665", reads(0)}, // Arabic-Indic 1.5
    {u"\u00E9", reads(0)},             // e acute
    {u"2\u00E9", reads(2)},            // 2, then e acute
    {u"\u200F3", reads(0)},            // right-to-left mark, then 3
    {u"4\u0301", reads(4)},            // 4 with a combining acute accent
    {u"\U0001D7D9", reads(0)},         // mathematical bold digit one, a surrogate pair
    {u"M\u00E4ch", reads(0)},          // a word with an umlaut
}};

// At the edges of a double: beyond it the restart must refuse; below its smallest value the reading is 0.
constexpr std::array<std::pair<const char *, Intent>, 8> kHuge{{
    {"1e400", tooLarge()},   {"-9e999", tooLarge()},        {"1.8e308", tooLarge()}, {"2e308", tooLarge()},
    {"1e308", reads(1e308)}, {"-1.5e308", reads(-1.5e308)}, {"1e-400", reads(0)},    {"9e-999", reads(0)},
}};

// The standard library's reading of a plain number ("-2.5", "1.5E+1", ".5"); unknown for anything else.
Intent referenceReading(const std::string &plain)
{
    double value = 0.0;
    const char *end = plain.data() + plain.size();
    const auto [stop, error] = std::from_chars(plain.data(), end, value, std::chars_format::general);
    if (error != std::errc{} || stop != end || (value != 0.0 && !std::isnormal(value)))
        return {};
    return reads(value);
}

// One text the monkey types, with what it should read as and whether a careful user would have typed it.
struct Entry {
    QString text;
    Intent intent;
    bool bad = true; // anything but a plain number within the limits the restart takes
};

// The parameters a restart sets, without the clock and the wavefront slots that every tick moves.
struct Parameters {
    double M = 0.0, nWave = 0.0, tMax = 0.0, dtWave = 0.0, uSource = 0.0;
};

// What a restart must do with the texts of the moment.
struct Verdict {
    enum Kind { Accept, Refuse, Either } kind = Accept;
    int blamed = -1; // the row a refusal sends the user back to; -1: Text_M or Text_tMax
    Parameters expected;
    QString why;
};

// Random choices from the raw output of the engine.
class Dice {
public:
    explicit Dice(std::uint64_t seed)
        : m_engine(seed)
    {
    }

    std::uint64_t below(std::uint64_t n) { return m_engine() % n; } // biased by n / 2^64 at most: nothing
    int between(int low, int high) { return low + static_cast<int>(below(static_cast<std::uint64_t>(high - low + 1))); }
    bool chance(int perThousand) { return below(1000) < static_cast<std::uint64_t>(perThousand); }

    template <typename T, std::size_t N>
    const T &pick(const std::array<T, N> &items)
    {
        return items[below(N)];
    }

private:
    std::mt19937_64 m_engine;
};

// A megabyte of text to paste, and what a text box that keeps its first `room` characters reads from it.
std::pair<QString, Intent> megabyte(Dice &dice, qsizetype room)
{
    QString text;
    text.reserve(kPasteChars);
    Intent intent;
    switch (dice.below(6)) {
    case 0: // a number with a megabyte of digits
        text += QChar(u'1' + dice.between(0, 8));
        while (text.size() < kPasteChars)
            text += QChar(u'0' + dice.between(0, 9));
        intent = tooLarge();
        break;
    case 1: // a number, then a megabyte of letters
        text += QStringLiteral("2.5");
        while (text.size() < kPasteChars)
            text += QChar(u'a' + dice.between(0, 25));
        intent = reads(2.5);
        break;
    case 2: // a list of lines
        while (text.size() < kPasteChars)
            text += QStringLiteral("4\n");
        intent = reads(4);
        break;
    case 3: { // letters and signs of many scripts, surrogate pairs among them
        static const std::array<const char16_t *, 8> pieces{u"\u00E9", u"\u4E09", u"\U0001F30A", u"\u0663",
                                                            u"x",      u"\u2212", u"\u00A0",     u"\u05D0"};
        while (text.size() < kPasteChars)
            text += QString::fromUtf16(dice.pick(pieces));
        text.truncate(kPasteChars);
        intent = reads(0);
        break;
    }
    case 4: // a megabyte of blanks, then a number
        text.fill(QLatin1Char(' '), kPasteChars - 1);
        text += QLatin1Char('3');
        intent = reads(text.size() <= room ? 3 : 0);
        break;
    default: // a negative number with a megabyte of digits
        text += QLatin1Char('-');
        while (text.size() < kPasteChars)
            text += QChar(u'9');
        intent = tooLarge();
        break;
    }
    return {text, intent};
}

QString stepName(QAbstractSlider::SliderAction action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return QStringLiteral("its small step right");
    case QAbstractSlider::SliderSingleStepSub: return QStringLiteral("its small step left");
    case QAbstractSlider::SliderPageStepAdd: return QStringLiteral("its large step right");
    case QAbstractSlider::SliderPageStepSub: return QStringLiteral("its large step left");
    default: return QStringLiteral("action %1").arg(action);
    }
}

// Types a text one character at a time, as a keyboard or an input method delivers it: printable ASCII with its
// key, anything else (one code point, a surrogate pair included) as text of an unknown key.
void typeText(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString unit = text.mid(i, length);
        const char16_t c = unit.at(0).unicode();
        const int key = c >= 0x20 && c < 0x7f ? QChar(c).toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, unit);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, unit);
        QApplication::sendEvent(widget, &release);
        i += length;
    }
}

// The resident set of the process [KiB], after the allocator has handed back the pages it holds free: so that
// what is measured is what the program keeps, not what the allocator caches.
long residentKiB()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

std::uint64_t seedOfRun(bool &replayed)
{
    const QByteArray given = qgetenv("CONWAVE_MONKEY_SEED");
    replayed = !given.isEmpty();
    if (replayed)
        return given.toULongLong();
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device() ^ static_cast<std::uint64_t>(std::time(nullptr));
}

int actionsOfRun()
{
    bool ok = false;
    const int given = qEnvironmentVariableIntValue("CONWAVE_MONKEY_ACTIONS", &ok);
    return ok && given > 0 ? given : kDefaultActions;
}

QString shown(const QString &text)
{
    QString brief = text.size() > 40 ? text.left(40) + QStringLiteral("...(%1 chars)").arg(text.size()) : text;
    return QLatin1Char('"') + brief.replace(QLatin1Char('\n'), QStringLiteral("\\n")) + QLatin1Char('"');
}

QString number(double value) { return QString::fromStdString(conwave::shortestText(value)); }

// The offscreen platform warns each time a window asks it for what it has no use for (raising a window, size
// hints for a window manager); a run opens hundreds of boxes and windows, so those lines go, the rest is kept.
QtMessageHandler g_nextHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    g_nextHandler(type, context, message);
}

} // namespace

#define MONKEY_CHECK(condition, message)                                                                             \
    do {                                                                                                             \
        if (!(condition)) {                                                                                          \
            fail(message);                                                                                           \
            return;                                                                                                  \
        }                                                                                                            \
    } while (false)

class MonkeyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void randomUserActions();

private:
    template <typename T>
    T *control(const char *name) const { return conwave::test::control<T>(m_window.get(), name); }
    QLineEdit *edit(int row) const { return control<QLineEdit>(kRows[row].text); }
    QScrollBar *bar(int row) const { return control<QScrollBar>(kRows[row].bar); }
    conwave::DrawingSurface *picture() const { return control<conwave::DrawingSurface>("Picture1"); }
    QTimer *timer1() const { return control<QTimer>("Timer1"); }
    const WaveState &state() const { return m_window->waveState(); }

    // A kind of thing the monkey does, with its weight in a thousand actions.
    struct Action {
        const char *name;
        int weight;
        void (MonkeyTest::*run)();
    };
    static const std::array<Action, 16> kActions;

    void fail(const QString &what);
    const Action &randomAction();

    void tick();
    void ticks();
    void idle();
    void type();
    void paste();
    void editKeys();
    void enterInBox();
    void clickStart();
    void spaceStart();
    void arrowClick() { barClick(false); }
    void pageClick() { barClick(true); }
    void thumbDrag();
    void scrollKey();
    void clickOther();
    void openAbout();
    void closeAbout();

    Entry entryFor(int row);
    Entry plainNumber(int row);
    void scrollTo(int row, int value, bool expectChange);
    void barClick(bool page);
    void clickBarPart(QScrollBar *scroll, QPoint at);
    void checkTick(const WaveState &before);
    void checkCycle(const WaveState &accepted);
    std::optional<Verdict> judge();
    void settle(bool restartRuns);
    void checkAccepted(const Verdict &verdict);
    void checkRefused(const Verdict &verdict, std::size_t boxes);
    QString textsNow() const;
    void checkControls();
    void measure(long &rss, int &objects);
    void summarise(int warmUp, long rssAfterWarmUp, long rssAtEnd) const;

    std::uint64_t m_seed = 0;
    bool m_replayed = false;
    int m_actions = 0;
    std::unique_ptr<Dice> m_dice;

    std::unique_ptr<conwave::MainWindow> m_window;
    std::unique_ptr<MessageBoxCloser> m_closer;
    WaveState m_shadow; // the state as the test expects it, ticked alongside the window
    std::array<QString, 3> m_texts;  // what each text box should hold
    std::array<Intent, 3> m_intents; // what each text should read as, when known
    std::array<int, 3> m_values{};   // where each bar should stand
    std::size_t m_boxesBefore = 0;
    std::optional<QPoint> m_heldAt; // where the left button is held down on the main window
    int m_endStatus = -1;
    QString m_doing;
    QString m_failure;
    int m_index = 0;

    int m_ticks = 0;
    int m_timerTicks = 0;
    int m_badInputs = 0;
    int m_refusals = 0;
    int m_cautiousRefusals = 0;
    int m_accepted = 0;
    int m_pastes = 0;
    int m_aboutOpened = 0;
};

const std::array<MonkeyTest::Action, 16> MonkeyTest::kActions{{
    {"tick", 200, &MonkeyTest::tick},               // Timer1's handler, called as the timer would
    {"ticks", 40, &MonkeyTest::ticks},              // a run of ticks: through a whole clock cycle now and then
    {"idle", 50, &MonkeyTest::idle},                // the event loop runs what is due: Timer1 fires, the window paints
    {"type", 200, &MonkeyTest::type},               // a text typed into a text box, over its text or at the cursor
    {"paste", 3, &MonkeyTest::paste},               // a megabyte pasted into a text box
    {"edit keys", 27, &MonkeyTest::editKeys},       // Backspace, Delete and cursor keys in a text box
    {"enter in box", 10, &MonkeyTest::enterInBox},  // Return or Enter in a text box: START is no default button
    {"click START", 80, &MonkeyTest::clickStart},   // a click on START
    {"space START", 20, &MonkeyTest::spaceStart},   // Space on the focused START button
    {"arrow click", 90, &MonkeyTest::arrowClick},   // a click on an arrow of a scroll bar
    {"page click", 70, &MonkeyTest::pageClick},     // a click on the track beside a scroll bar's thumb
    {"thumb drag", 50, &MonkeyTest::thumbDrag},     // press on the thumb, move, release
    {"scroll key", 80, &MonkeyTest::scrollKey},     // arrows, Page Up/Down, Home, End on a focused scroll bar
    {"click other", 50, &MonkeyTest::clickOther},   // a click or double click where nothing starts
    {"open About", 15, &MonkeyTest::openAbout},     // the About menu item
    {"close About", 15, &MonkeyTest::closeAbout},   // the About window's close
}};

void MonkeyTest::initTestCase()
{
    g_nextHandler = qInstallMessageHandler(quietOffscreen);
    m_seed = seedOfRun(m_replayed);
    m_actions = std::max(actionsOfRun(), static_cast<int>(kActions.size()));
    qInfo("monkey seed %llu (%s), %d actions; replay with CONWAVE_MONKEY_SEED=%llu", //
          static_cast<unsigned long long>(m_seed), m_replayed ? "given" : "new for this run", m_actions,
          static_cast<unsigned long long>(m_seed));
}

void MonkeyTest::init()
{
    m_dice = std::make_unique<Dice>(m_seed);
    m_endStatus = -1;
    m_failure.clear();
    m_window = std::make_unique<conwave::MainWindow>();
    m_window->setProgramEnd([this](int status) {
        m_endStatus = status;
        fail(QStringLiteral("the program ended with status %1").arg(status));
    });
    QVERIFY(showActive(m_window.get()));

    m_closer = std::make_unique<MessageBoxCloser>([this](QMessageBox *box) {
        int open = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            open += qobject_cast<QMessageBox *>(top) != nullptr && top->isVisible() ? 1 : 0;
        if (open != 1)
            fail(QStringLiteral("%1 message boxes open at once").arg(open));
        if (box->icon() != QMessageBox::Warning || box->windowTitle() != QStringLiteral("Conwave"))
            fail(QStringLiteral("a box other than the refusal warning: \"%1\": %2")
                     .arg(box->windowTitle(), box->text()));
        // The user lets go of a button held since before the box opened while reading it.
        if (m_heldAt) {
            QTest::mouseRelease(m_window->windowHandle(), Qt::LeftButton, {}, *m_heldAt);
            m_heldAt.reset();
        }
    });
    // Connected after the window's own handler, so this runs after every tick that Timer1 drives.
    connect(timer1(), &QTimer::timeout, this, [this] {
        ++m_ticks;
        ++m_timerTicks;
        checkTick(m_shadow);
        m_shadow = state();
    });

    for (int row = 0; row < 3; ++row) {
        m_values[row] = bar(row)->value();
        m_texts[row] = edit(row)->text();
        m_intents[row] = reads(std::array{0.0, 4.0, 1.0}[row]);
    }
    m_shadow = state();
}

void MonkeyTest::cleanup()
{
    m_closer.reset();
    m_window.reset();
    for (QWidget *about : aboutWindows())
        delete about;
}

// Only the first failure counts: later ones follow from it.
void MonkeyTest::fail(const QString &what)
{
    if (!m_failure.isEmpty())
        return;
    m_failure = QStringLiteral("%1\n  at action %2 of %3 (%4), seed %5: replay with CONWAVE_MONKEY_SEED=%5")
                    .arg(what).arg(m_index + 1).arg(m_actions).arg(m_doing).arg(m_seed);
}

// Every kind once, then random kinds: even a short run tries everything, and the warm-up has met every kind.
void MonkeyTest::randomUserActions()
{
    const int warmUp = std::max(static_cast<int>(kActions.size()), m_actions / 5);
    long rssAfterWarmUp = 0;
    int objectsAfterWarmUp = 0;
    for (m_index = 0; m_index < m_actions; ++m_index) {
        const Action &action = m_index < static_cast<int>(kActions.size()) ? kActions[m_index] : randomAction();
        m_doing = QString::fromLatin1(action.name);
        m_boxesBefore = m_closer->seen().size();
        (this->*action.run)();
        if (!m_failure.isEmpty()) {
            summarise(-1, -1, -1);
            QFAIL(qPrintable(m_failure));
        }
        if (m_index + 1 == warmUp)
            measure(rssAfterWarmUp, objectsAfterWarmUp);
    }
    m_doing = QStringLiteral("the end of the run");
    long rssAtEnd = 0;
    int objectsAtEnd = 0;
    measure(rssAtEnd, objectsAtEnd);

    summarise(warmUp, rssAfterWarmUp, rssAtEnd);

    QVERIFY2(m_failure.isEmpty(), qPrintable(m_failure));
    QCOMPARE(m_endStatus, -1);
    QVERIFY(m_window->isVisible());
    QVERIFY(timer1()->isActive());
    // A run of the default length meets every outcome many times over; a short one may miss a refusal.
    QVERIFY2(m_accepted > 0 && m_ticks > 0 && (m_refusals > 0 || m_actions < kDefaultActions),
             qPrintable(QStringLiteral("the run met too little, seed %1").arg(m_seed)));
    // The window's own objects: no message box, menu, timer or child is left behind by the actions.
    QVERIFY2(objectsAtEnd <= objectsAfterWarmUp,
             qPrintable(QStringLiteral("the main window has %1 objects at the end, %2 after the warm-up; seed %3")
                            .arg(objectsAtEnd).arg(objectsAfterWarmUp).arg(m_seed)));
#if defined(CONWAVE_MONKEY_ASAN)
    // AddressSanitizer holds freed memory in quarantine, so the resident set grows by design; its leak checker
    // looks at the end instead.
    qInfo("memory growth not checked: AddressSanitizer keeps freed memory in quarantine");
#else
    QVERIFY2(rssAtEnd - rssAfterWarmUp <= kRssGrowthKiB,
             qPrintable(QStringLiteral("VmRSS grew from %1 KiB to %2 KiB; seed %3")
                            .arg(rssAfterWarmUp).arg(rssAtEnd).arg(m_seed)));
#endif
}

// The counts of the run; the memory figures only when it got to the end.
void MonkeyTest::summarise(int warmUp, long rssAfterWarmUp, long rssAtEnd) const
{
    const QString memory = warmUp < 0 ? QStringLiteral("memory not measured")
                                      : QStringLiteral("VmRSS %1 KiB after %2 warm-up actions, %3 KiB at the end")
                                            .arg(rssAfterWarmUp).arg(warmUp).arg(rssAtEnd);
    qInfo("monkey summary: seed %llu, %d actions, %d bad inputs tried, %d refusals (%d of them cautious), "
          "%d accepted restarts, %d ticks (%d by Timer1), %d megabyte pastes, %d About windows; %s",
          static_cast<unsigned long long>(m_seed), std::min(m_index + 1, m_actions), m_badInputs, m_refusals,
          m_cautiousRefusals, m_accepted, m_ticks, m_timerTicks, m_pastes, m_aboutOpened, qPrintable(memory));
}

const MonkeyTest::Action &MonkeyTest::randomAction()
{
    int roll = static_cast<int>(m_dice->below(1000));
    for (const Action &action : kActions) {
        if (roll < action.weight)
            return action;
        roll -= action.weight;
    }
    return kActions.front();
}

// ---- ticks -----------------------------------------------------------------------------------------------------

// The picture holds exactly the frame that the model's tick draws from the state the window had before, and the
// window's state moved exactly as the model's does: same arithmetic, so equal to the last bit.
void MonkeyTest::checkTick(const WaveState &before)
{
    WaveState expected = before;
    conwave::RecordingSink sink;
    try {
        conwave::tick(expected, sink);
    } catch (const conwave::RuntimeError &error) {
        fail(QStringLiteral("a tick raised a run-time error: %1").arg(QString::fromUtf8(error.what())));
        return;
    }
    const conwave::WaveFrame &onScreen = picture()->frame();
    MONKEY_CHECK(onScreen == sink.frame(),
                 QStringLiteral("the picture holds %1 circles, the tick drew %2 (or they differ) at tNow %3")
                     .arg(onScreen.size()).arg(sink.frame().size()).arg(number(expected.tNow)));
    MONKEY_CHECK(state() == expected, QStringLiteral("after a tick the window's state is not the model's: tNow %1, "
                                                     "expected %2")
                                          .arg(number(state().tNow), number(expected.tNow)));
}

void MonkeyTest::tick()
{
    MONKEY_CHECK(state() == m_shadow, QStringLiteral("the state changed between actions"));
    const std::time_t before = std::time(nullptr);
    m_window->tickTimer();
    const std::time_t after = std::time(nullptr);
    ++m_ticks;
    checkTick(m_shadow);
    m_shadow = state();
    const QString clock = control<QLabel>("Label5")->text();
    MONKEY_CHECK(clock == QString::fromLocal8Bit(conwave::clockText(before)) ||
                     clock == QString::fromLocal8Bit(conwave::clockText(after)),
                 QStringLiteral("the clock shows %1").arg(clock));
    settle(false);
}

// Up to a few whole clock cycles of the default span (25 ticks for tMax 4 / nWave 4).
void MonkeyTest::ticks()
{
    const int count = m_dice->between(2, 120);
    m_doing += QStringLiteral(" x%1").arg(count);
    for (int i = 0; i < count && m_failure.isEmpty(); ++i)
        tick();
}

// What the event loop does between two user actions: due timers (Timer1 among them), painting, deferred deletes.
void MonkeyTest::idle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle(false);
}

// ---- texts -----------------------------------------------------------------------------------------------------

// What a careful user types: a value the restart takes as it stands.
Entry MonkeyTest::plainNumber(int row)
{
    switch (row) {
    case kRowM: {
        const int tenths = m_dice->between(0, 30);
        return {barText(kRowM, tenths), reads(tenths / 10.0), false};
    }
    case kRowNWave: {
        const int waves = m_dice->between(1, kMostWaves);
        return {QString::number(waves), reads(waves), false};
    }
    default: { // 0.1 to 9.9 s, with one decimal as HScroll_M writes its tenths
        const int tenths = m_dice->between(1, 99);
        const QString text = barText(kRowM, tenths);
        return {text, referenceReading(text.toStdString()), false};
    }
    }
}

Entry MonkeyTest::entryFor(int row)
{
    switch (m_dice->below(12)) {
    case 0:
    case 1:
    case 2:
    case 3: return plainNumber(row);
    case 4: { // integers around the limits: negative, 0, more than 50
        const int value = m_dice->between(-60, 120);
        const int most = row == kRowM ? 3 : row == kRowNWave ? kMostWaves : 9;
        return {QString::number(value), reads(value), value < (row == kRowM ? 0 : 1) || value > most};
    }
    case 5: { // fractions, negative ones too
        const QString text = QStringLiteral("%1%2.%3")
                                 .arg(m_dice->chance(300) ? QStringLiteral("-") : QString())
                                 .arg(m_dice->between(0, 60))
                                 .arg(m_dice->between(0, 999999));
        return {text, referenceReading(text.toStdString()), true};
    }
    case 6: { // exponents, from 2e0 to the edge of single and double precision
        static const std::array<int, 12> exponents{0, 0, 1, -1, 2, -2, 30, 36, 37, 38, 39, 307};
        const QString text = QStringLiteral("%1%2.%3%4%5")
                                 .arg(m_dice->chance(200) ? QStringLiteral("-") : QString())
                                 .arg(m_dice->between(1, 9))
                                 .arg(m_dice->between(0, 99))
                                 .arg(m_dice->chance(500) ? QStringLiteral("e") : QStringLiteral("E+"))
                                 .arg(m_dice->pick(exponents));
        return {text, referenceReading(text.toStdString()), true};
    }
    case 7: { // huge and tiny, and long runs of digits
        if (m_dice->chance(500)) {
            const auto &[text, intent] = m_dice->pick(kHuge);
            return {QString::fromLatin1(text), intent, true};
        }
        const int digits = m_dice->between(20, 420);
        QString text = QString::number(m_dice->between(1, 9));
        for (int i = 1; i < digits; ++i)
            text += QChar(u'0' + m_dice->between(0, 9));
        return {text, digits > 309 ? tooLarge() : referenceReading(text.toStdString()), true};
    }
    case 8: { // garbage, known and random
        if (m_dice->chance(600)) {
            const auto &[text, intent] = m_dice->pick(kGarbage);
            return {QString::fromLatin1(text), intent, true};
        }
        QString text;
        const int length = m_dice->between(1, 16);
        for (int i = 0; i < length; ++i)
            text += QChar(static_cast<char16_t>(m_dice->between(0x20, 0x7e)));
        return {text, {}, true};
    }
    case 9: return {QString(), reads(0), true};
    case 10: { // blanks around a number, or nothing but blanks
        const Entry inner = plainNumber(row);
        const QString before(m_dice->between(0, 3), QLatin1Char(' '));
        const QString after(m_dice->between(0, 3), QLatin1Char(' '));
        if (m_dice->chance(250))
            return {before + after + QLatin1Char(' '), reads(0), true};
        return {before + inner.text + after, inner.intent, true};
    }
    default: {
        const auto &[text, intent] = m_dice->pick(kUnicode);
        return {QString::fromUtf16(text), intent, true};
    }
    }
}

// Into a random text box: select everything and type over it, or type at the cursor, wherever the last click or
// key left it.
void MonkeyTest::type()
{
    const int row = static_cast<int>(m_dice->below(kRows.size()));
    QLineEdit *box = edit(row);
    const Entry entry = entryFor(row);
    m_badInputs += entry.bad ? 1 : 0;
    const bool replace = m_dice->chance(700);
    m_doing += QStringLiteral(" %1 into %2 %3").arg(shown(entry.text), QLatin1String(kRows[row].text),
                                                    replace ? QStringLiteral("over its text")
                                                            : QStringLiteral("at the cursor"));
    box->setFocus(Qt::MouseFocusReason);
    if (replace) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(m_dice->between(1, box->width() - 2), box->height() / 2));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        m_texts[row] = entry.text.left(box->maxLength());
        m_intents[row] = entry.text.size() <= box->maxLength() ? entry.intent : Intent{};
    } else if (!entry.text.isEmpty()) { // the first character typed replaces a selection
        QString text = m_texts[row];
        const qsizetype selected = box->selectedText().size();
        const qsizetype at = selected > 0 ? box->selectionStart() : box->cursorPosition();
        text.remove(at, selected);
        text.insert(at, entry.text.left(box->maxLength() - text.size()));
        m_texts[row] = text;
        m_intents[row] = {};
    }
    typeText(box, entry.text);
    if (replace && entry.text.isEmpty())
        QTest::keyClick(box, m_dice->chance(500) ? Qt::Key_Delete : Qt::Key_Backspace);
    settle(false);
}

// A megabyte on the clipboard, pasted over a text box's text: the box keeps what fits, the rest is gone.
void MonkeyTest::paste()
{
    const int row = static_cast<int>(m_dice->below(kRows.size()));
    QLineEdit *box = edit(row);
    const qsizetype room = box->maxLength();
    const auto [text, intent] = megabyte(*m_dice, room);
    ++m_badInputs;
    ++m_pastes;
    m_doing += QStringLiteral(" %1 into %2").arg(shown(text), QLatin1String(kRows[row].text));
    QGuiApplication::clipboard()->setText(text);
    box->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() / 2));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QGuiApplication::clipboard()->clear();
    m_texts[row] = text.left(room);
    m_intents[row] = intent;
    settle(false);
}

// Keys that delete and move: the text can only get shorter.
void MonkeyTest::editKeys()
{
    static const std::array<Qt::Key, 6> keys{Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,
                                             Qt::Key_End,       Qt::Key_Left,   Qt::Key_Right};
    const int row = static_cast<int>(m_dice->below(kRows.size()));
    QLineEdit *box = edit(row);
    box->setFocus(Qt::TabFocusReason);
    const int count = m_dice->between(1, 6);
    for (int i = 0; i < count; ++i)
        QTest::keyClick(box, m_dice->pick(keys));
    m_doing += QStringLiteral(" x%1 in %2").arg(count).arg(QLatin1String(kRows[row].text));
    const QString now = box->text();
    MONKEY_CHECK(now.size() <= m_texts[row].size(),
                 QStringLiteral("%1 grew from %2 to %3")
                     .arg(QLatin1String(kRows[row].text), shown(m_texts[row]), shown(now)));
    if (now != m_texts[row])
        m_intents[row] = {};
    m_texts[row] = now;
    settle(false);
}

void MonkeyTest::enterInBox()
{
    const int row = static_cast<int>(m_dice->below(kRows.size()));
    edit(row)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit(row), m_dice->chance(500) ? Qt::Key_Return : Qt::Key_Enter);
    settle(false);
}

// ---- START and the scroll bars ---------------------------------------------------------------------------------

void MonkeyTest::clickStart()
{
    auto *start = control<QPushButton>("Command1");
    QTest::mouseClick(start, Qt::LeftButton, {},
                      QPoint(m_dice->between(2, start->width() - 3), m_dice->between(2, start->height() - 3)));
    settle(true);
}

void MonkeyTest::spaceStart()
{
    auto *start = control<QPushButton>("Command1");
    start->setFocus(Qt::TabFocusReason);
    QTest::keyClick(start, Qt::Key_Space);
    settle(true);
}

// A bar that moved writes its text and restarts; a bar already at its end does nothing.
void MonkeyTest::scrollTo(int row, int value, bool expectChange)
{
    m_doing += QStringLiteral(" on %1: %2 to %3").arg(QLatin1String(kRows[row].bar)).arg(m_values[row]).arg(value);
    const bool changed = value != m_values[row];
    MONKEY_CHECK(!expectChange || changed, QStringLiteral("the test chose an action that cannot move the bar"));
    if (changed) {
        m_values[row] = value;
        m_texts[row] = barText(row, value);
        m_intents[row] = reads(static_cast<double>(value) / kRows[row].divisor);
    }
    settle(changed);
}

// A press and a release. An arrow or the track acts at the press; when the texts are refused, the warning opens
// while the button is held, and the user lets go of it while reading (see the closer in init()). That release
// comes through the window system, as a desktop delivers it, to the main window that the box blocks. Otherwise
// the release goes straight to the bar: the window system's way would run the event loop between two checks.
void MonkeyTest::clickBarPart(QScrollBar *scroll, QPoint at)
{
    m_heldAt = scroll->mapTo(m_window.get(), at);
    sendMouse(scroll, QEvent::MouseButtonPress, at, Qt::LeftButton);
    if (m_heldAt) {
        sendMouse(scroll, QEvent::MouseButtonRelease, at, Qt::NoButton);
        m_heldAt.reset();
        return;
    }
    MONKEY_CHECK(repeating(scroll) == QAbstractSlider::SliderNoAction,
                 QStringLiteral("the press on %1 was refused with a warning, and the button was released while the "
                                "warning showed; the bar still repeats %2: from the next turn of the event loop on "
                                "it moves by itself, rewrites its text and restarts (or warns again) at every step "
                                "until it reaches its end")
                     .arg(scroll->objectName(), stepName(repeating(scroll))));
}

// A click on an arrow (one small change) or on the track beside the thumb (one large change); a thumb at an end
// leaves only the track on its other side.
void MonkeyTest::barClick(bool page)
{
    const int row = static_cast<int>(m_dice->below(kRows.size()));
    QScrollBar *scroll = bar(row);
    bool add = m_dice->chance(500);
    const auto part = [&] {
        return page ? (add ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage)
                    : (add ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
    };
    QRect area = scrollPart(scroll, part());
    if (page && area.isEmpty()) {
        add = !add;
        area = scrollPart(scroll, part());
    }
    const QString partName = page ? QStringLiteral("track") : QStringLiteral("arrow");
    MONKEY_CHECK(!area.isEmpty(), QStringLiteral("%1 has no %2").arg(QLatin1String(kRows[row].bar), partName));
    const QPoint at(m_dice->between(area.left(), area.right()), m_dice->between(area.top(), area.bottom()));
    m_doing += QStringLiteral(" %1%2").arg(add ? QStringLiteral("right") : QStringLiteral("left"),
                                           page ? QStringLiteral(" of the thumb") : QString());
    clickBarPart(scroll, at);
    const Row &r = kRows[row];
    const int step = page ? r.largeChange : r.smallChange;
    scrollTo(row, std::clamp(m_values[row] + (add ? step : -step), r.minimum, r.maximum), page);
}

// While the thumb moves nothing happens; the release is one change, or none when it lands where it started.
void MonkeyTest::thumbDrag()
{
    const int row = static_cast<int>(m_dice->below(kRows.size()));
    QScrollBar *scroll = bar(row);
    const QRect thumb = scrollPart(scroll, QStyle::SC_ScrollBarSlider);
    const QRect groove = scrollPart(scroll, QStyle::SC_ScrollBarGroove);
    MONKEY_CHECK(thumb.isValid() && groove.isValid(), QStringLiteral("no thumb"));
    QSignalSpy changes(scroll, &QScrollBar::valueChanged);
    QPoint at(m_dice->between(thumb.left(), thumb.right()), thumb.center().y());
    sendMouse(scroll, QEvent::MouseButtonPress, at, Qt::LeftButton);
    const int moves = m_dice->between(1, 8);
    for (int i = 0; i < moves; ++i) {
        at = QPoint(m_dice->between(groove.left() - 40, groove.right() + 40),
                    thumb.center().y() + m_dice->between(-6, 6));
        sendMouse(scroll, QEvent::MouseMove, at, Qt::LeftButton);
        MONKEY_CHECK(changes.isEmpty() && edit(row)->text() == m_texts[row] && state() == m_shadow,
                     QStringLiteral("a moving thumb changed something before its release"));
    }
    sendMouse(scroll, QEvent::MouseButtonRelease, at, Qt::NoButton);
    const int value = scroll->value();
    MONKEY_CHECK(value >= kRows[row].minimum && value <= kRows[row].maximum && scroll->sliderPosition() == value,
                 QStringLiteral("the released thumb stands at %1, the value is %2")
                     .arg(scroll->sliderPosition()).arg(value));
    MONKEY_CHECK(changes.size() == (value != m_values[row] ? 1 : 0),
                 QStringLiteral("one drag made %1 changes").arg(changes.size()));
    m_doing += QStringLiteral(" with %1 moves").arg(moves);
    scrollTo(row, value, false);
}

void MonkeyTest::scrollKey()
{
    static const std::array<Qt::Key, 8> keys{Qt::Key_Left,     Qt::Key_Right, Qt::Key_Up,   Qt::Key_Down,
                                             Qt::Key_PageUp,   Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const int row = static_cast<int>(m_dice->below(kRows.size()));
    const Qt::Key key = m_dice->pick(keys);
    QScrollBar *scroll = bar(row);
    scroll->setFocus(Qt::TabFocusReason);
    m_doing += QStringLiteral(" %1").arg(QKeySequence(key).toString());
    QTest::keyClick(scroll, key);
    const Row &r = kRows[row];
    int value = m_values[row];
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up: value -= r.smallChange; break;
    case Qt::Key_Right:
    case Qt::Key_Down: value += r.smallChange; break;
    case Qt::Key_PageUp: value -= r.largeChange; break;
    case Qt::Key_PageDown: value += r.largeChange; break;
    case Qt::Key_Home: value = r.minimum; break;
    default: value = r.maximum; break;
    }
    scrollTo(row, std::clamp(value, r.minimum, r.maximum), false);
}

// Controls that start nothing: the picture, the frame, the labels, a text box (which only moves its cursor or
// selects a word).
void MonkeyTest::clickOther()
{
    static const std::array<const char *, 10> names{"Picture1", "Frame2",   "Label1",     "Label2",    "Label3",
                                                    "Label5",   "Text_M", "Text_nWave", "Text_tMax", "Picture1"};
    const char *name = m_dice->pick(names);
    auto *widget = control<QWidget>(name);
    const QPoint at(m_dice->between(0, widget->width() - 1), m_dice->between(0, widget->height() - 1));
    const bool twice = m_dice->chance(250);
    m_doing += QStringLiteral(" %1 %2").arg(twice ? QStringLiteral("double on") : QStringLiteral("on"),
                                            QLatin1String(name));
    if (twice)
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    settle(false);
}

// ---- About -----------------------------------------------------------------------------------------------------

// The menu item clicked on the menu bar: one About window, whether it was open before or not.
void MonkeyTest::openAbout()
{
    QMenuBar *menu = m_window->menuBar();
    auto *item = m_window->findChild<QAction *>(QStringLiteral("Mn_About"));
    MONKEY_CHECK(item != nullptr, QStringLiteral("no Mn_About"));
    const bool wasOpen = !aboutWindows().isEmpty();
    QSignalSpy chosen(item, &QAction::triggered);
    const QPoint at = menu->actionGeometry(item).center();
    QTest::mouseClick(menu, Qt::LeftButton, {}, at);
    MONKEY_CHECK(chosen.size() == 1, QStringLiteral("a click on the About item did not choose it"));
    const QList<QWidget *> open = aboutWindows();
    MONKEY_CHECK(open.size() == 1 && open.front()->isVisible(),
                 QStringLiteral("%1 About windows after choosing About").arg(open.size()));
    m_aboutOpened += wasOpen ? 0 : 1;
    settle(false);
}

void MonkeyTest::closeAbout()
{
    const QList<QWidget *> open = aboutWindows();
    if (open.isEmpty()) {
        m_doing = QStringLiteral("open About (none to close)");
        openAbout();
        return;
    }
    open.front()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MONKEY_CHECK(aboutWindows().isEmpty(), QStringLiteral("the About window stays after closing"));
    settle(false);
}

// ---- what every action must leave ------------------------------------------------------------------------------

// The independent reading of the restart's rules, from the texts of the moment. Refused: a text too large for a
// double, nWave reading as 0 or above 50, tMax / nWave or M * aSound beyond a double, and circles of a clock cycle
// beyond single precision. For the last, the largest circle of a cycle is worked out here from the clock's
// extremes; the program may refuse with some room to spare (it allows a whole tick and emission interval), but
// must refuse above the limit and must accept what fits with that room.
std::optional<Verdict> MonkeyTest::judge()
{
    std::array<double, 3> value{};
    for (int row = 0; row < 3; ++row) {
        const QString text = edit(row)->text();
        std::optional<double> read;
        try {
            read = conwave::textToNumber(text.toStdString());
        } catch (const conwave::RuntimeError &) {
        }
        const Intent &intent = m_intents[row];
        const bool agrees = intent.kind == Intent::Unknown || (intent.kind == Intent::TooLarge && !read) ||
                            (intent.kind == Intent::Value && read && *read == intent.value);
        if (!agrees) {
            fail(QStringLiteral("%1 holds %2, which should read as %3 but reads as %4")
                     .arg(QLatin1String(kRows[row].text), shown(text),
                          intent.kind == Intent::TooLarge ? QStringLiteral("too large") : number(intent.value),
                          read ? number(*read) : QStringLiteral("too large")));
            return std::nullopt;
        }
        if (!read)
            return Verdict{Verdict::Refuse, row, {}, QStringLiteral("a text too large for a double")};
        value[row] = *read;
    }
    const double M = value[kRowM];
    const double n = value[kRowNWave];
    const double t = value[kRowTMax];
    if (n == 0.0)
        return Verdict{Verdict::Refuse, kRowNWave, {}, QStringLiteral("nWave reads as 0")};
    if (n >= kMostWaves + 1)
        return Verdict{Verdict::Refuse, kRowNWave, {}, QStringLiteral("more than 50 wavefronts")};
    const double dt = t / n;
    if (!std::isfinite(dt))
        return Verdict{Verdict::Refuse, kRowNWave, {}, QStringLiteral("tMax / nWave beyond a double")};
    const double u = M * kSoundSpeed;
    if (!std::isfinite(u))
        return Verdict{Verdict::Refuse, kRowM, {}, QStringLiteral("M * aSound beyond a double")};
    const Parameters expected{M, n, t, dt, u};
    const double waves = n >= 1.0 ? std::floor(n) : 0.0;
    if (waves == 0.0)
        return Verdict{Verdict::Accept, -1, expected, QStringLiteral("no wavefront to draw")};

    // The clock is drawn at 0.04 and on up to the first value above dtWave; wavefront i is (i - 1) dtWave older.
    // Centre and radius are the age times uSource and aSound.
    const double speed = std::max(kSoundSpeed, std::fabs(u));
    const double latest = std::max(kTick, dt);
    const double oldest = (waves - 1.0) * dt;
    const double age = std::max({kTick, latest, std::fabs(kTick + oldest), std::fabs(latest + oldest)});
    const double largest = speed * age;
    const double withRoom = speed * (kTick + waves * std::fabs(dt));
    if (largest > kSingleOverflow * (1.0 + 1e-12))
        return Verdict{Verdict::Refuse, -1, expected,
                       QStringLiteral("a circle of %1 m, beyond single precision").arg(number(largest))};
    if (withRoom <= static_cast<double>(std::numeric_limits<float>::max()) * (1.0 - 1e-5))
        return Verdict{Verdict::Accept, -1, expected, QStringLiteral("circles up to %1 m").arg(number(largest))};
    return Verdict{Verdict::Either, -1, expected,
                   QStringLiteral("circles up to %1 m, %2 m with room to spare")
                       .arg(number(largest), number(withRoom))};
}

// After an accepted restart a whole clock cycle ticks without a run-time error, when it is short enough to try.
void MonkeyTest::checkCycle(const WaveState &accepted)
{
    if (!(accepted.dtWave < 4000 * kTick))
        return;
    WaveState copy = accepted;
    conwave::RecordingSink sink;
    try {
        do
            conwave::tick(copy, sink);
        while (copy.tNow != 0.0);
    } catch (const conwave::RuntimeError &error) {
        fail(QStringLiteral("an accepted restart leads to a run-time error within its clock cycle: %1")
                 .arg(QString::fromUtf8(error.what())));
    }
}

void MonkeyTest::checkControls()
{
    for (int row = 0; row < 3; ++row) {
        MONKEY_CHECK(bar(row)->value() == m_values[row],
                     QStringLiteral("%1 stands at %2, expected %3")
                         .arg(QLatin1String(kRows[row].bar)).arg(bar(row)->value()).arg(m_values[row]));
        // A bar that still repeats its step with no button held moves by itself at the next turn of the event
        // loop, again and again: one click would run it to its end, with a restart at every step.
        MONKEY_CHECK(repeating(bar(row)) == QAbstractSlider::SliderNoAction,
                     QStringLiteral("%1 goes on repeating %2 with no button held")
                         .arg(QLatin1String(kRows[row].bar), stepName(repeating(bar(row)))));
        MONKEY_CHECK(edit(row)->text() == m_texts[row],
                     QStringLiteral("%1 holds %2, expected %3")
                         .arg(QLatin1String(kRows[row].text), shown(edit(row)->text()), shown(m_texts[row])));
    }
    MONKEY_CHECK(m_endStatus == -1, QStringLiteral("the program ended"));
    MONKEY_CHECK(timer1()->isActive(), QStringLiteral("Timer1 stopped"));
    MONKEY_CHECK(m_window->isVisible(), QStringLiteral("the main window closed"));
    MONKEY_CHECK(state().aSound == kSoundSpeed, QStringLiteral("aSound is %1").arg(number(state().aSound)));
    for (QWidget *top : QApplication::topLevelWidgets())
        MONKEY_CHECK(qobject_cast<QMessageBox *>(top) == nullptr || !top->isVisible(),
                     QStringLiteral("a message box is still open"));
    MONKEY_CHECK(aboutWindows().size() <= 1, QStringLiteral("%1 About windows").arg(aboutWindows().size()));
}

QString MonkeyTest::textsNow() const
{
    return QStringLiteral("texts %1, %2, %3").arg(shown(m_texts[0]), shown(m_texts[1]), shown(m_texts[2]));
}

// The parameters as the verdict computed them, the clock at 0, the wavefront slots untouched.
void MonkeyTest::checkAccepted(const Verdict &verdict)
{
    const QString texts = textsNow();
    MONKEY_CHECK(verdict.kind != Verdict::Refuse,
                 QStringLiteral("accepted %1 though they must be refused: %2").arg(texts, verdict.why));
    const WaveState &now = state();
    const Parameters &p = verdict.expected;
    MONKEY_CHECK(now.M == p.M && now.nWave == p.nWave && now.tMax == p.tMax && now.dtWave == p.dtWave &&
                     now.uSource == p.uSource && now.tNow == 0.0,
                 QStringLiteral("after accepting %1 the state is M %2, nWave %3, tMax %4, dtWave %5, uSource %6, "
                                "tNow %7; expected %8, %9, %10, %11, %12, 0")
                     .arg(texts, number(now.M), number(now.nWave), number(now.tMax), number(now.dtWave),
                          number(now.uSource), number(now.tNow), number(p.M), number(p.nWave))
                     .arg(number(p.tMax), number(p.dtWave), number(p.uSource)));
    MONKEY_CHECK(now.rWave == m_shadow.rWave && now.xWave == m_shadow.xWave,
                 QStringLiteral("the restart touched the wavefront slots"));
    checkCycle(now);
    ++m_accepted;
}

// One warning, the state as it was, and the focus on the text the user is asked to correct.
void MonkeyTest::checkRefused(const Verdict &verdict, std::size_t boxes)
{
    const QString texts = textsNow();
    MONKEY_CHECK(boxes == 1, QStringLiteral("%1 warnings for one restart").arg(boxes));
    MONKEY_CHECK(verdict.kind != Verdict::Accept,
                 QStringLiteral("refused %1 (\"%2\") though they must be accepted: %3")
                     .arg(texts, m_closer->seen().back().text, verdict.why));
    MONKEY_CHECK(state() == m_shadow, QStringLiteral("the refusal of %1 changed the state").arg(texts));
    QWidget *focus = m_window->focusWidget();
    const bool named = verdict.blamed >= 0 ? focus == edit(verdict.blamed)
                                           : focus == edit(kRowM) || focus == edit(kRowTMax);
    MONKEY_CHECK(named, QStringLiteral("the refusal of %1 (%2) sent the user to %3")
                            .arg(texts, verdict.why, focus ? focus->objectName() : QStringLiteral("nothing")));
    ++m_refusals;
    m_cautiousRefusals += verdict.kind == Verdict::Either ? 1 : 0;
}

// After an action: the controls as the test expects them and, when the action ran the restart, the state the
// texts call for, or the previous state and one warning when the texts were refused.
void MonkeyTest::settle(bool restartRuns)
{
    checkControls();
    if (!m_failure.isEmpty())
        return;
    const std::size_t boxes = m_closer->seen().size() - m_boxesBefore;
    if (!restartRuns) {
        MONKEY_CHECK(boxes == 0, QStringLiteral("a message box without a restart"));
        MONKEY_CHECK(state() == m_shadow, QStringLiteral("the state changed without a restart"));
        return;
    }
    const std::optional<Verdict> verdict = judge();
    if (!verdict)
        return;
    if (boxes == 0)
        checkAccepted(*verdict);
    else
        checkRefused(*verdict, boxes);
    m_shadow = state();
}

// The event loop catches up first, so that what is closed is gone, then the allocator hands back its free pages.
void MonkeyTest::measure(long &rss, int &objects)
{
    m_boxesBefore = m_closer->seen().size();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle(false);
    rss = residentKiB();
    objects = static_cast<int>(m_window->findChildren<QObject *>().size());
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
