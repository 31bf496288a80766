// Scaffolding: replaced by the real screens.
#include "menus/screen_machine.h"
#include "menus/screens.h"

void AsiEditRow(uint8_t, uint8_t) {}
void AsiSetupScreen() { PendingEvent = EvNone; }
void ZeroAsiScreen() { PendingEvent = EvNone; }
