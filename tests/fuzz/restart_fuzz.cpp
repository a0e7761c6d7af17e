// Fuzzes the restart and the tick: the input is three texts separated by newlines. A refusal must leave the state
// exactly as it was; an accepted restart must never make the tick raise, anywhere in its clock cycle.
#include "runtime_services.h"
#include "wave_state.h"
#include "wave_tick.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

std::string_view nextText(std::string_view &rest)
{
    const std::size_t cut = rest.find('\n');
    const std::string_view text = rest.substr(0, cut);
    rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    const std::string_view m = nextText(rest), nWave = nextText(rest), tMax = nextText(rest);

    // A state in the middle of an animation, as a student would have it when typing.
    conwave::WaveState state;
    conwave::initialise(state);
    conwave::restart(state, "1.2", "7", "2");
    conwave::RecordingSink sink;
    for (int n = 0; n < 3; ++n)
        conwave::tick(state, sink);
    const conwave::WaveState before = state;

    try {
        conwave::restart(state, m, nWave, tMax);
    } catch (const conwave::RestartRefused &) {
        if (!(state == before))
            std::abort();
        return 0;
    }

    // Accepted: one clock cycle (the first 200 ticks of a longer one), then the last clock value the cycle can draw
    // at, where every age is largest. A RuntimeError escaping here ends the fuzzer with the input that caused it.
    const int wavefronts = std::max(conwave::waveCount(state.nWave), 0);
    for (int n = 0; n < 200; ++n) {
        conwave::tick(state, sink);
        if (sink.frame().size() != static_cast<std::size_t>(wavefronts) + 1)
            std::abort();
        if (state.tNow == 0.0)
            break;
    }
    state.tNow = std::max(state.dtWave, 0.0);
    conwave::tick(state, sink);
    return 0;
}
