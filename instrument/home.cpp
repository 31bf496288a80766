#include "instrument/home.h"

#include <cstdio>
#include <cstdlib>

#include "graphics/framebuffer.h"
#include "graphics/text.h"
#include "instrument/airdata.h"
#include "instrument/flight_timer.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "shell/core/run_loop.h"

uint8_t HomePage;

namespace {

// Baro setting in thousandths of a millibar; both limits are exclusive.
constexpr uint32_t BaroUpperLimit = 1080250;
constexpr uint32_t BaroLowerLimit = 940250;
constexpr uint32_t BaroStepMb = 1000;
constexpr uint32_t BaroStepInches = 338; // just under 0.01 inHg
constexpr double MilliMbPerInch = 33863.0;

constexpr uint8_t VsiBarMax = 55; // chevrons that fit between the centre line and the readout

void BaroStep(bool up) {
    const uint32_t step = Settings.PressureUnit == 1 ? BaroStepInches : BaroStepMb;
    if (up) {
        if (Settings.BaroSetting + step < BaroUpperLimit) Settings.BaroSetting += step;
    } else {
        if (Settings.BaroSetting > BaroLowerLimit + step) Settings.BaroSetting -= step;
    }
    SaveSettings();
}

void OpenMenu() {
    MenuState.Cursor = 0;
    MenuState.EditMode = 0;
    if (Settings.SecurityEnabled == 1) {
        for (uint8_t& digit : CodeDigits) digit = 0;
        CurrentScreen = MenuCodeScreen;
    } else {
        CurrentScreen = MainMenuScreen;
    }
}

void SensorErrorBox() {
    FillRect(16, 17, 145, 88, ClrRed);
    DrawRect(16, 17, 145, 88, ClrWhite);
    DrawText(80, 19, "ALTITUDE", 12, AlignCentre, ClrWhite);
    DrawText(80, 42, "SENSOR", 12, AlignCentre, ClrWhite);
    DrawText(80, 65, "ERROR", 12, AlignCentre, ClrWhite);
}

void FlightDisplay() {
    DrawAltitude();
    DrawBaroSetting();
    DrawAirspeed();
    if (Settings.VsiDisplay == 1) DrawVsiTape();
    if (AirData.AltSensorOk == 0) SensorErrorBox();
}

} // namespace

void HomeScreen() {
    if (HomePage == 0) {
        FlightDisplay();
    } else if (HomePage == 1) {
        TimersPage();
    } else {
        MaxValuesPage();
    }
    if (PendingEvent == EvNone) return;

    // An unacknowledged alarm takes the first input, whatever it was meant for.
    if ((AlarmActive & AirspeedAlarmBit) != 0 && (AlarmAcknowledged & AirspeedAlarmBit) == 0) {
        AlarmAcknowledged |= AirspeedAlarmBit;
        PendingEvent = EvNone;
    }

    switch (PendingEvent) {
    case EvLeftKey:
        if (HomePage == 0 || HomePage == 1) {
            if (Settings.TimerMode == 0) CurrentScreen = FlightConfirmScreen;
        } else {
            ResetMaxAirspeed();
        }
        break;
    case EvRightKey:
        HomePage = HomePage >= 2 ? 0 : uint8_t(HomePage + 1);
        break;
    case EvKnobPress:
        OpenMenu();
        break;
    case EvKnobUp:
        BaroStep(true);
        break;
    case EvKnobDown:
        BaroStep(false);
        break;
    default:
        break;
    }
    PendingEvent = EvNone;
}

void DrawAltitude() {
    char text[16];
    snprintf(text, sizeof text, "%ld", long(AirData.Altitude));
    const char* unit = AltitudeUnitText[Settings.AltitudeUnit == 1 ? 1 : 0];
    const bool upper = Settings.AltitudePosition == 1;
    if (Settings.VsiDisplay == 1) {
        DrawText(160, upper ? 16 : 55, text, 24, AlignRight, ClrWhite);
        DrawText(160, upper ? 58 : 97, unit, 9, AlignRight, ClrGrey);
    } else {
        DrawText(132, upper ? 5 : 48, text, 24, AlignRight, ClrWhite);
        DrawText(145, upper ? 27 : 70, unit, 9, AlignCentre, ClrGrey);
    }
}

void DrawBaroSetting() {
    FillRect(45, 101, 120, 119, ClrBlack);
    DrawRect(45, 101, 120, 119, ClrGrey);
    char text[16];
    if (Settings.PressureUnit == 1) {
        snprintf(text, sizeof text, "%4.2f", double(Settings.BaroSetting) / MilliMbPerInch);
        DrawText(70, 102, text, 9, AlignCentre, ClrWhite);
        DrawText(100, 102, "IN", 8, AlignLeft, ClrGrey);
    } else {
        snprintf(text, sizeof text, "%4u", unsigned(Settings.BaroSetting / 1000));
        DrawText(70, 102, text, 9, AlignCentre, ClrWhite);
        DrawText(97, 102, "mB", 8, AlignLeft, ClrGrey);
    }
}

void DrawAirspeed() {
    uint16_t y;
    if (Settings.AltitudePosition == 1) {
        y = Settings.VsiDisplay == 1 ? 55 : 51;
    } else {
        y = Settings.VsiDisplay == 1 ? 16 : 2;
    }
    const uint16_t v = AirData.Airspeed;
    char text[8];
    snprintf(text, sizeof text, "%u", unsigned(v));

    const bool alarm = v > Settings.Vne || (v < Settings.Vs1 && FlightTimer.Running == 1);
    DrawText(120, y, text, 24, AlignRight, ClrWhite);
    // The box spans the number as just drawn, from one column before its first glyph.
    const uint16_t boxLeft = uint16_t(TextStartX - 1);
    const uint16_t boxRight = uint16_t(TextEndX);
    if (alarm) {
        if (BlinkPhase == 1) {
            FillRect(boxLeft, uint16_t(y + 5), boxRight, uint16_t(y + 43), ClrRed);
            DrawText(120, y, text, 24, AlignRight, ClrWhite);
        }
    } else if (v > Settings.Vno) {
        FillRect(boxLeft, uint16_t(y + 5), boxRight, uint16_t(y + 43), ClrYellow);
        DrawText(120, y, text, 24, AlignRight, ClrBlack);
    }
    DrawText(160, uint16_t(y + 22), AsiUnitText[Settings.AsiUnit <= 2 ? Settings.AsiUnit : 0], 9,
             AlignRight, ClrGrey);
}

void DrawVsiTape() {
    char text[16];
    if (Settings.VsiUnit == 1) {
        snprintf(text, sizeof text, "%+5.1f", AirData.VerticalSpeedMs * 0.01);
        DrawText(100, 0, text, 9, AlignRight, ClrWhite);
        DrawText(102, 2, "m/s", 8, AlignLeft, ClrGrey);
    } else {
        snprintf(text, sizeof text, "%+5d", int(AirData.VerticalSpeed));
        DrawText(100, 0, text, 12, AlignRight, ClrWhite);
        DrawText(102, 4, "fpm", 8, AlignLeft, ClrGrey);
    }

    DrawVLine(0, 119, 28, ClrWhite);
    static const uint16_t LongMarks[] = {0, 30, 60, 90, 119};
    static const uint16_t ShortMarks[] = {15, 45, 75, 105};
    for (uint16_t y : LongMarks) DrawHLine(23, 28, y, ClrWhite);
    for (uint16_t y : ShortMarks) DrawHLine(26, 28, y, ClrWhite);

    const int32_t vs = AirData.VerticalSpeed;
    int32_t fullScale;
    switch (Settings.VsiScale) {
    case 0:
        fullScale = 1000;
        break;
    case 2:
        fullScale = 4000;
        break;
    default:
        fullScale = 2000;
        break;
    }
    int32_t n = std::abs(vs) * 59 / fullScale;
    if (n > VsiBarMax) n = VsiBarMax;

    if (n == 0) {
        DrawHLine(0, 20, 60, ClrGreen);
        DrawHLine(0, 20, 61, ClrGreen);
    } else if (vs >= 0) {
        for (int32_t i = 0; i < n; ++i) {
            DrawLine(0, uint16_t(60 - i), 10, uint16_t(55 - i), ClrGreen);
            DrawLine(10, uint16_t(55 - i), 20, uint16_t(60 - i), ClrGreen);
        }
    } else {
        for (int32_t i = 0; i < n; ++i) {
            DrawLine(0, uint16_t(60 + i), 10, uint16_t(65 + i), ClrGreen);
            DrawLine(10, uint16_t(65 + i), 20, uint16_t(60 + i), ClrGreen);
        }
    }

    static const char Labels[2][3][2][4] = {
        {{"+1", "-1"}, {"+2", "-2"}, {"+4", "-4"}},
        {{"+5", "-5"}, {"+10", "-10"}, {"+20", "-20"}},
    };
    const uint8_t unit = Settings.VsiUnit == 1 ? 1 : 0;
    const uint8_t scale = Settings.VsiScale <= 2 ? Settings.VsiScale : 0;
    DrawText(12, 0, Labels[unit][scale][0], 8, AlignCentre, ClrGrey);
    DrawText(12, 107, Labels[unit][scale][1], 8, AlignCentre, ClrGrey);
}
