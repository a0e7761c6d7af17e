// conwave-frames: runs the wave model without a window and prints each tick's circles as CSV.
#include "runtime_services.h"
#include "wave_state.h"
#include "wave_tick.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kExitRefused = 2;
constexpr int kExitRuntimeError = 1;
constexpr int kExitUsage = 64; // EX_USAGE
constexpr long long kDefaultTicks = 7; // one clock cycle of the start-up texts "0", "4", "1"

constexpr std::string_view kUsage =
    "Usage: conwave-frames [--ticks N] [M_TEXT NWAVE_TEXT TMAX_TEXT]\n"
    "\n"
    "Runs the wave animation without a window and prints the circles of N ticks (default 7) as CSV:\n"
    "  tick,tNow,wave,x,y,radius,colour\n"
    "one row per circle, wavefronts 1..n then the source marker as wave 0. The three texts are read\n"
    "exactly as if typed into the window's M, nWave and tMax boxes and START pressed; without them the\n"
    "program is as at start-up, before any START.\n"
    "\n"
    "Exit status: 0 done, 1 run-time error, 2 parameters refused, 64 bad usage.\n";

struct Options {
    long long ticks = kDefaultTicks;
    std::vector<std::string_view> texts;
};

std::optional<long long> parseCount(std::string_view text)
{
    long long value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || ptr != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

int usageError(std::string_view why)
{
    std::cerr << "conwave-frames: " << why << "\n\n" << kUsage;
    return kExitUsage;
}

void printFrame(std::string &out, long long tickNumber, double tNow, const conwave::WaveFrame &frame)
{
    const std::string prefix = std::to_string(tickNumber) + ',' + conwave::shortestText(tNow) + ',';
    for (std::size_t k = 0; k < frame.size(); ++k) {
        const conwave::WaveCircle &c = frame[k];
        const std::size_t wave = k + 1 < frame.size() ? k + 1 : 0; // the last circle is the source marker
        char colour[16];
        std::snprintf(colour, sizeof colour, "0x%08X", static_cast<unsigned>(c.colour));
        out += prefix + std::to_string(wave) + ',' + conwave::shortestText(c.x) + ',' + conwave::shortestText(c.y) +
               ',' + conwave::shortestText(c.radius) + ',' + colour + '\n';
    }
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    bool optionsEnded = false;
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (!optionsEnded && arg == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (!optionsEnded && arg == "--ticks") {
            if (k + 1 >= argc)
                return usageError("--ticks needs a number");
            const auto count = parseCount(argv[++k]);
            if (!count)
                return usageError("--ticks needs a whole number of 0 or more");
            options.ticks = *count;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.starts_with("--")) {
            return usageError("unknown option " + std::string(arg));
        } else {
            options.texts.push_back(arg); // "-1" is a negative Mach number, not an option
        }
    }
    if (!options.texts.empty() && options.texts.size() != 3)
        return usageError("give all three texts M_TEXT NWAVE_TEXT TMAX_TEXT, or none");

    conwave::WaveState state;
    conwave::initialise(state);
    if (!options.texts.empty()) {
        try {
            conwave::restart(state, options.texts[0], options.texts[1], options.texts[2]);
        } catch (const conwave::RestartRefused &refusal) {
            std::cerr << "conwave-frames: " << refusal.what() << '\n';
            return kExitRefused;
        }
    }

    std::string out = "tick,tNow,wave,x,y,radius,colour\n";
    conwave::RecordingSink sink;
    int status = 0;
    for (long long n = 1; n <= options.ticks; ++n) {
        const double drawnAt = state.tNow + conwave::kTickSeconds; // the tick's own addition, before any wrap
        try {
            conwave::tick(state, sink);
        } catch (const conwave::RuntimeError &error) {
            std::cerr << "conwave-frames: run-time error at tick " << n << ": " << error.what() << '\n';
            status = kExitRuntimeError;
            break;
        }
        printFrame(out, n, drawnAt, sink.frame());
        if (out.size() > (1u << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? status : kExitRuntimeError;
}
