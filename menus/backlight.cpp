// BACKLIGHT: a manual level, or automatic dimming by the light sensor between DIM and BRIGHT.
#include <cstdio>

#include "graphics/framebuffer.h"
#include "graphics/furniture.h"
#include "graphics/text.h"
#include "instrument/airdata.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

namespace {

constexpr uint8_t BacklightModeEntry = 0;
constexpr uint8_t ThresholdEntry = 1;
constexpr uint8_t DimEntry = 2;
constexpr uint8_t BrightEntry = 3;
constexpr uint8_t AutoLastEntry = 3;

constexpr uint16_t ThresholdMin = 100;
constexpr uint16_t ThresholdMax = 4000;
constexpr uint8_t PercentMin = 10;
constexpr uint8_t PercentMax = 100;
constexpr uint8_t PercentStep = 10;

uint8_t PercentUp(uint8_t value) {
    return value < PercentMax - PercentStep ? uint8_t(value + PercentStep) : PercentMax;
}

uint8_t PercentDown(uint8_t value) {
    return value > PercentMin + PercentStep ? uint8_t(value - PercentStep) : PercentMin;
}

// THRESHOLD wraps round its range rather than stopping at an end.
void StepThreshold(bool up) {
    const int32_t value = Settings.BacklightThreshold;
    const int32_t step = MenuState.EditStep;
    if (up)
        Settings.BacklightThreshold =
            value + step <= ThresholdMax ? uint16_t(value + step) : ThresholdMin;
    else
        Settings.BacklightThreshold =
            value - step >= ThresholdMin ? uint16_t(value - step) : ThresholdMax;
}

void EditEntry(bool up) {
    switch (MenuState.Cursor) {
    case BacklightModeEntry:
        Settings.BacklightMode = Settings.BacklightMode == 0 ? 1 : 0;
        break;
    case ThresholdEntry:
        StepThreshold(up);
        break;
    case DimEntry:
        Settings.BacklightDim =
            up ? PercentUp(Settings.BacklightDim) : PercentDown(Settings.BacklightDim);
        break;
    case BrightEntry:
        Settings.BacklightBright =
            up ? PercentUp(Settings.BacklightBright) : PercentDown(Settings.BacklightBright);
        break;
    default:
        break;
    }
}

// Outside edit mode the knob sets the level in MANUAL and walks the entries in AUTO.
void Turn(bool up) {
    if (Settings.BacklightMode == 0) {
        Settings.BacklightLevel =
            up ? PercentUp(Settings.BacklightLevel) : PercentDown(Settings.BacklightLevel);
    } else if (up) {
        MenuState.Cursor = MenuState.Cursor >= AutoLastEntry ? 0 : MenuState.Cursor + 1;
    } else {
        MenuState.Cursor = MenuState.Cursor == 0 ? AutoLastEntry : MenuState.Cursor - 1;
    }
    MenuState.EditStep = 100;
}

void DrawLevelBar() {
    const uint16_t right = uint16_t(9 + 14 * Settings.BacklightLevel / 10);
    FillRect(10, 85, right, 97, ClrRed);
    DrawRect(10, 85, 150, 97, ClrWhite);
}

} // namespace

void BacklightScreen() {
    const uint8_t mode = Settings.BacklightMode != 0 ? 1 : 0;
    DrawMenuRow(BacklightModeEntry, "BACKLIGHT: ", BacklightModeText[mode]);

    if (mode == 0) {
        DrawHeader("BACKLIGHT", "");
        DrawText(80, 41, "USE THE ROTARY", 8, AlignCentre, ClrWhite);
        DrawText(80, 54, "CONTROL TO ADJUST", 8, AlignCentre, ClrWhite);
        DrawText(80, 67, "THE BACKLIGHT", 8, AlignCentre, ClrWhite);
        DrawLevelBar();
    } else {
        char text[16];
        snprintf(text, sizeof text, "ADC: %d", AirData.LightAdc);
        DrawHeader("BACKLIGHT", text);

        snprintf(text, sizeof text, "%d", Settings.BacklightThreshold);
        DrawMenuRow(ThresholdEntry, "THRESHOLD: ", text);
        if (MenuState.Cursor == ThresholdEntry)
            DrawText(134, 104, MenuState.EditStep == 100 ? "X100" : "X1000", 8, AlignCentre,
                     ClrWhite);
        snprintf(text, sizeof text, "%d%%", Settings.BacklightDim);
        DrawMenuRow(DimEntry, "DIM: ", text);
        snprintf(text, sizeof text, "%d%%", Settings.BacklightBright);
        DrawMenuRow(BrightEntry, "BRIGHT: ", text);
    }
    DrawFooter(FooterBack);

    switch (PendingEvent) {
    case EvKnobPress:
        MenuState.EditMode = MenuState.EditMode == 0 ? 1 : 0;
        break;
    case EvKnobUp:
    case EvKnobDown:
        if (MenuState.EditMode == 0)
            Turn(PendingEvent == EvKnobUp);
        else
            EditEntry(PendingEvent == EvKnobUp);
        break;
    case EvRightKey:
        if (MenuState.Cursor == ThresholdEntry)
            MenuState.EditStep = MenuState.EditStep == 100 ? 1000 : 100;
        break;
    case EvLeftKey:
        CurrentScreen = MiscSetupScreen;
        ResetMenuState(0);
        break;
    default:
        break;
    }
    PendingEvent = EvNone;
}
