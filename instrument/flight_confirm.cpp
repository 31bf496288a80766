#include "graphics/furniture.h"
#include "graphics/rle.h"
#include "graphics/data/images.h"
#include "graphics/text.h"
#include "instrument/flight_timer.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

// The pilot's start and stop of the flight timer. Only YES acts; every other input cancels, so
// a stray knob turn cannot end a flight.
void FlightConfirmScreen() {
    DrawHeader("MESSAGE", "");
    DrawRleImage(5, 40, ImgQuestion);
    DrawText(110, 43, FlightTimer.Running == 0 ? "START" : "STOP", 10, AlignCentre, ClrWhite);
    DrawText(110, 63, "FLIGHT?", 10, AlignCentre, ClrWhite);
    DrawYesNoFooter();

    if (PendingEvent == EvNone) return;
    if (PendingEvent == EvRightKey) {
        if (FlightTimer.Running == 0) {
            FlightTimer.Running = 1;
            FlightTimer.Seconds = 0;
            FlightTimer.Minutes = 0;
            FlightTimer.Hours = 0;
        } else {
            FlightTimer.Running = 0;
        }
    }
    CurrentScreen = HomeScreen;
    PendingEvent = EvNone;
}
