// TIMERS SETUP: how the flight timer starts and stops, and the take-off airspeed for DETECT.
#include <cstdio>

#include "graphics/furniture.h"
#include "instrument/settings.h"
#include "menus/list_helpers.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

namespace {

constexpr int TakeoffSpeedTop = 500;

// T/O AIRSPEED wraps over 0..500: a click that would leave the range lands on the other end,
// whatever the step.
void StepTakeoffSpeed(InputEvent event) {
    const int speed = Settings.TakeoffSpeed;
    const int step = MenuState.EditStep;
    if (event == EvKnobUp) {
        Settings.TakeoffSpeed = uint16_t(speed + step <= TakeoffSpeedTop ? speed + step : 0);
    } else {
        Settings.TakeoffSpeed = uint16_t(speed - step >= 0 ? speed - step : TakeoffSpeedTop);
    }
}

} // namespace

void TimerSetupScreen() {
    const bool detect = Settings.TimerMode == 1;
    DrawHeader("TIMERS", "SETUP");
    DrawMenuRow(0, "FLIGHT: ", TimerModeText[Settings.TimerMode != 0 ? 1 : 0]);
    if (detect) {
        char speed[8];
        snprintf(speed, sizeof speed, "%u", unsigned(Settings.TakeoffSpeed));
        DrawMenuRow(1, "T/O AIRSPEED: ", speed);
        DrawStepIndicator(1);
        DrawMenuScrollBar(MenuState.Cursor, 2);
    } else {
        DrawMenuScrollBar(MenuState.Cursor, 1);
    }
    DrawFooter(FooterBack);

    const InputEvent event = PendingEvent;
    if (event == EvKnobPress) {
        MenuState.EditMode = MenuState.EditMode == 0 ? 1 : 0;
    } else if (IsKnobTurn(event) && MenuState.EditMode == 0) {
        // The second entry exists only in DETECT; with one entry the cursor stays on it.
        if (MenuState.Cursor == 0)
            MenuState.Cursor = detect ? 1 : 0;
        else if (event == EvKnobDown || detect)
            MenuState.Cursor = 0;
        MenuState.EditStep = 1;
    } else if (IsKnobTurn(event)) {
        if (MenuState.Cursor == 0)
            Settings.TimerMode = StepOption(Settings.TimerMode, event, 1);
        else
            StepTakeoffSpeed(event);
    } else if (event == EvRightKey) {
        MenuState.EditStep = NextEditStep(MenuState.EditStep, 100);
    } else if (event == EvLeftKey) {
        CurrentScreen = MainMenuScreen;
        ResetMenuState(3);
    }
    PendingEvent = EvNone;
}
