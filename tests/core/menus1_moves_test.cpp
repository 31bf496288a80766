// The moves between the main menu, the altitude, VSI, ASI and timer lists and their pages,
// driven through the bezel: where each key lands, with which entry selected, and which store
// hook it calls on the way.
#include "menus1_support.h"

namespace {

using namespace menus1;

struct MoveCase {
    const char* name;
    int mainMenuEntry; // the list opened first
    std::initializer_list<std::string> setUp;
    std::initializer_list<std::string> keys; // the move itself
    ScreenHandler to;
    uint8_t cursor;
    uint32_t calibrationSaves; // SaveCalibration calls made by the keys
};

// SERIAL OUT on through the list itself, then the cursor onto TEST ALT ENCODER.
#define SERIAL_ON_AT_TEST "-", "knob", "+", "knob", "+", "+"

TEST(Menus1Moves, EachKeyLandsOnItsScreenWithItsEntrySelected) {
    const MoveCase cases[] = {
        {"ALT SETUP knob on TEST ALT ENCODER",
         0,
         {SERIAL_ON_AT_TEST},
         {"knob"},
         EncoderWarningScreen,
         7,
         0},
        {"ALT SETUP BACK", 0, {"+", "+"}, {"left"}, MainMenuScreen, 0, 1},
        {"warning knob", 0, {SERIAL_ON_AT_TEST, "knob"}, {"knob"}, TestAltitudeScreen, 7, 0},
        {"warning BACK", 0, {SERIAL_ON_AT_TEST, "knob"}, {"left"}, AltSetupScreen, 7, 0},
        {"test BACK", 0, {SERIAL_ON_AT_TEST, "knob", "knob"}, {"left"}, AltSetupScreen, 7, 0},
        {"VSI SETUP BACK", 1, {"+"}, {"left"}, MainMenuScreen, 1, 1},
        {"ASI SETUP knob on ZERO ASI SENSOR", 2, {}, {"knob"}, ZeroAsiScreen, 0, 0},
        {"ASI SETUP BACK", 2, {"-", "-"}, {"left"}, MainMenuScreen, 2, 1},
        {"ZERO ASI NO", 2, {"knob"}, {"left"}, AsiSetupScreen, 0, 0},
        {"ZERO ASI knob", 2, {"knob"}, {"knob"}, ZeroAsiScreen, 0, 0},
        {"ZERO ASI YES", 2, {"knob"}, {"right"}, DoneScreen, 0, 1},
        {"DONE after ZERO ASI", 2, {"knob", "right"}, {"+"}, AsiSetupScreen, 0, 0},
        {"TIMERS SETUP BACK", 3, {"-"}, {"left"}, MainMenuScreen, 3, 0},
    };
    for (const MoveCase& c : cases) {
        HeadlessSession s;
        OpenSetup(s, c.mainMenuEntry);
        Drive(s, c.setUp);
        const uint32_t saves = SaveCalibrationCalls;
        Drive(s, c.keys);
        EXPECT_EQ(ScreenName(CurrentScreen), ScreenName(c.to)) << c.name;
        EXPECT_EQ(MenuState.Cursor, c.cursor) << c.name;
        EXPECT_EQ(SaveCalibrationCalls - saves, c.calibrationSaves) << c.name;
        if (c.to == MainMenuScreen || c.to == AsiSetupScreen) {
            EXPECT_EQ(MenuState.EditMode, 0) << c.name;
            EXPECT_EQ(MenuState.TopRow, 0) << c.name;
            EXPECT_EQ(MenuState.EditStep, 1) << c.name;
        }
    }
}

TEST(Menus1Moves, TheMainMenuOpensEveryListOnItsFirstEntry) {
    const ScreenHandler opens[6] = {AltSetupScreen,   VsiSetupScreen,  AsiSetupScreen,
                                    TimerSetupScreen, MiscSetupScreen, AdcValuesScreen};
    for (int entry = 0; entry < 6; ++entry) {
        HeadlessSession s;
        OpenMainMenu(s);
        Repeat(s, "+", entry);
        // State a list left behind must not reach the next one.
        MenuState.TopRow = 3;
        MenuState.EditMode = 1;
        MenuState.EditStep = 100;
        Drive(s, {"knob"});
        EXPECT_EQ(ScreenName(CurrentScreen), ScreenName(opens[entry])) << entry;
        EXPECT_EQ(MenuState.Cursor, 0) << entry;
        EXPECT_EQ(MenuState.TopRow, 0) << entry;
        EXPECT_EQ(MenuState.EditMode, 0) << entry;
        EXPECT_EQ(MenuState.EditStep, 1) << entry;
    }
}

TEST(Menus1Moves, BackFromEachListShowsThatListInTheMainMenu) {
    for (int entry = 0; entry < 4; ++entry) {
        HeadlessSession s;
        OpenSetup(s, entry);
        Drive(s, {"left", "frames 1"});
        ASSERT_EQ(ScreenName(CurrentScreen), "MainMenuScreen") << entry;
        EXPECT_EQ(MenuState.Cursor, entry);
        // The ring goes on from the entry that was left.
        Drive(s, {"+"});
        EXPECT_EQ(MenuState.Cursor, (entry + 1) % 6);
    }
}

TEST(Menus1Moves, ExitStoresTheSettingsAndShowsTheFlightDisplayNextFrame) {
    HeadlessSession s;
    OpenMainMenu(s);
    Drive(s, {"+", "+"});
    const uint32_t saves = SaveSettingsCalls;
    Drive(s, {"left"});
    EXPECT_EQ(SaveSettingsCalls - saves, 1u);
    EXPECT_EQ(ScreenName(CurrentScreen), "HomeScreen");
    EXPECT_EQ(MenuState.Cursor, 0);
    EXPECT_EQ(MenuState.EditStep, 1);
}

TEST(Menus1Moves, TheRightKeyOnTheMainMenuIsConsumedAndForgotten) {
    HeadlessSession s;
    OpenMainMenu(s);
    Drive(s, {"+", "right"});
    EXPECT_EQ(PendingEvent, EvNone);
    EXPECT_EQ(MenuState.Cursor, 1);
    Drive(s, {"knob", "frames 1"});
    EXPECT_EQ(ScreenName(CurrentScreen), "VsiSetupScreen");
    EXPECT_EQ(MenuState.Cursor, 0) << "the right key must not move the opened list";
}

TEST(Menus1Moves, AnEditedValueStaysWhenTheListIsLeftWhileEditing) {
    HeadlessSession s;
    OpenSetup(s, 1);
    Drive(s, {"-", "knob", "+", "+", "left"}); // VSI CAL 100 -> 102, still editing
    EXPECT_EQ(ScreenName(CurrentScreen), "MainMenuScreen");
    EXPECT_EQ(Calibration.VsiCal, 102);
    EXPECT_EQ(MenuState.EditMode, 0);
}

} // namespace
