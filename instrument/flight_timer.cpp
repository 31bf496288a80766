#include "instrument/flight_timer.h"

#include <cstdio>

#include "graphics/framebuffer.h"
#include "graphics/text.h"
#include "instrument/airdata.h"
#include "instrument/settings.h"
#include "shell/core/run_loop.h"

FlightTimerRecord FlightTimer;

namespace {

// Steps below the take-off speed before an automatically started timer stops (3 s of ticks).
constexpr uint8_t LandingSteps = 30;

void CountOneSecond() {
    if (++FlightTimer.Seconds <= 59) return;
    FlightTimer.Seconds = 0;
    if (++FlightTimer.Minutes <= 59) return;
    FlightTimer.Minutes = 0;
    // The display has room for two hour digits: the hour stays at 99 and the minutes go round.
    if (++FlightTimer.Hours > 99) FlightTimer.Hours = 99;
}

} // namespace

void FlightTimerStep() {
    const bool detect = Settings.TimerMode == 1;
    if (AirData.Airspeed >= Settings.TakeoffSpeed) {
        if (FlightTimer.Running == 0 && detect) {
            FlightTimer.Running = 1;
            FlightTimer.Hours = 0;
            FlightTimer.Minutes = 0;
            FlightTimer.Seconds = 0;
        }
        FlightTimer.LandingCountdown = LandingSteps;
    } else if (FlightTimer.Running == 1 && detect && FlightTimer.LandingCountdown > 0) {
        if (--FlightTimer.LandingCountdown == 0) FlightTimer.Running = 0;
    }
    if (FlightTimer.Running == 1) CountOneSecond();
}

void TimersPage() {
    DrawText(80, 5, "TIMERS", 9, AlignCentre, ClrWhite);
    DrawHLine(0, 159, 25, ClrWhite);
    DrawText(0, 40, "FLIGHT:", 9, AlignLeft, ClrGrey);
    char text[8];
    snprintf(text, sizeof text, "%d", int(FlightTimer.Hours));
    DrawText(85, 40, text, 9, AlignLeft, ClrWhite);
    if (!(FlightTimer.Running == 1 && BlinkPhase == 1))
        DrawText(95, 40, ":", 9, AlignLeft, ClrWhite);
    snprintf(text, sizeof text, "%02d", int(FlightTimer.Minutes));
    DrawText(102, 40, text, 9, AlignLeft, ClrWhite);
}

void MaxValuesPage() {
    DrawText(80, 5, "MAX VALUES", 9, AlignCentre, ClrWhite);
    DrawHLine(0, 159, 25, ClrWhite);
    DrawText(0, 30, "AIRSPEED:", 9, AlignLeft, ClrGrey);

    char text[16];
    snprintf(text, sizeof text, "%ld", long(MaxAirspeed));
    DrawText(80, 50, text, 16, AlignCentre, ClrWhite);
    // Unlike the live readout, a maximum that reached a limit counts as having reached it.
    const uint16_t boxLeft = uint16_t(TextStartX - 1);
    const uint16_t boxRight = uint16_t(TextEndX - 1);
    if (MaxAirspeed >= Settings.Vne) {
        FillRect(boxLeft, 51, boxRight, 80, ClrRed);
        DrawText(80, 50, text, 16, AlignCentre, ClrWhite);
    } else if (MaxAirspeed >= Settings.Vno) {
        FillRect(boxLeft, 51, boxRight, 80, ClrYellow);
        DrawText(80, 50, text, 16, AlignCentre, ClrBlack);
    }
    DrawText(158, 58, AsiUnitText[Settings.AsiUnit <= 2 ? Settings.AsiUnit : 0], 9, AlignRight,
             ClrGrey);

    DrawHLine(0, 159, 102, ClrWhite);
    DrawVLine(102, 119, 53, ClrWhite);
    DrawVLine(102, 119, 106, ClrWhite);
    DrawText(26, 104, "RESET", 8, AlignCentre, ClrWhite);
}
