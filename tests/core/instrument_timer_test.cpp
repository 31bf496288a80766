// The flight timer: automatic start and landing, the pilot's confirmation, the hour limit.
#include <gtest/gtest.h>

#include <string>

#include "driver.h"
#include "instrument/airdata.h"
#include "instrument/flight_timer.h"
#include "instrument/home.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "shell/core/run_loop.h"

namespace {

class InstrumentTimer : public ::testing::Test {
  protected:
    HeadlessSession s;
    std::string err;
    void Cmd(const std::string& line) { ASSERT_TRUE(HeadlessCommand(s, line, err)) << err; }
    void SetUp() override {
        Cmd("asi 0");
        Cmd("on");
        AirData.AsiFilterAcc = 0;
        HomePage = 0;
        Settings.AsiFilter = 0;
        Cmd("frames 1");
    }
};

// Readings that give exactly the default take-off speed, and one mph less.
const char* const AtTakeoff = "asi 43";    // sqrt(21 * 43) = 30
const char* const BelowTakeoff = "asi 42"; // sqrt(21 * 42) = 29

TEST_F(InstrumentTimer, DetectStartsAtTakeoffSpeedAndStopsAfterThirtyStepsBelow) {
    Settings.TimerMode = 1;
    Cmd(BelowTakeoff);
    Cmd("ticks 5");
    EXPECT_EQ(FlightTimer.Running, 0);

    Cmd(AtTakeoff);
    Cmd("ticks 1");
    EXPECT_EQ(FlightTimer.Running, 1);
    EXPECT_EQ(FlightTimer.Seconds, 1); // the starting step counts
    EXPECT_EQ(FlightTimer.LandingCountdown, 30);

    Cmd(BelowTakeoff);
    Cmd("ticks 29");
    EXPECT_EQ(FlightTimer.Running, 1);
    EXPECT_EQ(FlightTimer.LandingCountdown, 1);
    Cmd(AtTakeoff); // a touch-and-go reloads the countdown
    Cmd("ticks 1");
    Cmd(BelowTakeoff);
    Cmd("ticks 29");
    EXPECT_EQ(FlightTimer.Running, 1);
    Cmd("ticks 1");
    EXPECT_EQ(FlightTimer.Running, 0);
    // 1 + 29 + 1 + 29 counted steps; the stopping step does not count.
    EXPECT_EQ(FlightTimer.Minutes * 60 + FlightTimer.Seconds, 60);
    Cmd("ticks 10");
    EXPECT_EQ(FlightTimer.Minutes * 60 + FlightTimer.Seconds, 60); // the time is kept

    Cmd(AtTakeoff); // a new flight starts from 0
    Cmd("ticks 1");
    EXPECT_EQ(FlightTimer.Running, 1);
    EXPECT_EQ(FlightTimer.Minutes * 60 + FlightTimer.Seconds, 1);
}

TEST_F(InstrumentTimer, ManualIgnoresTheAirspeedAndRunsThroughTheConfirmation) {
    Cmd(AtTakeoff);
    Cmd("ticks 3");
    EXPECT_EQ(FlightTimer.Running, 0);

    Cmd("left");
    EXPECT_EQ(CurrentScreen, FlightConfirmScreen);
    Cmd("right"); // YES
    EXPECT_EQ(CurrentScreen, HomeScreen);
    EXPECT_EQ(FlightTimer.Running, 1);
    EXPECT_EQ(FlightTimer.Seconds, 0); // counts from the next step
    Cmd("asi 1000");                   // cruising, clear of the stall alarm
    Cmd("ticks 100");
    EXPECT_EQ(FlightTimer.Running, 1);
    EXPECT_EQ(FlightTimer.Minutes, 1);
    EXPECT_EQ(FlightTimer.Seconds, 40);

    Cmd("left");
    Cmd("right");
    EXPECT_EQ(FlightTimer.Running, 0);
    EXPECT_EQ(FlightTimer.Minutes, 1); // the flight time stays shown

    Cmd("left");
    Cmd("right");
    EXPECT_EQ(FlightTimer.Running, 1);
    EXPECT_EQ(FlightTimer.Minutes + FlightTimer.Seconds, 0); // a start clears it
}

TEST_F(InstrumentTimer, EveryInputButYesCancelsTheConfirmation) {
    const char* inputs[] = {"left", "knob", "+", "-"};
    const uint8_t running[] = {0, 1};
    for (uint8_t r : running)
        for (const char* input : inputs) {
            SetUp();
            Cmd("asi 1000");
            FlightTimer.Running = r;
            FlightTimer.Minutes = 12;
            Cmd("left");
            ASSERT_EQ(CurrentScreen, FlightConfirmScreen);
            Cmd(input);
            EXPECT_EQ(CurrentScreen, HomeScreen) << input;
            EXPECT_EQ(FlightTimer.Running, r) << input;
            EXPECT_EQ(FlightTimer.Minutes, 12) << input;
            EXPECT_EQ(Settings.BaroSetting, 1013250u) << input;
            EXPECT_EQ(PendingEvent, EvNone);
        }
}

TEST_F(InstrumentTimer, HoursHoldAtNinetyNineWhileMinutesGoRound) {
    const struct {
        uint8_t h, m, s;
        uint8_t h2, m2, s2;
    } cases[] = {
        {0, 0, 59, 0, 1, 0},
        {0, 59, 59, 1, 0, 0},
        {99, 59, 59, 99, 0, 0},
        {99, 0, 0, 99, 0, 1},
    };
    for (const auto& c : cases) {
        SetUp();
        FlightTimer = {1, 0, c.s, c.m, c.h};
        Cmd("ticks 1");
        EXPECT_EQ(FlightTimer.Hours, c.h2);
        EXPECT_EQ(FlightTimer.Minutes, c.m2);
        EXPECT_EQ(FlightTimer.Seconds, c.s2);
    }
}

TEST_F(InstrumentTimer, TakeoffSpeedZeroStartsAtOnceAndNeverLands) {
    Settings.TimerMode = 1;
    Settings.TakeoffSpeed = 0;
    Cmd("ticks 1");
    EXPECT_EQ(FlightTimer.Running, 1);
    Cmd("ticks 100");
    EXPECT_EQ(FlightTimer.Running, 1);
}

TEST_F(InstrumentTimer, ManualStartThenDetectNeedsATakeoffBeforeItCanLand) {
    FlightTimer.Running = 1; // as YES on START FLIGHT? leaves it
    Settings.TimerMode = 1;
    Cmd(BelowTakeoff);
    Cmd("ticks 50");
    EXPECT_EQ(FlightTimer.Running, 1); // countdown still 0 from power-on
    Cmd(AtTakeoff);
    Cmd("ticks 1");
    Cmd(BelowTakeoff);
    Cmd("ticks 30");
    EXPECT_EQ(FlightTimer.Running, 0);
}

} // namespace
