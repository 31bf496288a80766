// ALTITUDE SETUP, and the altitude-encoder test reached from it while serial output is on.
#include <cstdio>

#include "graphics/furniture.h"
#include "graphics/text.h"
#include "instrument/airdata.h"
#include "instrument/settings.h"
#include "menus/list_helpers.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

int32_t TestAltitude;
const int32_t TestAltitudeSequence[10] = {-1000, -900, -700, -400,  -200,
                                          800,   2800, 6800, 14800, 30800};

namespace {

constexpr uint8_t AltCalEntry = 4;
constexpr uint8_t AltTestEntry = 7;
constexpr int AltCalLimit = 125;

// PROT and TEST ALT ENCODER exist only while serial output is on.
uint8_t AltLastEntry() {
    return Settings.SerialOut != 0 ? 7 : 5;
}

void EditAltEntry(InputEvent event) {
    const uint16_t step = MenuState.EditStep;
    switch (MenuState.Cursor) {
    case 0:
        Settings.AltitudeUnit = StepOption(Settings.AltitudeUnit, event, 1);
        break;
    case 1:
        Settings.PressureUnit = StepOption(Settings.PressureUnit, event, 1);
        break;
    case 2:
        Settings.AltitudeResolution = StepOption(Settings.AltitudeResolution, event, 4);
        break;
    case 3:
        Settings.AltitudePosition = StepOption(Settings.AltitudePosition, event, 1);
        break;
    case AltCalEntry: {
        // A click that would pass the limit is refused, so the value keeps its place.
        const int cal = Calibration.AltitudeCal;
        const int next = event == EvKnobUp ? cal + step : cal - step;
        if (next >= -AltCalLimit && next <= AltCalLimit) Calibration.AltitudeCal = int16_t(next);
        break;
    }
    case 5:
        Settings.SerialOut = StepOption(Settings.SerialOut, event, 1);
        break;
    case 6:
        Settings.SerialProtocol = StepOption(Settings.SerialProtocol, event, 5);
        break;
    default:
        break;
    }
}

} // namespace

void AltSetupScreen() {
    ScrollListToCursor();
    DrawHeader("ALTITUDE", "SETUP");
    const bool serialOn = Settings.SerialOut != 0;
    DrawMenuScrollBar(MenuState.Cursor, serialOn ? 8 : 6);

    const uint8_t resolution = Settings.AltitudeResolution <= 4 ? Settings.AltitudeResolution : 0;
    char cal[32];
    snprintf(cal, sizeof cal, "%+d %dft", int(Calibration.AltitudeCal),
             int(AirData.PressureAltitude));

    DrawMenuRow(ListLine(0), "ALTITUDE UNIT: ", AltitudeUnitText[Settings.AltitudeUnit & 1]);
    DrawMenuRow(ListLine(1), "PRESSURE UNIT:", PressureUnitText[Settings.PressureUnit & 1]);
    DrawMenuRow(ListLine(2), "RESOLUTION: ",
                Settings.AltitudeUnit == 0 ? ResolutionFeetText[resolution]
                                           : ResolutionMetresText[resolution]);
    DrawMenuRow(ListLine(3), "POSITION: ", Settings.AltitudePosition == 1 ? "TOP" : "BOTTOM");
    DrawMenuRow(ListLine(AltCalEntry), "CAL: ", cal);
    DrawStepIndicator(AltCalEntry);
    DrawMenuRow(ListLine(5), "SERIAL OUT: ", OnOffText[Settings.SerialOut != 0 ? 1 : 0]);
    if (serialOn) {
        const uint8_t protocol = Settings.SerialProtocol <= 5 ? Settings.SerialProtocol : 0;
        DrawMenuRow(ListLine(6), "PROT: ", ProtocolText[protocol]);
        DrawMenuItem(ListLine(AltTestEntry), "TEST ALT ENCODER",
                     MenuState.Cursor == AltTestEntry ? ClrRed : ClrWhite);
    }
    DrawFooter(FooterBack);

    const InputEvent event = PendingEvent;
    if (event == EvKnobPress) {
        if (MenuState.Cursor == AltTestEntry)
            CurrentScreen = EncoderWarningScreen;
        else
            MenuState.EditMode = MenuState.EditMode == 0 ? 1 : 0;
    } else if (IsKnobTurn(event) && MenuState.EditMode == 0) {
        MenuState.Cursor = MoveListCursor(MenuState.Cursor, event, AltLastEntry());
        MenuState.EditStep = 1;
    } else if (IsKnobTurn(event)) {
        EditAltEntry(event);
    } else if (event == EvRightKey) {
        MenuState.EditStep = NextEditStep(MenuState.EditStep, 10);
    } else if (event == EvLeftKey) {
        SaveCalibration();
        CurrentScreen = MainMenuScreen;
        ResetMenuState(0);
    }
    PendingEvent = EvNone;
}

void EncoderWarningScreen() {
    DrawText(80, 0, "WARNING", 10, AlignCentre, ClrRed);
    DrawText(80, 28, "THE ALTITUDE TEST", 8, AlignCentre, ClrWhite);
    DrawText(80, 46, "FUNCTION IS ONLY ", 8, AlignCentre, ClrWhite);
    DrawText(80, 64, "TO BE USED WHEN", 8, AlignCentre, ClrWhite);
    DrawText(80, 82, "NOT IN FLIGHT", 8, AlignCentre, ClrWhite);
    DrawFooter(FooterBack);

    if (PendingEvent == EvLeftKey) {
        CurrentScreen = AltSetupScreen;
    } else if (PendingEvent == EvKnobPress) {
        TestAltitude = TestAltitudeSequence[0];
        CurrentScreen = TestAltitudeScreen;
    }
    PendingEvent = EvNone;
}

void TestAltitudeScreen() {
    DrawText(80, 0, "USE THE ROTARY", 8, AlignCentre, ClrWhite);
    DrawText(80, 20, "CONTROL TO ADJUST", 8, AlignCentre, ClrWhite);
    DrawText(80, 40, "THE TEST ALTITUDE", 8, AlignCentre, ClrWhite);
    char altitude[16];
    snprintf(altitude, sizeof altitude, "%ld", long(TestAltitude));
    DrawText(80, 60, altitude, 20, AlignCentre, ClrRed);
    DrawText(140, 66, "ft", 16, AlignCentre, ClrRed);
    DrawFooter(FooterBack);

    if (IsKnobTurn(PendingEvent)) {
        // Only the sequence's own values move; any other value stays where it is.
        constexpr int count = 10;
        for (int i = 0; i < count; ++i) {
            if (TestAltitudeSequence[i] != TestAltitude) continue;
            const int next = PendingEvent == EvKnobUp ? (i + 1) % count : (i + count - 1) % count;
            TestAltitude = TestAltitudeSequence[next];
            break;
        }
    } else if (PendingEvent == EvLeftKey) {
        CurrentScreen = AltSetupScreen;
    }
    PendingEvent = EvNone;
}
