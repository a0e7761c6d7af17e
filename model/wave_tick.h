// One 40 ms step of the animation: clear, advance the clock, draw every wavefront and the source, wrap the clock.
#pragma once

#include <cstdint>
#include <vector>

namespace conwave {

struct WaveState;

inline constexpr double kTickSeconds = 0.04;       // clock advance per tick [s]
inline constexpr std::uint32_t kWaveColour = 0xFFu; // 0x00BBGGRR: pure red
inline constexpr float kMarkerRadius = 0.1f;       // source marker [m], far below one pixel on the surface

// One circle to draw, in world units [m], with its colour as 0x00BBGGRR.
struct WaveCircle {
    float x = 0.0f;
    float y = 0.0f;
    float radius = 0.0f;
    std::uint32_t colour = 0;

    bool operator==(const WaveCircle &) const = default;
};

// The circles of one tick in drawing order: wavefronts 1, 2, ..., then the source marker.
using WaveFrame = std::vector<WaveCircle>;

// Where a tick draws: the window's picture surface, or a recording for tools and tests. A frame is Cls, the
// circles in order, then endFrame; the tick ends every frame it begins, also one cut short by a run-time error, so
// that the circles drawn before the error are shown.
class DrawingSink {
public:
    virtual ~DrawingSink() = default;
    virtual void Cls() = 0;                                                    // clear to the background
    virtual void Circle(float x, float y, float radius, std::uint32_t colour) = 0; // outline, world units
    virtual void endFrame() noexcept = 0;                                      // the frame is complete

protected:
    DrawingSink() = default;
    DrawingSink(const DrawingSink &) = default;
    DrawingSink &operator=(const DrawingSink &) = default;
};

// Keeps the circles since the last Cls: after a tick it holds that tick's frame. Its storage is kept between
// ticks, so a tick allocates nothing once a frame of that size has been recorded.
class RecordingSink final : public DrawingSink {
public:
    RecordingSink();
    void Cls() override;
    void Circle(float x, float y, float radius, std::uint32_t colour) override;
    void endFrame() noexcept override {}

    const WaveFrame &frame() const noexcept { return m_frame; }

private:
    WaveFrame m_frame;
};

// One tick of the animation on the state, drawing into the sink; returns the clock value the frame was drawn at
// (tNow before the wrap). Raises RuntimeError on a slot outside 0 to 50, on arithmetic overflow, or on a centre or
// radius beyond single precision; wavefronts drawn before that point have already reached the sink, and the frame
// is ended all the same.
double tick(WaveState &state, DrawingSink &sink);

} // namespace conwave
