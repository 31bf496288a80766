#include "shell/core/run_loop.h"

#include "graphics/framebuffer.h"
#include "instrument/airdata.h"
#include "instrument/flight_timer.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "shell/core/serial.h"

uint8_t PowerOffRequest;
uint8_t TickCount;
uint8_t BlinkTicks;
uint8_t BlinkPhase;

void PowerOnSequence() {
    PowerOffRequest = 0;
    LoadDefaultSettings();
    ResetCalibration();
    CurrentScreen = HomeScreen;
    InitTrigTables();
    MenuState.EditStep = 1;
    AlarmActive = 0;
    AlarmAcknowledged = 0;
    PendingEvent = EvNone;
    FlightTimer.Running = 0;
    FlightTimer.LandingCountdown = 0;
    FlightTimer.Hours = 0;
    FlightTimer.Minutes = 0;
    FlightTimer.Seconds = 0;
}

void RunFrameSteps(const FrameHooks& hooks) {
    const bool alarmShowing = AlarmActive != 0 && AlarmAcknowledged == 0;
    hooks.SetLamp(hooks.Context, alarmShowing ? LampRed : LampMaroon);
    AirData.AltSensorOk = hooks.AltitudeSensorChecked(hooks.Context) ? 1 : 0;
    if (Settings.SerialOut != 0) {
        BuildEncoderSentence();
        hooks.AddSerialLine(hooks.Context, SerialLine);
    }
    UpdateAirspeed();
    if (TickCount == 1) {
        TickCount = 0;
        FlightTimerStep();
    }
    ClearFrame();
    CurrentScreen();
}

void TimerTick() {
    const uint8_t blink = BlinkTicks++;
    if (blink > 9) {
        BlinkTicks = 0;
        BlinkPhase = BlinkPhase == 0 ? 1 : 0;
    }
    const uint8_t tick = TickCount++;
    if (tick >= 19) TickCount = 0;
}
