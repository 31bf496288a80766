// One whole frame of each misc and security page against its golden frame.
#include <initializer_list>
#include <string>

#include "driver.h"
#include "golden.h"
#include "instrument/airdata.h"
#include "instrument/home.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

namespace {

void Press(HeadlessSession& s, std::initializer_list<const char*> commands) {
    for (const char* command : commands) {
        std::string err;
        ASSERT_TRUE(HeadlessCommand(s, command, err)) << command << ": " << err;
    }
}

TEST(Menus2Golden, EachPageAsDrawn) {
    const struct {
        const char* golden;
        ScreenHandler start;
        uint8_t cursor;
        uint8_t securityOn;
        uint8_t sensorFitted;
        std::initializer_list<const char*> keys;
    } cases[] = {
        {"menus2_misc_setup", MiscSetupScreen, 0, 0, 0, {"+", "+"}},
        {"menus2_backlight_manual", BacklightScreen, 0, 0, 0, {"-", "-", "-"}},
        {"menus2_backlight_auto", BacklightScreen, 0, 0, 0, {"knob", "+", "knob", "+", "right"}},
        {"menus2_info", InfoScreen, 0, 0, 0, {}},
        {"menus2_info_sensor", InfoScreen, 0, 0, 1, {}},
        {"menus2_default_settings", DefaultSettingsScreen, 0, 0, 0, {}},
        {"menus2_done", DefaultSettingsScreen, 0, 0, 0, {"right"}},
        {"menus2_adc_values", AdcValuesScreen, 0, 0, 0, {"asi 2345"}},
        {"menus2_security_setup", SecuritySetupScreen, 0, 1, 0, {"+"}},
        {"menus2_menu_code", MenuCodeScreen, 0, 1, 0, {"+", "knob", "-"}},
        {"menus2_setup_code", SetupCodeScreen, 0, 1, 0, {"knob", "knob", "+"}},
        {"menus2_new_code", NewCodeScreen, 0, 1, 0, {"-"}},
        {"menus2_confirm_code", ConfirmCodeScreen, 0, 1, 0, {"+", "+", "knob"}},
        {"menus2_code_error", SetupCodeScreen, 0, 1, 0, {"knob", "knob", "knob", "knob"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        HeadlessSession s;
        Press(s, {"on", "asi 0"});
        HomePage = 0;
        Settings.SecurityEnabled = c.securityOn;
        AirData.AltSensorFitted = c.sensorFitted;
        AirData.SensorTemperature = 21.5f;
        AirData.SensorPressure = 1013.25f;
        for (uint8_t& digit : CodeDigits) digit = 0;
        CurrentScreen = c.start;
        ResetMenuState(c.cursor);
        Press(s, c.keys);
        Press(s, {"frames 1"});
        ExpectFrameMatchesGolden(c.golden);
        AirData.AltSensorFitted = 0;
    }
}

} // namespace
