// ADC VALUES: the raw airspeed sensor reading, live.
#include <cstdio>

#include "graphics/framebuffer.h"
#include "graphics/furniture.h"
#include "instrument/airdata.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

void AdcValuesScreen() {
    DrawHeader("ADC", "VALUES");
    char text[24];
    snprintf(text, sizeof text, "AIRSPEED: %d ", AirData.AsiAdc);
    DrawMenuItem(0, text, ClrWhite);
    DrawFooter(FooterBack);

    if (PendingEvent == EvLeftKey) {
        CurrentScreen = MainMenuScreen;
        ResetMenuState(5);
    }
    PendingEvent = EvNone;
}
