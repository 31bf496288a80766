#include "menus/screen_machine.h"

#include "instrument/settings.h"
#include "menus/screens.h"

InputEvent PendingEvent;
ScreenHandler CurrentScreen = HomeScreen;
ScreenHandler ReturnScreen = HomeScreen;
MenuStateRecord MenuState;

void GoHome() {
    CurrentScreen = HomeScreen;
    MenuState.EditMode = 0;
    MenuState.Cursor = 0;
    MenuState.TopRow = 0;
    MenuState.EditStep = 1;
    SaveSettings();
}

void ResetMenuState(uint8_t row) {
    PendingCode = 0;
    MenuState.EditMode = 0;
    MenuState.Cursor = row;
    MenuState.TopRow = 0;
    MenuState.EditStep = 1;
}

void LatchEvent(InputEvent event) {
    if (PendingEvent == EvNone) PendingEvent = event;
}
