// ASI SETUP, its row editor and the ZERO ASI SENSOR? confirmation. The editor keeps the five
// V-speeds in their order: each moves only between its neighbours, and a click that would
// leave that interval puts it on the other end.
#include <cstdio>

#include "graphics/furniture.h"
#include "instrument/airdata.h"
#include "instrument/settings.h"
#include "menus/list_helpers.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

namespace {

// Row identifiers: what AsiEditRow edits, independent of the entry's position in the list.
constexpr uint8_t RowZeroSensor = 1;
constexpr uint8_t RowAsiUnit = 3;
constexpr uint8_t RowAsiFilter = 4;
constexpr uint8_t RowVne = 7;
constexpr uint8_t RowVno = 8;
constexpr uint8_t RowVfe = 9;
constexpr uint8_t RowVs1 = 10;
constexpr uint8_t RowVs0 = 11;
constexpr uint8_t RowVsAlarm = 12;
constexpr uint8_t RowVneAlarm = 13;
constexpr uint8_t RowAsiCal = 14;
constexpr uint8_t RowPosition = 15;

constexpr uint8_t AsiLastEntry = 11;
constexpr int VSpeedFloor = 10;
constexpr int VSpeedCeiling = 500;

// One V-speed click inside [low, high]: a result outside the interval wraps to its other end.
// Signed arithmetic, so a step below zero stays negative.
uint16_t StepVSpeed(uint16_t value, InputEvent event, int low, int high) {
    const int step = MenuState.EditStep;
    if (event == EvKnobUp) return uint16_t(value + step <= high ? value + step : low);
    return uint16_t(value - step >= low ? value - step : high);
}

const char* AsiUnitName() {
    return AsiUnitText[Settings.AsiUnit <= 2 ? Settings.AsiUnit : 0];
}

void DrawVSpeedRow(uint8_t entry, const char* label, uint16_t value) {
    char text[24];
    snprintf(text, sizeof text, "%u%s", unsigned(value), AsiUnitName());
    DrawMenuRow(ListLine(entry), label, text);
    DrawStepIndicator(entry);
}

} // namespace

void AsiEditRow(uint8_t id, uint8_t entry) {
    const InputEvent event = PendingEvent;
    if (event == EvNone || MenuState.Cursor != entry) return;

    if (event == EvKnobPress) {
        if (id == RowZeroSensor) {
            CurrentScreen = ZeroAsiScreen;
            ResetMenuState(0);
            PendingEvent = EvNone;
        } else {
            MenuState.EditMode = MenuState.EditMode == 0 ? 1 : 0;
        }
        return;
    }
    if (!IsKnobTurn(event) || MenuState.EditMode != 1) return;

    SettingsRecord& s = Settings;
    switch (id) {
    case RowAsiUnit:
        s.AsiUnit = StepOption(s.AsiUnit, event, 2);
        break;
    case RowAsiFilter:
        s.AsiFilter = StepOption(s.AsiFilter, event, 2);
        break;
    case RowVne:
        s.Vne = StepVSpeed(s.Vne, event, s.Vno, VSpeedCeiling);
        break;
    case RowVno:
        s.Vno = StepVSpeed(s.Vno, event, s.Vfe, s.Vne);
        break;
    case RowVfe:
        s.Vfe = StepVSpeed(s.Vfe, event, s.Vs1, s.Vno);
        break;
    case RowVs1:
        s.Vs1 = StepVSpeed(s.Vs1, event, s.Vs0, s.Vfe);
        break;
    case RowVs0:
        s.Vs0 = StepVSpeed(s.Vs0, event, VSpeedFloor, s.Vs1);
        break;
    case RowVsAlarm:
        s.VsAlarm = StepOption(s.VsAlarm, event, 1);
        break;
    case RowVneAlarm:
        s.VneAlarm = StepOption(s.VneAlarm, event, 1);
        break;
    case RowAsiCal:
        // CAL moves by 1 whatever the step and stops at its limits.
        if (event == EvKnobUp && Calibration.AsiCal < 150) ++Calibration.AsiCal;
        if (event == EvKnobDown && Calibration.AsiCal > 50) --Calibration.AsiCal;
        break;
    case RowPosition:
        s.AltitudePosition = StepOption(s.AltitudePosition, event, 1);
        break;
    default:
        break;
    }
}

void AsiSetupScreen() {
    DrawHeader("ASI SETUP", "");
    ScrollListToCursor();

    // Each entry is drawn before its editor acts, so a change shows from the next frame on.
    DrawMenuItem(ListLine(0), "ZERO ASI SENSOR", MenuState.Cursor == 0 ? ClrRed : ClrWhite);
    AsiEditRow(RowZeroSensor, 0);
    DrawMenuRow(ListLine(1), "ASI UNIT: ", AsiUnitName());
    AsiEditRow(RowAsiUnit, 1);
    DrawMenuRow(ListLine(2),
                "ASI FILTER: ", FilterText[Settings.AsiFilter <= 2 ? Settings.AsiFilter : 0]);
    AsiEditRow(RowAsiFilter, 2);
    DrawVSpeedRow(3, "Vne SPEED: ", Settings.Vne);
    AsiEditRow(RowVne, 3);
    DrawVSpeedRow(4, "Vno SPEED: ", Settings.Vno);
    AsiEditRow(RowVno, 4);
    DrawVSpeedRow(5, "Vfe SPEED: ", Settings.Vfe);
    AsiEditRow(RowVfe, 5);
    DrawVSpeedRow(6, "Vs1 SPEED: ", Settings.Vs1);
    AsiEditRow(RowVs1, 6);
    DrawVSpeedRow(7, "Vs0 SPEED: ", Settings.Vs0);
    AsiEditRow(RowVs0, 7);
    DrawMenuRow(ListLine(8), "Vs ALARM: ", OnOffText[Settings.VsAlarm != 0 ? 1 : 0]);
    AsiEditRow(RowVsAlarm, 8);
    DrawMenuRow(ListLine(9), "Vne ALARM: ", OnOffText[Settings.VneAlarm != 0 ? 1 : 0]);
    AsiEditRow(RowVneAlarm, 9);
    char cal[24];
    snprintf(cal, sizeof cal, "%d%% %umph", int(Calibration.AsiCal), unsigned(AirData.AirspeedMph));
    DrawMenuRow(ListLine(10), "CAL: ", cal);
    AsiEditRow(RowAsiCal, 10);
    DrawMenuRow(ListLine(11), "POSITION: ", Settings.AltitudePosition == 0 ? "TOP" : "BOTTOM");
    AsiEditRow(RowPosition, 11);

    DrawMenuScrollBar(MenuState.Cursor, 12);
    DrawFooter(FooterBack);

    const InputEvent event = PendingEvent;
    if (IsKnobTurn(event) && MenuState.EditMode == 0) {
        MenuState.Cursor = MoveListCursor(MenuState.Cursor, event, AsiLastEntry);
        MenuState.EditStep = 1;
    } else if (event == EvRightKey) {
        MenuState.EditStep = NextEditStep(MenuState.EditStep, 100);
    } else if (event == EvLeftKey) {
        SaveCalibration();
        CurrentScreen = MainMenuScreen;
        ResetMenuState(2);
    }
    PendingEvent = EvNone;
}

void ZeroAsiScreen() {
    DrawMenuQuestion("ZERO", "ASI", "SENSOR?");

    if (PendingEvent == EvLeftKey) {
        CurrentScreen = AsiSetupScreen;
        ResetMenuState(0);
    } else if (PendingEvent == EvRightKey) {
        // The sensor reading of this moment becomes zero airspeed.
        Calibration.AsiZero = AirData.AsiAdc;
        SaveCalibration();
        CurrentScreen = DoneScreen;
        ReturnScreen = AsiSetupScreen;
        ResetMenuState(0);
    }
    PendingEvent = EvNone;
}
