// Scaffolding: replaced by the real screens.
#include "menus/screen_machine.h"
#include "menus/screens.h"

int32_t TestAltitude;
const int32_t TestAltitudeSequence[10] = {-1000, -900, -700, -400, -200, 800, 2800, 6800, 14800, 30800};
void AltSetupScreen() { PendingEvent = EvNone; }
void EncoderWarningScreen() { PendingEvent = EvNone; }
void TestAltitudeScreen() { PendingEvent = EvNone; }
