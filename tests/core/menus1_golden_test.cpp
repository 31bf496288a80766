// One whole frame of each screen of the main menu and the altitude, VSI, ASI and timer lists,
// against its golden frame, reached through the bezel as a pilot would.
#include "golden.h"
#include "menus1_support.h"

namespace {

using namespace menus1;

TEST(Menus1Golden, EachScreenAsDrawn) {
    const struct {
        const char* golden;
        int mainMenuEntry; // -1: stay in the main menu
        std::initializer_list<std::string> keys;
        ScreenHandler screen;
    } cases[] = {
        {"menus1_main_menu", -1, {"+", "+", "+"}, MainMenuScreen},
        {"menus1_alt_setup", 0, {"-", "-", "right", "knob", "+", "+"}, AltSetupScreen},
        {"menus1_alt_setup_serial", 0, {"-", "knob", "+", "knob", "+", "+"}, AltSetupScreen},
        {"menus1_encoder_warning",
         0,
         {"-", "knob", "+", "knob", "+", "+", "knob"},
         EncoderWarningScreen},
        {"menus1_test_altitude",
         0,
         {"-", "knob", "+", "knob", "+", "+", "knob", "knob", "-"},
         TestAltitudeScreen},
        {"menus1_vsi_setup", 1, {"+", "+", "knob", "+"}, VsiSetupScreen},
        {"menus1_asi_setup", 2, {"+", "+", "+", "+", "+", "+", "right", "knob"}, AsiSetupScreen},
        {"menus1_zero_asi", 2, {"knob"}, ZeroAsiScreen},
        {"menus1_timer_setup", 3, {"knob", "+", "knob", "+", "right", "right"}, TimerSetupScreen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        HeadlessSession s;
        if (c.mainMenuEntry < 0)
            OpenMainMenu(s);
        else
            OpenSetup(s, c.mainMenuEntry);
        Drive(s, c.keys);
        Drive(s, {"frames 1"});
        ASSERT_EQ(ScreenName(CurrentScreen), ScreenName(c.screen));
        ExpectFrameMatchesGolden(c.golden);
    }
}

} // namespace
