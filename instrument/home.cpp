// Scaffolding: replaced by the real screens.
#include "instrument/home.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

uint8_t HomePage;
void DrawAltitude() {}
void DrawBaroSetting() {}
void DrawAirspeed() {}
void DrawVsiTape() {}
void HomeScreen() { PendingEvent = EvNone; }
