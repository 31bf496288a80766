// Scaffolding: replaced by the real screens.
#include "menus/screen_machine.h"
#include "menus/screens.h"

uint8_t CodeDigits[4];
uint16_t PendingCode;
void MenuCodeScreen() { PendingEvent = EvNone; }
void SecuritySetupScreen() { PendingEvent = EvNone; }
void SetupCodeScreen() { PendingEvent = EvNone; }
void NewCodeScreen() { PendingEvent = EvNone; }
void ConfirmCodeScreen() { PendingEvent = EvNone; }
void CodeResultScreen() { PendingEvent = EvNone; }
