// INFO: model and firmware, and the altitude sensor's own readings when one is fitted.
#include <cstdio>

#include "graphics/framebuffer.h"
#include "graphics/furniture.h"
#include "instrument/airdata.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

namespace {

constexpr uint16_t FirmwareVersion = 100; // hundredths

} // namespace

void InfoScreen() {
    DrawHeader("INFO", "");

    char text[32];
    DrawMenuItem(0, "MODEL: KDR-7", ClrWhite);
    snprintf(text, sizeof text, "FIRMWARE: V%.2f", double(FirmwareVersion) / 100.0);
    DrawMenuItem(1, text, ClrWhite);

    if (AirData.AltSensorFitted == 1) {
        DrawMenuItem(2, "ALT SENSOR: 1", ClrWhite);
        // The fonts carry the degree sign at its Latin-1 code.
        snprintf(text, sizeof text,
                 "TEMP: %.1f\xB0"
                 "C",
                 double(AirData.SensorTemperature));
        DrawMenuItem(3, text, ClrWhite);
        snprintf(text, sizeof text, "PRESS: %.2fmB", double(AirData.SensorPressure));
        DrawMenuItem(4, text, ClrWhite);
    }
    DrawFooter(FooterBack);

    if (PendingEvent == EvLeftKey) {
        CurrentScreen = MiscSetupScreen;
        ResetMenuState(2);
    }
    PendingEvent = EvNone;
}
