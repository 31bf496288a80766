// Scaffolding: replaced by the real screens.
#include "menus/screen_machine.h"
#include "menus/screens.h"

void TimerSetupScreen() { PendingEvent = EvNone; }
