// VSI SETUP: four entries, no scrolling, no edit step.
#include "menus1_support.h"

namespace {

using namespace menus1;

std::vector<Line> VsiEntries(const char* display, const char* unit, const char* scale,
                             const char* cal) {
    return {Row("VSI DISPLAY: ", display), Row("VSI UNIT: ", unit), Row("SCALE: ", scale),
            Row("VSI CAL: ", cal)};
}

TEST(Menus1VsiSetup, EditsEachEntryByItsRule) {
    const struct {
        const char* name;
        std::initializer_list<std::string> keys; // from entry 0, out of edit mode
        std::vector<Line> shown;
    } cases[] = {
        {"power-on", {}, VsiEntries("ON", "ft/min", "1000ft/min", "100%")},
        {"display -", {"knob", "-"}, VsiEntries("OFF", "ft/min", "1000ft/min", "100%")},
        {"display + +", {"knob", "+", "+"}, VsiEntries("ON", "ft/min", "1000ft/min", "100%")},
        {"unit", {"+", "knob", "+"}, VsiEntries("ON", "m/s", "5m/s", "100%")},
        {"scale +", {"-", "-", "knob", "+"}, VsiEntries("ON", "ft/min", "2000ft/min", "100%")},
        {"scale - wraps",
         {"-", "-", "knob", "-"},
         VsiEntries("ON", "ft/min", "4000ft/min", "100%")},
        {"scale + wraps",
         {"-", "-", "knob", "+", "+", "+"},
         VsiEntries("ON", "ft/min", "1000ft/min", "100%")},
        {"scale keeps its index in m/s",
         {"-", "-", "knob", "+", "knob", "-", "knob", "-"},
         VsiEntries("ON", "m/s", "10m/s", "100%")},
        {"cal +", {"-", "knob", "+", "+"}, VsiEntries("ON", "ft/min", "1000ft/min", "102%")},
        {"cal moves by 1 whatever the right key",
         {"-", "right", "knob", "right", "-"},
         VsiEntries("ON", "ft/min", "1000ft/min", "99%")},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        OpenSetup(s, 1);
        Drive(s, c.keys);
        if (MenuState.EditMode == 1) Drive(s, {"knob"});
        for (int i = 0; i < 4 && MenuState.Cursor != 0; ++i) Drive(s, {"+"});
        Drive(s, {"frames 1"});
        ExpectListShows(c.shown, c.name);
        ExpectScrollBar(0, 4, c.name);
        EXPECT_EQ(MenuState.EditStep, 1) << c.name << ": this list has no step";
        ExpectStepShows("", c.name);
    }
}

TEST(Menus1VsiSetup, CalStopsAt50And150) {
    HeadlessSession s;
    OpenSetup(s, 1);
    Drive(s, {"-", "knob"});
    Repeat(s, "+", 60);
    EXPECT_EQ(Calibration.VsiCal, 150);
    Repeat(s, "-", 120);
    EXPECT_EQ(Calibration.VsiCal, 50);
    Drive(s, {"frames 1"});
    ExpectListShows(VsiEntries("ON", "ft/min", "1000ft/min", "50%"), "at 50");
}

TEST(Menus1VsiSetup, TheCursorWrapsOverFourEntriesAndLeavesTheStepAlone) {
    HeadlessSession s;
    OpenSetup(s, 1);
    MenuState.EditStep = 10; // whatever the step, a cursor move here does not touch it
    const struct {
        const char* turn;
        uint8_t cursor;
    } moves[] = {{"-", 3}, {"+", 0}, {"+", 1}, {"+", 2}, {"+", 3}, {"+", 0}, {"-", 3}, {"-", 2}};
    for (const auto& m : moves) {
        Drive(s, {m.turn, "frames 1"});
        EXPECT_EQ(MenuState.Cursor, m.cursor);
        EXPECT_EQ(MenuState.TopRow, 0);
        ExpectScrollBar(m.cursor, 4, m.turn);
    }
    EXPECT_EQ(MenuState.EditStep, 10);
}

} // namespace
