// conwave-frames: runs the wave model without a window and prints its frames as CSV, or one frame as SVG.
#include "batch/batch.h"
#include "frames/frame_csv.h"
#include "page/frame_html.h"
#include "frames/frame_svg.h"
#include "listener.h"
#include "print/print_flyover.h"
#include "print/print_frame.h"
#include "runtime_services.h"
#include "shared/tool_words.h"
#include "wave_state.h"
#include "wave_tick.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using conwave::kExitRefused;
using conwave::kExitRuntimeError;
using conwave::kExitUsage;
constexpr long long kDefaultCsvTicks = 7;  // one clock cycle of the start-up texts "0", "4", "1"
constexpr long long kDefaultSvgTick = 1;

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
    "CSV (the default): the circles of N ticks (default 7), one row per circle,\n"
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
    "the boom's time (or \"none\") and every front heard, \"front tEmitted xEmitted tArrives frequency\".\n"
    "--svg --print: the same frame drawn for paper, at most 170 mm wide and to a stated scale, in black\n"
    "on white: the source, the air's speed, a scale bar, the Mach lines and angle, and a caption.\n"
    "--worksheet: the same picture without the answers (no Mach lines, arc or angle, no line at\n"
    "Mach 1, no sentence naming the regime) for students to find; plain --print is the key.\n"
    "--listener H: a fly-over heard from the ground. The source flies at M x 340 m/s at a height of H\n"
    "metres (0 or more) straight over a listener, passing overhead at t = 0, and sends out a wavefront\n"
    "every tMax / nWave seconds. CSV, one row per wavefront sent within S seconds of the pass (--span,\n"
    "default 10), in the order the listener hears them:\n"
    "  front,tEmitted,xEmitted,tArrives,heardFrequency\n"
    "heardFrequency is empty for a front that arrives with the Mach cone itself. With --svg --print: the\n"
    "fly-over for paper, at the instant the boom reaches the listener (below Mach 1: the source overhead),\n"
    "with the fronts sent since long enough before that some reach the listener (or those of --span).\n"
    "\n"
    "CSV_FORM, for spreadsheets (without them the CSV stays exact, as scripts read it):\n"
    "  --digits N       every number rounded to N significant digits (1 to 15)\n"
    "  --no-source      wavefront rows only, without the source marker's rows (wave 0)\n"
    "  --age            a last column, age: seconds since each wavefront was emitted\n"
    "  --decimal-comma  cells separated by \";\" and decimal commas (0,04), for spreadsheets that use them\n"
    "\n"
    "Exit status: 0 done, 1 run-time error, 2 parameters refused, 64 bad usage.\n";

struct Options {
    bool svg = false;
    bool html = false;
    bool print = false;
    bool worksheet = false;
    bool batch = false;
    std::optional<double> listener; // height of the flight above the listener [m]
    std::optional<double> span;     // fronts sent within this time of the pass overhead [s]
    std::optional<std::string> language;
    conwave::CsvForm csv;
    std::optional<long long> ticks;
    std::vector<std::string_view> texts;
};

// A plain decimal number, the whole text of it, finite: "1000", "2.5e3".
std::optional<double> parseMeasure(std::string_view text)
{
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long long> parseCount(std::string_view text)
{
    long long value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || ptr != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

struct UsageError {
    std::string why;
};

// The options of the CSV's spreadsheet forms; false for any other argument. k moves past a value it takes.
bool csvFormOption(conwave::CsvForm &form, std::string_view arg, int &k, int argc, char **argv)
{
    if (arg == "--no-source") {
        form.source = false;
    } else if (arg == "--age") {
        form.age = true;
    } else if (arg == "--decimal-comma") {
        form.decimalComma = true;
    } else if (arg == "--digits") {
        const std::optional<long long> digits = k + 1 < argc ? parseCount(argv[++k]) : std::nullopt;
        if (!digits || *digits < 1 || *digits > 15)
            throw UsageError{"--digits needs a whole number from 1 to 15"};
        form.digits = static_cast<int>(*digits);
    } else {
        return false;
    }
    return true;
}

// Options first; "-1" is a negative Mach number, not an option, and "--" ends the options.
Options parseArguments(int argc, char **argv)
{
    Options options;
    bool optionsEnded = false;
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (optionsEnded || !arg.starts_with("--")) {
            options.texts.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--svg") {
            options.svg = true;
        } else if (arg == "--html") {
            options.html = true;
        } else if (arg == "--print") {
            options.print = true;
        } else if (arg == "--worksheet") {
            options.worksheet = true;
        } else if (arg == "--batch") {
            options.batch = true;
        } else if (arg == "--listener") {
            options.listener = k + 1 < argc ? parseMeasure(argv[++k]) : std::nullopt;
            if (!options.listener || *options.listener < 0.0)
                throw UsageError{"--listener needs the listener's distance below the flight in metres, 0 or more"};
        } else if (arg == "--span") {
            options.span = k + 1 < argc ? parseMeasure(argv[++k]) : std::nullopt;
            if (!options.span || !(*options.span > 0.0))
                throw UsageError{"--span needs a number of seconds above 0"};
        } else if (arg == "--lang") {
            if (k + 1 >= argc || !conwave::spokenLanguage(argv[k + 1]))
                throw UsageError{"--lang needs one of en, de, fr, es"};
            options.language = argv[++k];
        } else if (csvFormOption(options.csv, arg, k, argc, argv)) {
            // taken
        } else if (arg == "--ticks") {
            if (k + 1 >= argc)
                throw UsageError{"--ticks needs a number"};
            options.ticks = parseCount(argv[++k]);
            if (!options.ticks)
                throw UsageError{"--ticks needs a whole number of 0 or more"};
        } else {
            throw UsageError{"unknown option " + std::string(arg)};
        }
    }
    if (!options.texts.empty() && options.texts.size() != 3)
        throw UsageError{"give all three texts M_TEXT NWAVE_TEXT TMAX_TEXT, or none"};
    if (options.svg && options.texts.empty())
        throw UsageError{"--svg needs the three texts M_TEXT NWAVE_TEXT TMAX_TEXT"};
    if (options.html && (options.svg || options.ticks || options.csv != conwave::CsvForm{}))
        throw UsageError{"--html takes neither --svg, --ticks nor a CSV form: the page plays every tick"};
    if (options.language && !options.html && !options.batch)
        throw UsageError{"--lang goes with --html or --batch"};
    if (options.batch && (options.html || options.svg || options.ticks || options.csv != conwave::CsvForm{} ||
                          !options.texts.empty()))
        throw UsageError{"--batch reads its texts from standard input and takes no other option but --lang and "
                         "--listener"};
    if (options.span && !options.listener)
        throw UsageError{"--span goes with --listener"};
    if (options.listener && ((options.texts.empty() && !options.batch) || options.html || options.ticks ||
                             !options.csv.source || options.csv.age || (options.svg && !options.print)))
        throw UsageError{"--listener needs the three texts, and takes only --span, --digits, --decimal-comma, or "
                         "--svg --print [--worksheet]"};
    if (options.print && !options.svg)
        throw UsageError{"--print goes with --svg"};
    if (options.worksheet && !options.print)
        throw UsageError{"--worksheet goes with --svg --print"};
    if (options.svg && options.csv != conwave::CsvForm{})
        throw UsageError{"--digits, --no-source, --age and --decimal-comma are for the CSV, not --svg"};
    if (options.svg && options.ticks == 0)
        throw UsageError{"--svg draws the frame of tick 1 or later"};
    return options;
}

void write(const std::string &text) { std::fwrite(text.data(), 1, text.size(), stdout); }

} // namespace

int main(int argc, char **argv)
{
    Options options;
    try {
        const std::vector<std::string_view> args(argv + 1, argv + argc);
        for (const std::string_view arg : args)
            if (arg == "--")
                break;
            else if (arg == "--help") {
                std::cout << kUsage;
                return 0;
            }
        options = parseArguments(argc, argv);
    } catch (const UsageError &error) {
        std::cerr << "conwave-frames: " << error.why << "\n\n" << kUsage;
        return kExitUsage;
    }

    // The page and the batch speak the reader's language and read numbers as the window does in it; the pictures
    // and the CSV are in English with a decimal point, as scripts read them.
    const std::string language = options.language.value_or(
        options.html || options.batch ? conwave::environmentLanguage() : std::string("en"));
    const conwave::Wording wording = conwave::toolWording(language);
    if (options.batch) {
        std::string why;
        std::optional<conwave::BatchListener> listener;
        if (options.listener)
            listener = conwave::BatchListener{*options.listener, options.span.value_or(conwave::kDefaultFlyOverSpan)};
        if (!conwave::runBatch(std::cin, std::cout, wording, listener, why)) {
            std::cerr << "conwave-frames: " << why << '\n';
            return kExitUsage;
        }
        return std::cout.flush() ? 0 : kExitRuntimeError;
    }

    conwave::WaveState state;
    conwave::initialise(state);
    if (!options.texts.empty()) {
        try {
            conwave::restart(state, options.texts[0], options.texts[1], options.texts[2],
                             conwave::typedDecimalSign(wording));
        } catch (const conwave::RestartRefused &refusal) {
            std::cerr << "conwave-frames: " << conwave::refusalMessage(refusal, wording) << '\n';
            return kExitRefused;
        }
    }

    if (options.html) {
        write(conwave::frameHtml(options.texts, state, language));
        return std::fflush(stdout) == 0 ? 0 : kExitRuntimeError;
    }

    if (options.listener) {
        try {
            const double span = options.span.value_or(options.svg ? conwave::printedFlyOverSpan(state, *options.listener)
                                                                  : conwave::kDefaultFlyOverSpan);
            const conwave::FlyOver flyOver = conwave::flyOver(state, *options.listener, span);
            write(options.svg ? conwave::printFlyOverSvg(state, flyOver,
                                                          options.worksheet ? conwave::PrintAnswers::LeftOut
                                                                            : conwave::PrintAnswers::Shown)
                              : conwave::flyOverCsv(options.csv, flyOver));
        } catch (const conwave::FlyOverRefused &refusal) {
            std::cerr << "conwave-frames: " << conwave::flyOverMessage(refusal, wording) << '\n';
            return kExitRefused;
        }
        return std::fflush(stdout) == 0 ? 0 : kExitRuntimeError;
    }

    const long long ticks = options.ticks.value_or(options.svg ? kDefaultSvgTick : kDefaultCsvTicks);
    std::string out = options.svg ? std::string() : conwave::csvHeader(options.csv);
    conwave::RecordingSink sink;
    for (long long n = 1; n <= ticks; ++n) {
        double drawnAt = 0.0;
        try {
            drawnAt = conwave::tick(state, sink);
        } catch (const conwave::RuntimeError &error) {
            write(out);
            std::cerr << "conwave-frames: run-time error at tick " << n << ": " << error.what() << '\n';
            return kExitRuntimeError;
        }
        if (options.svg) {
            if (n == ticks)
                out = options.print ? conwave::printSvg(state, drawnAt, sink.frame(),
                                                        options.worksheet ? conwave::PrintAnswers::LeftOut
                                                                          : conwave::PrintAnswers::Shown)
                                    : conwave::frameSvg(state, drawnAt, sink.frame());
            continue;
        }
        conwave::appendCsv(out, options.csv, n, drawnAt, state.dtWave, sink.frame());
        if (out.size() > (1u << 16)) {
            write(out);
            out.clear();
        }
    }
    write(out);
    return std::fflush(stdout) == 0 ? 0 : kExitRuntimeError;
}
