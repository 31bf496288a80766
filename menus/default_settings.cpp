// LOAD DEFAULT SETTINGS?: puts every setting back to its factory value; the calibration stays.
#include "graphics/data/images.h"
#include "graphics/framebuffer.h"
#include "graphics/furniture.h"
#include "graphics/rle.h"
#include "graphics/text.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

void DefaultSettingsScreen() {
    DrawHeader("MESSAGE", "");
    DrawRleImage(5, 40, ImgQuestion);
    DrawText(110, 35, "LOAD", 9, AlignCentre, ClrWhite);
    DrawText(110, 56, "DEFAULT", 9, AlignCentre, ClrWhite);
    DrawText(110, 77, "SETTINGS?", 9, AlignCentre, ClrWhite);
    DrawYesNoFooter();

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
