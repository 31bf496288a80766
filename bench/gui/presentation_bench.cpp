// What showing a frame costs in the real window: the frame buffer drawn in palette colours
// and swapped onto the display panel, the run loop's steps 8 and 9.
#include <QApplication>
#include <QTest>
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include "graphics/framebuffer.h"
#include "shell/core/palette.h"
#include "shell/core/run_loop.h"
#include "shell/main_window.h"

namespace {

TfrmMain* Window = nullptr;

// Every pixel lit, every palette index used: the most a frame can ask of the presentation.
void FillFullScreenPattern(int shift) {
    for (int y = 0; y < ScreenHeight; ++y)
        for (int x = 0; x < ScreenWidth; ++x)
            FrameBuffer[x + y * ScreenWidth] =
                ColorIndex(1 + (x + 7 * y + shift) % (PaletteSize - 1));
}

void PresentAndSwap(benchmark::State& state) {
    int shift = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FillFullScreenPattern(shift++);
        state.ResumeTiming();
        Window->PresentFrame();
        Window->SwapFrame();
    }
    // Let the X server catch up so the next benchmark does not pay for this one.
    glFinish();
    QCoreApplication::processEvents();
}
BENCHMARK(PresentAndSwap)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// The drawing alone, finished, without the swap.
void PresentOnly(benchmark::State& state) {
    int shift = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FillFullScreenPattern(shift++);
        state.ResumeTiming();
        Window->PresentFrame();
        glFinish();
    }
}
BENCHMARK(PresentOnly)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// The same, finished: until the driver has drawn the frame (glFinish), the honest upper bound.
void PresentSwapAndFinish(benchmark::State& state) {
    int shift = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FillFullScreenPattern(shift++);
        state.ResumeTiming();
        Window->PresentFrame();
        Window->SwapFrame();
        glFinish();
    }
}
BENCHMARK(PresentSwapAndFinish)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// A whole frame of the run loop with the home screen: steps, presentation, message processing.
void WholeRunLoopFrame(benchmark::State& state) {
    const FrameHooks hooks = {nullptr, [](void*, uint32_t) {}, [](void*) -> uint8_t { return 1; },
                              [](void*, const char*) {}};
    for (auto _ : state) {
        RunFrameSteps(hooks);
        Window->PresentFrame();
        Window->SwapFrame();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(WholeRunLoopFrame)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    PowerOnSequence();
    TfrmMain window;
    Window = &window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    QTest::qWait(100);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
