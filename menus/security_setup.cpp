// SECURITY SETUP: the lock's switch, and the way into a code change while it is on.
#include "graphics/framebuffer.h"
#include "graphics/furniture.h"
#include "instrument/settings.h"
#include "menus/code_entry.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

void SecuritySetupScreen() {
    MenuState.TopRow = MenuState.Cursor >= 5 ? uint8_t(MenuState.Cursor - 4) : 0;
    const uint8_t enabled = Settings.SecurityEnabled != 0 ? 1 : 0;

    DrawHeader("SECURITY", "SETUP");
    DrawMenuRow(int8_t(0 - MenuState.TopRow), "SECURITY: ", OnOffText[enabled]);
    if (enabled)
        DrawMenuItem(int8_t(1 - MenuState.TopRow), "CHANGE CODE",
                     MenuState.Cursor == 1 ? ClrRed : ClrWhite);
    DrawFooter(FooterBack);

    switch (PendingEvent) {
    case EvKnobPress:
        if (MenuState.Cursor == 0) {
            MenuState.EditMode = MenuState.EditMode == 0 ? 1 : 0;
        } else if (MenuState.Cursor == 1) {
            ClearCodeDigits();
            MenuState.Cursor = 0;
            CurrentScreen = SetupCodeScreen;
            ReturnScreen = SecuritySetupScreen;
        }
        break;
    case EvKnobUp:
    case EvKnobDown:
        // Security off leaves a single entry, so the cursor has nowhere to go.
        if (MenuState.EditMode == 1)
            Settings.SecurityEnabled = enabled ? 0 : 1;
        else if (enabled)
            MenuState.Cursor = MenuState.Cursor == 0 ? 1 : 0;
        break;
    case EvLeftKey:
        CurrentScreen = MiscSetupScreen;
        ResetMenuState(1);
        break;
    default:
        break;
    }
    PendingEvent = EvNone;
}
