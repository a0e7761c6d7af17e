#include "wave_tick.h"

#include "runtime_services.h"
#include "wave_state.h"

#include <cstdint>

namespace conwave {

RecordingSink::RecordingSink() { m_frame.reserve(kWaveSlots); }

void RecordingSink::Cls() { m_frame.clear(); }

void RecordingSink::Circle(float x, float y, float radius, std::uint32_t colour)
{
    m_frame.push_back(WaveCircle{x, y, radius, colour});
}

namespace {

// Ends the sink's frame however the tick is left.
class FrameEnd {
public:
    explicit FrameEnd(DrawingSink &sink) : m_sink(sink) {}
    ~FrameEnd() { m_sink.endFrame(); }
    FrameEnd(const FrameEnd &) = delete;
    FrameEnd &operator=(const FrameEnd &) = delete;

private:
    DrawingSink &m_sink;
};

} // namespace

double tick(WaveState &state, DrawingSink &sink)
{
    sink.Cls();
    const FrameEnd frameEnd(sink);
    state.tNow = checkedAdd(state.tNow, kTickSeconds);

    // The bound is read once; the counter is compared with it unchanged, so a fractional nWave is cut down.
    // Every slot access is checked, so a 51st wavefront raises before anything of it is computed.
    const double bound = state.nWave;
    for (std::int64_t i = 1; static_cast<double>(i) <= bound; ++i) {
        const double steps = static_cast<double>(i - 1);
        checkedSlot(state.rWave, i) = checkedMultiply(state.aSound, checkedAdd(state.tNow, checkedMultiply(steps, state.dtWave)));
        checkedSlot(state.xWave, i) = checkedMultiply(state.uSource, checkedAdd(state.tNow, checkedMultiply(steps, state.dtWave)));
        const float x = toSingle(checkedSlot(state.xWave, i));
        const float radius = toSingle(checkedSlot(state.rWave, i));
        sink.Circle(x, 0.0f, radius, kWaveColour);
    }
    sink.Circle(0.0f, 0.0f, kMarkerRadius, kWaveColour);
    const double drawnAt = state.tNow;

    // After the clock passes one emission interval every wavefront has aged into the place of the next one, so
    // the same family of circles starts again from 0. The test comes after drawing: 0 itself is never drawn.
    if (state.tNow > state.dtWave)
        state.tNow = 0.0;
    return drawnAt;
}

} // namespace conwave
