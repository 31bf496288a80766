// VSI SETUP: the vertical-speed tape, its unit and full scale, and the vertical-speed
// calibration.
#include <cstdio>

#include "graphics/furniture.h"
#include "instrument/settings.h"
#include "menus/list_helpers.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

namespace {

constexpr uint8_t VsiLastEntry = 3;

void EditVsiEntry(InputEvent event) {
    switch (MenuState.Cursor) {
    case 0:
        Settings.VsiDisplay = StepOption(Settings.VsiDisplay, event, 1);
        break;
    case 1:
        Settings.VsiUnit = StepOption(Settings.VsiUnit, event, 1);
        break;
    case 2:
        Settings.VsiScale = StepOption(Settings.VsiScale, event, 2);
        break;
    case 3:
        // VSI CAL moves by 1 whatever the step and stops at its limits.
        if (event == EvKnobUp && Calibration.VsiCal < 150) ++Calibration.VsiCal;
        if (event == EvKnobDown && Calibration.VsiCal > 50) --Calibration.VsiCal;
        break;
    default:
        break;
    }
}

} // namespace

void VsiSetupScreen() {
    ScrollListToCursor();
    DrawHeader("VSI", "SETUP");

    const uint8_t scale = Settings.VsiScale <= 2 ? Settings.VsiScale : 0;
    char cal[8];
    snprintf(cal, sizeof cal, "%d%%", int(Calibration.VsiCal));
    DrawMenuRow(ListLine(0), "VSI DISPLAY: ", OnOffText[Settings.VsiDisplay != 0 ? 1 : 0]);
    DrawMenuRow(ListLine(1), "VSI UNIT: ", VsiUnitText[Settings.VsiUnit != 0 ? 1 : 0]);
    DrawMenuRow(ListLine(2),
                "SCALE: ", Settings.VsiUnit == 0 ? VsiScaleFeetText[scale] : VsiScaleMsText[scale]);
    DrawMenuRow(ListLine(3), "VSI CAL: ", cal);
    DrawMenuScrollBar(MenuState.Cursor, 4);
    DrawFooter(FooterBack);

    const InputEvent event = PendingEvent;
    if (event == EvKnobPress) {
        MenuState.EditMode = MenuState.EditMode == 0 ? 1 : 0;
    } else if (IsKnobTurn(event) && MenuState.EditMode == 0) {
        MenuState.Cursor = MoveListCursor(MenuState.Cursor, event, VsiLastEntry);
    } else if (IsKnobTurn(event)) {
        EditVsiEntry(event);
    } else if (event == EvLeftKey) {
        SaveCalibration();
        CurrentScreen = MainMenuScreen;
        ResetMenuState(1);
    }
    PendingEvent = EvNone;
}
