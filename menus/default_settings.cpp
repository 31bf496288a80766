// LOAD DEFAULT SETTINGS?: puts every setting back to its factory value; the calibration stays.
#include "graphics/furniture.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

void DefaultSettingsScreen() {
    DrawMenuQuestion("LOAD", "DEFAULT", "SETTINGS?");

    if (PendingEvent == EvLeftKey) {
        CurrentScreen = MiscSetupScreen;
        ResetMenuState(3);
    } else if (PendingEvent == EvRightKey) {
        // Loaded at once, so the DONE message already shows the defaults in force.
        CurrentScreen = DoneScreen;
        ReturnScreen = MiscSetupScreen;
        ResetMenuState(3);
        LoadDefaultSettings();
    }
    PendingEvent = EvNone;
}
