// MAIN MENU: one setup area at a time, large, with its picture; the knob turns a ring of six.
#include "graphics/data/images.h"
#include "graphics/furniture.h"
#include "graphics/text.h"
#include "menus/list_helpers.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

namespace {

struct MainMenuEntry {
    const char* Title1;
    const char* Title2;
    const RleImage* Picture;
    ScreenHandler Opens;
};

const MainMenuEntry MainMenuEntries[6] = {
    {"ALT", "SETUP", &ImgAltSetup, AltSetupScreen},
    {"VSI", "SETUP", &ImgVsiSetup, VsiSetupScreen},
    {"ASI", "SETUP", &ImgAsiSetup, AsiSetupScreen},
    {"TIMERS", "SETUP", &ImgTimersSetup, TimerSetupScreen},
    {"MISC", "SETUP", &ImgMiscSetup, MiscSetupScreen},
    {"ADC", "VALUES", &ImgAdcValues, AdcValuesScreen},
};
constexpr uint8_t MainMenuLast = 5;

} // namespace

void MainMenuScreen() {
    // A cursor left beyond the ring by another screen shows the first entry rather than
    // reading past the table.
    if (MenuState.Cursor > MainMenuLast) MenuState.Cursor = 0;
    const MainMenuEntry& entry = MainMenuEntries[MenuState.Cursor];

    DrawHeader("MAIN MENU", "");
    DrawMenuScrollBar(MenuState.Cursor, 6);
    DrawText(108, 46, entry.Title1, 10, AlignCentre, ClrWhite);
    DrawText(108, 64, entry.Title2, 10, AlignCentre, ClrWhite);
    DrawRleImage(10, 41, *entry.Picture);
    DrawFooter(FooterExit);

    switch (PendingEvent) {
    case EvKnobUp:
    case EvKnobDown:
        MenuState.Cursor = MoveListCursor(MenuState.Cursor, PendingEvent, MainMenuLast);
        break;
    case EvKnobPress:
        // Every setup screen opens on its first entry, out of edit mode.
        CurrentScreen = entry.Opens;
        MenuState.EditStep = 1;
        MenuState.Cursor = 0;
        MenuState.TopRow = 0;
        MenuState.EditMode = 0;
        break;
    case EvLeftKey:
        GoHome();
        break;
    default:
        break;
    }
    PendingEvent = EvNone;
}
