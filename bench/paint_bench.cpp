// Costs of painting one frame of the picture: Picture1's own paintEvent (Cls plus circles) rendered onto a backing
// image by Qt's raster engine, at device pixel ratio 1 and 2.
#include "drawing_surface.h"
#include "wave_state.h"
#include "wave_tick.h"
#include "window_tables.h"

#include <QApplication>
#include <QImage>
#include <QRegion>

#include <benchmark/benchmark.h>

namespace {

// The backing store of an opaque window on a 24-bit X display holds its pixels as 32-bit RGB.
constexpr QImage::Format kBackingFormat = QImage::Format_RGB32;

// Every iteration runs one tick into the real surface and renders what a tick repaints, the inner area, so the
// loop walks through the frames of a whole cycle rather than repainting one frame that may be unusually cheap.
// A tick costs well under a microsecond (model_bench), so the figure is the painting.
void paintFrames(benchmark::State &run, const char *mach, const char *nWave, const char *tMax)
{
    const auto ratio = static_cast<int>(run.range(0));
    conwave::DrawingSurface surface;
    surface.resize(conwave::pixelRect(conwave::kPictureControl.place).size());
    surface.Scale(-340.0, -340.0, 680.0, 340.0); // the world window Form1 sets from aSound = 340
    conwave::WaveState state;
    conwave::initialise(state);
    conwave::restart(state, mach, nWave, tMax);

    QImage backing(surface.size() * ratio, kBackingFormat);
    backing.setDevicePixelRatio(ratio);
    for (auto _ : run) {
        conwave::tick(state, surface);
        surface.render(&backing, QPoint(), QRegion(surface.contentsRect()));
        benchmark::DoNotOptimize(backing.constBits());
        benchmark::ClobberMemory();
    }
    run.counters["circles"] = static_cast<double>(surface.frame().size());
}

// Cls alone, the floor under every frame: the inner area filled with light cyan.
void paintClearOnly(benchmark::State &run)
{
    const auto ratio = static_cast<int>(run.range(0));
    conwave::DrawingSurface surface;
    surface.resize(conwave::pixelRect(conwave::kPictureControl.place).size());
    surface.Scale(-340.0, -340.0, 680.0, 340.0);
    QImage backing(surface.size() * ratio, kBackingFormat);
    backing.setDevicePixelRatio(ratio);
    for (auto _ : run) {
        surface.Cls();
        surface.render(&backing, QPoint(), QRegion(surface.contentsRect()));
        benchmark::DoNotOptimize(backing.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(paintClearOnly)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// M 1.2, nWave 4, tMax 1: the worked example of the teacher's notes.
void paintWorkedExample(benchmark::State &run) { paintFrames(run, "1.2", "4", "1"); }
BENCHMARK(paintWorkedExample)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// M 3, nWave 30, tMax 4: the widest picture the scroll bars allow, most circles far larger than the surface.
void paintWidestPicture(benchmark::State &run) { paintFrames(run, "3", "30", "4"); }
BENCHMARK(paintWidestPicture)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// M 3, nWave 50, tMax 4: the most wavefronts a typed value can draw.
void paintFiftyWavefronts(benchmark::State &run) { paintFrames(run, "3", "50", "4"); }
BENCHMARK(paintFiftyWavefronts)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

// The raster engine paints the same on every platform plugin; offscreen needs no display.
int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
