// The home screen's bezel: pages, baro setting, the menu and the flight timer's key.
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

class InstrumentHome : public ::testing::Test {
  protected:
    HeadlessSession s;
    std::string err;
    void Cmd(const std::string& line) { ASSERT_TRUE(HeadlessCommand(s, line, err)) << err; }
    void Repeat(const std::string& line, int times) {
        for (int i = 0; i < times; ++i) Cmd(line);
    }
    void SetUp() override {
        Cmd("asi 0");
        Cmd("on");
        AirData.AsiFilterAcc = 0;
        HomePage = 0;
        MenuState.Cursor = 4;
        MenuState.EditMode = 1;
    }
};

TEST_F(InstrumentHome, BaroStepsStopBeforeTheExclusiveLimitsAndEveryTurnStores) {
    const struct {
        uint8_t unit;
        uint32_t start;
        const char* turn;
        int turns;
        uint32_t end;
    } cases[] = {
        {0, 1013250, "+", 100, 1079250}, {0, 1013250, "-", 100, 941250},
        {1, 1013250, "+", 300, 1080174}, {1, 1013250, "-", 300, 940580},
        {0, 1079250, "+", 1, 1079250},   {0, 1079250, "-", 1, 1078250},
        {1, 1079250, "+", 1, 1079588},   {1, 1079250, "+", 2, 1079926},
        {1, 1079250, "+", 3, 1079926},   {1, 1013250, "+", 1, 1013588},
    };
    for (const auto& c : cases) {
        SetUp();
        Settings.PressureUnit = c.unit;
        Settings.BaroSetting = c.start;
        const uint32_t stores = SaveSettingsCalls;
        Repeat(c.turn, c.turns);
        EXPECT_EQ(Settings.BaroSetting, c.end)
            << int(c.unit) << " from " << c.start << " " << c.turns << " x " << c.turn;
        EXPECT_EQ(SaveSettingsCalls, stores + uint32_t(c.turns));
    }
}

TEST_F(InstrumentHome, RightKeyStepsThroughThePagesAndTheBaroWorksOnEach) {
    const uint8_t pages[] = {1, 2, 0, 1};
    for (uint8_t page : pages) {
        Cmd("right");
        EXPECT_EQ(HomePage, page);
        EXPECT_EQ(CurrentScreen, HomeScreen);
    }
    Cmd("+");
    EXPECT_EQ(Settings.BaroSetting, 1014250u);
}

TEST_F(InstrumentHome, LeftKeyAsksAboutTheFlightInManualAndResetsTheMaximumOnPageTwo) {
    const struct {
        uint8_t page, mode;
        ScreenHandler next;
        bool reset;
    } cases[] = {
        {0, 0, FlightConfirmScreen, false}, {1, 0, FlightConfirmScreen, false},
        {0, 1, HomeScreen, false},          {1, 1, HomeScreen, false},
        {2, 0, HomeScreen, true},           {2, 1, HomeScreen, true},
    };
    for (const auto& c : cases) {
        SetUp();
        HomePage = c.page;
        Settings.TimerMode = c.mode;
        MaxAirspeed = 120;
        const uint32_t stores = SaveMaxValuesCalls;
        Cmd("left");
        EXPECT_EQ(CurrentScreen, c.next) << "page " << int(c.page) << " mode " << int(c.mode);
        EXPECT_EQ(MaxAirspeed, c.reset ? 0 : 120);
        EXPECT_EQ(SaveMaxValuesCalls, stores + (c.reset ? 1u : 0u));
        EXPECT_EQ(PendingEvent, EvNone);
    }
}

TEST_F(InstrumentHome, ResetMaximumIsRaisedAgainByTheNextFrame) {
    Settings.AsiFilter = 0;
    HomePage = 2;
    Cmd("asi 1000");
    Cmd("frames 1");
    EXPECT_EQ(MaxAirspeed, 144);
    Cmd("asi 200");
    Cmd("left");
    EXPECT_EQ(MaxAirspeed, 0);
    Cmd("frames 1");
    EXPECT_EQ(MaxAirspeed, 64);
}

TEST_F(InstrumentHome, KnobPressOpensTheMenuOrTheCodeScreenWhenSecured) {
    Cmd("knob");
    EXPECT_EQ(CurrentScreen, MainMenuScreen);
    EXPECT_EQ(MenuState.Cursor, 0);
    EXPECT_EQ(MenuState.EditMode, 0);

    SetUp();
    Settings.SecurityEnabled = 1;
    for (uint8_t& d : CodeDigits) d = 7;
    Cmd("knob");
    EXPECT_EQ(CurrentScreen, MenuCodeScreen);
    EXPECT_EQ(MenuState.Cursor, 0);
    EXPECT_EQ(MenuState.EditMode, 0);
    for (uint8_t d : CodeDigits) EXPECT_EQ(d, 0);
}

TEST_F(InstrumentHome, AnUnacknowledgedAlarmSwallowsTheFirstInputOfAnyKind) {
    const char* inputs[] = {"left", "right", "knob", "+", "-"};
    for (const char* input : inputs) {
        SetUp();
        Settings.AsiFilter = 0;
        Cmd("asi 4096");
        Cmd("frames 1");
        Cmd(input);
        EXPECT_EQ(AlarmAcknowledged & AirspeedAlarmBit, AirspeedAlarmBit) << input;
        EXPECT_EQ(CurrentScreen, HomeScreen) << input;
        EXPECT_EQ(HomePage, 0) << input;
        EXPECT_EQ(Settings.BaroSetting, 1013250u) << input;
        EXPECT_EQ(PendingEvent, EvNone) << input;
    }
}

} // namespace
