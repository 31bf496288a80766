// Drawing a picture through the paged run-length decoder, against two floors that write the
// same pixels straight into the frame buffer: the decoded picture copied row by row, and the
// picture's runs and literals, parsed beforehand, written span by span (the decoder's own writes
// without its reading).
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "graphics/data/images.h"
#include "graphics/framebuffer.h"

namespace {

constexpr uint16_t AtX = 10, AtY = 41; // where the main menu draws its icon

void BM_DrawRleImage(benchmark::State& state, const RleImage* image) {
    ClearFrame();
    for (auto _ : state) {
        DrawRleImage(AtX, AtY, *image);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 2500);
}

void BM_FloorCopyRows(benchmark::State& state, const RleImage* image) {
    ClearFrame();
    DrawRleImage(AtX, AtY, *image);
    static ColorIndex decoded[50][50];
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) decoded[y][x] = FrameBuffer[AtX + x + (AtY + y) * ScreenWidth];
    for (auto _ : state) {
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                FrameBuffer[AtX + x + (AtY + y) * ScreenWidth] = decoded[y][x];
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 2500);
}

struct Span {
    uint32_t Offset; // in FrameBuffer
    uint32_t Count;
    const uint8_t* Literal; // null for a run
    ColorIndex Colour;
};

void BM_FloorWriteSpans(benchmark::State& state, const RleImage* image) {
    std::vector<Span> spans;
    const uint8_t* d = image->Data;
    uint32_t pos = 4;
    for (uint32_t row = 0; row < 50; ++row)
        for (uint32_t col = 0; col < 50;) {
            const uint8_t n = d[pos++];
            const uint32_t offset = AtX + col + (AtY + row) * ScreenWidth;
            if (n >= 128) {
                spans.push_back({offset, n - 128u, nullptr, d[pos++]});
                col += n - 128u;
            } else {
                spans.push_back({offset, n, d + pos, 0});
                pos += n;
                col += n;
            }
        }
    ClearFrame();
    for (auto _ : state) {
        for (const Span& s : spans) {
            if (s.Literal) {
                memcpy(FrameBuffer + s.Offset, s.Literal, s.Count);
            } else {
                memset(FrameBuffer + s.Offset, s.Colour, s.Count);
            }
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 2500);
    state.counters["spans"] = double(spans.size());
}

} // namespace

BENCHMARK_CAPTURE(BM_DrawRleImage, AsiSetup, &ImgAsiSetup);
BENCHMARK_CAPTURE(BM_FloorCopyRows, AsiSetup, &ImgAsiSetup);
BENCHMARK_CAPTURE(BM_FloorWriteSpans, AsiSetup, &ImgAsiSetup);
BENCHMARK_CAPTURE(BM_DrawRleImage, Question, &ImgQuestion);
BENCHMARK_CAPTURE(BM_FloorCopyRows, Question, &ImgQuestion);
BENCHMARK_CAPTURE(BM_FloorWriteSpans, Question, &ImgQuestion);
