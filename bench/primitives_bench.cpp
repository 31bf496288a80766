// Cost of clearing the frame and of a frame drawn with the pixel primitives.
#include <benchmark/benchmark.h>

#include "graphics/framebuffer.h"

static void BM_ClearFrame(benchmark::State& state) {
    for (auto _ : state) {
        ClearFrame();
        benchmark::DoNotOptimize(FrameBuffer);
    }
}
BENCHMARK(BM_ClearFrame);

// Lines, rectangles and an arc roughly as a busy screen draws them.
static void BM_PrimitivesFrame(benchmark::State& state) {
    InitTrigTables();
    for (auto _ : state) {
        ClearFrame();
        DrawHLine(0, 159, 25, ClrWhite);
        DrawHLine(0, 159, 102, ClrWhite);
        DrawVLine(102, 119, 53, ClrWhite);
        DrawVLine(102, 119, 106, ClrWhite);
        DrawVLine(0, 119, 28, ClrWhite);
        for (int i = 0; i < 55; ++i) {
            DrawLine(0, uint16_t(60 - i), 10, uint16_t(55 - i), ClrGreen);
            DrawLine(10, uint16_t(55 - i), 20, uint16_t(60 - i), ClrGreen);
        }
        FillRect(60, 16, 120, 54, ClrYellow);
        DrawRect(45, 101, 120, 119, ClrGrey);
        DrawArc(80, 124, 20, 220, 320, ClrWhite);
        benchmark::DoNotOptimize(FrameBuffer);
    }
}
BENCHMARK(BM_PrimitivesFrame);
