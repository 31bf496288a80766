// Scaffolding: replaced by the real screens.
#include "menus/screen_machine.h"
#include "menus/screens.h"

void InfoScreen() { PendingEvent = EvNone; }
