// Scaffolding: replaced by the real screens.
#include "instrument/flight_timer.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

FlightTimerRecord FlightTimer;
void FlightTimerStep() {}
void TimersPage() {}
void MaxValuesPage() {}
void FlightConfirmScreen() { PendingEvent = EvNone; }
