// One whole instrument frame on the flight display against the floor of any frame that ends with
// the same picture: clearing the buffer and storing exactly its lit pixels.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "graphics/framebuffer.h"
#include "instrument/airdata.h"
#include "instrument/home.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "shell/core/run_loop.h"

namespace {

// A busy flight display: the VSI tape at full scale and the airspeed on its yellow box.
void SetUpBusyDisplay() {
    PowerOnSequence();
    HomePage = 0;
    BlinkPhase = 1;
    AirData.AltSensorOk = 1;
    AirData.AsiRaw = 1905; // 199 mph, between Vno and Vne
    AirData.Altitude = 12500;
    AirData.VerticalSpeed = 6000;
    AirData.AsiFilterAcc = 0;
    for (int i = 0; i < 100; ++i) UpdateAirspeed(); // let the filter settle
}

void InstrumentFrame() {
    UpdateAirspeed();
    ClearFrame();
    PendingEvent = EvNone;
    HomeScreen();
}

struct LitPixel {
    uint16_t Offset;
    ColorIndex Colour;
};

} // namespace

static void BM_FlightDisplayFrame(benchmark::State& state) {
    SetUpBusyDisplay();
    for (auto _ : state) {
        InstrumentFrame();
        benchmark::DoNotOptimize(FrameBuffer);
    }
}
BENCHMARK(BM_FlightDisplayFrame);

static void BM_FlightDisplayFloor(benchmark::State& state) {
    SetUpBusyDisplay();
    InstrumentFrame();
    std::vector<LitPixel> lit;
    for (uint16_t i = 0; i < ScreenWidth * ScreenHeight; ++i)
        if (FrameBuffer[i] != ClrBlack) lit.push_back({i, FrameBuffer[i]});
    state.counters["lit_pixels"] = double(lit.size());
    for (auto _ : state) {
        memset(FrameBuffer, 0, sizeof FrameBuffer);
        benchmark::ClobberMemory();
        for (const LitPixel& p : lit) FrameBuffer[p.Offset] = p.Colour;
        benchmark::DoNotOptimize(FrameBuffer);
    }
}
BENCHMARK(BM_FlightDisplayFloor);
