// Power-on, the order of the frame steps and the clock's tick hand-over.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/framebuffer.h"
#include "instrument/airdata.h"
#include "instrument/flight_timer.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "shell/core/run_loop.h"

namespace {

struct Window {
    std::vector<uint32_t> lamps;
    uint8_t sensorChecked = 1;
    std::vector<std::string> lines;
};

void SetLamp(void* w, uint32_t rgb) {
    static_cast<Window*>(w)->lamps.push_back(rgb);
}
uint8_t Sensor(void* w) {
    return static_cast<Window*>(w)->sensorChecked;
}
void AddLine(void* w, const char* line) {
    static_cast<Window*>(w)->lines.emplace_back(line);
}

void Frame(Window& w) {
    RunFrameSteps({&w, SetLamp, Sensor, AddLine});
}

// A screen that records what it saw, to check what ran before it in the frame.
int ScreenRuns;
void CountingScreen() {
    ++ScreenRuns;
    PendingEvent = EvNone;
}

TEST(RunLoop, PowerOnResetsWhatItOwnsAndKeepsTheRest) {
    MenuState.Cursor = 3;
    MenuState.EditStep = 100;
    PendingEvent = EvKnobPress;
    AlarmActive = 1;
    AlarmAcknowledged = 1;
    FlightTimer = {1, 12, 5, 6, 7};
    PowerOffRequest = 1;
    BlinkPhase = 1;
    CurrentScreen = CountingScreen;

    PowerOnSequence();

    EXPECT_EQ(PowerOffRequest, 0);
    EXPECT_EQ(CurrentScreen, HomeScreen);
    EXPECT_EQ(MenuState.EditStep, 1);
    EXPECT_EQ(MenuState.Cursor, 3); // not the power-on's to reset
    EXPECT_EQ(PendingEvent, EvNone);
    EXPECT_EQ(AlarmActive, 0u);
    EXPECT_EQ(AlarmAcknowledged, 0u);
    EXPECT_EQ(FlightTimer.Running, 0);
    EXPECT_EQ(FlightTimer.LandingCountdown, 0);
    EXPECT_EQ(FlightTimer.Hours + FlightTimer.Minutes + FlightTimer.Seconds, 0);
    EXPECT_EQ(BlinkPhase, 1);   // the blink runs on through power cycles
    EXPECT_EQ(CosPos[0], 1.0f); // trig tables built
}

TEST(RunLoop, LampShowsTheFlagsAsThePreviousFrameLeftThem) {
    PowerOnSequence();
    Window w;
    CurrentScreen = CountingScreen;
    Frame(w);
    AlarmActive = AirspeedAlarmBit; // raised during this frame (after step 1)
    Frame(w);
    AlarmAcknowledged = AirspeedAlarmBit;
    Frame(w);
    AlarmActive = 2; // any bit counts
    AlarmAcknowledged = 0;
    Frame(w);
    const std::vector<uint32_t> expected = {LampMaroon, LampRed, LampMaroon, LampRed};
    EXPECT_EQ(w.lamps, expected);
}

TEST(RunLoop, FrameCopiesTheSensorBoxClearsAndRunsTheScreenOnce) {
    PowerOnSequence();
    Window w;
    CurrentScreen = CountingScreen;
    ScreenRuns = 0;
    FrameBuffer[500] = 7;
    w.sensorChecked = 0;
    Frame(w);
    EXPECT_EQ(AirData.AltSensorOk, 0);
    EXPECT_EQ(FrameBuffer[500], 0);
    EXPECT_EQ(ScreenRuns, 1);
    w.sensorChecked = 1;
    Frame(w);
    EXPECT_EQ(AirData.AltSensorOk, 1);
    EXPECT_EQ(ScreenRuns, 2);
}

TEST(RunLoop, OneCommunicationsLinePerFrameOnlyWhileSerialOutIsOn) {
    PowerOnSequence();
    Window w;
    CurrentScreen = CountingScreen;
    Frame(w);
    EXPECT_TRUE(w.lines.empty());
    Settings.SerialOut = 1;
    Frame(w);
    Frame(w);
    EXPECT_EQ(w.lines.size(), 2u);
    Settings.SerialOut = 0;
    Frame(w);
    EXPECT_EQ(w.lines.size(), 2u);
}

TEST(Clock, BlinkPhaseTurnsEveryElevenTicks) {
    BlinkTicks = 0;
    BlinkPhase = 0;
    std::vector<int> phases;
    for (int i = 0; i < 33; ++i) {
        TimerTick();
        phases.push_back(BlinkPhase);
    }
    // Ticks 1..10 keep phase 0; the 11th inverts it; and so on every 11 ticks.
    for (int i = 0; i < 33; ++i) EXPECT_EQ(phases[i], ((i + 1) / 11) % 2) << "tick " << i + 1;
}

TEST(Clock, LoopTakesEachTickWhileItKeepsUpAndSkipsUntilTheWrapWhenItMissesOne) {
    PowerOnSequence();
    Window w;
    CurrentScreen = CountingScreen;
    Settings.TimerMode = 0;
    FlightTimer.Running = 1; // a running timer counts one second per step
    TickCount = 0;

    for (int i = 0; i < 5; ++i) {
        TimerTick();
        Frame(w);
        Frame(w); // a second frame finds no tick
    }
    EXPECT_EQ(FlightTimer.Seconds, 5);

    // Two ticks in one message processing: the count reaches 2 and the loop no longer takes it.
    TimerTick();
    TimerTick();
    Frame(w);
    EXPECT_EQ(TickCount, 2);
    int ticks = 0;
    for (;;) {
        TimerTick();
        ++ticks;
        const bool due = TickCount == 1;
        Frame(w);
        if (due) break;
        EXPECT_EQ(FlightTimer.Seconds, 5) << "a tick was taken early, after " << ticks;
        ASSERT_LT(ticks, 40);
    }
    // 2 -> 19 is 17 ticks, then 0, then 1: taken by that tick's frame.
    EXPECT_EQ(ticks, 19);
    EXPECT_EQ(TickCount, 0);
    EXPECT_EQ(FlightTimer.Seconds, 6);
}

TEST(Clock, WhileOffTheTickCountCyclesThroughZeroToNineteen) {
    TickCount = 0;
    for (int i = 1; i <= 40; ++i) {
        TimerTick();
        EXPECT_EQ(TickCount, i % 20) << i;
    }
}

} // namespace
