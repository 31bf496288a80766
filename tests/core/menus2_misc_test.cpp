// MISC SETUP and its pages, ADC VALUES and the DONE message, driven through the bezel.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "driver.h"
#include "graphics/framebuffer.h"
#include "instrument/airdata.h"
#include "instrument/home.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

namespace {

void Press(HeadlessSession& s, std::initializer_list<const char*> commands) {
    for (const char* command : commands) {
        std::string err;
        ASSERT_TRUE(HeadlessCommand(s, command, err)) << command << ": " << err;
    }
}

// Power-on, then straight onto a screen with the given entry selected.
void StartOn(HeadlessSession& s, ScreenHandler screen, uint8_t cursor) {
    Press(s, {"on"});
    HomePage = 0;
    CurrentScreen = screen;
    ResetMenuState(cursor);
}

void ExpectOn(ScreenHandler screen, uint8_t cursor, const std::string& what) {
    EXPECT_EQ(ScreenName(CurrentScreen), ScreenName(screen)) << what;
    EXPECT_EQ(MenuState.Cursor, cursor) << what;
}

TEST(Menus2Moves, EveryMoveLandsOnItsScreenWithTheRightEntrySelected) {
    const struct {
        ScreenHandler from;
        uint8_t cursor;
        std::initializer_list<const char*> keys;
        ScreenHandler to;
        uint8_t toCursor;
    } cases[] = {
        {MiscSetupScreen, 0, {"knob"}, BacklightScreen, 0},
        {MiscSetupScreen, 1, {"knob"}, SecuritySetupScreen, 0},
        {MiscSetupScreen, 2, {"knob"}, InfoScreen, 0},
        {MiscSetupScreen, 3, {"knob"}, DefaultSettingsScreen, 0},
        {MiscSetupScreen, 2, {"left"}, MainMenuScreen, 4},
        {MiscSetupScreen, 2, {"right"}, MiscSetupScreen, 2},
        {BacklightScreen, 0, {"knob", "left"}, MiscSetupScreen, 0},
        {SecuritySetupScreen, 0, {"knob", "left"}, MiscSetupScreen, 1},
        {InfoScreen, 0, {"left"}, MiscSetupScreen, 2},
        {DefaultSettingsScreen, 0, {"left"}, MiscSetupScreen, 3},
        {DefaultSettingsScreen, 0, {"right"}, DoneScreen, 3},
        {DefaultSettingsScreen, 0, {"right", "+"}, MiscSetupScreen, 3},
        {AdcValuesScreen, 0, {"left"}, MainMenuScreen, 5},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        StartOn(s, c.from, c.cursor);
        PendingCode = 7;
        Press(s, c.keys);
        const std::string what = ScreenName(c.from) + " at " + std::to_string(c.cursor) + ", " +
                                 std::to_string(c.keys.size()) + " key(s)";
        ExpectOn(c.to, c.toCursor, what);
        EXPECT_EQ(MenuState.EditMode, 0) << what;
        EXPECT_EQ(MenuState.TopRow, 0) << what;
        EXPECT_EQ(MenuState.EditStep, 1) << what;
        // Only BACKLIGHT opens without a reset of the menu state.
        if (c.to != BacklightScreen && c.to != c.from) { EXPECT_EQ(PendingCode, 0) << what; }
    }
}

TEST(Menus2Moves, FromHomeThroughTheMainMenuAndBack) {
    HeadlessSession s;
    Press(s, {"on"});
    HomePage = 0;
    Press(s, {"knob", "+", "+", "+", "+", "knob", "frames 1"});
    ExpectOn(MiscSetupScreen, 0, "MISC SETUP from the main menu");

    Press(s, {"+", "+", "knob", "frames 1"});
    ExpectOn(InfoScreen, 0, "INFORMATION");
    Press(s, {"left", "frames 1"});
    ExpectOn(MiscSetupScreen, 2, "back from INFO");
    Press(s, {"left", "frames 1"});
    ExpectOn(MainMenuScreen, 4, "back from MISC SETUP");

    Press(s, {"+", "knob", "frames 1"});
    ExpectOn(AdcValuesScreen, 0, "ADC VALUES");
    Press(s, {"left", "frames 1"});
    ExpectOn(MainMenuScreen, 5, "back from ADC VALUES");
    Press(s, {"left", "frames 1"});
    ExpectOn(HomeScreen, 0, "home");
}

TEST(Menus2Misc, KnobWrapsOverTheFourEntries) {
    HeadlessSession s;
    StartOn(s, MiscSetupScreen, 0);
    Press(s, {"-"});
    EXPECT_EQ(MenuState.Cursor, 3);
    Press(s, {"+"});
    EXPECT_EQ(MenuState.Cursor, 0);
    Press(s, {"+", "+"});
    EXPECT_EQ(MenuState.Cursor, 2);
    EXPECT_EQ(MenuState.TopRow, 0);
}

// Columns of the level bar's middle row that are red, inside its white frame.
int RedColumnsOfLevelBar() {
    int red = 0;
    for (int x = 11; x <= 149; ++x) {
        const ColorIndex c = FrameBuffer[x + 91 * ScreenWidth];
        if (c == ClrRed) ++red;
        EXPECT_TRUE(c == ClrRed || c == ClrBlack) << "x " << x;
    }
    EXPECT_EQ(FrameBuffer[10 + 91 * ScreenWidth], ClrWhite);
    EXPECT_EQ(FrameBuffer[150 + 91 * ScreenWidth], ClrWhite);
    EXPECT_EQ(FrameBuffer[80 + 85 * ScreenWidth], ClrWhite);
    EXPECT_EQ(FrameBuffer[80 + 97 * ScreenWidth], ClrWhite);
    return red;
}

TEST(Menus2Backlight, ManualKnobSetsTheLevelBetween10And100) {
    HeadlessSession s;
    StartOn(s, BacklightScreen, 0);
    Press(s, {"frames 1"});
    EXPECT_EQ(RedColumnsOfLevelBar(), 139); // 100 %: the whole inside of the frame

    Press(s, {"+"});
    EXPECT_EQ(Settings.BacklightLevel, 100);
    EXPECT_EQ(MenuState.EditStep, 100);
    EXPECT_EQ(MenuState.EditMode, 0);

    Press(s, {"-"});
    EXPECT_EQ(Settings.BacklightLevel, 90);
    for (int i = 0; i < 9; ++i) Press(s, {"-"});
    EXPECT_EQ(Settings.BacklightLevel, 10);
    Press(s, {"frames 1"});
    EXPECT_EQ(RedColumnsOfLevelBar(), 13);

    Press(s, {"+", "frames 1"});
    EXPECT_EQ(Settings.BacklightLevel, 20);
    EXPECT_EQ(RedColumnsOfLevelBar(), 27); // 9 + 14 * 20 / 10 = 37
    EXPECT_EQ(Settings.BacklightMode, 0);
}

TEST(Menus2Backlight, PressAndTurnSwitchesToAutoWithItsThreeEntries) {
    HeadlessSession s;
    StartOn(s, BacklightScreen, 0);
    Press(s, {"knob", "+"});
    EXPECT_EQ(Settings.BacklightMode, 1);
    EXPECT_EQ(Settings.BacklightLevel, 100); // the turn switched the mode, not the level
    Press(s, {"knob", "frames 1"});
    EXPECT_EQ(MenuState.EditMode, 0);
    for (int y = 85; y <= 97; ++y) // no level bar in AUTO
        EXPECT_EQ(FrameBuffer[100 + y * ScreenWidth], ClrBlack) << "row " << y;

    Press(s, {"-"});
    EXPECT_EQ(MenuState.Cursor, 3);
    Press(s, {"+"});
    EXPECT_EQ(MenuState.Cursor, 0);
    Press(s, {"+", "+", "+"});
    EXPECT_EQ(MenuState.Cursor, 3);

    // Back on MANUAL the knob is the level again.
    Press(s, {"+", "knob", "-", "knob", "-"});
    EXPECT_EQ(Settings.BacklightMode, 0);
    EXPECT_EQ(Settings.BacklightLevel, 90);
}

// AUTO with the cursor on THRESHOLD, editing.
void StartEditingThreshold(HeadlessSession& s, uint16_t threshold) {
    StartOn(s, BacklightScreen, 0);
    Settings.BacklightMode = 1;
    Settings.BacklightThreshold = threshold;
    Press(s, {"+", "knob"});
    ASSERT_EQ(MenuState.Cursor, 1);
    ASSERT_EQ(MenuState.EditMode, 1);
    ASSERT_EQ(MenuState.EditStep, 100);
}

TEST(Menus2Backlight, ThresholdWrapsRoundItsRangeInStepsOf100Or1000) {
    const struct {
        uint16_t start;
        bool x1000;
        const char* key;
        uint16_t expected[4];
    } cases[] = {
        {300, false, "-", {200, 100, 4000, 3900}},
        {3800, false, "+", {3900, 4000, 100, 200}},
        {300, true, "+", {1300, 2300, 3300, 100}},
        {2100, true, "-", {1100, 100, 4000, 3000}},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        StartEditingThreshold(s, c.start);
        if (c.x1000) Press(s, {"right"});
        EXPECT_EQ(MenuState.EditStep, c.x1000 ? 1000 : 100);
        for (uint16_t expected : c.expected) {
            Press(s, {c.key});
            EXPECT_EQ(Settings.BacklightThreshold, expected) << c.start << " " << c.key;
        }
    }
}

TEST(Menus2Backlight, RightKeySwitchesTheStepOnlyOnThreshold) {
    HeadlessSession s;
    StartEditingThreshold(s, 300);
    Press(s, {"right"});
    EXPECT_EQ(MenuState.EditStep, 1000);
    Press(s, {"right"});
    EXPECT_EQ(MenuState.EditStep, 100);
    Press(s, {"right", "knob", "+"}); // a turn outside editing goes back to 100
    EXPECT_EQ(MenuState.Cursor, 2);
    EXPECT_EQ(MenuState.EditStep, 100);

    for (const char* move : {"+", "+", "+"}) { // DIM, BRIGHT, BACKLIGHT
        Press(s, {"right"});
        EXPECT_EQ(MenuState.EditStep, 100) << "entry " << int(MenuState.Cursor);
        EXPECT_EQ(Settings.BacklightMode, 1);
        EXPECT_EQ(Settings.BacklightThreshold, 300);
        Press(s, {move});
    }
    EXPECT_EQ(CurrentScreen, BacklightScreen);
}

TEST(Menus2Backlight, DimAndBrightStopAt10And100) {
    HeadlessSession s;
    StartOn(s, BacklightScreen, 0);
    Settings.BacklightMode = 1;
    Press(s, {"+", "+", "knob", "-"}); // DIM from 10
    EXPECT_EQ(Settings.BacklightDim, 10);
    Press(s, {"+", "+"});
    EXPECT_EQ(Settings.BacklightDim, 30);
    Press(s, {"knob", "+", "knob", "+"}); // BRIGHT from 100
    EXPECT_EQ(Settings.BacklightBright, 100);
    Press(s, {"-", "-"});
    EXPECT_EQ(Settings.BacklightBright, 80);
    Press(s, {"left"});
    EXPECT_EQ(Settings.BacklightDim, 30); // no cancel: the values stay
    EXPECT_EQ(Settings.BacklightBright, 80);
    ExpectOn(MiscSetupScreen, 0, "BACK from BACKLIGHT");
}

TEST(Menus2DefaultSettings, YesLoadsTheDefaultsButKeepsTheCalibration) {
    HeadlessSession s;
    StartOn(s, DefaultSettingsScreen, 0);
    Calibration.AsiZero = 500;
    Calibration.AsiCal = 120;
    Calibration.AltitudeCal = -40;
    MaxAirspeed = 77;
    Settings.SecurityEnabled = 1;
    Settings.SecurityCode = 4321;
    Settings.Vne = 300;
    Settings.BacklightMode = 1;

    Press(s, {"knob", "+", "-"}); // the knob means nothing here
    EXPECT_EQ(CurrentScreen, DefaultSettingsScreen);
    EXPECT_EQ(Settings.Vne, 300);

    Press(s, {"right"}); // loaded in the frame of the key
    EXPECT_EQ(CurrentScreen, DoneScreen);
    EXPECT_EQ(ReturnScreen, MiscSetupScreen);
    EXPECT_EQ(Settings.SecurityEnabled, 0);
    EXPECT_EQ(Settings.SecurityCode, FactorySecurityCode);
    EXPECT_EQ(Settings.Vne, 220);
    EXPECT_EQ(Settings.BacklightMode, 0);
    EXPECT_EQ(MaxAirspeed, 0);
    EXPECT_EQ(Calibration.AsiZero, 500);
    EXPECT_EQ(Calibration.AsiCal, 120);
    EXPECT_EQ(Calibration.AltitudeCal, -40);

    Press(s, {"knob", "frames 1"});
    ExpectOn(MiscSetupScreen, 3, "after DONE");
}

TEST(Menus2Done, AnyEventReturnsAndLeavesTheMenuStateAlone) {
    for (const char* key : {"left", "right", "knob", "+", "-"}) {
        HeadlessSession s;
        StartOn(s, DoneScreen, 0);
        ReturnScreen = AsiSetupScreen;
        MenuState.Cursor = 0;
        MenuState.EditStep = 10;
        Press(s, {"frames 3"});
        EXPECT_EQ(CurrentScreen, DoneScreen) << "stays without an event";
        Press(s, {key});
        EXPECT_EQ(ScreenName(CurrentScreen), "AsiSetupScreen") << key;
        EXPECT_EQ(MenuState.EditStep, 10) << key;
    }
}

TEST(Menus2Info, SensorLinesOnlyWithASensorFitted) {
    HeadlessSession s;
    StartOn(s, InfoScreen, 0);
    AirData.AltSensorFitted = 0;
    Press(s, {"frames 1"});
    for (int y = 56; y < 102; ++y)
        for (int x = 0; x < 150; ++x)
            ASSERT_EQ(FrameBuffer[x + y * ScreenWidth], ClrBlack) << x << "," << y;

    for (const char* key : {"right", "knob", "+", "-"}) Press(s, {key});
    EXPECT_EQ(CurrentScreen, InfoScreen);
}

TEST(Menus2AdcValues, OnlyTheLeftKeyLeaves) {
    HeadlessSession s;
    StartOn(s, AdcValuesScreen, 0);
    for (const char* key : {"right", "knob", "+", "-"}) Press(s, {key});
    EXPECT_EQ(CurrentScreen, AdcValuesScreen);
    Press(s, {"left"});
    ExpectOn(MainMenuScreen, 5, "BACK from ADC VALUES");
}

} // namespace
