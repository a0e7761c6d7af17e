// conwave-frames: runs the wave model without a window and writes its frames as CSV or SVG, pictures for paper, the
// page, the batch's answers or a fly-over heard from the ground. kModes says which options choose each mode and which
// others it takes; kRules says, in the order a reader should mend them, why a command line fits no mode.
#include "batch/batch.h"
#include "frames/frame_csv.h"
#include "frames/frame_svg.h"
#include "listener.h"
#include "page/frame_html.h"
#include "print/print_flyover.h"
#include "print/print_frame.h"
#include "runtime_services.h"
#include "shared/tool_words.h"
#include "wave_state.h"
#include "wave_tick.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace conwave;

constexpr long long kDefaultSvgTick = 1; // the frame --svg draws unless --ticks names another

constexpr std::string_view kUsage =
    "Usage: conwave-frames [--ticks N] [M_TEXT NWAVE_TEXT TMAX_TEXT]\n"
    "       conwave-frames --svg [--ticks N] M_TEXT NWAVE_TEXT TMAX_TEXT\n"
    "       conwave-frames --svg --print [--worksheet] [--ticks N] M_TEXT NWAVE_TEXT TMAX_TEXT\n"
    "       conwave-frames [--ticks N] CSV_FORM... [M_TEXT NWAVE_TEXT TMAX_TEXT]\n"
    "       conwave-frames --html [--lang LANGUAGE] [M_TEXT NWAVE_TEXT TMAX_TEXT]\n"
    "       conwave-frames --batch [--lang LANGUAGE] [--listener H [--span S]] < LINES\n"
    "       conwave-frames --listener H [--span S] [--digits N] [--decimal-comma] M_TEXT NWAVE_TEXT TMAX_TEXT\n"
    "       conwave-frames --svg --print [--worksheet] --listener H [--span S] M_TEXT NWAVE_TEXT TMAX_TEXT\n"
    "\n"
    "Runs the wave animation without a window. The three texts are read exactly as if typed into the\n"
    "window's M, nWave and tMax boxes and START pressed; without them the program is as at start-up,\n"
    "before any START.\n"
    "\n"
    "CSV (the default): the circles of N ticks (default %1), one row per circle,\n"
    "  tick,tNow,wave,x,y,radius,colour\n"
    "wavefronts 1..n, then the source marker as wave 0.\n"
    "--svg: one SVG picture of the frame of tick N (default 1), as the window draws it, with the\n"
    "parameters in a caption below.\n"
    "--html: one self-contained HTML page that plays the animation in a browser, with pause, single\n"
    "steps, the view from the ground and boxes for M, nWave and tMax, in the language the environment\n"
    "asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), as the window speaks it; --lang en, de, fr or es\n"
    "chooses one.\n"
    "--batch: for each line of standard input, a JSON array of the three texts [\"1.5\", \"4\", \"1\"], one\n"
    "line out, tab-separated: \"refused\", the field and the message; or \"drawn\", the parameters, the\n"
    "sentence and the circles of the first tick (x and radius, 17 digits, \";\" between circles). The\n"
    "texts are read and the words written as in the page of that language. With --listener: \"heard\",\n"
    "the boom's time (or \"none\") and every front heard, \"front tEmitted xEmitted tArrives frequency\";\n"
    "without --span, each line's own default span.\n"
    "--svg --print: the same frame drawn for paper, at most 170 mm wide and to a stated scale, in black\n"
    "on white: the source, the air's speed, a scale bar, the Mach lines and angle, and a caption.\n"
    "--worksheet: the same picture without the answers (no Mach lines, arc or angle, no line at\n"
    "Mach 1, no sentence naming the regime) for students to find; plain --print is the key.\n"
    "--listener H: a fly-over heard from the ground. The source flies at M x 340 m/s at a height of H\n"
    "metres (0 or more) straight over a listener, passing overhead at t = 0 (the source flies to the left\n"
    "for M > 0), and sends out a wavefront every tMax / nWave seconds. CSV, one row per wavefront sent\n"
    "within S seconds of the pass (--span; by default 10, or above Mach 1 as many whole seconds as it\n"
    "takes to hold the boom's front), in the order the listener hears them:\n"
    "  front,tEmitted,xEmitted,tArrives,heardFrequency\n"
    "Above Mach 1 the boom has a row of its own, \"boom\" in the front column, when its front was sent\n"
    "within the span: when and where that front was sent and when the boom arrives, in its place in the\n"
    "order heard (first). heardFrequency is empty where dtA/dtE is 0 (the Mach cone's own front: the\n"
    "boom's row and a front sent at that moment) or undefined (a moving source sent the front from the\n"
    "listener's own position, at H = 0). With --svg --print: the fly-over for paper, at the instant the\n"
    "boom reaches the listener (below Mach 1: the source overhead), with the fronts sent from long enough\n"
    "before that some reach the listener up to the source (or those of --span); above Mach 1 the key\n"
    "marks the Mach angle, the distance flown since the pass and the front that carries the boom.\n"
    "\n"
    "CSV_FORM, for spreadsheets (without them the CSV stays exact, as scripts read it):\n"
    "  --digits N       every number rounded to N significant digits (1 to 15)\n"
    "  --no-source      wavefront rows only, without the source marker's rows (wave 0)\n"
    "  --age            a last column, age: seconds since each wavefront was emitted\n"
    "  --decimal-comma  cells separated by \";\" and decimal commas (0,04), for spreadsheets that use them\n"
    "\n"
    "Exit status: 0 done, 1 run-time error, 2 parameters refused, 64 bad usage.\n";

// What a command line gives, one bit each: an option, the three texts, and --ticks 0, which --svg does not take.
enum Given : unsigned {
    kSvg = 1u << 0,
    kPrint = 1u << 1,
    kWorksheet = 1u << 2,
    kHtml = 1u << 3,
    kBatch = 1u << 4,
    kListener = 1u << 5,
    kSpan = 1u << 6,
    kLang = 1u << 7,
    kTicks = 1u << 8,
    kDigits = 1u << 9,
    kNoSource = 1u << 10,
    kAge = 1u << 11,
    kDecimalComma = 1u << 12,
    kTexts = 1u << 13,
    kTickZero = 1u << 14,
    kAllGiven = (1u << 15) - 1,
};
constexpr unsigned kCsvForms = kDigits | kNoSource | kAge | kDecimalComma;

struct Arguments {
    unsigned given = 0;
    double height = 0.0;  // --listener: the listener's distance below the flight [m]
    double span = 0.0;    // --span: fronts sent within this time of the pass overhead [s]
    std::string language; // --lang
    long long digits = 0; // --digits
    long long ticks = 0;  // --ticks
    std::vector<std::string_view> texts;

    bool has(unsigned bits) const { return (given & bits) != 0; }
    std::optional<double> givenSpan() const { return has(kSpan) ? std::optional(span) : std::nullopt; }
    CsvForm csvForm() const { return {static_cast<int>(digits), !has(kNoSource), has(kAge), has(kDecimalComma)}; }
    PrintAnswers answers() const { return has(kWorksheet) ? PrintAnswers::LeftOut : PrintAnswers::Shown; }
};

// A plain decimal number, the whole text of it, finite: "1000", "2.5e3".
bool readMeasure(std::string_view text, double &value)
{
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && ptr == text.data() + text.size() && std::isfinite(value);
}

// A whole number of 0 or more, the whole text of it.
bool readCount(std::string_view text, long long &value)
{
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && ptr == text.data() + text.size() && value >= 0;
}

// Every option: its bit, and for one that takes a value, how the value is read (false: not a value it takes) and
// what the reader is told when the value is wrong or, where that differs, missing.
struct Option {
    std::string_view name;
    Given bit;
    bool (*read)(Arguments &, std::string_view value) = nullptr;
    std::string_view why = {};
    std::string_view whyMissing = {};
};

constexpr Option kOptions[] = {
    {"--svg", kSvg},
    {"--print", kPrint},
    {"--worksheet", kWorksheet},
    {"--html", kHtml},
    {"--batch", kBatch},
    {"--no-source", kNoSource},
    {"--age", kAge},
    {"--decimal-comma", kDecimalComma},
    {"--listener", kListener,
     [](Arguments &a, std::string_view v) { return readMeasure(v, a.height) && a.height >= 0.0; },
     "--listener needs the listener's distance below the flight in metres, 0 or more"},
    {"--span", kSpan, [](Arguments &a, std::string_view v) { return readMeasure(v, a.span) && a.span > 0.0; },
     "--span needs a number of seconds above 0"},
    {"--lang", kLang, [](Arguments &a, std::string_view v) { return spokenLanguage(a.language = v); },
     "--lang needs one of en, de, fr, es"},
    {"--digits", kDigits,
     [](Arguments &a, std::string_view v) { return readCount(v, a.digits) && a.digits >= 1 && a.digits <= 15; },
     "--digits needs a whole number from 1 to 15"},
    {"--ticks", kTicks, [](Arguments &a, std::string_view v) { return readCount(v, a.ticks); },
     "--ticks needs a whole number of 0 or more", "--ticks needs a number"},
};

struct Run;
using Runner = int (*)(const Arguments &, const Run &);
int writeCsv(const Arguments &, const Run &);
int writeSvg(const Arguments &, const Run &);
int writePrint(const Arguments &, const Run &);
int writeFlyOverCsv(const Arguments &, const Run &);
int writeFlyOverPrint(const Arguments &, const Run &);
int writePage(const Arguments &, const Run &);
int answerBatch(const Arguments &, const Run &);

// The modes: the first whose choosing options are all given runs, with the texts when it needs them and any of
// the options it takes besides; the page and the batch speak the reader's language.
struct Mode {
    unsigned chosenBy;
    unsigned needs;
    unsigned takes;
    bool readersLanguage;
    Runner run;

    constexpr bool fits(unsigned given) const
    {
        return (given & (chosenBy | needs)) == (chosenBy | needs) && (given & ~(chosenBy | needs | takes)) == 0;
    }
};

constexpr Mode kModes[] = {
    // chosen by                needs   takes besides                             reader's language  runner
    {kBatch | kListener,        0,      kLang | kSpan,                            true,              answerBatch},
    {kBatch,                    0,      kLang,                                    true,              answerBatch},
    {kHtml,                     0,      kLang | kTexts,                           true,              writePage},
    {kListener | kSvg | kPrint, kTexts, kSpan | kWorksheet,                       false,             writeFlyOverPrint},
    {kListener,                 kTexts, kSpan | kDigits | kDecimalComma,          false,             writeFlyOverCsv},
    {kSvg | kPrint,             kTexts, kTicks | kWorksheet,                      false,             writePrint},
    {kSvg,                      kTexts, kTicks,                                   false,             writeSvg},
    {0,                         0,      kTexts | kTicks | kTickZero | kCsvForms,  false,             writeCsv},
};

constexpr const Mode &modeOf(unsigned given)
{
    return *std::find_if(std::begin(kModes), std::end(kModes),
                         [given](const Mode &mode) { return (given & mode.chosenBy) == mode.chosenBy; });
}

// Why a command line fits no mode, in the order a reader should mend it: a rule about the options `about`, when they
// are all given, is broken where none of `needsOneOf` is given (if it names any) or any of `refuses` is.
struct Rule {
    unsigned about;
    unsigned needsOneOf;
    unsigned refuses;
    std::string_view why;

    constexpr bool brokenBy(unsigned given) const
    {
        return (given & about) == about && ((needsOneOf != 0 && (given & needsOneOf) == 0) || (given & refuses) != 0);
    }
};

constexpr std::string_view kListenerTakes = "--listener needs the three texts, and takes only --span, --digits, "
                                           "--decimal-comma, or --svg --print [--worksheet]";

constexpr Rule kRules[] = {
    {kSvg, kTexts, 0, "--svg needs the three texts M_TEXT NWAVE_TEXT TMAX_TEXT"},
    {kHtml, 0, kSvg | kTicks | kCsvForms,
     "--html takes neither --svg, --ticks nor a CSV form: the page plays every tick"},
    {kLang, kHtml | kBatch, 0, "--lang goes with --html or --batch"},
    {kBatch, 0, kHtml | kSvg | kTicks | kCsvForms | kTexts,
     "--batch reads its texts from standard input and takes no other option but --lang and --listener"},
    {kSpan, kListener, 0, "--span goes with --listener"},
    {kListener, kTexts | kBatch, kHtml | kTicks | kNoSource | kAge, kListenerTakes},
    {kListener | kSvg, kPrint, 0, kListenerTakes},
    {kPrint, kSvg, 0, "--print goes with --svg"},
    {kWorksheet, kPrint, 0, "--worksheet goes with --svg --print"},
    {kSvg, 0, kCsvForms, "--digits, --no-source, --age and --decimal-comma are for the CSV, not --svg"},
    {kSvg, 0, kTickZero, "--svg draws the frame of tick 1 or later"},
};

constexpr const Rule *brokenRule(unsigned given)
{
    const auto rule = std::find_if(std::begin(kRules), std::end(kRules),
                                   [given](const Rule &r) { return r.brokenBy(given); });
    return rule == std::end(kRules) ? nullptr : rule;
}

// The two tables say the same: every command line that breaks no rule fits the mode it chooses, and one that
// breaks a rule fits none.
constexpr bool rulesMatchModes()
{
    for (unsigned given = 0; given <= kAllGiven; ++given) {
        const bool possible = (given & kTickZero) == 0 || (given & kTicks) != 0; // --ticks 0 gives --ticks
        if (possible && modeOf(given).fits(given) == (brokenRule(given) != nullptr))
            return false;
    }
    return true;
}
static_assert(rulesMatchModes());

struct UsageError {
    std::string why;
};

// Options first, each read as kOptions says; "-1" is a negative Mach number, not an option, and "--" ends the
// options. Throws UsageError for a command line that fits no mode.
Arguments readArguments(int argc, char **argv)
{
    Arguments arguments;
    bool optionsEnded = false;
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (optionsEnded || !arg.starts_with("--")) {
            arguments.texts.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const auto option = std::find_if(std::begin(kOptions), std::end(kOptions),
                                         [arg](const Option &o) { return o.name == arg; });
        if (option == std::end(kOptions))
            throw UsageError{"unknown option " + std::string(arg)};
        if (option->read != nullptr && k + 1 >= argc)
            throw UsageError{std::string(option->whyMissing.empty() ? option->why : option->whyMissing)};
        if (option->read != nullptr && !option->read(arguments, argv[++k]))
            throw UsageError{std::string(option->why)};
        arguments.given |= option->bit;
    }
    if (!arguments.texts.empty() && arguments.texts.size() != 3)
        throw UsageError{"give all three texts M_TEXT NWAVE_TEXT TMAX_TEXT, or none"};
    if (arguments.texts.size() == 3)
        arguments.given |= kTexts;
    if (arguments.has(kTicks) && arguments.ticks == 0)
        arguments.given |= kTickZero;
    if (const Rule *rule = brokenRule(arguments.given))
        throw UsageError{std::string(rule->why)};
    return arguments;
}

// What every runner is given besides the arguments: the language it speaks, its wording, and the state the restart
// made of the three texts (as at start-up without them).
struct Run {
    std::string language;
    Wording wording;
    WaveState state;
};

void write(const std::string &text) { std::fwrite(text.data(), 1, text.size(), stdout); }

int flushed() { return std::fflush(stdout) == 0 ? 0 : kExitRuntimeError; }

// The CSV's ticks by default: one clock cycle of the window started with its start-up texts.
long long startUpCycleTicks()
{
    WaveState state;
    initialise(state);
    restart(state, kStartUpTexts[0], kStartUpTexts[1], kStartUpTexts[2]);
    RecordingSink sink;
    long long ticks = 0;
    do {
        tick(state, sink);
        ++ticks;
    } while (state.tNow != 0.0);
    return ticks;
}

std::string usage() { return fillWords(kUsage, {std::to_string(startUpCycleTicks())}); }

// The run-time error that ended the ticks, and at which.
struct TickError {
    long long tick;
    std::string what;
};

// Ticks a copy of the state from tick 1 to `last`, handing each frame on; a run-time error ends them.
using EachFrame = std::function<void(long long n, double drawnAt, const WaveState &, const WaveFrame &)>;
std::optional<TickError> tickFrames(WaveState state, long long last, const EachFrame &each)
{
    RecordingSink sink;
    for (long long n = 1; n <= last; ++n) {
        double drawnAt = 0.0;
        try {
            drawnAt = tick(state, sink);
        } catch (const RuntimeError &error) {
            return TickError{n, error.what()};
        }
        each(n, drawnAt, state, sink.frame());
    }
    return std::nullopt;
}

int reported(const TickError &error)
{
    std::cerr << "conwave-frames: run-time error at tick " << error.tick << ": " << error.what << '\n';
    return kExitRuntimeError;
}

// The rows of N ticks, written as they grow: after a run-time error, those before it.
int writeCsv(const Arguments &arguments, const Run &run)
{
    const CsvForm form = arguments.csvForm();
    std::string out = csvHeader(form);
    const long long last = arguments.has(kTicks) ? arguments.ticks : startUpCycleTicks();
    const std::optional<TickError> error =
        tickFrames(run.state, last, [&](long long n, double drawnAt, const WaveState &state, const WaveFrame &frame) {
            appendCsv(out, form, n, drawnAt, state.dtWave, frame);
            if (out.size() > (1u << 16)) {
                write(out);
                out.clear();
            }
        });
    write(out);
    return error ? reported(*error) : flushed();
}

// The frame of tick N as one picture.
using DrawFrame = std::function<std::string(const WaveState &, double drawnAt, const WaveFrame &)>;
int writePicture(const Arguments &arguments, const Run &run, const DrawFrame &draw)
{
    const long long last = arguments.has(kTicks) ? arguments.ticks : kDefaultSvgTick;
    std::string picture;
    const std::optional<TickError> error =
        tickFrames(run.state, last, [&](long long n, double drawnAt, const WaveState &state, const WaveFrame &frame) {
            if (n == last)
                picture = draw(state, drawnAt, frame);
        });
    if (error)
        return reported(*error);
    write(picture);
    return flushed();
}

int writeSvg(const Arguments &arguments, const Run &run) { return writePicture(arguments, run, frameSvg); }

int writePrint(const Arguments &arguments, const Run &run)
{
    return writePicture(arguments, run, [&arguments](const WaveState &state, double drawnAt, const WaveFrame &frame) {
        return printSvg(state, drawnAt, frame, arguments.answers());
    });
}

// The fly-over of the fronts sent within span of the pass, as `draw` writes it; refused like the parameters where
// it cannot be worked out.
int writeHeard(const Arguments &arguments, const Run &run, double span,
               const std::function<std::string(const FlyOver &)> &draw)
{
    try {
        write(draw(flyOver(run.state, arguments.height, span)));
    } catch (const FlyOverRefused &refusal) {
        std::cerr << "conwave-frames: " << flyOverMessage(refusal, run.wording) << '\n';
        return kExitRefused;
    }
    return flushed();
}

int writeFlyOverCsv(const Arguments &arguments, const Run &run)
{
    return writeHeard(arguments, run, arguments.givenSpan().value_or(flyOverSpan(run.state, arguments.height)),
                      [&arguments](const FlyOver &heard) { return flyOverCsv(arguments.csvForm(), heard); });
}

int writeFlyOverPrint(const Arguments &arguments, const Run &run)
{
    const double span = arguments.givenSpan().value_or(printedFlyOverSpan(run.state, arguments.height));
    return writeHeard(arguments, run, span,
                      [&](const FlyOver &heard) { return printFlyOverSvg(run.state, heard, arguments.answers()); });
}

int writePage(const Arguments &arguments, const Run &run)
{
    write(frameHtml(arguments.texts, run.state, run.language));
    return flushed();
}

int answerBatch(const Arguments &arguments, const Run &run)
{
    std::optional<BatchListener> listener;
    if (arguments.has(kListener))
        listener = BatchListener{arguments.height, arguments.givenSpan()};
    std::string why;
    if (!runBatch(std::cin, std::cout, run.wording, listener, why)) {
        std::cerr << "conwave-frames: " << why << '\n';
        return kExitUsage;
    }
    return std::cout.flush() ? 0 : kExitRuntimeError;
}

} // namespace

int main(int argc, char **argv)
{
    for (int k = 1; k < argc && std::string_view(argv[k]) != "--"; ++k)
        if (std::string_view(argv[k]) == "--help") {
            std::cout << usage();
            return 0;
        }
    Arguments arguments;
    try {
        arguments = readArguments(argc, argv);
    } catch (const UsageError &error) {
        std::cerr << "conwave-frames: " << error.why << "\n\n" << usage();
        return kExitUsage;
    }

    // The page and the batch speak the reader's language and read numbers as the window does in it; the pictures
    // and the CSV are in English with a decimal point, as scripts read them.
    const Mode &mode = modeOf(arguments.given);
    Run run;
    run.language = !arguments.language.empty() ? arguments.language
                   : mode.readersLanguage      ? environmentLanguage()
                                               : std::string("en");
    run.wording = toolWording(run.language);
    initialise(run.state);
    if (!arguments.texts.empty()) {
        try {
            restart(run.state, arguments.texts[0], arguments.texts[1], arguments.texts[2],
                    typedDecimalSign(run.wording));
        } catch (const RestartRefused &refusal) {
            std::cerr << "conwave-frames: " << refusalMessage(refusal, run.wording) << '\n';
            return kExitRefused;
        }
    }
    return mode.run(arguments, run);
}
