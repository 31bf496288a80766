// What the misc and security pages show: their texts, at their places, in their colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "driver.h"
#include "graphics/framebuffer.h"
#include "graphics/text.h"
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

void StartOn(HeadlessSession& s, ScreenHandler screen, uint8_t cursor) {
    Press(s, {"on"});
    HomePage = 0;
    AirData.AltSensorFitted = 0;
    AirData.LightAdc = 0;
    CurrentScreen = screen;
    ResetMenuState(cursor);
}

// The text, drawn alone, lights only pixels that the frame shows in the same colour.
::testing::AssertionResult Shows(int x, int y, const char* text, FontId font, TextAlign align,
                                 ColorIndex colour) {
    const std::vector<ColorIndex> frame(FrameBuffer, FrameBuffer + ScreenWidth * ScreenHeight);
    ClearFrame();
    DrawText(uint16_t(x), uint16_t(y), text, font, align, colour);
    const std::vector<ColorIndex> alone(FrameBuffer, FrameBuffer + ScreenWidth * ScreenHeight);
    std::copy(frame.begin(), frame.end(), FrameBuffer);

    int lit = 0;
    for (size_t i = 0; i < alone.size(); ++i) {
        if (alone[i] == ClrBlack) continue;
        ++lit;
        if (frame[i] != alone[i])
            return ::testing::AssertionFailure()
                   << "'" << text << "' differs at (" << i % ScreenWidth << ", " << i / ScreenWidth
                   << "): colour " << int(frame[i]) << " instead of " << int(alone[i]);
    }
    if (lit == 0) return ::testing::AssertionFailure() << "'" << text << "' draws nothing";
    return ::testing::AssertionSuccess();
}

bool RegionDark(int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (FrameBuffer[x + y * ScreenWidth] != ClrBlack) return false;
    return true;
}

// Line n of a list starts at y = 26 + 15 n.
int Line(int n) {
    return 26 + 15 * n;
}

TEST(Menus2Drawing, MiscSetupListsItsPagesWithTheSelectedOneRed) {
    HeadlessSession s;
    StartOn(s, MiscSetupScreen, 0);
    Press(s, {"-", "frames 1"});
    EXPECT_TRUE(Shows(158, 0, "MISC", 8, AlignRight, ClrRed));
    EXPECT_TRUE(Shows(158, 11, "SETUP", 8, AlignRight, ClrRed));
    EXPECT_TRUE(Shows(0, Line(0), "BACKLIGHT", 8, AlignLeft, ClrWhite));
    EXPECT_TRUE(Shows(0, Line(1), "SECURITY SETUP", 8, AlignLeft, ClrWhite));
    EXPECT_TRUE(Shows(0, Line(2), "INFORMATION", 8, AlignLeft, ClrWhite));
    EXPECT_TRUE(Shows(0, Line(3), "DEFAULT SETTINGS", 8, AlignLeft, ClrRed));
    EXPECT_TRUE(Shows(26, 104, "BACK", 8, AlignCentre, ClrWhite));
    EXPECT_EQ(FrameBuffer[156 + 64 * ScreenWidth], ClrWhite); // the thumb of the last of four
    EXPECT_EQ(FrameBuffer[153 + 90 * ScreenWidth], ClrWhite);
}

TEST(Menus2Drawing, BacklightManualShowsTheHintAndAutoItsEntriesAndStep) {
    HeadlessSession s;
    StartOn(s, BacklightScreen, 0);
    Press(s, {"frames 1"});
    EXPECT_TRUE(Shows(0, Line(0), "BACKLIGHT: MANUAL", 8, AlignLeft, ClrRed));
    EXPECT_TRUE(Shows(158, 0, "BACKLIGHT", 8, AlignRight, ClrRed));
    EXPECT_TRUE(Shows(80, 41, "USE THE ROTARY", 8, AlignCentre, ClrWhite));
    EXPECT_TRUE(Shows(80, 54, "CONTROL TO ADJUST", 8, AlignCentre, ClrWhite));
    EXPECT_TRUE(Shows(80, 67, "THE BACKLIGHT", 8, AlignCentre, ClrWhite));
    EXPECT_TRUE(RegionDark(100, 14, 159, 23)) << "no second title line in MANUAL";

    AirData.LightAdc = 1234;
    Press(s, {"knob", "+", "frames 1"}); // editing the mode: only the value red
    EXPECT_TRUE(Shows(0, Line(0), "BACKLIGHT: ", 8, AlignLeft, ClrWhite));
    EXPECT_TRUE(Shows(158, 11, "ADC: 1234", 8, AlignRight, ClrRed));
    EXPECT_TRUE(Shows(0, Line(1), "THRESHOLD: 300", 8, AlignLeft, ClrWhite));
    EXPECT_TRUE(Shows(0, Line(2), "DIM: 10%", 8, AlignLeft, ClrWhite));
    EXPECT_TRUE(Shows(0, Line(3), "BRIGHT: 100%", 8, AlignLeft, ClrWhite));
    EXPECT_TRUE(RegionDark(107, 103, 159, 119)) << "no step away from THRESHOLD";

    Press(s, {"knob", "+", "frames 1"});
    EXPECT_TRUE(Shows(0, Line(1), "THRESHOLD: 300", 8, AlignLeft, ClrRed));
    EXPECT_TRUE(Shows(134, 104, "X100", 8, AlignCentre, ClrWhite));
    AirData.LightAdc = 0;
    Press(s, {"right", "frames 1"});
    EXPECT_TRUE(Shows(134, 104, "X1000", 8, AlignCentre, ClrWhite));
    Press(s, {"+", "frames 1"});
    EXPECT_TRUE(RegionDark(107, 103, 159, 119)) << "no step on DIM";
}

TEST(Menus2Drawing, InfoShowsModelFirmwareAndTheSensorOnlyWhenFitted) {
    HeadlessSession s;
    StartOn(s, InfoScreen, 0);
    Press(s, {"frames 1"});
    EXPECT_TRUE(Shows(158, 0, "INFO", 8, AlignRight, ClrRed));
    EXPECT_TRUE(Shows(0, Line(0), "MODEL: KDR-7", 8, AlignLeft, ClrWhite));
    EXPECT_TRUE(Shows(0, Line(1), "FIRMWARE: V1.00", 8, AlignLeft, ClrWhite));
    EXPECT_TRUE(RegionDark(0, Line(2), 159, 101));

    AirData.AltSensorFitted = 1;
    AirData.SensorTemperature = 21.5f;
    AirData.SensorPressure = 1013.25f;
    Press(s, {"frames 1"});
    AirData.AltSensorFitted = 0;
    EXPECT_TRUE(Shows(0, Line(2), "ALT SENSOR: 1", 8, AlignLeft, ClrWhite));
    EXPECT_TRUE(Shows(0, Line(3),
                      "TEMP: 21.5\xB0"
                      "C",
                      8, AlignLeft, ClrWhite));
    EXPECT_TRUE(Shows(0, Line(4), "PRESS: 1013.25mB", 8, AlignLeft, ClrWhite));
}

TEST(Menus2Drawing, ConfirmationAndMessagePages) {
    HeadlessSession s;
    StartOn(s, DefaultSettingsScreen, 0);
    Press(s, {"frames 1"});
    EXPECT_TRUE(Shows(158, 0, "MESSAGE", 8, AlignRight, ClrRed));
    EXPECT_TRUE(Shows(110, 35, "LOAD", 9, AlignCentre, ClrWhite));
    EXPECT_TRUE(Shows(110, 56, "DEFAULT", 9, AlignCentre, ClrWhite));
    EXPECT_TRUE(Shows(110, 77, "SETTINGS?", 9, AlignCentre, ClrWhite));
    EXPECT_TRUE(Shows(26, 104, "NO", 8, AlignCentre, ClrWhite));
    EXPECT_TRUE(Shows(134, 104, "YES", 8, AlignCentre, ClrWhite));
    EXPECT_FALSE(RegionDark(5, 40, 54, 89)) << "the question picture";

    Press(s, {"right", "frames 1"});
    EXPECT_TRUE(Shows(110, 55, "DONE", 16, AlignCentre, ClrWhite));
    EXPECT_FALSE(RegionDark(10, 45, 59, 94)) << "the exclamation picture";
    EXPECT_TRUE(RegionDark(0, 103, 159, 119)) << "no footer";
}

TEST(Menus2Drawing, AdcValuesFollowsTheAirspeedSensorFrameByFrame) {
    HeadlessSession s;
    StartOn(s, AdcValuesScreen, 0);
    Press(s, {"asi 1234", "frames 1"});
    EXPECT_TRUE(Shows(158, 0, "ADC", 8, AlignRight, ClrRed));
    EXPECT_TRUE(Shows(158, 11, "VALUES", 8, AlignRight, ClrRed));
    EXPECT_TRUE(Shows(0, Line(0), "AIRSPEED: 1234 ", 8, AlignLeft, ClrWhite));
    Press(s, {"asi 7", "frames 1"});
    EXPECT_TRUE(Shows(0, Line(0), "AIRSPEED: 7 ", 8, AlignLeft, ClrWhite));
    Press(s, {"asi 0"});
}

TEST(Menus2Drawing, SecuritySetupShowsChangeCodeOnlyWhileOn) {
    HeadlessSession s;
    StartOn(s, SecuritySetupScreen, 0);
    Press(s, {"frames 1"});
    EXPECT_TRUE(Shows(158, 0, "SECURITY", 8, AlignRight, ClrRed));
    EXPECT_TRUE(Shows(158, 11, "SETUP", 8, AlignRight, ClrRed));
    EXPECT_TRUE(Shows(0, Line(0), "SECURITY: OFF", 8, AlignLeft, ClrRed));
    EXPECT_TRUE(RegionDark(0, Line(1), 159, 101)) << "one entry, no scroll bar";

    Press(s, {"knob", "+", "frames 1"});
    EXPECT_TRUE(Shows(0, Line(0), "SECURITY: ", 8, AlignLeft, ClrWhite));
    EXPECT_TRUE(Shows(0, Line(1), "CHANGE CODE", 8, AlignLeft, ClrWhite));
    Press(s, {"knob", "+", "frames 1"});
    EXPECT_TRUE(Shows(0, Line(1), "CHANGE CODE", 8, AlignLeft, ClrRed));
}

TEST(Menus2Drawing, CodeScreensShowPromptDigitsAndTheirFooter) {
    const struct {
        ScreenHandler screen;
        const char* prompt;
        const char* footer;
    } cases[] = {
        {MenuCodeScreen, "ENTER SECURITY", "EXIT"},
        {SetupCodeScreen, "ENTER SECURITY", "BACK"},
        {NewCodeScreen, "ENTER NEW", "BACK"},
        {ConfirmCodeScreen, "CONFIRM NEW", "BACK"},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        StartOn(s, c.screen, 0);
        for (uint8_t& digit : CodeDigits) digit = 0;
        Press(s, {"-", "knob", "+", "+", "frames 1"}); // 9, then 2 under the cursor
        EXPECT_TRUE(Shows(158, 0, "SECURITY", 8, AlignRight, ClrRed)) << c.prompt;
        EXPECT_TRUE(Shows(158, 11, "CODE", 8, AlignRight, ClrRed)) << c.prompt;
        EXPECT_TRUE(Shows(80, 30, c.prompt, 8, AlignCentre, ClrWhite)) << c.prompt;
        EXPECT_TRUE(Shows(80, 45, "CODE", 8, AlignCentre, ClrWhite)) << c.prompt;
        EXPECT_TRUE(Shows(50, 61, "9", 20, AlignCentre, ClrWhite)) << c.prompt;
        EXPECT_TRUE(Shows(70, 61, "2", 20, AlignCentre, ClrRed)) << c.prompt;
        EXPECT_TRUE(Shows(90, 61, "0", 20, AlignCentre, ClrWhite)) << c.prompt;
        EXPECT_TRUE(Shows(110, 61, "0", 20, AlignCentre, ClrWhite)) << c.prompt;
        EXPECT_TRUE(Shows(26, 104, c.footer, 8, AlignCentre, ClrWhite)) << c.prompt;
    }
}

TEST(Menus2Drawing, CodeResultSaysChangedOrError) {
    for (uint16_t outcome : {0, 1}) {
        HeadlessSession s;
        StartOn(s, CodeResultScreen, 0);
        PendingCode = outcome;
        Press(s, {"frames 1"});
        EXPECT_TRUE(Shows(158, 0, "MESSAGE", 8, AlignRight, ClrRed));
        EXPECT_TRUE(Shows(110, 43, "CODE", 10, AlignCentre, ClrWhite));
        EXPECT_TRUE(Shows(110, 63, outcome == 1 ? "CHANGED" : "ERROR", 10, AlignCentre, ClrWhite));
        EXPECT_TRUE(Shows(26, 104, "BACK", 8, AlignCentre, ClrWhite));
        EXPECT_FALSE(RegionDark(5, 40, 54, 89)) << "the exclamation picture";
    }
}

} // namespace
