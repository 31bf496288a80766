// MISC SETUP: the pages that belong to no single instrument.
#include "graphics/furniture.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

namespace {

constexpr uint8_t MiscEntryCount = 4;
const char* const MiscEntryText[MiscEntryCount] = {"BACKLIGHT", "SECURITY SETUP", "INFORMATION",
                                                   "DEFAULT SETTINGS"};

} // namespace

void MiscSetupScreen() {
    MenuState.TopRow = MenuState.Cursor >= 5 ? uint8_t(MenuState.Cursor - 4) : 0;

    DrawHeader("MISC", "SETUP");
    DrawMenuScrollBar(MenuState.Cursor, MiscEntryCount);
    for (uint8_t entry = 0; entry < MiscEntryCount; ++entry)
        DrawMenuItem(int8_t(entry - MenuState.TopRow), MiscEntryText[entry],
                     entry == MenuState.Cursor ? ClrRed : ClrWhite);
    DrawFooter(FooterBack);

    switch (PendingEvent) {
    case EvKnobUp:
        MenuState.Cursor = MenuState.Cursor >= MiscEntryCount - 1 ? 0 : MenuState.Cursor + 1;
        break;
    case EvKnobDown:
        MenuState.Cursor = MenuState.Cursor == 0 ? MiscEntryCount - 1 : MenuState.Cursor - 1;
        break;
    case EvKnobPress:
        // BACKLIGHT opens on its mode entry, which is where the cursor already is.
        if (MenuState.Cursor == 0) {
            CurrentScreen = BacklightScreen;
        } else if (MenuState.Cursor == 1) {
            CurrentScreen = SecuritySetupScreen;
            ResetMenuState(0);
        } else if (MenuState.Cursor == 2) {
            CurrentScreen = InfoScreen;
            ResetMenuState(0);
        } else if (MenuState.Cursor == 3) {
            CurrentScreen = DefaultSettingsScreen;
            ResetMenuState(0);
        }
        break;
    case EvLeftKey:
        CurrentScreen = MainMenuScreen;
        ResetMenuState(4);
        break;
    default:
        break;
    }
    PendingEvent = EvNone;
}
