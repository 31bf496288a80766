// One whole frame of every kind of screen against its floor: clearing the frame buffer and
// storing the same colours at the same offsets from a precomputed list. The ratio shows what the
// drawing code costs beyond the pixels it must write.
#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

#include "graphics/framebuffer.h"
#include "instrument/airdata.h"
#include "instrument/home.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "shell/core/run_loop.h"

namespace {

struct ScreenCase {
    const char* name;
    ScreenHandler screen;
    uint8_t cursor;
};

// Each screen on a busy entry: lists scrolled, numeric rows selected.
const ScreenCase Screens[] = {
    {"MainMenu", MainMenuScreen, 2},
    {"AltSetup", AltSetupScreen, 7},
    {"TestAltitude", TestAltitudeScreen, 0},
    {"VsiSetup", VsiSetupScreen, 3},
    {"AsiSetup", AsiSetupScreen, 6},
    {"ZeroAsi", ZeroAsiScreen, 0},
    {"TimerSetup", TimerSetupScreen, 1},
    {"MiscSetup", MiscSetupScreen, 2},
    {"Backlight", BacklightScreen, 0},
    {"Info", InfoScreen, 0},
    {"DefaultSettings", DefaultSettingsScreen, 0},
    {"AdcValues", AdcValuesScreen, 0},
    {"Done", DoneScreen, 0},
    {"MenuCode", MenuCodeScreen, 2},
    {"CodeResult", CodeResultScreen, 0},
    {"FlightConfirm", FlightConfirmScreen, 0},
};

void Prepare(const ScreenCase& c) {
    PowerOnSequence();
    Settings.SerialOut = 1;
    Settings.TimerMode = 1;
    TestAltitude = -1000;
    CurrentScreen = c.screen;
    MenuState.Cursor = c.cursor;
    MenuState.TopRow = 0;
    MenuState.EditMode = 0;
    PendingEvent = EvNone;
}

void Frame(benchmark::State& state, const ScreenCase& c) {
    Prepare(c);
    for (auto _ : state) {
        ClearFrame();
        c.screen();
        benchmark::DoNotOptimize(FrameBuffer);
    }
}

void Floor(benchmark::State& state, const ScreenCase& c) {
    Prepare(c);
    ClearFrame();
    c.screen();
    std::vector<std::pair<uint16_t, ColorIndex>> stores;
    for (uint16_t i = 0; i < ScreenWidth * ScreenHeight; ++i)
        if (FrameBuffer[i] != 0) stores.push_back({i, FrameBuffer[i]});
    for (auto _ : state) {
        ClearFrame();
        for (const auto& s : stores) FrameBuffer[s.first] = s.second;
        benchmark::DoNotOptimize(FrameBuffer);
    }
    state.counters["pixels"] = double(stores.size());
}

int RegisterAll() {
    for (const ScreenCase& c : Screens) {
        benchmark::RegisterBenchmark((std::string("BM_Screen/") + c.name).c_str(), Frame, c);
        benchmark::RegisterBenchmark((std::string("BM_ScreenFloor/") + c.name).c_str(), Floor, c);
    }
    return 0;
}
const int Registered = RegisterAll();

} // namespace
