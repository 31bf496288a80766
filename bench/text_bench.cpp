// Cost of drawing a 20-character string, against the floor of writing the same pixels straight
// into the frame buffer from a precomputed list of offsets.
#include <benchmark/benchmark.h>

#include <vector>

#include "graphics/framebuffer.h"
#include "graphics/text.h"

namespace {

struct TextCase {
    const char* text;
    FontId font;
    uint16_t x, y;
};

// A menu row's worth in the small font, and a readout string in the large numeric font (mostly
// off the screen: the clipped pixels are part of the cost).
const TextCase Small = {"ALT SETUP 1013.25 mb", 8, 80, 40};
const TextCase Large = {"-1234567890.+,1234/5", 24, 80, 30};

void DrawCase(const TextCase& c) {
    DrawText(c.x, c.y, c.text, c.font, AlignCentre, ClrWhite);
}

std::vector<uint16_t> InkedOffsets(const TextCase& c) {
    ClearFrame();
    DrawCase(c);
    std::vector<uint16_t> offsets;
    for (uint16_t i = 0; i < ScreenWidth * ScreenHeight; ++i)
        if (FrameBuffer[i]) offsets.push_back(i);
    return offsets;
}

void BM_DrawText(benchmark::State& state, const TextCase& c) {
    ClearFrame();
    for (auto _ : state) {
        DrawCase(c);
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = double(InkedOffsets(c).size());
}

void BM_PixelFloor(benchmark::State& state, const TextCase& c) {
    const std::vector<uint16_t> offsets = InkedOffsets(c);
    ClearFrame();
    for (auto _ : state) {
        for (uint16_t o : offsets) FrameBuffer[o] = ClrWhite;
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = double(offsets.size());
}

} // namespace

BENCHMARK_CAPTURE(BM_DrawText, Font8, Small);
BENCHMARK_CAPTURE(BM_PixelFloor, Font8, Small);
BENCHMARK_CAPTURE(BM_DrawText, Font24, Large);
BENCHMARK_CAPTURE(BM_PixelFloor, Font24, Large);
