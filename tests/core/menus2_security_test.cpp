// The security lock in front of the main menu and the change of code, through the bezel.
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>

#include "driver.h"
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

// Four digits through the knob: each one turned up from 0, then pressed.
void EnterCode(HeadlessSession& s, const char* digits) {
    for (const char* d = digits; *d != '\0'; ++d) {
        for (int i = 0; i < *d - '0'; ++i) Press(s, {"+"});
        Press(s, {"knob"});
    }
}

std::string Digits(uint16_t code) {
    char text[8];
    snprintf(text, sizeof text, "%04u", unsigned(code));
    return text;
}

// Power-on with the lock switched on, on the flight display.
void PowerOnLocked(HeadlessSession& s, uint16_t storedCode) {
    Press(s, {"on"});
    HomePage = 0;
    Settings.SecurityEnabled = 1;
    Settings.SecurityCode = storedCode;
}

// SECURITY SETUP with the lock on and CHANGE CODE selected.
void StartOnChangeCode(HeadlessSession& s, uint16_t storedCode) {
    PowerOnLocked(s, storedCode);
    CurrentScreen = SecuritySetupScreen;
    ResetMenuState(1);
}

void ExpectOn(ScreenHandler screen, uint8_t cursor, const std::string& what) {
    EXPECT_EQ(ScreenName(CurrentScreen), ScreenName(screen)) << what;
    EXPECT_EQ(MenuState.Cursor, cursor) << what;
}

TEST(Menus2Security, SwitchedOnInSetupItLocksTheMainMenuBehindTheFactoryCode) {
    HeadlessSession s;
    Press(s, {"on"});
    HomePage = 0;
    EXPECT_EQ(Settings.SecurityEnabled, 0);
    // Home -> MAIN MENU -> MISC SETUP -> SECURITY SETUP.
    Press(s, {"knob", "+", "+", "+", "+", "knob", "+", "knob", "frames 1"});
    ExpectOn(SecuritySetupScreen, 0, "SECURITY SETUP");

    Press(s, {"+", "-"}); // only one entry while security is off
    EXPECT_EQ(MenuState.Cursor, 0);
    Press(s, {"knob", "+"});
    EXPECT_EQ(Settings.SecurityEnabled, 1);
    EXPECT_EQ(MenuState.Cursor, 0);
    Press(s, {"knob", "+"}); // CHANGE CODE is there at once
    EXPECT_EQ(MenuState.Cursor, 1);
    Press(s, {"-"});
    EXPECT_EQ(MenuState.Cursor, 0);

    Press(s, {"left", "left", "left", "frames 1"});
    ExpectOn(HomeScreen, 0, "home");
    CodeDigits[2] = 5;
    Press(s, {"knob"});
    ExpectOn(MenuCodeScreen, 0, "the lock");
    EXPECT_EQ(CodeDigits[2], 0);

    EnterCode(s, Digits(FactorySecurityCode).c_str());
    ExpectOn(MainMenuScreen, 0, "factory code");
    for (uint8_t digit : CodeDigits) EXPECT_EQ(digit, 0);
}

TEST(Menus2Security, LockOpensForTheStoredOrTheMasterCodeOnly) {
    const struct {
        uint16_t stored;
        const char* entered;
        bool opens;
    } cases[] = {
        {4321, "4321", true},  {4321, "8359", true}, {0, "8359", true},  {4321, "4322", false},
        {4321, "1234", false}, {7, "0007", true},    {7, "7000", false}, {8359, "8359", true},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        PowerOnLocked(s, c.stored);
        Press(s, {"knob"});
        EnterCode(s, c.entered);
        const std::string what = std::string(c.entered) + " with " + std::to_string(c.stored);
        if (c.opens) {
            ExpectOn(MainMenuScreen, 0, what);
            continue;
        }
        ExpectOn(CodeResultScreen, 3, what);
        EXPECT_EQ(PendingCode, 0) << what;
        EXPECT_EQ(ScreenName(ReturnScreen), "HomeScreen") << what;
        EXPECT_EQ(CodeDigits[0], c.entered[0] - '0') << "digits stay as entered";
        Press(s, {"frames 5", "right"});
        EXPECT_EQ(ScreenName(CurrentScreen), "HomeScreen") << what;
        EXPECT_EQ(HomePage, 0) << "the key went to the message, not to the home page";
    }
}

TEST(Menus2Security, ExitOnTheLockGoesHomeWithoutAMessage) {
    HeadlessSession s;
    PowerOnLocked(s, 4321);
    Press(s, {"knob", "+", "knob", "left"});
    EXPECT_EQ(ScreenName(CurrentScreen), "HomeScreen");
    Press(s, {"knob"}); // and the next attempt starts afresh
    ExpectOn(MenuCodeScreen, 0, "again");
    for (uint8_t digit : CodeDigits) EXPECT_EQ(digit, 0);
}

TEST(Menus2Security, DigitsWrapTheCursorOnlyMovesForwardAndTheRightKeyDoesNothing) {
    HeadlessSession s;
    PowerOnLocked(s, 4321);
    Press(s, {"knob", "-"});
    EXPECT_EQ(CodeDigits[0], 9);
    Press(s, {"+"});
    EXPECT_EQ(CodeDigits[0], 0);
    Press(s, {"-", "right"});
    ExpectOn(MenuCodeScreen, 0, "right key");
    EXPECT_EQ(CodeDigits[0], 9);
    Press(s, {"knob", "+", "+", "right", "knob"});
    ExpectOn(MenuCodeScreen, 2, "third digit");
    EXPECT_EQ(CodeDigits[0], 9);
    EXPECT_EQ(CodeDigits[1], 2);
    Press(s, {"-", "-"});
    EXPECT_EQ(CodeDigits[1], 2);
    EXPECT_EQ(CodeDigits[2], 8);
}

TEST(Menus2Security, ChangeWithAMatchingConfirmationStoresTheNewCode) {
    HeadlessSession s;
    StartOnChangeCode(s, 4321);
    Press(s, {"knob"});
    ExpectOn(SetupCodeScreen, 0, "CHANGE CODE");
    EXPECT_EQ(ScreenName(ReturnScreen), "SecuritySetupScreen");

    EnterCode(s, "4321");
    ExpectOn(NewCodeScreen, 0, "current code accepted");
    for (uint8_t digit : CodeDigits) EXPECT_EQ(digit, 0);
    EnterCode(s, "0042");
    ExpectOn(ConfirmCodeScreen, 0, "new code entered");
    EXPECT_EQ(PendingCode, 42);
    EXPECT_EQ(Settings.SecurityCode, 4321);
    EnterCode(s, "0042");
    ExpectOn(CodeResultScreen, 1, "confirmed");
    EXPECT_EQ(PendingCode, 1);
    EXPECT_EQ(Settings.SecurityCode, 42);

    Press(s, {"-", "frames 1"});
    ExpectOn(SecuritySetupScreen, 1, "back on SECURITY SETUP");
    EXPECT_EQ(MenuState.EditMode, 0);

    // The leading zeros are part of the code from now on.
    Press(s, {"left", "left", "left", "knob"});
    EnterCode(s, "4200");
    EXPECT_EQ(ScreenName(CurrentScreen), "CodeResultScreen");
    Press(s, {"knob", "knob"});
    EnterCode(s, "0042");
    EXPECT_EQ(ScreenName(CurrentScreen), "MainMenuScreen");
}

TEST(Menus2Security, ChangeWithAnotherConfirmationKeepsTheOldCode) {
    HeadlessSession s;
    StartOnChangeCode(s, 4321);
    Press(s, {"knob"});
    EnterCode(s, "8359"); // the master code passes the current-code step
    ExpectOn(NewCodeScreen, 0, "master code");
    EnterCode(s, "1111");
    EnterCode(s, "1112");
    ExpectOn(CodeResultScreen, 1, "mismatch");
    EXPECT_EQ(PendingCode, 0);
    EXPECT_EQ(Settings.SecurityCode, 4321);
    Press(s, {"left", "frames 1"});
    ExpectOn(SecuritySetupScreen, 1, "back on SECURITY SETUP");
}

TEST(Menus2Security, WrongCurrentCodeEndsTheChangeAtCodeError) {
    HeadlessSession s;
    StartOnChangeCode(s, 4321);
    Press(s, {"knob"});
    EnterCode(s, "1234");
    ExpectOn(CodeResultScreen, 1, "refused");
    EXPECT_EQ(PendingCode, 0);
    EXPECT_EQ(ScreenName(ReturnScreen), "SecuritySetupScreen");
    Press(s, {"+", "frames 1"});
    ExpectOn(SecuritySetupScreen, 1, "back on SECURITY SETUP");
    EXPECT_EQ(Settings.SecurityCode, 4321);
}

TEST(Menus2Security, BackFromEachStepReturnsToChangeCodeWithNothingStored) {
    const char* const before[] = {"", "4321", "43219876"}; // digits entered before BACK
    for (const char* entered : before) {
        HeadlessSession s;
        StartOnChangeCode(s, 4321);
        Press(s, {"knob"});
        for (const char* d = entered; *d != '\0'; d += 4) EnterCode(s, std::string(d, 4).c_str());
        Press(s, {"+", "knob", "left"}); // BACK halfway through the digits
        const std::string what = std::string("after '") + entered + "'";
        ExpectOn(SecuritySetupScreen, 1, what);
        EXPECT_EQ(PendingCode, 0) << what;
        EXPECT_EQ(MenuState.EditMode, 0) << what;
        EXPECT_EQ(Settings.SecurityCode, 4321) << what;
    }
}

} // namespace
